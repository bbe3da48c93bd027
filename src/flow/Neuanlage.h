// Neues Spiel und neue Saison: Grundwerte, Managerplätze mit Kader und Geld,
// Stärken und Tabellenordnung der Vereine, die Ligawahl und die Regeln des
// Startbildschirms. Fenster, Splash und Startbildschirm selbst baut die Qt-Schale;
// sie ruft die Schritte hier in ihrer Reihenfolge auf.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace torvane {

constexpr const char* ProgrammVersion = "1.09";
constexpr const char* ProgrammDatum = "20.01.2004";
// "V 1.09" auf dem Startbildschirm, "Version 1.09 vom 20.01.2004" in der Seitenleiste.
std::string VersionKurz();
std::string VersionLang();

// Vornamen, die der Startbildschirm vorschlägt (Index 0..40).
extern const std::array<const char*, 41> VorgabeVornamen;

// Namen für einen Manager, der mitten im Spiel ohne Namen dazukommt. Veränderlich:
// findet sich lange kein freier Vereinsname, wird einer durch eine Zahl ersetzt.
struct Vorgabename_ {
    std::string Name;
    std::string Verein;
};
extern std::array<Vorgabename_, 7> Vorgabenamen;

// --- Neues Spiel, in der Reihenfolge der Schale ---
// Neuanlage setzen, Grunddaten laden, Grundwerte, ManagerHoch := 0.
// false (nach der Fehlermeldung), wenn die Grunddaten nicht zu lesen sind; die Schale beendet dann.
// Danach sät die Schale den Zufall aus der Uhr und zeigt den Startbildschirm.
// grunddaten: die Inhalte der sechs Dateien (wie DatenDateien) statt des Datenordners.
bool SpielAnlegenBeginnen(const std::array<std::string, 6>* grunddaten = nullptr);
// Nach dem Startbildschirm: Manager anlegen, Saison, Bilanz, Markt und Trainer;
// zuletzt Neuanlage löschen. Die Schale ordnet danach die Fenster und baut das Menü.
void SpielAnlegenAbschliessen();
// Statt des Abschlusses, wenn auf dem Startbildschirm ein Spielstand geladen wurde:
// der Spielstand ist vollständig, nur die Neuanlage endet.
void SpielAnlegenNachLaden();
// Das Ganze ohne Bildschirm mit 1..4 Paaren (Name, Verein). false, wenn die
// Grunddaten fehlen oder die Angaben abgelehnt werden (mit der Meldung des Startbildschirms).
bool NeuesSpielOhneBildschirm(const std::vector<std::pair<std::string, std::string>>& managerNameUndVerein,
                              const std::array<std::string, 6>* grunddaten = nullptr);

void GrundwerteSetzen();
// Slot m (0..3) spielbereit machen; mit Name vom Startbildschirm oder ohne (neuer Mitspieler).
void ManagerAnlegen(int m);
// Stärken, Moral, Ligen, Tabellenordnung und Ergebnisse einer neuen Saison.
void SaisonVorbereiten();
// Ligen 1..4 und die Verbandsliga nach Gesamt, dann Moral ordnen (Teil von SaisonVorbereiten).
void LigenOrdnen();

// --- Ligawahl ---
// Der Dialog "Ligawahl"; gibt die gewählte Liga 1..4 zurück, 0 wenn ohne Wahl geschlossen.
// Den "klick" der Wahl spielt LigaWaehlen. Die Qt-Schale setzt ihn; ohne Dialog gilt Liga 4.
extern std::function<int()> LigawahlDialog;
// Setzt AnzeigeLiga und gibt den ersten Verein dieser Liga zurück (0 bei AnzeigeLiga 0).
int LigaWaehlen();

// --- Startbildschirm ("Wer soll Spielen ?") ---
// Startknopf: ManagerHoch := 0, Slot 0 bekommt einen Vorschlag (Vorname und deutscher Verein).
void StartVorschlag();
// Die Namen der deutschen Vereine für die Vereinsliste.
std::vector<std::string> StartVereinsliste();
// Die beiden Felder in den Slot ManagerHoch übernehmen (15 bzw. 25 Zeichen).
void StartFelderSpeichern(const std::string& name, const std::string& verein);
// "n. Spieler Aktivieren" und "Zurück": Felder sichern, dann einen Slot weiter bzw. zurück.
void StartSpielerAktivieren(const std::string& name, const std::string& verein);
void StartZurueck(const std::string& name, const std::string& verein);
std::string StartUeberschrift(int managerHoch);  // "1. Spieler"
std::string StartAktivierenText(int managerHoch); // "2. Spieler Aktivieren"
// Fehlertext für die Slots 0..managerHoch, "" wenn alles passt.
std::string StartEingabenPruefen(int managerHoch);
std::string StartBestaetigungText(int managerHoch);
// "Weiter": Felder sichern, prüfen (Meldung bei Fehler), dann bestätigen lassen.
// true, wenn der Startbildschirm schließen darf.
bool StartWeiter(const std::string& name, const std::string& verein);
// Die Fortschrittszeile nach dem OK; zeige() schreibt sie, gewartet wird über die Pforte.
void StartFortschritt(const std::function<void(const std::string&)>& zeige);

} // namespace torvane
