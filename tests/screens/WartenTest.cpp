// Während eine Regel wartet, nimmt nur das Erwartete Eingaben an: "Maximieren" mit
// seinen Pausen, der Verkauf des Vereins, verschachteltes Warten und Nachricht.
#include "Bildschirmtest.h"
#include "core/Zufall.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "season/Ereignis.h"
#include "squad/Kader.h"
#include "squad/screens/AufstellFrm.h"
#include "core/screens/DiskFrm.h"
#include "core/screens/MailFrm.h"

#include <QtTest>

using namespace torvane;

namespace {

// Stört, solange gewartet wird: klickt Menü, "Disk", Abschlusstafel, drückt Enter und Escape.
class Stoerer {
public:
    int versuche = 0;

    Stoerer()
    {
        QObject::connect(&uhr_, &QTimer::timeout, [this] { tick(); });
        uhr_.start(1);
    }

private:
    void tick()
    {
        if (!WarteSperre::aktiv()) return;
        QWidget* ziele[] = {MenuF->M[1], MenuF->Disk, MenuF->Abschluss, MenuF->Tschuess, AufstellF->Maximieren};
        QWidget* z = ziele[versuche % std::size(ziele)];
        ++versuche;
        if (z->isVisible()) QTest::mouseClick(z, Qt::LeftButton);
        QApplication::setActiveWindow(MainF);
        QTest::keyClick(MainF, Qt::Key_Return);
        QTest::keyClick(MenuF, Qt::Key_Escape);
        QTest::keyClick(AufstellF, Qt::Key_Return);
    }
    QTimer uhr_;
};

} // namespace

class WartenTest : public Bildschirmtest {
    Q_OBJECT
    int abschluesse = 0;
    int diskAuf = 0;
    std::function<void()> abschlussVorher, diskVorher;

    void spielAnlegen()
    {
        S = Spielstand{};
        ZufallSetzen(31);
        QVERIFY(NeuesSpielOhneBildschirm({{"Quirin", "SV Kickersdorf"}, {"Berta", "FC Fallera"}}));
        S.AktManager = 0;
        QtOberflaeche::vorgaben.clear();
        QtOberflaeche::protokoll.clear();
        MenueAnzeigen();
        MenuF->bedienungFreigeben(true);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(fensterStarten());
        MenuF->show();
        // Gezählt statt ausgeführt: ob ein Klick durchkam, zeigt der Zähler.
        abschlussVorher = MenuF->abschluss;
        diskVorher = MenuF->diskOeffnen;
        MenuF->abschluss = [this] { ++abschluesse; };
        MenuF->diskOeffnen = [this] { ++diskAuf; };
    }

    void cleanupTestCase()
    {
        MenuF->abschluss = abschlussVorher;
        MenuF->diskOeffnen = diskVorher;
    }

    void init()
    {
        abschluesse = diskAuf = 0;
        QtOberflaeche::tempo = 0.0;
    }

    // Die Pässe von "Maximieren" laufen ungestört zu Ende; danach geht alles wieder.
    void maximierenNimmtKeineKlicks()
    {
        spielAnlegen();
        QtOberflaeche::vorgaben.push_back("Ja");
        Maximieren(0, nullptr);
        const int32_t ungestoert = S.Manager[0].Kontostand;
        QVERIFY(ungestoert < 0); // es wurde gekauft

        spielAnlegen();
        AufstellF->zeigen();
        const int spieltag = S.Spiel.Spieltag;
        QtOberflaeche::tempo = 0.05;
        QtOberflaeche::vorgaben.push_back("Ja");
        {
            Stoerer s;
            QTest::mouseClick(AufstellF->Maximieren, Qt::LeftButton);
            QVERIFY(s.versuche > 20);
        }
        QVERIFY(!WarteSperre::aktiv());
        QCOMPARE(S.Manager[0].Kontostand, ungestoert);
        QCOMPARE(abschluesse, 0);
        QCOMPARE(diskAuf, 0);
        QCOMPARE(int(S.Spiel.Spieltag), spieltag);
        QVERIFY(AufstellF->isVisible()); // "Disk" hätte die Fenster geschlossen
        QVERIFY(QtOberflaeche::vorgaben.empty());

        // Nach dem Warten nehmen Menü, "Disk" und Enter wieder an.
        QApplication::setActiveWindow(MainF);
        QTest::keyClick(MainF, Qt::Key_Return);
        QCOMPARE(abschluesse, 1);
        QTest::mouseClick(MenuF->Disk, Qt::LeftButton);
        QCOMPARE(diskAuf, 1);
    }

