// Bildschirmtests der Finanzfenster: Plätze kaufen und das Konto sehen, die Attraktionen,
// einen Bandenvertrag unterschreiben und kündigen, einen vollen Totoschein abgeben und
// einen halben verlieren. Offscreen, Antworten und Zahlen eingereiht.
#include "Bildschirmtest.h"
#include "core/Konto.h"
#include "core/Zufall.h"
#include "finance/Stadion.h"
#include "finance/screens/StadionFrm.h"
#include "finance/screens/StadionWerbung.h"
#include "finance/screens/TototipFrm.h"
#include "finance/screens/WerbungFrm.h"
#include "flow/Neuanlage.h"
#include "match/Spieltag.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

using namespace torvane;

class StadionWerbungTest : public Bildschirmtest {
    Q_OBJECT

    Manager_& einManager()
    {
        S = Spielstand{};
        ZufallSetzen(21);
        [] { QVERIFY(NeuesSpielOhneBildschirm({{"Quirin", "SV Kickersdorf"}})); }();
        S.AktManager = 0;
        return S.Manager[0];
    }

    static bool Protokolliert(const std::string& teil) { return QtOberflaeche::imProtokoll(teil); }

private slots:
    void initTestCase()
    {
        QVERIFY(umgebung());
        StadionWerbungFensterAnlegen(nullptr);
    }

    void init()
    {
        QtOberflaeche::protokoll.clear();
        QtOberflaeche::vorgaben.clear();
        QtOberflaeche::tempo = 0.0;
    }

    // 1 000 Plätze in der Oberliga für je 250 €; Konto und Anzeige folgen, ein Preisrad dreht.
    void stadionPlaetzeKaufen()
    {
        Manager_& mg = einManager();
        mg.Kontostand = 1000000;
        mg.Plaetze = 5000;
        StadionF->zeigen();
        QCOMPARE(StadionF->PlatzPreis->text(), QStringLiteral("Erhöhen pro Platz für 250 €"));
        QCOMPARE(StadionF->PlatzRueck->text(), QStringLiteral("Schrottpreis pro Platz 125 €"));
        QtOberflaeche::vorgaben.push_back("1000");
        StadionF->PlaetzeKaufen->click();
        QCOMPARE(mg.Plaetze, 6000);
        QCOMPARE(mg.Kontostand, 750000);
        QCOMPARE(StadionF->Plaetze->text(), QStringLiteral("6.000 Plätze"));
        QVERIFY(Protokolliert("Zahl:Wieviele Plätze zulegen ?"));
        // Stadionkosten frisch: 3 000 + 500 je Komfortpunkt.
        QCOMPARE(StadionF->Stadionkosten->text(), Q(Geldtext(3000 + mg.Komfortpunkte * 500)) + QStringLiteral(" €"));

        // Zu teuer: die Meldung, nichts ändert sich.
        QtOberflaeche::vorgaben.push_back("4000");
        StadionF->PlaetzeKaufen->click();
        QCOMPARE(mg.Plaetze, 6000);
        QVERIFY(Protokolliert("HALT, Sie kleiner Draufgänger !"));

        const int preis = mg.Eintrittspreis;
        StadionF->EintrittHoch->click();
        QCOMPARE(mg.Eintrittspreis, preis + 1);
        QCOMPARE(StadionF->Eintrittspreis->text(), QString::number(preis + 1) + QStringLiteral(" €"));
        StadionF->hide();
        QVERIFY(!StadionF->Uhr.isActive());
    }

    // Ohne Komfort die Apfelsinenkisten; mit Komfort laufen die Bilder bis zur höchsten und
    // fangen wieder an, auch wenn der Komfort unterwegs sinkt. Die Uhr steht beim Überblenden.
    void stadionAttraktionen()
    {
        Manager_& mg = einManager();
        mg.Komfortpunkte = 0;
        StadionF->zeigen();
        QCOMPARE(StadionF->Attraktion->text(), QString::fromUtf8(KeinKomfortText));
        mg.Komfortpunkte = 10; // höchstens Attraktion 3
        std::vector<int> lauf;
        for (int i = 0; i < 6; ++i) {
            StadionF->attraktionWeiter();
            QVERIFY(StadionF->blendetUeber());
            QVERIFY(!StadionF->Uhr.isActive());
            QTRY_VERIFY(!StadionF->blendetUeber());
            QVERIFY(StadionF->Uhr.isActive());
            lauf.push_back(StadionF->attraktion());
        }
        QCOMPARE(lauf, (std::vector<int>{0, 1, 2, 3, 0, 1}));
        QCOMPARE(StadionF->Attraktion->text(), QString::fromUtf8(Attraktionen[1]));
        mg.Komfortpunkte = 1;
        StadionF->attraktionWeiter();
        StadionF->ueberblendungBeenden();
        QCOMPARE(StadionF->attraktion(), 0);
        StadionF->hide();
    }

