#include "season/EreignisZaehler.h"

namespace torvane {

std::array<long, 43> EreignisZaehler{};

} // namespace torvane
