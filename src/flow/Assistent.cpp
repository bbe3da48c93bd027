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

// Die Schieber eines Kaufs: 150 % Ablöse, 120 % Gehalt, sechs Jahre; das sagt jeder zu.
constexpr int KaufAbloese = 5;
constexpr int Vertragsjahre = 6;
constexpr Regler_ Kaufregler{KaufAbloese, 2, Vertragsjahre};
// Eine Verlängerung bietet so wenig Gehalt, wie es mit dieser Zusage geht; eine Absage
// kostet nur Form, und bis zum Saisonende bleiben viele Züge für den nächsten Versuch.
constexpr int VerlaengerungZusage = 75;
constexpr int64_t SparbuchHoechst = 300000000;

// Was ein Kauf der Marktzeile r kostet: Ablöse und Eröffnungsgebühr.
int64_t Kaufpreis(const Kaderspieler_& s)
{
    const int32_t abloese = AbloeseFuer(s.Wert, KaufAbloese);
    return static_cast<int64_t>(abloese) + Verhandlungsgebuehr(abloese);
}

} // namespace

void AssistentZug(int m, AssistentStufe stufe)
{
    if (m < 0 || m > S.Spiel.ManagerHoch) return;
    const Selbstbestaetigung bestaetigen;
    const bool neu = stufe == AssistentStufe::Neu;
    // Das Sparbuch zurück aufs Konto: Zinsen gibt es erst beim Abschluss, und bis dahin
    // legt der Schritt Bank zurück, was übrig bleibt.
    SparbuchAufsKonto(m);
    AssistentVertraege(m);
    AssistentVerkauf(m);
    if (neu) {
        const int sparen = AssistentSparwahl(m);
        if (sparen > 0) SpielerVerkaufen(m, sparen);
    }
    AssistentEinkauf(m, stufe);
    AssistentTraining(m, stufe);
    if (neu) {
        // Erst die Plätze (sie bringen Geld bei jedem Heimspiel), dann Lager und Punkte.
        AssistentStadion(m, stufe);
        AssistentLager(m);
        AssistentPunkte(m);
    }
    // Wer neu in die Elf rückt, bekommt seine Punkte im nächsten Zug.
    AssistentAufstellung(m);
    AssistentBank(m, stufe);
    if (!neu) AssistentStadion(m, stufe);
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
        WaehleSystem(m, n);
        if (S.Manager[m].TeamStaerke > staerke) {
            staerke = S.Manager[m].TeamStaerke;
            bestes = n;
        }
    }
    if (bestes != 5) WaehleSystem(m, bestes);
}

void AssistentTraining(int m, AssistentStufe stufe)
{
    const Selbstbestaetigung bestaetigen;
    Manager_& mg = S.Manager[m];
    const int64_t ruecklage = RuecklageVon(mg, stufe);
    // Ein Sondertrainer für 50 Spiele, wenn danach die Rücklage bleibt: der beste, den die Liga zeigt.
    if (mg.Trainer < 1) {
        int wahl = 0;
        int stufe = 0;
        for (int t = 1; t <= AngeboteneTrainer(m); ++t) {
            const Trainereintrag_& e = S.Trainermarkt[t];
            if (e.Nummer == -1 || e.Stufe <= stufe) continue;
            if (Frei(mg) - TrainerBedingungen(t, 50).Kostet < ruecklage) continue;
            wahl = t;
            stufe = e.Stufe;
        }
        if (wahl > 0) TrainerVerpflichten(m, wahl, 50);
    }

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
    const Selbstbestaetigung bestaetigen;
    // Jede Zeile nur einmal am Tag: nach dem Öffnen ist sie verhandelt und fällt aus der Wahl.
    for (int runde = 0; runde < 11; ++runde) {
        const int zeile = AssistentMarktwahl(m);
        if (zeile == 0) break;
        if (!KaufVerhandlungOeffnen(m, zeile, Kaufregler)) return;
        Anbieten();
    }
    if (stufe != AssistentStufe::Neu) return;
    // Verstärkungen: einer je Zug, der Verdrängte geht auf die Liste, sobald der Kader es trägt.
    const Verstaerkung v = AssistentVerstaerkung(m);
    if (v.zeile == 0) return;
    Manager_& mg = S.Manager[m];
    const Kaderspieler_ weg = mg.Kader[v.verdraengt];
    if (!KaufVerhandlungOeffnen(m, v.zeile, Kaufregler)) return;
    if (Anbieten() != Verhandlungsergebnis::Zusage) return;
    if (Ungelistete(mg).second <= Wunschkader) return;
    // Nach dem Kauf ist der Kader neu sortiert: den Verdrängten beim Namen suchen.
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        if (s.Transferstatus == 0 && s.Vorname.roh() == weg.Vorname.roh() && s.Nachname.roh() == weg.Nachname.roh() &&
            s.Alter == weg.Alter) {
            SpielerVerkaufen(m, i);
            return;
        }
    }
}

