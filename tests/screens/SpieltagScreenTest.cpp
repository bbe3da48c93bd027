// Bildschirmtests des Spieltags: Spielen mit Live-Ansicht, Tabelle, Spieltage,
// Pokalspiele und Saisonende. Offscreen, mit eingereihten Antworten; "Weiter"
// drückt ein Klicker, der dabei nachsieht, was der Bildschirm gerade zeigt.
#include "core/Funky.h"
#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "match/Anzeige.h"
#include "match/Spieltag.h"
#include "match/screens/NSpieltagFrm.h"
#include "match/screens/PokalspieleFrm.h"
#include "match/screens/SpielenFrm.h"
#include "match/screens/SpieltagFenster.h"
#include "match/screens/TabelleFrm.h"
#include "season/Pleite.h"
#include "season/Saisonende.h"
#include "season/screens/SaisonEndeFrm.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>
#include <set>

using namespace torvane;

namespace {

// Drückt alle 1 ms jeden sichtbaren Weiter-Knopf des Spieltags; vorher darf der Test schauen.
class Klicker {
public:
    std::function<void()> spielen;   // Spieltagsbildschirm wartet auf "weiter"
    std::function<void()> tabelle;   // Tabelle wartet auf "tabelleweiter"
    std::function<void()> saisonende; // Saisonende wartet auf "weiter"
    std::function<void()> immer;

    Klicker()
    {
        uhr_.setInterval(1);
        QObject::connect(&uhr_, &QTimer::timeout, [this] { tick(); });
        uhr_.start();
    }

private:
    void tick()
    {
        if (immer) immer();
        if (TabelleF->isVisible() && TabelleF->Weiter->isVisible()) {
            if (tabelle) tabelle();
            TabelleF->Weiter->click();
        } else if (SpielenF->isVisible() && SpielenF->Weiter->isVisible()) {
            if (spielen) spielen();
            SpielenF->Weiter->click();
        } else if (SaisonEndeF->isVisible() && SaisonEndeF->BitBtn1->isVisible()) {
            if (saisonende) saisonende();
            SaisonEndeF->BitBtn1->click();
        }
    }
    QTimer uhr_;
};

QColor Schriftfarbe(QLabel* l)
{
    l->ensurePolished();
    return l->palette().color(l->foregroundRole());
}

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

class SpieltagScreenTest : public QObject {
    Q_OBJECT

private:
    QtOberflaeche ui_;

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
        PfadeSetzen(TORVANE_QUELLEN, QDir::tempPath().toStdString());
        OberflaecheSetzen(&ui_);
        QtOberflaeche::nieZeigen = true;
        QtOberflaeche::tempo = 0.0;
        SpieltagsfensterAnlegen(nullptr);
    }

    void init()
    {
        QtOberflaeche::protokoll.clear();
        QtOberflaeche::vorgaben.clear();
        S.Befehl.clear();
    }

    void cleanupTestCase() { OberflaecheSetzen(nullptr); }

