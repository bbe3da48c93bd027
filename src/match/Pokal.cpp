#include "match/Pokal.h"

namespace torvane {

// Vorläufig; die Pokalregeln ersetzen das.
void PokaleVorbereiten() {}

} // namespace torvane
