#include "match/Spieltag.h"

namespace torvane {

int DfbPaarungen = 0;
int UefaPaarungen = 0;
int PdpPaarungen = 0;

// Vorläufig; der Wettbewerbstag folgt.
int SpielplanMannschaft(int, int, int, int) { return 0; }
void WettbewerbstagSpielen() {}
void LigaSpieltag(int) {}
void TabelleSortieren(int) {}
void BesteSechs() {}
int32_t TotoGewinn(int, int) { return 0; }
int32_t TotoAuswerten(int, int) { return 0; }

} // namespace torvane
