// Jede Handlung ganz oder gar nicht, an den Rändern des Geldes: ein eingespieltes Spiel, das
// Konto bei 0, -1, an der Abgabegrenze, knapp unter und über den Feldgrenzen, am Boden mit
// vollem Sparbuch und ein Vermögen über seinem Feld; jede Handlung des Katalogs läuft darauf.
// Danach ist sie entweder ganz geschehen (jede Kostenbuchung mit ihrem Betrag, und der
// Spielstand bleibt in seinen Grenzen) oder die Bytes des Spielstands sind dieselben wie vorher.
// Kein Geld hält das Spiel an.
#include "Invarianten.h"
#include "Spielwelt.h"
#include "core/Konto.h"
#include "core/SpielstandDatei.h"
#include "finance/Bank.h"
#include "finance/Stadion.h"
#include "finance/Vermoegen.h"
#include "finance/Werbung.h"
#include "season/Ereignis.h"
#include "season/Saisonende.h"
#include "squad/Angebote.h"
#include "squad/Kader.h"
#include "squad/Markt.h"
#include "squad/Training.h"
#include "squad/Verhandlung.h"

#include <limits>
#include <set>
#include <utility>

using namespace torvane;

namespace {

constexpr int32_t Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Min = std::numeric_limits<int32_t>::min();

// Sagt zu allem Ja (oder zu allem Nein) und gibt am Zahlenrad einen festen Betrag.
struct Jasager : AutoOberflaeche {
    bool nein = false;
    int zahl = 100000;
    Jasager() { OberflaecheSetzen(this); }
    ~Jasager() override { OberflaecheSetzen(nullptr); }
    Befehlswert nachricht(const std::string&, const std::string&, const NachrichtArt& art, int, int, int) override
    {
        if (art.typ != NachrichtArt::Jein) return Befehlswert::NachrichtWeiter;
        return nein ? Befehlswert::Nein : Befehlswert::Ja;
    }
    Antwort dialog(DialogArt, const std::string&, Knoepfe k) override
    {
        if (k == Knoepfe::Ok || k == Knoepfe::OkAbbrechen) return Antwort::Ok;
        return nein ? Antwort::Nein : Antwort::Ja;
    }
    int zahleneingabe(int, const std::string&, int, int) override { return zahl; }
    void klang(const std::string&, bool) override {}
    void warte(int, bool) override {}
};

struct Zustand {
    const char* name;
    std::function<void(Manager_&)> setzen;
};

struct Handlung {
    std::string name;
    std::function<void(int)> vorbereiten; // vor dem Vergleichsbild
    std::function<void(int)> tun;
    bool nein = false;
};

struct Bericht : Lagerbericht {};

// Kosten, die verlangt, aber nicht (ganz) gebucht wurden: gäbe es die Handlung dann doch, wäre sie umsonst.
std::vector<int64_t> ausgelassen;
void KostenMerken(int64_t verlangt, int64_t gebucht)
{
    if (verlangt < 0 && gebucht != verlangt) ausgelassen.push_back(verlangt);
}

// Der Spielstand nach einigen gespielten Tagen; einmal gerechnet.
const std::string& Eingespielt()
{
    static const std::string bytes = [] {
        Mitschrift ui;
        S = Spielstand{};
        ZufallSetzen(31);
        if (!SpielAufGrunddaten(2)) return std::string();
        for (int i = 0; i < 24; ++i) AbschlussClick();
        return SpielstandSchreiben();
    }();
    return bytes;
}

// Was die Invarianten finden, ohne die Angabe von Saison und Tag.
std::set<std::string> Verstoesse()
{
    Invarianten inv;
    inv.pruefen();
    std::set<std::string> v;
    for (const std::string& f : inv.fehler) v.insert(f.substr(f.find(": ") + 2));
    return v;
}

std::vector<Zustand> Zustaende()
{
    return {
        {"Konto 0", [](Manager_& mg) { mg.Kontostand = 0; }},
        {"Konto -1", [](Manager_& mg) { mg.Kontostand = -1; }},
        {"Abgabegrenze",
         [](Manager_& mg) {
             // Das Vermögen knapp über zwei Milliarden; das Konto trägt den Rest.
             mg.Kontostand = 0;
             const int64_t rest = VermoegenWert(S.AktManager);
             mg.Kontostand = static_cast<int32_t>(AbgabeGrenze + 1000 - rest);
         }},
        {"knapp unter der Obergrenze", [](Manager_& mg) { mg.Kontostand = Max - 5; }},
        {"knapp über der Untergrenze", [](Manager_& mg) { mg.Kontostand = Min + 5; }},
        {"Boden mit vollem Sparbuch",
         [](Manager_& mg) {
             // Das Vermögen bleibt positiv: kein Pleitefall, der Abschluss kommt bis zu seinen Kosten.
             mg.Kontostand = Min + 1;
             mg.Sparbuch = Max;
         }},
        {"Vermögen über seinem Feld",
         [](Manager_& mg) {
             mg.Kontostand = Max - 5;
             mg.Sparbuch = Max - 5;
         }},
    };
}

std::vector<Handlung> Katalog()
{
    auto mg = [](int m) -> Manager_& { return S.Manager[m]; };
    std::vector<Handlung> h = {
        {"Darlehen aufnehmen", nullptr, [](int m) { DarlehenAufnehmen(m, 50000000, 10); }},
        {"Darlehen ablösen",
         [=](int m) {
             mg(m).DarlehenRestSpiele = 10;
             mg(m).DarlehenRate = 100000;
         },
         [](int m) { DarlehenAbloesen(m); }},
        {"Kredit aufnehmen (Knopf)", nullptr, [](int m) { KreditAufnehmenKlick(m); }},
        {"Kredit aufnehmen", nullptr, [](int m) { KreditAufnehmen(m, 100000000); }},
        {"Kredit tilgen", [=](int m) { mg(m).Kredit = 500000; }, [](int m) { KreditTilgen(m, 100000); }},
        {"Kredit übertilgen", [=](int m) { mg(m).Kredit = 500000; }, [](int m) { KreditTilgen(m, 600000); }},
        {"Sparbuch auffüllen", nullptr, [=](int m) { SparbuchSetzen(m, int64_t{mg(m).Sparbuch} + 1000000); }},
        {"Sparbuch leeren", [=](int m) { mg(m).Sparbuch = std::max(mg(m).Sparbuch, 5000000); },
         [](int m) { SparbuchSetzen(m, 0); }},
        {"Anlage eröffnen", [=](int m) { mg(m).AnlageBetrag = mg(m).AnlageWert = 0; },
         [](int m) { AnlageEroeffnen(m, 10000000); }},
        {"Anlage kündigen", [=](int m) { mg(m).AnlageBetrag = mg(m).AnlageWert = 10000000; },
         [](int m) { AnlageKuendigen(m); }},
        {"Aktien kaufen", [=](int m) { mg(m).Aktien = 0; }, [](int m) { AktienSetzen(m, AktienMax); }},
        {"Aktien verkaufen", [=](int m) { mg(m).Aktien = AktienMax; }, [](int m) { AktienSetzen(m, 0); }},
        {"Komfort kaufen", nullptr, [](int m) { KomfortKaufen(m, 10); }},
        {"Komfort verkaufen", [=](int m) { mg(m).Komfortpunkte = 60; }, [](int m) { KomfortVerkaufen(m, 20); }},
        {"Plätze kaufen", [=](int m) { mg(m).Plaetze = 20000; }, [](int m) { PlaetzeKaufen(m, 10000); }},
        {"Plätze verschrotten", [=](int m) { mg(m).Plaetze = 90000; }, [](int m) { PlaetzeVerschrotten(m, 30000); }},
        {"Werbung annehmen", [](int m) { S.Werbevertraege[m][1] = Werbevertrag_{}; },
         [](int m) { WerbevertragAnnehmen(m, Werbeangebot{1, 5000000, 20, 1, -1}); }},
        {"Werbung kündigen", [](int m) { S.Werbevertraege[m][1] = Werbevertrag_{3000000, 30, 10, 1, {}}; },
         [](int m) { WerbevertragKuendigen(m, 1); }},
        {"Kauf nach Verhandlung",
         [](int) {
             Kaderspieler_& s = S.Transferliste[1];
             s.Verhandelt = 0;
             s.Wert = 40000000;
         },
         [](int m) {
             if (KaufVerhandlungOeffnen(m, 1, {5, 5, 1})) Anbieten();
         }},
        {"Angebot bei offener Verhandlung",
         [](int m) {
             Kaderspieler_& s = S.Transferliste[1];
             s.Verhandelt = 0;
             s.Wert = 40000000;
             KaufVerhandlungOeffnen(m, 1, {5, 5, 1});
         },
         [](int) { Anbieten(); }},
        {"Verlängerung eröffnen", nullptr,
         [](int m) {
             if (VertragsVerhandlungOeffnen(m, 1, {})) VerhandlungAbbrechen();
         }},
        {"Punkte kaufen", [=](int m) { mg(m).Kader[1].Form = 5; },
         [](int m) { PunkteKaufen(m, 1, Attribut::Form, 2); }},
        {"drittes Drängen im Kader", [=](int m) { mg(m).Kader[1].Verhandelt = 2; }, [](int m) { NeuerVertrag(m, 1); }},
        {"drittes Drängen auf dem Markt",
         [](int) {
             S.Transferliste[4].Transferstatus = 1;
             S.Transferliste[4].Verhandelt = 2;
         },
         [](int m) { MarktspielerWaehlen(m, 4); }},
        {"Spieler auf die Liste", [=](int m) { mg(m).Kader[1].Transferstatus = 0; },
         [](int m) { SpielerVerkaufen(m, 1); }},
        {"Angebot für gelisteten Spieler",
         [=](int m) {
             Kaderspieler_& s = mg(m).Kader[1];
             s.Transferstatus = 1;
             s.Alter = 5; // dann kommt das Angebot sicher
         },
         [](int m) { Spielerangebote(m); }},
        {"Zwangsverkauf",
         [=](int m) {
             Kaderspieler_& s = mg(m).Kader[1];
             s.Transferstatus = 2;
             s.Angebote = 2;
             s.Alter = 5;
         },
         [](int m) { Spielerangebote(m); }, true},
        {"Strafe für gelisteten Spieler",
         [=](int m) {
             Kaderspieler_& s = mg(m).Kader[1];
             s.Transferstatus = 1;
             s.Angebote = 2;
             s.Alter = 5;
         },
         [](int m) { Spielerangebote(m); }, true},
        {"Trainingslager", nullptr,
         [](int m) {
             Bericht b;
             LagerFahren(m, 1, 10, b);
         }},
        {"Trainer verpflichten", [=](int m) { TrainerFreigeben(m); }, [](int m) { TrainerVerpflichten(m, 1, 100); }},
        {"Trainer kündigen",
         [](int m) {
             TrainerFreigeben(m);
             const int32_t konto = S.Manager[m].Kontostand;
             TrainerVerpflichten(m, 1, 100);
             S.Manager[m].Kontostand = konto;
             S.Manager[m].TrainerPreis = 55555; // die Gehälter kosten mehr, als der Preis zurückbringt
         },
         [](int m) { TrainerKuendigen(m); }},
        {"Plätze kaufen mit Bonus", [=](int m) { mg(m).Plaetze = 20000; }, [](int m) { PlaetzeKaufen(m, 20000); }},
        {"Zugbeginn mit Dauerkarten und Trainerende",
         [](int m) {
             Manager_& g = S.Manager[m];
             g.DauerkartenImVerkauf = g.Plaetze;
             g.DauerkartenVerkauft = 0;
             TrainerFreigeben(m);
             TrainerVerpflichten(m, 1, 1);
             g.TrainerPreis = 500000000;
         },
         [](int) { ZugBeginnen(); }},
        {"Toto und Spieltag",
         [](int) {
             for (int s = 0; s <= S.Spiel.ManagerHoch; ++s) S.Manager[s].TotoTip = "111111111";
         },
         [](int) {
             const long tage = Sitzung.GespielteTage;
             for (int i = 0; i < 10 && Sitzung.GespielteTage == tage; ++i) AbschlussClick();
         }},
        {"Zug abschließen", nullptr, [](int) { ZugAbschliessen(); }},
        {"Saisonende", nullptr, [](int) { Saisonende(); }},
    };
    // Die Ereignisse mit der kleinsten und der größten Ziehung jedes Aufrufs.
    for (int n = 1; n <= 42; ++n)
        for (const bool gross : {false, true})
            h.push_back({"Ereignis " + std::to_string(n) + (gross ? " oben" : " unten"), nullptr, [n, gross](int) {
                             Sitzung.EreignisZiehung = [gross](int32_t von, int32_t bis) {
                                 return bis < von ? von : gross ? bis : von;
                             };
                             Ereignis(n);
                         }});
    return h;
}

} // namespace

