#include "match/LiveSpiel.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "match/Anzeige.h"
#include "match/Spiel.h"

#include <algorithm>
#include <string>

namespace torvane {

Feld<Feld<uint8_t, 0, 23>, 0, 3> GelbHeute{};

namespace {

constexpr int MitteX = 234;
constexpr int MitteY = 134;
constexpr int SymbolGelb = 0;
constexpr int SymbolRot = 1;
constexpr int SymbolVerletzt = 2;
constexpr int BildHeimspieler = 3;
constexpr int BildGastspieler = 4;

std::string Prozent(int teil, int ganz) { return std::to_string(Runden(100.0 / ganz * teil, "Spielanteil")); }

// Chance 1 zu (111 - Einsatz) je Minute und Managerverein.
void Vorfaelle(const Spielergebnis_& e)
{
    if (e.HeimManager < 4 && Zufall(0, 110 - S.Manager[e.HeimManager].Einsatz) == 1) Aktion(e.HeimManager, 1);
    if (e.GastManager < 4 && Zufall(0, 110 - S.Manager[e.GastManager].Einsatz) == 1) Aktion(e.GastManager, 2);
}

} // namespace

void LiveSpiel(int heim, int gast, const Spielergebnis_& e)
{
    Spieltagsanzeige& a = Tagesanzeige();
    // Ohne Zuschauer bleiben nur die Vorfälle: dieselben Würfe, ohne Ballspur, Texte und Pausen.
    if (!a.siehtZu()) {
        for (int minute = 0; minute <= 90; ++minute) Vorfaelle(e);
        return;
    }
    const int tempo = Tempo(0);

    // 1. und 2.
    a.liveBeginnen(S.Mannschaft[heim].Name.text(), e.HeimManager < 4, S.Mannschaft[gast].Name.text(), e.GastManager < 4,
                   Tf("zahlende Zuschauer %1", {Geldtext(e.Zuschauer)}));
    a.spielstandZeigen("0:0");
    a.minuteZeigen(0);
    a.anteilZeigen(T("HomeComputer"));
    a.aktionVerbergen(1);
    a.aktionVerbergen(2);
    a.ballZeigen(MitteX, MitteY, 8, -1, 0);
    Klang("Pfiff1");
    Warte(1500);

    // 3.
    int H = 0, G = 0;
    int toreH = 0, toreG = 0;
    long schritte = 0;
    int ballX = MitteX;
    int ballY = MitteY;
    int bild = 8;

    for (int minute = 0; minute <= 90; ++minute) {
        const Spielminute_& sm = e.Spielverlauf[minute];
        a.minuteZeigen(minute);

        // 4. Der Ball läuft in Schritten von 2 Pixeln zum Ziel; die Schritte zählen als Spielanteil.
        if (sm.X != 0) {
            if (sm.Y != 0) ballY = sm.Y;
            const bool links = sm.X < ballX;
            while (ballX != sm.X) {
                ballX = links ? std::max(sm.X, ballX - 2) : std::min(sm.X, ballX + 2);
                int& anteil = links ? G : H;
                ++anteil;
                ++schritte;
                if (schritte % 3 == 0 || ballX == sm.X) {
                    anteil += 2;
                    if (links) {
                        if (--bild < 5) bild = 8;
                        a.ballZeigen(ballX, ballY, bild, BildGastspieler, ballX - 30);
                    } else {
                        if (++bild > 11) bild = 8;
                        a.ballZeigen(ballX, ballY, bild, BildHeimspieler, ballX + 30);
                    }
                    if (!a.hansDampf()) Warte(tempo * 20);
                }
            }
        }

        // 5. Solange sich nichts bewegt hat, gibt es keine Anteile zu teilen.
        if (H + G > 0) a.anteilZeigen(Tf("Spielanteile: %1 % : %2 %", {Prozent(H, H + G), Prozent(G, H + G)}));
        Warte(100);
        Warte(a.hansDampf() ? tempo * 10 : tempo * 50);

        // 6. Tore
        if (sm.Ereignis != 0) {
            if (sm.Ereignis < 0) {
                ++H;
                ++toreH;
                Klang("ToorH");
            } else {
                ++G;
                ++toreG;
                Klang("ToorG");
            }
            Warte(tempo * 100);
            a.spielstandZeigen(std::to_string(toreH) + ":" + std::to_string(toreG));
            ballX = MitteX;
            ballY = MitteY;
            bild = 8;
            a.ballZeigen(ballX, ballY, bild, -1, 0);
            Warte(tempo * 600);
        }

        // 7.
        Vorfaelle(e);
    }

    // 8.
    Klang("Pfiff1");
    Warte(tempo * 1500);
    a.liveBeenden();
}

void Aktion(int m, int tafel)
{
    Manager_& mg = S.Manager[m];
    if (mg.KaderAnzahl == 0) return;
    const int r = Zufall(1, 100);
    int i = 0;
    for (int versuch = 1; versuch <= 99; ++versuch) {
        const int k = Zufall(1, mg.KaderAnzahl);
        if (mg.Kader[k].Eingesetzt == 1) {
            i = k;
            break;
        }
    }
    if (i == 0) return;

    Spieltagsanzeige& a = Tagesanzeige();
    const int tempo = Tempo(m);
    Kaderspieler_& sp = mg.Kader[i];
    Klang("Pfiff2");
    Warte(tempo * 50);
    const int x = tafel == 1 ? 110 : 360;
    const int y = 8;
    const bool national = National(S.Spiel.Wettbewerb);

    if (r < 80) {
        uint8_t& gelb = national ? sp.GelbNational : sp.GelbInternational;
        if (gelb < 4) {
            ++gelb;
            if (gelb == 4) sp.Eingesetzt = 0; // gesperrt
        }
        uint8_t& heute = GelbHeute[m][i];
        SETZE(heute, heute + 1);
        if (heute == 2) {
            // Gelb-Rot
            sp.Eingesetzt = 0;
            a.symbolZeigen(SymbolRot, x + 32, y);
        }
        a.symbolZeigen(SymbolGelb, x, y);
    } else if (r < 90) {
        uint8_t& rot = national ? sp.RotNational : sp.RotInternational;
        if (rot == 0) {
            SETZE(rot, Zufall(2, 6));
            sp.Eingesetzt = 0;
        }
        a.symbolZeigen(SymbolRot, x, y);
    } else if (r > 90) {
        const int w = Zufall(1, 10);
        SETZE(sp.Verletzt, w);
        SETZE(sp.VerletzungArt, w);
        sp.Eingesetzt = 0;
        a.symbolZeigen(SymbolVerletzt, x, y);
    }
    // r = 90: nur Pfiff und Name

    a.aktionZeigen(tafel, sp.Vorname.text() + " " + sp.Nachname.text());
    Warte(tempo * 1000);
    a.aktionVerbergen(tafel);
}

} // namespace torvane
