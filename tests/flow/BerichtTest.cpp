// Der Bilanzbericht: seine Zahlen gegen die Tabellen des Spiels, die geschriebene Seite
// und Tabelle eines kurzen Laufs, und das Speichern am Ende eines Laufs ohne Manager.
#include "Spielwelt.h"
#include "core/SpielstandDatei.h"
#include "flow/Assistent.h"
#include "flow/Autoplay.h"
#include "flow/Bericht.h"
#include "flow/Diagramm.h"
#include "season/Pleite.h"
#include "season/Saisonende.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

std::string Lesen(const std::string& pfad)
{
    std::ifstream ein(pfad, std::ios::binary);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

// Jedes geöffnete Element wird in der richtigen Reihenfolge geschlossen; "" wenn ja, sonst der Fehler.
std::string Wohlgeformt(const std::string& html)
{
    static const std::regex tag(R"(<(/?)([A-Za-z][A-Za-z0-9]*)[^>]*?(/?)>)");
    std::vector<std::string> offen;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), tag); it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[2];
        if (name == "meta" || (*it)[3] == "/") continue;
        if ((*it)[1] == "/") {
            if (offen.empty() || offen.back() != name) return "</" + name + "> ohne passendes <" + name + ">";
            offen.pop_back();
        } else {
            offen.push_back(name);
        }
    }
    return offen.empty() ? "" : "<" + offen.back() + "> nie geschlossen";
}

struct Ordner {
    fs::path pfad;
    explicit Ordner(const char* name) : pfad(fs::temp_directory_path() / name) { fs::create_directories(pfad); }
    ~Ordner() { fs::remove_all(pfad); }
    std::string operator/(const char* datei) const { return (pfad / datei).string(); }
};

// Ruft beim Öffnen des Saisonendes den Bericht und die Prüfung.
struct Saisonschluss : Saisonendeanzeige {
    std::function<void()> beimOeffnen;
    Saisonschluss() { SaisonendeAnzeigeSetzen(this); }
    ~Saisonschluss() override { SaisonendeAnzeigeSetzen(nullptr); }
    void oeffnen(const std::string&) override { beimOeffnen(); }
};

} // namespace

// Eine Saison mit zwei Computermanagern: Tore, Spiele und Ergebnisarten je Liga stimmen mit
// den Tabellen und den gespeicherten Ergebnissen, die Managerzeilen mit den Managern.
TEST(Bericht, ZahlenStimmenMitDemSpiel)
{
    Mitschrift ui;
    ui.frage = [](const std::string& text, Knoepfe k) { return AssistentAntwort(S.AktManager, text, k); };
    S = Spielstand{};
    ZufallSetzen(12);
    ASSERT_TRUE(SpielAufGrunddaten(2));
    Bilanzbericht b;
    b.neuesSpiel();
    bool geprueft = false;
    Saisonschluss schluss;
    schluss.beimOeffnen = [&] {
        b.saisonende();
        ASSERT_EQ(b.ligen.size(), 4u);
        for (const Ligasaison& l : b.ligen) {
            long tore = 0, spiele = 0, remis = 0, siege = 0, toreAusText = 0;
            for (int p = 1; p <= 18; ++p) {
                const Mannschaft_& v = S.Mannschaft[VereinAufPlatz(l.liga, p)];
                tore += v.Tore;
                spiele += v.Siege + v.Unentschieden + v.Niederlagen;
                remis += v.Unentschieden;
                siege += v.Siege;
                EXPECT_LE(v.Punkte, l.meisterPunkte);
            }
            for (int tag = 1; tag <= 34; ++tag)
                for (int p = 1; p <= 9; ++p) {
                    const std::string e = S.Ergebnisse[l.liga][tag][p].text();
                    const auto doppel = e.find(':');
                    ASSERT_NE(doppel, std::string::npos) << e;
                    toreAusText += std::stol(e.substr(0, doppel)) + std::stol(e.substr(doppel + 1));
                }
            EXPECT_EQ(l.spiele, 306) << "Liga " << l.liga;
            EXPECT_EQ(l.tore, tore);
            EXPECT_EQ(l.tore, toreAusText);
            EXPECT_EQ(2 * l.spiele, spiele);
            EXPECT_EQ(2 * l.remis, remis);
            EXPECT_EQ(l.heimsiege + l.auswaertssiege, siege);
            EXPECT_EQ(l.absteigerPunkte[2], S.Mannschaft[VereinAufPlatz(l.liga, 18)].Punkte);
        }
        ASSERT_EQ(b.manager.size(), 2u);
        for (int m = 0; m < 2; ++m) {
            const Managersaison& z = b.manager[static_cast<size_t>(m)];
            EXPECT_EQ(z.name, S.Manager[m].Name.text());
            EXPECT_EQ(z.liga, S.Manager[m].Liga);
            EXPECT_EQ(z.platz, S.Manager[m].Platz);
            EXPECT_EQ(z.konto, S.Manager[m].Kontostand);
            EXPECT_EQ(z.aufstieg, S.Manager[m].Platz <= 3);
        }
        geprueft = true;
    };
    for (long k = 0; Sitzung.BeendeteSaisons < 1 && !SpielVorbei() && k < 100000; ++k) {
        if (Sitzung.ZugOffen && HatSpiel(S.AktManager)) AssistentZug(S.AktManager);
        AbschlussClick();
    }
    EXPECT_TRUE(geprueft);
    // Zwei Ziehungen je Zug mit 1 zu 8: in einer Saison mit zwei Managern sicher einige.
    b.abschliessen();
    EXPECT_GT(b.ereignisse[0], 5);
}

