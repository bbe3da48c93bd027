// Die Vorbereitung einer Saison und die Ligawahl.
#include "core/Fehler.h"
#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "flow/Neuanlage.h"
#include "match/Pokal.h"
#include "match/Spiel.h"
#include "squad/Kader.h"

namespace torvane {

std::function<int()> LigawahlDialog;

namespace {

struct LigaWerte {
    int liga;
    int minimum;
    int zufall; // Zufallsanteil 0..zufall
};

// Die Liga und die Stärkespanne eines deutschen Vereins ergeben sich aus seinem Index.
LigaWerte LigaParameter(int i)
{
    if (i <= 18) return {1, 70, 40};
    if (i <= 36) return {2, 45, 35};
    if (i <= 54) return {3, 20, 35};
    if (i <= 72) return {4, 1, 30};
    return {5, 1, 15};
}

// a steht vor b: höheres Gesamt, bei Gleichstand höhere Moral.
bool KommtZuerst(int a, int b)
{
    const Mannschaft_& x = S.Mannschaft[a];
    const Mannschaft_& y = S.Mannschaft[b];
    return x.Gesamt > y.Gesamt || (x.Gesamt == y.Gesamt && x.Moral > y.Moral);
}

// Ganze Datensätze tauschen; Eintrag 0 dient wie bei jeder Tabellensortierung als Ablage.
void Tauschen(int a, int b)
{
    S.Mannschaft[0] = S.Mannschaft[a];
    S.Mannschaft[a] = S.Mannschaft[b];
    S.Mannschaft[b] = S.Mannschaft[0];
}

void DeutscheVereine()
{
    for (int i = 1; i <= S.Spiel.DeutscheHoch; ++i) {
        const LigaWerte p = LigaParameter(i);
        {
            Mannschaft_& v = S.Mannschaft[i];
            SETZE(v.Liga, p.liga);
            v.Punkte = 0;
            v.Tore = 0;
            v.Gegentore = 0;
            int16_t* linien[3] = {&v.Verteidigung, &v.Mittelfeld, &v.Angriff};
            // Gesamt = -1: im neuen Spiel wird jede Linie frisch gezogen, die Münze fällt trotzdem.
            for (int16_t* l : linien)
                if (Zufall(1, 2) == 1 || v.Gesamt == -1) SETZE(*l, p.minimum + Zufall(0, p.zufall));
            for (int16_t* l : linien)
                if (Zufall(1, 2) == 1) SETZE(*l, *l + Zufall(-5, 5));
            SETZE(v.Moral, Zufall(19 - v.Platz, 82 + v.Platz));
        }
        MannschaftenPruefen(i, i);

        const int m = ManagerVonVerein(i);
        if (m >= 0) {
            // Nach dem Auf- und Abstieg steht der Verein schon auf seinem neuen Index;
            // der Manager muss dorthin zeigen, sonst schriebe die Mannschaftsberechnung
            // ihre Linien in einen fremden Verein.
            if (p.liga <= 4) {
                SETZE(S.Manager[m].Liga, p.liga);
                SETZE(S.Manager[m].Platz, i - (p.liga - 1) * 18);
            }
            BerechneMannschaft(m, 0);
            S.Mannschaft[i].Moral = 50;
        }
    }
}

void AuslaendischeVereine()
{
    for (int i = S.Spiel.DeutscheHoch + 1; i <= S.Spiel.MannschaftHoch; ++i) {
        {
            Mannschaft_& v = S.Mannschaft[i];
            v.Liga = 1;
            // Eine unbekannte Nation bringt keinen Bonus.
            const int n = NationNachKuerzel(v.Nation.text());
            const int bonus = n >= 1 ? S.Nation[n].Bonus : 0;
            int16_t* linien[3] = {&v.Verteidigung, &v.Mittelfeld, &v.Angriff};
            for (int16_t* l : linien)
                if (Zufall(0, 3) == 0 || v.Gesamt == -1) SETZE(*l, Zufall(65, 110) + bonus);
            SETZE(v.Moral, Zufall(1, 100));
        }
        MannschaftenPruefen(i, i);
    }
}

void ErgebnisseLeeren()
{
    for (auto& liga : S.Ergebnisse)
        for (auto& tag : liga)
            for (auto& e : tag) e = "-:-";
}

void PokalOptionen()
{
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        const Mannschaft_& v = VereinVon(m);
        S.Optionen[m][OptZeigeDfb] = v.DfbRunde.leer() ? 0 : 1;
        S.Optionen[m][OptZeigeUefa] = v.UefaRunde.leer() ? 0 : 1;
        S.Optionen[m][OptZeigePdp] = v.PdpRunde.leer() ? 0 : 1;
        S.Optionen[m][OptZeigeChl] = v.ChlRunde.leer() ? 0 : 1;
    }
}

} // namespace

void LigenOrdnen()
{
    for (int liga = 1; liga <= 4; ++liga) {
        const int erster = liga * 18 - 17;
        const int letzter = liga * 18;
        for (int i = erster; i < letzter; ++i)
            for (int j = i; j <= letzter; ++j)
                if (KommtZuerst(j, i)) Tauschen(i, j);
        for (int platz = 1; platz <= 18; ++platz) {
            const int i = erster + platz - 1;
            Mannschaft_& v = S.Mannschaft[i];
            SETZE(v.Platz, platz);
            v.SpielplanNr = static_cast<int16_t>(platz);
            v.Siege = 0;
            v.Unentschieden = 0;
            v.Niederlagen = 0;
            v.Legende = "..........";
            const int m = ManagerVonVerein(i);
            if (m >= 0) {
                SETZE(S.Manager[m].Liga, v.Liga);
                SETZE(S.Manager[m].Platz, platz);
            }
        }
    }
    // Die Verbandsliga wird nur geordnet; Platz und Spielplannummer reisen mit dem Datensatz.
    for (int i = 73; i < S.Spiel.DeutscheHoch; ++i)
        for (int j = i + 1; j <= S.Spiel.DeutscheHoch; ++j)
            if (KommtZuerst(j, i)) Tauschen(i, j);
}

void SaisonVorbereiten()
{
    DeutscheVereine();
    AuslaendischeVereine();
    // Beim Saisonwechsel stehen die Pokalteilnehmer vor der neuen Ordnung fest.
    if (!S.Neuanlage) PokaleVorbereiten();
    LigenOrdnen();
    ErgebnisseLeeren();
    if (S.Neuanlage) PokaleVorbereiten();
    PokalOptionen();
}

int LigaWaehlen()
{
    const int gemerkt = S.Optionen[S.AktManager][OptAnzeigeLiga];
    if (gemerkt >= 1 && gemerkt <= 4) {
        S.Spiel.AnzeigeLiga = gemerkt;
    } else if (LigawahlDialog) {
        const int wahl = LigawahlDialog();
        if (wahl >= 1 && wahl <= 4) {
            Klang("klick");
            S.Spiel.AnzeigeLiga = wahl;
        }
    } else {
        S.Spiel.AnzeigeLiga = 4;
    }
    return S.Spiel.AnzeigeLiga == 0 ? 0 : S.Spiel.AnzeigeLiga * 18 - 17;
}

} // namespace torvane
