#include "flow/Assistent.h"

#include "core/AutoOberflaeche.h"
#include "core/Konto.h"
#include "core/Variablen.h"
#include "finance/Bank.h"
#include "finance/Stadion.h"
#include "finance/Vermoegen.h"
#include "finance/Werbung.h"
#include "flow/Zug.h"
#include "squad/Kader.h"
#include "squad/Markt.h"
#include "squad/Spielsystem.h"
#include "squad/Training.h"
#include "squad/Verhandlung.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

namespace torvane {

int AssistentLinie(const Kaderspieler_& s)
{
    const std::string_view p = s.Position.roh();
    if (p == "T") return 0;
    if (p == "V") return 1;
    if (p == "M") return 2;
    return 3;
}

namespace {

// Was der Computermanager selbst anklickt, bestätigt er auch selbst: solange ein Schritt läuft,
// beantwortet diese Oberfläche die Rückfragen seiner eigenen Klicks (auch verschachtelt).
class Selbstbestaetigung {
public:
    Selbstbestaetigung() : vorher_(&UI())
    {
        eigene_.dialogAntwort = [](const std::string&, Knoepfe k) {
            switch (k) {
            case Knoepfe::Ok:
            case Knoepfe::OkAbbrechen: return Antwort::Ok;
            default: return Antwort::Ja;
            }
        };
        OberflaecheSetzen(&eigene_);
    }
    ~Selbstbestaetigung() { OberflaecheSetzen(vorher_); }
    Selbstbestaetigung(const Selbstbestaetigung&) = delete;
    Selbstbestaetigung& operator=(const Selbstbestaetigung&) = delete;

private:
    Oberflaeche* vorher_;
    AutoOberflaeche eigene_;
};

int LinieVon(const Kaderspieler_& s) { return AssistentLinie(s); }

// Mindestens so viele nicht gelistete Spieler je Linie (T, V, M, S) bleiben im Kader.
constexpr std::array<int, 4> MindestJeLinie = {2, 5, 5, 3};

// Je Linie das Minimum, mindestens aber das System und ein Mann dahinter: sonst fehlt nach
// einem Verkauf und einer Sperre gleich einer in der Elf.
std::array<int, 4> Mindest(int m)
{
    std::array<int, 4> n = LinienBedarf(m);
    for (size_t l = 0; l < 4; ++l) n[l] = std::max(MindestJeLinie[l], n[l] + 1);
    return n;
}
// Ab diesem Alter geht ein Spieler auf die Liste, wenn der Kader es verkraftet.
constexpr int AltersGrenze = 33;
// Über so vielen Spielern geht auch der Schwächste einer vollen Linie.
constexpr int Wunschkader = 20;

// Die Spieler, die bleiben sollen (nicht auf der Transferliste): je Linie und zusammen.
std::pair<std::array<int, 4>, int> Ungelistete(const Manager_& mg)
{
    std::array<int, 4> jeLinie{};
    int zusammen = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        if (mg.Kader[i].Transferstatus != 0) continue;
        ++jeLinie[static_cast<size_t>(LinieVon(mg.Kader[i]))];
        ++zusammen;
    }
    return {jeLinie, zusammen};
}

// Rücklage, die nach einer Ausgabe bleiben soll: zehn Spieltage Gehalt und eine Million.
int64_t Ruecklage(const Manager_& mg) { return static_cast<int64_t>(mg.KaderGehalt) * 10 + 1000000; }

// Auf Sieg gespielt hält er mehr zurück: zwanzig Spieltage aller laufenden Kosten, dazu zwei
// Millionen für Strafen und Ereignisse, und was vom Darlehen noch zu zahlen ist: geliehenes Geld
// deckt ein Loch, es kauft keine Punkte. Was darüber liegt, arbeitet für die Mannschaft.
int64_t RuecklageNeu(const Manager_& mg)
{
    const int64_t laufend = static_cast<int64_t>(mg.KaderGehalt) + mg.TrainerGehalt + mg.Stadionkosten;
    const int64_t darlehen = mg.DarlehenRestSpiele > 0 ? static_cast<int64_t>(mg.DarlehenRestSpiele) * mg.DarlehenRate : 0;
    return laufend * 20 + 2000000 + darlehen;
}

int64_t RuecklageVon(const Manager_& mg, AssistentStufe stufe)
{
    return stufe == AssistentStufe::Neu ? RuecklageNeu(mg) : Ruecklage(mg);
}

// Geld, über das er wirklich verfügt: Konto und Sparbuch ohne den Flinken Kredit.
int64_t Frei(const Manager_& mg)
{
    return static_cast<int64_t>(mg.Kontostand) + mg.Sparbuch - mg.Kredit;
}

constexpr Regler_ Kaufregler = AssistentKaufregler;
constexpr int Vertragsjahre = Kaufregler.Jahre;
// Eine Verlängerung bietet so wenig Gehalt, wie es mit dieser Zusage geht; eine Absage
// kostet nur Form, und bis zum Saisonende bleiben viele Züge für den nächsten Versuch.
constexpr int VerlaengerungZusage = 75;
constexpr int64_t SparbuchHoechst = 300000000;

// Was ein Kauf der Marktzeile r kostet: Ablöse und Eröffnungsgebühr.
int64_t Kaufpreis(const Kaderspieler_& s) { return Kaufkosten(s, Kaufregler); }

// Was ein Kauf in seiner ersten Saison kostet: Ablöse, Gebühr und 34 Spiele Gehalt.
int64_t Saisonkosten(const Kaderspieler_& s)
{
    return Kaufpreis(s) + int64_t{34} * AngebotsgehaltFuer(s.Alter, s.Staerke, Vertragsjahre, Kaufregler.Gehalt);
}

// Kaderplätze nach Stärke, die Stärksten zuerst, Gleichstarke in Kaderfolge. Einfügen statt
// std::stable_sort: höchstens 23 Plätze, und ohne dessen Puffer vom Heap.
void StaerksteZuerst(const Manager_& mg, std::vector<int>& plaetze)
{
    for (size_t k = 1; k < plaetze.size(); ++k) {
        const int p = plaetze[k];
        size_t j = k;
        for (; j > 0 && mg.Kader[p].Staerke > mg.Kader[plaetze[j - 1]].Staerke; --j) plaetze[j] = plaetze[j - 1];
        plaetze[j] = p;
    }
}

// Die Kaderplätze der Ungelisteten, die Stärksten zuerst (bei Gleichstand in Kaderfolge).
std::vector<int> UngelistetNachStaerke(const Manager_& mg)
{
    std::vector<int> v;
    v.reserve(mg.KaderAnzahl);
    for (int i = 1; i <= mg.KaderAnzahl; ++i)
        if (mg.Kader[i].Transferstatus == 0) v.push_back(i);
    StaerksteZuerst(mg, v);
    return v;
}

// Die Stammspieler in der Reihenfolge, in der sie Punkte bekommen: die Elf, dann die Stärksten
// der Ungelisteten bis zum Mindestkader.
std::vector<int> Stammspieler(const Manager_& mg)
{
    std::vector<int> elf, rest;
    elf.reserve(mg.KaderAnzahl);
    rest.reserve(mg.KaderAnzahl);
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        if (s.Eingesetzt != 0)
            elf.push_back(i);
        else if (s.Transferstatus == 0)
            rest.push_back(i);
    }
    StaerksteZuerst(mg, rest);
    for (int i : rest) {
        if (static_cast<int>(elf.size()) >= AssistentMindestkader) break;
        elf.push_back(i);
    }
    return elf;
}

} // namespace

