#include "finance/Toto.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "match/Spieltag.h"

#include <algorithm>
#include <string>

namespace torvane {

int32_t TotoEinsatz(int liga) { return 400000 / std::clamp(liga, 1, 4); }

TotoPaarungen NaechstePaarungen(int liga)
{
    TotoPaarungen p;
    const int tag = S.Spiel.Spieltag + 1;
    if (tag < 1 || tag > 34 || !LigaHatVereine(liga)) return p;
    for (int k = 1; k <= 9; ++k) {
        p.heim[static_cast<size_t>(k)] = SpielplanMannschaft(liga, tag, k, 0);
        p.gast[static_cast<size_t>(k)] = SpielplanMannschaft(liga, tag, k, 1);
    }
    return p;
}

TotoStart TotoSetzen(int m, TotoSchein& schein)
{
    Manager_& mg = S.Manager[m];
    if (!mg.TotoTip.leer() || schein.laeuft()) return TotoStart::SchonGesetzt;
    if (mg.Kontostand < 0) {
        Hinweis(Tz("Bist du Spielsüchtig ?\nDenn dein Konto ist sooooo leer !\n"
                   "Änder das und Du kannst wieder zocken."));
        return TotoStart::KontoLeer;
    }
    // Nach dem 34. Spieltag gibt es keinen nächsten: kein Einsatz, kein Spieltag 35.
    const int tag = S.Spiel.Spieltag + 1;
    if (tag < 1 || tag > 34) {
        Hinweis(Tz("Die Saison ist gelaufen.\nEs gibt keinen Spieltag mehr zum Tippen."));
        return TotoStart::KeinSpieltag;
    }
    TotoSchein neu;
    neu.manager = m;
    neu.spieltag = tag;
    const TotoPaarungen paarungen = NaechstePaarungen(mg.Liga);
    neu.heim = paarungen.heim;
    neu.gast = paarungen.gast;
    // Erst wenn die Paarungen stehen, ist der Einsatz fällig.
    KontoBuchen(mg.Kontostand, -TotoEinsatz(mg.Liga)); // das Konto ist nicht negativ, der Einsatz passt
    neu.offen = 9;
    schein = neu;
    SpielstandGeaendert();
    return TotoStart::Gesetzt;
}

bool TotoTippen(TotoSchein& schein, char tip)
{
    if (!schein.laeuft() || (tip != '1' && tip != '0' && tip != '2')) return false;
    schein.tipps[static_cast<size_t>(schein.offen)] = tip;
    --schein.offen;
    if (schein.offen == 0) S.Manager[schein.manager].TotoTip.rohSetzen(std::string(&schein.tipps[1], 9));
    return true;
}

bool TotoVerlassen(TotoSchein& schein)
{
    if (!schein.laeuft()) return false;
    S.Manager[schein.manager].TotoTip.rohSetzen("");
    schein = TotoSchein{};
    Hinweis(Tz("TotoTip nicht abgeschlossen.\nDas Geld behält die Bank. (Scheffel)\n\n"
               "Tja, was man Anfängt sollte man zu Ende führen."));
    return true;
}

} // namespace torvane
