#include "flow/Assistent.h"

#include "core/AutoOberflaeche.h"
#include "core/Variablen.h"
#include "flow/Zug.h"
#include "squad/Kader.h"
#include "squad/Markt.h"
#include "squad/Spielsystem.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace torvane {

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

int Linie(const Kaderspieler_& s)
{
    const std::string_view p = s.Position.roh();
    if (p == "T") return 0;
    if (p == "V") return 1;
    if (p == "M") return 2;
    return 3;
}

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
        ++jeLinie[static_cast<size_t>(Linie(mg.Kader[i]))];
        ++zusammen;
    }
    return {jeLinie, zusammen};
}

// Rücklage, die nach einer Ausgabe bleiben soll: zehn Spieltage Gehalt und eine Million.
int64_t Ruecklage(const Manager_& mg) { return static_cast<int64_t>(mg.KaderGehalt) * 10 + 1000000; }

bool Enthaelt(const std::string& text, std::string_view teil) { return text.find(teil) != std::string::npos; }

} // namespace

void AssistentZug(int m)
{
    if (m < 0 || m > S.Spiel.ManagerHoch) return;
    const Selbstbestaetigung bestaetigen;
    AssistentVertraege(m);
    AssistentVerkauf(m);
    AssistentEinkauf(m);
    AssistentTraining(m);
    AssistentAufstellung(m);
    AssistentBank(m);
    AssistentStadion(m);
    AssistentWerbung(m);
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

void AssistentTraining(int m)
{
    const Selbstbestaetigung bestaetigen;
    Manager_& mg = S.Manager[m];
    // Ein Sondertrainer für 50 Spiele, wenn danach die Rücklage bleibt: der beste, den die Liga zeigt.
    if (mg.Trainer < 1) {
        int wahl = 0;
        int stufe = 0;
        for (int t = 1; t <= AngeboteneTrainer(m); ++t) {
            const Trainereintrag_& e = S.Trainermarkt[t];
            if (e.Nummer == -1 || e.Stufe <= stufe) continue;
            if (static_cast<int64_t>(mg.Kontostand) - TrainerBedingungen(t, 50).Kostet < Ruecklage(mg)) continue;
            wahl = t;
            stufe = e.Stufe;
        }
        if (wahl > 0) TrainerVerpflichten(m, wahl, 50);
    }

    // Der Plan, bis es die Regeln des Trainingsbildschirms gibt: sechs Stunden (mehr bringt mehr
    // Verletzte), die gewohnte Gewichtung und alle Bälle verteilt, die Technik zuerst.
    mg.Trainingsstunden = 6;
    if (mg.TrainingVerteidigung + mg.TrainingMittelfeld + mg.TrainingAngriff != 100) {
        mg.TrainingVerteidigung = 30;
        mg.TrainingMittelfeld = 40;
        mg.TrainingAngriff = 30;
    }
    const int konstitution = std::min(11, mg.Baelle / 2);
    mg.BaelleKonstitution = static_cast<uint8_t>(konstitution);
    mg.BaelleTechnik = static_cast<uint8_t>(std::min(11, mg.Baelle - konstitution));
}

void AssistentVertraege(int m)
{
    // Verlängert über NeuerVertrag und die Verhandlung die Verträge aus AssistentVerlaengerungen.
    (void)m;
}

void AssistentEinkauf(int m)
{
    // Kauft über MarktspielerWaehlen und die Verhandlung die Zeile aus AssistentMarktwahl.
    (void)m;
}

void AssistentVerkauf(int m)
{
    const Selbstbestaetigung bestaetigen;
    Manager_& mg = S.Manager[m];
    auto [jeLinie, bleiben] = Ungelistete(mg);
    if (bleiben <= AssistentMindestkader) return;

    // Ein Spieler je Zug: der Älteste ab der Altersgrenze, sonst bei zu vollem Kader der
    // Schwächste einer Linie, die ihn entbehren kann.
    int wahl = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        const int l = Linie(s);
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
    if (wahl > 0) SpielerVerkaufen(m, wahl);
}

int AssistentMarktwahl(int m)
{
    const Manager_& mg = S.Manager[m];
    if (mg.KaderAnzahl >= 23) return 0;
    auto [jeLinie, bleiben] = Ungelistete(mg);
    bool luecke = false;
    for (size_t l = 0; l < 4; ++l) luecke = luecke || jeLinie[l] < MindestJeLinie[l];
    if (!luecke && bleiben >= AssistentMindestkader) return 0;

    int wahl = 0;
    for (int r = 1; r <= 11; ++r) {
        const Kaderspieler_& s = S.Transferliste[r];
        // Ein zweites Gespräch am selben Tag kostet nur Strafe.
        if (s.Transferstatus == 0 || s.Verhandelt != 0 || s.Alter >= AltersGrenze) continue;
        const size_t l = static_cast<size_t>(Linie(s));
        if (luecke && jeLinie[l] >= MindestJeLinie[l]) continue;
        if (static_cast<int64_t>(mg.Kontostand) - s.Wert < Ruecklage(mg)) continue;
        if (wahl == 0 || s.Staerke > S.Transferliste[wahl].Staerke) wahl = r;
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
        const size_t l = static_cast<size_t>(Linie(s));
        const bool gebraucht = static_cast<int>(rang) < AssistentMindestkader || jeLinie[l] < MindestJeLinie[l];
        ++jeLinie[l];
        if (gebraucht && s.Vertrag <= 1 && s.Alter < AltersGrenze && s.Verhandelt == 0)
            wahl.push_back(kandidaten[rang]);
    }
    return wahl;
}

void AssistentBank(int m)
{
    // Gleicht über Schnellkredit und Sparbuch das Konto aus, damit kein teurer Dispo entsteht.
    (void)m;
}

void AssistentStadion(int m)
{
    // Baut Plätze und Komfort aus, wenn Geld und Liga es rechtfertigen.
    (void)m;
}

void AssistentWerbung(int m)
{
    // Schließt freie Werbeverträge zum besten Angebot ab.
    (void)m;
}

Antwort AssistentAntwort(int m, const std::string& text, Knoepfe knoepfe)
{
    (void)m;
    // Lieber zurück als aus dem Spiel, aber nur, wenn er dann Geld beschaffen kann; das kann er erst mit der Bank.
    if (text == PleiteFrageText) return Antwort::Nein;
    // Ein gelisteter Spieler soll gehen: jedes Angebot wird angenommen.
    if (Enthaelt(text, "Angebot akzeptieren")) return Antwort::Ja;
    switch (knoepfe) {
    // Die Überziehungsgebühr zahlen, sonst schlösse der Zug nie.
    case Knoepfe::Ok:
    case Knoepfe::OkAbbrechen: return Antwort::Ok;
    // Unbekannte Fragen (Wetten, Angebote aus Ereignissen) lehnt er ab: nie Geld setzen, das fehlt.
    case Knoepfe::JaNein: return Antwort::Nein;
    default: return Antwort::Abbrechen;
    }
}

std::string AssistentKnopf(int m, const std::string& text, const NachrichtArt& art)
{
    (void)m, (void)text;
    switch (art.typ) {
    case NachrichtArt::Jein: return "Nein";
    case NachrichtArt::Auto: return "";
    default: return "Weiter";
    }
}

} // namespace torvane
