#include "flow/Ratgeber.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Variablen.h"
#include "finance/Stadion.h"
#include "finance/Vermoegen.h"
#include "finance/Werbung.h"
#include "flow/Assistent.h"
#include "flow/Zug.h"
#include "squad/Kader.h"
#include "squad/Markt.h"
#include "squad/Training.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace torvane {

namespace {

std::string Euro(int64_t betrag) { return Geldtext(static_cast<double>(betrag)) + Waehrung; }

std::string Name(const Kaderspieler_& s) { return s.Vorname.text() + " " + s.Nachname.text(); }

std::string Zahl(int64_t v) { return Geldtext(static_cast<double>(v)); }

const char* const LinienNamen[4] = {"Torwart", "Verteidiger", "Mittelfeldspieler", "Stürmer"};

bool Einsatzfaehig(const Kaderspieler_& s) { return s.Verletzt <= 0 && SperreGrund(s) == 0; }

// Der Kader gegen das, was das nächste Spiel verlangt: ein Torwart und je Linie die Zahl des Systems.
void KaderLuecken(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    if (!HatSpiel(m)) return;
    std::array<int, 4> bereit{};
    int alle = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i)
        if (Einsatzfaehig(mg.Kader[i])) {
            ++bereit[static_cast<size_t>(AssistentLinie(mg.Kader[i]))];
            ++alle;
        }
    const std::array<int, 4> noetig = {1, SystemZiffer(m, 0), SystemZiffer(m, 1), SystemZiffer(m, 2)};
    const bool voll = mg.KaderAnzahl >= 23;
    if (alle < 11)
        raete.push_back({Rat::Kader, 100,
                         "Nur " + Zahl(alle) + " einsatzfähige Spieler: für eine volle Elf fehlen " + Zahl(11 - alle) +
                             (voll ? ". Der Kader ist voll, erst jemanden abgeben." : ". Auf dem Transfermarkt nachkaufen."),
                         voll ? Menuepunkt::Aufstellung : Menuepunkt::Transfermarkt, voll ? "Aufstellung" : "Transfermarkt"});
    for (size_t l = 0; l < 4; ++l) {
        if (bereit[l] >= noetig[l]) continue;
        raete.push_back({Rat::Kader, 95,
                         "Für das System " + mg.SpielSystem.text() + " fehlen einsatzfähige " + LinienNamen[l] + ": " +
                             Zahl(bereit[l]) + " statt " + Zahl(noetig[l]) + ".",
                         voll ? Menuepunkt::Aufstellung : Menuepunkt::Transfermarkt, voll ? "Aufstellung" : "Transfermarkt"});
    }
    const int eingesetzt = AnzahlEingesetzt(m);
    if (eingesetzt < 7)
        raete.push_back({Rat::Kader, 100,
                         "Nur " + Zahl(eingesetzt) + " Spieler aufgestellt: unter 7 kostet der Abschluss " +
                             Euro(static_cast<int64_t>(5 - mg.Liga) * 250000) + " Strafe.",
                         Menuepunkt::Aufstellung, "Aufstellung"});
}

void Aufgestellte(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        if (s.Eingesetzt == 0 || Einsatzfaehig(s)) continue;
        const std::string grund = s.Verletzt > 0 ? "ist verletzt (noch " + Zahl(s.Verletzt) + " Wochen)" : "ist gesperrt";
        raete.push_back({Rat::Aufstellung, 90, Name(s) + " " + grund + " und steht trotzdem in der Elf.",
                         Menuepunkt::Aufstellung, "Aufstellung"});
    }
}

