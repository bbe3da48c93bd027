// Die Fenster der Aufzeichnungen und der Einstellungen an einem Ort angelegt und ans Menü
// gehängt: LigaStärke, Statistik, Legende, Ewigentabelle, Einstellungen; dazu ihre Bildschirmfotos.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace torvane {

// Legt die Fenster an (einmal) und setzt die Öffner von K7, K10, K21, K22 und K23.
void RecordsFensterAnlegen(QWidget* haupt);

// Die Fenster mit einem Beispielspiel als PNG in ordner; gibt die Dateien zurück.
QStringList RecordsBildschirmfotos(const QString& ordner);

} // namespace torvane