void AssistentZug(int m, AssistentStufe stufe)
{
    if (m < 0 || m > S.Spiel.ManagerHoch) return;
    const Selbstbestaetigung bestaetigen;
    // Was Geld kostet, steht in einer Liste, genau der, die der Ratgeber zeigt: sie wird vor
    // dem ersten Schritt gezogen und dann abgearbeitet.
    const std::vector<Entscheidung> liste = AssistentEntscheidungen(m, stufe);
    // Das Sparbuch zurück aufs Konto: Zinsen gibt es erst beim Abschluss, und bis dahin
    // legt der Schritt Bank zurück, was übrig bleibt.
    SparbuchAufsKonto(m);
    for (const Entscheidung& e : liste) EntscheidungAusfuehren(m, e);
    AssistentVertraege(m);
    AssistentTraining(m, stufe);
    // Wer neu in die Elf rückt, bekommt seine Punkte im nächsten Zug.
    AssistentAufstellung(m);
    AssistentBank(m, stufe);
    AssistentStadion(m, stufe);
    AssistentWerbung(m);
}

void SparbuchAufsKonto(int m)
{
    const Selbstbestaetigung bestaetigen;
    const Manager_& mg = S.Manager[m];
    if (mg.Sparbuch > 0) SparbuchSetzen(m, std::max<int64_t>(0, int64_t{mg.Kontostand} + mg.Sparbuch - KontoMax));
}

void AssistentAufstellung(int m)
{
    const Selbstbestaetigung bestaetigen;
    if (S.Optionen[m][OptAutoaufstellung] == 0) AutoaufstellungSetzen(m, true);
    // Jedes System einmal aufstellen lassen und das stärkste behalten; bei Gleichstand das erste.
    int bestes = 0;
    int staerke = -1;
    for (int n = 1; n <= 5; ++n) {
        if (n == 1) WaehleSystem(m, n);
        else SystemProbieren(m, n);
        if (S.Manager[m].TeamStaerke > staerke) {
            staerke = S.Manager[m].TeamStaerke;
            bestes = n;
        }
    }
    if (bestes != 5) SystemProbieren(m, bestes);
}

void AssistentTraining(int m, AssistentStufe)
{
    const Selbstbestaetigung bestaetigen;
    Manager_& mg = S.Manager[m];
    // Sechs Stunden (mehr bringt mehr Verletzte) und alle Bälle verteilt, die Technik zuerst.
    StundenSetzen(m, 6);
    const int konstitution = std::min(BallPlaetze, mg.Baelle / 2);
    const int technik = std::min(BallPlaetze, mg.Baelle - konstitution);
    // Erst wegnehmen, was zu viel liegt, dann auffüllen: so reichen die freien Bälle.
    BaelleSetzen(m, Skala::Technik, std::min<int>(mg.BaelleTechnik, technik));
    BaelleSetzen(m, Skala::Konstitution, std::min<int>(mg.BaelleKonstitution, konstitution));
    BaelleSetzen(m, Skala::Technik, technik);
    BaelleSetzen(m, Skala::Konstitution, konstitution);
}

void AssistentVertraege(int m)
{
    const Selbstbestaetigung bestaetigen;
    // Nach jedem Gespräch wird der Kader neu sortiert; darum jedes Mal neu wählen. Wer gerade
    // verhandelt hat, fällt aus der Wahl, so endet die Schleife.
    for (int runde = 0; runde < 23; ++runde) {
        const std::vector<int> wahl = AssistentVerlaengerungen(m);
        if (wahl.empty()) return;
        const Kaderspieler_& s = S.Manager[m].Kader[wahl.front()];
        // Weniger als bisher nimmt keiner an; sonst das kleinste Gehalt mit genug Zusage.
        int gehalt = -5;
        while (gehalt < 5 && (AngebotsgehaltFuer(s.Alter, s.Staerke, Vertragsjahre, gehalt) < s.Gehalt ||
                              ZusageFuer(Verhandlungsart::Verlaengerung, 0, gehalt, Vertragsjahre) < VerlaengerungZusage))
            ++gehalt;
        if (!VertragsVerhandlungOeffnen(m, wahl.front(), {0, gehalt, Vertragsjahre})) return;
        Anbieten();
    }
}

