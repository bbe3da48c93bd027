// Der Speicherbildschirm "Disk": Spielstände speichern, laden und löschen.
// Prüfen, Fragen und Dateiarbeit tun die Regeln des Spielstands.
#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace torvane {

class TDiskF : public QDialog {
    Q_OBJECT
public:
    explicit TDiskF(QWidget* eltern = nullptr);

    // Nach einem erfolgreichen Laden: das Menü des aktuellen Managers neu aufbauen.
    std::function<void()> nachLaden;
    // Nach der Ladefrage: der Menüknopf "Disk" verschwindet bis zum nächsten Start.
    std::function<void()> nachLadesperre;

    // Am Standardort zeigen (nicht modal): Ordner anlegen, Liste und Feld füllen.
    void zeigen();
    void auffrischen();
    void speichernGeklickt();
    void ladenGeklickt();
    void loeschenGeklickt();

    QLineEdit* Edit1;
    QListWidget* ListBox1;
    QPushButton *Speichern, *Laden, *Loeschen;

private:
    void textGeaendert(const QString& neu);
    void folge(int diskFolge);
    QString angenommen_;
};

extern TDiskF* DiskF;

} // namespace torvane
