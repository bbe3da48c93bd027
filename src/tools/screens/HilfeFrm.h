// Die Hilfe: zeigt daten/Hilfe.dat (oder Hilfe.<sprache>.dat, wenn es die gibt) und lässt sie
// bearbeiten und speichern.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace torvane {

class THilfeF : public QDialog {
    Q_OBJECT
public:
    explicit THilfeF(QWidget* eltern = nullptr);

    // Die Datei, die zuletzt gelesen wurde (vor dem ersten Lesen Hilfe.dat).
    QString datei() const;
    // Liest die Datei (Windows-1252) ins Feld; fehlt sie, bleibt das Feld leer.
    void laden();
    // Schreibt das Feld zurück (Windows-1252, CRLF); false mit Meldung, wenn es nicht geht.
    // Zeichen außerhalb von Windows-1252 nennt es vorher und schreibt nur auf "Ja".
    bool speichern();
    // Am Standardort zeigen; ist sie mit Änderungen schon offen, nur nach vorn holen.
    void zeigen();

    QPlainTextEdit* Memo1;
    QPushButton *Speichern, *Schliessen;
    QLabel* Status;

protected:
    // Schließen mit ungespeichertem Text fragt wie der Editor: speichern, verwerfen oder offen bleiben.
    void closeEvent(QCloseEvent* e) override;
    void reject() override { close(); }

private:
    QString name_ = QStringLiteral("Hilfe.dat");
};

// Hilfe.<sprache>.dat im Datenordner, wenn es sie zur gewählten Sprache gibt, sonst Hilfe.dat.
QString HilfeDateiName();

extern THilfeF* HilfeF;

} // namespace torvane
