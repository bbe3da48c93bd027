// Die Spielberechnung gegen das, was sie mindestens kostet: ihre rund 190 Würfe von Zufall.
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "match/Spiel.h"

#include <benchmark/benchmark.h>

using namespace torvane;

namespace {

// Zwei Computervereine der Liga 2 und ein Manager, dessen Pokalzuschlag gilt.
void ZweiVereine()
{
    S = Spielstand{};
    S.Spiel.MannschaftHoch = 2;
    S.Spiel.DeutscheHoch = 2;
    S.Spiel.Spieltag = 1;
    S.Mannschaft.laengeSetzen(3);
    for (int i = 1; i <= 2; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Liga = 2;
        v.Platz = static_cast<uint8_t>(i * 5);
        v.Moral = 50;
        v.Verteidigung = static_cast<int16_t>(55 + i);
        v.Mittelfeld = 60;
        v.Angriff = static_cast<int16_t>(65 - i);
        v.Gesamt = 60;
        v.Name = i == 1 ? "Heim" : "Gast";
    }
    S.Manager[0].Pokalzuschlag = 10;
}

// Argument: Wettbewerb (0 Liga, 1 DFB-Pokal mit Wiederholungen bis zum Sieger).
void SpielBerechnenBench(benchmark::State& state)
{
    ZweiVereine();
    S.Spiel.Wettbewerb = static_cast<Wettbewerb_>(state.range(0));
    ZufallSetzen(1);
    const Mannschaft_ heim = S.Mannschaft[1], gast = S.Mannschaft[2];
    for (auto _ : state) {
        // Zurück auf den Anfang, damit Siege und Punkte nicht überlaufen.
        S.Mannschaft[1] = heim;
        S.Mannschaft[2] = gast;
        benchmark::DoNotOptimize(SpielBerechnen(1, 2, 1));
    }
}
BENCHMARK(SpielBerechnenBench)->Arg(0)->Arg(1);

// Die Grundlinie: so viele Würfe, wie ein Spiel ohne Wiederholung braucht (Zuschauer, 180 Zweikämpfe, Drift).
void NurZufall(benchmark::State& state)
{
    ZufallSetzen(1);
    for (auto _ : state) {
        int32_t s = 0;
        for (int i = 0; i < 192; ++i) s += Zufall(0, 100);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(NurZufall);

} // namespace