// Die eine Buchungsregel: Gutschriften bis an die Feldgrenze, Kosten ganz oder gar nicht.
TEST(Grenzfall, BuchungsregelAnDenFeldgrenzen)
{
    struct Fall {
        int32_t konto;
        int64_t betrag, gebucht;
    };
    const Fall faelle[] = {
        {0, 5, 5},           {Max - 5, 5, 5},        {Max - 5, 6, 5},         {Max, 1, 0},
        {Min, -1, 0},        {Min + 5, -5, -5},      {Min + 5, -6, 0},        {Min, Max, Max},
        {Max, Min, Min + 0}, {-1, -3000000000, 0},   {Max, -1, -1},           {0, 0, 0},
    };
    for (const Fall& f : faelle) {
        int32_t konto = f.konto;
        EXPECT_EQ(KontoBuchbar(f.konto, f.betrag), f.gebucht) << f.konto << " " << f.betrag;
        EXPECT_EQ(KontoBuchen(konto, f.betrag), f.gebucht) << f.konto << " " << f.betrag;
        EXPECT_EQ(konto, f.konto + f.gebucht);
        EXPECT_EQ(KontoPasst(f.konto, f.betrag), f.gebucht == f.betrag);
    }
}

TEST(Grenzfall, JedeHandlungGanzOderGarNicht)
{
    ASSERT_FALSE(Eingespielt().empty());
    const auto zustaende = Zustaende();
    const auto katalog = Katalog();
    int geschehen = 0, unveraendert = 0;
    for (const Zustand& z : zustaende)
        for (const Handlung& h : katalog) {
            const std::string fall = std::string(z.name) + " / " + h.name;
            std::string fehler;
            ASSERT_TRUE(SpielstandLesen(Eingespielt(), fehler)) << fehler;
            ZufallSetzen(5);
            Jasager ui;
            ui.nein = h.nein;
            const int m = S.AktManager;
            if (h.vorbereiten) h.vorbereiten(m);
            z.setzen(S.Manager[m]);
            // Was die Vorbereitung selbst verbiegt (Alter 5 für ein sicheres Angebot), zählt nicht.
            const auto schon = Verstoesse();
            const std::string vorher = SpielstandSchreiben();
            ausgelassen.clear();
            KontoPruefstelle = KostenMerken;
            try {
                h.tun(m);
            } catch (const Laufzeitfehler& e) {
                ADD_FAILURE() << fall << ": das Spiel hält an: " << e.what();
            }
            KontoPruefstelle = nullptr;
            Sitzung.EreignisZiehung = nullptr;
            std::string nachher;
            ASSERT_NO_THROW(nachher = SpielstandSchreiben()) << fall;
            if (nachher == vorher) {
                ++unveraendert;
                continue;
            }
            ++geschehen;
            for (const int64_t k : ausgelassen) ADD_FAILURE() << fall << ": Kosten " << k << " nicht gebucht";
            EXPECT_EQ(SpielstandPruefen(nachher).ergebnis, Pruefergebnis::Gut) << fall;
            for (const auto& v : Verstoesse())
                if (!schon.count(v)) ADD_FAILURE() << fall << ": " << v;
        }
    // Beides kommt vor: der Katalog prüft nicht nur Ablehnungen.
    EXPECT_GT(geschehen, 300);
    EXPECT_GT(unveraendert, 20);
    RecordProperty("geschehen", geschehen);
    RecordProperty("unveraendert", unveraendert);
}

