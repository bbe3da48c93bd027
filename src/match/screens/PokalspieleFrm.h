// Die Pokalübersicht ("Pokalspiele"): je eine Seite für DFB Pokal, UEFA Pokal,
// Pokal der Pokalsieger und die ChampionsLige. Liest nur die Pokalfelder der Vereine
// und die Tabelle der ChampionsLige.
#pragma once

#include "core/Variablen.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QScrollBar;
class QTabWidget;

namespace torvane {

class TPokalspieleF : public QDialog {
    Q_OBJECT
public:
    explicit TPokalspieleF(QWidget* eltern = nullptr);

    // Alle Seiten neu zeichnen und das Fenster zeigen.
    void zeigen();
    void zeichnen();
    // Seite 0 DFB, 1 UEFA, 2 Pokal d. Pokalsieger, 3 ChampionsLige.
    void seiteWaehlen(int seite);
    // Die ChampionsLige-Paarungen des Spieltags 1..15.
    void chlSpieltagZeigen(int tag);

    struct Paarung {
        QFrame* Reihe;
        QLabel *Heim, *Strich, *Gast, *Stand;
    };
    struct Pokalseite {
        QWidget* Seite;
        QLabel* Kopf;
        std::array<Paarung, 32> Paarungen;
        QLabel* Sieger;
    };
    std::array<Pokalseite, 3> Pokale{};
    QLabel* Hinweis;
    QTabWidget* Seiten;
    // ChampionsLige
    QLabel *ChlKopf, *ChlTabelleText, *ChlTag, *ChlSieger;
    QScrollBar* ChlScroll;
    std::array<QLabel*, 8> ChlPaarung{};

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void pokalZeichnen(Wettbewerb_ wettbewerb);
    // Bis 16 Paarungen eine breite Spalte, darüber zwei schmale.
    void reihenAnordnen(Pokalseite& s, int paarungen);
    void chlZeichnen();
};

extern TPokalspieleF* PokalspieleF;

// Rundenname der Übersicht nach Zahl der Paarungen ("1.Runde" .. "Finale").
QString UebersichtRunde(int paarungen);

} // namespace torvane
