// docs/spielstand.md gegen den Code: jede Lage, Größe und jeder Typ der Tabellen dort
// muss zu den Datensätzen (offsetof/sizeof) und zu den Bytes passen, die das Spiel
// schreibt. So kann die Beschreibung nicht unbemerkt veralten.
#include "core/Cp1252.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

using namespace torvane;

namespace {

// --- Die Tabellen des Dokuments ---

struct Tabelle {
    std::string ueberschrift; // die letzte Überschrift davor, ohne "#"
    std::vector<std::vector<std::string>> zeilen; // ohne Kopf und Trennzeile
};

std::string Ohne(std::string s, const std::string& zeichen)
{
    std::string aus;
    for (char c : s)
        if (zeichen.find(c) == std::string::npos) aus += c;
    return aus;
}

std::string Getrimmt(const std::string& s)
{
    const auto a = s.find_first_not_of(' ');
    const auto e = s.find_last_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, e - a + 1);
}

std::vector<Tabelle> TabellenLesen()
{
    std::ifstream datei(TORVANE_QUELLEN "/docs/spielstand.md");
    std::vector<Tabelle> tabellen;
    std::string zeile, ueberschrift;
    bool inTabelle = false;
    while (std::getline(datei, zeile)) {
        if (zeile.rfind("#", 0) == 0) ueberschrift = Getrimmt(Ohne(zeile, "#"));
        if (zeile.rfind("|", 0) != 0) {
            inTabelle = false;
            continue;
        }
        std::vector<std::string> zellen;
        std::stringstream z(zeile.substr(1));
        for (std::string zelle; std::getline(z, zelle, '|');) zellen.push_back(Getrimmt(zelle));
        if (!inTabelle) { // Kopfzeile
            tabellen.push_back({ueberschrift, {}});
            inTabelle = true;
        } else if (zellen[0].rfind("---", 0) != 0) {
            tabellen.back().zeilen.push_back(zellen);
        }
    }
    return tabellen;
}

// Der Name in Backticks am Anfang einer Zelle ("`Feld`: ..." -> "Feld").
std::string Name(const std::string& zelle)
{
    const auto a = zelle.find('`');
    const auto e = zelle.find('`', a + 1);
    return a == std::string::npos || e == std::string::npos ? std::string() : zelle.substr(a + 1, e - a - 1);
}

// --- Rechenausdrücke wie "B + 4 + 4 × (NS + 1) × 62" ---

class Ausdruck {
public:
    Ausdruck(const std::string& text, const std::map<std::string, int64_t>& werte) : t_(text), werte_(werte) {}
    int64_t wert()
    {
        const int64_t w = summe();
        leer();
        if (i_ != t_.size()) throw std::runtime_error("Rest in \"" + t_ + "\"");
        return w;
    }

private:
    void leer()
    {
        while (i_ < t_.size() && t_[i_] == ' ') ++i_;
    }
    bool nimm(const std::string& s)
    {
        leer();
        if (t_.compare(i_, s.size(), s) != 0) return false;
        i_ += s.size();
        return true;
    }
    int64_t summe()
    {
        int64_t w = produkt();
        for (;;) {
            if (nimm("+")) w += produkt();
            else if (nimm("-") || nimm("−")) w -= produkt();
            else return w;
        }
    }
    int64_t produkt()
    {
        int64_t w = faktor();
        while (nimm("×") || nimm("*")) w *= faktor();
        return w;
    }
    int64_t faktor()
    {
        if (nimm("(")) {
            const int64_t w = summe();
            if (!nimm(")")) throw std::runtime_error("Klammer fehlt in \"" + t_ + "\"");
            return w;
        }
        leer();
        const size_t a = i_;
        if (i_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_]))) {
            while (i_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_]))) ++i_;
            return std::stoll(t_.substr(a, i_ - a));
        }
        while (i_ < t_.size() && std::isalpha(static_cast<unsigned char>(t_[i_]))) ++i_;
        const auto it = werte_.find(t_.substr(a, i_ - a));
        if (it == werte_.end()) throw std::runtime_error("Unbekannt in \"" + t_ + "\" bei " + std::to_string(a));
        return it->second;
    }
    std::string t_;
    const std::map<std::string, int64_t>& werte_;
    size_t i_ = 0;
};

