#include "match/Spieltag.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "match/Anzeige.h"
#include "match/LiveSpiel.h"
#include "match/Pokal.h"
#include "match/Spiel.h"
#include "squad/Kader.h"

#include <algorithm>
#include <string>
#include <vector>

namespace torvane {

int SpielplanMannschaft(int liga, int spieltag, int paarung, int seite)
{
    // Die Rückrunde wiederholt die Hinrunde mit getauschtem Heimrecht.
    if (spieltag > 17) {
        spieltag -= 17;
        seite = 1 - seite;
    }
    return VereinZu({liga, S.Spieltage[spieltag][paarung][seite]});
}

Vereinsgriff GriffAuf(int verein)
{
    const int liga = (verein - 1) / 18 + 1;
    if (verein < 1 || liga > 4 || !LigaHatVereine(liga)) return {0, verein};
    return {liga, S.Mannschaft[verein].SpielplanNr};
}

int VereinZu(const Vereinsgriff& griff)
{
    if (griff.liga == 0) return griff.nummer;
    for (int p = 1; p <= 18; ++p) {
        const int i = VereinAufPlatz(griff.liga, p);
        if (S.Mannschaft[i].SpielplanNr == griff.nummer) return i;
    }
    return 0;
}

namespace {

bool ZeigtJemand(int option)
{
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m)
        if (S.Optionen[m][option] != 0) return true;
    return false;
}

int Teilnehmer(KurzText<12> Mannschaft_::*feld)
{
    int n = 0;
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i)
        if (!(S.Mannschaft[i].*feld).leer()) ++n;
    return n;
}

void NaechsterWettbewerb()
{
    Spiel_& sp = S.Spiel;
    // Der Pokalkalender gilt nur nach einem Ligaspieltag; die ChampionsLige folgt geraden Spieltagen.
    if (sp.Wettbewerb == Wettbewerb_::Liga && sp.Spieltag >= 1 && Pokaltermine[sp.Spieltag] != Wettbewerb_::Liga) {
        sp.Wettbewerb = Pokaltermine[sp.Spieltag];
    } else if (sp.Spieltag > 0 && sp.Spieltag % 2 == 0 && sp.Wettbewerb != Wettbewerb_::Chl && sp.ChlSpieltag < 15) {
        sp.Wettbewerb = Wettbewerb_::Chl;
    } else {
        sp.Wettbewerb = Wettbewerb_::Liga;
    }
}

void Aktienkurs()
{
    int64_t kurs = S.Spiel.Aktienkurs;
    if (Zufall(1, 2) == 1) kurs += Zufall(-100, 100);
    // Der Kurs strebt zurück zu 1000.
    if (kurs > 1000) kurs -= 10;
    else if (kurs < 1000) kurs += 10;
    if (kurs < 100) kurs = 100;
    SETZE(S.Spiel.Aktienkurs, kurs);
}

// Kommt Verein a in der Tabelle vor Verein b?
bool KommtVor(const Mannschaft_& a, const Mannschaft_& b)
{
    if (a.Punkte != b.Punkte) return a.Punkte > b.Punkte;
    const int da = Tordifferenz(a), db = Tordifferenz(b);
    if (da != db) return da > db;
    if (a.Tore != b.Tore) return a.Tore > b.Tore;
    if (a.Gegentore != b.Gegentore) return a.Gegentore < b.Gegentore;
    if (a.Siege != b.Siege) return a.Siege > b.Siege;
    if (a.Niederlagen != b.Niederlagen) return a.Niederlagen < b.Niederlagen;
    return a.EwigePunkte > b.EwigePunkte;
}

std::string VereinZelle(int verein)
{
    const Mannschaft_& v = S.Mannschaft[verein];
    return std::to_string(v.Platz) + ". " + v.Name.text();
}

std::string MitPunkten(std::string s, size_t n)
{
    const size_t l = Utf8Laenge(s);
    if (l < n) s.append(n - l, '.');
    return s;
}

} // namespace

void TabelleSortieren(int liga)
{
    const int erster = VereinAufPlatz(liga, 1);
    const int letzter = VereinAufPlatz(liga, 18);
    for (int i = erster; i <= letzter; ++i) {
        for (int j = i; j <= letzter; ++j)
            if (KommtVor(S.Mannschaft[j], S.Mannschaft[i])) {
                // Eintrag 0 ist die Ablage beim Tausch und behält die Kopie (sie wird mitgespeichert).
                S.Mannschaft[0] = S.Mannschaft[i];
                S.Mannschaft[i] = S.Mannschaft[j];
                S.Mannschaft[j] = S.Mannschaft[0];
            }
        SETZE(S.Mannschaft[i].Platz, i - erster + 1);
        const int m = ManagerVonVerein(i);
        if (m >= 0) SETZE(S.Manager[m].Platz, i - erster + 1);
    }
}

