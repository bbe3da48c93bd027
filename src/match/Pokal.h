// Die Pokalwettbewerbe und die ChampionsLige.
#pragma once

namespace torvane {

// Pokale und ChampionsLige einer neuen Saison aufsetzen.
void PokaleVorbereiten();
// Ein Pokaltag; vom Wettbewerbstag aufgerufen.
void DfbPokaltag();
void UefaPokaltag();
void PdpPokaltag();
void ChlSpieltagSpielen();

} // namespace torvane