int64_t Wert(const std::string& text, const std::map<std::string, int64_t>& werte)
{
    return Ausdruck(text, werte).wert();
}

// --- Typnamen wie im Dokument: i32, str[25], u8[260], Kaderspieler_[24], u8[4][10] ---

template <class T>
struct Typ;
template <> struct Typ<int8_t> { static std::string name() { return "i8"; } };
template <> struct Typ<uint8_t> { static std::string name() { return "u8"; } };
template <> struct Typ<int16_t> { static std::string name() { return "i16"; } };
template <> struct Typ<uint16_t> { static std::string name() { return "u16"; } };
template <> struct Typ<int32_t> { static std::string name() { return "i32"; } };
template <> struct Typ<float> { static std::string name() { return "f32"; } };
// Ein Aufzählungstyp steht im Spielstand als seine Zahl.
template <> struct Typ<Wettbewerb_> : Typ<std::underlying_type_t<Wettbewerb_>> {};
template <int N> struct Typ<KurzText<N>> { static std::string name() { return "str[" + std::to_string(N) + "]"; } };
#define DATENSATZ(T) template <> struct Typ<T> { static std::string name() { return #T; } }
DATENSATZ(Kaderspieler_);
DATENSATZ(Mannschaft_);
DATENSATZ(Spieler_);
DATENSATZ(Manager_);
DATENSATZ(Statistik_);
DATENSATZ(Saisonbilanz_);
DATENSATZ(Werbevertrag_);
DATENSATZ(Trainereintrag_);
DATENSATZ(Vorwerte_);
DATENSATZ(ChlEintrag_);
DATENSATZ(Spiel_);
#undef DATENSATZ
// Mehrdimensional wie in C: der äußere Index steht vorn, hinter dem Grundtyp.
template <class T, size_t N> struct Typ<T[N]> {
    static std::string name() { return Einfuegen(Typ<T>::name(), N); }
    static std::string Einfuegen(const std::string& innen, size_t n)
    {
        // Die Klammer eines str[N] gehört zum Grundtyp.
        const size_t grund = innen.rfind("str[", 0) == 0 ? innen.find(']') + 1 : innen.find('[');
        const size_t stelle = grund == std::string::npos ? innen.size() : grund;
        return innen.substr(0, stelle) + "[" + std::to_string(n) + "]" + innen.substr(stelle);
    }
};
template <class T, int Von, int Bis> struct Typ<Feld<T, Von, Bis>> {
    static std::string name() { return Typ<T[1]>::Einfuegen(Typ<T>::name(), Bis - Von + 1); }
};

struct Feldlage {
    std::string satz, feld;
    size_t lage, groesse;
    std::string typ;
};

