// Das Stadion ("Stadion"): Komfort, Plätze, drei Preisräder, Dauerkarten und die
// Attraktionen, die alle drei Sekunden wechseln und sich Zelle für Zelle einblenden.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QTimer>

#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

namespace torvane {

class TStadionF : public QDialog {
    Q_OBJECT
public:
    explicit TStadionF(QWidget* eltern = nullptr);

    // Aus dem Menü: Preise und Anzeige für AktManager, Attraktionsuhr an.
    void zeigen();
    // Alle Zahlen neu aus dem Spielstand; die Stadionkosten frisch gerechnet, ohne zu buchen.
    void auffrischen();
    // Ein Takt der Attraktionsuhr (auch für Tests und Bildschirmfotos).
    void attraktionWeiter();
    // Überblendung sofort fertig zeichnen.
    void ueberblendungBeenden();
    bool blendetUeber() const { return blende_.isActive(); }
    int attraktion() const { return index_; }

    QLabel *Stadionkosten, *Komfort, *KomfortPreis, *KomfortRueck, *Plaetze, *PlatzPreis, *PlatzRueck;
    QLabel *Eintrittspreis, *Dauerkartenpreis, *Pokalzuschlag, *ImVerkauf, *Verkauft;
    QPushButton *KomfortKaufen, *KomfortVerkaufen, *PlaetzeKaufen, *PlaetzeVerschrotten, *Mehr, *Weniger;
    QToolButton *EintrittHoch, *EintrittRunter, *DauerHoch, *DauerRunter, *PokalHoch, *PokalRunter;
    QLabel *Bild, *Attraktion;
    QTimer Uhr;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    // Führt die Regel für AktManager aus und frischt danach auf.
    void tat(bool (*regel)(int));
    void tat(bool (*regel)(int, bool), bool hoch);
    void blendeSchritt();

    int index_ = -1;
    QPixmap anzeige_, ziel_;
    std::vector<std::pair<int, int>> folge_;
    int schritt_ = 0;
    QTimer blende_;
};

extern TStadionF* StadionF;

} // namespace torvane
