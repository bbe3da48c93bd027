// Training, Trainingslager, Bank und Vereinsinformation: an einem Ort angelegt, ans
// Menü gehängt ("Training", "Trainingslager", "Info", "Bank") und fotografiert.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace torvane {

void TrainingBankFensterAnlegen(QWidget* haupt);

// Die vier Fenster mit einem Beispielspiel als PNG in ordner; gibt die Dateien zurück.
QStringList TrainingBankBildschirmfotos(const QString& ordner);

} // namespace torvane
