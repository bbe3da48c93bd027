// Wie oft die Ereignisse eingetreten sind, seit Programmstart; für den Bilanzbericht.
#pragma once

#include <array>

namespace torvane {

// Eintrag 0: wie oft der Zugablauf ein Ereignis gezogen hat (jede Chance 1 zu 8, die traf);
// 1..42: wie oft genau dieses Ereignis eintrat (zählt das Ereignis selbst).
extern std::array<long, 43> EreignisZaehler;

} // namespace torvane
