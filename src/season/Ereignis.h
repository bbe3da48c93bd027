// Zufällige Ereignisse rund um einen Spieltag.
#pragma once

namespace torvane {

// Ein Ereignis für AktManager: 0 zieht eines, 1..42 spielt genau dieses.
// Noch ohne Inhalt; der Zugablauf ruft es schon an seinen beiden Stellen.
void Ereignis(int n);

} // namespace torvane