#define F(satz, feld) Feldlage{#satz, #feld, offsetof(satz, feld), sizeof(satz::feld), Typ<decltype(satz::feld)>::name()}
const std::vector<Feldlage> FelderImCode = {
    F(Spiel_, ManagerHoch), F(Spiel_, AnzeigeLiga), F(Spiel_, AnzeigeErster), F(Spiel_, Spieltag),
    F(Spiel_, Wettbewerb), F(Spiel_, Saison), F(Spiel_, Reserve1), F(Spiel_, MannschaftHoch),
    F(Spiel_, DeutscheHoch), F(Spiel_, SpielerHoch), F(Spiel_, Aktienkurs), F(Spiel_, ChlSpieltag),
    F(Spiel_, NationAnzahl), F(Spiel_, Reserve2),
    F(Mannschaft_, Siege), F(Mannschaft_, Unentschieden), F(Mannschaft_, Niederlagen), F(Mannschaft_, Liga),
    F(Mannschaft_, Platz), F(Mannschaft_, Reserve1), F(Mannschaft_, Moral), F(Mannschaft_, Gesamt),
    F(Mannschaft_, Punkte), F(Mannschaft_, Tore), F(Mannschaft_, Gegentore), F(Mannschaft_, Verteidigung),
    F(Mannschaft_, Mittelfeld), F(Mannschaft_, Angriff), F(Mannschaft_, SpielplanNr), F(Mannschaft_, EwigePunkte),
    F(Mannschaft_, Name), F(Mannschaft_, DfbRunde), F(Mannschaft_, UefaRunde), F(Mannschaft_, PdpRunde),
    F(Mannschaft_, ChlRunde), F(Mannschaft_, Legende), F(Mannschaft_, Nation), F(Mannschaft_, Reserve2),
    F(Spieler_, Vorname), F(Spieler_, Nachname), F(Spieler_, Position), F(Spieler_, Nation),
    F(Spieler_, Zusatz),
    F(Kaderspieler_, Eingesetzt), F(Kaderspieler_, Verletzt), F(Kaderspieler_, Form), F(Kaderspieler_, Vertrag),
    F(Kaderspieler_, VerletzungArt), F(Kaderspieler_, Transferstatus), F(Kaderspieler_, Verhandelt), F(Kaderspieler_, Angebote),
    F(Kaderspieler_, Alter), F(Kaderspieler_, Technik), F(Kaderspieler_, Konstitution), F(Kaderspieler_, KonstMax),
    F(Kaderspieler_, Staerke), F(Kaderspieler_, Reserve1), F(Kaderspieler_, Wert), F(Kaderspieler_, Gehalt),
    F(Kaderspieler_, Vorname), F(Kaderspieler_, Nachname), F(Kaderspieler_, Position), F(Kaderspieler_, Zusatz),
    F(Kaderspieler_, Nation), F(Kaderspieler_, GelbNational), F(Kaderspieler_, RotNational), F(Kaderspieler_, GelbInternational),
    F(Kaderspieler_, RotInternational), F(Kaderspieler_, Reserve2),
    F(Manager_, KaderAnzahl), F(Manager_, TrainerStufe), F(Manager_, TrainerSpiele), F(Manager_, Liga),
    F(Manager_, Platz), F(Manager_, Einsatz), F(Manager_, Trainer), F(Manager_, HeimspieleSaison),
    F(Manager_, Trainingsstunden), F(Manager_, TrainingVerteidigung), F(Manager_, TrainingMittelfeld), F(Manager_, TrainingAngriff),
    F(Manager_, Baelle), F(Manager_, BaelleTechnik), F(Manager_, BaelleKonstitution), F(Manager_, Reserve1),
    F(Manager_, TeamStaerke), F(Manager_, Eintrittspreis), F(Manager_, DarlehenRestSpiele), F(Manager_, Aktien),
    F(Manager_, Dauerkartenpreis), F(Manager_, AktienkursGemerkt), F(Manager_, Kontostand), F(Manager_, Kredit),
    F(Manager_, Sparbuch), F(Manager_, ZuschauerSaison), F(Manager_, KaderWert), F(Manager_, KaderGehalt),
    F(Manager_, Werbeeinnahmen), F(Manager_, DarlehenRate), F(Manager_, AnlageBetrag), F(Manager_, TrainerPreis),
    F(Manager_, TrainerGehalt), F(Manager_, AnlageWert), F(Manager_, Vermoegen), F(Manager_, ZuschauerLetzte),
    F(Manager_, Nebeneinnahmen), F(Manager_, Plaetze), F(Manager_, Ausgaben), F(Manager_, Einnahmen),
    F(Manager_, Pokalzuschlag), F(Manager_, Stadionkosten), F(Manager_, Komfortpunkte), F(Manager_, DauerkartenImVerkauf),
    F(Manager_, DauerkartenVerkauft), F(Manager_, SpieleGespielt), F(Manager_, HeimSiege), F(Manager_, AuswaertsSpiele),
    F(Manager_, AuswaertsSiege), F(Manager_, Remis), F(Manager_, HeimSpiele), F(Manager_, Vereinsname),
    F(Manager_, SpielSystem), F(Manager_, Name), F(Manager_, TotoTip), F(Manager_, Reserve2),
    F(Manager_, Werbeanfragen), F(Manager_, Managerpunkte), F(Manager_, Kader),
    F(Trainereintrag_, Nummer), F(Trainereintrag_, Preis), F(Trainereintrag_, GehaltProSpiel), F(Trainereintrag_, Stufe),
    F(Trainereintrag_, Reserve),
    F(Saisonbilanz_, DfbErgebnis), F(Saisonbilanz_, UefaErgebnis), F(Saisonbilanz_, PdpErgebnis), F(Saisonbilanz_, ChlErgebnis),
    F(Saisonbilanz_, Liga), F(Saisonbilanz_, Platz),
    F(Statistik_, Reserve1), F(Statistik_, Teamstaerken), F(Statistik_, Reserve2), F(Statistik_, Plaetze),
    F(Statistik_, Geldgrenze), F(Statistik_, Geldpunkte),
    F(Vorwerte_, TeamStaerke), F(Vorwerte_, Moral), F(Vorwerte_, Platz), F(Vorwerte_, Heimspiele),
    F(Vorwerte_, Reserve), F(Vorwerte_, KaderWert), F(Vorwerte_, Werbeeinnahmen), F(Vorwerte_, Vermoegen),
    F(Vorwerte_, ZuschauerLetzte),
    F(Werbevertrag_, Betrag), F(Werbevertrag_, SpieleGesamt), F(Werbevertrag_, SpieleRest), F(Werbevertrag_, Sponsor),
    F(Werbevertrag_, Reserve),
    F(ChlEintrag_, ChlSlot), F(ChlEintrag_, ChlPunkte), F(ChlEintrag_, ChlTore), F(ChlEintrag_, ChlGegentore),
    F(ChlEintrag_, ChlErgebnisse), F(ChlEintrag_, Reserve),
};
#undef F

