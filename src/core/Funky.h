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

// --- Geld: jede Buchung auf ein Konto geht über KontoBuchen ---
// Grenzen der Geldfelder (32 Bit) und die Vermögensgrenze, über der die Abgabe fällig wird.
constexpr int64_t KontoMax = 2147483647;
constexpr int64_t KontoMin = -KontoMax - 1;
constexpr int64_t AbgabeGrenze = 2000000000;
// Keine Geldbewegung hält das Spiel an: eine Gutschrift, die nicht ganz ins Feld passt,
// wird bis an seine Grenze gebucht (der Rest verfällt wie Sparbuchzinsen über der Grenze);
// Kosten werden ganz gebucht oder gar nicht. Wer Kosten bucht, prüft vorher mit KontoPasst
// und lehnt die ganze Handlung ab; sonst gäbe es, was sie bringt, umsonst.
// Ergebnis: der wirklich gebuchte Betrag.
int64_t KontoBuchen(int32_t& konto, int64_t betrag);
// Prüfstelle für Tests: sieht jede Buchung mit verlangtem und wirklich gebuchtem Betrag.
extern void (*KontoPruefstelle)(int64_t verlangt, int64_t gebucht);
// Was KontoBuchen buchen würde, ohne zu buchen.
int64_t KontoBuchbar(int64_t konto, int64_t betrag);
// Passt der ganze Betrag auf das Konto?
inline bool KontoPasst(int64_t konto, int64_t betrag) { return KontoBuchbar(konto, betrag) == betrag; }
// Die Ablehnung einer Handlung, deren Geld nicht aufs Konto passt.
constexpr const char* BetragZuGrossText = "So viel Geld passt nicht auf das Konto !";

// v zur Null hin auf ein Vielfaches von 10^k gekürzt.
int64_t AbrundenAuf(int64_t v, int k);
int64_t AbrundenAuf(double v, int k);

// Gerundet (Hälften zur geraden Zahl), mit "." als Tausendertrenner.
std::string Geldtext(double v);

std::string MitteText(std::string_view s, int n);
std::string RechtsText(std::string_view s, int n);
std::string LinksText(std::string_view s, int n);
// Ohne Leerzeichen und Tabs am Anfang und Ende: so geprüft sind "Jörg " und "Jörg" ein Name.
std::string OhneRandLeerzeichen(std::string_view s);

// --- Ordner, einmal beim Start festgelegt; immer mit "/" ---
struct Pfade_ {
    std::string Programm; // mit abschließendem "/"
    std::string Daten;
    std::string Grafik;
    std::string Musik;
    std::string Spezial;
    std::string Save;
    std::string Benutzer;    // Datenordner des Benutzers, leer: keiner
    bool Installiert = false; // Spielordner unter <präfix>/share/torvane
};
extern Pfade_ Pfade;

// Eine Regel für beide Aufstellungen: liegt "daten" neben dem Programm (Bauordner), ist
// das der Spielordner; sonst <Programmordner>/../share/torvane (installiert). Ein
// installiertes Spiel schreibt nie in die Installation: Spielstände und bearbeitete
// Daten liegen im benutzerOrdner, die Daten von dort, sobald es dort eine Kopie gibt.
// Im Bauordner ist benutzerOrdner nur der Ausweichort für Save/, wenn der
// Programmordner nicht beschreibbar ist.
void PfadeSetzen(const std::string& programmOrdner, const std::string& benutzerOrdner);
// Grunddaten aus einem anderen Ordner (Testsaison des Editors, eigene Datensätze).
void DatenOrdnerSetzen(const std::string& ordner);

// Vor jedem Schreiben in den Datenordner: ein installiertes Spiel kopiert die
// mitgelieferten Daten erst jetzt in den Benutzerordner und liest fortan von dort.
// false, wenn das nicht ging (Pfade bleiben dann unverändert).
bool DatenBeschreibbarMachen();

// Datenordner des Benutzers ohne Qt: $XDG_DATA_HOME/Torvane oder ~/.local/share/Torvane.
std::string BenutzerOrdnerAusUmgebung();

} // namespace torvane
