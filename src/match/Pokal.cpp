#include "match/Pokal.h"

namespace torvane {

// Vorläufig; die Pokalregeln ersetzen das.
void PokaleVorbereiten() {}
void DfbPokaltag() {}
void UefaPokaltag() {}
void PdpPokaltag() {}
void ChlSpieltagSpielen() {}

} // namespace torvane
