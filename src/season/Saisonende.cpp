#include "season/Saisonende.h"

#include "core/Cp1252.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/PortHalter.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "flow/Neuanlage.h"
#include "season/Pleite.h"
#include "squad/Kader.h"
#include "squad/Markt.h"

#include <algorithm>
#include <utility>

namespace torvane {

namespace {
PortHalter<Saisonendeanzeige> gAnzeige;

std::string Zahl(int64_t z) { return std::to_string(z); }
std::string Betrag(int64_t z) { return Geldtext(static_cast<double>(z)) + Waehrung; }

void AufWeiterWarten()
{
    Warte(1000);
    SaisonendeAnzeige().weiterZeigen();
    S.Befehl = Befehlswert::Keiner;
    WarteAufBefehl(Befehlswert::Weiter);
}

// Nach jedem Tausch zeigen Liga und Platz der Manager wieder auf ihren Verein;
// sonst schriebe eine Mannschaftsberechnung in einen fremden Datensatz.
void ManagerNachVerein()
{
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        const int i = VereinNachName(S.Manager[m].Vereinsname.text());
        if (i < 1 || i > 72) continue;
        SETZE(S.Manager[m].Liga, (i - 1) / 18 + 1);
        SETZE(S.Manager[m].Platz, (i - 1) % 18 + 1);
    }
}

void Tauschen(int a, int b)
{
    if (a == b) return;
    std::swap(S.Mannschaft[a], S.Mannschaft[b]);
}

// Schritt 3: Managerpunkte und Preisgeld für die Plätze 1..3 der Liga.
void PlaetzeEhren(int liga)
{
    const int f = 18 * liga - 17;
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        Manager_& mg = S.Manager[m];
        for (int k = 1; k <= 3; ++k) {
            if (mg.Vereinsname.roh() != S.Mannschaft[f + k - 1].Name.roh()) continue;
            mg.Managerpunkte += mg.Liga < 4 ? static_cast<float>(5 - (k - 1)) : 1.0f;
            if (mg.Platz == 1) {
                Klang("tataa");
                Warte(2000);
                Klang("saisonende");
            }
            KontoBuchen(mg.Kontostand, Platzpraemie(liga, mg.Platz));
        }
        for (uint8_t& p : S.Statistik[m].Plaetze) p = 0;
    }
    const float punkte[3] = {static_cast<float>(20 / liga), static_cast<float>(10 / liga),
                             static_cast<float>(5 / liga)};
    for (int k = 0; k < 3; ++k) S.Mannschaft[f + k].EwigePunkte += punkte[k];
}

// Schritt 6: die drei Letzten der Oberliga fallen in die Verbandsliga.
// false, wenn dabei der letzte Manager gegangen ist.
bool VerbandsligaAbstieg()
{
    for (int j = 0; j < 3; ++j) {
        const int verein = 70 + j;
        for (int m = ManagerVonVerein(verein); m >= 0; m = ManagerVonVerein(verein)) {
            SaisonendeAnzeige().tafelVerbergen();
            Nachricht(S.Manager[m].Name.text(), VerbandsligaText(), "ok");
            SETZE(S.AktManager, m);
            ManagerEntfernen();
            if (SpielVorbei()) {
                SaisonendeAnzeige().textZeigen(T("und Tschüß"));
                Warte(3000);
                PleiteAnzeige().programmBeenden();
                return false;
            }
        }
        // Ohne genug deutsche Vereine in der Verbandsliga bleibt der Absteiger, wo er ist.
        if (73 + j <= S.Spiel.DeutscheHoch) Tauschen(verein, 73 + j);
    }
    S.AktManager = 0;
    ManagerNachVerein();
    SaisonendeAnzeige().wechselZeigen(Tf("Aufstieg in die %1", {LigaNamen[4]}),
                                      {S.Mannschaft[70].Name.text(), S.Mannschaft[71].Name.text(),
                                       S.Mannschaft[72].Name.text()},
                                      Saisonendeanzeige::Wechsel::Aufstieg, false);
    AufWeiterWarten();
    return true;
}