void AssistentEinkauf(int m, AssistentStufe stufe)
{
    AssistentAusfuehren(m, stufe, {Entscheidung::Kaufen, Entscheidung::Verstaerken});
}

void AssistentVerkauf(int m)
{
    const Selbstbestaetigung bestaetigen;
    const int wahl = AssistentVerkaufswahl(m);
    if (wahl > 0) SpielerVerkaufen(m, wahl);
}

std::array<int, 4> LinienBedarf(int m)
{
    return {1, SystemZiffer(m, 0), SystemZiffer(m, 1), SystemZiffer(m, 2)};
}

std::vector<int> BesteElf(int m)
{
    const Manager_& mg = S.Manager[m];
    const std::array<int, 4> bedarf = LinienBedarf(m);
    std::array<int, 4> jeLinie{};
    std::vector<int> elf;
    elf.reserve(11);
    for (int i : UngelistetNachStaerke(mg)) {
        const size_t l = static_cast<size_t>(LinieVon(mg.Kader[i]));
        if (jeLinie[l]++ < bedarf[l]) elf.push_back(i);
    }
    return elf;
}

int64_t KontoNachAbschluss(int m)
{
    const Manager_& mg = S.Manager[m];
    // Dieselben Rechnungen wie die Buchungen des Abschlusses, in derselben Reihenfolge; Zuschüsse
    // und Stadionkosten so, wie der Abschluss sie vorher neu rechnet (nach Käufen und Ausbau).
    int64_t konto = mg.Kontostand;
    if (-(VermoegenWert(m) / 10) > konto) konto -= Ueberziehungsgebuehr(konto);
    if (HatSpiel(m) && AnzahlEingesetzt(m) < 7) konto -= static_cast<int64_t>(5 - mg.Liga) * 250000;
    if (S.Spiel.Wettbewerb != Wettbewerb_::Liga) return konto;
    konto += KontozinsenProSpiel(konto);
    if (mg.DarlehenRestSpiele > 0) konto -= mg.DarlehenRate;
    konto -= KreditzinsenProSpiel(mg.Kredit);
    return konto + NebeneinnahmenWert(m) - mg.KaderGehalt + mg.Werbeeinnahmen - mg.TrainerGehalt - StadionkostenWert(m);
}

namespace {

bool Enthaelt(const std::vector<int>& v, int i) { return std::find(v.begin(), v.end(), i) != v.end(); }

// Wer gehen darf: ungelistet, nicht in der besten Elf, und seine Linie behält ihr Minimum.
bool Entbehrlich(int m, int i, const std::vector<int>& elf, const std::array<int, 4>& jeLinie)
{
    const Kaderspieler_& s = S.Manager[m].Kader[i];
    const size_t l = static_cast<size_t>(LinieVon(s));
    return s.Transferstatus == 0 && !Enthaelt(elf, i) && jeLinie[l] > Mindest(m)[l];
}

// Ein Gelisteter, ohne den seine Linie unter ihr Minimum oder der Kader unter dreizehn fiele.
bool WiederGebraucht(int m, int i)
{
    const Manager_& mg = S.Manager[m];
    if (i < 1 || i > mg.KaderAnzahl) return false;
    const auto [jeLinie, bleiben] = Ungelistete(mg);
    const size_t l = static_cast<size_t>(LinieVon(mg.Kader[i]));
    return jeLinie[l] < Mindest(m)[l] || bleiben < 13;
}

// Was ein Kauf kosten darf: geld ist der Preis (Ablöse und Gebühr); verlust, was er das Vermögen
// kosten darf (Preis über dem Wert); alt: auch einer über der Altersgrenze; billig: der Billigste
// statt des Stärksten, damit das Geld für möglichst viele reicht.
struct Kaufrahmen {
    int64_t geld = 0;
    int64_t verlust = INT64_MAX;
    bool alt = false;
    bool billig = false;
};

// Die Marktzeile für einen Kader unter seinem Minimum in diesem Rahmen; gekauft: schon gewählte Zeilen.
int Marktwahl(int m, const std::array<int, 4>& jeLinie, int bleiben, const Kaufrahmen& rahmen, const std::vector<int>& gekauft)
{
    const std::array<int, 4> mindest = Mindest(m);
    bool luecke = false;
    for (size_t l = 0; l < 4; ++l) luecke = luecke || jeLinie[l] < mindest[l];
    if (!luecke && bleiben >= AssistentMindestkader) return 0;
    // Zuerst nur für die Linien unter ihrem Minimum; bietet der Markt dafür niemanden, füllt
    // unter dem Mindestkader jeder andere auf.
    int wahl = 0;
    for (const bool nurLuecke : {luecke, false}) {
        for (int r = 1; r <= 11; ++r) {
            const Kaderspieler_& s = S.Transferliste[r];
            // Ein zweites Gespräch am selben Tag kostet nur Strafe.
            if (s.Transferstatus == 0 || s.Verhandelt != 0 || (s.Alter >= AltersGrenze && !rahmen.alt) || Enthaelt(gekauft, r))
                continue;
            const size_t l = static_cast<size_t>(LinieVon(s));
            const int64_t preis = Kaufpreis(s);
            if ((nurLuecke && jeLinie[l] >= mindest[l]) || preis > rahmen.geld || preis - s.Wert > rahmen.verlust) continue;
            if (wahl == 0 || (rahmen.billig ? Saisonkosten(s) < Saisonkosten(S.Transferliste[wahl]) : s.Staerke > S.Transferliste[wahl].Staerke))
                wahl = r;
        }
        if (wahl != 0 || bleiben >= AssistentMindestkader) break;
    }
    return wahl;
}

Verstaerkung VerstaerkungMit(int m, int64_t spielraum)
{
    const Manager_& mg = S.Manager[m];
    Verstaerkung beste;
    if (mg.KaderAnzahl >= 23) return beste;
    // Je Linie der Schwächste, der in der Elf steht.
    std::array<int, 4> schwaechster{};
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        if (s.Eingesetzt == 0) continue;
        int& w = schwaechster[static_cast<size_t>(LinieVon(s))];
        if (w == 0 || s.Staerke < mg.Kader[w].Staerke) w = i;
    }
    for (int r = 1; r <= 11; ++r) {
        const Kaderspieler_& s = S.Transferliste[r];
        if (s.Transferstatus == 0 || s.Verhandelt != 0 || s.Alter >= 30) continue;
        const int w = schwaechster[static_cast<size_t>(LinieVon(s))];
        if (w == 0) continue;
        // Um die Marge stärker, sonst kauft er die Punkte billiger dem eigenen Mann.
        const int gewinn = s.Staerke - mg.Kader[w].Staerke;
        const int64_t preis = Kaufpreis(s);
        if (gewinn < AssistentMarge || preis > spielraum) continue;
        if (gewinn > beste.gewinn) beste = {r, w, gewinn, preis};
    }
    return beste;
}

