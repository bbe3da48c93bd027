#include "core/Sitzung.h"

#include "core/Variablen.h"

#include <memory>
#include <utility>
#include <vector>

namespace torvane {

Sitzung_ Sitzung;

void SitzungZuruecksetzen() { static_cast<Sitzungsstand&>(Sitzung) = Sitzungsstand{}; }

namespace {

struct Sicherung {
    Spielstand s; // ohne den Pool
    Sitzungsstand sitzung;
    // Vom Pool die Einträge vor ihrer ersten Änderung; wird er als Ganzes geändert, ab da er ganz.
    std::vector<std::pair<int64_t, Spieler_>> eintraege;
    Liste<Spieler_> pool;
    bool poolGesichert = false;
};

// Je Schachteltiefe eine Sicherung, die bleibt: ihre Listen behalten ihren Speicher, eine Einheit
// kostet so nur das Kopieren. Frischer Speicher je Einheit kostete mehr als die Kopie selbst
// (Seitenfehler, sobald der Allokator ihn nach dem Freigeben wieder abgibt).
std::vector<std::unique_ptr<Sicherung>> gSicherungen;
size_t gTiefe = 0;
// Solange eine Einheit selbst kopiert, ist der Pool von S kurz leer: das ist keine Änderung.
bool gEinheitKopiert = false;

} // namespace

bool EinheitLaeuft() { return gTiefe > 0; }

void SpielerpoolEintragVorAenderung(const Spielerpool& pool, int64_t i)
{
    // Ein falscher Index wirft gleich beim Zugriff selbst.
    if (gTiefe == 0 || gEinheitKopiert || &pool != &S.Spieler || i < 0 || i > pool.hoch()) return;
    for (size_t t = 0; t < gTiefe; ++t) {
        Sicherung& s = *gSicherungen[t];
        if (!s.poolGesichert) s.eintraege.emplace_back(i, pool[i]);
    }
}

void SpielerpoolVorAenderung(const Spielerpool& pool)
{
    if (gTiefe == 0 || gEinheitKopiert || &pool != &S.Spieler) return;
    for (size_t t = 0; t < gTiefe; ++t) {
        Sicherung& s = *gSicherungen[t];
        if (s.poolGesichert) continue;
        s.pool = pool.liste();
        s.poolGesichert = true;
    }
}

// Kopiert alles außer dem Pool: er wird dafür kurz aus beiden Ständen genommen.
void Einheit::OhnePoolKopieren(Spielstand& ziel, Spielstand& quelle)
{
    gEinheitKopiert = true;
    Liste<Spieler_> zielPool = std::move(ziel.Spieler.l_), quellPool = std::move(quelle.Spieler.l_);
    auto zuruecklegen = [&] {
        ziel.Spieler.l_ = std::move(zielPool);
        quelle.Spieler.l_ = std::move(quellPool);
        gEinheitKopiert = false;
    };
    try {
        ziel = quelle;
    } catch (...) {
        zuruecklegen();
        throw;
    }
    zuruecklegen();
}

Einheit::Einheit() : tiefe_(gTiefe)
{
    if (gSicherungen.size() <= tiefe_) gSicherungen.push_back(std::make_unique<Sicherung>());
    Sicherung& s = *gSicherungen[tiefe_];
    OhnePoolKopieren(s.s, S);
    s.sitzung = Sitzung;
    s.eintraege.clear();
    s.poolGesichert = false;
    ++gTiefe;
}

Einheit::~Einheit()
{
    --gTiefe;
    if (fertig_) return;
    Sicherung& s = *gSicherungen[tiefe_];
    OhnePoolKopieren(S, s.s);
    // Erst der ganz gesicherte Pool (Stand seiner Sicherung), dann rückwärts die Einträge davor.
    if (s.poolGesichert) std::swap(S.Spieler.l_, s.pool);
    for (auto e = s.eintraege.rbegin(); e != s.eintraege.rend(); ++e) S.Spieler.l_[e->first] = e->second;
    static_cast<Sitzungsstand&>(Sitzung) = s.sitzung;
}

} // namespace torvane
