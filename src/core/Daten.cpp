#include "core/Daten.h"

#include "core/Funky.h"

namespace torvane {

bool DatenLaden() { return DatenLaden(Pfade.Daten); }
bool DatenLaden(const std::string&) { return false; } // vorläufig

} // namespace torvane