// Geld über der Rücklage nach dem Abschluss: das Konto, wie es der Abschluss hinterlässt, und das Sparbuch.
int64_t Spielraum(int m, int64_t ruecklage)
{
    const Manager_& mg = S.Manager[m];
    return KontoNachAbschluss(m) + mg.Sparbuch - mg.Kredit - ruecklage;
}

struct Punktkauf {
    int i;
    Attribut a;
    int punkte;
};

// Die Punkte, die er für höchstens geld kauft; staerke: was sie der Mannschaft bringen.
std::vector<Punktkauf> PunktePlan(int m, int64_t geld, int64_t& kosten, int64_t& staerke)
{
    const Manager_& mg = S.Manager[m];
    // Billigste Stärke zuerst: Konstitution (15.000 € je Punkt Stärke), dann Technik (30.000 €);
    // Form (50.000 €) nur für die Elf, sie geht im Spiel wieder verloren.
    struct Kauf {
        Attribut a;
        int32_t preis;
        bool nurElf;
    };
    constexpr Kauf Reihe[] = {{Attribut::Konstitution, PreisKonstitution, false},
                              {Attribut::Technik, PreisTechnik, false},
                              {Attribut::Form, PreisForm, true}};
    std::vector<Punktkauf> plan;
    kosten = 0;
    double st = 0;
    const std::vector<int> stamm = Stammspieler(mg);
    for (const Kauf& k : Reihe) {
        for (int i : stamm) {
            const Kaderspieler_& s = mg.Kader[i];
            if (k.nurElf && s.Eingesetzt == 0) continue;
            const int luecke = k.a == Attribut::Technik        ? 120 - s.Technik
                               : k.a == Attribut::Konstitution ? std::min<int>(60, KonstMaxFuer(s.Alter)) - s.Konstitution
                                                               : 10 - s.Form;
            const int punkte = static_cast<int>(std::min<int64_t>(luecke, (geld - kosten) / k.preis));
            if (punkte <= 0) continue;
            plan.push_back({i, k.a, punkte});
            kosten += int64_t{punkte} * k.preis;
            st += k.a == Attribut::Form ? punkte : punkte / 1.5;
        }
    }
    staerke = std::lround(st);
    return plan;
}

// Ins Lager nur zum Heilen: fallen drei Stammspieler noch zwei Wochen und mehr aus, bringt
// das beste erlaubte Lager sie zehn Tage lang schneller zurück. 0: keines.
int Lagerwahl(int m)
{
    const Manager_& mg = S.Manager[m];
    int verletzt = 0;
    for (int i : Stammspieler(mg))
        if (mg.Kader[i].Verletzt >= 2) ++verletzt;
    if (verletzt < 3) return 0;
    int lager = 3;
    while (lager >= 1 && !LagerErlaubt(mg.Liga, lager)) --lager;
    return std::max(lager, 0);
}

// Still ins Lager: ohne Bildschirm gibt es nichts zu erzählen.
class StillesLager : public Lagerbericht {};

// Was eine Stadionhandlung bucht; 0, wenn die Regel sie ablehnt.
int64_t Stadionbuchung(const Stadionpruefung& p) { return p.plan ? p.plan->Buchung : 0; }

// Was in diesem Zug das Vermögen hebt: eine Anlage, die mehr bringt, als sie im Vermögen zählt.
// Kredit, Sparbuch, Darlehen, Plätze und Komfort heben es nicht. true, wenn es danach reicht.
bool PleiteAbwenden(int m)
{
    const Manager_& mg = S.Manager[m];
    if (mg.AnlageBetrag > 0 && AnlageBeiKuendigung(mg.AnlageWert) > mg.AnlageBetrag) AnlageKuendigen(m, false);
    return VermoegenWert(m) > 0;
}

} // namespace

int AssistentSparwahl(int m)
{
    const Manager_& mg = S.Manager[m];
    // Nur wer schon vom Kredit lebt, spart: dann geht der teuerste Ersatzmann, der nicht in der
    // besten Elf steht, solange jede Linie ihr Minimum behält und der Mindestkader bleibt (ein
    // kleinerer fällt nach zwei Abgängen durch Ereignisse unter elf).
    if (mg.Kredit <= 0) return 0;
    auto [jeLinie, bleiben] = Ungelistete(mg);
    if (bleiben <= AssistentMindestkader) return 0;
    const std::vector<int> elf = BesteElf(m);
    int wahl = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        if (!Entbehrlich(m, i, elf, jeLinie)) continue;
        if (wahl == 0 || mg.Kader[i].Gehalt > mg.Kader[wahl].Gehalt) wahl = i;
    }
    return wahl;
}

