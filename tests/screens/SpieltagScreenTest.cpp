// Bildschirmtests des Spieltags: Spielen mit Live-Ansicht, Tabelle, Spieltage,
// Pokalspiele und Saisonende. Offscreen, mit eingereihten Antworten; "Weiter"
// drückt ein Klicker, der dabei nachsieht, was der Bildschirm gerade zeigt.
#include "Bildschirmtest.h"
#include "core/SpielstandDatei.h"
#include "core/Zufall.h"
#include "core/screens/Stil.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "match/Spieltag.h"
#include "match/screens/NSpieltagFrm.h"
#include "match/screens/PokalspieleFrm.h"
#include "match/screens/SpieltagFenster.h"
#include "season/Pleite.h"
#include "season/Saisonende.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include <set>

using namespace torvane;

namespace {

QColor Schriftfarbe(QLabel* l)
{
    l->ensurePolished();
    return l->palette().color(l->foregroundRole());
}

QString Liga(int l) { return QString::fromUtf8(LigaNamen[static_cast<size_t>(l)]); }

// Der Verein des Managers m tauscht mit dem Verein auf Platz platz seiner Liga.
void ManagerAufPlatz(int m, int platz)
{
    const int liga = S.Manager[m].Liga;
    const int a = ManagerVerein(m), b = VereinAufPlatz(liga, platz);
    std::swap(S.Mannschaft[a], S.Mannschaft[b]);
    S.Mannschaft[a].Platz = static_cast<uint8_t>(a - VereinAufPlatz(liga, 1) + 1);
    S.Mannschaft[b].Platz = static_cast<uint8_t>(platz);
    S.Manager[m].Platz = static_cast<int8_t>(platz);
}

} // namespace

class SpieltagScreenTest : public Bildschirmtest {
    Q_OBJECT

    void einManager(uint32_t saat)
    {
        S = Spielstand{};
        ZufallSetzen(saat);
        QVERIFY(NeuesSpielOhneBildschirm({{"Quirin", "SV Kickersdorf"}}));
        S.Optionen[0][OptTempo] = 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(umgebung());
        SpieltagsfensterAnlegen(nullptr);
    }

    void init()
    {
        QtOberflaeche::protokoll.clear();
        S.Befehl = Befehlswert::Keiner;
    }

    // Ein Ligatag: vier Ligen mit je neun Zeilen samt gespeichertem Ergebnis, danach jede Tabelle.
    // Das Spiel des Managers läuft live mit "Hans Dampf Aktivieren" durch, Vorfälle treffen den Kader.
    void ligatagLiveUndTabelle()
    {
        einManager(11);
        S.Optionen[0][OptAnzeigeLiga] = 0; // "Auswahl": jede Tabelle wird gezeigt
        S.Manager[0].Einsatz = 100;          // ein Vorfall je elf Minuten
        SETZE(S.Spiel.Spieltag, 1);
        const Manager_ vorher = S.Manager[0];
        SpielenF->HansDampf->setChecked(true);

        std::vector<int> ligen, tabellen;
        Klicker k;
        k.spielen = [&] {
            int liga = 0;
            for (int l = 1; l <= 4; ++l)
                if (SpielenF->Kopf->text() == Liga(l)) liga = l;
            ligen.push_back(liga);
            for (int z = 0; z < 9; ++z) {
                const auto& r = SpielenF->Reihen[static_cast<size_t>(z)];
                // Die Doppelpunkte stehen untereinander.
                QCOMPARE(r.Ergebnis->text().indexOf(QLatin1Char(':')), 2);
                QCOMPARE(r.Ergebnis->text().trimmed(), Q(S.Ergebnisse[liga][1][z + 1].text()).trimmed());
                const int heim = SpielplanMannschaft(liga, 1, z + 1, 0);
                QVERIFY(r.Heim->text().endsWith(Q(S.Mannschaft[heim].Name.text())));
            }
        };
        k.tabelle = [&] {
            const int liga = TabelleF->liga();
            tabellen.push_back(liga);
            QCOMPARE(TabelleF->Ueberschrift->text(), "Tabelle der " + Liga(liga) + " am 1. Spieltag");
            int vorher = 1000;
            for (int p = 1; p <= 18; ++p) {
                const auto& z = TabelleF->Zeilen[static_cast<size_t>(p - 1)];
                const int v = VereinAufPlatz(liga, p);
                QCOMPARE(z.Name->text(), Q(S.Mannschaft[v].Name.text()));
                QVERIFY(z.Punkte->text().toInt() <= vorher);
                vorher = z.Punkte->text().toInt();
                QCOMPARE(Schriftfarbe(z.Name) == Farbe::Weinrot, ManagerVonVerein(v) >= 0);
            }
        };
        SpielenF->spielen();
        SpielenF->HansDampf->setChecked(false);

        const std::vector<int> alle{1, 2, 3, 4};
        QCOMPARE(ligen, alle);
        QCOMPARE(tabellen, alle);
        QVERIFY(S.Befehl == Befehlswert::Keiner);
        // Der Managerverein spielt in der Oberliga; sein Live-Ergebnis ist das der Zeile.
        QVERIFY(SpielenF->ballBilder > 0);
        QVERIFY(QtOberflaeche::imProtokoll("Klang:Pfiff1") && QtOberflaeche::imProtokoll("Klang:Pfiff2"));
        int paarung = 0;
        for (int p = 1; p <= 9; ++p)
            for (int seite = 0; seite < 2; ++seite)
                if (SpielplanMannschaft(4, 1, p, seite) == ManagerVerein(0)) paarung = p;
        QVERIFY(paarung > 0);
        QCOMPARE(SpielenF->Spielstand->text(), Q(S.Ergebnisse[4][1][paarung].text()).remove(QLatin1Char(' ')));
        int vorfaelle = 0;
        for (int i = 1; i <= S.Manager[0].KaderAnzahl; ++i) {
            const Kaderspieler_ &a = vorher.Kader[i], &n = S.Manager[0].Kader[i];
            vorfaelle +=
                (n.GelbNational != a.GelbNational) + (n.RotNational != a.RotNational) + (n.Verletzt != a.Verletzt);
        }
        QVERIFY2(vorfaelle > 0, "Kein Vorfall in 91 Minuten bei Einsatz 100");
        QVERIFY(!SpielenF->Live->isVisible() && !SpielenF->Aktion1->isVisible() && !SpielenF->Aktion2->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!SpielenF->isVisible(), 1000);
        QVERIFY(!TabelleF->isVisible());
    }