    // Eine Bande: Angebot auf der Tafel, "Ja" unterschreibt, Geld und Einnahmen folgen; kündigen
    // mit Rückfrage. Trikot: Schild anklicken, "Vertrag". Fernsehen in der Oberliga: nur Träume.
    void werbungBandeUndTrikot()
    {
        Manager_& mg = einManager();
        mg.Werbeanfragen = 3.5f;
        const int32_t konto = mg.Kontostand;
        WerbungF->zeigen();
        QCOMPARE(WerbungF->B[2]->text(), QStringLiteral("- Klicke hier für Anwerbung -"));
        WerbungF->B[2]->click();
        QVERIFY(WerbungF->Tafel->isVisible());
        QVERIFY(!WerbungF->B[1]->isEnabled());
        QCOMPARE(WerbungF->TafelArt->text(), QStringLiteral("für die Bande"));
        WerbungF->Ja->click();
        QVERIFY(!WerbungF->Tafel->isVisible());
        const Werbevertrag_ v = S.Werbevertraege[0][2];
        QVERIFY(v.SpieleRest > 0);
        QCOMPARE(mg.Werbeeinnahmen, v.Betrag);
        QCOMPARE(mg.Kontostand, konto + v.Betrag);
        QVERIFY(Protokolliert("Klang:kasse"));
        QCOMPARE(WerbungF->B[2]->text(), Q(WerbeplatzText(0, 2)));
        QVERIFY(WerbungF->B[2]->text().startsWith(QStringLiteral("noch ")));
        QCOMPARE(WerbungF->Sponsor[2]->text(), Q(WerbeSponsorName(2, v.Sponsor)));

        WerbungF->B[5]->click();
        QCOMPARE(WerbungF->TafelSponsor->text(), QStringLiteral("Träum weiter ..."));
        QVERIFY(!WerbungF->Ja->isVisible());
        // Escape schließt nur die Tafel, wie "Nein"; das zweite das Fenster.
        QTest::keyClick(WerbungF, Qt::Key_Escape);
        QVERIFY(!WerbungF->Tafel->isVisible());
        QVERIFY(WerbungF->isVisible() && WerbungF->B[1]->isEnabled());
        QCOMPARE(mg.Werbeanfragen, 2.5f);

        WerbungF->L[8]->click();
        QVERIFY(WerbungF->B[8]->isVisible());
        QCOMPARE(WerbungF->B[8]->text(), QStringLiteral("Vertrag"));
        const int32_t vorVertrag = mg.Kontostand;
        WerbungF->B[8]->click();
        QVERIFY(!WerbeplatzFrei(0, 8));
        QCOMPARE(mg.Kontostand, vorVertrag + S.Werbevertraege[0][8].Betrag);
        QCOMPARE(WerbungF->B[8]->text(), QStringLiteral("Kündigen"));
        QCOMPARE(mg.Werbeeinnahmen, v.Betrag);

        const int64_t kosten = Kuendigungskosten(0, 2);
        const int32_t vorKuendigung = mg.Kontostand;
        QtOberflaeche::vorgaben.push_back("Ja");
        WerbungF->B[2]->click();
        QVERIFY(WerbeplatzFrei(0, 2));
        QCOMPARE(mg.Werbeeinnahmen, 0);
        QCOMPARE(int64_t{mg.Kontostand}, vorKuendigung - kosten);

        // Ein offenes Trikotangebot verfällt mit dem Fenster.
        WerbungF->L[6]->click();
        QVERIFY(WerbungF->B[6]->isVisible());
        QTest::keyClick(WerbungF, Qt::Key_Escape);
        QVERIFY(!WerbungF->isVisible());
        WerbungF->zeigen();
        QVERIFY(!WerbungF->B[6]->isVisible());
        QCOMPARE(WerbungF->L[6]->text(), QStringLiteral("- Klicke hier für -"));
        WerbungF->hide();
    }

