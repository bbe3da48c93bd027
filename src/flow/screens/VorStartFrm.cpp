#include "flow/screens/VorStartFrm.h"

#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"

#include <QLabel>
#include <QVBoxLayout>

namespace torvane {

TVorStartF* VorStartF = nullptr;

TVorStartF::TVorStartF(QWidget* eltern) : QWidget(eltern, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("VorStartF"));
    setWindowTitle(Tq("Systemcheck"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("QWidget#VorStartF { background: %1; border: 4px solid %2; border-radius: 12px; }")
                      .arg(Hex(Farbe::Rasen), Hex(Farbe::Sonne)));
    setFixedSize(320, 260);
    auto* bild = Bildschild(this, QStringLiteral("systemcheck"), QSize(140, 140));
    auto* titel = Mittig(this, Tq("Systemcheck"), Schrift(18, true));
    titel->setStyleSheet(QStringLiteral("color: white;"));
    Meldung = new QLabel(Tq("Klänge, Bilder und Daten werden geprüft ..."), this);
    Meldung->setObjectName(QStringLiteral("Meldung"));
    Meldung->setAlignment(Qt::AlignCenter);
    Meldung->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Creme)));
    auto* l = new QVBoxLayout(this);
    l->addWidget(bild);
    l->addWidget(titel);
    l->addWidget(Meldung);
}

} // namespace torvane
