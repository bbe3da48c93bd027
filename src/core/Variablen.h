// Der eine Spielstand: alle Datensätze mit ihrem festen Speicherbild, die
// Grunddaten und die Arbeitswerte. Die Speicherbilder sind zugleich das
// Dateiformat der Spielstände, daher sind Größe und Lage jedes Feldes festgenagelt.
#pragma once

#include "core/Befehl.h"
#include "core/Felder.h"
#include "core/KurzText.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

namespace torvane {

static_assert(std::endian::native == std::endian::little, "Spielstände sind little-endian");

constexpr int SpielstandVersion = 1;

// Der Wettbewerb eines Tages; im Spielstand eine 32-Bit-Zahl 0..4.
enum class Wettbewerb_ : int32_t { Liga = 0, Dfb = 1, Uefa = 2, Pdp = 3, Chl = 4 };

// Die Zahl im Spielstand, für Tafeln und Meldungen.
constexpr int WettbewerbNr(Wettbewerb_ w) { return static_cast<int>(w); }
// Liga und DFB-Pokal zählen Karten national, die drei Europapokale international.
constexpr bool National(Wettbewerb_ w) { return w == Wettbewerb_::Liga || w == Wettbewerb_::Dfb; }
// Ein Pokal oder die ChampionsLige, kein Wert außerhalb (etwa aus einem fremden Spielstand).
constexpr bool PokalOderChl(Wettbewerb_ w) { return w >= Wettbewerb_::Dfb && w <= Wettbewerb_::Chl; }
// Die drei Pokale mit Auslosung und die Pokale samt ChampionsLige.
constexpr std::array<Wettbewerb_, 3> Pokalwettbewerbe = {Wettbewerb_::Dfb, Wettbewerb_::Uefa, Wettbewerb_::Pdp};
constexpr std::array<Wettbewerb_, 4> PokaleUndChl = {Wettbewerb_::Dfb, Wettbewerb_::Uefa, Wettbewerb_::Pdp,
                                                     Wettbewerb_::Chl};
// "Liga", "DFB-Pokal", "Uefa Pokal", "Pokal der Pokalsieger", "Champions League"; für Berichte.
const char* WettbewerbName(Wettbewerb_ w);

struct Spiel_ {
    int32_t ManagerHoch;
    int32_t AnzeigeLiga;
    int32_t AnzeigeErster;
    int32_t Spieltag;
    Wettbewerb_ Wettbewerb;
    int32_t Saison;
    int32_t Reserve1;
    int32_t MannschaftHoch;
    int32_t DeutscheHoch;
    int32_t SpielerHoch;
    int32_t Aktienkurs;
    int32_t ChlSpieltag;
    int32_t NationAnzahl;
    uint8_t Reserve2[260];
};

struct Mannschaft_ {
    uint8_t Siege;
    uint8_t Unentschieden;
    uint8_t Niederlagen;
    uint8_t Liga;
    uint8_t Platz;
    uint8_t Reserve1;
    int16_t Moral;
    int16_t Gesamt;
    int16_t Punkte;
    int16_t Tore;
    int16_t Gegentore;
    int16_t Verteidigung;
    int16_t Mittelfeld;
    int16_t Angriff;
    int16_t SpielplanNr;
    float EwigePunkte;
    KurzText<25> Name;
    KurzText<12> DfbRunde;
    KurzText<12> UefaRunde;
    KurzText<12> PdpRunde;
    KurzText<12> ChlRunde;
    KurzText<10> Legende;
    KurzText<3> Nation;
    uint8_t Reserve2[3];
};

struct Spieler_ {
    KurzText<20> Vorname;
    KurzText<20> Nachname;
    KurzText<1> Position;
    KurzText<3> Nation;
    KurzText<25> Zusatz;
};

// Nur im Speicher, nie im Spielstand.
struct Nation_ {
    std::string Kuerzel;
    std::string Name;
    int8_t Bonus = 0;
};

struct Kaderspieler_ {
    uint8_t Eingesetzt;
    int8_t Verletzt;
    int8_t Form;
    int8_t Vertrag;
    int8_t VerletzungArt;
    int8_t Transferstatus;
    int8_t Verhandelt;
    int8_t Angebote;
    int16_t Alter;
    int16_t Technik;
    int16_t Konstitution;
    int16_t KonstMax;
    int16_t Staerke;
    uint8_t Reserve1[2];
    int32_t Wert;
    int32_t Gehalt;
    KurzText<20> Vorname;
    KurzText<20> Nachname;
    KurzText<1> Position;
    KurzText<25> Zusatz;
    KurzText<4> Nation;
    uint8_t GelbNational;
    uint8_t RotNational;
    uint8_t GelbInternational;
    uint8_t RotInternational;
    uint8_t Reserve2;
};

struct Manager_ {
    uint8_t KaderAnzahl;
    uint8_t TrainerStufe;
    int8_t TrainerSpiele;
    int8_t Liga;
    int8_t Platz;
    int8_t Einsatz;
    int8_t Trainer;
    uint8_t HeimspieleSaison;
    uint8_t Trainingsstunden;
    uint8_t TrainingVerteidigung;
    uint8_t TrainingMittelfeld;
    uint8_t TrainingAngriff;
    uint8_t Baelle;
    uint8_t BaelleTechnik;
    uint8_t BaelleKonstitution;
    uint8_t Reserve1;
    int16_t TeamStaerke;
    int16_t Eintrittspreis;
    int16_t DarlehenRestSpiele;
    int16_t Aktien;
    int16_t Dauerkartenpreis;
    int16_t AktienkursGemerkt;
    int32_t Kontostand;
    int32_t Kredit;
    int32_t Sparbuch;
    int32_t ZuschauerSaison;
    int32_t KaderWert;
    int32_t KaderGehalt;
    int32_t Werbeeinnahmen;
    int32_t DarlehenRate;
    int32_t AnlageBetrag;
    int32_t TrainerPreis;
    int32_t TrainerGehalt;
    int32_t AnlageWert;
    int32_t Vermoegen;
    int32_t ZuschauerLetzte;
    int32_t Nebeneinnahmen;
    int32_t Plaetze;
    int32_t Ausgaben;
    int32_t Einnahmen;
    int32_t Pokalzuschlag;
    int32_t Stadionkosten;
    int32_t Komfortpunkte;
    int32_t DauerkartenImVerkauf;
    int32_t DauerkartenVerkauft;
    uint16_t SpieleGespielt;
    uint16_t HeimSiege;
    uint16_t AuswaertsSpiele;
    uint16_t AuswaertsSiege;
    uint16_t Remis;
    uint16_t HeimSpiele;
    KurzText<25> Vereinsname;
    KurzText<3> SpielSystem;
    KurzText<15> Name;
    KurzText<9> TotoTip;
    uint8_t Reserve2[32];
    float Werbeanfragen;
    float Managerpunkte;
    Feld<Kaderspieler_, 0, 23> Kader;
};

struct Trainereintrag_ {
    int32_t Nummer;
    int32_t Preis;
    int32_t GehaltProSpiel;
    uint8_t Stufe;
    uint8_t Reserve[3];
};

struct Saisonbilanz_ {
    KurzText<14> DfbErgebnis;
    KurzText<14> UefaErgebnis;
    KurzText<14> PdpErgebnis;
    KurzText<14> ChlErgebnis;
    uint8_t Liga;
    uint8_t Platz;
};

struct Statistik_ {
    uint8_t Reserve1;
    uint8_t Teamstaerken[165];     // älteste zuerst
    uint8_t Reserve2[4];           // [1] und [2]: aktuelle Teamstärke für die Grafik
    uint8_t Plaetze[34];           // Tabellenplatz nach Spieltag 1..34
    int16_t Geldgrenze;            // obere Grenze B der Geldgrafik
    int16_t Geldpunkte[148];       // Vermögen in 100 000 €, minus B - 250
};

struct Vorwerte_ {
    int16_t TeamStaerke;
    uint8_t Moral;
    uint8_t Platz;
    uint8_t Heimspiele;
    uint8_t Reserve[3];
    int32_t KaderWert;
    int32_t Werbeeinnahmen;
    int32_t Vermoegen;
    int32_t ZuschauerLetzte;
};

struct Werbevertrag_ {
    int32_t Betrag;
    int16_t SpieleGesamt;
    int16_t SpieleRest;
    int16_t Sponsor;
    uint8_t Reserve[2];
};

struct ChlEintrag_ {
    int32_t ChlSlot;
    uint8_t ChlPunkte;
    uint8_t ChlTore;
    uint8_t ChlGegentore;
    Feld<KurzText<5>, 1, 8> ChlErgebnisse;
    uint8_t Reserve[9];
};

using Ergebnisblock = Feld<Feld<Feld<KurzText<5>, 1, 9>, 1, 34>, 1, 4>;
using Optionsblock = Feld<Feld<uint8_t, 0, 9>, 0, 3>;

// Bedeutung der Optionsbytes je Manager.
enum Option : int {
    OptAutoaufstellung = 0,
    OptTransferKlang = 1,
    OptZeigeDfb = 2,
    OptZeigeUefa = 3,
    OptZeigePdp = 4,
    OptZeigeChl = 5,
    OptDauerkartenMeldung = 7,
    OptAnzeigeLiga = 8,
    OptTempo = 9,
};

class Spielerpool;
// Vor jeder möglichen Änderung am Pool von S: laufende Einheiten sichern ihn jetzt ganz bzw. den
// einen Eintrag i (Sitzung.cpp).
void SpielerpoolVorAenderung(const Spielerpool& pool);
void SpielerpoolEintragVorAenderung(const Spielerpool& pool, int64_t i);

// Der Spielerpool, der größte Teil des Spielstands. Lesen über eine konstante Referenz kostet
// nichts; jeder verändernde Zugriff (auch das nicht konstante operator[]) meldet sich vorher, damit
// eine Einheit nur sichert, was sich ändern kann, statt bei jedem Klick den ganzen Pool.
class Spielerpool {
public:
    Spielerpool() = default;
    Spielerpool(const Spielerpool&) = default;
    Spielerpool(Spielerpool&&) = default;
    Spielerpool& operator=(const Spielerpool& p)
    {
        SpielerpoolVorAenderung(*this);
        l_ = p.l_;
        return *this;
    }
    Spielerpool& operator=(Spielerpool&& p) { return ersetzen(std::move(p.l_)); }
    Spielerpool& operator=(Liste<Spieler_>&& l) { return ersetzen(std::move(l)); }