const std::map<std::string, size_t> SatzGroesse = {
    {"Spiel_", sizeof(Spiel_)},           {"Mannschaft_", sizeof(Mannschaft_)}, {"Spieler_", sizeof(Spieler_)},
    {"Kaderspieler_", sizeof(Kaderspieler_)}, {"Manager_", sizeof(Manager_)},   {"Trainereintrag_", sizeof(Trainereintrag_)},
    {"Saisonbilanz_", sizeof(Saisonbilanz_)}, {"Statistik_", sizeof(Statistik_)}, {"Vorwerte_", sizeof(Vorwerte_)},
    {"Werbevertrag_", sizeof(Werbevertrag_)}, {"ChlEintrag_", sizeof(ChlEintrag_)}};

// Größe eines Typs aus dem Dokument ("Saisonbilanz_[4][NS + 1]") mit den Zählern.
int64_t TypGroesse(const std::string& typ, const std::map<std::string, int64_t>& werte)
{
    static const std::map<std::string, int64_t> grund = {{"i8", 1}, {"u8", 1}, {"i16", 2}, {"u16", 2}, {"i32", 4}, {"f32", 4}};
    std::string rest = typ;
    int64_t g = 0;
    if (rest.rfind("str[", 0) == 0) {
        const size_t e = rest.find(']');
        g = std::stoll(rest.substr(4, e - 4)) + 1;
        rest = rest.substr(e + 1);
    } else {
        const std::string name = rest.substr(0, rest.find('['));
        rest = rest.substr(name.size());
        if (grund.count(name)) g = grund.at(name);
        else if (SatzGroesse.count(name)) g = static_cast<int64_t>(SatzGroesse.at(name));
        else throw std::runtime_error("Unbekannter Typ " + typ);
    }
    while (!rest.empty()) {
        const size_t e = rest.find(']');
        g *= Wert(rest.substr(1, e - 1), werte);
        rest = rest.substr(e + 1);
    }
    return g;
}

