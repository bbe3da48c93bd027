// Eine ganze Saison ohne Bildschirm mit vier automatischen Managern: alle Züge,
// 75 Wettbewerbstage und das Saisonende; einmal passiv (sie schließen nur ab),
// dann als Computermanager, die jeden Zug spielen, in beiden Stufen. Die Grunddaten liegen neben dem Programm
// (daten/ im Bauordner) oder dort, wohin TORVANE_DATEN zeigt.
#include "core/AutoOberflaeche.h"
#include "core/Pfade.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "flow/Assistent.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "season/Pleite.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

std::string Datenordner()
{
    if (const char* e = std::getenv("TORVANE_DATEN")) return std::string(e) + "/";
    std::error_code f;
    const fs::path neben = fs::read_symlink("/proc/self/exe", f).parent_path() / "daten";
    if (!f && fs::is_directory(neben, f)) return neben.string() + "/";
    return "daten/";
}

// Ein neues Spiel mit vier Managern, einmal angelegt und für jede Runde kopiert.
const Spielstand& Anfang()
{
    static const Spielstand anfang = [] {
        S = Spielstand{};
        Pfade.Daten = Datenordner();
        ZufallSetzen(1);
        std::vector<std::pair<std::string, std::string>> manager;
        for (int m = 0; m < 4; ++m) manager.emplace_back(Vorgabenamen[m].Name, Vorgabenamen[m].Verein);
        if (!NeuesSpielOhneBildschirm(manager)) std::abort();
        return S;
    }();
    return anfang;
}

AutoOberflaeche& Automat()
{
    static AutoOberflaeche ui = [] {
        AutoOberflaeche a;
        a.dialogAntwort = [](const std::string&, Knoepfe k) {
            return k == Knoepfe::Ok || k == Knoepfe::OkAbbrechen ? Antwort::Ok : Antwort::Nein;
        };
        return a;
    }();
    return ui;
}

// Ohne Stufe: passiv.
void SaisonSpielen(benchmark::State& st, const AssistentStufe* stufe)
{
    OberflaecheSetzen(&Automat());
    const Spielstand& anfang = Anfang();
    long tage = 0;
    uint32_t saat = 1;
    for (auto _ : st) {
        st.PauseTiming();
        S = anfang;
        ZufallSetzen(saat++);
        SitzungZuruecksetzen();
        st.ResumeTiming();
        while (Sitzung.BeendeteSaisons == 0 && !SpielVorbei()) {
            if (stufe && Sitzung.ZugOffen && HatSpiel(S.AktManager)) AssistentZug(S.AktManager, *stufe);
            AbschlussClick();
        }
        tage += Sitzung.GespielteTage;
    }
    st.counters["Tage"] = benchmark::Counter(static_cast<double>(tage), benchmark::Counter::kAvgIterations);
    OberflaecheSetzen(nullptr);
}
constexpr AssistentStufe Alt = AssistentStufe::Alt, Neu = AssistentStufe::Neu;
void Saison_VierManager(benchmark::State& st) { SaisonSpielen(st, nullptr); }
void Saison_VierComputermanager(benchmark::State& st) { SaisonSpielen(st, &Neu); }
void Saison_VierComputermanagerAlt(benchmark::State& st) { SaisonSpielen(st, &Alt); }
BENCHMARK(Saison_VierManager)->Unit(benchmark::kMillisecond);
BENCHMARK(Saison_VierComputermanager)->Unit(benchmark::kMillisecond);
BENCHMARK(Saison_VierComputermanagerAlt)->Unit(benchmark::kMillisecond);

} // namespace
