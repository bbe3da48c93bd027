// Die Seitenleiste links neben dem Menü: Titel, Untertitel, Uhr, Version,
// ein Bild, der Schalter "Automatic" des aktuellen Managers und je Manager
// auf Automatik ein Knopf, der sie anhält.
#pragma once

#include "flow/Vertretung.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace torvane {

class TLinkeF : public QWidget {
    Q_OBJECT
public:
    explicit TLinkeF(QWidget* eltern = nullptr);

    void uhrZeigen(const QString& zeit);
    // Der Schalter gehört dem Manager, der am Zug ist: an spielt der Computermanager dessen Züge
    // und schließt sie wie ein Klick auf die Abschlusstafel, bis er wieder aus ist.
    void automaticKlick();
    // Ist der aktuelle Manager auf Automatik?
    bool automatic() const;
    // Solange sie lebt, antwortet der Computermanager für jeden Manager auf Automatik, der am Zug ist.
    Vertretung vertreten() const;
    bool automatic(const std::string& name) const;
    // Die Stufe, in der der Computer für den aktuellen Manager spielt: die seiner laufenden
    // Automatik, sonst die gewählte für die nächste.
    AssistentStufe stufe() const;
    // Automatik des Managers name aus (die Stopp-Knöpfe unter dem Schalter); eine Nachricht sagt
    // ihm, was seitdem für ihn geschah.
    void automatikAus(const std::string& name);
    // Schalter und Stopp-Knöpfe für den aktuellen Manager neu beschriften (nach jedem Wechsel).
    void automatikZeigen();
    // Ist ein automatischer Manager mit offenem Zug dran und das Menü frei, spielt er ihn jetzt.
    void automatikTakt();

    QLabel* Titel;
    QLabel* Untertitel;
    QLabel* Uhr;
    QLabel* Version;
    QLabel* Bild1;
    QPushButton* Automatic;
    QComboBox* Stufe; // Neu oder Alt für die nächste Automatik
    // Je Manager auf Automatik ein Knopf, der sagt, wessen Automatik er anhält.
    std::array<QPushButton*, 4> Stopp{};

private:
    // Namen statt Plätze: nach einer Pleite rücken die Plätze auf.
    std::vector<Vertretungsstand> automatik_;
    bool automatikLaeuft_ = false;
    QTimer* automatikTimer_;
};

extern TLinkeF* LinkeF;

} // namespace torvane
