// Das Spiel ohne Bildschirm: automatische Manager spielen ganze Saisons oder
// eine Zahl von Wettbewerbstagen, ohne zu warten. Für Spieler, Tests und Messungen.
//
//   torvane --autoplay SAISONS [--managers 1..4] [--seed S] [--days N]
//                              [--load DATEI] [--save DATEI] [--daten ORDNER] [--no-restart] [--meldungen]
//                              [--ereignis N]   (Entwickler: Ereignis N gleich zu Beginn)
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
    // >= 0: so viele Wettbewerbstage statt ganzer Saisons. Gezählt wird nach jedem Abschluss;
    // schließen sich dabei spielfreie Züge von selbst, können es ein, zwei Tage mehr werden.
    long tage = -1;
    std::string laden;
    std::string speichern;
    std::string daten; // Grunddaten aus diesem Ordner statt aus daten/
    bool meldungen = false; // jede Meldung des Spiels mit ausgeben
    // Sind alle Manager ausgeschieden, beginnt ein neues Spiel mit ebenso vielen Managern
    // (bei --load so vielen, wie der Spielstand hatte), bis das Ziel erreicht ist.
    bool neustart = true;
    int ereignis = 0; // 1..42: dieses Ereignis zu Beginn für den ersten Manager, mit Meldungen
};

// Liest die Argumente nach "--autoplay". false mit fehler bei unbrauchbaren Angaben.
bool AutoplayArgumente(const std::vector<std::string>& argumente, AutoplayOptionen& o, std::string& fehler);

// Spielt mit den Grunddaten aus Pfade.Daten. Rückgabe: Exit-Code
// (0 gut, 1 Laufzeitfehler, 2 Grunddaten oder Spielstand unbrauchbar).
int Autoplay(const AutoplayOptionen& o, std::ostream& aus, std::ostream& fehler);

// Der Einstieg aus main(): argv[1] ist "--autoplay". Legt die Ordner neben dem Programm fest.
int AutoplayAusfuehren(int argc, char** argv);

// Bei "--autoplay" als erstem Argument der Exit-Code des Automaten, sonst -1
// (dann startet das Spielfenster).
int AutoplayFallsVerlangt(int argc, char** argv);

} // namespace torvane