int AssistentVerkaufswahl(int m)
{
    const Manager_& mg = S.Manager[m];
    auto [jeLinie, bleiben] = Ungelistete(mg);
    if (bleiben <= AssistentMindestkader) return 0;
    const std::vector<int> elf = BesteElf(m);

    // Ein Spieler je Zug: der Älteste ab der Altersgrenze, sonst bei zu vollem Kader der
    // Schwächste einer Linie, die ihn entbehren kann; nie einer aus der besten Elf.
    int wahl = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        if (!Entbehrlich(m, i, elf, jeLinie)) continue;
        const bool alt = s.Alter >= AltersGrenze;
        if (!alt && bleiben <= Wunschkader) continue;
        if (wahl == 0) {
            wahl = i;
            continue;
        }
        const Kaderspieler_& w = mg.Kader[wahl];
        const bool wAlt = w.Alter >= AltersGrenze;
        const bool besser = alt != wAlt ? alt : alt ? s.Alter > w.Alter : s.Staerke < w.Staerke;
        if (besser) wahl = i;
    }
    return wahl;
}

int AssistentMarktwahl(int m)
{
    const Manager_& mg = S.Manager[m];
    if (mg.KaderAnzahl >= 23) return 0;
    auto [jeLinie, bleiben] = Ungelistete(mg);
    return Marktwahl(m, jeLinie, bleiben, {Spielraum(m, Ruecklage(mg))}, {});
}

std::vector<int> AssistentVerlaengerungen(int m)
{
    const Manager_& mg = S.Manager[m];
    const std::array<int, 4> mindest = Mindest(m);
    // Rang nach Stärke unter den Ungelisteten, je Linie gezählt für das Minimum.
    const std::vector<int> kandidaten = UngelistetNachStaerke(mg);
    const std::array<int, 4> linien = Ungelistete(mg).first;
    std::vector<int> wahl;
    std::array<int, 4> jeLinie{};
    for (size_t rang = 0; rang < kandidaten.size(); ++rang) {
        const Kaderspieler_& s = mg.Kader[kandidaten[rang]];
        const size_t l = static_cast<size_t>(LinieVon(s));
        const bool gebraucht = static_cast<int>(rang) < AssistentMindestkader || jeLinie[l] < mindest[l];
        ++jeLinie[l];
        // Ein Alter nur, wenn seine Linie ohne ihn unter ihr Minimum fiele: sonst fehlt er ab dem
        // ersten Tag der neuen Saison, und ob der Markt bis dahin Ersatz bietet, ist Glück.
        if (gebraucht && VertragLaeuftAus(s) && (s.Alter < AltersGrenze || linien[l] <= mindest[l]) && s.Verhandelt == 0)
            wahl.push_back(kandidaten[rang]);
    }
    return wahl;
}

int64_t AssistentRuecklage(int m) { return RuecklageNeu(S.Manager[m]); }

int64_t AssistentKaufpreis(const Kaderspieler_& s) { return Kaufpreis(s); }

Verstaerkung AssistentVerstaerkung(int m) { return VerstaerkungMit(m, Spielraum(m, RuecklageNeu(S.Manager[m]))); }

