// Die Bilder des Spiels. Liegt in grafik/ eine PNG-Datei des Namens, wird
// sie genommen; sonst zeichnet das Programm das Bild selbst, im einen
// flachen, freundlichen Stil aller Spielbilder.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

class QLabel;
class QWidget;

namespace torvane {

// Namen: "ball", "baelle", "pokal", "stadion", "manager", "verletzung", "wunder", "nichts",
// "diskette", "geld", "zeugnis", "spieler", "sessel", "pleite", "ausgang",
// "ende", "systemcheck", "start", "linke", "hilfe", "info", "trainer1".."trainer12".
QPixmap Bild(const QString& name, QSize groesse);
// Ein mittiges Schild mit dem Bild name (für Fenster mit Layout).
QLabel* Bildschild(QWidget* eltern, const QString& name, QSize groesse);
// Eine leere Pixmap von groesse Punkten in der vollen Auflösung des Bildschirms (Zoom),
// damit Gemaltes bei 200 % scharf bleibt. Gemalt wird in Punkten wie sonst auch.
QPixmap Malgrund(QSize groesse);
// Alle Namen, die Bild() selbst zeichnen kann.
QStringList BildNamen();

// Bild des Nachrichtenfensters zum Index der Regeln; leer bei negativem oder unbekanntem Index.
//   0 Spiel, 1 Verletzung, 2 Wunderheilung, 3 nichts passiert, 4 Speichern, 5 Trainingsbälle,
//   6 Geld, 7 Managerzeugnis, 8 Spieler, 9 Stadionkomfort, 100 + n Sondertrainer n (1..12).
QString NachrichtBildName(int bild);

} // namespace torvane
