// Training, Trainingslager, Bank und Info im Fenster: aus dem Menü geöffnet, bedient und nachgesehen.
#include "Bildschirmtest.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "finance/Bank.h"
#include "finance/Info.h"
#include "finance/screens/BankFrm.h"
#include "finance/screens/InfoFrm.h"
#include "finance/screens/TrainingBankFenster.h"
#include "flow/Zug.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "squad/Markt.h"
#include "squad/screens/TrainingFrm.h"
#include "squad/screens/TrainingsLagerFrm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

using namespace torvane;

class TrainingBankTest : public Bildschirmtest {
    Q_OBJECT

    Manager_& mg() { return S.Manager[S.AktManager]; }

private slots:
    void initTestCase()
    {
        QVERIFY(fensterStarten());
        S.KlangAus = true;
        MenuF->show();
    }

    void init()
    {
        QVERIFY(BeispielSpielAnlegen());
        MenueAnzeigen();
        QtOberflaeche::vorgaben.clear();
        QtOberflaeche::protokoll.clear();
        QtOberflaeche::tempo = 0.0;
    }

    // Darlehen aus dem Menü: Angebot nach dem Beispiel, Aufnahme, Konto im Menü; Aktienbalken handelt nur bei Bewegung.
    void darlehenUndAktien()
    {
        for (Menuepunkt p : {Menuepunkt::Training, Menuepunkt::Trainingslager, Menuepunkt::Info, Menuepunkt::Bank})
            QVERIFY(MenuF->knopf(p)->isEnabled());
        mg().Kontostand = 25000000;
        MenuF->unterKlick(Menuepunkt::Bank);
        QVERIFY(Offen(BankF));
        BankF->Darlehen->setCurrentIndex(9);
        BankF->Laufzeit->setValue(100);
        QCOMPARE(BankF->Rate->text(), QStringLiteral("157.500 €"));
        QCOMPARE(BankF->Gesamt->text(), QStringLiteral("15.750.000 €"));
        QCOMPARE(BankF->Zinsen->text(), QStringLiteral("57.500,00 €"));
        QCOMPARE(BankF->Laufzeit->maximum(), DarlehenLaufzeitMax);

        QtOberflaeche::vorgaben.push_back("Ja");
        QTest::mouseClick(BankF->WillIch, Qt::LeftButton);
        QVERIFY(QtOberflaeche::imProtokoll("Darlehen so Aufnehmen ?"));
        QCOMPARE(mg().Kontostand, 35000000);
        QCOMPARE(BankF->LaeuftNoch->text(), QStringLiteral("Läuft noch 100  Rate 157.500 €"));
        QCOMPARE(MenuF->P5->text(), QStringLiteral("35.000.000"));
        // Das Konto im Menü zeichnet neu, wer es sagt, nicht der Uhrtakt.
        mg().Kontostand = 1;
        MainF->uhrTakt();
        QCOMPARE(MenuF->P5->text(), QStringLiteral("35.000.000"));
        SpielstandGeaendert();
        QCOMPARE(MenuF->P5->text(), QStringLiteral("1"));
        mg().Kontostand = 35000000;

        // Zeigen stellt den Balken auf den Bestand und bucht nichts; erst eine Bewegung handelt.
        mg().Aktien = 300;
        S.Spiel.Aktienkurs = 1000;
        BankF->zeigen();
        QCOMPARE(BankF->Aktien->value(), 300);
        QCOMPARE(mg().Kontostand, 35000000);
        BankF->Aktien->setValue(100);
        QCOMPARE(mg().Kontostand, 35200000);
        QCOMPARE(BankF->ImWert->text(), QStringLiteral("Im Wert von 100.000 €"));
        // Nach einem Ereignis oder Managerwechsel: neuer Bestand, wieder kein Handel beim Zeigen.
        mg().Aktien = 5000;
        BankF->zeichnen();
        QCOMPARE(mg().Kontostand, 35200000);
        QCOMPARE(BankF->Aktien->value(), 5000);
        BankF->hide();
    }

