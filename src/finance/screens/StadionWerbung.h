// Stadion, Werbung und TotoTip an einem Ort angelegt und ans Menü gehängt; dazu ihre
// Bilder (Attraktionen, Trikotsponsoren) und ihre Bildschirmfotos.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

namespace torvane {

// Legt StadionF, WerbungF und TototipF an (einmal) und setzt die Menüknöpfe "Stadion",
// "Werbung" und "TotoTip", wenn das Menü da ist.
void StadionWerbungFensterAnlegen(QWidget* haupt);

// Bild der Attraktion 0..36 und des Trikotsponsors 0..23, selbst gezeichnet.
QPixmap AttraktionBild(int index, QSize groesse);
QPixmap TrikotBild(int sponsor, QSize groesse);

// Stadion, Werbung (mit offenem Angebot) und Toto (leer und mit Tipps) als PNG in ordner.
QStringList StadionWerbungBildschirmfotos(const QString& ordner);

} // namespace torvane