void Aufsteigerbonus()
{
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        Manager_& mg = S.Manager[m];
        if (mg.Platz > 3 || mg.Liga == 1) continue;
        KontoBuchen(mg.Kontostand, 1000000);
        Klang("tataa");
        Nachricht(mg.Name.text(),
                  std::string(NL) + NL +
                      Tz("Wir Gratulieren zum Aufstieg in die %1. \nSie bekommen einen Aufsteigerbonus von 1.000.000 €",
                         {LigaNamen.at(mg.Liga - 1)}),
                  "ok");
    }
}

void Verbandsschecks()
{
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        Manager_& mg = S.Manager[m];
        const int64_t s = KontoBuchen(mg.Kontostand, Verbandsscheck(mg.Liga, mg.Platz));
        Nachricht(ScheckKopf(m),
                  std::string(NL) + Tf("%1zudem wird Ihnen ein Scheck in Höhe von %2 überreicht.",
                                       {Verbandsurteil(mg.Platz), Betrag(s)}),
                  "ok");
    }
}

} // namespace

Saisonendeanzeige& SaisonendeAnzeige() { return *gAnzeige; }
void SaisonendeAnzeigeSetzen(Saisonendeanzeige* a) { gAnzeige.setzen(a); }

int32_t Platzpraemie(int liga, int platz)
{
    const int32_t faktor = 5 - liga;
    switch (platz) {
    case 1: return faktor * 500000;
    case 2: return faktor * 250000;
    case 3: return faktor * 100000;
    default: return 0;
    }
}

int32_t Verbandsscheck(int liga, int platz)
{
    return Geld((19 - platz) * 100000LL + (5 - liga) * 200000LL + platz * 20000LL);
}

std::string Verbandsurteil(int platz)
{
    // Übersetzer: der Satz geht nach dem Komma weiter ("… zudem wird Ihnen ein Scheck …").
    if (platz <= 3) return T("Der Fußballbund Gratuliert zu diesem hervorragenden Tabellenplatz,");
    if (platz <= 8) return T("Viel Glück in der nächsten Saison wünscht der Fußballbund,");
    if (platz <= 13) return T("Ein Platz im Mittelfeld ist auch nicht zu verachten, meint der Fußballbund,");
    return T("Der Fußballbund gibt zu verstehen das Management zu ändern,");
}

std::string ScheckKopf(int m)
{
    const Manager_& mg = S.Manager[m];
    // Übersetzer: danach folgt der Name des Managers.
    return Utf8Anfang(Utf8Anfang(Tf("%1 unter dem Management von ", {mg.Vereinsname.text()}), 51) + mg.Name.text(), 66);
}

std::string VerbandsligaText()
{
    return std::string(NL) + Tz("Sie konnten Ihre Mannschaft vor dem Abstieg\nnicht bewahren und können Sinnlos "
                                "rumklicken.\nDenn eine Verbandsliga wird nicht unterstützt.\nBeim nächten mal ist "
                                "man immer schlauer !");
}

void LigenTauschen()
{
    for (int liga = 1; liga <= 3; ++liga) {
        const int von = 18 * liga - 2;
        const int bis = 18 * liga + 3;
        for (int k = 0; k < 3; ++k) Tauschen(von + k, bis - k);
    }
    ManagerNachVerein();
}

void KaderAltern(int m)
{
    Manager_& mg = S.Manager[m];
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        Kaderspieler_& sp = mg.Kader[i];
        if (Zufall(0, 1) == 1) SETZE(sp.Technik, sp.Technik + Zufall(-2, sp.Form));
        if (Zufall(0, 1) == 1) SETZE(sp.Konstitution, sp.Konstitution + Zufall(-2, sp.Form));
        sp.Form = static_cast<int8_t>(Zufall(-10, 10));
        SETZE(sp.Alter, sp.Alter + 1);
        sp.GelbNational = 0;
        sp.GelbInternational = 0;
        sp.RotNational = 0;
        sp.RotInternational = 0;
        const int rest = sp.Verletzt - Zufall(1, 5);
        if (rest <= 0) {
            sp.Verletzt = 0;
            sp.VerletzungArt = 0;
        } else {
            SETZE(sp.Verletzt, rest);
        }
    }
}