    // Bälle verschieben und die Beschriftung lesen; Stunden und Schwerpunkte.
    void baelleUndPlan()
    {
        MenuF->unterKlick(Menuepunkt::Training);
        QVERIFY(Offen(TrainingF));
        QCOMPARE(TrainingF->BaelleLabel->text(), QStringLiteral("0 von 5 Bälle(n) zu verteilen"));
        QTest::mouseClick(TrainingF->Technik, Qt::LeftButton, {}, QPoint(5, 20));
        QCOMPARE(mg().BaelleTechnik, 2);
        QCOMPARE(TrainingF->BaelleLabel->text(), QStringLiteral("1 von 5 Bälle(n) zu verteilen"));
        QVERIFY(TrainingF->BallMarke->isVisible());
        QTest::mouseClick(TrainingF->Konstitution, Qt::LeftButton, {}, QPoint(420, 20));
        QCOMPARE(mg().BaelleKonstitution, 3);
        QCOMPARE(TrainingF->BaelleLabel->text(), QStringLiteral("0 von 5 Bälle(n) zu verteilen"));
        QVERIFY(!TrainingF->BallMarke->isVisible());

        TrainingF->Stunden->setValue(7);
        QCOMPARE(mg().Trainingsstunden, 7);
        QCOMPARE(TrainingF->StundenLabel->text(), QStringLiteral("7 Stunden Training pro Tag"));
        QTest::mouseClick(TrainingF->Hoch[1], Qt::LeftButton);
        QCOMPARE(TrainingF->Gauge[0]->value(), 20);
        QCOMPARE(TrainingF->Gauge[1]->value(), 50);
        QCOMPARE(TrainingF->Ergebnis->text(), QStringLiteral("Trainingsergebnisse gibt`s nach dem 1.Spieltag !"));
        TrainingF->hide();
    }

    // Einen Trainer einstellen und im Trainingsfenster kündigen.
    void trainerKuendigen()
    {
        QVERIFY(TrainerVerpflichten(S.AktManager, 2, 30));
        const int32_t konto = mg().Kontostand;
        const int64_t kosten = mg().TrainerPreis / 10 + static_cast<int64_t>(mg().TrainerGehalt) * 30;
        MenuF->unterKlick(Menuepunkt::Training);
        QVERIFY(TrainingF->Kuendigen->isVisible());
        QVERIFY(TrainingF->TrainerName->text().startsWith(QStringLiteral("Unser Trainer heißt, ")));
        QCOMPARE(TrainingF->Kosten->text(), Q(Geldtext(static_cast<double>(kosten)) + Waehrung));

        QtOberflaeche::vorgaben.push_back("Ja");
        const int32_t preis = mg().TrainerPreis;
        QTest::mouseClick(TrainingF->Kuendigen, Qt::LeftButton);
        QCOMPARE(mg().Kontostand, static_cast<int32_t>(konto + preis - kosten));
        QCOMPARE(TrainingF->TrainerName->text(), QStringLiteral("Wir haben keinen Trainer"));
        QVERIFY(!TrainingF->Kuendigen->isVisible());
        QCOMPARE(S.Trainermarkt[2].Nummer, 2);
        TrainingF->hide();
    }