std::vector<Entscheidung> AssistentEntscheidungen(int m, AssistentStufe stufe)
{
    std::vector<Entscheidung> liste;
    if (m < 0 || m > S.Spiel.ManagerHoch) return liste;
    const Manager_& mg = S.Manager[m];
    const bool neu = stufe == AssistentStufe::Neu;
    int64_t ausgaben = 0; // was die Liste bis hierher bucht
    const auto nimm = [&](const Entscheidung& e) {
        ausgaben -= e.geld;
        liste.push_back(e);
    };
    const auto raum = [&](int64_t ruecklage) { return Spielraum(m, ruecklage) - ausgaben; };

    if (HatSpiel(m))
        if (const int64_t v = VermoegenWert(m); v <= 0) liste.push_back({Entscheidung::Pleite, 0, 0, 0, v, v - 1, 0});

    int weg = AssistentVerkaufswahl(m), grund = 0;
    if (weg > 0)
        grund = mg.Kader[weg].Alter >= AltersGrenze ? 0 : 1;
    else if (neu && (weg = AssistentSparwahl(m)) > 0)
        grund = 2;
    if (weg > 0)
        if (const Vertragspruefung p = SpielerVerkaufenPruefen(m, weg); p.plan)
            nimm({Entscheidung::Verkaufen, weg, 0, grund, 0, -p.plan->Kosten, 0});

    if (mg.Plaetze < StartPlaetze) {
        // Nach einem Brand, einem Abriss oder dem Verkauf des Vereins trägt der Eintritt die Gehälter
        // nicht mehr: wieder aufbauen, so weit das Geld über der kleinen Rücklage reicht, auch wenn
        // die große (mit dem Rest eines Darlehens) sonst jeden Kauf sperrt. Vor dem Auffüllen des
        // Kaders: ohne Plätze keine Einnahmen, und Spieler gibt es notfalls auch auf Kredit.
        const int64_t r = Ruecklage(mg);
        const int64_t n = std::min<int64_t>(StartPlaetze - mg.Plaetze, std::max<int64_t>(0, raum(r)) / Platzpreis(mg.Liga)) / 1000 * 1000;
        if (n >= 1000)
            if (const int64_t b = Stadionbuchung(PlaetzeKaufenPruefen(m, static_cast<int>(n))); b < 0 && -b <= raum(r))
                nimm({Entscheidung::Plaetze, static_cast<int>(n), 0, 1, 0, b, r});
    }

    // Den Kader auffüllen: jeder Kauf zählt in seiner Linie, und sein Geld ist ausgegeben.
    auto [jeLinie, bleiben] = Ungelistete(mg);
    std::vector<int> gekauft;
    int64_t verlust = 0; // was die Käufe das Vermögen kosten: Preis über dem Wert
    while (mg.KaderAnzahl + static_cast<int>(gekauft.size()) < 23) {
        // Fehlen Spieler für die Aufstellung (elf und ein Torwart), ist Not: dann auch Alte und auf Kredit,
        // so weit die Bank ihn gibt und das Vermögen zehn Spieltage Ausgaben übersteigt; unter elf zuerst
        // die, die eine Saison am wenigsten kosten, damit das Geld für eine Elf reicht. Unter sieben
        // kostet jedes Spiel Strafe: dann zählt das Vermögen nicht.
        const bool not_ = bleiben < 11 || jeLinie[0] < 1;
        // Für den zweiten Torwart springt keiner ein, und ein Abgang kommt ohne Vorwarnung: ihn kauft
        // er aus eigenem Geld, auch einen Alten.
        const bool torwart = jeLinie[0] < MindestJeLinie[0];
        const int64_t rueck = not_ ? -std::max<int64_t>(0, VermoegenWert(m) / 2 - mg.Kredit) : torwart ? 0 : Ruecklage(mg);
        const Kaufrahmen rahmen{raum(rueck),
                                not_ && bleiben >= 7 ? VermoegenWert(m) - int64_t{10} * mg.Ausgaben - verlust : INT64_MAX,
                                not_ || torwart, not_ && bleiben < 11};
        const int r = Marktwahl(m, jeLinie, bleiben, rahmen, gekauft);
        if (r == 0) break;
        const Kaderspieler_& s = S.Transferliste[r];
        gekauft.push_back(r);
        ++jeLinie[static_cast<size_t>(LinieVon(s))];
        ++bleiben;
        verlust += Kaufpreis(s) - s.Wert;
        nimm({Entscheidung::Kaufen, r, 0, 0, 0, -Kaufpreis(s), rueck});
    }
    // Eine Verstärkung nur, wenn der Kader nicht erst aufgefüllt wird: der Neue verdrängt einen aus der Elf.
    if (neu && gekauft.empty())
        if (const Verstaerkung v = VerstaerkungMit(m, raum(RuecklageNeu(mg))); v.zeile > 0)
            nimm({Entscheidung::Verstaerken, v.zeile, v.verdraengt, 0, v.gewinn, -v.preis, RuecklageNeu(mg)});

    // Ein Sondertrainer für 50 Spiele, wenn danach die Rücklage bleibt: der beste, den die Liga zeigt.
    if (mg.Trainer < 1) {
        const int64_t rueck = RuecklageVon(mg, stufe);
        int wahl = 0, beste = 0;
        int64_t preis = 0;
        for (int t = 1; t <= AngeboteneTrainer(m); ++t) {
            const Trainerwahl w = TrainerVerpflichtenPruefen(m, t, 50);
            if (!w.plan || w.plan->Stufe <= beste || w.plan->Bedingungen.Kostet > raum(rueck)) continue;
            wahl = t;
            beste = w.plan->Stufe;
            preis = w.plan->Bedingungen.Kostet;
        }
        if (wahl > 0) nimm({Entscheidung::Trainer, wahl, 0, 0, beste, -preis, rueck});
    }

    const int liga = std::clamp<int>(mg.Liga, 1, 4);
    const int64_t rueck = neu ? RuecklageNeu(mg) : 2 * Ruecklage(mg);
    // Mehr Plätze nur, wenn die Heimspiele der Saison im Schnitt fast ausverkauft waren und das letzte auch.
    if (mg.Plaetze >= StartPlaetze && mg.HeimspieleSaison >= 2 &&
        int64_t{mg.ZuschauerSaison} * 20 >= int64_t{mg.Plaetze} * 19 * mg.HeimspieleSaison &&
        int64_t{mg.ZuschauerLetzte} * 20 >= int64_t{mg.Plaetze} * 19) {
        // 10.000 mit Rabatt; auf Sieg gespielt sonst so viele Tausend, wie das Geld über der Rücklage trägt.
        int64_t n = std::min(10000, MaxPlaetze - mg.Plaetze);
        if (n < 10000 || -Stadionbuchung(PlaetzeKaufenPruefen(m, 10000)) > raum(rueck))
            n = neu ? std::min<int64_t>(std::max<int64_t>(0, raum(rueck)) / Platzpreis(liga), MaxPlaetze - mg.Plaetze) /
                          1000 * 1000
                    : 0;
        if (n >= 1000)
            if (const int64_t b = Stadionbuchung(PlaetzeKaufenPruefen(m, static_cast<int>(n))); b < 0 && -b <= raum(rueck))
                nimm({Entscheidung::Plaetze, static_cast<int>(n), 0, 0, 0, b, rueck});
    }
    // Komfort lohnt erst in den oberen Ligen mit vielen Zuschauern, und nur aus dem Überfluss.
    if (liga <= 2 && mg.Komfortpunkte + 11 <= MaxKomfort) {
        const int64_t r = neu ? rueck : 4 * Ruecklage(mg);
        if (const int64_t b = Stadionbuchung(KomfortKaufenPruefen(m, 10)); b < 0 && -b <= raum(r))
            nimm({Entscheidung::Komfort, 10, 0, 0, 0, b, r});
    }
    if (!neu) return liste;

    if (const int lager = Lagerwahl(m); lager > 0)
        if (const int64_t preis = LagerBerechnen(mg.KaderAnzahl, lager, 10).Preis; preis <= raum(RuecklageNeu(mg)))
            nimm({Entscheidung::Lager, lager, 0, 0, 0, -preis, RuecklageNeu(mg)});
    int64_t kosten = 0, staerke = 0;
    PunktePlan(m, raum(RuecklageNeu(mg)), kosten, staerke);
    if (kosten > 0) nimm({Entscheidung::Punkte, 0, 0, 0, staerke, -kosten, RuecklageNeu(mg)});
    return liste;
}

