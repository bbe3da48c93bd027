// Die Fenster des Spieltags an einem Ort angelegt und verbunden: Spielen, Tabelle,
// Spieltage, Pokalspiele und das Saisonende; dazu ihre Bildschirmfotos.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace torvane {

// Legt SpielenF, TabelleF, NSpieltagF, PokalspieleF und SaisonEndeF an (einmal), setzt
// den Spieltagsbildschirm als Tagesanzeige und Spieltagsfenster, das Saisonende als
// Saisonendeanzeige und hängt Tabelle, Spieltage und Pokalspiele an das Menü, wenn es da ist.
void SpieltagsfensterAnlegen(QWidget* haupt);

// Spielt ohne Bildschirm und ohne Warten weiter, bis der Ligaspieltag bisSpieltag
// (höchstens 34) gespielt ist und der nächste Tag wieder ein Ligatag wäre.
void TageStillSpielen(int bisSpieltag);

// Alle Bildschirme des Spieltags mit Beispieldaten als PNG in ordner; gibt die Dateien zurück.
// Legt dafür ein Beispielspiel an und spielt einige Tage.
QStringList SpieltagsBildschirmfotos(const QString& ordner);

} // namespace torvane