    // Bricht ein Laufzeitfehler die Pässe nach einer Pause ab, ist die Sperre mit ihnen gegangen.
    void nachLaufzeitfehlerFrei()
    {
        spielAnlegen();
        AufstellF->zeigen();
        QtOberflaeche::vorgaben.push_back("Ja");
        int durchgang = 0;
        QVERIFY_THROWS_EXCEPTION(Laufzeitfehler, Maximieren(0, [&] {
                                     if (++durchgang == 2) throw Laufzeitfehler("Laufzeitfehler: Probe");
                                 }));
        QCOMPARE(durchgang, 2);
        QVERIFY(!WarteSperre::aktiv());
        QTest::mouseClick(MenuF->Abschluss, Qt::LeftButton);
        QCOMPARE(abschluesse, 1);
    }

    // Während der Verein verkauft wird (Klänge, Pausen, Spieler gehen), beginnt kein zweiter Abschluss.
    void vereinsverkaufOhneZweitenAbschluss()
    {
        spielAnlegen();
        const Spielstand anfang = S;
        uint32_t saat = 0;
        for (uint32_t s = 1; s < 400 && !saat; ++s) {
            S = anfang;
            ZufallSetzen(s);
            QtOberflaeche::vorgaben.assign({"Ja", "Weiter"});
            Ereignis(37);
            if (S.Manager[0].KaderAnzahl == 0) saat = s;
        }
        QVERIFY(saat != 0);

        S = anfang;
        ZufallSetzen(saat);
        QtOberflaeche::vorgaben.assign({"Ja", "Weiter"});
        QtOberflaeche::tempo = 0.05;
        {
            Stoerer s;
            Ereignis(37);
            QVERIFY(s.versuche > 5);
        }
        QCOMPARE(int(S.Manager[0].KaderAnzahl), 0);
        QCOMPARE(abschluesse, 0);
        QCOMPARE(int(S.Spiel.Spieltag), int(anfang.Spiel.Spieltag));
        QApplication::setActiveWindow(MainF);
        QTest::keyClick(MainF, Qt::Key_Enter);
        QCOMPARE(abschluesse, 1);
    }

    // Verschachtelt: der Spieltag wartet auf "Weiter", darin eine Nachricht. In der
    // Nachricht gilt nur sie; danach wieder nur "Weiter" der Tabelle, dann alles.
    void verschachtelt()
    {
        spielAnlegen();
        QtOberflaeche::nieZeigen = false;
        TabelleF->show();
        TabelleF->Weiter->show();
        S.Befehl = Befehlswert::Keiner;
        std::vector<std::string> gesehen;
        int schritt = 0;
        QTimer aussen, innen;
        QObject::connect(&aussen, &QTimer::timeout, [&] {
            if (schritt++ == 0) {
                QTest::mouseClick(MenuF->Disk, Qt::LeftButton);
                gesehen.push_back("Disk " + std::to_string(diskAuf));
                Nachricht("Kopf", "Text", "ok");
                gesehen.push_back("Nachricht zu " + std::string(BefehlName(S.Befehl)));
            } else {
                QTest::mouseClick(TabelleF->Weiter, Qt::LeftButton);
                aussen.stop();
            }
        });
        // In der Nachricht zählt "Weiter" der Tabelle nicht, der Knopf der Nachricht schon.
        QObject::connect(&innen, &QTimer::timeout, [&] {
            if (!Offen(MailF)) return;
            QTest::mouseClick(TabelleF->Weiter, Qt::LeftButton);
            gesehen.push_back("Tabelle " + std::string(BefehlName(S.Befehl)));
            for (QPushButton* k : MailF->findChildren<QPushButton*>())
                if (k->isVisible()) QTest::mouseClick(k, Qt::LeftButton);
        });
        aussen.start(5);
        innen.start(5);
        WarteAufBefehl(Befehlswert::TabelleWeiter);
        QtOberflaeche::nieZeigen = true;
        TabelleF->hide();
        const std::vector<std::string> erwartet = {"Disk 0", "Tabelle ", "Nachricht zu Weiter"};
        QCOMPARE(gesehen, erwartet);
        QCOMPARE(S.Befehl, Befehlswert::TabelleWeiter);
        QVERIFY(!WarteSperre::aktiv());
        QTest::mouseClick(MenuF->Disk, Qt::LeftButton);
        QCOMPARE(diskAuf, 1);
    }
};

QTEST_MAIN(WartenTest)
#include "WartenTest.moc"
