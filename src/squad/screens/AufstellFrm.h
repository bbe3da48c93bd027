// "Aufstellung": der Kader als Gitter mit den zwei Infotafeln, die der Maus folgen,
// die Spielerkarte, die Übersicht mit System und Stärken und die Knöpfe.
// Klicks rufen die Regeln des Kaders; das Fenster zeichnet danach neu.
#pragma once

#include <QDialog>
#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace torvane {

// Das Gitter: eine Zeile je Kaderspieler, 17 Pixel hoch, Spalten nach Pixelbereichen.
class TKaderGitter : public QWidget {
    Q_OBJECT
public:
    explicit TKaderGitter(QWidget* eltern = nullptr);
    static constexpr int Zeilenhoehe = 17;
    // Spalte 0..10 zur waagrechten Lage, -1 außerhalb.
    static int Spalte(int x);
    // Linke Kante und Mitte einer Spalte (für Tests und Klicks).
    static int SpaltenMitte(int spalte);
signals:
    void klick(int zeile, int spalte, bool rechts);
    void ueber(int zeile, int spalte);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

class TAufstellF : public QDialog {
    Q_OBJECT
public:
    explicit TAufstellF(QWidget* eltern = nullptr);

    // Für den aktuellen Manager zeigen.
    void zeigen();
    // Alles neu aus dem Spielstand (Gitter, Übersicht, Karte).
    void zeichnen();
    // Ein Klick ins Gitter, wie die Maus ihn meldet.
    void gitterKlick(int zeile, int spalte, bool rechts);
    void infoZeigen(int zeile, int spalte);
    void karteZeigen(int zeile);
    void verkaufenKlick();
    void vertragKlick();
    void maximierenKlick();
    // Verhandlung über den Vertrag von Kaderspieler i (Karte oder Vertragsspalte).
    void vertragsgespraech(int i);

    TKaderGitter* Gitter;
    QLabel *Ueberschrift, *Info1, *Info2;
    QFrame* Karte;
    QLabel *KartePosition, *KarteName, *KarteWert, *KarteGesundheit;
    QPushButton *Verkaufen, *NeuerVertrag;
    QFrame *LampeVerkaufen, *LampeVertrag;
    QLabel *SystemLabel, *VerteidigungLabel, *MittelfeldLabel, *AngriffLabel, *GesamtLabel;
    QLabel *SchnittLabel, *GehaelterLabel, *WertLabel;
    QCheckBox* Autoaufstellung;
    QPushButton *Aktualisieren, *Maximieren, *KostenInfo;
    int karteZeile = 0; // 0: keine Karte

protected:
    // Escape schließt erst die Spielerkarte, dann das Fenster.
    void reject() override;

private:
    bool beschaeftigt_ = false;
};

extern TAufstellF* AufstellF;

} // namespace torvane
