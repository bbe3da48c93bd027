// "LigaStärke": Seite 1 eine Liga nach Stärke, Seite 2 "Alle Mannschaften" mit Sortierung,
// Suche und dem bezahlten Spion.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace torvane {

struct Staerkeeintrag_;

class TLigaStarkeF : public QDialog {
    Q_OBJECT
public:
    explicit TLigaStarkeF(QWidget* eltern = nullptr);

    // Aus dem Menü: Seite 1 mit der Liga Spiel.AnzeigeLiga.
    void zeigen();
    // Nach einer Einsatzänderung: beide Seiten neu, ohne erneut zu kassieren.
    void auffrischen();
    void ersteSeiteZeichnen(int liga);
    // Seite 2 öffnen (kostet).
    void alleOeffnen();
    void sortieren(int art);
    void suchen(const QString& text);
    void zeileGewaehlt(int zeile);
    void spionierenGeklickt();

    QTabWidget* Seiten;
    QLabel *Kopf1, *Ligaschnitt;
    QListWidget* ListBox1;
    std::array<QLabel*, 4> Beste{};
    QTableWidget* Grid;
    QPushButton *NachStaerke, *NachName, *NachNation, *Spioniere;
    QLabel *EigenerVerein, *Gewaehlt, *Kostet;
    QLineEdit* Suche;
    std::array<QLabel*, 4> Werte{};

private:
    void listeZeigen();
    int liga_ = 4;
    int art_ = 0;
    int verein_ = 0; // gewählter Verein der Seite 2
    bool seite2Bezahlt_ = false;
    int spionY_ = 0;
};

extern TLigaStarkeF* LigaStarkeF;

} // namespace torvane
