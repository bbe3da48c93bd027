// Die Bilder des Spieltags: Spielfeld, Ball, Spieler, Karten, Verletzung und
// das Muster im Hintergrund. Liegt in grafik/spieltag/ eine PNG-Datei des
// Namens, wird sie genommen; sonst zeichnet das Programm das Bild selbst.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>

namespace torvane {

// Das Spielfeld der Live-Ansicht, 500 × 300 ("platz").
QPixmap SpielfeldBild();

// Die 32 × 32 großen Symbole der Live-Ansicht:
// 0 Gelbe Karte, 1 Rote Karte, 2 Verletzung, 3 Heimspieler, 4 Gastspieler, 5..11 Ball.
// Ein unbekannter Index gibt ein leeres Bild.
QPixmap SpieltagSymbol(int index);
constexpr int SpieltagSymbolGroesse = 32;

// Die kleine Kachel, mit der der Spieltagsbildschirm seinen Hintergrund füllt.
QPixmap HintergrundMuster();

// "Courier New" für Ergebnisse, Spielstand und Tabellen; fehlt sie, eine andere
// Schrift fester Breite, damit die Doppelpunkte untereinander stehen.
QFont CourierSchrift(int punkte, bool fett = true);
// Dasselbe für Rich-Text ("font-family: ...;").
QString CourierCss();

// Die Namen der Dateien, die das Programm statt der gezeichneten Bilder nähme.
QString SpieltagBildName(int symbol);

} // namespace torvane