    // Eine Reise läuft bis zum Bericht; ein zweiter Klick währenddessen bucht nichts; danach ist alles frei.
    void lagerReise()
    {
        MenuF->unterKlick(Menuepunkt::Trainingslager);
        QVERIFY(Offen(TrainingsLagerF));
        TrainingsLagerF->lagerKlick(2); // Oberliga: nicht erlaubt
        QCOMPARE(TrainingsLagerF->Felder[1].Preis->text(), QStringLiteral("Was willst Du hier ?"));
        QCOMPARE(TrainingsLagerF->lager(), 1);
        TrainingsLagerF->Tage->setValue(5);
        QCOMPARE(TrainingsLagerF->Technik->text(), QStringLiteral("-1 bis 2"));

        const int spieler = mg().KaderAnzahl;
        const int32_t konto = mg().Kontostand;
        QtOberflaeche::tempo = 0.01;
        bool gesperrt = false;
        Sobald([] { return TrainingsLagerF->reiseLaeuft(); },
               [&] {
                   gesperrt = !MenuF->isEnabled() && !TrainingsLagerF->HinGehen->isEnabled();
                   TrainingsLagerF->hinGehen();
               });
        QTest::mouseClick(TrainingsLagerF->HinGehen, Qt::LeftButton);
        QVERIFY(gesperrt);
        QCOMPARE(mg().Kontostand, konto - spieler * 10000 * 5);
        QVERIFY(TrainingsLagerF->BerichtTafel->isVisible());
        QCOMPARE(TrainingsLagerF->Bericht->count(), spieler + 4);
        QVERIFY(TrainingsLagerF->Bericht->item(spieler + 3)->text().startsWith(QStringLiteral("Steigerung von ")));
        QVERIFY(MenuF->isEnabled() && LinkeF->isEnabled() && TrainingsLagerF->HinGehen->isEnabled());
        // Ein Klick auf den Bericht schließt ihn.
        QTest::mouseClick(TrainingsLagerF->Bericht->viewport(), Qt::LeftButton);
        QVERIFY(!TrainingsLagerF->BerichtTafel->isVisible());

        // Kosten, die das Konto nicht fasst: abgelehnt, nichts geändert, alles bedienbar.
        mg().Kontostand = -2147000000;
        TrainingsLagerF->hinGehen();
        QCOMPARE(mg().Kontostand, -2147000000);
        QVERIFY(!TrainingsLagerF->reiseLaeuft() && MenuF->isEnabled() && TrainingsLagerF->HinGehen->isEnabled());
        QVERIFY(!TrainingsLagerF->BerichtTafel->isVisible());
        TrainingsLagerF->hide();
    }

    // Info füllt sich bei jedem Zeigen frisch; die Managerzeilen nur für aktive Manager.
    void infoFrisch()
    {
        MenuF->unterKlick(Menuepunkt::Info);
        QVERIFY(Offen(InfoF));
        QCOMPARE(InfoF->Zuschauerschnitt->text(), QStringLiteral("Kein Heimspiel"));
        QVERIFY(InfoF->N[1]->isVisible() && !InfoF->N[2]->isVisible());
        QCOMPARE(InfoF->Managerqualitaet->height(), 1 * 25 + 48);
        QCOMPARE(InfoF->Spieler->title(), QStringLiteral("2 Spieler"));
        mg().Kredit = 120000;
        InfoF->hide();
        MenuF->unterKlick(Menuepunkt::Info);
        QCOMPARE(InfoF->Kredit->text(), QStringLiteral("120.000 €"));
        InfoF->hide();

        // Die Warnung zum kritischen Vermögen kommt erst über den neuen Zahlen.
        mg().Kontostand = -2000000000;
        QString gesehen;
        ui.dialogVorgabe = [&gesehen](DialogArt, const std::string&, Knoepfe) {
            gesehen = InfoF->isVisible() ? InfoF->Vermoegen->text() : QString();
            return Antwort::Ok;
        };
        MenuF->unterKlick(Menuepunkt::Info);
        ui.dialogVorgabe = nullptr;
        QVERIFY(QtOberflaeche::imProtokoll(Tz(VermoegenKritischText)));
        QCOMPARE(gesehen, Q(VermoegenBuchenUndInfo(S.AktManager).Vermoegen.text));
        InfoF->hide();
    }

    // Die Bildschirmfotos der vier Fenster, der Reisebericht mit echtem Inhalt.
    void bildschirmfotos()
    {
        const QString ziel = ordner.path() + QStringLiteral("/fotos");
        const QStringList dateien = TrainingBankBildschirmfotos(ziel);
        for (const char* name :
             {"60_training", "61_trainingslager", "62_trainingslager_bericht", "63_bank", "64_info"}) {
            const QString datei = QDir(ziel).filePath(QString::fromLatin1(name) + ".png");
            QVERIFY2(dateien.contains(datei), name);
            QVERIFY2(QImage(datei).width() > 600, name);
        }
        QVERIFY(TrainingsLagerF->Bericht->count() > 4);
    }
};

QTEST_MAIN(TrainingBankTest)
#include "TrainingBankTest.moc"
