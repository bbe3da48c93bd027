// Was Knöpfe und wartende Regeln einander über S.Befehl mitteilen. Nur diese Werte gibt es:
// ein Tippfehler fällt beim Übersetzen auf, nicht erst, wenn ein Warten nie endet.
#pragma once

#include <cstdint>
#include <string_view>

namespace torvane {

enum class Befehlswert : uint8_t {
    Keiner,              // zurückgesetzt; auf nichts wird damit gewartet
    Weiter,              // der Weiter-Knopf des Spieltags oder des Saisonendes
    TabelleWeiterZeigen, // die Tabelle nach einem Spieltag zeigt ihren Weiter-Knopf
    TabelleWeiter,       // dieser Knopf (oder das Schließen der Tabelle)
    // Die Knöpfe des Nachrichtenfensters.
    NachrichtWeiter,
    Ja,
    Nein,
};

// Der Name in Protokollen und Testskripten.
constexpr std::string_view BefehlName(Befehlswert b)
{
    switch (b) {
    case Befehlswert::Keiner: return "";
    case Befehlswert::Weiter: return "weiter";
    case Befehlswert::TabelleWeiterZeigen: return "tabellebitbtn1sichtbar";
    case Befehlswert::TabelleWeiter: return "tabelleweiter";
    case Befehlswert::NachrichtWeiter: return "Weiter";
    case Befehlswert::Ja: return "Ja";
    case Befehlswert::Nein: return "Nein";
    }
    return "";
}

} // namespace torvane
