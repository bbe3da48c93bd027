// Das Managermenü: wer dran ist, Verein, Saison, Liga, Moral, Einsatz und
// Konto, die vier Hauptknöpfe mit ihren Unterknöpfen, die Knöpfe unten und
// die Abschlusstafel. Es zeigt nur den Spielstand; was ein Knopf auslöst,
// hängt an den Haken unten (der Zugabschluss an "abschluss").
#pragma once

#include "core/Menue.h"

#include <QFrame>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace torvane {

// Eine Tafel, die einen Mausklick meldet.
class TKlickPanel : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

class TMenuF : public QWidget {
    Q_OBJECT
public:
    explicit TMenuF(QWidget* eltern = nullptr);

    // --- Haken ---
    // Schließt den Zug des aktuellen Managers (Abschlusstafel, Knopf, Enter, "Automatic").
    std::function<void()> abschluss;
    // Öffnet das Fenster des Unterknopfs p; ohne Öffner ist der Knopf gesperrt ("Kommt bald").
    void oeffnerSetzen(Menuepunkt p, std::function<void()> oeffner);
    // Die Knöpfe unten: "Disk", "Hilfe", "Info", "Tschüss".
    std::function<void()> diskOeffnen, hilfeOeffnen, infoOeffnen, tschuessOeffnen;

    // --- Anzeige ---
    // Zeichnet das Menü aus dem Spielstand des AktManager; rechnet und ändert nichts.
    void menueZeichnen();
    void einsatzZeichnen();

    // Hauptknopf n (0..3) wählen: Gruppe wechseln mit der Aufdeck-Animation.
    void hauptKlick(int n);
    void unterKlick(Menuepunkt p);
    void einsatzHochKlick();
    void einsatzRunterKlick();
    QPushButton* knopf(Menuepunkt p) const { return K[static_cast<size_t>(Platz(p))]; }

    // Einrollen und Ausrollen der oberen Tafel während der Tag läuft.
    void hochrollen();
    void runterrollen();
    void spielfreiZeigen(const QString& name);
    void spielfreiVerbergen();
    // Alle Bedienelemente des Menüs an oder aus.
    void bedienungFreigeben(bool an);
    void abschlussFokussieren();
    // Wie ein Klick auf die Abschlusstafel (nur wenn das Menü bedienbar ist).
    void abschlussFolgen();

    // --- Bedienelemente (Namen wie im Spiel) ---
    QWidget* Panel1;
    QLabel *P1, *P2, *P3, *P4, *P5, *L1, *L2, *L4;
    QProgressBar *Gauge1, *Gauge2, *Gauge3;
    QToolButton *UpDown1Hoch, *UpDown1Runter;
    std::array<QPushButton*, 4> M{};
    std::array<QPushButton*, MenuepunktZahl> K{}; // nach Platz; knopf(p) nach Menüpunkt
    QPushButton *Disk, *Hilfe, *Info, *Tschuess;
    TKlickPanel* Abschluss;
    QLabel *Label3D1, *Label3D2;
    QPushButton* AbschlussButton;
    // Während das Menü rollt: sofort fertig rollen (auch Escape).
    QPushButton* Abkuerzen;
    QFrame* PanelSpielfrei;
    QLabel* LabelSpielFrei;

    int letzteGruppe = -1;
    int vollHoehe = 0;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // F1 Hilfe, Strg+S "Disk", Strg+Q "Tschüss".
    void tastenkuerzelAnlegen();
    // Konto (P5, L1) aus dem Kontostand.
    void kontoZeichnen();
    std::array<std::function<void()>, MenuepunktZahl> oeffner_{};
    QPushButton* hervor_ = nullptr;
};

extern TMenuF* MenuF;

// Ob ein Tastenkürzel jetzt wie ein Klick auf b wirken darf.
bool KuerzelFrei(const QPushButton* b);

} // namespace torvane
