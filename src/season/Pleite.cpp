#include "season/Pleite.h"

#include "core/Cp1252.h"
#include "core/Oberflaeche.h"
#include "core/PortHalter.h"
#include "core/Sprache.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"

namespace torvane {

namespace {
PortHalter<Pleiteanzeige> gAnzeige;
} // namespace

Pleiteanzeige& PleiteAnzeige() { return *gAnzeige; }
void PleiteAnzeigeSetzen(Pleiteanzeige* a) { gAnzeige.setzen(a); }

void ManagerEntfernen()
{
    // Die Tabellen je Platz wandern mit: sonst erbte der Nachrücker die Geschichte des Entfernten.
    for (int s = S.AktManager; s < S.Spiel.ManagerHoch; ++s) {
        S.Manager[s] = S.Manager[s + 1];
        S.Optionen[s] = S.Optionen[s + 1];
        S.Statistik[s] = S.Statistik[s + 1];
        S.Vorwerte[s] = S.Vorwerte[s + 1];
        S.Werbevertraege[s] = S.Werbevertraege[s + 1];
        S.Saisonbilanz[s] = S.Saisonbilanz[s + 1];
        Klang("axe");
        Warte(800);
    }
    SETZE(S.Spiel.ManagerHoch, S.Spiel.ManagerHoch - 1);
}

std::string PleiteZeile(int m) { return Utf8Anfang(Tf("%1 hat´s geschafft", {S.Manager[m].Name.text()}), 31); }

bool PleiteAbwickeln()
{
    PleiteAnzeige().zeigen(PleiteZeile(S.AktManager));
    ManagerEntfernen();
    PleiteAnzeige().warteAufTschuess();
    if (SpielVorbei()) {
        PleiteAnzeige().programmBeenden();
        return false;
    }
    return true;
}

bool SpielVorbei() { return S.Spiel.ManagerHoch < 0; }

bool EndeAutospeichern()
{
    if (S.Spielname.empty()) return false;
    const bool ok = AutoSpeichern();
    Warte(1000);
    return ok;
}

} // namespace torvane
