// "--screenshots ORDNER": jedes gebaute Fenster mit Beispieldaten öffnen und als
// PNG ablegen, damit man alle Bildschirme auf einen Blick sieht.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace torvane {

// Jede Beschriftung (Schild, Knopf, Kästchen, Rahmentitel, Spaltentitel, Tabellenzelle) des
// Fensters, die breiter ist als ihr Platz: "name/Objekt: »Text« braucht n, hat m Pixel".
QStringList AbgeschnitteneTexte(const QWidget* w, const QString& name);
// Was die Fotos bisher abgeschnitten fanden (Foto misst vor jedem Bild).
extern QStringList GefundeneAbschnitte;

// Legt das Fenster als ordner/name.png ab und merkt den Dateinamen in fertig.
bool Foto(QWidget* w, const QString& ordner, const QString& name, QStringList& fertig);
// Öffnet das Fenster wie das Spiel (zeigen(), sonst show()), legt das Foto ab und schließt es.
template <class F>
void Fotografieren(F* f, const QString& ordner, const QString& name, QStringList& fertig)
{
    if constexpr (requires { f->zeigen(); })
        f->zeigen();
    else
        f->show();
    Foto(f, ordner, name, fertig);
    f->hide();
}

// Solange eine FotoRuhe lebt, zeigt die Oberfläche keine Meldungen und wartet nicht;
// danach gilt wieder, was vorher galt.
class FotoRuhe {
public:
    FotoRuhe();
    ~FotoRuhe();
    FotoRuhe(const FotoRuhe&) = delete;
    FotoRuhe& operator=(const FotoRuhe&) = delete;

private:
    bool nieZeigen_;
    double tempo_;
};

// Ein Spiel mit zwei Managern ohne Bildschirm (aus den Grunddaten). false, wenn es nicht geht.
// Mit BeispielLangeNamen tragen der erste Manager, sein Verein, drei seiner Spieler und der
// erste Spieler der Transferliste die längsten Namen, die das Spiel erlaubt.
bool BeispielSpielAnlegen();
extern bool BeispielLangeNamen;
// Legt die Bilder in ordner ab; gibt die geschriebenen Dateinamen zurück (leer bei Fehler).
QStringList BildschirmfotosMachen(const QString& ordner);

} // namespace torvane
