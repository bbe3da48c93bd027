// Das gemeinsame Aussehen aller Fenster: Farben, Schriften, Tafeln.
// Ein Ort, damit das Spiel überall gleich freundlich aussieht.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;
class QLabel;
class QPushButton;
class QScreen;

namespace torvane {

namespace Farbe {
inline const QColor Rasen{46, 125, 50};
inline const QColor RasenHell{102, 187, 106};
inline const QColor Creme{255, 248, 225};
inline const QColor Sonne{255, 202, 40};
inline const QColor Nacht{26, 35, 126};
inline const QColor Tinte{33, 33, 33};
inline const QColor Rot{211, 47, 47};
inline const QColor Limette{0, 230, 118};
inline const QColor Himmel{129, 212, 250};
// Gelbe Schrift auf Rasen: Sonne hebt sich dort zu wenig ab.
inline const QColor Zitrone{255, 245, 157};
// Rote Schrift auf hellem oder grauem Grund.
inline const QColor Weinrot{183, 28, 28};
} // namespace Farbe

// Grundstil eines Spielfensters (helle Fläche, grüne Köpfe, runde Knöpfe).
void StilSetzen(QWidget* w);
// Name, Titel und Grundstil eines Spielfensters, ohne den Hilfeknopf im Rahmen.
void FensterEinrichten(QWidget* w, const QString& name, const QString& titel);
// Dazu feste Größe und die Kopfzeile über die ganze Breite (ohne kopf: der Titel).
QLabel* FensterMitKopf(QWidget* w, const QString& name, const QString& titel, QSize groesse,
                       const QString& kopf = QString());
// Ein benanntes Bedienelement an fester Stelle.
template <class W>
W* Element(QWidget* eltern, const QString& name, QRect ort)
{
    auto* w = new W(eltern);
    w->setObjectName(name);
    w->setGeometry(ort);
    return w;
}
// Ein benannter Knopf mit Aufschrift an fester Stelle.
QPushButton* Knopf(QWidget* eltern, const QString& text, const QString& name, QRect ort);
// Ein benanntes Schild an fester Stelle; ohne senkrechte Angabe mittig in der Höhe.
QLabel* Schild(QWidget* eltern, const QString& name, QRect ort, const QFont& f, Qt::Alignment a = Qt::AlignCenter);
// Eine mittige Beschriftung für Fenster mit Layout.
QLabel* Mittig(QWidget* eltern, const QString& text, const QFont& f);
// Überschrift auf grünem Band.
QLabel* Kopfzeile(const QString& text, QWidget* eltern);
QFont Schrift(int punkte, bool fett = false);
// "#rrggbb" für Stylesheets.
QString Hex(const QColor& c);

// Das Fenster, das gerade etwas fragt: ein wartender modaler Dialog, sonst das aktive Fenster
// des Spiels, sonst das Hauptfenster. Das neue Fenster selbst (ausser) zählt nicht.
QWidget* FragendesFenster(const QWidget* ausser = nullptr);
// Setzt w mittig auf bezug (ohne bezug: auf das fragende Fenster), ganz auf dem Bildschirm.
void MittigAuf(QWidget* w, const QWidget* bezug = nullptr);
// Setzt w nach ort, aber so, dass es ganz auf der freien Fläche des Bildschirms liegt
// (ohne s: der Bildschirm an ort).
void AufDenBildschirm(QWidget* w, QPoint ort, const QScreen* s = nullptr);
// Ein Name in ein Schild fester Breite: passt er nicht, erst in kleinerer Schrift (bis kleinste
// Punkte), dann gekürzt mit "…"; der ganze Name steht dann im Tooltip.
void TextEinpassen(QLabel* l, const QString& text, int kleinste = 7);
// Die Schrift fester Breite für Texte, die mit Punkten oder Leerzeichen in Spalten gesetzt sind.
QFont FesteSchrift(int punkte, bool fett = false);

// Namen tippen die Spieler selbst ("<u>Jörg</u>"); sie dürfen nie als HTML erscheinen.
// Danach zeigt jedes Schild der Anwendung seinen Text wörtlich, außer es verlangt
// ausdrücklich Qt::RichText (und maskiert dann selbst). Einmal je Anwendung.
void TexteWoertlich();
// Nach dem Schließen eines Fensters bekommt das oberste noch offene modale die Tastatur.
void FokusZurueckgeben();
// Ein Tooltip, der genau diesen Text zeigt (Tooltips erkennen HTML sonst selbst).
QString TippWoertlich(const QString& text);

} // namespace torvane
