// Das Spiel ohne Bildschirm: automatische Manager spielen ganze Saisons oder
// eine Zahl von Wettbewerbstagen, ohne zu warten. Für Spieler, Tests und Messungen.
//
//   torvane --autoplay SAISONS [--managers 1..4] [--seed S] [--days N]
//                              [--load DATEI] [--save DATEI] [--daten ORDNER] [--no-restart] [--meldungen]
//                              [--passiv] [--stufe alt|neu|gemischt] [--bericht DATEI] [--ereignis N]
// Ohne --passiv spielt der Computermanager (Assistent) jeden Zug, in der Stufe von --stufe (gemischt:
// die Manager auf geraden Plätzen neu, die anderen alt, zum Vergleich in einer Welt); --bericht schreibt den
// Bilanzbericht (HTML, daneben CSV). --bericht darf auch vor --autoplay stehen.
// --ereignis N (für Entwickler): Ereignis N gleich zu Beginn für den ersten Manager.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace torvane {

struct AutoplayOptionen {
    int saisons = 1;
    int manager = 1;
    uint32_t saat = 1;
    // >= 0: genau so viele Wettbewerbstage (Liga, Pokal, Champions League) statt ganzer Saisons.
    long tage = -1;
    std::string laden;
    std::string speichern;
    std::string daten; // Grunddaten aus diesem Ordner statt aus daten/
    bool meldungen = false; // jede Meldung des Spiels mit ausgeben
    // Sind alle Manager ausgeschieden, beginnt ein neues Spiel mit ebenso vielen Managern
    // (bei --load so vielen, wie der Spielstand hatte), bis das Ziel erreicht ist.
    bool neustart = true;
    int ereignis = 0; // 1..42: dieses Ereignis zu Beginn für den ersten Manager, mit Meldungen
    // Die Manager schließen ihre Züge nur, wie früher, statt sie zu spielen.
    bool passiv = false;
    std::string stufe = "neu"; // "alt", "neu" oder "gemischt"
    std::string bericht; // HTML-Datei des Bilanzberichts, leer: keiner
};

// Liest die Argumente nach "--autoplay". false mit fehler bei unbrauchbaren Angaben.
bool AutoplayArgumente(const std::vector<std::string>& argumente, AutoplayOptionen& o, std::string& fehler);

// Die Angaben des Automaten aus der Befehlszeile: die Zahl nach "--autoplay" zuerst, dann alle
// übrigen, ob sie davor oder danach stehen. argv[0] ist das Programm.
std::vector<std::string> AutoplayAngaben(int argc, const char* const* argv);

// Spielt mit den Grunddaten aus Pfade.Daten. Rückgabe: Exit-Code
// (0 gut, 1 Laufzeitfehler, 2 Grunddaten oder Spielstand unbrauchbar,
// 3 jeder andere Fehler).
int Autoplay(const AutoplayOptionen& o, std::ostream& aus, std::ostream& fehler);

// Der Einstieg aus main(): "--autoplay" steht in argv (als erstes oder nach "--bericht DATEI").
// Legt die Ordner neben dem Programm fest.
int AutoplayAusfuehren(int argc, char** argv);

// Bei "--autoplay" (auch hinter "--bericht DATEI") der Exit-Code des Automaten, sonst -1
// (dann startet das Spielfenster).
int AutoplayFallsVerlangt(int argc, char** argv);

} // namespace torvane