void AssistentVerkauf(int m)
{
    const Selbstbestaetigung bestaetigen;
    const int wahl = AssistentVerkaufswahl(m);
    if (wahl > 0) SpielerVerkaufen(m, wahl);
}

int AssistentSparwahl(int m)
{
    const Manager_& mg = S.Manager[m];
    // Nur wer schon vom Kredit lebt, spart: dann geht der teuerste Ersatzmann, solange jede Linie
    // ihr System und einen Mann dahinter behält und dreizehn bleiben.
    if (mg.Kredit <= 0) return 0;
    auto [jeLinie, bleiben] = Ungelistete(mg);
    if (bleiben <= 13) return 0;
    const std::array<int, 4> noetig = {2, SystemZiffer(m, 0) + 1, SystemZiffer(m, 1) + 1, SystemZiffer(m, 2) + 1};
    int wahl = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        const size_t l = static_cast<size_t>(LinieVon(s));
        if (s.Transferstatus != 0 || s.Eingesetzt != 0 || jeLinie[l] <= noetig[l]) continue;
        if (wahl == 0 || s.Gehalt > mg.Kader[wahl].Gehalt) wahl = i;
    }
    return wahl;
}

int AssistentVerkaufswahl(int m)
{
    const Manager_& mg = S.Manager[m];
    auto [jeLinie, bleiben] = Ungelistete(mg);
    if (bleiben <= AssistentMindestkader) return 0;

    // Ein Spieler je Zug: der Älteste ab der Altersgrenze, sonst bei zu vollem Kader der
    // Schwächste einer Linie, die ihn entbehren kann.
    int wahl = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        const int l = LinieVon(s);
        if (s.Transferstatus != 0 || jeLinie[static_cast<size_t>(l)] <= MindestJeLinie[static_cast<size_t>(l)])
            continue;
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
    bool luecke = false;
    for (size_t l = 0; l < 4; ++l) luecke = luecke || jeLinie[l] < MindestJeLinie[l];
    if (!luecke && bleiben >= AssistentMindestkader) return 0;

    // Zuerst nur für die Linien unter ihrem Minimum; bietet der Markt dafür niemanden, füllt
    // unter dem Mindestkader jeder andere auf.
    int wahl = 0;
    for (const bool nurLuecke : {luecke, false}) {
        for (int r = 1; r <= 11; ++r) {
            const Kaderspieler_& s = S.Transferliste[r];
            // Ein zweites Gespräch am selben Tag kostet nur Strafe.
            if (s.Transferstatus == 0 || s.Verhandelt != 0 || s.Alter >= AltersGrenze) continue;
            const size_t l = static_cast<size_t>(LinieVon(s));
            if (nurLuecke && jeLinie[l] >= MindestJeLinie[l]) continue;
            if (Frei(mg) - Kaufpreis(s) < Ruecklage(mg)) continue;
            if (wahl == 0 || s.Staerke > S.Transferliste[wahl].Staerke) wahl = r;
        }
        if (wahl != 0 || bleiben >= AssistentMindestkader) break;
    }
    return wahl;
}

