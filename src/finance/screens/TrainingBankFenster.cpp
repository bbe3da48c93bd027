#include "finance/screens/TrainingBankFenster.h"

#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "finance/screens/BankFrm.h"
#include "finance/screens/InfoFrm.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/MenuFrm.h"
#include "squad/Markt.h"
#include "squad/screens/TrainingFrm.h"
#include "squad/screens/TrainingsLagerFrm.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QDir>

namespace torvane {

void TrainingBankFensterAnlegen(QWidget* haupt)
{
    if (!TrainingF) TrainingF = new TTrainingF(haupt);
    if (!TrainingsLagerF) TrainingsLagerF = new TTrainingsLagerF(haupt);
    if (!BankF) BankF = new TBankF(haupt);
    if (!InfoF) InfoF = new TInfoF(haupt);
    if (!MenuF) return;
    MenuF->oeffnerSetzen(Menuepunkt::Training, [] { TrainingF->zeigen(); });
    MenuF->oeffnerSetzen(Menuepunkt::Trainingslager, [] { TrainingsLagerF->zeigen(); });
    MenuF->oeffnerSetzen(Menuepunkt::Info, [] { InfoF->zeigen(); });
    MenuF->oeffnerSetzen(Menuepunkt::Bank, [] { BankF->zeigen(); });
}

QStringList TrainingBankBildschirmfotos(const QString& ordner)
{
    QStringList fertig;
    if (!QDir().mkpath(ordner)) return fertig;
    FotoRuhe ruhe;
    TrainingBankFensterAnlegen(Hauptfenster());
    const bool spiel = BeispielSpielAnlegen();

    if (spiel) {
        // Ein Trainer mit Bällen, ein Bericht vom letzten Training.
        Manager_& mg = S.Manager[S.AktManager];
        TrainerVerpflichten(S.AktManager, 3, 40);
        mg.BaelleTechnik = 4;
        S.Spiel.Spieltag = 5;
        S.Trainingsbericht = std::string("18 Spieler nahmen am Training Teil") + NL + NL +
                             "Die Technik der Mannschaft veränderte sich um: 0,44 Punkte" + NL +
                             "Die Konstution der Mannschaft veränderte sich um: 0,17 Punkte" + NL +
                             "Beim Training verletzte(n) sich 1 Spieler." + NL;
    }
    TrainingF->zeichnen();
    TrainingF->show();
    Foto(TrainingF, ordner, QStringLiteral("60_training"), fertig);
    TrainingF->hide();

    TrainingsLagerF->zeichnen();
    TrainingsLagerF->show();
    TrainingsLagerF->lagerKlick(3); // in der Oberliga nicht erlaubt
    Foto(TrainingsLagerF, ordner, QStringLiteral("61_trainingslager"), fertig);
    if (spiel) {
        TrainingsLagerF->hinGehen();
        Foto(TrainingsLagerF, ordner, QStringLiteral("62_trainingslager_bericht"), fertig);
    }
    TrainingsLagerF->hide();

    if (spiel) {
        Manager_& mg = S.Manager[S.AktManager];
        mg.Kredit = 250000;
        mg.Sparbuch = 120000;
        mg.AnlageBetrag = 500000;
        mg.AnlageWert = 512563;
        mg.Aktien = 1500;
        mg.AktienkursGemerkt = 980;
    }
    BankF->Darlehen->setCurrentIndex(9);
    BankF->Laufzeit->setValue(100);
    BankF->zeichnen();
    BankF->show();
    Foto(BankF, ordner, QStringLiteral("63_bank"), fertig);
    BankF->hide();

    if (spiel) {
        Manager_& mg = S.Manager[S.AktManager];
        mg.DarlehenRate = 157500;
        mg.DarlehenRestSpiele = 12;
        mg.Plaetze = 8000;
        mg.HeimspieleSaison = 2;
        mg.ZuschauerSaison = 9100;
        mg.ZuschauerLetzte = 4300;
        mg.Werbeeinnahmen = 12000;
    }
    InfoF->show();
    InfoF->fuellen();
    Foto(InfoF, ordner, QStringLiteral("64_info"), fertig);
    InfoF->hide();

    return fertig;
}

} // namespace torvane