void VertraegeAuslaufen(int m)
{
    Manager_& mg = S.Manager[m];
    // Erst jeder Vertrag genau einmal, dann die Abgänge: SpielerAbgeben ordnet den Kader neu,
    // ein Zählen während des Entfernens träfe manche Spieler doppelt und andere gar nicht.
    for (int i = 1; i <= mg.KaderAnzahl; ++i) SETZE(mg.Kader[i].Vertrag, mg.Kader[i].Vertrag - 1);
    for (;;) {
        int i = 1;
        // Auch ein schon abgelaufener Vertrag (unter 0, nur aus einem verbogenen Spielstand)
        // endet hier; sonst zählte er Saison um Saison weiter bis zum Überlauf.
        while (i <= mg.KaderAnzahl && mg.Kader[i].Vertrag > 0) ++i;
        if (i > mg.KaderAnzahl) break;
        Kaderspieler_& sp = mg.Kader[i];
        const int64_t abloese = KontoBuchen(mg.Kontostand, sp.Wert / 2);
        const MeldungsTitel titel(mg.Name.text() + " – " + mg.Vereinsname.text());
        Klang("error", 1);
        Hinweis(Tz("Der Vertrag von %1 %2 ist ausgelaufen.\nDer Spieler verläßt den Verein für %3",
                   {sp.Vorname.text(), sp.Nachname.text(), Betrag(abloese)}));
        SpielerAbgeben(m, i);
    }
}

bool Saisonende()
{
    Saisonendeanzeige& a = SaisonendeAnzeige();
    a.oeffnen(Tf("Saison %1 ist zu Ende", {Geldtext(S.Spiel.Saison)}));
    Klang("saisonende");
    S.Spiel.AnzeigeLiga = 0;

    for (int liga = 1; liga <= 4; ++liga) {
        const int f = 18 * liga - 17;
        S.Spiel.AnzeigeLiga = liga;
        a.ligaZeigen(LigaNamen[static_cast<size_t>(liga)]);
        Warte(1000);
        a.ueberschriftSchieben();
        a.tafelZeigen(Tf("Fußballmeister %1", {LigaNamen[static_cast<size_t>(liga)]}),
                      {S.Mannschaft[f].Name.text(), S.Mannschaft[f + 1].Name.text(), S.Mannschaft[f + 2].Name.text()},
                      {Tf("bekommt %1", {Betrag(Platzpraemie(liga, 1))}),
                       Tf("bekommt %1", {Betrag(Platzpraemie(liga, 2))}),
                       Tf("bekommt %1", {Betrag(Platzpraemie(liga, 3))})});
        PlaetzeEhren(liga);
        a.wechselZeigen(Tf("Absteiger in die %1", {LigaNamen[static_cast<size_t>(liga + 1)]}),
                        {S.Mannschaft[f + 15].Name.text(), S.Mannschaft[f + 16].Name.text(),
                         S.Mannschaft[f + 17].Name.text()},
                        Saisonendeanzeige::Wechsel::Abstieg, liga == 4);
        AufWeiterWarten();
        if (liga == 4 && !VerbandsligaAbstieg()) return false;
    }
    a.tafelVerbergen();
    a.musikAus();

    Aufsteigerbonus();
    Verbandsschecks();
    LigenTauschen();

    for (auto& b : S.Saisonbilanz) b.laengeSetzen(b.laenge() + 1);
    SETZE(S.Spiel.Saison, S.Spiel.Saison + 1);
    for (auto& c : S.ChlTabelle) c = ChlEintrag_{};

    S.Neuanlage = false;
    SaisonVorbereiten();

    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        Manager_& mg = S.Manager[m];
        SETZE(S.Optionen[m][OptAnzeigeLiga], mg.Liga);
        mg.HeimspieleSaison = 0;
        mg.ZuschauerSaison = 0;
        mg.DauerkartenVerkauft = 0;
        KaderAltern(m);
        VertraegeAuslaufen(m);
        BerechneMannschaft(m, 0);
    }

    for (auto& liga : S.Ergebnisse)
        for (auto& tag : liga)
            for (auto& e : tag) e = "-:-";

    S.AktManager = 0;
    S.Spiel.Spieltag = 0;
    BilanzEintragen();

    a.textZeigen(Tf("Auf zur %1.Saison", {Zahl(S.Spiel.Saison)}));
    Warte(3000);
    NeueTransferliste(3);
    a.schliessen();
    return true;
}

} // namespace torvane