// Ein kurzer Lauf mit --bericht: die Seite ist wohlgeformt und nennt jeden Teil, die CSV hat
// eine Zeile je Manager-Saison, so viele wie der Lauf meldet.
TEST(Bericht, SeiteUndTabelleEinesKurzenLaufs)
{
    const Ordner ordner("torvane_bericht_test");
    const std::string datei = ordner / "bilanz.html";
    const Ausgabe a = Lauf({"2", "--managers", "3", "--seed", "9", "--stufe", "gemischt", "--bericht", datei});
    ASSERT_EQ(a.code, 0) << a.fehler;

    const std::string html = Lesen(datei);
    EXPECT_EQ(Wohlgeformt(html), "");
    for (const char* teil : {"id=\"ueberblick\"", "id=\"ligen\"", "id=\"manager\"", "id=\"ereignisse\"",
                             "id=\"pokale\"", "<h2>Überblick</h2>", "<h2>Ligen</h2>", "<h2>Manager</h2>",
                             "<h2>Ereignisse</h2>", "<h2>Pokalsieger nach Nation</h2>", "Tore je Spiel",
                             "Pleiten je 100 Manager-Saisons", "Bundesliga", "Oberliga", "gezogen (alle)",
                             "id=\"stufen\"", "<td>alt</td>", "<td>neu</td>", "Stufe gemischt"})
        EXPECT_NE(html.find(teil), std::string::npos) << teil;
    size_t grafiken = 0;
    for (size_t p = html.find("<svg"); p != std::string::npos; p = html.find("<svg", p + 1)) ++grafiken;
    EXPECT_GE(grafiken, 5u); // mit Pleiten eine mehr
    EXPECT_EQ(html.find("http://"), html.find("http://www.w3.org/2000/svg")) << "nichts aus dem Netz";

    const std::string csv = Lesen(ordner / "bilanz.csv");
    std::vector<std::string> zeilen;
    std::istringstream ein(csv);
    for (std::string z; std::getline(ein, z);) zeilen.push_back(z);
    ASSERT_FALSE(zeilen.empty());
    EXPECT_EQ(zeilen[0].rfind("Lauf;Spiel;Saison;Manager;Verein;Liga;Platz;Konto;Vermoegen", 0), 0u);
    const auto stelle = a.aus.find(" Manager-Saisons");
    ASSERT_NE(stelle, std::string::npos) << a.aus;
    const long gemeldet = std::stol(a.aus.substr(a.aus.rfind(", ", stelle) + 2));
    EXPECT_EQ(static_cast<long>(zeilen.size()) - 1, gemeldet);
    if (a.aus.find("pleite") == std::string::npos && a.aus.find("ausgeschieden") == std::string::npos) {
        EXPECT_EQ(gemeldet, 6) << "drei Manager, zwei Saisons";
    }
    for (size_t i = 1; i < zeilen.size(); ++i)
        EXPECT_EQ(std::count(zeilen[i].begin(), zeilen[i].end(), ';'), 11) << zeilen[i];
    EXPECT_NE(csv.find(";neu\r\n"), std::string::npos);
    EXPECT_NE(csv.find(";alt\r\n"), std::string::npos);

    // Ein Bericht, der nicht geschrieben werden kann, ist ein Fehler.
    const Ausgabe b = Lauf({"1", "--days", "1", "--bericht", (ordner.pfad / "fehlt" / "x.html").string()});
    EXPECT_EQ(b.code, 2);
    EXPECT_NE(b.fehler.find("nicht geschrieben"), std::string::npos) << b.fehler;
}

