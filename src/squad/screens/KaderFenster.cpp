#include "squad/screens/KaderFenster.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/MenuFrm.h"
#include "squad/Kader.h"
#include "squad/Verhandlung.h"
#include "squad/screens/AufstellFrm.h"
#include "squad/screens/SpielsystemFrm.h"
#include "squad/screens/TransferFrm.h"
#include "squad/screens/VerhandelFrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QScrollBar>
#include <QSpinBox>

namespace torvane {

QColor PositionsFarbe(std::string_view position)
{
    if (position == "T") return QColor(100, 181, 246); // hell genug für die dunklen Listen
    if (position == "V") return QColor(0, 255, 0);
    if (position == "M") return QColor(0, 255, 255);
    if (position == "S") return QColor(255, 255, 0);
    return QColor(Qt::black);
}

Beschaeftigt::Beschaeftigt(QWidget* w, bool& merker) : w_(w), merker_(merker), warAn_(w && w->isEnabled())
{
    merker_ = true;
    if (w_) w_->setEnabled(false);
}

Beschaeftigt::~Beschaeftigt()
{
    merker_ = false;
    if (w_ && warAn_) w_->setEnabled(true);
}

void KaderFensterAnlegen(QWidget* haupt)
{
    if (!VerhandelF) VerhandelF = new TVerhandelF(haupt);
    if (!AufstellF) AufstellF = new TAufstellF(haupt);
    if (!SpielsystemF) SpielsystemF = new TSpielsystemF(haupt);
    if (!TransferF) TransferF = new TTransferF(haupt);
    if (!MenuF) return;
    MenuF->oeffnerSetzen(Menuepunkt::Aufstellung, [] { AufstellF->zeigen(); });
    MenuF->oeffnerSetzen(Menuepunkt::Spielsystem, [] { SpielsystemF->zeigen(); });
    MenuF->oeffnerSetzen(Menuepunkt::Transfermarkt, [] { TransferF->zeigen(); });
}

QStringList KaderBildschirmfotos(const QString& ordner)
{
    QStringList fertig;
    if (!QDir().mkpath(ordner)) return fertig;
    FotoRuhe ruhe;
    KaderFensterAnlegen(Hauptfenster());
    if (!BeispielSpielAnlegen()) {
        return fertig;
    }
    S.AktManager = 0;
    Manager_& mg = S.Manager[0];

    // Aufstellung mit einem gelisteten Spieler, einem Verletzten und einem auslaufenden Vertrag.
    mg.Kader[4].Transferstatus = 1;
    mg.Kader[6].Verletzt = 2;
    mg.Kader[6].VerletzungArt = 3;
    mg.Kader[6].Eingesetzt = 0;
    mg.Kader[9].Vertrag = 1;
    mg.Kader[12].GelbNational = 2;
    BerechneMannschaft(0, 1);
    AufstellF->zeigen();
    AufstellF->infoZeigen(5, 3);
    Foto(AufstellF, ordner, QStringLiteral("60_aufstellung"), fertig);
    AufstellF->karteZeile = 4;
    AufstellF->zeichnen();
    AufstellF->infoZeigen(4, 0);
    Foto(AufstellF, ordner, QStringLiteral("61_aufstellung_spielerkarte"), fertig);
    AufstellF->hide();

    SpielsystemF->OhneAnimation->setChecked(true);
    Fotografieren(SpielsystemF, ordner, QStringLiteral("62_spielsystem"), fertig);

    S.Spiel.AnzeigeLiga = 1;
    TransferF->Blaettern->setValue(1);
    TransferF->zeigen();
    TransferF->Liste->hell = 3;
    TransferF->Liste->update();
    Foto(TransferF, ordner, QStringLiteral("63_transfermarkt"), fertig);
    S.Trainermarkt[3].Nummer = -1;
    TransferF->Spiele->setValue(100);
    TransferF->Blaettern->setValue(3);
    Foto(TransferF, ordner, QStringLiteral("64_transfermarkt_trainer_auf_der_arbeit"), fertig);
    TransferF->Blaettern->setValue(2);
    Foto(TransferF, ordner, QStringLiteral("65_transfermarkt_trainer"), fertig);
    S.Trainermarkt[3].Nummer = 3;
    TransferF->hide();

    // Die Verhandlungen offen zeigen, ohne auf eine Entscheidung zu warten.
    int zeile = 1;
    while (zeile < 11 && S.Transferliste[zeile].Transferstatus == 0) ++zeile;
    mg.Kader[0] = S.Transferliste[zeile];
    const Regler_ regler = VerhandelF->regler();
    VerhandelF->reglerSetzen({2, 1, 3});
    VerhandlungBeginnen(0, Verhandlungsart::Kauf, zeile, VerhandelF->regler());
    VerhandelF->zeichnen();
    Fotografieren(VerhandelF, ordner, QStringLiteral("66_verhandlung_kauf"), fertig);
    VerhandlungAbbrechen();
    mg.Kader[0] = mg.Kader[2];
    VerhandelF->reglerSetzen({0, 2, 4});
    VerhandlungBeginnen(0, Verhandlungsart::Verlaengerung, 2, VerhandelF->regler());
    VerhandelF->zeichnen();
    Fotografieren(VerhandelF, ordner, QStringLiteral("67_verhandlung_vertrag"), fertig);
    VerhandlungAbbrechen();
    VerhandelF->reglerSetzen(regler);

    return fertig;
}

} // namespace torvane
