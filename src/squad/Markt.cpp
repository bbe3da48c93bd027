#include "squad/Markt.h"

namespace torvane {

// Vorläufig; die Marktregeln ersetzen das.
int32_t Gehaltsforderung(int, int, int) { return 0; }
void NeueTransferliste(int) {}
void ErneuereTrainer(int, int) {}

} // namespace torvane