bool EntscheidungAusfuehren(int m, const Entscheidung& e)
{
    const Selbstbestaetigung bestaetigen;
    Manager_& mg = S.Manager[m];
    switch (e.art) {
    case Entscheidung::Pleite: return PleiteAbwenden(m);
    case Entscheidung::Verkaufen:
        if (e.ziel < 1 || e.ziel > mg.KaderAnzahl) return false;
        SpielerVerkaufen(m, e.ziel);
        return mg.Kader[e.ziel].Transferstatus != 0;
    case Entscheidung::Kaufen:
        return KaufVerhandlungOeffnen(m, e.ziel, Kaufregler) && Anbieten() == Verhandlungsergebnis::Zusage;
    case Entscheidung::Verstaerken: {
        // Nach dem Kauf ist der Kader neu sortiert: den Verdrängten beim Namen suchen.
        const Kaderspieler_ weg = mg.Kader[e.bezug];
        if (!KaufVerhandlungOeffnen(m, e.ziel, Kaufregler) || Anbieten() != Verhandlungsergebnis::Zusage) return false;
        if (Ungelistete(mg).second <= Wunschkader) return true;
        for (int i = 1; i <= mg.KaderAnzahl; ++i) {
            const Kaderspieler_& s = mg.Kader[i];
            if (s.Transferstatus == 0 && s.Vorname.roh() == weg.Vorname.roh() && s.Nachname.roh() == weg.Nachname.roh() &&
                s.Alter == weg.Alter) {
                SpielerVerkaufen(m, i);
                break;
            }
        }
        return true;
    }
    case Entscheidung::Trainer: return TrainerVerpflichten(m, e.ziel, 50);
    case Entscheidung::Plaetze: return PlaetzeKaufen(m, e.ziel);
    case Entscheidung::Komfort: return KomfortKaufen(m, e.ziel);
    case Entscheidung::Lager: {
        StillesLager bericht;
        return LagerFahren(m, e.ziel, 10, bericht);
    }
    case Entscheidung::Punkte: {
        int64_t kosten = 0, staerke = 0;
        for (const Punktkauf& k : PunktePlan(m, std::min(-e.geld, Spielraum(m, e.ruecklage)), kosten, staerke))
            PunkteKaufen(m, k.i, k.a, k.punkte);
        return kosten > 0;
    }
    }
    return false;
}

void AssistentAusfuehren(int m, AssistentStufe stufe, std::initializer_list<Entscheidung::Art> arten)
{
    for (const Entscheidung& e : AssistentEntscheidungen(m, stufe))
        if (std::find(arten.begin(), arten.end(), e.art) != arten.end()) EntscheidungAusfuehren(m, e);
}

void AssistentPunkte(int m)
{
    // Für sich allein: das ganze Geld über der Rücklage, ohne die anderen Käufe der Liste.
    const int64_t rueck = RuecklageNeu(S.Manager[m]);
    int64_t kosten = 0, staerke = 0;
    PunktePlan(m, Spielraum(m, rueck), kosten, staerke);
    if (kosten > 0) EntscheidungAusfuehren(m, {Entscheidung::Punkte, 0, 0, 0, staerke, -kosten, rueck});
}

void AssistentLager(int m) { AssistentAusfuehren(m, AssistentStufe::Neu, {Entscheidung::Lager}); }

void AssistentBank(int m, AssistentStufe stufe)
{
    const Selbstbestaetigung bestaetigen;
    Manager_& mg = S.Manager[m];
    const int64_t vermoegen = BerechneVermoegen(m);
    // Auf dem Konto bleibt, was zwei Spieltage kosten; der Rest tilgt den teuren Kredit
    // (1,2 % je Spieltag) und liegt dann auf dem Sparbuch (0,3 % statt 0,1 %).
    const int64_t polster = static_cast<int64_t>(mg.Ausgaben) * 2 + 100000;
    int64_t ueber = static_cast<int64_t>(mg.Kontostand) - polster;
    if (ueber < 0) {
        // Erst das Sparbuch, dann der Kredit: beides billiger als 1,5 % Überziehung.
        if (mg.Sparbuch > 0) SparbuchSetzen(m, std::max<int64_t>(0, mg.Sparbuch + ueber));
        int64_t fehlt = polster - mg.Kontostand;
        // Ein Darlehen über 200 Spiele kostet knapp 0,6 % je Spieltag, halb so viel wie der Kredit;
        // es deckt zwanzig Spieltage Polster, damit nicht jeder Zug neu borgt.
        if (stufe == AssistentStufe::Neu && fehlt > 0 && mg.DarlehenRestSpiele <= 0) {
            const int64_t betrag = std::min<int64_t>(std::max<int64_t>(fehlt, polster * 10), vermoegen / 2);
            if (betrag > 0 && DarlehenAufnehmen(m, betrag, DarlehenLaufzeitMax, false)) fehlt = polster - mg.Kontostand;
        }
        const int64_t spielraum = vermoegen / 2 - mg.Kredit;
        if (fehlt > 0 && spielraum > 0) KreditAufnehmen(m, std::min(fehlt, spielraum));
        return;
    }
    if (mg.Kredit > 0) {
        const int64_t tilgen = std::min<int64_t>(ueber, mg.Kredit);
        if (KreditTilgen(m, tilgen, false)) ueber -= tilgen;
    }
    // Mehr als 300 Millionen legt er nicht an: die Zinsen trügen das Vermögen bald bis zur Abgabe.
    const int64_t sparbuch = std::min<int64_t>(static_cast<int64_t>(mg.Sparbuch) + ueber, SparbuchHoechst);
    if (ueber > 0) SparbuchSetzen(m, sparbuch);
}

