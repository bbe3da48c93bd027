#include "match/Spiel.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Variablen.h"
#include "core/Zufall.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace torvane {

namespace {

constexpr int X0 = 237;

int32_t R(double x) { return Passt<int32_t>(Runden(x, "Spielberechnung"), "Spielberechnung"); }

// Anteil von a an a + b in Prozent. Zwei Nullen (eine Elf ohne eingesetzte
// Spieler gegen eine ebensolche) teilen sich das Feld, statt durch null zu teilen.
double Anteil(double a, double b) { return a + b == 0.0 ? 50.0 : 100.0 / (a + b) * a; }

// Auf drei Nachkommastellen, Hälften aufwärts.
float DreiStellen(double v) { return static_cast<float>(std::floor(v * 1000.0 + 0.5) / 1000.0); }

struct Wertungen {
    int AbwehrH, MittelH, SturmH;
    int AbwehrG, MittelG, SturmG;
    int Ausgleich, Zusatz;
};

// Eine Zone des Zweikampfs: die Obergrenzen der beiden Würfe und wohin der Ball geht.
struct Zone {
    int obenAngriff = 0, obenAbwehr = 0;
    int weiter = 0;      // nach gewonnenem Zweikampf
    int x = 0;           // Ballspur dorthin
    int8_t tor = 0;      // -1 Tor für Heim, 1 für Gast
    // Wie viele Werte jeder der beiden Würfe hat (oben - unten + 1); 0, wenn die Grenzen vertauscht sind.
    uint32_t wurfAngriff = 0, wurfAbwehr = 0;
};

// Die 90 Zweikämpfe über die zehn Zonen (1..5 Heim greift an, 7..11 Gast); Gleichstand gewinnt
// der Verteidiger, dann geht der Ball in die gegenüberliegende Zone (1 <-> 7 ... 5 <-> 11).
// Die Tore zählen weiter, die Ballspur wird überschrieben. Die Zonen stehen in einer Tafel,
// damit die Schleife nur noch würfelt.
void NeunzigMinuten(Spielergebnis_& e, const Wertungen& w)
{
    const int aus = w.Ausgleich, zu = w.Ausgleich + w.Zusatz;
    std::array<Zone, 12> z{};
    z[1] = {w.AbwehrH + aus, w.SturmG + zu, 2, X0 - 130, 0};
    z[2] = {(w.AbwehrH + w.MittelH) / 2 + aus, (w.SturmG + w.MittelG) / 2 + zu, 3, X0 - 50, 0};
    z[3] = {w.MittelH + aus, w.MittelG + zu, 4, X0 + 90, 0};
    z[4] = {(w.MittelH + w.SturmH) / 2 + aus, w.MittelG + w.AbwehrG + zu, 5, X0 + 190, 0};
    z[5] = {w.SturmH + aus, 3 * w.AbwehrG + zu, 9, PlatzBreite - 10, -1};
    z[11] = {w.AbwehrG + aus, w.SturmH + zu, 10, X0 + 130, 0};
    z[10] = {(w.AbwehrG + w.MittelG) / 2 + aus, w.SturmH + w.MittelH + zu, 9, X0 + 50, 0};
    z[9] = {w.MittelG + aus, w.MittelH + zu, 8, X0 - 90, 0};
    z[8] = {(w.MittelG + w.SturmG) / 2 + aus, w.MittelH + w.SturmH + zu, 7, X0 - 190, 0};
    z[7] = {w.SturmG + aus, 3 * w.AbwehrH + zu, 3, -22, 1};

    // Untergrenze der Würfe: 0 in den Zonen des Heimangriffs, 1 in denen des Gastes.
    auto unten = [](int zone) { return zone <= 5 ? 0 : 1; };
    for (int k = 1; k <= 11; ++k) {
        Zone& zk = z[static_cast<size_t>(k)];
        const auto werte = [&](int oben) {
            const int64_t n = int64_t{oben} - unten(k) + 1;
            return n > 0 ? static_cast<uint32_t>(n) : 0u;
        };
        zk.wurfAngriff = werte(zk.obenAngriff);
        zk.wurfAbwehr = werte(zk.obenAbwehr);
    }

    const int y = PlatzHoehe / 2 - 15;
    int zone = 3;
    int toreHeim = 0, toreGast = 0;
    Wuerfel wurf;
    for (int minute = 1; minute <= 90; ++minute) {
        const Zone& jetzt = z[static_cast<size_t>(zone)];
        bool gewonnen;
        if (jetzt.wurfAngriff != 0 && jetzt.wurfAbwehr != 0) {
            // Beide Würfe haben dieselbe Untergrenze: sie fällt beim Vergleich heraus.
            const uint32_t a = wurf.ab0(jetzt.wurfAngriff);
            const uint32_t d = wurf.ab0(jetzt.wurfAbwehr);
            gewonnen = a > d;
        } else {
            const int a = wurf(unten(zone), jetzt.obenAngriff);
            const int d = wurf(unten(zone), jetzt.obenAbwehr);
            gewonnen = a > d;
        }

        Spielminute_& sm = e.Spielverlauf[minute];
        sm.X = gewonnen ? jetzt.x : 0;
        sm.Y = y;
        sm.Ereignis = gewonnen ? jetzt.tor : 0;
        toreHeim += sm.Ereignis < 0;
        toreGast += sm.Ereignis > 0;
        zone = gewonnen ? jetzt.weiter : zone <= 5 ? zone + 6 : zone - 6;
    }
    wurf.abgeben();
    e.ToreHeim += toreHeim;
    e.ToreGast += toreGast;
}

// Letzte Zeichen der Legende: vorne eines weg, hinten das neue an.
void LegendeSchreiben(Mannschaft_& v, char buchstabe)
{
    char puffer[16];
    const std::string_view alt = v.Legende.roh();
    size_t n = 0;
    for (size_t i = 1; i < alt.size(); ++i) puffer[n++] = alt[i];
    puffer[n++] = buchstabe;
    v.Legende.rohSetzen(std::string_view(puffer, n));
}

void Linie(int16_t& feld, int delta) { SETZE(feld, feld + delta); }

void Drift(Mannschaft_& v, int von, int bis, int vorzeichen)
{
    Linie(v.Verteidigung, vorzeichen * Zufall(von, bis));
    Linie(v.Mittelfeld, vorzeichen * Zufall(von, bis));
    Linie(v.Angriff, vorzeichen * Zufall(von, bis));
}

// Zahlende Zuschauer; im Pokal bekommt ein Managerverein als Gast die Hälfte davon zum Preis des Tages.
int32_t ZuschauerKommen(const Spielergebnis_& e, const Mannschaft_& H, const Mannschaft_& G, Wettbewerb_ wb)
{
    const bool heimManager = e.HeimManager < 4;
    const bool pokal = wb != Wettbewerb_::Liga;
    // Ein Verein der Verbandsliga (nach einem Abstieg noch im Pokal) zählt wie die
    // Oberliga; mit k = 0 wäre der Eintritt 0 und 35 / P unendlich.
    int k = std::max(1, 5 - H.Liga);

    double P, C, M;
    int64_t Sitze, Dauer;
    if (heimManager) {
        const Manager_& mh = S.Manager[e.HeimManager];
        P = mh.Eintrittspreis;
        C = mh.Komfortpunkte * 0.2;
        M = H.Moral * 0.15;
        Sitze = mh.Plaetze;
        Dauer = mh.DauerkartenVerkauft;
    } else {
        P = (Zufall(-4, 3) + 5) * k;
        C = Zufall((4 - H.Liga) * 12, k * 16) * 0.2;
        M = H.Moral * 0.1;
        Sitze = Zufall(100, k * 2500) + int64_t{k} * 15000;
        Dauer = Zufall(k * 100, k * 2000);
    }
    if (pokal) {
        int zm = S.Spiel.ManagerHoch;
        if (heimManager) zm = e.HeimManager;
        else if (e.GastManager < 4) zm = e.GastManager;
        P = static_cast<double>(Runden(P * (1.0 + S.Manager[zm].Pokalzuschlag / 100.0), "Eintrittspreis"));
        k = k + 1;
    }
    // Freier Eintritt (Preis 0) zählt hier wie 1 €; 35 / 0 wäre unendlich.
    M = M + (19 - H.Platz) * 5.0 / 6.0 + (19 - G.Platz) * 5.0 / 6.0 + C + Zufall(-3, 3) + (35.0 / std::max(P, 1.0)) * 5 * k;
    if (5 * k < P + 2) M = M - P;
    if (M <= 0) M = 1 - std::fabs(M / 100.0);
    switch (wb) {
    case Wettbewerb_::Dfb: M += Zufall(1, 5); break;
    case Wettbewerb_::Uefa: M += Zufall(1, 8); break;
    case Wettbewerb_::Pdp: M += Zufall(1, 7); break;
    case Wettbewerb_::Chl: M += Zufall(1, 10); break;
    default: break;
    }
    if (pokal && H.Liga < G.Liga) M += H.Liga - G.Liga;
    int64_t z = Runden(k * 15000 / 100.0 * M, "Zuschauer");
    if (Sitze - Dauer < z) z = Sitze - Dauer;
    if (z > Sitze || z < 0) z = 0;
    const int32_t zuschauer = Passt<int32_t>(z, "Zuschauer");
    if (e.GastManager < 4 && pokal) {
        Manager_& mg = S.Manager[e.GastManager];
        KontoBuchen(mg.Kontostand, int64_t{zuschauer / 2} * static_cast<int64_t>(P));
    }
    return zuschauer;
}

// Die Wertungen der drei Linien aus Stärken und Anteilen, dazu der Ausgleich:
// ein großer Unterschied weitet beide Zufallsbereiche gleich.
Wertungen WertungenBerechnen(const Mannschaft_& H, const Mannschaft_& G, Wettbewerb_ wb, double L)
{
    const int StaerkeH = R(R(R(H.Gesamt + H.Moral * 0.1) + (19 - H.Platz) * 5.0 / 18.0) + H.Gesamt * 0.05);
    const int StaerkeG = R(R(G.Gesamt + G.Moral * 0.1) + (19 - G.Platz) * 5.0 / 18.0);
    const int AnteilH = R(Anteil(StaerkeH, StaerkeG));
    const int AnteilG = R(Anteil(StaerkeG, StaerkeH));
    Wertungen w{};
    w.AbwehrH = R((Anteil(H.Verteidigung, G.Angriff) + AnteilH) / 2);
    w.MittelH = R((Anteil(H.Mittelfeld, G.Mittelfeld) + AnteilH) / 2);
    w.SturmH = R((Anteil(H.Angriff, G.Verteidigung) + AnteilH) / 2);
    w.AbwehrG = R((Anteil(G.Verteidigung, H.Angriff) + AnteilG) / 2);
    w.MittelG = R((Anteil(G.Mittelfeld, H.Mittelfeld) + AnteilG) / 2);
    w.SturmG = R((Anteil(G.Angriff, H.Verteidigung) + AnteilG) / 2);

    w.Ausgleich = R(std::abs(AnteilH - AnteilG) * 2.5);
    if (wb == Wettbewerb_::Dfb) w.Ausgleich = R(w.Ausgleich * 1.3);
    w.Zusatz = L > 1.0 ? w.Ausgleich : 0;
    return w;
}

// Ewige Tabelle: je wertvoller der Wettbewerb, desto mehr Punkte.
void EwigePunkteBuchen(const Spielergebnis_& e, Mannschaft_& H, Mannschaft_& G, Wettbewerb_ wb, double L)
{
    double F = 1.0;
    switch (wb) {
    case Wettbewerb_::Liga: F = 1.0 / L; break;
    case Wettbewerb_::Dfb: F = 1.0; break;
    case Wettbewerb_::Uefa: F = 3.0; break;
    case Wettbewerb_::Pdp: F = 4.0; break;
    case Wettbewerb_::Chl: F = 6.0; break;
    default: break;
    }
    if (e.Heimsieg()) {
        H.EwigePunkte = DreiStellen(H.EwigePunkte + F);
    } else if (e.Remis()) {
        H.EwigePunkte = DreiStellen(H.EwigePunkte + F / 2);
        G.EwigePunkte = DreiStellen(G.EwigePunkte + F / 1.5);
    } else {
        G.EwigePunkte = DreiStellen(G.EwigePunkte + F * 1.5);
    }
}

// Nur in der Liga: Legende, Ergebnistafel, Tabelle und Moral.
void LigaBuchen(const Spielergebnis_& e, Mannschaft_& H, Mannschaft_& G, double L, int paarung)
{
    const bool heimsieg = e.Heimsieg();
    const bool remis = e.Remis();
    LegendeSchreiben(H, heimsieg ? 'S' : remis ? 'U' : 'V');
    LegendeSchreiben(G, heimsieg ? 'V' : remis ? 'U' : 'S');

    // "%2d:%-2d": Heimtore rechts-, Gasttore linksbündig auf zwei Stellen; mehr als 99 Tore gibt es
    // in neunzig Minuten nicht.
    char text[5];
    auto ziffern = [](char* z, int t, bool rechts) {
        if (t >= 10) {
            z[0] = static_cast<char>('0' + t / 10);
            z[1] = static_cast<char>('0' + t % 10);
        } else {
            z[rechts ? 0 : 1] = ' ';
            z[rechts ? 1 : 0] = static_cast<char>('0' + t);
        }
    };
    for (const int t : {e.ToreHeim, e.ToreGast})
        if (t < 0 || t > 99) BereichFehler("Tore eines Spiels", t, 0, 99);
    ziffern(text, e.ToreHeim, true);
    text[2] = ':';
    ziffern(text + 3, e.ToreGast, false);
    const int liga = static_cast<int>(Runden(L, "Liga"));
    S.Ergebnisse[liga][S.Spiel.Spieltag][paarung].rohSetzen(std::string_view(text, sizeof text));

    SETZE(H.Punkte, H.Punkte + e.PunkteHeim());
    SETZE(G.Punkte, G.Punkte + e.PunkteGast());
    if (heimsieg) {
        SETZE(H.Siege, H.Siege + 1);
        SETZE(G.Niederlagen, G.Niederlagen + 1);
    } else if (remis) {
        SETZE(H.Unentschieden, H.Unentschieden + 1);
        SETZE(G.Unentschieden, G.Unentschieden + 1);
    } else {
        SETZE(G.Siege, G.Siege + 1);
        SETZE(H.Niederlagen, H.Niederlagen + 1);
    }
    SETZE(H.Tore, H.Tore + e.ToreHeim);
    SETZE(H.Gegentore, H.Gegentore + e.ToreGast);
    SETZE(G.Tore, G.Tore + e.ToreGast);
    SETZE(G.Gegentore, G.Gegentore + e.ToreHeim);

    // Ein Sieg gegen einen Besseren hebt die Moral mehr.
    if (heimsieg) {
        const int d = 18 + H.Platz - G.Platz;
        SETZE(H.Moral, H.Moral + d);
        SETZE(G.Moral, G.Moral - d);
    } else if (remis) {
        const int d = H.Platz - G.Platz;
        SETZE(H.Moral, H.Moral + d);
        SETZE(G.Moral, G.Moral - d);
    } else {
        const int d = 18 + G.Platz - H.Platz;
        SETZE(G.Moral, G.Moral + d);
        SETZE(H.Moral, H.Moral - d);
    }
}

// Linienstärken driften, gezogen in der Reihenfolge Heim V, M, A, dann Gast.
void LinienDriften(const Spielergebnis_& e, Mannschaft_& H, Mannschaft_& G)
{
    if (e.Heimsieg()) {
        Drift(H, -1, 2, 1);
        Drift(G, -1, 2, -1);
    } else if (e.Remis()) {
        if (H.Gesamt > G.Gesamt) {
            Drift(H, -1, 1, 1);
            Drift(G, -1, 2, 1);
        } else {
            Drift(H, -1, 2, 1);
            Drift(G, -1, 2, 1);
        }
    } else {
        if (H.Gesamt > G.Gesamt) {
            Drift(H, -1, 3, -1);
            Drift(G, -1, 3, 1);
        } else {
            Drift(H, -1, 2, -1);
            Drift(G, -1, 2, 1);
        }
    }
}

// Buchführung nach dem Spiel für Manager m und seinen Verein.
void SpielNachbereiten(const Spielergebnis_& e, int m, int verein)
{
    Manager_& mg = S.Manager[m];
    const Mannschaft_& v = S.Mannschaft[verein];
    const bool daheim = m == e.HeimManager;
    const int eigene = daheim ? e.ToreHeim : e.ToreGast;
    const int fremde = daheim ? e.ToreGast : e.ToreHeim;
    const bool sieg = eigene > fremde;
    const bool remis = eigene == fremde;
    const bool niederlage = eigene < fremde;

    if (daheim) {
        SETZE(mg.ZuschauerSaison, int64_t{mg.ZuschauerSaison} + e.Zuschauer);
        mg.ZuschauerLetzte = e.Zuschauer;
        SETZE(mg.HeimspieleSaison, mg.HeimspieleSaison + 1);
        SETZE(mg.HeimSpiele, mg.HeimSpiele + 1);
        // Die Dauerkarten sind schon bezahlt; der Pokalzuschlag zählt hier nicht.
        KontoBuchen(mg.Kontostand, (int64_t{e.Zuschauer} - mg.DauerkartenVerkauft) * mg.Eintrittspreis);
        if (sieg) SETZE(mg.HeimSiege, mg.HeimSiege + 1);
    } else {
        SETZE(mg.AuswaertsSpiele, mg.AuswaertsSpiele + 1);
        if (sieg) SETZE(mg.AuswaertsSiege, mg.AuswaertsSiege + 1);
    }
    if (remis) SETZE(mg.Remis, mg.Remis + 1);
    SETZE(mg.SpieleGespielt, mg.SpieleGespielt + 1);
    if (sieg) {
        mg.Managerpunkte += 0.1f;
        mg.Werbeanfragen += 0.2f;
    } else if (niederlage) {
        mg.Managerpunkte -= 0.2f;
        mg.Werbeanfragen -= 0.1f;
    }

    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        Kaderspieler_& sp = mg.Kader[i];
        SETZE(sp.Form, sp.Form + Zufall(-2, 2));
        int t = Zufall(-1, 2);
        if (niederlage) t = -t;
        if (remis) t = Zufall(-1, 1);
        if (sp.Eingesetzt == 1) {
            SETZE(sp.Technik, sp.Technik + t);
            SETZE(sp.Konstitution, sp.Konstitution - Zufall(-1, 3));
        } else if (sp.Verletzt == 0) {
            SETZE(sp.Konstitution, sp.Konstitution + Zufall(-1, 3));
        }
    }

