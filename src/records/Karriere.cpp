#include "records/Karriere.h"

#include "core/Konto.h"
#include "core/Sprache.h"
#include "core/Variablen.h"

#include <cmath>

namespace torvane {

int KarriereMaximum(int saison) { return saison > 10 ? saison - 10 : 0; }

std::array<Karrierezeile, KarriereZeilen> KarriereRaster(int m, int position)
{
    std::array<Karrierezeile, KarriereZeilen> raster; // ohne {}: clang 14 stürzt an der Wertinitialisierung ab
    const auto& bilanz = S.Saisonbilanz[m];
    const int ns = static_cast<int>(bilanz.laenge()) - 1;
    for (int r = 0; r < KarriereZeilen; ++r) {
        Karrierezeile& z = raster[static_cast<size_t>(r)];
        const int s = position + 1 + r;
        // Nur Saisons, die es in der Bilanz gibt; jenseits davon stünde ein fremdes Feld.
        if (s < 1 || s > ns) {
            z.fill("-");
            continue;
        }
        const Saisonbilanz_& b = bilanz[s];
        z = {std::to_string(s),       std::to_string(b.Liga),   std::to_string(b.Platz),
             // Die Pokalspalten stehen deutsch im Spielstand; übersetzt wird erst beim Zeigen.
             TWert(b.DfbErgebnis.text()), TWert(b.UefaErgebnis.text()), TWert(b.PdpErgebnis.text()),
             TWert(b.ChlErgebnis.text())};
    }
    return raster;
}

namespace {

std::string Zahl(double wert, char dezimal)
{
    // In Zehnteln gerundet (Hälften zur geraden Zahl); eine gerundete Null hat kein Vorzeichen.
    const long long z = std::llround(std::nearbyint(wert * 10.0));
    if (z == 0) return "0";
    const long long b = std::llabs(z);
    std::string t = (z < 0 ? "-" : "") + std::to_string(b / 10);
    if (b % 10 != 0) t += std::string(1, dezimal) + std::to_string(b % 10);
    return t;
}

} // namespace

std::string Prozentzahl(int anzahl, int teiler, char dezimal)
{
    if (teiler <= 0) return "0";
    return Zahl(100.0 / teiler * anzahl, dezimal);
}

Quoten_ KarriereQuoten(int m, char dezimal)
{
    const Manager_& mg = S.Manager[m];
    const std::string kein = T("Kein Spiel");
    const int n = mg.SpieleGespielt;
    auto quote = [&](bool da, int anzahl, int teiler) {
        return da && teiler > 0 ? Prozentzahl(anzahl, teiler, dezimal) + " %" : kein;
    };
    Quoten_ q;
    if (n > 0) {
        q.spiele = Geldtext(n);
        const double ohne = 100.0 - 100.0 / n * (mg.HeimSiege + mg.AuswaertsSiege + mg.Remis);
        q.ohnePunkte = Tf("In %1 % der Spiele wurde nicht Gepunktet.", {Zahl(ohne, dezimal)});
    } else {
        q.spiele = q.ohnePunkte = kein;
    }
    q.heim = quote(true, mg.HeimSiege, mg.HeimSpiele);
    q.auswaerts = quote(true, mg.AuswaertsSiege, mg.AuswaertsSpiele);
    q.gewinn = quote(true, mg.HeimSiege + mg.AuswaertsSiege, n);
    q.remis = quote(mg.Remis > 0, mg.Remis, n);
    return q;
}

} // namespace torvane