    const Spieler_& operator[](int64_t i) const { return l_[i]; }
    Spieler_& operator[](int64_t i)
    {
        SpielerpoolEintragVorAenderung(*this, i);
        return l_[i];
    }
    int64_t laenge() const { return l_.laenge(); }
    int64_t hoch() const { return l_.hoch(); }
    const Spieler_* daten() const { return l_.daten(); }
    Spieler_* daten()
    {
        SpielerpoolVorAenderung(*this);
        return l_.daten();
    }
    void laengeSetzen(int64_t n)
    {
        SpielerpoolVorAenderung(*this);
        l_.laengeSetzen(n);
    }
    auto begin() const { return l_.begin(); }
    auto end() const { return l_.end(); }
    const Liste<Spieler_>& liste() const { return l_; }
    operator const Liste<Spieler_>&() const { return l_; }

private:
    friend class Einheit;
    Spielerpool& ersetzen(Liste<Spieler_>&& l)
    {
        SpielerpoolVorAenderung(*this);
        l_ = std::move(l);
        return *this;
    }
    Liste<Spieler_> l_;
};

struct Spielstand {
    // --- gespeichert ---
    Spiel_ Spiel{};
    uint8_t AktManager = 0;
    Liste<Mannschaft_> Mannschaft;
    Spielerpool Spieler;
    Feld<Manager_, 0, 3> Manager{};
    Feld<Kaderspieler_, 0, 11> Transferliste{};
    Feld<Trainereintrag_, 1, 12> Trainermarkt{};
    Feld<Liste<Saisonbilanz_>, 0, 3> Saisonbilanz{};
    Feld<Statistik_, 0, 3> Statistik{};
    Feld<Vorwerte_, 0, 3> Vorwerte{};
    Feld<Feld<Werbevertrag_, 0, 8>, 0, 3> Werbevertraege{};
    Ergebnisblock Ergebnisse{};
    Feld<ChlEintrag_, 1, 16> ChlTabelle{};
    Optionsblock Optionen{};
    std::string Trainingsbericht; // UTF-8