// Der Kontostand nach den Buchungen des Abschlusses, wie sie der Ligaspieltag vornimmt.
void Dispo(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    const int64_t konto = mg.Kontostand;
    const int64_t vermoegen = VermoegenWert(m);
    if (-(vermoegen / 10) > konto) {
        const int64_t gebuehr = AbrundenAuf(Runden(-static_cast<double>(konto) / 10.0) + 1000, 3);
        raete.push_back({Rat::Ueberziehung, 92,
                         "Konto über 10 % des Vermögens überzogen: der Abschluss kostet " + Euro(gebuehr) +
                             " Gebühr. Vorher Sparbuch oder Kredit nutzen.",
                         Menuepunkt::Bank, "Bank"});
    }
    if (S.Spiel.Wettbewerb != Wettbewerb_::Liga) return;
    // Dieselben Rechnungen wie die Buchungen des Ligaspieltags, in derselben Reihenfolge.
    int64_t nachher = konto;
    if (konto > 0) nachher += Runden(konto / 100.0 * 0.1);
    if (konto < 0) nachher += Runden(konto / 100.0 * 1.5);
    if (mg.DarlehenRestSpiele > 0) nachher -= mg.DarlehenRate;
    nachher -= Runden(mg.Kredit / 100.0 * 1.2);
    nachher += static_cast<int64_t>(mg.Nebeneinnahmen) - mg.KaderGehalt + mg.Werbeeinnahmen - mg.TrainerGehalt -
               mg.Stadionkosten;
    if (nachher >= 0) return;
    const int64_t zinsen = Runden(-static_cast<double>(nachher) / 100.0 * 1.5);
    const bool sparbuch = mg.Sparbuch >= -nachher;
    raete.push_back({Rat::Ueberziehung, 80,
                     "Nach dem Abschluss etwa " + Euro(-nachher) + " im Minus: der Dispo kostet 1,5 %, rund " +
                         Euro(zinsen) + " je Spieltag. " +
                         (sparbuch ? "Das Sparbuch deckt es." : "Ein Kredit (1,2 %) ist billiger."),
                     Menuepunkt::Bank, "Bank", nachher});
}

void Vertraege(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    for (int i : AssistentVerlaengerungen(m)) {
        const Kaderspieler_& s = mg.Kader[i];
        raete.push_back({Rat::Vertrag, 70,
                         "Vertrag von " + Name(s) + " (Stärke " + Zahl(s.Staerke) + ") läuft aus: verlängern, er will etwa " +
                             Euro(Gehaltsforderung(s.Alter, s.Staerke, 6)) + " je Spiel für 6 Jahre.",
                         Menuepunkt::Aufstellung, "Aufstellung"});
    }
}

void TrainerUndTraining(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    const int64_t frei = static_cast<int64_t>(mg.Kontostand) + mg.Sparbuch;
    if (!HatTrainer(m)) {
        int wahl = 0;
        for (int t = 1; t <= AngeboteneTrainer(m); ++t) {
            const Trainereintrag_& e = S.Trainermarkt[t];
            if (e.Nummer == -1 || TrainerBedingungen(t, 50).Kostet > frei) continue;
            if (wahl == 0 || e.Stufe > S.Trainermarkt[wahl].Stufe) wahl = t;
        }
        if (wahl > 0)
            raete.push_back({Rat::Trainer, 60,
                             "Kein Sondertrainer: ohne ihn gibt es keine Trainingsbälle. Einer der Stufe " +
                                 Zahl(S.Trainermarkt[wahl].Stufe) + " kostet für 50 Spiele " +
                                 Euro(TrainerBedingungen(wahl, 50).Kostet) + ".",
                             Menuepunkt::Transfermarkt, "Transfermarkt"});
    }
    if (FreieBaelle(m) > 0 && mg.BaelleTechnik + mg.BaelleKonstitution < 2 * BallPlaetze)
        raete.push_back({Rat::Training, 50,
                         Zahl(FreieBaelle(m)) + " Trainingsbälle liegen ungenutzt: auf Technik und Konstitution verteilen.",
                         Menuepunkt::Training, "Training"});
    int verletzt = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i)
        if (mg.Kader[i].Verletzt > 0) ++verletzt;
    if (mg.Trainingsstunden >= 8 && verletzt >= 3)
        raete.push_back({Rat::Training, 55,
                         Zahl(mg.Trainingsstunden) + " Stunden Training bei " + Zahl(verletzt) +
                             " Verletzten: mehr Stunden bringen mehr Verletzte, 6 genügen.",
                         Menuepunkt::Training, "Training"});
    else if (mg.Trainingsstunden <= 3)
        raete.push_back({Rat::Training, 45,
                         "Nur " + Zahl(mg.Trainingsstunden) + " Stunden Training: so wächst die Mannschaft kaum.",
                         Menuepunkt::Training, "Training"});
}