// Ein Laufzeitfehler in jedem Schritt des Abschlusses: danach steht alles wie vorher, und ein
// zweiter, sauberer Abschluss bucht genau das, was ein einziger gebucht hätte.
TEST(Grenzfall, AbschlussNachFehlerInJedemSchritt)
{
    ASSERT_FALSE(Eingespielt().empty());
    std::string fehler;
    auto abschluss = [&](int fehlerIn) {
        EXPECT_TRUE(SpielstandLesen(Eingespielt(), fehler)) << fehler;
        S.Spiel.Wettbewerb = Wettbewerb_::Liga;
        S.Manager[S.AktManager].Kredit = 1000000;
        ZufallSetzen(9);
        Mitschrift ui;
        if (fehlerIn > 0) {
            const std::string vorher = SpielstandSchreiben();
            Sitzung.AbschlussPruefstelle = [fehlerIn](int schritt) {
                if (schritt == fehlerIn) throw Laufzeitfehler("Laufzeitfehler: Test");
            };
            EXPECT_THROW(ZugAbschliessen(), Laufzeitfehler) << fehlerIn;
            Sitzung.AbschlussPruefstelle = nullptr;
            EXPECT_EQ(SpielstandSchreiben(), vorher) << "Schritt " << fehlerIn;
            ZufallSetzen(9);
        }
        EXPECT_TRUE(ZugAbschliessen());
        return SpielstandSchreiben();
    };
    const std::string sauber = abschluss(0);
    for (int schritt = 1; schritt <= AbschlussSchritte; ++schritt) EXPECT_EQ(abschluss(schritt), sauber) << schritt;
}