    // --- Grunddaten aus daten/, nicht gespeichert ---
    Feld<Nation_, 0, 47> Nation{};
    Feld<Feld<Feld<uint8_t, 0, 1>, 1, 9>, 1, 17> Spieltage{};    // [Tag][Paarung][0 Heim, 1 Gast]
    Feld<Feld<Feld<uint8_t, 0, 1>, 1, 8>, 1, 15> ChlSpieltage{}; // [Tag][Paarung][0 Heim, 1 Gast]
    Feld<Feld<Feld<int16_t, 0, 5>, 0, 11>, 0, 1> SpielSysteme{}; // [Koordinate][Eintrag][System]

    // --- Arbeitswerte, nicht gespeichert ---
    bool Neuanlage = false;
    std::string Spielname;
    Befehlswert Befehl = Befehlswert::Keiner;
    bool PokalZeigen = false;
    bool KlangAus = false;
};

// Der Spielstand des laufenden Programms.
extern Spielstand S;

// Feste Texttafeln.
extern const std::array<const char*, 11> Gesundheitstexte;
extern const std::array<std::array<const char*, 2>, 11> Anweisungstexte;
extern const std::array<const char*, 4> Tempotexte;
extern const std::array<const char*, 6> LigaNamen;
extern const Feld<Wettbewerb_, 1, 34> Pokaltermine;
struct Sondertrainer_ {
    const char* Name;
    const char* Beschreibung;
};
extern const std::array<Sondertrainer_, 13> Sondertrainer;

constexpr const char* Heimatnation = "D";
constexpr const char* Waehrung = " €";

// Nachschlagen.
int ManagerVerein(int m);
int ManagerVonVerein(int verein);
int VereinNachName(std::string_view name);
int NationNachKuerzel(std::string_view kuerzel);
void BilanzEintragen();

// Der Vereinsdatensatz eines Managers.
Mannschaft_& VereinVon(int m);
// Index der Mannschaft auf Platz p der Liga l (1..4).
inline int VereinAufPlatz(int liga, int platz) { return liga * 18 - 18 + platz; }
// Stehen die 18 Vereine der Liga in den Grunddaten? (Ohne Grunddaten bleiben Anzeigen leer.)
inline bool LigaHatVereine(int liga) { return S.Mannschaft.laenge() > liga * 18; }
// Tore minus Gegentore, in der Liga und in der ChampionsLige.
inline int Tordifferenz(const Mannschaft_& v) { return v.Tore - v.Gegentore; }
inline int Tordifferenz(const ChlEintrag_& e) { return e.ChlTore - e.ChlGegentore; }

} // namespace torvane
