#include "tools/screens/ProgrammInfoFrm.h"

#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/Neuanlage.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

TProgrammInfoF* ProgrammInfoF = nullptr;

TProgrammInfoF::TProgrammInfoF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("ProgrammInfoF"), QStringLiteral("Info"));
    setFixedSize(400, 430);

    auto* bild = new QLabel(this);
    bild->setAlignment(Qt::AlignCenter);
    bild->setPixmap(Bild(QStringLiteral("pokal"), QSize(110, 110)));
    auto* titel = new QLabel(QStringLiteral("Torvane"), this);
    titel->setAlignment(Qt::AlignCenter);
    titel->setFont(Schrift(26, true));
    titel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen)));
    auto* version = new QLabel(QStringLiteral("Die FußballManagerSimulation\n") + Q(VersionLang()), this);
    version->setObjectName(QStringLiteral("Version"));
    version->setAlignment(Qt::AlignCenter);
    version->setFont(Schrift(10, true));
    auto* text = new QLabel(
        QStringLiteral("Ein bis vier Manager übernehmen je einen Verein der Oberliga und versuchen, "
                       "mit Geschick und etwas Glück bis in die Bundesliga aufzusteigen.\n\n"
                       "Alle Vereine, Spieler, Bilder und Klänge sind frei erfunden und "
                       "mit eigenen Werkzeugen erzeugt. Ähnlichkeiten mit echten Vereinen "
                       "sind rein zufällig."),
        this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* l = new QVBoxLayout(this);
    l->addWidget(bild);
    l->addWidget(titel);
    l->addWidget(version);
    l->addWidget(text, 1);
    l->addWidget(ok, 0, Qt::AlignCenter);
}

void TProgrammInfoF::oeffnen()
{
    if (QWidget* h = Hauptfenster()) move(h->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    exec();
}

} // namespace torvane