    // Wer im Wettbewerb steht, wird bekannter.
    switch (S.Spiel.Wettbewerb) {
    case Wettbewerb_::Dfb:
        if (!v.DfbRunde.leer()) {
            mg.Werbeanfragen += 0.5f;
            mg.Managerpunkte += 0.1f;
        }
        break;
    case Wettbewerb_::Uefa:
    case Wettbewerb_::Pdp:
        if (!(S.Spiel.Wettbewerb == Wettbewerb_::Uefa ? v.UefaRunde : v.PdpRunde).leer()) {
            mg.Werbeanfragen += 1.0f;
            mg.Managerpunkte += 0.3f;
        }
        break;
    case Wettbewerb_::Chl:
        if (!v.ChlRunde.leer()) {
            mg.Werbeanfragen += 0.3f;
            mg.Managerpunkte += 0.1f;
        }
        break;
    default: break;
    }
}

// Der Manager des Vereins 0..3, 4 für einen Computerverein.
int32_t ManagerOderComputer(int verein)
{
    const int m = ManagerVonVerein(verein);
    return m >= 0 ? m : 4;
}

} // namespace

Spielergebnis_ SpielBerechnen(int heim, int gast, int paarung)
{
    Mannschaft_& H = S.Mannschaft[heim];
    Mannschaft_& G = S.Mannschaft[gast];
    const Wettbewerb_ wb = S.Spiel.Wettbewerb;
    const double L = (H.Liga + G.Liga) / 2.0;

    Spielergebnis_ e;
    e.HeimManager = ManagerOderComputer(heim);
    e.GastManager = ManagerOderComputer(gast);
    e.Zuschauer = ZuschauerKommen(e, H, G, wb);
    const Wertungen w = WertungenBerechnen(H, G, wb, L);
    // Im DFB-Pokal so oft, bis es einen Sieger gibt.
    NeunzigMinuten(e, w);
    while (wb == Wettbewerb_::Dfb && e.Remis()) NeunzigMinuten(e, w);

    EwigePunkteBuchen(e, H, G, wb, L);
    if (wb == Wettbewerb_::Liga) LigaBuchen(e, H, G, L, paarung);
    LinienDriften(e, H, G);
    if (e.HeimManager < 4) SpielNachbereiten(e, e.HeimManager, heim);
    if (e.GastManager < 4) SpielNachbereiten(e, e.GastManager, gast);
    return e;
}

void MannschaftenPruefen(int von, int bis)
{
    for (int i = von; i <= bis; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        auto klemme = [](int16_t& f, int lo, int hi) {
            if (f < lo) f = static_cast<int16_t>(lo);
            if (f > hi) f = static_cast<int16_t>(hi);
        };
        klemme(v.Moral, 1, 100);
        klemme(v.Verteidigung, 1, 111);
        klemme(v.Mittelfeld, 1, 111);
        klemme(v.Angriff, 1, 111);
        // Gerundetes Drittel der Summe (3..333): eine Hälfte kommt bei einem Drittel nicht vor.
        v.Gesamt = static_cast<int16_t>((v.Verteidigung + v.Mittelfeld + v.Angriff + 1) / 3);
    }
}

} // namespace torvane
