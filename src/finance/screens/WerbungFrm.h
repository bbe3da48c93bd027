// Die Werbung ("Werbung"): fünf Plätze je Spiel (drei Banden, Allgemein, Fernsehen) mit
// der Angebotstafel, drei Trikotplätze mit Sponsorbild, und die Zahl der Werbeanfragen.
#pragma once

#include "finance/Werbung.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QFrame;

namespace torvane {

class TWerbungF : public QDialog {
    Q_OBJECT
public:
    explicit TWerbungF(QWidget* eltern = nullptr);

    // Aus dem Menü: alle Plätze für AktManager, keine Tafel offen.
    void zeigen();
    void auffrischen();

    // Klicks (auch für Tests): Platz 1..5, Trikotschild und -knopf 6..8, Ja/Nein der Tafel.
    void bandenGeklickt(int platz);
    void trikotKlick(int platz);
    void trikotKnopf(int platz);
    void ja();
    void nein();
    void anfragenKlick();

    // Index 1..8 (0 unbenutzt).
    std::array<QLabel*, 9> Titel{};
    std::array<QLabel*, 9> Sponsor{};
    std::array<QPushButton*, 9> B{};   // 1..5: Platzknöpfe B1..B5, 6..8: Bu6..Bu8
    std::array<QPushButton*, 9> L{};   // 6..8: Sponsorschilder L6..L8 (klickbar)
    std::array<QLabel*, 9> Bild{};     // 6..8
    QPushButton* Anfragen;
    QFrame* Tafel;
    QLabel *TafelArt, *TafelSponsor, *TafelBetrag, *TafelSpruch, *TafelNotiz;
    QPushButton *Ja, *Nein;

protected:
    void hideEvent(QHideEvent* e) override;
    // Escape schließt erst die offene Tafel (wie "Nein"), dann das Fenster.
    void reject() override;

private:
    void tafelZeigen(bool zeigen);

    Werbeangebot tafel_;           // das Angebot auf der Tafel (platz 0: keins)
    std::array<Werbeangebot, 9> trikot_{}; // offene Trikotangebote (platz 0: keins)
};

extern TWerbungF* WerbungF;

} // namespace torvane