// Ein kleiner Spielstand, dessen Blöcke sich alle unterscheiden.
void StandMit(int nc, int np, int ns, const std::string& bericht)
{
    S = Spielstand{};
    S.Mannschaft.laengeSetzen(nc + 1);
    S.Spieler.laengeSetzen(np + 1);
    for (auto& l : S.Saisonbilanz) l.laengeSetzen(ns + 1);
    uint8_t muster = 1;
    auto fuellen = [&muster](void* ort, size_t n) {
        auto* b = static_cast<uint8_t*>(ort);
        for (size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(muster + i * 7);
        ++muster;
    };
    fuellen(S.Mannschaft.daten(), S.Mannschaft.laenge() * sizeof(Mannschaft_));
    fuellen(S.Spieler.daten(), S.Spieler.laenge() * sizeof(Spieler_));
    for (auto& l : S.Saisonbilanz) fuellen(l.daten(), l.laenge() * sizeof(Saisonbilanz_));
    fuellen(&S.Manager, sizeof S.Manager);
    fuellen(&S.Transferliste, sizeof S.Transferliste);
    fuellen(&S.Optionen, sizeof S.Optionen);
    fuellen(&S.Statistik, sizeof S.Statistik);
    fuellen(&S.Ergebnisse, sizeof S.Ergebnisse);
    fuellen(&S.Werbevertraege, sizeof S.Werbevertraege);
    fuellen(&S.Trainermarkt, sizeof S.Trainermarkt);
    fuellen(&S.Vorwerte, sizeof S.Vorwerte);
    fuellen(&S.ChlTabelle, sizeof S.ChlTabelle);
    fuellen(&S.Spiel, sizeof S.Spiel);
    S.Spiel.MannschaftHoch = nc;
    S.Spiel.SpielerHoch = np;
    S.Spiel.ManagerHoch = 2;
    S.AktManager = 1;
    S.Trainingsbericht = bericht;
}

std::string Bytes(const void* ort, size_t n) { return std::string(static_cast<const char*>(ort), n); }

} // namespace

// Jede Datensatztabelle: Größe in der Überschrift, lückenlose Felder und für jedes Feld
// Lage, Größe und Typ wie im Code; kein Feld des Codes fehlt.
TEST(Spielstandformat, DatensaetzeWieImCode)
{
    std::map<std::string, int> beschrieben;
    for (const Tabelle& t : TabellenLesen()) {
        const std::string satz = Name(t.ueberschrift);
        if (!SatzGroesse.count(satz)) continue;
        SCOPED_TRACE(satz);
        EXPECT_NE(t.ueberschrift.find("(" + std::to_string(SatzGroesse.at(satz)) + " Bytes)"), std::string::npos);
        size_t lage = 0;
        for (const auto& z : t.zeilen) {
            ASSERT_EQ(z.size(), 4u) << z[0];
            const std::string feld = Name(z[0]);
            SCOPED_TRACE(feld);
            EXPECT_EQ(std::stoul(z[1]), lage);
            lage = std::stoul(z[1]) + std::stoul(z[2]);
            const Feldlage* code = nullptr;
            for (const Feldlage& f : FelderImCode)
                if (f.satz == satz && f.feld == feld) code = &f;
            ASSERT_NE(code, nullptr) << "im Code unbekannt";
            EXPECT_EQ(std::stoul(z[1]), code->lage);
            EXPECT_EQ(std::stoul(z[2]), code->groesse);
            EXPECT_EQ(z[3], code->typ);
            EXPECT_EQ(TypGroesse(z[3], {}), static_cast<int64_t>(code->groesse));
            ++beschrieben[satz];
        }
        EXPECT_EQ(lage, SatzGroesse.at(satz)) << "Felder füllen den Datensatz nicht";
    }
    for (const auto& [satz, groesse] : SatzGroesse) {
        int imCode = 0;
        for (const Feldlage& f : FelderImCode) imCode += f.satz == satz;
        EXPECT_EQ(beschrieben[satz], imCode) << satz << ": nicht jedes Feld beschrieben";
    }
}

