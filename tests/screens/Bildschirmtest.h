// Gemeinsame Helfer der Bildschirmtests: Ordner, Warten auf ein Fenster, Weiter-Klicker.
#pragma once

#include "core/Pfade.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/Zug.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "match/screens/SpielenFrm.h"
#include "match/screens/TabelleFrm.h"
#include "season/screens/SaisonEndeFrm.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <vector>

namespace torvane {

// Geschriebenes landet im Temp-Ordner, Daten und Klänge kommen aus den Quellen. Auch die
// Einstellungen (Fenstergröße): ein Testlauf ändert nie die des Spielers.
inline void TestPfade(const QTemporaryDir& ordner)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.filePath(QStringLiteral("einstellungen")));
    Pfade.Programm = Pfade.Grafik = U(ordner.path()) + "/";
    Pfade.Daten = TORVANE_QUELLEN "/daten/";
    Pfade.Musik = TORVANE_QUELLEN "/musik/";
    Pfade.Save = Pfade.Programm + "Save/";
    Pfade.Sprachen = U(QDir::currentPath()) + "/locale/"; // die Kataloge des Bauordners
}

// Testpfade, die Qt-Oberfläche ohne Fenster und ohne Wartezeiten.
inline void TestUmgebung(const QTemporaryDir& ordner, QtOberflaeche& ui)
{
    TestPfade(ordner);
    OberflaecheSetzen(&ui);
    QtOberflaeche::tempo = 0.0;
    QtOberflaeche::nieZeigen = true;
    TexteWoertlich(); // wie im Programm
}

// Hauptfenster, Menü und Seitenleiste des angelegten Spiels, wie nach dem Start.
inline void SpielfensterZeigen()
{
    MainF->resize(800, 600);
    MainF->show();
    MainF->anordnen();
    MenueAnzeigen();
    MenuF->show();
    LinkeF->show();
}

// Grundlage der Bildschirmtests: Temp-Ordner und Qt-Oberfläche; danach zeigt keine Regel
// mehr auf die Oberfläche des Tests.
class Bildschirmtest : public QObject {
public:
    ~Bildschirmtest() override { OberflaecheSetzen(nullptr); }

protected:
    QtOberflaeche ui;
    QTemporaryDir ordner;

    bool umgebung()
    {
        if (!ordner.isValid()) return false;
        TestUmgebung(ordner, ui);
        return true;
    }
    // Dazu alle Fenster des Spiels, das Hauptfenster sichtbar.
    bool fensterStarten()
    {
        if (!umgebung()) return false;
        FensterAnlegen();
        MainF->show();
        return true;
    }
    // Das Beispielspiel mit Hauptfenster, Menü und Seitenleiste, wie nach dem Start.
    bool spielfensterStarten()
    {
        if (!umgebung()) return false;
        FensterAnlegen();
        if (!BeispielSpielAnlegen()) return false;
        SpielfensterZeigen();
        return true;
    }
};

inline bool Offen(const QWidget* w) { return w && w->isVisible(); }

// Führt tat einmal aus, sobald bedingung gilt (modale Fenster warten sonst auf einen Menschen).
inline void Sobald(std::function<bool()> bedingung, std::function<void()> tat)
{
    auto* uhr = new QTimer;
    QObject::connect(uhr, &QTimer::timeout, [uhr, bedingung, tat] {
        if (!bedingung()) return;
        uhr->stop();
        uhr->deleteLater();
        tat();
    });
    uhr->start(10);
}

// Drückt alle 1 ms jeden sichtbaren Weiter-Knopf des Spieltags; vorher darf der Test schauen.
class Klicker {
public:
    std::function<void()> spielen, tabelle, saisonende;

    Klicker()
    {
        QObject::connect(&uhr_, &QTimer::timeout, [this] { tick(); });
        uhr_.start(1);
    }

private:
    void tick()
    {
        if (Offen(TabelleF) && TabelleF->Weiter->isVisible()) {
            if (tabelle) tabelle();
            TabelleF->Weiter->click();
        } else if (Offen(SpielenF) && SpielenF->Weiter->isVisible()) {
            if (spielen) spielen();
            SpielenF->Weiter->click();
        } else if (Offen(SaisonEndeF) && SaisonEndeF->BitBtn1->isVisible()) {
            if (saisonende) saisonende();
            SaisonEndeF->BitBtn1->click();
        }
    }
    QTimer uhr_;
};

// Spielt ablauf von anfang aus mit fester Saat; abgekürzt drückt ein Finger jeden der knoepfe, sobald
// er sich in einer Pause zeigt, abwechselnd mit Escape und mit der Maus. Gibt den Spielstand zurück,
// ms die gebrauchte Zeit.
inline std::string Gespielt(const Spielstand& anfang, const std::function<void()>& ablauf,
                            const std::vector<QPushButton*>& knoepfe, bool abkuerzen, qint64& ms)
{
    S = anfang;
    ZufallSetzen(5);
    QtOberflaeche::protokoll.clear();
    QtOberflaeche::tempo = abkuerzen ? 1.0 : 0.02;
    QTimer finger;
    int gedrueckt = 0;
    QObject::connect(&finger, &QTimer::timeout, [&] {
        if (!abkuerzen || QtOberflaeche::abkuerzen || !WarteSperre::aktiv()) return;
        for (QPushButton* k : knoepfe) {
            if (!k->isVisible()) continue;
            if (gedrueckt++ % 2 == 0) QTest::keyClick(k->window(), Qt::Key_Escape);
            else QTest::mouseClick(k, Qt::LeftButton);
            return;
        }
    });
    finger.start(2);
    Klicker k;
    QElapsedTimer uhr;
    uhr.start();
    ablauf();
    ms = uhr.elapsed();
    QtOberflaeche::tempo = 0.0;
    return SpielstandSchreiben();
}

} // namespace torvane
