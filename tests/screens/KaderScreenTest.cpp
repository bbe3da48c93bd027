// Bildschirmtests des Kaders: Aufstellung per Klick, Punkte kaufen, Transferliste,
// Spielsystem, Kauf über die Verhandlung, Vertragsverlängerung und Trainer.
#include "Bildschirmtest.h"
#include "core/Konto.h"
#include "core/Zufall.h"
#include "core/screens/Stil.h"
#include "flow/Neuanlage.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "squad/Kader.h"
#include "squad/Verhandlung.h"
#include "squad/screens/AufstellFrm.h"
#include "squad/screens/SpielsystemFrm.h"
#include "squad/screens/TransferFrm.h"
#include "squad/screens/VerhandelFrm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include <cstring>
#include <limits>

using namespace torvane;

namespace {

QPoint Zelle(int zeile, int spalte)
{
    return {TKaderGitter::SpaltenMitte(spalte), (zeile - 1) * TKaderGitter::Zeilenhoehe + 8};
}

void Klick(int zeile, int spalte, Qt::MouseButton knopf = Qt::LeftButton)
{
    QTest::mouseClick(AufstellF->Gitter, knopf, {}, Zelle(zeile, spalte));
}

int ErsteMarktzeile()
{
    for (int i = 1; i <= 11; ++i)
        if (S.Transferliste[i].Transferstatus != 0) return i;
    return 0;
}

} // namespace