void Markt(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    const Verstaerkung v = AssistentVerstaerkung(m);
    if (v.zeile > 0) {
        const Kaderspieler_& s = S.Transferliste[v.zeile];
        raete.push_back({Rat::Verstaerkung, 40,
                         Name(s) + " (" + Zahl(s.Alter) + ", Stärke " + Zahl(s.Staerke) + ") für etwa " + Euro(v.preis) +
                             ": " + Zahl(v.gewinn) + " Punkte stärker als " + Name(mg.Kader[v.verdraengt]) + " in der Elf.",
                         Menuepunkt::Transfermarkt, "Transfermarkt"});
    }
    // Punkte für die Elf: der billigste Weg zu mehr Stärke, solange die Rücklage bleibt.
    int64_t kosten = 0;
    int staerke = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        if (s.Eingesetzt == 0) continue;
        const int t = std::max(0, 120 - s.Technik), k = std::max(0, std::min(60, KonstMaxFuer(s.Alter)) - s.Konstitution),
                  f = std::max(0, 10 - s.Form);
        kosten += int64_t{t} * PreisTechnik + int64_t{k} * PreisKonstitution + int64_t{f} * PreisForm;
        staerke += static_cast<int>(std::lround((s.Technik + t + s.Konstitution + k) / 1.5)) + f -
                   static_cast<int>(std::lround((s.Technik + s.Konstitution) / 1.5));
    }
    const int64_t uebrig = static_cast<int64_t>(mg.Kontostand) + mg.Sparbuch - mg.Kredit - AssistentRuecklage(m);
    if (kosten > 0 && uebrig >= kosten)
        raete.push_back({Rat::Punkte, 42,
                         "\"Maximieren\" bringt die Elf für " + Euro(kosten) + " auf das Höchste, zusammen " +
                             Zahl(staerke) + " Punkte Stärke mehr; das Geld liegt sonst nur herum.",
                         Menuepunkt::Aufstellung, "Aufstellung"});
    const int weg = AssistentVerkaufswahl(m);
    const int sparen = weg > 0 ? 0 : AssistentSparwahl(m);
    if (weg > 0) {
        const Kaderspieler_& s = mg.Kader[weg];
        raete.push_back({Rat::Verkauf, 35,
                         Name(s) + " auf die Transferliste: " +
                             (s.Alter >= 33 ? "mit " + Zahl(s.Alter) + " Jahren baut er ab." : "der Kader ist zu groß, er ist entbehrlich."),
                         Menuepunkt::Aufstellung, "Aufstellung"});
    } else if (sparen > 0) {
        const Kaderspieler_& s = mg.Kader[sparen];
        raete.push_back({Rat::Verkauf, 65,
                         Name(s) + " auf die Transferliste: der Verein lebt vom Kredit, und er kostet als Ersatzmann " +
                             Euro(s.Gehalt) + " je Spiel.",
                         Menuepunkt::Aufstellung, "Aufstellung"});
    }
}

void Stadion(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    if (mg.HeimspieleSaison == 0 || mg.Plaetze <= 0 || mg.Plaetze >= MaxPlaetze) return;
    const int64_t belegt = static_cast<int64_t>(mg.ZuschauerLetzte) + mg.DauerkartenVerkauft;
    if (belegt < mg.Plaetze) return;
    const int64_t n = std::min<int64_t>(10000, MaxPlaetze - mg.Plaetze);
    int64_t preis = n * Platzpreis(mg.Liga);
    if (n >= 10000) preis -= preis / 10;
    raete.push_back({Rat::Stadion, 30,
                     "Beim letzten Heimspiel ausverkauft (" + Zahl(mg.Plaetze) + " Plätze): " + Zahl(n) +
                         " Plätze mehr kosten " + Euro(preis) + ".",
                     Menuepunkt::Stadion, "Stadion"});
}

void Werbung(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    int frei = 0;
    for (int platz = WerbungBande1; platz <= WerbungTrikot3; ++platz)
        if (WerbeplatzFrei(m, platz) && (platz != WerbungFernsehen || FernsehenMoeglich(m))) ++frei;
    // Ohne Anfragen kommt auch kein Angebot; dann hilft nur Leistung.
    if (frei == 0 || mg.Werbeanfragen < 1.0f) return;
    raete.push_back({Rat::Werbung, 25,
                     Zahl(frei) + (frei == 1 ? " Werbeplatz ist" : " Werbeplätze sind") + " frei: Angebote einholen bringt Geld je Spiel.",
                     Menuepunkt::Werbung, "Werbung"});
}

} // namespace

std::vector<Rat> Ratschlaege(int m)
{
    std::vector<Rat> raete;
    if (m < 0 || m > S.Spiel.ManagerHoch) return raete;
    KaderLuecken(m, raete);
    Aufgestellte(m, raete);
    Dispo(m, raete);
    Vertraege(m, raete);
    TrainerUndTraining(m, raete);
    Markt(m, raete);
    Stadion(m, raete);
    Werbung(m, raete);
    std::stable_sort(raete.begin(), raete.end(), [](const Rat& a, const Rat& b) { return a.dringlichkeit > b.dringlichkeit; });
    return raete;
}

} // namespace torvane