    // Ein Ligatag: vier Ligen mit je neun Zeilen samt Ergebnis, danach jede Tabelle.
    void ligatagZeigtNeunZeilenJeLiga()
    {
        einManager(11);
        S.Optionen[0][OptAnzeigeLiga] = 0; // "Auswahl": jede Tabelle wird gezeigt
        SETZE(S.Spiel.Spieltag, 1);
        const int tag = S.Spiel.Spieltag;

        std::vector<QString> ligen, tabellen;
        bool anteilGesehen = false;
        Klicker k;
        k.immer = [&] {
            if (SpielenF->Live->isVisible() && SpielenF->Anteil->text().startsWith(QStringLiteral("Spielanteile: ")))
                anteilGesehen = true;
        };
        k.spielen = [&] {
            const QString kopf = SpielenF->Kopf->text();
            ligen.push_back(kopf);
            int liga = 0;
            for (int l = 1; l <= 4; ++l)
                if (kopf == QString::fromUtf8(LigaNamen[static_cast<size_t>(l)])) liga = l;
            QVERIFY2(liga > 0, qPrintable(kopf));
            QCOMPARE(SpielenF->Tag->text(), QStringLiteral("1. Spieltag der Hinrunde"));
            QCOMPARE(SpielenF->windowTitle(), QStringLiteral("Meisterschaft der ") + kopf);
            for (int z = 0; z < 9; ++z) {
                const auto& r = SpielenF->Reihen[static_cast<size_t>(z)];
                QVERIFY(r.Heim->parentWidget()->isVisible());
                QVERIFY(r.Zuschauer->text().startsWith(QStringLiteral("Zuschauer ")));
                QVERIFY(!r.Heim->text().isEmpty() && !r.Gast->text().isEmpty());
                // Die Doppelpunkte stehen untereinander, und es ist das gespeicherte Ergebnis.
                QCOMPARE(r.Ergebnis->text().indexOf(QLatin1Char(':')), 2);
                QCOMPARE(r.Ergebnis->text().trimmed(), Q(S.Ergebnisse[liga][tag][z + 1].text()).trimmed());
                const int heim = SpielplanMannschaft(liga, tag, z + 1, 0);
                QVERIFY(r.Heim->text().endsWith(Q(S.Mannschaft[heim].Name.text())));
            }
        };
        k.tabelle = [&] {
            const int liga = TabelleF->liga();
            tabellen.push_back(TabelleF->Ueberschrift->text());
            QCOMPARE(TabelleF->Ueberschrift->text(), QStringLiteral("Tabelle der ") +
                                                         QString::fromUtf8(LigaNamen[static_cast<size_t>(liga)]) +
                                                         QStringLiteral(" am 1. Spieltag"));
            QCOMPARE(S.Befehl, std::string("tabellebitbtn1sichtbar"));
            int vorher = 1000;
            for (int p = 1; p <= 18; ++p) {
                const auto& z = TabelleF->Zeilen[static_cast<size_t>(p - 1)];
                const Mannschaft_& v = S.Mannschaft[VereinAufPlatz(liga, p)];
                QCOMPARE(z.Name->text(), Q(v.Name.text()));
                QVERIFY(z.Punkte->text().toInt() <= vorher);
                vorher = z.Punkte->text().toInt();
                const bool manager = ManagerVonVerein(VereinAufPlatz(liga, p)) >= 0;
                QCOMPARE(Schriftfarbe(z.Name) == Farbe::Rot, manager);
            }
        };
        SpielenF->spielen();

        QCOMPARE(ligen.size(), size_t{4});
        QCOMPARE(tabellen.size(), size_t{4});
        QCOMPARE(ligen.back(), QString::fromUtf8(LigaNamen[4]));
        // Der Managerverein spielt in der Oberliga und wurde live gezeigt.
        QVERIFY(SpielenF->ballBilder > 0);
        QVERIFY(anteilGesehen);
        QVERIFY(QtOberflaeche::imProtokoll("Klang:Pfiff1"));
        QVERIFY(S.Befehl.empty());
        QTRY_VERIFY_WITH_TIMEOUT(!SpielenF->isVisible(), 1000);
        QVERIFY(!TabelleF->isVisible());
    }

    // Die Tabelle aus dem Menü und ihr Handschlag nach einem Spieltag.
    void tabelleFarbenUndHandschlag()
    {
        einManager(12);
        TageStillSpielen(3);
        S.Spiel.AnzeigeLiga = 1;
        S.Befehl.clear();
        TabelleF->zeigen();
        QVERIFY(!TabelleF->Weiter->isVisible());
        QCOMPARE(S.Spiel.AnzeigeErster, 1);
        QCOMPARE(TTabelleF::Balkenfarbe(1, 1), TTabelleF::Balkenfarbe(2, 1));
        QCOMPARE(TTabelleF::Balkenfarbe(1, 5), TTabelleF::Balkenfarbe(1, 2));  // oben gelb
        QCOMPARE(TTabelleF::Balkenfarbe(2, 5), TTabelleF::Balkenfarbe(2, 6));  // sonst grau
        QCOMPARE(TTabelleF::Balkenfarbe(3, 16), TTabelleF::Balkenfarbe(1, 18)); // hellrot
        QVERIFY(TTabelleF::Balkenfarbe(1, 1) != TTabelleF::Balkenfarbe(1, 2));
        QVERIFY(TTabelleF::Balkenfarbe(4, 15) != TTabelleF::Balkenfarbe(4, 16));
        // Tore mit Differenz, Plus vor einer positiven
        const Mannschaft_& erster = S.Mannschaft[1];
        const int d = erster.Tore - erster.Gegentore;
        QVERIFY(TabelleF->Zeilen[0].Tore->text().startsWith(QStringLiteral("%1 : %2").arg(erster.Tore).arg(erster.Gegentore)));
        if (d > 0) QVERIFY(TabelleF->Zeilen[0].Tore->text().endsWith(QStringLiteral("+%1").arg(d)));
        QCOMPARE(TabelleF->Zeilen[0].Legende->font().family(), QStringLiteral("Courier New"));
        TabelleF->hide();

        // Nach dem Spieltag: Weiter sichtbar, Klick und Schließen schreiben "tabelleweiter".
        S.Befehl = "tabellebitbtn1sichtbar";
        TabelleF->nachSpieltag(4, SpielenF);
        QVERIFY(TabelleF->Weiter->isVisible());
        TabelleF->Weiter->click();
        QCOMPARE(S.Befehl, std::string("tabelleweiter"));
        S.Befehl = "tabellebitbtn1sichtbar";
        TabelleF->nachSpieltag(4, SpielenF);
        TabelleF->close();
        QCOMPARE(S.Befehl, std::string("tabelleweiter"));
        S.Befehl.clear();
    }

