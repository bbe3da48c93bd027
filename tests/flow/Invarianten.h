// Die Invarianten eines Spielstands: Bereiche, Tabellenordnung, Kader, Geld und Stadion.
// Gemeinsam für den Dauerlauf ohne Bildschirm und die Zufallseingaben am Fenster.
#pragma once

#include "core/Variablen.h"

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace torvane {

// Sammelt Verstöße; ein Test soll alle auf einmal zeigen, nicht nur den ersten.
struct Invarianten {
    std::vector<std::string> fehler;
    std::string wo;

    void bereich(const std::string& was, long wert, long von, long bis)
    {
        if (wert < von || wert > bis)
            fehler.push_back(wo + ": " + was + " = " + std::to_string(wert) + " nicht in " + std::to_string(von) +
                             ".." + std::to_string(bis));
    }
    void wahr(bool b, const std::string& was)
    {
        if (!b) fehler.push_back(wo + ": " + was);
    }

    void pruefen()
    {
        const Spiel_& sp = S.Spiel;
        wo = "Saison " + std::to_string(sp.Saison) + " Spieltag " + std::to_string(sp.Spieltag) + " Wettbewerb " +
             std::to_string(WettbewerbNr(sp.Wettbewerb));
        bereich("Spieltag", sp.Spieltag, 0, 34);
        wahr(PokalOderChl(sp.Wettbewerb) || sp.Wettbewerb == Wettbewerb_::Liga, "Wettbewerb gültig");
        bereich("ChlSpieltag", sp.ChlSpieltag, 0, 15);
        bereich("ManagerHoch", sp.ManagerHoch, 0, 3);
        bereich("AktManager", S.AktManager, 0, sp.ManagerHoch);
        bereich("Aktienkurs", sp.Aktienkurs, 100, 1000000);

        std::set<std::string> alle;
        for (int liga = 1; liga <= 4; ++liga)
            for (int p = 1; p <= 18; ++p) {
                const int i = VereinAufPlatz(liga, p);
                const Mannschaft_& v = S.Mannschaft[i];
                const std::string wer = "Verein " + std::to_string(i) + " ";
                alle.insert(std::string(v.Name.roh()));
                wahr(v.Liga == liga && v.Platz == p, wer + "hat Liga " + std::to_string(v.Liga) + ", Platz " +
                                                         std::to_string(v.Platz));
                bereich(wer + "Moral", v.Moral, 1, 100);
                for (int linie : {v.Verteidigung, v.Mittelfeld, v.Angriff}) bereich(wer + "Linie", linie, 0, 200);
                if (p > 1) wahr(S.Mannschaft[i - 1].Punkte >= v.Punkte, wer + "Tabellenordnung");
            }
        wahr(alle.size() == 72, "72 verschiedene Vereine in den Ligen 1..4, gefunden " + std::to_string(alle.size()));

        for (int m = 0; m <= sp.ManagerHoch; ++m) {
            const Manager_& mg = S.Manager[m];
            const std::string wer = "Manager " + std::to_string(m) + " ";
            bereich(wer + "Liga", mg.Liga, 1, 4);
            bereich(wer + "Platz", mg.Platz, 1, 18);
            if (mg.Liga >= 1 && mg.Liga <= 4 && mg.Platz >= 1 && mg.Platz <= 18)
                wahr(S.Mannschaft[ManagerVerein(m)].Name.roh() == mg.Vereinsname.roh(),
                     wer + "zeigt nicht auf seinen Verein");
            bereich(wer + "KaderAnzahl", mg.KaderAnzahl, 0, 23);
            bereich(wer + "Einsatz", mg.Einsatz, -100, 100);
            bereich(wer + "Aktien", mg.Aktien, 0, 20000);
            bereich(wer + "Trainingsstunden", mg.Trainingsstunden, 1, 10);
            wahr(mg.Trainer == -1 || (mg.Trainer >= 1 && mg.Trainer <= 12), wer + "Trainer");
            wahr(mg.Managerpunkte >= 1.0f && mg.Managerpunkte <= 100.0f, wer + "Managerpunkte");
            for (int i = 1; i <= mg.KaderAnzahl; ++i) {
                const Kaderspieler_& k = mg.Kader[i];
                bereich(wer + "Technik", k.Technik, 1, 120);
                bereich(wer + "Konstitution", k.Konstitution, 1, 60);
                bereich(wer + "Form", k.Form, -10, 10);
                // Ein Trainingslager kann eine Verletzung über zehn Wochen hinaus verlängern.
                bereich(wer + "Verletzt", k.Verletzt, 0, 100);
                bereich(wer + "VerletzungArt", k.VerletzungArt, 0, 10);
                bereich(wer + "Vertrag", k.Vertrag, 1, 7);
                wahr(!k.Vorname.leer(), wer + "Spieler ohne Namen");
            }
            for (int i = mg.KaderAnzahl + 1; i <= 23; ++i)
                wahr(mg.Kader[i].Vorname.leer(), wer + "Eintrag hinter dem Kader");
            wahr(mg.DauerkartenVerkauft <= mg.Plaetze, wer + "mehr Dauerkarten als Plätze");
            for (long geld : {long(mg.Kredit), long(mg.Sparbuch), long(mg.Plaetze), long(mg.DauerkartenVerkauft)})
                bereich(wer + "Kredit/Sparbuch/Plätze/Dauerkarten", geld, 0, 2000000000L);
        }
        const auto n = S.Saisonbilanz[0].laenge();
        for (int m = 0; m <= 3; ++m) wahr(S.Saisonbilanz[m].laenge() == n, "Saisonbilanzen gleich lang");
        wahr(n == sp.Saison + 1, "Saisonbilanz passt zur Saison");
        jederSpielerEinmal();
    }

    // Kein Spieler steht zweimal in den Kadern der Manager.
    void jederSpielerEinmal()
    {
        std::set<std::tuple<std::string, std::string, int, std::string>> gesehen;
        for (int m = 0; m <= S.Spiel.ManagerHoch; ++m)
            for (int i = 1; i <= S.Manager[m].KaderAnzahl && i <= 23; ++i) {
                const Kaderspieler_& k = S.Manager[m].Kader[i];
                if (!gesehen.insert({std::string(k.Vorname.roh()), std::string(k.Nachname.roh()), k.Alter,
                                     std::string(k.Nation.roh())})
                         .second)
                    fehler.push_back(wo + ": " + std::string(k.Vorname.roh()) + " " + std::string(k.Nachname.roh()) +
                                     " steht zweimal in den Kadern");
            }
    }
};

} // namespace torvane