    // Ein voller Schein: Einsatz, neun Paarungen, neun Tipps von unten; kein zehnter, und
    // solange eine Reihe fällt, nimmt kein Knopf einen Tipp.
    void totoVollerSchein()
    {
        Manager_& mg = einManager();
        SETZE(S.Spiel.Spieltag, 12);
        mg.Kontostand = 0;
        TototipF->zeigen();
        QCOMPARE(TototipF->BitBtn1->text(), QStringLiteral("TotoTip für 100.000 €"));
        QCOMPARE(TototipF->Gewinne[6]->text().simplified(), QStringLiteral("9 Richtig 2.560.000 €"));
        QVERIFY(!TototipF->Heimsieg->isVisible());
        TototipF->BitBtn1->click();
        QCOMPARE(mg.Kontostand, -100000);
        QVERIFY(TototipF->Heimsieg->isVisible());
        for (int p = 1; p <= 9; ++p) {
            const QString paarung = TototipF->Reihen[static_cast<size_t>(p)].Paarung->text();
            QVERIFY(paarung.startsWith(Q(S.Mannschaft[SpielplanMannschaft(mg.Liga, 13, p, 0)].Name.text())));
            QVERIFY(paarung.endsWith(Q(S.Mannschaft[SpielplanMannschaft(mg.Liga, 13, p, 1)].Name.text())));
        }
        QVERIFY(TototipF->InfoHeim->text().contains(QStringLiteral("Stärke=")));

        // Erster Tipp langsam: während die Reihe fällt, zählt kein Klick.
        QtOberflaeche::tempo = 1.0;
        int offenWaehrend = -1;
        bool fielWaehrend = false;
        QTimer::singleShot(5, [&] {
            fielWaehrend = TototipF->faellt();
            TototipF->Heimsieg->click();
            TototipF->tippen('0');
            offenWaehrend = TototipF->schein().offen;
        });
        const int yVorher = TototipF->Reihen[9].Rahmen->y();
        TototipF->Auswaertssieg->click();
        QtOberflaeche::tempo = 0.0;
        QVERIFY(fielWaehrend);
        QCOMPARE(offenWaehrend, 8);
        QVERIFY(TototipF->Reihen[9].Rahmen->y() > yVorher);
        QVERIFY(Protokolliert("Klang:Explosion"));

        for (QPushButton* b : {TototipF->Heimsieg, TototipF->Unentschieden, TototipF->Heimsieg, TototipF->Heimsieg,
                               TototipF->Unentschieden, TototipF->Auswaertssieg, TototipF->Heimsieg})
            b->click();
        QVERIFY(mg.TotoTip.leer());
        TototipF->Unentschieden->click();
        QCOMPARE(Q(mg.TotoTip.text()), QStringLiteral("012011012"));
        QVERIFY(!TototipF->Heimsieg->isVisible());
        QVERIFY(!TototipF->BitBtn1->isVisible());
        TototipF->tippen('1');
        QCOMPARE(Q(mg.TotoTip.text()), QStringLiteral("012011012"));
        // Der Stapel: Paarung 1 oben, 9 unten, jede mit ihrem Tipp.
        for (int p = 1; p < 9; ++p)
            QVERIFY(TototipF->Reihen[static_cast<size_t>(p)].Rahmen->y() <
                    TototipF->Reihen[static_cast<size_t>(p + 1)].Rahmen->y());
        QCOMPARE(TototipF->Reihen[9].Tip->text(), QStringLiteral("2"));
        QCOMPARE(TototipF->Reihen[1].Tip->text(), QStringLiteral("0"));
        TototipF->hide();
        QCOMPARE(Q(mg.TotoTip.text()), QStringLiteral("012011012"));
        QVERIFY(!Protokolliert("TotoTip nicht abgeschlossen."));
    }

    // Acht Tipps und weg: Tipp leer, Einsatz verloren, die Meldung. Nach Spieltag 34 kein Schein.
    void totoHalberSchein()
    {
        Manager_& mg = einManager();
        SETZE(S.Spiel.Spieltag, 3);
        mg.Kontostand = 500000;
        TototipF->zeigen();
        TototipF->BitBtn1->click();
        for (int i = 0; i < 8; ++i) TototipF->Heimsieg->click();
        TototipF->hide();
        QVERIFY(mg.TotoTip.leer());
        QCOMPARE(mg.Kontostand, 400000);
        QVERIFY(Protokolliert("TotoTip nicht abgeschlossen."));

        SETZE(S.Spiel.Spieltag, 34);
        TototipF->zeigen();
        TototipF->BitBtn1->click();
        QCOMPARE(mg.Kontostand, 400000);
        QVERIFY(!TototipF->Heimsieg->isVisible());
        QVERIFY(TototipF->BitBtn1->isVisible());
        TototipF->hide();
    }
};

QTEST_MAIN(StadionWerbungTest)
#include "StadionWerbungTest.moc"
