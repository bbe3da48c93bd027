#include "finance/Info.h"

#include "core/Bruch.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "finance/Bank.h"
#include "finance/Vermoegen.h"

#include <algorithm>
#include <cmath>

namespace torvane {

namespace {
std::string Euro(int64_t v) { return Geldtext(static_cast<double>(v)) + Waehrung; }
std::string Anzahl(int64_t v) { return Geldtext(static_cast<double>(v)); }
constexpr const char* KeinHeimspiel = N_("Kein Heimspiel");
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
    t.SparZinsen = Tf("Zinsen %1", {Euro(SparzinsenProSpiel(mg.Sparbuch))});
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
        t.Zuschauerschnitt = t.LetzteZuschauer = {T(KeinHeimspiel), Ton::Neutral};
    }
    if (mg.Plaetze == 0)
        t.Auslastung = {T("Keine Plätze"), Ton::Neutral};
    else if (!heimspiel)
        t.Auslastung = {T(KeinHeimspiel), Ton::Neutral};
    else
        t.Auslastung = {std::to_string(RundenBruch(100 * static_cast<int64_t>(mg.ZuschauerSaison),
                                                   static_cast<int64_t>(mg.Plaetze) * mg.HeimspieleSaison)) +
                            " %",
                        Ton::Neutral};

    if (mg.Kredit != 0)
        t.Kredit = {Euro(mg.Kredit), Ton::Warnung};
    else
        t.Kredit = {T("Kein Kredit"), Ton::Neutral};
    t.KreditZinsen = Tf("Zinsen p. Spiel %1", {Euro(KreditzinsenProSpiel(mg.Kredit))});
    if (mg.DarlehenRestSpiele > 0) {
        t.Darlehen = {Euro(static_cast<int64_t>(mg.DarlehenRestSpiele) * mg.DarlehenRate), Ton::Warnung};
        t.DarlehenText = Tf("Noch %1 Spiele zu je %2",
                            {std::to_string(mg.DarlehenRestSpiele), Geldtext(mg.DarlehenRate) + Waehrung});
    } else {
        t.Darlehen = {T("Kein Darlehen"), Ton::Neutral};
    }

    for (int s = 0; s <= S.Spiel.ManagerHoch; ++s) {
        const Manager_& ms = S.Manager[s];
        t.Manager.push_back({ms.Name.text(), static_cast<int>(std::clamp(std::trunc(ms.Managerpunkte), 0.0f, 100.0f))});
        t.SpielerText += Tf("%1. %2 mit %3", {std::to_string(s + 1), ms.Name.text(), ms.Vereinsname.text()}) + NL;
    }
    t.SpielerKopf = Tf("%1 Spieler", {std::to_string(S.Spiel.ManagerHoch + 1)});
    return t;
}

} // namespace torvane
