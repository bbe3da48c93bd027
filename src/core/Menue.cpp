#include "core/Menue.h"

#include "core/Oberflaeche.h"
#include "core/PortHalter.h"

namespace torvane {

namespace {
PortHalter<Menueanzeige> gMenue;
} // namespace

Menueanzeige& MenueAnzeige() { return *gMenue; }
void MenueAnzeigeSetzen(Menueanzeige* a) { gMenue.setzen(a); }

void SpielstandGeaendert() { gMenue->spielstandGeaendert(); }

} // namespace torvane
