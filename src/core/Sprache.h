// Die Sprache des Spiels. Deutsch ist die Quelle: jeder Text steht deutsch im Code und geht
// durch T(...); ohne Katalog (Deutsch) kommt er unverändert zurück. Ein Katalog ist eine
// .mo-Datei, wie msgfmt sie aus po/<sprache>.po baut.
//
// Für xgettext (scripts/po-aktualisieren.sh) sind T, TC, Tf, Tz, Tq, TCq und N_ Schlüsselwörter.
// Platzhalter heißen %1 … %9 (wie bei Qt), damit eine Sprache die Wörter selbst ordnen kann.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// Der übersetzte Text (lebt bis zum Ende des Programms) oder deutsch selbst.
const char* T(const char* deutsch);
// Dasselbe mit Zusammenhang, wo ein deutsches Wort in einer anderen Sprache zweierlei heißt.
const char* TC(const char* kontext, const char* deutsch);
// Ein Text, der erst zur Laufzeit feststeht (ein gespeicherter Wert wie "Achtelfinale"):
// im Katalog, wenn er dort steht, sonst unverändert.
std::string TWert(std::string_view deutsch);
// Übersetzt und setzt %1 … %9 ein.
std::string Tf(const char* deutsch, std::initializer_list<std::string_view> werte);
// Ein Meldungstext über mehrere Zeilen: im Katalog mit "\n", im Spiel mit NL ("\r\n") wie jede
// Meldung; sonst wie Tf.
std::string Tz(const char* deutsch, std::initializer_list<std::string_view> werte = {});
// Setzt %1 … %9 in muster ein; ein % ohne Ziffer dahinter bleibt stehen.
std::string Einsetzen(std::string_view muster, std::initializer_list<std::string_view> werte);

// Markiert einen Text für den Katalog, übersetzt wird er erst beim Zeigen (mit T oder TWert).
#define N_(text) text

// Die Sprache als Kürzel ("de", "en").
const std::string& Sprache();
// Lädt den Katalog der Sprache aus <ordner>/<kürzel>/LC_MESSAGES/torvane.mo. "de", ein
// leeres oder unbekanntes Kürzel und ein Katalog, der fehlt oder nicht stimmt, ergeben
// Deutsch; false dann, wenn nicht Deutsch verlangt war.
bool SpracheSetzen(std::string_view kuerzel, const std::string& ordner);
// Die Sprache aus der Umgebung (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): das erste Kürzel,
// für das es Deutsch oder einen Katalog gibt; sonst "de".
std::string SpracheAusUmgebung(const std::string& ordner);
// Die Sprachen, die es gibt: "de" und jede mit Katalog im Ordner, sortiert.
std::vector<std::string> SprachenImOrdner(const std::string& ordner);

// Der Wert hinter "--sprache" auf der Befehlszeile (der letzte zählt), sonst leer.
std::string VerlangteSprache(int argc, const char* const* argv);
// Ob es die Sprache gibt; sonst ist fehler der Text für die Befehlszeile.
bool SpracheBekannt(const std::string& kuerzel, const std::string& ordner, std::string& fehler);

// Liest einen Katalog ganz und prüft jeden Verweis; false (und nichts geladen), wenn er nicht
// stimmt. Für die Tests und den Fuzzer auch ohne Datei.
bool KatalogAusBytes(std::string bytes);

} // namespace torvane
