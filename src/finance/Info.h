// Die Vereinsinformation "Info": Vermögen, Vorschau je Spieltag, Stadion, Schulden,
// Managerqualität und Mitspieler, als fertige Texte mit ihrer Farbe.
#pragma once

#include "core/Sprache.h"

#include <string>
#include <vector>

namespace torvane {

// Gut: hellgrün; Warnung: rot; Neutral: blass.
enum class Ton { Gut, Warnung, Neutral };

struct Infofeld {
    std::string text;
    Ton ton = Ton::Neutral;
};

struct Infotafel {
    Infofeld Vermoegen, Liquiditaet, Werbeeinnahmen, Geldanlage, Sparbuch, Kontozinsen;
    std::string SparZinsen;
    Infofeld Zuschuesse, Einnahmen, Kosten;
    Infofeld Stadiongroesse, Zuschauerschnitt, Sollschnitt, LetzteZuschauer, Auslastung, Eintrittspreis;
    Infofeld Kredit, Darlehen;
    std::string KreditZinsen, DarlehenText;
    struct Managerzeile {
        std::string Name;
        int Punkte = 0;
    };
    std::vector<Managerzeile> Manager; // Slots 0..ManagerHoch
    std::string SpielerKopf, SpielerText;
    bool kritisch = false; // Vermögen 0 oder weniger
};

// Bucht über BerechneVermoegen (schreibt Vermögen und Vorschau, bucht über der Grenze die
// Abgabe) und füllt mit den frischen Zahlen die Tafel. Die Warnung bei einem Vermögen von 0
// oder weniger (kritisch) zeigt der Bildschirm erst über den neuen Zahlen.
Infotafel VermoegenBuchenUndInfo(int m);

// Im Katalog mit \n; gezeigt mit Tz.
constexpr const char* VermoegenKritischText =
    N_("Das Vermögen befindet sich in einem kritischem Zustand.\n\nDas Ende naht !");

} // namespace torvane