namespace {

// Zuschauer eines Heimspiels beim Preis p, wie er sie schätzt: die Stimmung aus Moral,
// Tabellenplatz (der Gegner im Mittel) und Komfort, dazu der Reiz des Preises; das Stadion begrenzt.
// Was nicht vom Preis abhängt, steht einmal fest (in derselben Reihenfolge summiert).
struct Zuschauerschaetzung {
    explicit Zuschauerschaetzung(int m)
    {
        const Manager_& mg = S.Manager[m];
        const Mannschaft_& v = VereinVon(m);
        k = std::max(1, 5 - static_cast<int>(mg.Liga));
        grund = v.Moral * 0.15 + (19 - v.Platz) * 5.0 / 6.0 + 9.5 * 5.0 / 6.0 + mg.Komfortpunkte * 0.2;
        frei = std::max(0, mg.Plaetze - mg.DauerkartenVerkauft);
    }
    int64_t operator()(int p) const
    {
        double stimmung = grund + 35.0 / p * 5 * k;
        if (5 * k < p + 2) stimmung -= p;
        const int64_t z = static_cast<int64_t>(std::max(0.0, k * 150.0 * stimmung));
        return std::clamp<int64_t>(z, 0, frei);
    }
    int k;
    double grund;
    int64_t frei;
};

} // namespace

void AssistentStadion(int m, AssistentStufe)
{
    const Selbstbestaetigung bestaetigen;
    Manager_& mg = S.Manager[m];
    // Der Eintritt, der die meiste Kasse bringt; bei Gleichstand der billigere.
    int ziel = 1;
    int64_t kasse = -1;
    const Zuschauerschaetzung schaetzen(m);
    for (int p = 1; p <= 100; ++p) {
        const int64_t k = (schaetzen(p) - mg.DauerkartenVerkauft) * p;
        if (k > kasse) {
            kasse = k;
            ziel = p;
        }
    }
    EintrittspreisSetzen(m, ziel);
    // Ein Dauerkarteninhaber zahlt bei keinem der 17 Heimspiele Eintritt: die Karte kostet
    // mindestens so viel, sonst verschenkt jede verkaufte Karte Geld.
    const int dauer = std::clamp((17 * mg.Eintrittspreis + 4) / 5 * 5, 150, 1000);
    DauerkartenpreisSetzen(m, dauer);

}

namespace {

// Was ein Angebot je Spiel bringt.
int64_t JeSpiel(const Werbeangebot& a) { return IstTrikotplatz(a.platz) ? a.betrag / std::max<int>(1, a.spiele) : a.betrag; }

} // namespace

int64_t AssistentWerbewert(int m, int platz)
{
    const int liga = std::clamp<int>(S.Manager[m].Liga, 1, 4);
    const int t = Zugkraft(m);
    if (IstTrikotplatz(platz)) return Trikotbetrag(liga, platz, 11, 50, t) / 50;
    return Bandenbetrag(liga, platz, 8, 30, t);
}

void AssistentWerbung(int m)
{
    const Selbstbestaetigung bestaetigen;
    Manager_& mg = S.Manager[m];
    for (int platz = WerbungBande1; platz <= WerbungTrikot3; ++platz) {
        if (!WerbeplatzFrei(m, platz) || (platz == WerbungFernsehen && !FernsehenMoeglich(m))) continue;
        // Eine Anfrage je Platz und Zug: angenommen wird, was mindestens 60 % eines mittleren
        // Angebots bringt; die letzte Anfrage nimmt jedes, das Geld bringt.
        const auto a = WerbeangebotMachen(m, platz);
        if (!a) return;
        const bool letzte = mg.Werbeanfragen < 1.0f;
        if (a->betrag > 0 && (letzte || JeSpiel(*a) * 10 >= AssistentWerbewert(m, platz) * 6))
            WerbevertragAnnehmen(m, *a);
    }
}

bool AssistentAngebot(int m, const Angebotsfrage& f)
{
    if (m < 0 || m > S.Spiel.ManagerHoch) return false;
    const int64_t kurs = S.Spiel.Aktienkurs;
    switch (f.art) {
    // Aktien kauft er nur unter dem Kurs und nur aus dem, was über der Rücklage liegt; verkauft
    // wird nur über dem Kurs.
    case Angebotsfrage::AktienKauf:
        return f.anzahl > 0 && f.preis < kurs * f.anzahl && f.preis <= Frei(S.Manager[m]) - Ruecklage(S.Manager[m]);
    case Angebotsfrage::AktienVerkauf: return f.preis > kurs * f.anzahl;
    // Ein gelisteter Spieler soll gehen: jedes Angebot wird angenommen (die Strafe für den
    // Vertragsbruch ist nur das halbe Gehalt, das er sonst bis zum Vertragsende zahlte), es sei denn,
    // der Kader ist seit dem Listen geschrumpft und seine Linie braucht ihn wieder.
    case Angebotsfrage::SpielerVerkauf: return !WiederGebraucht(m, static_cast<int>(f.anzahl));
    // Den ganzen Verein verkauft er nie.
    case Angebotsfrage::VereinVerkauf: return false;
    }
    return false;
}

Antwort AssistentAntwort(int m, const std::string& text, Knoepfe knoepfe)
{
    (void)m, (void)text;
    switch (knoepfe) {
    // Die Überziehungsgebühr zahlen, sonst schlösse der Zug nie.
    case Knoepfe::Ok:
    case Knoepfe::OkAbbrechen: return Antwort::Ok;
    // Fragen (die Pleite, Wetten) lehnt er ab: nie Geld setzen, das fehlt; ohne Vermögen
    // hilft auch die Bank nicht mehr, zurück in den Zug änderte nichts.
    case Knoepfe::JaNein: return Antwort::Nein;
    default: return Antwort::Abbrechen;
    }
}

Befehlswert AssistentKnopf(int m, const std::string& text, const NachrichtArt& art)
{
    (void)m, (void)text;
    switch (art.typ) {
    case NachrichtArt::Jein: return Befehlswert::Nein;
    case NachrichtArt::Auto: return Befehlswert::Keiner;
    default: return Befehlswert::NachrichtWeiter;
    }
}

} // namespace torvane