int32_t TotoGewinn(int liga, int richtige)
{
    if (richtige < 1) return 0;
    return Geld(int64_t{40000 / liga} << (richtige - 1), "Totogewinn");
}

int32_t TotoAuswerten(int m, int richtige)
{
    Manager_& mg = S.Manager[m];
    Tagesanzeige().totoZeile(m, Tf("%1:%2 Richtig", {mg.Name.text(), std::to_string(richtige)}));
    mg.TotoTip.rohSetzen("");
    return TotoGewinn(mg.Liga, richtige);
}

Feld<uint8_t, 1, 9> LigaSpieltag(int liga)
{
    Spieltagsanzeige& a = Tagesanzeige();
    const int tag = S.Spiel.Spieltag;
    const char* ligaName = LigaNamen.at(static_cast<size_t>(liga));
    a.titel(Tf("Meisterschaft der %1", {ligaName}));
    a.kopf(ligaName, tag < 18 ? Tf("%1. Spieltag der Hinrunde", {std::to_string(tag)})
                              : Tf("%1. Spieltag der Rückrunde", {std::to_string(tag)}));

    const int wahl0 = S.Optionen[0][OptAnzeigeLiga];
    // Ohne Zuschauer (ohne Bildschirm) werden die Zeilen gar nicht erst gebaut.
    const bool zuschauer = a.siehtZu();
    Feld<uint8_t, 1, 9> toto{};
    for (int p = 1; p <= 9; ++p) {
        const int heim = SpielplanMannschaft(liga, tag, p, 0);
        const int gast = SpielplanMannschaft(liga, tag, p, 1);
        // Ohne Verein (Index 0) landete das Ergebnis in einer fremden Liga.
        if (heim == 0 || gast == 0)
            throw Laufzeitfehler("Laufzeitfehler: Spielplan der " + std::string(LigaNamen.at(static_cast<size_t>(liga))) +
                                 ", Paarung " + std::to_string(p) + " hat keinen Verein.");
        const Spielergebnis_ e = SpielBerechnen(heim, gast, p);
        toto[p] = e.Toto();
        if (zuschauer) {
            ZeileZeigen(p - 1, 2, heim, gast, VereinZelle(heim));
            ZeileZeigen(p - 1, 3, heim, gast, VereinZelle(gast));
        }
        if (wahl0 == 0 || wahl0 == liga) Warte(Tempo(0) * 100 + 50);
        if (e.MitManager()) {
            Warte(Tempo(e.HeimManager < 4 ? e.HeimManager : e.GastManager) * 500);
            LiveSpiel(heim, gast, e);
        }
        if (zuschauer) {
            ZeileZeigen(p - 1, 1, heim, gast, Tf("Zuschauer %1", {Geldtext(e.Zuschauer)}));
            ZeileZeigen(p - 1, 4, heim, gast, ErgebnisAusrichten(S.Ergebnisse[liga][tag][p].text()));
        }
    }

    TabelleSortieren(liga);

    // Toto: ausgewertet wird nur, wessen Verein in dieser Liga spielt.
    for (int m = 0; m <= 3; ++m) {
        a.totoZeile(m, "-");
        if (m > S.Spiel.ManagerHoch) continue;
        Manager_& mg = S.Manager[m];
        if (mg.TotoTip.leer() || mg.Liga != liga) continue;
        const std::string_view tip = mg.TotoTip.roh();
        int richtige = 0;
        for (int k = 1; k <= 9 && k <= static_cast<int>(tip.size()); ++k)
            if (tip[static_cast<size_t>(k - 1)] == static_cast<char>('0' + toto[k])) ++richtige;
        a.totoZeigen();
        if (richtige >= 1) {
            // Erst der Gewinn, dann ist der Schein weg.
            KontoBuchen(mg.Kontostand, TotoGewinn(mg.Liga, richtige));
            TotoAuswerten(m, richtige);
            if (richtige == 9) Klang("tataA");
            Warte(1000);
        }
    }

    // Tabelle zeigen, wenn jemand diese Liga sehen will.
    bool zeigen = wahl0 == 0;
    if (!zeigen && a.hauptfensterSichtbar()) {
        for (int m = 0; m <= S.Spiel.ManagerHoch; ++m)
            if (S.Manager[m].Liga == liga && S.Optionen[m][OptAnzeigeLiga] == liga) zeigen = true;
    }
    if (zeigen) {
        WeiterAbwarten();
        S.Befehl = Befehlswert::TabelleWeiterZeigen;
        a.tabelleZeigen(liga);
        WarteAufBefehl(Befehlswert::TabelleWeiter);
        S.Befehl = Befehlswert::Keiner;
        a.tabelleSchliessen();
    }
    return toto;
}