    // Ein DFB-Pokaltag der ersten Runde: 32 Paarungen auf vier Seiten zu acht, Einnahmen gebucht.
    void pokaltagBlaettertNachAchtPaarungen()
    {
        einManager(13);
        ManagerAufPlatz(0, 1); // Platz 1 der Oberliga ist immer im Pokal
        S.Spiel.Wettbewerb = Wettbewerb_::Dfb;
        S.Optionen[0][OptZeigeDfb] = 1;
        QVERIFY(!VereinVon(0).DfbRunde.leer());
        const int32_t kontoVorher = S.Manager[0].Kontostand;

        std::vector<QString> knoepfe;
        bool meldungGesehen = false;
        Klicker k;
        k.spielen = [&] {
            knoepfe.push_back(SpielenF->Weiter->text());
            int zeilen = 0, grau = 0;
            const QColor grauton(109, 109, 109);
            for (const auto& r : SpielenF->Reihen) {
                if (!r.Heim->parentWidget()->isVisible()) continue;
                ++zeilen;
                grau += (Schriftfarbe(r.Heim) == grauton) + (Schriftfarbe(r.Gast) == grauton);
                if (r.Meldung->isVisible() && r.Meldung->toolTip().contains(QStringLiteral("Pokaleinnahmen !"))) {
                    meldungGesehen = true;
                    // Der Name steht nur einmal vor dem Text.
                    QVERIFY(r.Meldung->text().startsWith(QStringLiteral("<b>Quirin:</b> Das DFB-Pokalspiel brachte")));
                }
            }
            QCOMPARE(zeilen, 8);
            QCOMPARE(grau, 8); // je Paarung genau ein Ausgeschiedener
        };
        SpielenF->spielen();

        const std::vector<QString> erwartet = {QStringLiteral("Paarung 9 - 16"), QStringLiteral("Paarung 17 - 24"),
                                               QStringLiteral("Paarung 25 - 32"), QStringLiteral("Weiter")};
        QCOMPARE(knoepfe, erwartet);
        QVERIFY(meldungGesehen);
        QVERIFY(S.Manager[0].Kontostand > kontoVorher);
        QTRY_VERIFY_WITH_TIMEOUT(!SpielenF->isVisible(), 1000);
    }

