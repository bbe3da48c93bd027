#include "core/Sitzung.h"

#include "core/Variablen.h"

#include <memory>
#include <vector>

namespace torvane {

Sitzung_ Sitzung;

void SitzungZuruecksetzen() { static_cast<Sitzungsstand&>(Sitzung) = Sitzungsstand{}; }

namespace {

struct Sicherung {
    Spielstand s;
    Sitzungsstand sitzung;
};

// Je Schachteltiefe eine Sicherung, die bleibt: ihre Listen behalten ihren Speicher, eine Einheit
// kostet so nur das Kopieren. Frischer Speicher je Einheit kostete mehr als die Kopie selbst
// (Seitenfehler, sobald der Allokator ihn nach dem Freigeben wieder abgibt).
std::vector<std::unique_ptr<Sicherung>> gSicherungen;
size_t gTiefe = 0;

} // namespace

Einheit::Einheit() : tiefe_(gTiefe)
{
    if (gSicherungen.size() <= tiefe_) gSicherungen.push_back(std::make_unique<Sicherung>());
    Sicherung& s = *gSicherungen[tiefe_];
    s.s = S;
    s.sitzung = Sitzung;
    ++gTiefe;
}

Einheit::~Einheit()
{
    --gTiefe;
    if (fertig_) return;
    const Sicherung& s = *gSicherungen[tiefe_];
    S = s.s;
    static_cast<Sitzungsstand&>(Sitzung) = s.sitzung;
}

} // namespace torvane
