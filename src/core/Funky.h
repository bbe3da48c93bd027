// Kleine Dienste, die jede Regel braucht: Zufall, Zahlen- und Geldtexte,
// Ausrichtung, Ordner. Was den Benutzer erreicht, geht über Oberflaeche.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

// --- Zufall: die einzige Quelle des Zufalls ---
void ZufallSetzen(uint32_t saat);
uint32_t ZufallSaat();
// Gleichverteilt in [von, bis]; bei bis < von ein Wert in bis + 2 .. von.
int32_t Zufall(int32_t von, int32_t bis);

// v zur Null hin auf ein Vielfaches von 10^k gekürzt.
int64_t AbrundenAuf(int64_t v, int k);
int64_t AbrundenAuf(double v, int k);

// Gerundet (Hälften zur geraden Zahl), mit "." als Tausendertrenner.
std::string Geldtext(double v);

std::string MitteText(std::string_view s, int n);
std::string RechtsText(std::string_view s, int n);
std::string LinksText(std::string_view s, int n);

// --- Ordner, einmal beim Start festgelegt; immer mit "/" ---
struct Pfade_ {
    std::string Programm; // mit abschließendem "/"
    std::string Daten;
    std::string Grafik;
    std::string Musik;
    std::string Spezial;
    std::string Save;
};
extern Pfade_ Pfade;

// programmOrdner: Ordner der Programmdatei; benutzerOrdner: Ausweichort für Save/,
// wenn der Programmordner nicht beschreibbar ist.
void PfadeSetzen(const std::string& programmOrdner, const std::string& benutzerOrdner);
// Grunddaten aus einem anderen Ordner (Testsaison des Editors, eigene Datensätze).
void DatenOrdnerSetzen(const std::string& ordner);

} // namespace torvane
