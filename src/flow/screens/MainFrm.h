// Das Hauptfenster "Torvane": schwarze Fläche, auf der Seitenleiste und Menü
// stehen, mit der Uhr im 500-ms-Takt, der Versteck-Taste Strg+W und dem
// Ablauf eines neuen Spiels (Splash, Startbildschirm, Menü).
#pragma once

#include <QWidget>

#include <functional>
#include <string>

class QTimer;

namespace torvane {

class TMainF : public QWidget {
    Q_OBJECT
public:
    explicit TMainF(QWidget* eltern = nullptr);

    // Seitenleiste und Menü nebeneinander, zusammen waagrecht mittig, senkrecht 11 Pixel tiefer.
    void anordnen();
    void uhrStarten();
    void uhrAnhalten();
    void uhrTakt();
    // Strg+W: alles verstecken bzw. wieder zeigen.
    void versteckenUmschalten();
    // Der ganze Ablauf eines neuen Spiels mit Splash und Startbildschirm; false: das
    // Programm soll enden (Grunddaten fehlen oder der Startbildschirm wurde verlassen).
    bool spielAnlegen();
    // Das Programm endet (nach dem Abspann oder ohne Manager).
    void beenden();
    // Für Tests: statt zu enden wird dies gerufen (der Testlauf geht weiter).
    std::function<void()> stattBeenden;
    bool versteckt() const { return versteckt_; }

    QTimer* Timer1;
    // Ein Spielstand von der Befehlszeile: spielAnlegen lädt ihn statt des Startbildschirms.
    std::string startDatei;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void farbeSetzen(const QColor& c);
    bool endet_ = false;
    bool versteckt_ = false;
};

extern TMainF* MainF;

// Schließt jedes offene Fenster außer Hauptfenster, Seitenleiste, Menü und Spieltag.
void FensterSchliessen();
// Legt alle Fenster einmal an und verbindet die Haken der Regeln.
void FensterAnlegen();
// Setzt Menü, Seitenleiste und Fenster als Menüpforte der Regeln ein (FensterAnlegen tut es auch).
void MenueAnzeigeVerbinden();
// Während des Tages und des Saisonendes ist das Menü hochgerollt: dann ist kein Manager am Zug.
bool MenueHochgerollt();
// Nach jedem Wechsel des aktuellen Managers (und nach dem Laden): die Seitenleiste und jedes
// offene Fenster zeigen den Stand des neuen Managers.
void ManagerAnzeigenAuffrischen();

} // namespace torvane
