// Die Pokalwettbewerbe.
#pragma once

namespace torvane {

// Pokale und ChampionsLige einer neuen Saison aufsetzen.
void PokaleVorbereiten();

} // namespace torvane
