#include "core/Sitzung.h"

#include <utility>

namespace torvane {

Sitzung_ Sitzung;

void SitzungZuruecksetzen()
{
    Sitzung_ neu;
    neu.AbschlussPruefstelle = std::move(Sitzung.AbschlussPruefstelle);
    neu.EreignisZiehung = std::move(Sitzung.EreignisZiehung);
    Sitzung = std::move(neu);
}

} // namespace torvane
