// Die Oberfläche der Qt-Fenster: Nachrichtenfenster, Zahlenrad, Dialoge,
// Klänge und Warten in einer verschachtelten Ereignisschleife, damit die
// Regeln synchron laufen können. Für Bildschirmtests lassen sich die
// Antworten vorab einreihen, dann zeigt sich kein Fenster.
#pragma once

#include "core/Oberflaeche.h"
#include "core/Sprache.h"

#include <QApplication>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <cmath>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;

namespace torvane {

QString Q(const std::string& utf8);
std::string U(const QString& s);
// Ein Text des Spiels in der gewählten Sprache (siehe core/Sprache.h); Platzhalter %1 … füllt .arg().
QString Tq(const char* deutsch);
QString TCq(const char* kontext, const char* deutsch);
// Meldungstexte kommen mit "\r\n"; Qt will "\n".
QString Zeilen(const std::string& utf8);

// --- Orte, an denen sich die Fenster ausrichten ---
QWidget* Hauptfenster();
void HauptfensterSetzen(QWidget* w);
// Das Spieltagsfenster (Nachricht mit Versatz -1, -1 zentriert sich darauf).
QWidget* Spieltagfenster();
void SpieltagfensterSetzen(QWidget* w);
// Die gemeinsame Bildschirmposition (links oben an der Seitenleiste), in Bildschirmkoordinaten.
QPoint StandardOrt();
void StandardOrtSetzen(QPoint global);
// Setzt w an den Standardort und zeigt es.
void AmStandardOrt(QWidget* w);

// Die Wave-Datei eines Klangs in Pfade.Musik, ohne Rücksicht auf Groß- und
// Kleinschreibung ("Ding" und "ding"); leer, wenn es keine gibt.
QString KlangDatei(const QString& name);

class QtOberflaeche : public Oberflaeche {
public:
    // Das Hauptfenster, an dem sich Dialoge ausrichten (veraltet: HauptfensterSetzen).
    QWidget* hauptfenster = nullptr;

    void klang(const std::string& name, bool bisEnde) override;
    void warte(int ms, bool still) override;
    int zahleneingabe(int anfang, const std::string& frage, int x, int y) override;
    Befehlswert nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int x, int y,
                          int bild) override;
    Antwort dialog(DialogArt art, const std::string& text, Knoepfe knoepfe) override;
    void warteAufBefehl(Befehlswert erwartet) override;

    // Für Bildschirmtests: die nächste Frage wird hiermit beantwortet statt angezeigt.
    std::function<Antwort(DialogArt, const std::string&, Knoepfe)> dialogVorgabe;

    // --- für Tests und --screenshots ---
    // Eingereihte Antworten: die nächste Frage (Dialog, Nachricht, Zahlenrad) nimmt die
    // vorderste ("Ja", "Nein", "Ok", "Abbrechen", "Weiter" oder eine Zahl) und zeigt nichts.
    static std::deque<std::string> vorgaben;
    // Ist es gesetzt, erscheint nie ein Fenster: ohne Vorgabe gilt die harmloseste Antwort,
    // und das Protokoll vermerkt "Unbeantwortet:...".
    static bool nieZeigen;
    // Alles, was der Benutzer gesehen oder gehört hätte: "Nachricht:kopf|text", "Dialog:text",
    // "Zahl:frage", "Klang:name", "KlangEnde:name", "Unbeantwortet:...".
    static std::vector<std::string> protokoll;
    // Faktor auf alle Wartezeiten (Tests machen die Animationen schnell). Bei 0 hängt kein
    // Ablauf mehr an der Uhr: ein Zufallslauf wiederholt sich dann genau.
    static double tempo;
    static int dauer(int ms) { return static_cast<int>(std::lround(ms * tempo)); }
    // Für Tests: ein neues Spiel nimmt diese Saat statt der Uhrzeit.
    static std::optional<uint32_t> festeSaat;
    static bool imProtokoll(const std::string& teil);

    // Der Spieler kürzt das laufende Schauspiel ab (Live-Spiel, Ergebnisliste, Saisonende):
    // Pausen enden sofort, Klänge schweigen. Die Regeln rechnen dabei unverändert weiter, mit
    // denselben Zügen aus Zufall. Eine Frage an den Spieler beendet es, ebenso der Bildschirm
    // am Ende seines Schauspiels.
    static bool abkuerzen;

    // Ort der Dialoge; ohne Angabe mittig auf dem Hauptfenster.
    static bool dialogOrtGesetzt;
    static QPoint dialogOrt;
};

// Solange eine Regel wartet (Pause, Klang bis zum Ende, Nachricht, Zahlenrad, Dialog, Warten
// auf einen Knopf), nimmt kein Fenster des Spiels Maus, Tasten, Rad oder Schließen an, außer
// dem, worauf gewartet wird: bei einem Dialog dieser, sonst nur die mit ImWartenBedienbar
// freigegebenen Elemente. Verschachtelt gilt die innerste Stufe; der Abbau des Stapels
// (auch nach einem Laufzeitfehler) gibt alles wieder frei.
class WarteSperre {
public:
    enum class Art { Pause, Dialog };
    explicit WarteSperre(Art art = Art::Pause);
    ~WarteSperre();
    WarteSperre(const WarteSperre&) = delete;
    WarteSperre& operator=(const WarteSperre&) = delete;

    static bool aktiv();
    // Ob ein Ereignis an o jetzt durchkäme (ohne Sperre immer).
    static bool nimmtEingaben(const QObject* o);
};

// Gibt w samt Kindern für jedes Warten frei (Tempo des Live-Spiels, "Weiter").
void ImWartenBedienbar(QWidget* w);

// Gibt knopf für jedes Warten frei; Escape klickt ihn während einer Pause, solange er sichtbar
// ist, gleich welches Fenster die Taste bekommt.
void AbkuerzKnopf(QAbstractButton* knopf);
// Setzt QtOberflaeche::abkuerzen und beendet auch die Pausen, die gerade laufen.
void AbkuerzenBeginnen();
// Zeigt oder verbirgt den Abkürzknopf; beides beendet ein laufendes Abkürzen, denn der
// Bildschirm beginnt damit einen neuen Abschnitt oder ist fertig.
void AbkuerzenAnbieten(QAbstractButton* knopf, bool ja);

// Setzt für seine Lebensdauer, wo die Dialoge erscheinen (Bildschirmkoordinaten, linke obere Ecke).
class DialogOrt {
public:
    explicit DialogOrt(QPoint global);
    ~DialogOrt();
    DialogOrt(const DialogOrt&) = delete;
    DialogOrt& operator=(const DialogOrt&) = delete;

private:
    bool vorherGesetzt_;
    QPoint vorher_;
};

// Die Anwendung fängt den Laufzeitfehler an der Ereignisgrenze: die laufende Operation
// ist abgebrochen, die Meldung erscheint, das Programm läuft weiter.
class SpielAnwendung : public QApplication {
public:
    SpielAnwendung(int& argc, char** argv);
    bool notify(QObject* empfaenger, QEvent* e) override;
    // Für Tests: die Texte der hier gefangenen Fehler (die Absagen des Spiels zählen nicht).
    static std::vector<std::string> gefangen;
};

} // namespace torvane