void WettbewerbstagSpielen()
{
    Spieltagsanzeige& a = Tagesanzeige();
    Spiel_& sp = S.Spiel;

    // 1. Aufräumen
    a.siegerVerbergen();
    a.totoVerbergen();
    a.weiterVerbergen();
    a.meldungenLeeren();
    GelbHeute = {};

    // 2. Pokalpaarungen zählen
    Sitzung.DfbPaarungen = Teilnehmer(&Mannschaft_::DfbRunde) / 2;
    Sitzung.PdpPaarungen = Teilnehmer(&Mannschaft_::PdpRunde) / 2;
    Sitzung.UefaPaarungen = Teilnehmer(&Mannschaft_::UefaRunde) / 2;

    // 3. Der Wettbewerb des Tages
    switch (sp.Wettbewerb) {
    case Wettbewerb_::Liga: {
        const int alt = sp.AnzeigeLiga;
        for (int liga = 1; liga <= 4; ++liga) {
            sp.AnzeigeLiga = liga;
            LigaSpieltag(liga);
        }
        sp.AnzeigeLiga = alt;
        break;
    }
    case Wettbewerb_::Dfb:
        S.PokalZeigen = ZeigtJemand(OptZeigeDfb);
        DfbPokaltag();
        break;
    case Wettbewerb_::Uefa:
        S.PokalZeigen = ZeigtJemand(OptZeigeUefa);
        UefaPokaltag();
        break;
    case Wettbewerb_::Pdp:
        S.PokalZeigen = ZeigtJemand(OptZeigePdp);
        PdpPokaltag();
        break;
    case Wettbewerb_::Chl:
        SETZE(sp.ChlSpieltag, sp.ChlSpieltag + 1);
        S.PokalZeigen = ZeigtJemand(OptZeigeChl);
        ChlSpieltagSpielen();
        break;
    default: BereichFehler("Wettbewerb", WettbewerbNr(sp.Wettbewerb), 0, 4);
    }

    // 4. Grenzen und Saisonbilanz
    MannschaftenPruefen(1, static_cast<int>(sp.MannschaftHoch));
    BilanzEintragen();

    // 5. bis 7.
    NaechsterWettbewerb();
    Aktienkurs();
    for (int m = 0; m <= sp.ManagerHoch; ++m) BerechneMannschaft(m, 2); // nach dem Spiel

    // 8.
    a.tagBeendet();
}

void BesteSechs()
{
    const int basis = S.Spiel.Spieltag >= 34 ? 1200000 : 600000;
    // Plätze 1..6 jeder Liga, Liga für Liga; die Auswahl nimmt je Rang den ersten Besten.
    std::vector<int> rest;
    rest.reserve(24);
    for (int liga = 1; liga <= 4; ++liga)
        for (int p = 1; p <= 6; ++p) rest.push_back(VereinAufPlatz(liga, p));
    auto besser = [](int a, int b) {
        const Mannschaft_& x = S.Mannschaft[a];
        const Mannschaft_& y = S.Mannschaft[b];
        if (x.Punkte != y.Punkte) return x.Punkte > y.Punkte;
        return Tordifferenz(x) > Tordifferenz(y);
    };

    std::string text;
    for (int r = 1; r <= 6; ++r) {
        size_t best = 0;
        for (size_t i = 1; i < rest.size(); ++i)
            if (besser(rest[i], rest[best])) best = i;
        const int verein = rest[best];
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(best));

        const Mannschaft_& v = S.Mannschaft[verein];
        const int32_t praemie = Geld(int64_t{basis / r} * (5 - v.Liga), "Prämie");
        for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
            Manager_& mg = S.Manager[m];
            if (mg.Vereinsname.roh() == v.Name.roh()) KontoBuchen(mg.Kontostand, praemie);
        }

        const std::string betrag = Geldtext(praemie);
        const int luecke = 9 - static_cast<int>(Utf8Laenge(betrag));
        if (r > 1) text += NL;
        // Übersetzer: %1 Rang, %2 Verein, %3 Liga, %4 Punkte, %5 Tordifferenz, %6 Leerraum, %7 Prämie
        text += Tf("%1.%2(%3) Pk:%4 Td:%5%6 +%7",
                   {std::to_string(r), MitPunkten(v.Name.text(), 25), std::to_string(v.Liga),
                    MitPunkten(std::to_string(v.Punkte), 2), MitPunkten(std::to_string(Tordifferenz(v)), 2),
                    std::string(static_cast<size_t>(std::max(0, luecke)), ' '), betrag + Waehrung});
    }
    Nachricht(T("Die 6 Besten Liga-Manschaften nach Punkten + Toren"), text, "ok");
}

} // namespace torvane