std::vector<int> AssistentVerlaengerungen(int m)
{
    const Manager_& mg = S.Manager[m];
    // Rang nach Stärke unter den Ungelisteten, je Linie gezählt für das Minimum.
    std::vector<int> kandidaten;
    for (int i = 1; i <= mg.KaderAnzahl; ++i)
        if (mg.Kader[i].Transferstatus == 0) kandidaten.push_back(i);
    std::stable_sort(kandidaten.begin(), kandidaten.end(),
                     [&](int a, int b) { return mg.Kader[a].Staerke > mg.Kader[b].Staerke; });
    std::vector<int> wahl;
    std::array<int, 4> jeLinie{};
    for (size_t rang = 0; rang < kandidaten.size(); ++rang) {
        const Kaderspieler_& s = mg.Kader[kandidaten[rang]];
        const size_t l = static_cast<size_t>(LinieVon(s));
        const bool gebraucht = static_cast<int>(rang) < AssistentMindestkader || jeLinie[l] < MindestJeLinie[l];
        ++jeLinie[l];
        if (gebraucht && VertragLaeuftAus(s) && s.Alter < AltersGrenze && s.Verhandelt == 0)
            wahl.push_back(kandidaten[rang]);
    }
    return wahl;
}

int64_t AssistentRuecklage(int m) { return RuecklageNeu(S.Manager[m]); }

Verstaerkung AssistentVerstaerkung(int m)
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
        // Fünf Punkte mehr, sonst kauft er die Punkte billiger dem eigenen Mann.
        const int gewinn = s.Staerke - mg.Kader[w].Staerke;
        const int64_t preis = Kaufpreis(s);
        if (gewinn < 5 || Frei(mg) - preis < RuecklageNeu(mg)) continue;
        if (gewinn > beste.gewinn) beste = {r, w, gewinn, preis};
    }
    return beste;
}

namespace {

// Die Stammspieler in der Reihenfolge, in der sie Punkte bekommen: die Elf, dann die Stärksten
// der Ungelisteten bis zum Mindestkader.
std::vector<int> Stammspieler(const Manager_& mg)
{
    std::vector<int> elf, rest;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        if (s.Eingesetzt != 0)
            elf.push_back(i);
        else if (s.Transferstatus == 0)
            rest.push_back(i);
    }
    std::stable_sort(rest.begin(), rest.end(), [&](int a, int b) { return mg.Kader[a].Staerke > mg.Kader[b].Staerke; });
    for (int i : rest) {
        if (static_cast<int>(elf.size()) >= AssistentMindestkader) break;
        elf.push_back(i);
    }
    return elf;
}

// Still ins Lager: ohne Bildschirm gibt es nichts zu erzählen.
class StillesLager : public Lagerbericht {};

} // namespace

void AssistentPunkte(int m)
{
    const Selbstbestaetigung bestaetigen;
    Manager_& mg = S.Manager[m];
    const std::vector<int> stamm = Stammspieler(mg);
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
    for (const Kauf& k : Reihe) {
        for (int i : stamm) {
            const Kaderspieler_& s = mg.Kader[i];
            if (k.nurElf && s.Eingesetzt == 0) continue;
            const int luecke = k.a == Attribut::Technik        ? 120 - s.Technik
                               : k.a == Attribut::Konstitution ? std::min<int>(60, KonstMaxFuer(s.Alter)) - s.Konstitution
                                                               : 10 - s.Form;
            const int64_t geld = Frei(mg) - RuecklageNeu(mg);
            const int punkte = static_cast<int>(std::min<int64_t>(luecke, geld / k.preis));
            if (punkte <= 0) continue;
            PunkteKaufen(m, i, k.a, punkte);
        }
    }
}

void AssistentLager(int m)
{
    const Selbstbestaetigung bestaetigen;
    Manager_& mg = S.Manager[m];
    // Ins Lager nur zum Heilen: fallen drei Stammspieler noch zwei Wochen und mehr aus, bringt
    // das beste erlaubte Lager sie zehn Tage lang schneller zurück.
    int verletzt = 0;
    for (int i : Stammspieler(mg))
        if (mg.Kader[i].Verletzt >= 2) ++verletzt;
    if (verletzt < 3) return;
    int lager = 3;
    while (lager >= 1 && !LagerErlaubt(mg.Liga, lager)) --lager;
    if (lager < 1) return;
    const Lagerwerte w = LagerBerechnen(mg.KaderAnzahl, lager, 10);
    if (Frei(mg) - w.Preis < RuecklageNeu(mg)) return;
    StillesLager bericht;
    LagerFahren(m, lager, 10, bericht);
}

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
int64_t ZuschauerSchaetzen(int m, int p)
{
    const Manager_& mg = S.Manager[m];
    const Mannschaft_& v = VereinVon(m);
    const int k = std::max(1, 5 - static_cast<int>(mg.Liga));
    double stimmung = v.Moral * 0.15 + (19 - v.Platz) * 5.0 / 6.0 + 9.5 * 5.0 / 6.0 + mg.Komfortpunkte * 0.2 +
                      35.0 / p * 5 * k;
    if (5 * k < p + 2) stimmung -= p;
    const int64_t z = static_cast<int64_t>(std::max(0.0, k * 150.0 * stimmung));
    return std::clamp<int64_t>(z, 0, std::max(0, mg.Plaetze - mg.DauerkartenVerkauft));
}

} // namespace

