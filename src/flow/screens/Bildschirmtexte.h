// Was ein Fenster an Text zeigt: für die Prüfung, dass auf Englisch kein deutscher Text
// am Katalog vorbei auf einen Bildschirm kommt.
#pragma once

#include <QStringList>

class QWidget;

namespace torvane {

// Jeder sichtbare Text des Fensters (Titel, Schilder, Knöpfe, Rahmen, Listen, Tabellen samt
// Spaltentiteln, Auswahlfelder, Hinweise), je eine Zeile "name: text".
QStringList SichtbareTexte(const QWidget* fenster, const QString& name);

} // namespace torvane