    // Aus dem Menü nach sechs Ligatagen: Tabelle samt Handschlag nach einem Spieltag,
    // Spieltage mit Rückrunde ab dem 18., Pokalrunden und ChampionsLige-Seite.
    void uebersichtenAusDemMenue()
    {
        einManager(17);
        TageStillSpielen(6); // DFB 1. Runde, Uefa Hinspiel, ChampionsLige 1..3 gespielt
        S.Spiel.AnzeigeLiga = 4;
        // Legende und Ergebnis kommen aus dem Spielstand: als Text gezeigt, nie als HTML.
        S.Mannschaft[VereinAufPlatz(4, 1)].Legende = "<img S>";
        S.ChlTabelle[1].ChlErgebnisse[1] = "<b>1";
        TabelleF->zeigen();
        QVERIFY(!TabelleF->Weiter->isVisible());
        QVERIFY(TabelleF->findChild<QLabel*>(QStringLiteral("Legende1"))->text().contains(QStringLiteral("&lt;")));
        TabelleF->hide();
        // Grenzen der Farbzonen: Meister, oben (in der Bundesliga bis 5), Abstieg ab 16.
        struct {
            int l1, p1, l2, p2;
            bool gleich;
        } const zonen[] = {{1, 1, 1, 2, false}, {1, 5, 1, 2, true},   {2, 5, 2, 6, true},
                           {2, 5, 2, 3, false}, {4, 15, 4, 16, false}, {3, 16, 1, 18, true}};
        for (const auto& z : zonen)
            QCOMPARE(TTabelleF::Balkenfarbe(z.l1, z.p1) == TTabelleF::Balkenfarbe(z.l2, z.p2), z.gleich);
        for (const bool schliessen : {false, true}) {
            S.Befehl = Befehlswert::TabelleWeiterZeigen;
            TabelleF->nachSpieltag(4, SpielenF);
            QVERIFY(TabelleF->Weiter->isVisible());
            if (schliessen) TabelleF->close();
            else TabelleF->Weiter->click();
            QCOMPARE(S.Befehl, Befehlswert::TabelleWeiter);
        }

        NSpieltagF->zeigen();
        QCOMPARE(NSpieltagF->ScrollBar1->value(), 6);
        NSpieltagF->zeichnen(4, 1);
        std::vector<QString> hin;
        for (const auto& z : NSpieltagF->Zeilen) hin.push_back(z.Heim->text());
        NSpieltagF->ScrollBar1->setValue(17);
        QCOMPARE(NSpieltagF->Runde->text(), QStringLiteral("Hinrunde"));
        NSpieltagF->ScrollBar1->setValue(18);
        QCOMPARE(NSpieltagF->Runde->text(), QStringLiteral("Rückrunde"));
        QCOMPARE(NSpieltagF->Spieltag->text(), QStringLiteral("18. Spieltag der Oberliga"));
        for (size_t p = 0; p < 9; ++p) QCOMPARE(NSpieltagF->Zeilen[p].Gast->text(), hin[p]);
        QCOMPARE(NSpieltagF->Zeilen[0].Ergebnis->text().trimmed(), QStringLiteral("-:-"));
        NSpieltagF->hide();

        PokalspieleF->zeigen();
        const auto& pokale = PokalspieleF->Pokale;
        QCOMPARE(pokale[0].Kopf->text(), QStringLiteral("DFB Pokal  -  2.Runde"));
        int sichtbar = 0;
        for (const auto& p : pokale[0].Paarungen) sichtbar += p.Heim->isVisibleTo(pokale[0].Seite);
        QCOMPARE(sichtbar, 16);
        QCOMPARE(pokale[1].Kopf->text(), QStringLiteral("UEFA Pokal  -  1.Runde Rückspiele"));
        // Der Stand des Hinspiels steht in Klammern.
        const QRegularExpression klammer(QStringLiteral("^\\(\\d+:\\d+\\)$"));
        QVERIFY(klammer.match(pokale[1].Paarungen[0].Stand->text()).hasMatch());
        QCOMPARE(pokale[2].Kopf->text(), QStringLiteral("Pokal der Pokalsieger  -  1/4 Finale Hinspiele"));
        QCOMPARE(PokalspieleF->ChlKopf->text(), QString("Champions League Spieltag %1/15").arg(S.Spiel.ChlSpieltag));
        PokalspieleF->ChlScroll->setValue(1);
        QVERIFY(PokalspieleF->ChlPaarung[0]->text().contains(QStringLiteral("&lt;b&gt;1")));
        QVERIFY(!PokalspieleF->ChlSieger->isVisible());
        PokalspieleF->hide();
    }

