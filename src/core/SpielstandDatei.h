// Der gespeicherte Spielstand: eine ".lig"-Datei mit den Speicherbildern der
// gespeicherten Blöcke, dazu die Regeln des Speicherbildschirms "Disk" und das
// automatische Speichern.
//
// Speichern schreibt erst eine Zwischendatei im selben Ordner und ersetzt die
// alte Datei erst, wenn alles geschrieben und zurückgelesen ist. Laden liest die
// ganze Datei und prüft sie vollständig, bevor sich im Speicher etwas ändert.
#pragma once

#include "core/Sprache.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// --- Das Dateiformat ---

// Obergrenzen, bis zu denen eine Datei glaubhaft ist. Sie schützen vor
// riesigen Speicheranforderungen aus einer kaputten Zahl.
constexpr int32_t MaxVereine = 2000;
constexpr int32_t MaxSpieler = 100000;
constexpr int32_t MaxSaisons = 10000;
constexpr int32_t MaxBerichtLaenge = 4 * 1024 * 1024;

// Größe des festen Teils ab C (Manager bis ChlTabelle).
constexpr int64_t FesterTeilGroesse = 24025;

// Lage der Blöcke in einer Datei mit diesen Zählern.
struct SpielstandLage {
    int64_t A;     // Lage von NP
    int64_t B;     // Lage von NS
    int64_t C;     // Lage der Manager
    int64_t D;     // Lage der Länge des Trainingsberichts
    int64_t Ende;  // Dateilänge bei einem Bericht von textLaenge Bytes
};
SpielstandLage LageBerechnen(int64_t nc, int64_t np, int64_t ns, int64_t textLaenge = 0);

// KeinSpielstand: die ersten vier Bytes sind keine Version, die es je gab oder geben wird.
enum class Pruefergebnis { Gut, FremdeVersion, Beschaedigt, KeinSpielstand };
// Bis hier gilt eine fremde Versionsnummer als echter Spielstand einer anderen Version.
constexpr int32_t HoechsteDenkbareVersion = 99;

struct SpielstandPruefung {
    Pruefergebnis ergebnis = Pruefergebnis::Beschaedigt;
    int32_t version = 0;
    std::string grund; // deutsch, bei Beschaedigt
};

// Prüft den Aufbau der Bytes einer Datei, ohne den Spielstand anzurühren.
SpielstandPruefung SpielstandPruefen(std::string_view bytes);

// Dazu die Bedeutung (SpielstandSinn): genau die Prüfung vor dem Laden, ohne zu laden.
SpielstandPruefung SpielstandGanzPruefen(std::string_view bytes);

// Die Bytes des aktuellen Spielstands. Wirft Laufzeitfehler, wenn der Spielstand
// im Speicher selbst nicht in eine ladbare Datei passt.
std::string SpielstandSchreiben();

// Prüft die Bytes in Aufbau und Bedeutung (SpielstandSinn) und ersetzt dann die
// gespeicherten Blöcke in einem Zug.
// false: nichts hat sich geändert; fehler ist der Text für den Benutzer
// (bei fremder Version genau der Text des Versionsdialogs).
bool SpielstandLesen(std::string_view bytes, std::string& fehler);

// Der Text des Dialogs für eine Datei mit fremder Version.
std::string VersionFehlerText(int32_t version);
// Die Meldungen hier und unten gehen beim Zeigen durch T(...) (SperrText durch Tz).
constexpr const char* BeschaedigtText = N_("Der Spielstand ist beschädigt und wurde nicht geladen.");
constexpr const char* KeinSpielstandText = N_("Die Datei ist kein Spielstand von Torvane und wurde nicht geladen.");
constexpr const char* NichtGespeichertText = N_("Der Spielstand konnte nicht gespeichert werden.");

// --- Mit Datei ---

// art "save" oder "load" (Groß-/Kleinschreibung egal), pfad der volle Dateiname.
// Meldet jeden Fehler selbst über die Oberfläche; true bei Erfolg.
bool SpielstandDatei(std::string_view art, const std::string& pfad);

// Speichert unter Save-Ordner + Spielname + ".lig", wenn das Spiel einen Namen hat.
bool AutoSpeichern();

// --- Der Speicherbildschirm ---

constexpr const char* VerbotenText = N_("Verbotene Dateinamenangabe !");

// Keines der Zeichen " * . < > \ | / : und keine Steuerzeichen.
bool SpielnameErlaubt(std::string_view name);
// Eingabe im Feld "Spielbezeichnung": der neue Text, wenn erlaubt, sonst die
// Fehlermeldung und der zuletzt angenommene Text.
std::string SpielnameEingabe(std::string_view neu, std::string_view bisher);
// Längere Namen nimmt nicht jedes Dateisystem; das Eingabefeld lässt nicht mehr zu.
constexpr int SpielnameHoechstlaenge = 100;
constexpr const char* ZuLangText = N_("Die Spielbezeichnung ist zu lang (höchstens 100 Zeichen).");
bool SpielnameZuLang(std::string_view name);
// Spielname, sonst Name + " mit " + Vereinsname des ersten Managers.
std::string SpielnameVorschlag();

// Save-Ordner + name + ".lig".
std::string SpielstandPfad(std::string_view name);
// Legt den Save-Ordner an, wenn er fehlt.
bool SaveOrdnerAnlegen();
// Die Namen der ".lig"-Dateien des Save-Ordners ohne Endung, sortiert.
std::vector<std::string> SpielstandListe();
// Name eines Listeneintrags ohne die letzten vier Zeichen.
std::string ListenName(std::string_view dateiname);

// Was der Bildschirm nach einem Knopf tun muss.
enum class DiskFolge {
    ListeAuffrischen,     // Liste (und Feld) neu zeigen
    Bleiben,              // nichts weiter
    MenueNeuUndSchliessen // Spiel geladen: Menü des aktuellen Managers neu, Bildschirm zu
};

DiskFolge SpeichernKlick(std::string_view text);
// Setzt nach dem Laden die Ladesperre; der Bildschirm versteckt dann den Menüknopf.
DiskFolge LadenKlick(std::string_view text);
DiskFolge LoeschenKlick(std::string_view text);
// Ein Spielstand, der beim Start genannt wurde (auch außerhalb des Save-Ordners):
// dieselben Meldungen und Sperre wie "Laden", aber keine Frage (es läuft noch kein Spiel).
DiskFolge DateiLaden(const std::string& pfad);
// Der Spielname zu einer solchen Datei: ihr Name ohne Endung, so gewählt, dass das
// automatische Speichern im Save-Ordner keinen anderen Spielstand überschreibt.
std::string SpielnameFuerDatei(const std::string& pfad);

// Nach einem geladenen Spielstand ist Laden bis zum nächsten Programmstart gesperrt;
// gespeichert wird dann nur noch automatisch. SperrText sagt das dem Spieler.
constexpr const char* SperrText = N_("Laden erst wieder beim nächsten Programmstart möglich.\n"
                                     "Speichern erfolgt Automatisch.\n"
                                     "\n"
                                     "Der Fudellei zuliebe.");
// "Gespeichert wird von nun an unter:" und der Pfad.
std::string SpeicherortText(const std::string& pfad);
bool LadenGesperrt();
void LadenSperreSetzen(bool gesperrt);

} // namespace torvane
