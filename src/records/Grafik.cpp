#include "records/Grafik.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Sprache.h"
#include "finance/Vermoegen.h"

#include <algorithm>

namespace torvane {

namespace {

uint8_t AlsByte(int64_t v) { return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255)); }
int16_t Saettigen(int64_t v) { return static_cast<int16_t>(std::clamp<int64_t>(v, -32768, 32767)); }
// Die Grafik zeigt nur: Vermögen ohne Buchung, an der Grenze des Feldes wie nach dem Zugabschluss.
int64_t GezeigtesVermoegen(int m) { return std::min(VermoegenWert(m), KontoMax); }

} // namespace

uint8_t& StaerkeByte(Statistik_& st, int i)
{
    if (i < 1 || i > 168) BereichFehler("Stärkegrafik", i, 1, 168);
    if (i <= 165) return st.Teamstaerken[i - 1];
    return st.Reserve2[i - 166];
}

uint8_t& PlatzByte(Statistik_& st, int d)
{
    if (d < 1 || d > 34) BereichFehler("Spieltag der Platzgrafik", d, 1, 34);
    return st.Plaetze[d - 1];
}

void GrafikAuffrischen(int m)
{
    Statistik_& st = S.Statistik[m];
    const Manager_& mg = S.Manager[m];

    const int64_t v = GezeigtesVermoegen(m) / 100000;
    st.Geldpunkte[147] = Saettigen(v - (int64_t{st.Geldgrenze} - 250));

    // Vor dem ersten Spieltag gibt es keinen Platz zu merken (Spieltag 0 wäre ein Reservebyte).
    const int tag = S.Spiel.Spieltag;
    if (tag >= 1 && tag <= 34) PlatzByte(st, tag) = AlsByte(mg.Platz);
    for (int d = std::max(tag + 1, 1); d <= 34; ++d) PlatzByte(st, d) = 19;

    StaerkeByte(st, 167) = AlsByte(mg.TeamStaerke);
    StaerkeByte(st, 168) = AlsByte(mg.TeamStaerke);
}

std::string GeldTitel(int m)
{
    return Tf("Vermögen ca. %1", {Geldtext(static_cast<double>(AbrundenAuf(GezeigtesVermoegen(m), 5))) + Waehrung});
}

std::string PlatzTitel() { return Tf("Tabellenplätze bis %1.Spieltag", {std::to_string(S.Spiel.Spieltag)}); }

std::string StaerkeTitel(int m) { return Tf("Stärken (Aktuell: %1)", {std::to_string(S.Manager[m].TeamStaerke)}); }

int GeldAchse(int grenze, int k) { return (grenze - 250) / 10 + 26 - k; }

bool GeldLinieAktuell(int punkt148, int k) { return punkt148 / 10 == 27 - k; }

std::string PlatzHinweis(int m, int x, int y)
{
    if (x < 18 || x > 255 || y < 21 || y > 221) return {};
    const int d = HinweisSpieltag(x);
    if (d > S.Spiel.Spieltag) return T("Noch nicht gespielt");
    return Tf("%1 Platz am %2.Spieltag", {std::to_string(PlatzByte(S.Statistik[m], d)), std::to_string(d)});
}

std::string StaerkeHinweis(int m, int x, int y)
{
    if (x < 22 || x > 189 || y < 28 || y > 165) return {};
    const int wert = StaerkeByte(S.Statistik[m], x - 21);
    if (wert == 0) return T("nicht Archiviert");
    return Tf("%1 Stärke", {std::to_string(wert)});
}

} // namespace torvane