// Ein Laufzeitfehler mitten im Spieltag (nach allen Abschlüssen): der Klick lässt alles, wie es
// vor ihm war, und der nächste Klick spielt den Tag so, als wäre nichts gewesen.
TEST(Grenzfall, KlickNachFehlerImSpieltag)
{
    ASSERT_FALSE(Eingespielt().empty());
    struct Stoerung : Menueanzeige {
        bool werfen = false;
        Stoerung() { MenueAnzeigeSetzen(this); }
        ~Stoerung() override { MenueAnzeigeSetzen(nullptr); }
        void tagBeginnt() override
        {
            if (std::exchange(werfen, false)) throw Laufzeitfehler("Laufzeitfehler: Test");
        }
    };
    auto tag = [](bool stoeren) {
        std::string fehler;
        EXPECT_TRUE(SpielstandLesen(Eingespielt(), fehler)) << fehler;
        ZufallSetzen(13);
        Mitschrift ui;
        Stoerung st;
        st.werfen = stoeren;
        const long tage = Sitzung.GespielteTage;
        int geworfen = 0;
        for (int i = 0; i < 10 && Sitzung.GespielteTage == tage; ++i) {
            const std::string vorher = SpielstandSchreiben();
            const uint32_t saat = ZufallSaat();
            try {
                AbschlussClick();
            } catch (const Laufzeitfehler&) {
                EXPECT_EQ(SpielstandSchreiben(), vorher);
                ZufallSetzen(saat);
                ++geworfen;
            }
        }
        EXPECT_EQ(geworfen, stoeren ? 1 : 0);
        EXPECT_GT(Sitzung.GespielteTage, tage);
        return SpielstandSchreiben();
    };
    EXPECT_EQ(tag(true), tag(false));
}
