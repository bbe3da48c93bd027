#include "squad/Markt.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "squad/Kader.h"

#include <algorithm>
#include <vector>

namespace torvane {

int32_t Gehaltsforderung(int alter, int staerke, int vertrag)
{
    const int64_t a = static_cast<int64_t>(staerke) * 70;
    const int64_t b = static_cast<int64_t>(vertrag) * staerke * 5;
    // Ab 33 je Jahr ein Prozent weniger; ganzzahlig gerechnet, damit kein
    // Gleitkommarest eine glatte Zahl unter die Zehnergrenze drückt.
    const int64_t prozent = alter > 32 ? 100 - (alter - 32) : 100;
    return Geld(AbrundenAuf((a + b) * prozent / 100, 1), "Gehaltsforderung");
}

void NeueTransferliste(int anzahl)
{
    int n = anzahl;
    if (S.Neuanlage)
        n = Zufall(S.Spiel.ManagerHoch + 1 + 3, 11);
    else if (n == -1)
        n = Zufall(1, 11);
    n = std::min(n, 11);
    if (n < 1) return;

    std::vector<int> zeilen;
    while (static_cast<int>(zeilen.size()) < n) {
        const int z = Zufall(1, 11);
        if (std::find(zeilen.begin(), zeilen.end(), z) == zeilen.end()) zeilen.push_back(z);
    }

    // Die bisherigen Spieler der Zeilen gehen in freie Poolplätze zurück.
    // Gelesen wird über pool, geschrieben über S.Spieler: so sichert eine Einheit nur die Geänderten.
    const Spielerpool& pool = S.Spieler;
    const int64_t poolHoch = std::min<int64_t>(S.Spiel.SpielerHoch, pool.hoch());
    std::vector<int64_t> poolplatz(zeilen.size(), -1);
    size_t k = 0;
    for (int64_t p = 1; p <= poolHoch && k < zeilen.size(); ++p) {
        if (!pool[p].Vorname.leer()) continue;
        NamenInPool(S.Spieler[p], S.Transferliste[zeilen[k]]);
        poolplatz[k] = p;
        ++k;
    }

    for (size_t z = 0; z < zeilen.size(); ++z) {
        Kaderspieler_& s = S.Transferliste[zeilen[z]];
        if (poolHoch < 1) break;
        const int p = Zufall(1, static_cast<int32_t>(poolHoch));
        if (pool[p].Vorname.leer()) {
            // Die Zeile bleibt; ihr Spieler darf dann nicht zugleich im Pool stehen. Hat eine andere
            // Zeile ihn dort schon gezogen, steht er in jener: diese wird leer, sonst gäbe es ihn zweimal.
            const int64_t zurueck = poolplatz[z];
            if (zurueck > 0) {
                if (pool[zurueck].Vorname.gleich(s.Vorname) && pool[zurueck].Nachname.gleich(s.Nachname))
                    S.Spieler[zurueck].Vorname.laenge = 0;
                else
                    s = Kaderspieler_{};
            }
            continue;
        }
        if (S.Optionen[0][OptTransferKlang] != 0) Klang("trans");
        NamenAusPool(s, pool[p]);
        S.Spieler[p].Vorname.laenge = 0;
        SETZE(s.Alter, Zufall(16, 40));
        s.Eingesetzt = 0;
        s.Verletzt = 0;
        s.VerletzungArt = 0;
        s.GelbNational = 0;
        s.RotNational = 0;
        s.GelbInternational = 0;
        s.RotInternational = 0;
        s.Transferstatus = 1;
        int64_t technik = 0;
        int64_t konstitution = 0;
        int64_t form = 0;
        int64_t staerke = 0;
        do {
            technik = Zufall(1, 120);
            konstitution = Zufall(1, 60);
            if (s.Alter > 30) konstitution -= s.Alter - 30;
            form = Zufall(-10, 10);
            staerke = Runden((technik + konstitution) / 1.5, "Staerke") + form;
        } while (staerke <= 0 || technik <= 0 || konstitution <= 0);
        SETZE(s.Technik, technik);
        SETZE(s.Konstitution, konstitution);
        SETZE(s.Form, form);
        SETZE(s.Staerke, staerke);
        SETZE(s.KonstMax, KonstMaxFuer(s.Alter));
        SETZE(s.Wert, AbrundenAuf((Zufall(1, 150) + 50) * staerke * 100, 3));
        SETZE(s.Vertrag, Zufall(1, 6));
        s.Gehalt = Gehaltsforderung(s.Alter, s.Staerke, s.Vertrag);
    }

    SortiereSpieler(&S.Transferliste[1], 11);
}

void ErneuereTrainer(int von, int bis)
{
    for (int t = von; t <= bis; ++t) {
        Trainereintrag_& e = S.Trainermarkt[t];
        if (e.Nummer == -1) continue;
        e.Nummer = t;
        e.Preis = Geld(static_cast<int64_t>(t) * 400000 + static_cast<int64_t>(Zufall(-250, 250)) * 1000, "Preis");
        e.GehaltProSpiel = Geld(static_cast<int64_t>(t) * 2000 + Zufall(-25, 25) * 10, "GehaltProSpiel");
        int stufe = 0;
        do
            stufe = t + Zufall(-3, 3);
        while (stufe < 1);
        SETZE(e.Stufe, stufe);
    }
}

Vertragspruefung MarktspielerWaehlenPruefen(int m, int i)
{
    const Kaderspieler_& s = S.Transferliste[i];
    if (s.Transferstatus == 0) return {};
    const Manager_& mg = S.Manager[m];
    if (mg.KaderAnzahl >= 23)
        return {std::nullopt, T("Sie haben schon 23 Spieler in Ihrem Kader, damit müßte selbst Ihnen gelingen eine "
                                "vernünftige Mannschaft aufzustellen !")};
    std::optional<Vertragsplan> p = Gespraechswunsch(mg, s);
    if (!p) return {std::nullopt, T(BetragZuGrossText)};
    if (p->Verhandeln) return {p, {}};
    if (p->Kosten > 0)
        p->Meldung = Tf("Sie zahlen, %1 Strafe wegen Täglicher Verfolgung.",
                        {Geldtext(static_cast<double>(p->Kosten)) + Waehrung}) +
                     NL + NL;
    p->Meldung += s.Vorname.text() + " " + s.Nachname.text() + NL +
                  T("Ihre Aufdringlichkeit macht dem Spieler Angst, schauen Sie demnächt wieder rein, falls er dann "
                    "noch da ist .");
    return {p, {}};
}

bool MarktspielerWaehlen(int m, int i)
{
    const Vertragspruefung pruefung = MarktspielerWaehlenPruefen(m, i);
    if (!pruefung.plan) {
        if (!pruefung.ablehnung.empty()) Hinweis(pruefung.ablehnung);
        return false;
    }
    const Vertragsplan& p = *pruefung.plan;
    MarktspielerWaehlenAusfuehren(m, i, p);
    if (!p.Meldung.empty()) Hinweis(p.Meldung);
    return p.Verhandeln;
}

void MarktspielerWaehlenAusfuehren(int m, int i, const Vertragsplan& p)
{
    Manager_& mg = S.Manager[m];
    KontoBuchen(mg.Kontostand, -p.Kosten);
    // Die Kopie für das Gespräch trägt den Stand vor dem ersten Klick.
    if (p.Verhandeln) mg.Kader[0] = S.Transferliste[i];
    S.Transferliste[i] = p.Spieler;
    SpielstandGeaendert();
}

Trainerbedingungen_ TrainerBedingungen(int t, int g)
{
    const Trainereintrag_& e = S.Trainermarkt[t];
    Trainerbedingungen_ b;
    const int64_t preis = e.Preis;
    const int64_t gehalt = e.GehaltProSpiel;
    b.Kostet = Geld(AbrundenAuf(preis + g * (preis / 100), 1), "Trainerpreis");
    b.GehaltProSpiel = Geld(AbrundenAuf(gehalt + (100 - g) * (gehalt / 100), 1), "Trainergehalt");
    return b;
}

int AngeboteneTrainer(int m)
{
    const int liga = std::max<int>(S.Manager[m].Liga, 1);
    return std::min(11 / liga + 1, 12);
}

std::string TrainerUeberschrift()
{
    return S.Spiel.AnzeigeLiga == 1 ? T("Topauswahl für Topmanager")
                                    : T("In höheren Ligen stehen mehr Trainer zur verfügung.");
}

Trainerwahl TrainerVerpflichtenPruefen(int m, int t, int g)
{
    const Manager_& mg = S.Manager[m];
    if (mg.Trainer >= 1)
        return {std::nullopt, Tz("Sie haben schon einen Trainer, kündigen Sie diesem oder \n"
                                 "warten Sie bis sein Vertrag abläuft !")};
    const Trainereintrag_& e = S.Trainermarkt[t];
    // Ein Trainer arbeitet nur für einen Verein.
    if (e.Nummer == -1) return {std::nullopt, T("Dieser Trainer wurde schon Verpflichtet !")};
    g = std::clamp(g, 1, 100);
    const Trainerbedingungen_ b = TrainerBedingungen(t, g);
    if (!KontoPasst(mg.Kontostand, -int64_t{b.Kostet})) return {std::nullopt, T(BetragZuGrossText)};
    Trainervertrag p;
    p.Trainer = Passt<int8_t>(t, "Trainer");
    p.Bedingungen = b;
    p.Stufe = Passt<uint8_t>(e.Stufe, "TrainerStufe");
    p.Spiele = Passt<int8_t>(g, "TrainerSpiele");
    p.Baelle = Passt<uint8_t>(mg.Baelle + e.Stufe, "Baelle");
    return {p, {}};
}

bool TrainerVerpflichten(int m, int t, int g)
{
    const Trainerwahl wahl = TrainerVerpflichtenPruefen(m, t, g);
    if (!wahl.plan) {
        Hinweis(wahl.ablehnung);
        return false;
    }
    const Trainervertrag& p = *wahl.plan;
    Manager_& mg = S.Manager[m];
    mg.Trainer = p.Trainer;
    mg.TrainerPreis = p.Bedingungen.Kostet;
    mg.TrainerGehalt = p.Bedingungen.GehaltProSpiel;
    mg.TrainerStufe = p.Stufe;
    mg.TrainerSpiele = p.Spiele;
    mg.Baelle = p.Baelle;
    KontoBuchen(mg.Kontostand, -int64_t{p.Bedingungen.Kostet});
    S.Trainermarkt[p.Trainer].Nummer = -1;
    SpielstandGeaendert();
    Klang("kasse");
    return true;
}

void TrainerFreigeben(int m)
{
    Manager_& mg = S.Manager[m];
    const int t = mg.Trainer;
    if (t >= 1) {
        // Erst frei, dann erneuern: ErneuereTrainer lässt vergebene Einträge liegen.
        S.Trainermarkt[t].Nummer = t;
        ErneuereTrainer(t, t);
    }
    mg.Trainer = -1;
    mg.TrainerPreis = 0;
    mg.TrainerGehalt = 0;
    mg.TrainerSpiele = 0;
    mg.Baelle = static_cast<uint8_t>(std::max(0, mg.Baelle - mg.TrainerStufe));
    mg.TrainerStufe = 0;
    mg.BaelleTechnik = 0;
    mg.BaelleKonstitution = 0;
}

} // namespace torvane
