// Ausrichtung von Texten in Spalten fester Breite (in Zeichen, nicht Bytes).
#pragma once

#include <string>
#include <string_view>

namespace torvane {

std::string MitteText(std::string_view s, int n);
std::string RechtsText(std::string_view s, int n);
std::string LinksText(std::string_view s, int n);
// Ohne Leerzeichen und Tabs am Anfang und Ende: so geprüft sind "Jörg " und "Jörg" ein Name.
std::string OhneRandLeerzeichen(std::string_view s);

} // namespace torvane
