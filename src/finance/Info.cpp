#include "finance/Info.h"

#include "core/Bruch.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "finance/Bank.h"
#include "finance/Vermoegen.h"

#include <algorithm>
#include <cmath>

namespace torvane {

namespace {
std::string Euro(int64_t v) { return Geldtext(static_cast<double>(v)) + Waehrung; }
std::string Anzahl(int64_t v) { return Geldtext(static_cast<double>(v)); }
constexpr const char* KeinHeimspiel = "Kein Heimspiel";
} // namespace

Infotafel VermoegenBuchenUndInfo(int m)
{
    Infotafel t;
    const int64_t vermoegen = BerechneVermoegen(m);
    const Manager_& mg = S.Manager[m];

    t.kritisch = vermoegen <= 0;
    t.Vermoegen = {Euro(vermoegen), t.kritisch ? Ton::Warnung : Ton::Gut};
    t.Liquiditaet = {Euro(vermoegen / 2), Ton::Neutral};
    t.Werbeeinnahmen = {Euro(mg.Werbeeinnahmen), mg.Werbeeinnahmen == 0 ? Ton::Warnung : Ton::Gut};
    t.Geldanlage = {Euro(mg.AnlageWert), mg.AnlageWert > 0 ? Ton::Gut : Ton::Neutral};
    t.Sparbuch = {Euro(mg.Sparbuch), mg.Sparbuch > 0 ? Ton::Gut : Ton::Neutral};
    // Dieselben Zinsen, die der Abschluss bucht.
    t.SparZinsen = "Zinsen " + Euro(SparzinsenProSpiel(mg.Sparbuch));
    t.Kontozinsen = {Euro(KontozinsenProSpiel(mg.Kontostand)),
                     mg.Kontostand < 0 ? Ton::Warnung : mg.Kontostand == 0 ? Ton::Neutral : Ton::Gut};
    t.Zuschuesse = {Euro(mg.Nebeneinnahmen), Ton::Neutral};
    t.Einnahmen = {Euro(mg.Einnahmen), Ton::Neutral};
    t.Kosten = {Euro(mg.Ausgaben), Ton::Neutral};

    const int64_t soll = Sollschnitt(m);
    const bool heimspiel = mg.HeimspieleSaison > 0;
    t.Stadiongroesse = {Anzahl(mg.Plaetze), Ton::Neutral};
    t.Sollschnitt = {Anzahl(soll), Ton::Neutral};
    t.Eintrittspreis = {Euro(mg.Eintrittspreis), Ton::Neutral};
    if (heimspiel) {
        t.Zuschauerschnitt = {Anzahl(RundenBruch(mg.ZuschauerSaison, mg.HeimspieleSaison)), Ton::Gut};
        t.LetzteZuschauer = {Anzahl(mg.ZuschauerLetzte), soll > mg.ZuschauerLetzte ? Ton::Warnung : Ton::Gut};
    } else {
        t.Zuschauerschnitt = t.LetzteZuschauer = {KeinHeimspiel, Ton::Neutral};
    }
    if (mg.Plaetze == 0)
        t.Auslastung = {"Keine Plätze", Ton::Neutral};
    else if (!heimspiel)
        t.Auslastung = {KeinHeimspiel, Ton::Neutral};
    else
        t.Auslastung = {std::to_string(RundenBruch(100 * static_cast<int64_t>(mg.ZuschauerSaison),
                                                   static_cast<int64_t>(mg.Plaetze) * mg.HeimspieleSaison)) +
                            " %",
                        Ton::Neutral};

    if (mg.Kredit != 0)
        t.Kredit = {Euro(mg.Kredit), Ton::Warnung};
    else
        t.Kredit = {"Kein Kredit", Ton::Neutral};
    t.KreditZinsen = "Zinsen p. Spiel " + Euro(KreditzinsenProSpiel(mg.Kredit));
    if (mg.DarlehenRestSpiele > 0) {
        t.Darlehen = {Euro(static_cast<int64_t>(mg.DarlehenRestSpiele) * mg.DarlehenRate), Ton::Warnung};
        t.DarlehenText =
            "Noch " + std::to_string(mg.DarlehenRestSpiele) + " Spiele zu je " + Geldtext(mg.DarlehenRate) + Waehrung;
    } else {
        t.Darlehen = {"Kein Darlehen", Ton::Neutral};
    }

    for (int s = 0; s <= S.Spiel.ManagerHoch; ++s) {
        const Manager_& ms = S.Manager[s];
        t.Manager.push_back({ms.Name.text(), static_cast<int>(std::clamp(std::trunc(ms.Managerpunkte), 0.0f, 100.0f))});
        t.SpielerText += std::to_string(s + 1) + ". " + ms.Name.text() + " mit " + ms.Vereinsname.text() + NL;
    }
    t.SpielerKopf = std::to_string(S.Spiel.ManagerHoch + 1) + " Spieler";
    return t;
}

} // namespace torvane