    // Ein DFB-Pokaltag der ersten Runde: 32 Paarungen auf vier Seiten zu acht.
    void pokaltagBlaettertNachAchtPaarungen()
    {
        einManager(13);
        // Der Managerverein soll im Pokal sein: Platz 1 der Oberliga ist es immer.
        ManagerAufPlatz(0, 1);
        S.Spiel.Wettbewerb = 1;
        S.Optionen[0][OptZeigeDfb] = 1;
        QVERIFY(!VereinVon(0).DfbRunde.leer());
        const int32_t kontoVorher = S.Manager[0].Kontostand;

        std::vector<QString> knoepfe;
        bool meldungGesehen = false;
        Klicker k;
        k.spielen = [&] {
            knoepfe.push_back(SpielenF->Weiter->text());
            QCOMPARE(SpielenF->Kopf->text(), QStringLiteral("DFB-Pokal"));
            QCOMPARE(SpielenF->Tag->text(), QStringLiteral("1.Runde"));
            int zeilen = 0, grau = 0;
            for (int z = 0; z < 9; ++z) {
                const auto& r = SpielenF->Reihen[static_cast<size_t>(z)];
                if (!r.Heim->parentWidget()->isVisible()) continue;
                ++zeilen;
                QCOMPARE(r.Ergebnis->text().indexOf(QLatin1Char(':')), 2);
                const QColor grauton(158, 158, 158);
                grau += (Schriftfarbe(r.Heim) == grauton) + (Schriftfarbe(r.Gast) == grauton);
                if (r.Meldung->isVisible() && r.Meldung->toolTip().contains(QStringLiteral("Pokaleinnahmen !"))) {
                    meldungGesehen = true;
                    // Knapp in der Zeile: der Name einmal, dann der Text.
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

    // Live mit "Hans Dampf Aktivieren": das Spiel läuft durch, Vorfälle treffen den Kader.
    void liveMitHansDampfVeraendertDenKader()
    {
        einManager(14);
        S.Manager[0].Einsatz = 100; // ein Vorfall je elf Minuten
        S.Optionen[0][OptAnzeigeLiga] = 4;
        SETZE(S.Spiel.Spieltag, 1);
        const Manager_ vorher = S.Manager[0];
        SpielenF->HansDampf->setChecked(true);
        QVERIFY(SpielenF->hansDampf());

        QString letzterStand;
        std::set<QString> minuten;
        Klicker k;
        k.immer = [&] {
            if (!SpielenF->Live->isVisible()) return;
            letzterStand = SpielenF->Spielstand->text();
            minuten.insert(SpielenF->Zeit->text());
        };
        const long baelleVorher = SpielenF->ballBilder;
        QElapsedTimer uhr;
        uhr.start();
        SpielenF->spielen();
        SpielenF->HansDampf->setChecked(false);

        QVERIFY(SpielenF->ballBilder > baelleVorher);
        QVERIFY(!SpielenF->Live->isVisible());
        QVERIFY(QtOberflaeche::imProtokoll("Klang:Pfiff2"));
        // Das Ergebnis der Zeile ist das der Live-Ansicht.
        int paarung = 0;
        for (int p = 1; p <= 9; ++p)
            for (int seite = 0; seite < 2; ++seite)
                if (SpielplanMannschaft(4, 1, p, seite) == ManagerVerein(0)) paarung = p;
        QVERIFY(paarung > 0);
        QCOMPARE(SpielenF->Spielstand->text(), Q(S.Ergebnisse[4][1][paarung].text()).remove(QLatin1Char(' ')));
        QVERIFY(!letzterStand.isEmpty());

        // Karten, Sperren und Verletzungen stehen jetzt im Kader.
        int vorfaelle = 0;
        for (int i = 1; i <= S.Manager[0].KaderAnzahl; ++i) {
            const Kaderspieler_& a = vorher.Kader[i];
            const Kaderspieler_& n = S.Manager[0].Kader[i];
            vorfaelle += (n.GelbNational != a.GelbNational) + (n.RotNational != a.RotNational) +
                         (n.Verletzt != a.Verletzt);
        }
        QVERIFY2(vorfaelle > 0, "Kein Vorfall in 91 Minuten bei Einsatz 100");
        QVERIFY(!SpielenF->Aktion1->isVisible() && !SpielenF->Aktion2->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!SpielenF->isVisible(), 1000);
    }

    // Das Saisonende geht Liga für Liga durch, mit dem Aufstieg in die Oberliga zuletzt.
    void saisonendeDurchAlleLigen()
    {
        einManager(15);
        TageStillSpielen(34);
        QCOMPARE(S.Spiel.Spieltag, 34);
        ManagerAufPlatz(0, 9); // kein Abstieg in die Verbandsliga
        const QString meister = Q(S.Mannschaft[1].Name.text());
        const QString aufsteiger = Q(S.Mannschaft[73].Name.text());

        struct Halt {
            QString fette, meister1, m1, ab1, a1;
            bool blinkt;
        };
        std::vector<Halt> halte;
        Klicker k;
        k.saisonende = [&] {
            halte.push_back({SaisonEndeF->FetteLiga->text(), SaisonEndeF->Meister1->text(), SaisonEndeF->M1->text(),
                             SaisonEndeF->Ab1->text(), SaisonEndeF->A1->text(), SaisonEndeF->Blinker->isActive()});
            QVERIFY(SaisonEndeF->Panel->isVisible());
            QVERIFY(SaisonEndeF->FetteLiga->y() < SaisonEndeF->Panel->y());
        };
        QVERIFY(Saisonende());

        QCOMPARE(halte.size(), size_t{5});
        for (int l = 1; l <= 4; ++l) {
            const Halt& h = halte[static_cast<size_t>(l - 1)];
            const QString name = QString::fromUtf8(LigaNamen[static_cast<size_t>(l)]);
            QCOMPARE(h.fette, name);
            QCOMPARE(h.meister1, QStringLiteral("Fußballmeister ") + name);
            QCOMPARE(h.blinkt, l == 4);
            const QString ab = QStringLiteral("Absteiger in die ") + QString::fromUtf8(LigaNamen[static_cast<size_t>(l + 1)]);
            // Beim Blinken kann der Klick in die leere Phase fallen.
            if (h.blinkt) QVERIFY(h.ab1 == ab || h.ab1.isEmpty());
            else QCOMPARE(h.ab1, ab);
        }
        QCOMPARE(halte[0].m1, meister);
        QCOMPARE(halte[4].ab1, QStringLiteral("Aufstieg in die ") + QString::fromUtf8(LigaNamen[4]));
        QCOMPARE(halte[4].a1, aufsteiger);
        QCOMPARE(S.Spiel.Saison, 2);
        QCOMPARE(SaisonEndeF->FetteLiga->text(), QStringLiteral("Auf zur 2.Saison"));
        QVERIFY(!SaisonEndeF->Timer1->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!SaisonEndeF->isVisible(), 2000);
        QVERIFY(QtOberflaeche::imProtokoll("Klang:saisonende"));
    }

    // Spieltage: der 18. Spieltag ist der erste mit getauschtem Heimrecht.
    void spieltageZeigtRueckrunde()
    {
        einManager(16);
        TageStillSpielen(2);
        S.Spiel.AnzeigeLiga = 4;
        NSpieltagF->zeigen();
        QCOMPARE(NSpieltagF->ScrollBar1->value(), 2);
        QCOMPARE(NSpieltagF->windowTitle(), QStringLiteral("Spieltage der Oberliga"));
        QCOMPARE(NSpieltagF->Runde->text(), QStringLiteral("Hinrunde"));
        QCOMPARE(NSpieltagF->Zeilen[0].Ergebnis->text().indexOf(QLatin1Char(':')), 2);
        std::vector<QString> heim;
        for (const auto& z : NSpieltagF->Zeilen) heim.push_back(z.Heim->text());
        NSpieltagF->zeichnen(4, 1);
        std::vector<QString> hin;
        for (const auto& z : NSpieltagF->Zeilen) hin.push_back(z.Heim->text());
        NSpieltagF->ScrollBar1->setValue(18);
        QCOMPARE(NSpieltagF->Runde->text(), QStringLiteral("Rückrunde"));
        QCOMPARE(NSpieltagF->Spieltag->text(), QStringLiteral("18. Spieltag der Oberliga"));
        for (int p = 0; p < 9; ++p) QCOMPARE(NSpieltagF->Zeilen[static_cast<size_t>(p)].Gast->text(), hin[static_cast<size_t>(p)]);
        QCOMPARE(NSpieltagF->Zeilen[0].Ergebnis->text().trimmed(), QStringLiteral("-:-"));
        // Der Managerverein ist rot.
        bool rot = false;
        for (const auto& z : NSpieltagF->Zeilen)
            rot = rot || Schriftfarbe(z.Heim) == Farbe::Rot || Schriftfarbe(z.Gast) == Farbe::Rot;
        QVERIFY(rot);
        NSpieltagF->hide();
    }

    // Pokalspiele: Runden, Hinweis beim Überfahren, ChampionsLige-Seite, Pokalsieger.
    void pokalspieleSeiten()
    {
        einManager(17);
        TageStillSpielen(6); // DFB 1. Runde, Uefa Hinspiel, ChampionsLige 1..3 gespielt
        PokalspieleF->zeigen();
        QCOMPARE(PokalspieleF->Seiten->count(), 4);
        QCOMPARE(PokalspieleF->Seiten->tabText(0), QStringLiteral("DFB Pokal"));
        QCOMPARE(PokalspieleF->Seiten->tabText(2), QStringLiteral("Pokal d. Pokalsieger"));
        QCOMPARE(PokalspieleF->Pokale[0].Kopf->text(), QStringLiteral("DFB Pokal  -  2.Runde"));
        int sichtbar = 0;
        for (const auto& p : PokalspieleF->Pokale[0].Paarungen) sichtbar += p.Heim->isVisibleTo(PokalspieleF->Pokale[0].Seite);
        QCOMPARE(sichtbar, 16);
        QCOMPARE(PokalspieleF->Pokale[1].Kopf->text(), QStringLiteral("UEFA Pokal  -  1.Runde Rückspiele"));
        QVERIFY(PokalspieleF->Pokale[1].Paarungen[0].Stand->text().startsWith(QLatin1Char('(')));
        QVERIFY(PokalspieleF->Pokale[1].Paarungen[0].Stand->text() != QStringLiteral("(-:-)"));
        QCOMPARE(PokalspieleF->Pokale[2].Kopf->text(), QStringLiteral("Pokal der Pokalsieger  -  1/4 Finale Hinspiele"));

        PokalspieleF->seiteWaehlen(0);
        QEvent rein(QEvent::Enter);
        QLabel* heim = PokalspieleF->Pokale[0].Paarungen[0].Heim;
        QApplication::sendEvent(heim, &rein);
        const Mannschaft_& v = S.Mannschaft[heim->property("verein").toInt()];
        QCOMPARE(PokalspieleF->Hinweis->text(), QStringLiteral("Tabelle: %1   Stärke: %2").arg(v.Platz).arg(v.Gesamt));

        const int chl = S.Spiel.ChlSpieltag;
        QVERIFY(chl >= 1);
        QCOMPARE(PokalspieleF->ChlKopf->text(), QStringLiteral("Champions League Spieltag %1/15").arg(chl));
        QCOMPARE(PokalspieleF->ChlScroll->value(), chl);
        QVERIFY(PokalspieleF->ChlTabelleText->text().contains(
            QStringLiteral("Platz   Mannschaft           Punkte   T.diff.  Tore+   Tore-")));
        PokalspieleF->ChlScroll->setValue(1);
        QCOMPARE(PokalspieleF->ChlTag->text(), QStringLiteral("Spieltag 1"));
        QVERIFY(PokalspieleF->ChlPaarung[0]->text().contains(Q(S.ChlTabelle[1].ChlErgebnisse[1].text())));
        QVERIFY(!PokalspieleF->ChlSieger->isVisible());

        // Ein entschiedener Pokal zeigt seinen Sieger.
        for (int i = 1; i <= 72; ++i) S.Mannschaft[i].DfbRunde = "";
        S.Mannschaft[5].DfbRunde = "Sieger";
        PokalspieleF->zeichnen();
        QCOMPARE(PokalspieleF->Pokale[0].Kopf->text(), QStringLiteral("DFB Pokal  -  Sieger"));
        QVERIFY(PokalspieleF->Pokale[0].Sieger->isVisibleTo(PokalspieleF->Pokale[0].Seite));
        QVERIFY(PokalspieleF->Pokale[0].Sieger->text().contains(QStringLiteral("DFB Pokalsieger der 1. Saison")));
        QVERIFY(PokalspieleF->Pokale[0].Sieger->text().contains(Q(S.Mannschaft[5].Name.text()).toHtmlEscaped()));
        PokalspieleF->hide();
    }

    // Was der Bildschirm selbst verantwortet: Schließen, Tafeln, Symbole, Meldungen.
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
        s->zeilenMeldung(2, std::string("Quirin") + NL + NL + "Das ChampionsLige Spiel brachte Ihnen zusätzlich 100.000 €");
        s->zeilenMeldung(2, std::string("Berta") + NL + NL + "Das ChampionsLige Spiel brachte Ihnen zusätzlich 100.000 €");
        QVERIFY(s->Reihen[2].Meldung->isVisible());
        QVERIFY(s->Reihen[2].Meldung->text().contains(QStringLiteral("<b>Quirin:</b>")));
        QVERIFY(s->Reihen[2].Meldung->text().contains(QStringLiteral("<b>Berta:</b>")));
        s->meldungenLeeren();
        QVERIFY(!s->Reihen[2].Meldung->isVisible());
        // Ohne Hauptfenster zentriert sich ein Nachrichtenfenster auf dem Spieltag.
        QCOMPARE(s->zeilenOrt(2).x, -1);

        // Die Siegertafel verschwindet auf Klick.
        s->siegerZeigen("FC Beispiel", "Sieger im Uefa Pokal bekommt 4.444.444 € Siegesprämie");
        QVERIFY(s->Sieger->isVisible());
        QTest::mouseClick(s->Sieger, Qt::LeftButton);
        QVERIFY(!s->Sieger->isVisible());

        // Toto: vier Zeilen, nach dem Verbergen wieder "-".
        s->totoZeigen();
        s->totoZeile(1, "Berta:4 Richtig");
        QCOMPARE(s->Toto[1]->text(), QStringLiteral("Berta:4 Richtig"));
        s->totoVerbergen();
        QCOMPARE(s->Toto[1]->text(), QStringLiteral("-"));

        // Live: Managerverein rot, Symbole je Platzhälfte, Vorfalltafel mit Namen.
        s->liveBeginnen("Heimelf", true, "Gastelf", false, "zahlende Zuschauer 12.000");
        QVERIFY(s->Live->isVisible());
        QCOMPARE(Schriftfarbe(s->Man1), QColor(Qt::white));
        QCOMPARE(s->Zusch->text(), QStringLiteral("zahlende Zuschauer 12.000"));
        s->symbolZeigen(0, 110, 8);
        s->symbolZeigen(1, 142, 8);
        s->symbolZeigen(2, 360, 8);
        s->aktionZeigen(2, "Piet Probe");
        QCOMPARE(s->Platz->symbolAnzahl(), 3);
        QVERIFY(s->Aktion2->isVisible());
        s->aktionVerbergen(2);
        QCOMPARE(s->Platz->symbolAnzahl(), 2);
        s->ballZeigen(300, 140, 9, 3, 330);
        QCOMPARE(s->Platz->ballX(), 300);
        QCOMPARE(s->Platz->ballBild(), 9);
        QCOMPARE(s->Platz->spielerBild(), 3);
        s->liveBeenden();
        QVERIFY(!s->Live->isVisible());
        s->tagBeendet();
        QTRY_VERIFY_WITH_TIMEOUT(!s->isVisible(), 1000);
    }

    // Nach dem 15. Spieltag der ChampionsLige zeigt die Übersicht den Gewinner.
    void chlSiegerInDerUebersicht()
    {
        einManager(20);
        TageStillSpielen(30);
        QCOMPARE(S.Spiel.ChlSpieltag, 15);
        PokalspieleF->zeigen();
        PokalspieleF->seiteWaehlen(3);
        QVERIFY(PokalspieleF->ChlSieger->isVisible());
        QVERIFY(PokalspieleF->ChlSieger->text().contains(QStringLiteral("Champions League Gewinner der 1. Saison")));
        const QString erster = PokalspieleF->ChlTabelleText->text().section(QLatin1Char('\n'), 1, 1).mid(8, 20).trimmed();
        QVERIFY(!erster.isEmpty());
        QVERIFY(PokalspieleF->ChlSieger->text().contains(erster.toHtmlEscaped()));
        QCOMPARE(PokalspieleF->ChlTag->text(), QStringLiteral("Spieltag 15"));
        PokalspieleF->hide();
    }

    // Eine ganze Saison über den Zugablauf: jeder Tag läuft über den Bildschirm, live
    // zugesehen, und das Saisonende führt in die zweite Saison.
    void ganzeSaisonImFenster()
    {
        einManager(18);
        S.Optionen[0][OptAnzeigeLiga] = 4;
        for (int o : {OptZeigeDfb, OptZeigeUefa, OptZeigePdp, OptZeigeChl}) S.Optionen[0][o] = 1;
        ManagerAufPlatz(0, 9);
        std::set<int> wettbewerbe;
        const long tageVorher = GespielteTage;
        Klicker k;
        k.spielen = [&] { wettbewerbe.insert(S.Spiel.Wettbewerb); };
        ZugOffen = true;
        for (int zug = 0; zug < 200 && S.Spiel.Saison == 1 && !SpielVorbei(); ++zug) AbschlussClick();
        // 34 Ligatage, 6 DFB-, 12 Uefa-, 8 Pokalsieger- und 15 ChampionsLige-Tage
        const long tage = GespielteTage - tageVorher;
        QCOMPARE(S.Spiel.Saison, 2);
        QCOMPARE(S.Spiel.Spieltag, 0);
        QCOMPARE(tage, 34L + 6 + 12 + 8 + 15);
        QVERIFY(wettbewerbe.count(0) && wettbewerbe.count(4));
        QTRY_VERIFY_WITH_TIMEOUT(!SaisonEndeF->isVisible(), 2000);
    }

    // Jeder Bildschirm des Spieltags landet als Bild im Ordner.
    void bildschirmfotos()
    {
        QTemporaryDir tmp;
        const QByteArray wunsch = qgetenv("TORVANE_FOTOS");
        const QString ordner = wunsch.isEmpty() ? tmp.path() : QString::fromLocal8Bit(wunsch);
        const QStringList dateien = SpieltagsBildschirmfotos(ordner);
        for (const char* name : {"31_spielen_live", "32_spielen_liga", "33_tabelle_nach_spieltag", "34_spielen_pokal",
                                 "35_spielen_chl", "36_spielen_sieger_toto", "37_spielen_live_vorfall", "38_tabelle",
                                 "40_spieltage", "42_pokal_dfb", "43_pokal_uefa", "44_pokal_pdp", "45_pokal_chl",
                                 "46_saisonende_start", "47_saisonende_bundesliga", "48_saisonende_oberliga",
                                 "50_saisonende_auf_zur"}) {
            const QString datei = QDir(ordner).filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
            QVERIFY2(dateien.contains(datei), name);
        }
    }
};

QTEST_MAIN(SpieltagScreenTest)
#include "SpieltagScreenTest.moc"