    // Was der Bildschirm selbst verantwortet: Schließen gegen neuen Tag, Meldungen.
    void anzeigeKleinigkeiten()
    {
        einManager(19);
        TSpielenF* s = SpielenF;
        // Ein neuer Tag gleich nach dem Ende des vorigen darf nicht mit zugehen.
        s->titel("Meisterschaft der Oberliga");
        s->tagBeendet();
        s->titel("DFB-Pokalspiele");
        QTest::qWait(60);
        QVERIFY(s->isVisible());

        // Der Abschnitt beginnt leer; Zeilen ohne Inhalt sind nicht zu sehen.
        s->zeileZeigen(8, 2, 1, 2, "alt");
        s->titel("Championligespiele");
        QVERIFY(!s->Reihen[8].Heim->parentWidget()->isVisible());
        QVERIFY(s->Reihen[8].Heim->text().isEmpty());

        // Zwei Meldungen in einer Zeile bleiben beide stehen, bis der Tag sie leert.
        for (const char* name : {"Quirin", "Berta"})
            s->zeilenMeldung(2, std::string(name) + NL + NL + "Das ChampionsLige Spiel brachte Ihnen 100.000 €");
        QVERIFY(s->Reihen[2].Meldung->text().contains(QStringLiteral("<b>Quirin:</b>")));
        QVERIFY(s->Reihen[2].Meldung->text().contains(QStringLiteral("<b>Berta:</b>")));
        s->meldungenLeeren();
        QVERIFY(!s->Reihen[2].Meldung->isVisible());

        s->tagBeendet();
        QTRY_VERIFY_WITH_TIMEOUT(!s->isVisible(), 1000);
    }

    // Abgekürzt ist es dasselbe Spiel wie zugesehen, Byte für Byte: der Ligatag mit Live-Spiel
    // (Escape) und das Saisonende (Knopf, auch über die "Weiter" der Ligen). Zugesehen bei
    // Tempo 1 dauerte jedes über zehn Sekunden.
    void abkuerzenGibtDasselbeSpiel()
    {
        einManager(21);
        S.Optionen[0][OptAnzeigeLiga] = 4;
        S.Manager[0].Einsatz = 100; // viele Vorfälle, jeder zieht aus Zufall
        ManagerAufPlatz(0, 9);      // kein Abstieg in die Verbandsliga
        SETZE(S.Spiel.Spieltag, 1);
        const Spielstand anfang = S;
        const std::string vorher = SpielstandSchreiben();
        const std::tuple<std::function<void()>, QPushButton*, const char*> schauspiele[] = {
            {[] { SpielenF->spielen(); }, SpielenF->Abkuerzen, "Klang:Pfiff2"},
            {[] { QVERIFY(Saisonende()); }, SaisonEndeF->Abkuerzen, "Klang:saisonende"}};
        for (const auto& [ablauf, knopf, klang] : schauspiele) {
            qint64 ms = 0;
            const std::string zugesehen = Gespielt(anfang, ablauf, {knopf}, false, ms);
            const auto gesehen = QtOberflaeche::protokoll;
            const std::string abgekuerzt = Gespielt(anfang, ablauf, {knopf}, true, ms);
            QVERIFY(zugesehen != vorher);
            QVERIFY(zugesehen == abgekuerzt);
            // Dieselben Meldungen und Klänge (die nur vermerkt, nicht gespielt werden), nur schneller.
            QCOMPARE(QtOberflaeche::protokoll, gesehen);
            QVERIFY(QtOberflaeche::imProtokoll(klang));
            QVERIFY2(ms < 5000, std::to_string(ms).c_str());
            // Danach ist nichts mehr abgekürzt und alles wieder bedienbar.
            QVERIFY(!QtOberflaeche::abkuerzen && !WarteSperre::aktiv() && !knopf->isVisible());
        }
    }

