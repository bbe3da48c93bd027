// Der "Mannschafts + Spieler Editor": Vereine, Spielerpool und Nationen aus daten/
// bearbeiten. Jede Änderung wird geprüft, bevor sie in eine Datei kommt; was der
// Editor schreibt, nimmt der Lader immer an.
#pragma once

#include <string>
#include <vector>

namespace torvane {

enum class EditorListe { Keine, Mannschaften, Spieler, Nationen };

class Editor {
public:
    EditorListe liste() const { return liste_; }
    // Zeigt eine andere Liste; ungespeicherte Änderungen werden vorher gespeichert
    // (mit der Frage von "Speichern"; "Nein" verwirft sie). false: die alte Liste bleibt.
    bool listeWaehlen(EditorListe l);

    int zeilen() const { return static_cast<int>(werte_.size()); }
    int spalten() const { return static_cast<int>(kopf().size()); }
    std::vector<std::string> kopf() const;
    std::vector<int> breiten() const;
    std::string titel() const;
    std::string status() const;
    // Steht etwas anders als in der Datei? Eine abgelehnte und zurückgenommene Eingabe zählt nicht.
    bool geaendert() const { return werte_ != geladen_; }

    // Zeilen und Spalten ab 1 (0 ist die Nummernspalte bzw. die Kopfzeile).
    std::string zelle(int zeile, int spalte) const;
    bool spalteEditierbar(int spalte) const;
    int zeile() const { return zeile_; }
    int spalte() const { return spalte_; }

    // Was der Benutzer in die gewählte Zelle tippt; geprüft wird beim Verlassen.
    void zelleSetzen(const std::string& text);
    // Die Auswahl wechselt: prüft die verlassene Zelle und, wenn die Zeile wechselt,
    // die verlassene Zeile. false: die Auswahl bleibt, wo sie war.
    bool auswahl(int zeile, int spalte);

    // "Neuer Eintrag" an der gewählten Zeile.
    bool neuerEintrag();
    // "Einfügen": Text aus der Zwischenablage in die gewählte Zelle, mit denselben Prüfungen.
    bool einfuegen(const std::string& text);
    // "Speichern" mit Frage und Klang; false, wenn nichts geschrieben wurde.
    bool speichern();
    // Schließen: bei Änderungen die Frage, ob vorher gespeichert wird. false: offen bleiben.
    bool schliessen();

    // Kopiert die Grunddaten nach ordner und schreibt die gezeigte Liste, wie sie ist,
    // dazu (nach allen Prüfungen). Für die Testsaison; am Datenordner ändert sich nichts.
    bool testdatenSchreiben(const std::string& ordner);

private:
    enum class Ausgang { Gespeichert, Verworfen, Fehler };
    Ausgang sichern(bool fragen);
    bool laden(EditorListe l);
    std::string datei() const;
    std::string inhalt() const;
    bool dateiSchreiben(const std::string& pfad);
    bool zelleVerlassen();
    bool offeneZeilePruefen();
    bool zeilePruefen(int z, bool wiederherstellen, bool doppelte = true);
    bool allesPruefen();
    int deutsche() const;

    EditorListe liste_ = EditorListe::Keine;
    std::vector<std::vector<std::string>> werte_; // UTF-8, je Zeile die Spalten 1..k
    std::vector<std::vector<std::string>> geladen_; // so, wie es in der Datei steht
    std::vector<std::string> vorher_;             // die bearbeitete Zeile vor der Bearbeitung
    int bearbeitet_ = 0;                          // Zeile, die gerade bearbeitet wird (0: keine)
    int zeile_ = 0, spalte_ = 0;
};

// Was an einem Datenordner nicht stimmt: eine Datei, die der Lader abweist (mit Grund),
// eine Liga mit falscher Vereinszahl, Vereine ohne gültige Nation, Spieler mit unbekannter
// Position oder Nation. Leer: nichts gefunden. Der Spielstand bleibt unberührt.
std::vector<std::string> DatenProbleme(const std::string& ordner);

// Der Bericht der Testsaison aus den Problemen und der deutschen Ausgabe von "--autoplay 1"
// (leer und rc < 0, wenn sie nicht gespielt wurde), in der Sprache des Spiels.
std::string TestsaisonBericht(const std::vector<std::string>& probleme, const std::string& ausgabe,
                              const std::string& fehler, int rc);

} // namespace torvane
