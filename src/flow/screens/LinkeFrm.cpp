#include "flow/screens/LinkeFrm.h"

#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/Neuanlage.h"
#include "flow/screens/MenuFrm.h"

#include <QLabel>
#include <QPushButton>

namespace torvane {

TLinkeF* LinkeF = nullptr;

TLinkeF::TLinkeF(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("LinkeF"));
    setAttribute(Qt::WA_StyledBackground);
    StilSetzen(this);
    setFixedSize(300, 556);

    Titel = new QLabel(QStringLiteral("Torvane"), this);
    Titel->setObjectName(QStringLiteral("Titel"));
    Titel->setGeometry(0, 12, 300, 56);
    Titel->setAlignment(Qt::AlignCenter);
    Titel->setFont(Schrift(30, true));
    Titel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen)));

    Untertitel = new QLabel(QStringLiteral("Die FußballManagerSimulation"), this);
    Untertitel->setObjectName(QStringLiteral("Untertitel"));
    Untertitel->setGeometry(0, 66, 300, 24);
    Untertitel->setAlignment(Qt::AlignCenter);
    Untertitel->setFont(Schrift(11, true));
    Untertitel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Nacht)));

    Bild1 = new QLabel(this);
    Bild1->setObjectName(QStringLiteral("Bild1"));
    Bild1->setGeometry(20, 104, 260, 260);
    Bild1->setPixmap(Bild(QStringLiteral("linke"), Bild1->size()));

    Uhr = new QLabel(QStringLiteral("00:00:00"), this);
    Uhr->setObjectName(QStringLiteral("Uhr"));
    Uhr->setGeometry(60, 380, 180, 44);
    Uhr->setAlignment(Qt::AlignCenter);
    Uhr->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 20, QFont::Bold));
    Uhr->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border-radius: 8px; }")
                           .arg(Hex(Farbe::Nacht), Hex(Farbe::Sonne)));

    Version = new QLabel(QString::fromStdString(VersionLang()), this);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setGeometry(0, 436, 300, 20);
    Version->setAlignment(Qt::AlignCenter);
    Version->setFont(Schrift(9));

    Automatic = new QPushButton(QStringLiteral("Automatic"), this);
    Automatic->setObjectName(QStringLiteral("Automatic"));
    Automatic->setGeometry(80, 500, 140, 30);
    Automatic->setToolTip(QStringLiteral("Schließt den laufenden Zug einmal von selbst"));
    connect(Automatic, &QPushButton::clicked, this, &TLinkeF::automaticKlick);
}

void TLinkeF::uhrZeigen(const QString& zeit) { Uhr->setText(zeit); }

void TLinkeF::automaticKlick()
{
    automatic_ = !automatic_;
    Automatic->setText(automatic_ ? QStringLiteral("Autospiel STOP") : QStringLiteral("Automatic"));
    if (automatic_ && MenuF && MenuF->abschluss) MenuF->abschluss();
}

} // namespace torvane
