// Der Startbildschirm "Wer soll Spielen ?": blendet sich ein, tippt den
// Untertitel, zeigt Bild und Startknopf; dann tragen ein bis vier Manager
// Namen und Vereine ein. Prüfen und Speichern tun die Regeln des neuen Spiels.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace torvane {

class TStartF : public QDialog {
    Q_OBJECT
public:
    explicit TStartF(QWidget* eltern = nullptr);

    // Einblenden, Untertitel, Titel hoch, Bild, Startknopf (mit den Wartezeiten der Pforte).
    void vorspann();
    void startKlick();
    void aktivierenKlick();
    void zurueckKlick();
    void weiterKlick();
    // "Spiel laden": die Liste der Spielstände statt der Eingabe; Laden nach den Regeln des Speicherbildschirms.
    void ladelisteZeigen();
    void ladenGeklickt();
    void ladelisteSchliessen();
    // Modal zeigen; false, wenn die Spieler das Programm beenden wollen.
    bool ausfuehren();

    bool beendenGewuenscht = false;
    // Ein Spielstand wurde geladen: kein neues Spiel anlegen.
    bool geladen = false;

    QWidget* Kopf;
    QLabel *Titel, *Untertitel, *Version, *Bild1;
    QPushButton* StartKnopf;
    QWidget* Eingabe;
    QLabel* Ueberschrift;
    QLineEdit* NameFeld;
    QComboBox* VereinFeld;
    QPushButton *Aktivieren, *Zurueck, *Weiter;
    QLabel* Fortschritt;
    QPushButton* SpielLaden;
    QWidget* Ladetafel;
    QListWidget* Ladeliste;
    QLabel* KeinSpielstand;
    QPushButton *Laden, *LadenZurueck;

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void reject() override;

private:
    void slotZeigen();
    std::string name() const;
    std::string verein() const;
    bool vorspannLaeuft_ = false;
};

extern TStartF* StartF;

} // namespace torvane