// Kleinteile: Maskierung, CSV-Felder, die Pleitequote, der Name der CSV-Datei, leere Grafik.
TEST(Bericht, MaskierungQuoteUndDateinamen)
{
    Bilanzbericht b;
    Managersaison z;
    z.name = "A;B \"C\"";
    z.verein = "<FC & Co>";
    z.liga = 4;
    z.platz = 2;
    for (int i = 0; i < 40; ++i) b.manager.push_back(z);
    b.pleiten.resize(2);
    EXPECT_DOUBLE_EQ(b.pleitenJeHundert(), 5.0);
    EXPECT_NE(b.csv().find(";\"A;B \"\"C\"\"\";<FC & Co>;4;2;"), std::string::npos) << b.csv();
    // Namen, die wie Formeln beginnen, bleiben Text; die Zahlen des Berichts bleiben Zahlen.
    for (const auto& [name, feld] : std::initializer_list<std::pair<std::string, std::string>>{
             {"=SUMME(A1)", "'=SUMME(A1)"}, {"+1", "'+1"}, {"-1", "'-1"}, {"@x", "'@x"}, {"\tx", "'\tx"},
             {"\rx", "\"'\rx\""}, {"a\"b", "\"a\"\"b\""}, {"a\nb", "\"a\nb\""}, {"a=b", "a=b"}}) {
        Bilanzbericht c;
        z.name = name;
        z.konto = -5000;
        c.manager = {z};
        EXPECT_NE(c.csv().find(";" + feld + ";<FC & Co>;4;2;-5000;"), std::string::npos) << name << "\n" << c.csv();
    }
    const std::string html = b.html();
    EXPECT_NE(html.find("&lt;FC &amp; Co&gt;"), std::string::npos);
    EXPECT_EQ(html.find("<FC"), std::string::npos);
    EXPECT_EQ(Wohlgeformt(html), "");

    EXPECT_EQ(Bilanzbericht::csvPfad("a/b.html"), "a/b.csv");
    EXPECT_EQ(Bilanzbericht::csvPfad("bericht"), "bericht.csv");
    EXPECT_EQ(Bilanzbericht::csvPfad("x.csv"), "x.csv.csv") << "die Seite wird nie überschrieben";
    EXPECT_NE(LinienSvg("leer", "Saison", {}, {}).find("keine Daten"), std::string::npos);
    EXPECT_EQ(Dezimal(2.5, 2), "2,50");
    EXPECT_EQ(Dezimal(-0.04, 1), "0,0");
    EXPECT_EQ(Dezimal(-12.25, 1), "-12,2");

    // Tabellenplätze stehen auf dem Kopf: Platz 1 oben, Platz 72 unten; x von links nach rechts.
    Achse plaetze;
    plaetze.umgekehrt = true;
    plaetze.von = 1;
    plaetze.bis = 72;
    const std::string svg = LinienSvg("Plätze", "Saison", {{"A", {{1, 1}, {2, 72}}}}, plaetze);
    EXPECT_NE(svg.find("points=\"100.0,40.0 760.0,320.0 \""), std::string::npos) << svg;
    EXPECT_EQ(Wohlgeformt(svg), "");

    // Gezählt wird nur, was seit dem Anlegen des Berichts geschah.
    Sitzung.EreignisZaehler[7] += 2;
    Bilanzbericht e;
    Sitzung.EreignisZaehler[7] += 3;
    e.abschliessen();
    EXPECT_EQ(e.ereignisse[7], 3);
    EXPECT_NE(e.html().find("<td>Ereignis 7</td><td class=\"z\">3</td>"), std::string::npos);
    EXPECT_EQ(e.html().find("Ereignis 8<"), std::string::npos) << "nie eingetretene bleiben weg";
    // Ein neues Spiel zählt von vorn; übernommen wird je Spiel einmal, was dazukam.
    SitzungZuruecksetzen();
    e.neuesSpiel();
    Sitzung.EreignisZaehler[7] += 4;
    e.abschliessen();
    e.abschliessen();
    EXPECT_EQ(e.ereignisse[7], 7);
}

