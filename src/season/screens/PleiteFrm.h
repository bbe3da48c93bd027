// Der Bildschirm des Lizenzentzugs: ein Manager muss gehen.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace torvane {

class TPleiteF : public QDialog {
    Q_OBJECT
public:
    explicit TPleiteF(QWidget* eltern = nullptr);

    // Mittig auf dem Hauptfenster zeigen, Label2 setzen.
    void zeigen(const QString& label2);
    // Wartet, bis "und Tschüss" gedrückt ist, und schließt.
    void warteAufTschuess();

    QLabel *Label1, *Label2, *Bild1, *Bild2;
    QPushButton* BitBtn1;

protected:
    void reject() override {}

private:
    bool tschuess_ = false;
};

extern TPleiteF* PleiteF;

// Setzt den Bildschirm als Pforte der Pleite-Regeln ein.
void PleiteAnzeigeVerbinden();

} // namespace torvane