// Die Blocktabelle gegen die Bytes des Schreibers: Marken wie LageBerechnen, Blöcke
// lückenlos bis zur Dateilänge, und an jeder Lage steht genau der beschriebene Block.
TEST(Spielstandformat, BloeckeWieDerSchreiber)
{
    const std::vector<Tabelle> tabellen = TabellenLesen();
    const Tabelle* marken = nullptr;
    const Tabelle* bloecke = nullptr;
    for (const Tabelle& t : tabellen) {
        if (t.ueberschrift != "Aufbau der Datei") continue;
        (t.zeilen.front().size() == 2 ? marken : bloecke) = &t;
    }
    ASSERT_TRUE(marken && bloecke);

    struct Fall {
        int nc, np, ns;
        std::string bericht;
    };
    for (const Fall& fall : {Fall{20, 30, 1, "Abwehr +2\r\nÄußerst gut."}, Fall{147, 1500, 2, ""}}) {
        SCOPED_TRACE(fall.nc);
        StandMit(fall.nc, fall.np, fall.ns, fall.bericht);
        const std::string datei = SpielstandSchreiben();
        const std::string bericht = Utf8NachCp1252(fall.bericht);
        std::map<std::string, int64_t> w = {
            {"NC", fall.nc}, {"NP", fall.np}, {"NS", fall.ns}, {"L", static_cast<int64_t>(bericht.size())}};
        for (const auto& z : marken->zeilen) w[z[0]] = Wert(z[1], w);
        const SpielstandLage l = LageBerechnen(fall.nc, fall.np, fall.ns, w["L"]);
        EXPECT_EQ(w["A"], l.A);
        EXPECT_EQ(w["B"], l.B);
        EXPECT_EQ(w["C"], l.C);
        EXPECT_EQ(w["D"], l.D);
        EXPECT_EQ(w["Dateilänge"], static_cast<int64_t>(datei.size()));

        std::string bilanz;
        for (const auto& b : S.Saisonbilanz) bilanz += Bytes(b.daten(), b.laenge() * sizeof(Saisonbilanz_));
        const std::map<std::string, std::string> inhalt = {
            {"Mannschaft", Bytes(S.Mannschaft.daten(), S.Mannschaft.laenge() * sizeof(Mannschaft_))},
            {"Spieler", Bytes(S.Spieler.daten(), S.Spieler.laenge() * sizeof(Spieler_))},
            {"Saisonbilanz", bilanz},
            {"Manager", Bytes(&S.Manager, sizeof S.Manager)},
            {"Transferliste", Bytes(&S.Transferliste, sizeof S.Transferliste)},
            {"Optionen", Bytes(&S.Optionen, sizeof S.Optionen)},
            {"Statistik", Bytes(&S.Statistik, sizeof S.Statistik)},
            {"Ergebnisse", Bytes(&S.Ergebnisse, sizeof S.Ergebnisse)},
            {"Werbevertraege", Bytes(&S.Werbevertraege, sizeof S.Werbevertraege)},
            {"Trainermarkt", Bytes(&S.Trainermarkt, sizeof S.Trainermarkt)},
            {"Vorwerte", Bytes(&S.Vorwerte, sizeof S.Vorwerte)},
            {"Spiel", Bytes(&S.Spiel, sizeof S.Spiel)},
            {"AktManager", Bytes(&S.AktManager, 1)},
            {"ChlTabelle", Bytes(&S.ChlTabelle, sizeof S.ChlTabelle)},
            {"Trainingsbericht", bericht}};
        const std::map<std::string, int32_t> zahl = {
            {"Version", SpielstandVersion}, {"NC", fall.nc}, {"NP", fall.np}, {"NS", fall.ns},
            {"L", static_cast<int32_t>(bericht.size())}};

        int64_t lage = 0;
        std::set<std::string> gesehen;
        for (const auto& z : bloecke->zeilen) {
            const std::string name = Name(z[3]);
            SCOPED_TRACE(name);
            const int64_t ort = Wert(z[0], w);
            const int64_t groesse = Wert(z[1], w);
            EXPECT_EQ(ort, lage);
            lage = ort + groesse;
            ASSERT_LE(lage, static_cast<int64_t>(datei.size()));
            if (z[2] != "Text") {
                EXPECT_EQ(TypGroesse(z[2], w), groesse);
            }
            const std::string dort = datei.substr(static_cast<size_t>(ort), static_cast<size_t>(groesse));
            if (zahl.count(name)) {
                ASSERT_EQ(z[2], "i32");
                int32_t v;
                std::memcpy(&v, dort.data(), 4);
                EXPECT_EQ(v, zahl.at(name));
            } else {
                ASSERT_TRUE(inhalt.count(name)) << "unbekannter Block";
                EXPECT_TRUE(dort == inhalt.at(name)) << "andere Bytes";
            }
            gesehen.insert(name);
        }
        EXPECT_EQ(lage, static_cast<int64_t>(datei.size()));
        EXPECT_EQ(gesehen.size(), inhalt.size() + zahl.size()) << "nicht jeder Block beschrieben";
    }
    S = Spielstand{};
}