class KaderScreenTest : public Bildschirmtest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(umgebung());
        FensterAnlegen();
    }

    void init()
    {
        S = Spielstand{};
        ZufallSetzen(31);
        QVERIFY(NeuesSpielOhneBildschirm({{"Quirin", "SV Kickersdorf"}, {"Berta", "FC Fallera"}}));
        S.AktManager = 0;
        if (VerhandelF) VerhandelF->reglerSetzen({});
        QtOberflaeche::vorgaben.clear();
        QtOberflaeche::protokoll.clear();
    }

    void cleanup()
    {
        for (QWidget* w : {static_cast<QWidget*>(AufstellF), static_cast<QWidget*>(SpielsystemF),
                           static_cast<QWidget*>(TransferF)})
            w->hide();
    }

    void menueOeffnetDieFenster()
    {
        for (Menuepunkt p : {Menuepunkt::Aufstellung, Menuepunkt::Spielsystem, Menuepunkt::Transfermarkt}) {
            QVERIFY(MenuF->knopf(p)->isEnabled());
            QVERIFY(MenuF->knopf(p)->toolTip().isEmpty());
        }
        MenuF->unterKlick(Menuepunkt::Aufstellung);
        QVERIFY(AufstellF->isVisible());
        QCOMPARE(AufstellF->Ueberschrift->text(), QStringLiteral("Aufstellung  NATIONAL"));
        MenuF->unterKlick(Menuepunkt::Transfermarkt);
        QVERIFY(TransferF->isVisible());
        MenuF->unterKlick(Menuepunkt::Spielsystem);
        QVERIFY(SpielsystemF->isVisible());
        QVERIFY(SpielsystemF->isEnabled()); // nach dem Einlaufen wieder bedienbar
        // Nach einem Managerwechsel zeigt das Fenster den anderen Kader.
        S.AktManager = 1;
        AufstellF->zeigen();
        QCOMPARE(AufstellF->WertLabel->text(), Q(Geldtext(S.Manager[1].KaderWert) + " €"));
    }

    void aufstellungPerKlick()
    {
        AufstellF->zeigen();
        QTest::mouseClick(AufstellF->Autoaufstellung, Qt::LeftButton);
        QCOMPARE(S.Optionen[0][OptAutoaufstellung], uint8_t{0});
        const Manager_& mg = S.Manager[0];
        QCOMPARE(AnzahlEingesetzt(0), 11);
        // Der stärkste Stürmer geht raus: der Angriff wird schwächer, die Anzeige folgt.
        int i = mg.KaderAnzahl;
        while (i > 0 && !(mg.Kader[i].Position == "S" && mg.Kader[i].Eingesetzt)) --i;
        QVERIFY(i > 0);
        const int angriff = VereinVon(0).Angriff;
        Klick(i, 0);
        QCOMPARE(int(mg.Kader[i].Eingesetzt), 0);
        QCOMPARE(AnzahlEingesetzt(0), 10);
        QVERIFY(VereinVon(0).Angriff < angriff);
        QCOMPARE(AufstellF->AngriffLabel->text(), QStringLiteral("Angriff: %1").arg(VereinVon(0).Angriff));
        QVERIFY(QtOberflaeche::imProtokoll("Klang:klick"));
        Klick(i, 0);
        QCOMPARE(int(mg.Kader[i].Eingesetzt), 1);
        QCOMPARE(VereinVon(0).Angriff, angriff);
        // Die Maus über dem Namen zeigt den Zustand.
        AufstellF->infoZeigen(i, 0);
        QVERIFY(AufstellF->Info2->text().endsWith(QStringLiteral(" = Eingesetzt")));
        QVERIFY(AufstellF->Info1->text().startsWith(QStringLiteral("11 Spieler Eingesetzt")));
    }

    void technikFuenfmal()
    {
        AufstellF->zeigen();
        Manager_& mg = S.Manager[0];
        mg.Kader[2].Technik = 100;
        const int32_t konto = mg.Kontostand;
        Klick(2, 3, Qt::RightButton);
        QCOMPARE(int(mg.Kader[2].Technik), 105);
        QCOMPARE(mg.Kontostand, konto - 100000);
        Klick(2, 5); // Form +1
        QCOMPARE(mg.Kontostand, konto - 150000);
        mg.Kader[2].Technik = 120;
        Klick(2, 3);
        QVERIFY(QtOberflaeche::imProtokoll("Maximale Technik erreicht !"));
        QCOMPARE(mg.Kontostand, konto - 150000);
    }

    void listenUndZurueck()
    {
        AufstellF->zeigen();
        Manager_& mg = S.Manager[0];
        Klick(3, 0, Qt::RightButton);
        QVERIFY(AufstellF->Karte->isVisible());
        QCOMPARE(AufstellF->karteZeile, 3);
        const std::string name = mg.Kader[3].Nachname.text();
        QVERIFY(AufstellF->KarteName->text().contains(Q(name)));
        const int32_t wert = mg.Kader[3].Wert, konto = mg.Kontostand;
        QtOberflaeche::vorgaben.push_back("Ja");
        QTest::mouseClick(AufstellF->Verkaufen, Qt::LeftButton);
        QCOMPARE(int(mg.Kader[3].Transferstatus), 1);
        QCOMPARE(AufstellF->Verkaufen->text(), QStringLiteral("NICHT Verkaufen"));
        QtOberflaeche::vorgaben.push_back("Ja");
        QTest::mouseClick(AufstellF->Verkaufen, Qt::LeftButton);
        QCOMPARE(int(mg.Kader[3].Transferstatus), 0);
        QCOMPARE(AufstellF->Verkaufen->text(), QStringLiteral("Spieler Verkaufen"));
        QCOMPARE(mg.Kontostand, konto - wert / 100 - wert * 3 / 100);
        Klick(3, 0, Qt::RightButton);
        QVERIFY(!AufstellF->Karte->isVisible());

        // Escape schließt nur die Karte; erst das zweite das Fenster.
        Klick(4, 0, Qt::RightButton);
        QVERIFY(AufstellF->Karte->isVisible());
        QTest::keyClick(AufstellF, Qt::Key_Escape);
        QVERIFY(!AufstellF->Karte->isVisible());
        QCOMPARE(AufstellF->karteZeile, 0);
        QVERIFY(AufstellF->isVisible());
        QTest::keyClick(AufstellF, Qt::Key_Escape);
        QVERIFY(!AufstellF->isVisible());
    }

    // Maximieren am unteren Rand des Kontos kauft nichts, hält nicht an und lässt das Fenster bedienbar.
    void maximierenAmKontolimit()
    {
        AufstellF->zeigen();
        Manager_& mg = S.Manager[0];
        mg.Kontostand = std::numeric_limits<int32_t>::min() + 10;
        const auto kader = mg.Kader;
        QtOberflaeche::vorgaben.push_back("Ja");
        AufstellF->maximierenKlick();
        QCOMPARE(mg.Kontostand, std::numeric_limits<int32_t>::min() + 10);
        QVERIFY(std::memcmp(&kader, &mg.Kader, sizeof kader) == 0);
        QVERIFY(AufstellF->isEnabled());
        mg.Kontostand = 1000000;
        mg.Kader[1].Technik = 50;
        Klick(1, 3);
        QCOMPARE(int(mg.Kader[1].Technik), 51);
    }

    void systemWaehlen()
    {
        SpielsystemF->OhneAnimation->setChecked(true);
        SpielsystemF->zeigen();
        QCOMPARE(SpielsystemF->gewaehlt, 1);
        QTest::mouseClick(SpielsystemF->BitBtn[2], Qt::LeftButton);
        const Manager_& mg = S.Manager[0];
        QCOMPARE(std::string(mg.SpielSystem.roh()), std::string("442"));
        QCOMPARE(SpielsystemF->SystemLabel->text(), QStringLiteral("4-4-2"));
        QVERIFY(SpielsystemF->BitBtn[2]->styleSheet().contains(Hex(Farbe::Rot)));
        QVERIFY(SpielsystemF->BitBtn[0]->styleSheet().isEmpty());
        // Die Aufstellung folgt dem System: höchstens zwei Stürmer.
        int stuermer = 0;
        for (int i = 1; i <= mg.KaderAnzahl; ++i) stuermer += mg.Kader[i].Eingesetzt && mg.Kader[i].Position == "S";
        QVERIFY(stuermer <= 2);
        QCOMPARE(AnzahlEingesetzt(0), 11);
        QCOMPARE(SpielsystemF->GesamtLabel->text(), QStringLiteral("Gesamt: %1").arg(VereinVon(0).Gesamt));
        QCOMPARE(SpielsystemF->Feld->figuren.size(), size_t{12});
        // Mit Einlaufen: danach stehen alle auf ihren Plätzen, das Fenster ist wieder bedienbar.
        SpielsystemF->OhneAnimation->setChecked(false);
        QTest::mouseClick(SpielsystemF->BitBtn[0], Qt::LeftButton);
        QVERIFY(SpielsystemF->isEnabled());
        QCOMPARE(SpielsystemF->Feld->figuren[1].x(), double(S.SpielSysteme[0][1][1]));
        QCOMPARE(SpielsystemF->Feld->figuren[11].y(), double(S.SpielSysteme[1][11][1]));
    }

    void kaufUeberVerhandlung()
    {
        TransferF->zeigen();
        Manager_& mg = S.Manager[0];
        const int zeile = ErsteMarktzeile();
        QVERIFY(zeile > 0);
        const std::string name = S.Transferliste[zeile].Nachname.text();
        const int anzahl = mg.KaderAnzahl;
        bool gesehen = false;
        Sobald([] { return Offen(VerhandelF); }, [&] {
            gesehen = true;
            QCOMPARE(VerhandelF->Titel->text(), QStringLiteral("Neuer Spielerkauf"));
            QVERIFY(!TransferF->isEnabled());
            // Ein zweiter Klick in den Markt ändert das laufende Gespräch nicht.
            TransferF->spielerKlick(zeile == 11 ? 10 : zeile + 1);
            QCOMPARE(mg.Kader[0].Nachname.text(), name);
            VerhandelF->AbloeseRegler->setValue(5);
            VerhandelF->GehaltRegler->setValue(5);
            VerhandelF->JahreRegler->setValue(6);
            QVERIFY(VerhandelF->ZusageLabel->text().contains(QStringLiteral("beträgt 100 %.")));
            QTest::mouseClick(VerhandelF->Anbieten, Qt::LeftButton);
        });
        QTest::mouseClick(TransferF->Liste, Qt::LeftButton, {},
                          QPoint(50, TMarktliste::Kopf + (zeile - 1) * TMarktliste::Zeilenhoehe + 9));
        QVERIFY(gesehen);
        QVERIFY(!VerhandelF->isVisible());
        QVERIFY(TransferF->isEnabled());
        QCOMPARE(int(mg.KaderAnzahl), anzahl + 1);
        bool da = false;
        for (int i = 1; i <= mg.KaderAnzahl; ++i) da = da || mg.Kader[i].Nachname.text() == name;
        QVERIFY(da);
        QCOMPARE(int(S.Transferliste[zeile].Transferstatus), 0);
        QVERIFY(QtOberflaeche::imProtokoll("Danke für Ihr Vertrauen"));
        QCOMPARE(VerhandelF->regler().Jahre, 6); // die Schieber bleiben stehen
    }

    void vertragVerlaengern()
    {
        AufstellF->zeigen();
        Manager_& mg = S.Manager[0];
        mg.Kader[4].Vertrag = 1;
        const std::string name = mg.Kader[4].Nachname.text();
        bool gesehen = false;
        Sobald([] { return Offen(VerhandelF); }, [&] {
            gesehen = true;
            QCOMPARE(VerhandelF->Titel->text(), QStringLiteral("Neue Vertragsverhandlung"));
            QVERIFY(!VerhandelF->Abloesebox->isEnabled());
            VerhandelF->GehaltRegler->setValue(3);
            VerhandelF->JahreRegler->setValue(5);
            QTest::mouseClick(VerhandelF->Anbieten, Qt::LeftButton);
        });
        Klick(4, 7);
        QVERIFY(gesehen);
        int i = 1;
        while (mg.Kader[i].Nachname.text() != name) ++i;
        QCOMPARE(int(mg.Kader[i].Vertrag), 5);
        QVERIFY(AufstellF->isEnabled());
        // Ein zweites Gespräch gleich danach will er nicht.
        QtOberflaeche::protokoll.clear();
        Klick(i, 7);
        QVERIFY(QtOberflaeche::imProtokoll("ist im moment zu keinen Vertragsgesprächen bereit"));
        QVERIFY(!VerhandelF->isVisible());
    }

    void abbrechenKostetNurDieGebuehr()
    {
        TransferF->zeigen();
        const int zeile = ErsteMarktzeile();
        const int32_t konto = S.Manager[0].Kontostand, wert = S.Transferliste[zeile].Wert;
        Sobald([] { return Offen(VerhandelF); }, [] { QTest::mouseClick(VerhandelF->Abbrechen, Qt::LeftButton); });
        TransferF->spielerKlick(zeile);
        QCOMPARE(S.Manager[0].Kontostand, konto - int32_t(RundenBruch(int64_t{wert} * 2, 100)));
        QCOMPARE(int(S.Transferliste[zeile].Transferstatus), 1);
        QVERIFY(!Sitzung.Verhandlung.Offen);
    }

    void trainerEinstellen()
    {
        TransferF->zeigen();
        TransferF->Blaettern->setValue(1);
        TransferF->Spiele->setValue(100);
        QVERIFY(TransferF->Kostet->text().startsWith(QStringLiteral("Kostet")));
        QTest::mouseClick(TransferF->HerDamit, Qt::LeftButton);
        const Manager_& mg = S.Manager[0];
        QCOMPARE(int(mg.Trainer), 1);
        QCOMPARE(int(mg.TrainerSpiele), 100);
        QCOMPARE(S.Trainermarkt[1].Nummer, -1);
        QVERIFY(!TransferF->isVisible());
        QVERIFY(QtOberflaeche::imProtokoll("Klang:kasse"));
        TransferF->zeigen();
        QCOMPARE(TransferF->Trainerbox->title(), QStringLiteral("Auf der Arbeit"));
    }
};

QTEST_MAIN(KaderScreenTest)
#include "KaderScreenTest.moc"
