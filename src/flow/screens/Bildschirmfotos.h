// "--screenshots ORDNER": jedes gebaute Fenster mit Beispieldaten öffnen und als
// PNG ablegen, damit man alle Bildschirme auf einen Blick sieht.
#pragma once

#include <QString>
#include <QStringList>

namespace torvane {

// Ein Spiel mit zwei Managern ohne Bildschirm (aus den Grunddaten). false, wenn es nicht geht.
bool BeispielSpielAnlegen();
// Legt die Bilder in ordner ab; gibt die geschriebenen Dateinamen zurück (leer bei Fehler).
QStringList BildschirmfotosMachen(const QString& ordner);

} // namespace torvane