    // Eine ganze Saison über den Zugablauf, jeder Tag über den Bildschirm und live zugesehen;
    // am Ende die Pokalsieger in der Übersicht, dann das Saisonende Liga für Liga.
    void ganzeSaisonBisZumSaisonende()
    {
        einManager(18);
        S.Optionen[0][OptAnzeigeLiga] = 4;
        for (int o : {OptZeigeDfb, OptZeigeUefa, OptZeigePdp, OptZeigeChl}) S.Optionen[0][o] = 1;
        std::set<Wettbewerb_> wettbewerbe;
        struct Halt {
            QString fette, meister1, m1, ab1, a1;
            bool blinkt;
        };
        std::vector<Halt> halte;
        Klicker k;
        k.spielen = [&] { wettbewerbe.insert(S.Spiel.Wettbewerb); };
        k.saisonende = [&] {
            const TSaisonEndeF* e = SaisonEndeF;
            halte.push_back({e->FetteLiga->text(), e->Meister1->text(), e->M1->text(), e->Ab1->text(), e->A1->text(),
                             e->Blinker->isActive()});
            QVERIFY(e->Panel->isVisible() && e->FetteLiga->y() < e->Panel->y());
        };
        const auto zuegeBis = [](const std::function<bool()>& halt) {
            Sitzung.ZugOffen = true;
            for (int zug = 0; zug < 200 && !halt() && !SpielVorbei(); ++zug) AbschlussClick();
        };
        const long tageVorher = Sitzung.GespielteTage;
        zuegeBis([] { return S.Spiel.Spieltag == 34 && S.Spiel.Wettbewerb == Wettbewerb_::Liga; });
        // 34 Ligatage, 6 DFB-, 12 Uefa-, 8 Pokalsieger- und 15 ChampionsLige-Tage
        QCOMPARE(Sitzung.GespielteTage - tageVorher, 34L + 6 + 12 + 8 + 15);
        QVERIFY(wettbewerbe.count(Wettbewerb_::Liga) && wettbewerbe.count(Wettbewerb_::Chl));
        QVERIFY(halte.empty());

        PokalspieleF->zeigen();
        int dfbSieger = 0;
        for (int i = 1; i <= 72; ++i)
            if (S.Mannschaft[i].DfbRunde.text() == "Sieger") dfbSieger = i;
        QVERIFY(dfbSieger > 0);
        QVERIFY(PokalspieleF->Pokale[0].Sieger->text().contains(QStringLiteral("DFB Pokalsieger der 1. Saison")));
        const QString dfbName = Q(S.Mannschaft[dfbSieger].Name.text()).toHtmlEscaped();
        QVERIFY(PokalspieleF->Pokale[0].Sieger->text().contains(dfbName));
        PokalspieleF->seiteWaehlen(3);
        QVERIFY(PokalspieleF->ChlSieger->text().contains(QStringLiteral("Champions League Gewinner der 1. Saison")));
        const QString chlErster =
            PokalspieleF->ChlTabelleText->text().section(QLatin1Char('\n'), 1, 1).mid(8, 20).trimmed();
        QVERIFY(!chlErster.isEmpty() && PokalspieleF->ChlSieger->text().contains(chlErster.toHtmlEscaped()));
        PokalspieleF->hide();

        ManagerAufPlatz(0, 9); // kein Abstieg in die Verbandsliga
        const QString meister = Q(S.Mannschaft[1].Name.text());
        const QString aufsteiger = Q(S.Mannschaft[73].Name.text());
        zuegeBis([] { return S.Spiel.Saison == 2; });
        QCOMPARE(S.Spiel.Saison, 2);
        QCOMPARE(S.Spiel.Spieltag, 0);
        QCOMPARE(halte.size(), size_t{5});
        for (int l = 1; l <= 4; ++l) {
            const Halt& h = halte[static_cast<size_t>(l - 1)];
            QCOMPARE(h.fette, Liga(l));
            QCOMPARE(h.meister1, QStringLiteral("Fußballmeister ") + Liga(l));
            QCOMPARE(h.blinkt, l == 4);
            // Beim Blinken kann der Klick in die leere Phase fallen.
            const QString ab = QStringLiteral("Absteiger in die ") + Liga(l + 1);
            if (h.blinkt) QVERIFY(h.ab1 == ab || h.ab1.isEmpty());
            else QCOMPARE(h.ab1, ab);
        }
        QCOMPARE(halte[0].m1, meister);
        QCOMPARE(halte[4].ab1, QStringLiteral("Aufstieg in die ") + Liga(4));
        QCOMPARE(halte[4].a1, aufsteiger);
        QCOMPARE(SaisonEndeF->FetteLiga->text(), QStringLiteral("Auf zur 2.Saison"));
        QTRY_VERIFY_WITH_TIMEOUT(!SaisonEndeF->isVisible(), 2000);
        QVERIFY(QtOberflaeche::imProtokoll("Klang:saisonende"));
    }
};

QTEST_MAIN(SpieltagScreenTest)
#include "SpieltagScreenTest.moc"
