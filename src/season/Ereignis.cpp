#include "season/Ereignis.h"

namespace torvane {

void Ereignis(int) {}

} // namespace torvane
