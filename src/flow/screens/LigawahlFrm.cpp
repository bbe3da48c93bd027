#include "flow/screens/LigawahlFrm.h"

#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

TLigawahlF* LigawahlF = nullptr;

TLigawahlF::TLigawahlF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("LigawahlF"), Tq("Ligawahl"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(Kopfzeile(Tq("Wähle eine Liga"), this));
    const char* const texte[] = {"1. Bundesliga", "2. Liga", "3. Regionalliga", "4. Oberliga"};
    for (int liga = 1; liga <= 4; ++liga) {
        auto* b = new QPushButton(QString::fromUtf8(texte[liga - 1]), this);
        b->setObjectName(QStringLiteral("Liga%1").arg(liga));
        b->setMinimumHeight(32);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, liga] {
            gewaehlt = liga;
            accept();
        });
        l->addWidget(b);
    }
    setFixedSize(240, 220);
}

int TLigawahlF::waehlen()
{
    gewaehlt = 0;
    if (QWidget* h = Hauptfenster()) move(h->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    exec();
    return gewaehlt;
}

} // namespace torvane
