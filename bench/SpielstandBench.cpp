// Speichern und Laden eines vollen Spiels: 220 Vereine, 2 500 Pool-Spieler,
// zehn Saisons Geschichte, vier Manager mit vollem Kader.
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "core/Zufall.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

void VollerStand()
{
    S = Spielstand{};
    S.KlangAus = true;
    ZufallSetzen(2024);
    constexpr int vereine = 220;
    constexpr int spieler = 2500;
    constexpr int saisons = 10;
    S.Spiel.ManagerHoch = 3;
    S.Spiel.Saison = saisons;
    S.Spiel.MannschaftHoch = vereine;
    S.Spiel.DeutscheHoch = 150;
    S.Spiel.SpielerHoch = spieler;
    S.Mannschaft.laengeSetzen(vereine + 1);
    for (int i = 1; i <= vereine; ++i) {
        S.Mannschaft[i].Name = "Verein " + std::to_string(i);
        S.Mannschaft[i].Moral = static_cast<int16_t>(Zufall(1, 100));
        if (i <= 72) { // die Ligen, wie sie ein Spiel lädt
            S.Mannschaft[i].Liga = static_cast<uint8_t>((i - 1) / 18 + 1);
            S.Mannschaft[i].Platz = static_cast<uint8_t>((i - 1) % 18 + 1);
            S.Mannschaft[i].SpielplanNr = S.Mannschaft[i].Platz;
        }
    }
    S.Spiel.NationAnzahl = 16;
    S.Spiel.Aktienkurs = 250;
    for (int t = 1; t <= 12; ++t) S.Trainermarkt[t].Nummer = t;
    S.Spieler.laengeSetzen(spieler + 1);
    for (int j = 1; j <= spieler; ++j) {
        S.Spieler[j].Vorname = "Jörg";
        S.Spieler[j].Nachname = "Spieler " + std::to_string(j);
    }
    for (int m = 0; m <= 3; ++m) {
        S.Saisonbilanz[m].laengeSetzen(saisons + 1);
        Manager_& mg = S.Manager[m];
        mg.Name = "Manager " + std::to_string(m);
        mg.Liga = static_cast<int8_t>(m + 1);
        mg.Platz = 1;
        mg.Vereinsname.rohSetzen(S.Mannschaft[VereinAufPlatz(m + 1, 1)].Name.roh());
        mg.Trainer = -1;
        mg.Trainingsstunden = 5;
        mg.Managerpunkte = 50;
        mg.KaderAnzahl = 23;
        for (int k = 1; k <= 23; ++k) {
            Kaderspieler_& s = mg.Kader[k];
            s.Vorname = "Jörg";
            s.Nachname = "Kicker " + std::to_string(m) + "-" + std::to_string(k);
            s.Position = "M";
            s.Alter = 25;
            s.Technik = s.Konstitution = s.Staerke = 30;
            s.Vertrag = 3;
        }
    }
    S.Trainingsbericht = "Abwehr +2, Mittelfeld +1, Angriff +3\r\nÄußerst erfolgreich.";
}

void SpeichernUndLadenImSpeicher(benchmark::State& st)
{
    VollerStand();
    int64_t bytes = 0;
    for (auto _ : st) {
        const std::string b = SpielstandSchreiben();
        std::string fehler;
        if (!SpielstandLesen(b, fehler)) st.SkipWithError(fehler.c_str());
        bytes += static_cast<int64_t>(b.size());
        benchmark::DoNotOptimize(b.data());
    }
    st.SetBytesProcessed(bytes);
}
BENCHMARK(SpeichernUndLadenImSpeicher);

void SpeichernUndLadenMitDatei(benchmark::State& st)
{
    VollerStand();
    const fs::path ordner = fs::temp_directory_path() /
                            ("torvane_bench_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(ordner);
    const std::string pfad = (ordner / "Voll.lig").string();
    for (auto _ : st) {
        if (!SpielstandDatei("save", pfad) || !SpielstandDatei("load", pfad)) st.SkipWithError("Datei");
    }
    std::error_code ec;
    fs::remove_all(ordner, ec);
}
BENCHMARK(SpeichernUndLadenMitDatei)->Unit(benchmark::kMillisecond);

} // namespace