void AssistentStadion(int m, AssistentStufe stufe)
{
    const Selbstbestaetigung bestaetigen;
    Manager_& mg = S.Manager[m];
    const bool neu = stufe == AssistentStufe::Neu;
    // Der Eintritt, der die meiste Kasse bringt; bei Gleichstand der billigere.
    int ziel = 1;
    int64_t kasse = -1;
    for (int p = 1; p <= 100; ++p) {
        const int64_t k = (ZuschauerSchaetzen(m, p) - mg.DauerkartenVerkauft) * p;
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

    // Plätze nur, wenn das Stadion beim letzten Heimspiel fast voll war und die Rücklage zweimal bleibt.
    const int liga = std::clamp<int>(mg.Liga, 1, 4);
    const int64_t belegt = static_cast<int64_t>(mg.ZuschauerLetzte) + mg.DauerkartenVerkauft;
    const int64_t platzpreis = static_cast<int64_t>(Platzpreis(liga)) * 10000 * 9 / 10;
    // Auf Sieg gespielt genügt die eigene Rücklage einmal: Geld darüber soll arbeiten.
    const int64_t rueck = neu ? RuecklageNeu(mg) : 2 * Ruecklage(mg);
    const bool voll = belegt * 20 >= static_cast<int64_t>(mg.Plaetze) * 19;
    if (voll && mg.Plaetze + 10000 < MaxPlaetze && Frei(mg) - platzpreis >= rueck) {
        PlaetzeKaufen(m, 10000);
    } else if (neu && voll) {
        // Für 10.000 reicht es nicht: so viele Tausend, wie das Geld über der Rücklage trägt.
        const int64_t n = std::min<int64_t>((Frei(mg) - rueck) / Platzpreis(liga), MaxPlaetze - mg.Plaetze) / 1000 * 1000;
        if (n >= 1000) PlaetzeKaufen(m, static_cast<int>(n));
    }
    // Komfort lohnt erst in den oberen Ligen mit vielen Zuschauern, und nur aus dem Überfluss.
    const int64_t komfortpreis = static_cast<int64_t>(Komfortpreis(liga)) * 10;
    if (liga <= 2 && mg.Komfortpunkte + 11 <= MaxKomfort && Frei(mg) - komfortpreis >= (neu ? rueck : 4 * Ruecklage(mg)))
        KomfortKaufen(m, 10);
}

namespace {

// Was ein Angebot je Spiel bringt, und was ein mittleres für diesen Platz brächte.
int64_t JeSpiel(const Werbeangebot& a) { return IstTrikotplatz(a.platz) ? a.betrag / std::max<int>(1, a.spiele) : a.betrag; }

int64_t MittelJeSpiel(int m, int platz)
{
    const int liga = std::clamp<int>(S.Manager[m].Liga, 1, 4);
    const int t = Zugkraft(m);
    if (IstTrikotplatz(platz)) return Trikotbetrag(liga, platz, 11, 50, t) / 50;
    return Bandenbetrag(liga, platz, 8, 30, t);
}

} // namespace

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
        if (a->betrag > 0 && (letzte || JeSpiel(*a) * 10 >= MittelJeSpiel(m, platz) * 6))
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
    // Ein gelisteter Spieler soll gehen: jedes Angebot wird angenommen. Die Strafe für den
    // Vertragsbruch ist nur das halbe Gehalt, das er sonst bis zum Vertragsende zahlte.
    case Angebotsfrage::SpielerVerkauf: return true;
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
