// Der "Mannschafts + Spieler Editor": Vereine, Spieler und Nationen der Grunddaten
// im Gitter, dazu die Testsaison auf den bearbeiteten Daten.
#pragma once

#include "tools/Editor.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace torvane {

class TEditorF : public QDialog {
    Q_OBJECT
public:
    explicit TEditorF(QWidget* eltern = nullptr);

    // Frisch öffnen, ohne gezeigte Liste.
    void zeigen();
    void listeZeigen(EditorListe l);
    void speichernGeklickt();
    void neuerEintragKlick();
    void einfuegenKlick();
    // Schreibt die Testdaten in einen Temp-Ordner, prüft sie, spielt eine Saison in einem
    // eigenen Prozess und zeigt den Bericht. Das laufende Spiel bleibt unberührt.
    void testsaisonKlick();

    Editor editor;
    // Das Programm für die Testsaison ("--autoplay 1 --daten ORDNER").
    QString programm;
    int testsaisonSekunden = 600;

    QLabel *Titel, *Status;
    QPushButton *Mannschaften, *Spieler, *Nationen, *Speichern, *Testsaison, *Schliessen;
    QTableWidget* Grid;
    QMenu* PopupMenu;
    QDialog* BerichtF;
    QPlainTextEdit* Bericht;

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override { close(); }

private:
    void fuellen();
    void zeileZeigen(int z);
    void zelleGewechselt(int zeile, int spalte, int alteZeile, int alteSpalte);
    bool umschalten_ = false;
};

extern TEditorF* EditorF;

// Legt das Fenster an und hängt es an den Menüknopf "Editor".
void EditorFensterAnlegen(QWidget* haupt);
QStringList EditorBildschirmfotos(const QString& ordner);

} // namespace torvane
