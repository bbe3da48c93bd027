// Der Ratgeber: was der Computermanager in diesem Zug täte und warum, für den Menschen am Zug.
// Er liest nur: kein Byte des Spielstands ändert sich, und er zieht keinen Zufall.
#pragma once

#include "core/Menue.h"
#include "flow/Assistent.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace torvane {

struct Rat {
    enum Thema {
        Pleite,       // der Abschluss nähme die Lizenz
        Kader,        // Lücken im Kader, zu wenige Aufgestellte
        Aufstellung,  // Verletzte oder Gesperrte in der Elf
        Ueberziehung, // Dispo beim Abschluss
        Vertrag,      // auslaufende Verträge
        Trainer,
        Training,
        Verstaerkung, // ein Marktspieler für die Elf
        Punkte,       // Fähigkeitspunkte der Elf kaufen
        Verkauf,      // ein Spieler für die Transferliste
        Stadion,      // Plätze und Komfort
        Schwach,      // ein Stammspieler weit unter dem Markt
        Werbung,      // freie Werbeplätze
    };
    Thema thema;
    int dringlichkeit = 0; // größer: wichtiger
    std::string text;      // kurz, mit Grund
    Menuepunkt knopf = Menuepunkt::Aufstellung; // öffnet den Bildschirm
    std::string ziel;      // seine Beschriftung
    int64_t betrag = 0;    // beim Dispo: das Konto nach dem Abschluss
    // Was der Computermanager dazu täte; leer bei einem Hinweis ohne eigene Handlung.
    std::optional<Entscheidung> entscheidung = std::nullopt;
};

// Weniger als so viel je Saison ist keinen eigenen Rat wert.
constexpr int64_t RatSchwelle = 100000;

// Die Ratschläge für Manager m, die wichtigsten zuerst: was der Computermanager dieser Stufe täte.
std::vector<Rat> Ratschlaege(int m, AssistentStufe stufe = AssistentStufe::Neu);

} // namespace torvane