// Die Stufen nebeneinander: Titel zählen nur in der Bundesliga, die Abgabegrenze am Vermögen,
// Pleiten und Champions-League-Siege bei der Stufe ihres Managers.
TEST(Bericht, StufenNebeneinander)
{
    Bilanzbericht b;
    struct Z {
        const char* stufe;
        int liga, platz;
        int64_t vermoegen;
    };
    for (const Z z : {Z{"neu", 1, 1, 1900000000}, Z{"neu", 1, 3, 500000000}, Z{"neu", 2, 1, 10}, Z{"alt", 1, 8, 1850000000},
                      Z{"alt", 1, 1, 1799999999}, Z{"alt", 3, 2, 0}}) {
        Managersaison m;
        m.stufe = z.stufe;
        m.liga = z.liga;
        m.platz = z.platz;
        m.vermoegen = z.vermoegen;
        m.konto = 1000;
        b.manager.push_back(m);
    }
    b.pleiten.push_back({1, 1, 1, 5, 4, "X", "alt"});
    b.championsLeague["neu"] = 2;
    const Stufensumme neu = b.stufensumme("neu"), alt = b.stufensumme("alt"), alle = b.stufensumme("");
    EXPECT_EQ(neu.saisons, 3);
    EXPECT_EQ(neu.bundesliga, 2);
    EXPECT_EQ(neu.titel, 1) << "Platz 1 der 2.Liga ist kein Titel";
    EXPECT_DOUBLE_EQ(neu.platzBundesliga, 2.0);
    EXPECT_EQ(neu.anGrenze, 1);
    EXPECT_EQ(neu.championsLeague, 2);
    EXPECT_EQ(neu.pleiten, 0);
    EXPECT_EQ(alt.titel, 1);
    EXPECT_EQ(alt.anGrenze, 1);
    EXPECT_EQ(alt.pleiten, 1);
    EXPECT_EQ(alle.saisons, 6);
    EXPECT_EQ(alle.championsLeague, 2);
    EXPECT_EQ(alle.kontoMittel, 1000);
    const std::string html = b.html();
    EXPECT_NE(html.find("<td>neu</td><td class=\"z\">3</td><td class=\"z\">2</td><td class=\"z\">1</td><td class=\"z\">50,0 %</td>"),
              std::string::npos);
    EXPECT_EQ(Wohlgeformt(html), "");
}

