// Die festen Listen der Werbung: Banden- und Fernsehsponsoren, Trikotsponsoren,
// Trikottitel und Werbesprüche. Werbebildschirm und Ereignisse lesen dieselben Listen.
#pragma once

#include <array>

namespace torvane {

// Banden-, Allgemein- und Fernsehwerbung; der letzte Eintrag ist das Spiel selbst.
extern const std::array<const char*, 18> BandenSponsoren;
// Trikotwerbung; Eintrag 11 ist der Glücksspiel-Sponsor, jeder hat ein Bild gleicher Nummer.
extern const std::array<const char*, 24> TrikotSponsoren;
constexpr int RisikoSponsor = 11;
// Titel der Trikotplätze 6, 7 und 8.
extern const std::array<const char*, 3> TrikotTitel;
// Sprüche zu einem Banden- oder Fernsehangebot.
extern const std::array<const char*, 24> WerbeSprueche;

} // namespace torvane
