#include "core/Menue.h"

#include "core/Oberflaeche.h"

namespace torvane {

namespace {
Menueanzeige gStill;
Menueanzeige* gMenue = &gStill;
} // namespace

Menueanzeige& MenueAnzeige() { return *gMenue; }
void MenueAnzeigeSetzen(Menueanzeige* a) { gMenue = a ? a : &gStill; }

void SpielstandGeaendert() { gMenue->spielstandGeaendert(); }

} // namespace torvane