// Zu kleine Kader je Stufe: Züge mit weniger als elf oder ohne Torwart, und die längste Folge je Manager.
TEST(Bericht, ZuKleineKader)
{
    EchtesSpiel(2, 5);
    Bilanzbericht b;
    b.stufen[S.Manager[0].Name.text()] = "neu";
    b.stufen[S.Manager[1].Name.text()] = "alt";
    const int voll = S.Manager[0].KaderAnzahl;
    for (const int n : {voll, 10, 10, voll, 10}) {
        S.Manager[0].KaderAnzahl = static_cast<uint8_t>(n);
        b.zug(0);
        b.zug(1);
    }
    S.Manager[1].Kader[1].Position.rohSetzen("V"); // sein einziger Torwart spielt jetzt Abwehr
    b.zug(1);
    EXPECT_EQ((std::pair{b.stufensumme("neu").knapp, b.stufensumme("neu").knappFolge}), (std::pair{3L, 2}));
    EXPECT_EQ((std::pair{b.stufensumme("alt").knapp, b.stufensumme("alt").knappFolge}), (std::pair{1L, 1}));
}

// --passiv und --bericht; --bericht darf vor --autoplay stehen.
TEST(Autoplay, BerichtUndPassivAlsAngaben)
{
    const char* vorn[] = {"torvane", "--bericht", "b.html", "--autoplay", "100", "--managers", "4", "--passiv"};
    const auto angaben = AutoplayAngaben(8, vorn);
    EXPECT_EQ(angaben, (std::vector<std::string>{"100", "--bericht", "b.html", "--managers", "4", "--passiv"}));
    AutoplayOptionen o;
    std::string f;
    ASSERT_TRUE(AutoplayArgumente(angaben, o, f)) << f;
    EXPECT_EQ(o.saisons, 100);
    EXPECT_EQ(o.bericht, "b.html");
    EXPECT_TRUE(o.passiv);
    EXPECT_EQ(o.stufe, "neu");
    ASSERT_TRUE(AutoplayArgumente({"3", "--stufe", "alt"}, o, f)) << f;
    EXPECT_EQ(o.stufe, "alt");
    EXPECT_FALSE(AutoplayArgumente({"3", "--stufe", "klug"}, o, f));
    const char* hinten[] = {"torvane", "--autoplay", "3"};
    EXPECT_EQ(AutoplayAngaben(3, hinten), (std::vector<std::string>{"3"}));
    EXPECT_FALSE(AutoplayArgumente({"3", "--bericht"}, o, f));
}

// --save am Ende eines Laufs, in dem der letzte Manager geht: mit Neustart wird das neue Spiel
// gespeichert; ohne sagt die Meldung, warum nichts gespeichert wird.
TEST(Autoplay, SpeichernNachdemDerLetzteGing)
{
    const Ordner ordner("torvane_autoplay_ende");
    const std::string pleite = ordner / "pleite.lig";
    {
        Mitschrift ui;
        S = Spielstand{};
        ZufallSetzen(3);
        ASSERT_TRUE(SpielAufGrunddaten(1));
        S.Manager[0].Kontostand = -200000000; // das Vermögen ist weit unter null
        ASSERT_TRUE(SpielstandDatei("save", pleite));
    }
    const std::string neu = ordner / "neu.lig";
    const Ausgabe a = Lauf({"1", "--load", pleite, "--days", "1", "--save", neu});
    EXPECT_EQ(a.code, 0) << a.fehler;
    EXPECT_NE(a.aus.find("Neues Spiel mit 1 Manager(n)."), std::string::npos) << a.aus;
    EXPECT_NE(a.aus.find("Gespeichert: " + neu), std::string::npos) << a.aus;
    const Ausgabe geladen = Lauf({"1", "--load", neu, "--days", "0"});
    EXPECT_EQ(geladen.code, 0) << geladen.fehler;
    EXPECT_NE(geladen.aus.find("Saison 1, 1 Manager"), std::string::npos) << geladen.aus;

    const std::string nichts = ordner / "nichts.lig";
    const Ausgabe b = Lauf({"1", "--load", pleite, "--days", "1", "--save", nichts, "--no-restart"});
    EXPECT_EQ(b.code, 2);
    EXPECT_NE(b.fehler.find("--no-restart"), std::string::npos) << b.fehler;
    EXPECT_FALSE(fs::exists(nichts));
}
