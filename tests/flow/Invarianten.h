// Die Invarianten eines Spielstands: Bereiche, Tabellenordnung, Kader, Geld und Stadion.
// Gemeinsam für den Dauerlauf ohne Bildschirm und die Zufallseingaben am Fenster.
#pragma once

#include "core/SpielstandSinn.h"
#include "core/Variablen.h"

#include <set>
#include <string>
#include <utility>
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
        // Bereiche, Indizes und Kader: dieselbe Prüfung, die jeder geladene Spielstand besteht.
        for (const std::string& f : SpielstandSinnFehler(S)) fehler.push_back(wo + ": " + f);

        std::set<std::string> alle;
        for (int liga = 1; liga <= 4; ++liga)
            for (int p = 2; p <= 18; ++p) {
                const int i = VereinAufPlatz(liga, p);
                alle.insert(std::string(S.Mannschaft[i].Name.roh()));
                wahr(S.Mannschaft[i - 1].Punkte >= S.Mannschaft[i].Punkte,
                     "Verein " + std::to_string(i) + " Tabellenordnung");
            }
        for (int liga = 1; liga <= 4; ++liga) alle.insert(std::string(S.Mannschaft[VereinAufPlatz(liga, 1)].Name.roh()));
        wahr(alle.size() == 72, "72 verschiedene Vereine in den Ligen 1..4, gefunden " + std::to_string(alle.size()));
        // Ein Spieler steht nur an einer Stelle, im Pool oder auf dem Markt; sonst käme er zweimal in
        // die Kader. (Ältere Spielstände können das noch haben; darum prüft es nicht das Laden.)
        std::set<std::string> namen;
        auto einmal = [&](const auto& x, const std::string& wo) {
            if (x.Vorname.leer()) return;
            const std::string name = std::string(x.Vorname.roh()) + "|" + std::string(x.Nachname.roh()) + "|" +
                                     std::string(x.Nation.roh());
            wahr(namen.insert(name).second, wo + ": derselbe Spieler steht zweimal in Pool und Markt");
        };
        for (int i = 1; i <= S.Spieler.hoch(); ++i) einmal(std::as_const(S.Spieler)[i], "Pool " + std::to_string(i));
        for (int r = 1; r <= 11; ++r) einmal(S.Transferliste[r], "Markt " + std::to_string(r));
        for (int i = 1; i <= 72; ++i) {
            const Mannschaft_& v = S.Mannschaft[i];
            // Stellt die Aufstellung mehr Spieler in eine Linie, als das System Plätze hat, zählt
            // ihre Summe: bis elfmal die höchste Stärke und der Einsatz.
            const long linieHoch = ManagerVonVerein(i) >= 0 ? 11 * StaerkeHoch + 10 : 200;
            for (int linie : {v.Verteidigung, v.Mittelfeld, v.Angriff})
                bereich("Verein " + std::to_string(i) + " Linie", linie, 0, linieHoch);
        }
    }
};

} // namespace torvane
