// Für beide Fuzzer: nach einer angenommenen Eingabe einen Wettbewerbstag spielen, wie der
// Automat ohne Bildschirm, und den Stand im Speicher speichern und wieder laden. Jeder
// Laufzeitfehler dabei ist ein Fund: er fliegt bis zum Fuzzer durch. Keine Datei, keine Uhr.
#pragma once

#include "core/AutoOberflaeche.h"
#include "core/Sitzung.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "flow/Assistent.h"
#include "flow/Zug.h"
#include "season/Pleite.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace torvane {

// Der Computermanager antwortet auf alles, was sein Zug fragt.
inline void AutomatEinsetzen()
{
    static AutoOberflaeche automat;
    automat.dialogAntwort = [](const std::string& text, Knoepfe k) { return AssistentAntwort(S.AktManager, text, k); };
    automat.angebotAntwort = [](const Angebotsfrage& f) { return AssistentAngebot(S.AktManager, f); };
    automat.nachrichtAntwort = [](const std::string&, const std::string& text, NachrichtArt art) {
        return AssistentKnopf(S.AktManager, text, art);
    };
    OberflaecheSetzen(&automat);
}

inline void EinenTagSpielen()
{
    // Ohne Spielnamen speichert auch das automatische Speichern nie in eine Datei.
    S.Spielname.clear();
    const long ziel = Sitzung.GespielteTage + 1;
    Sitzung.TageGrenze = ziel;
    for (int zug = 0; Sitzung.GespielteTage < ziel && !SpielVorbei(); ++zug) {
        if (zug > 100) {
            // Kann das Konto die Kosten des Abschlusses nicht tragen, wartet das Spiel mit seiner Meldung
            // auf den Spieler (Aktien, Spieler oder Plätze verkaufen); der Automat tut das nicht, und
            // ohne Bildschirm sagt --autoplay "Der Automat kommt nicht weiter". Alles andere ist ein Fund.
            if (Sitzung.AbschlussOhneDeckung) break;
            std::abort();
        }
        if (Sitzung.ZugOffen && HatSpiel(S.AktManager)) AssistentZug(S.AktManager);
        AbschlussClick();
    }
    Sitzung.TageGrenze = -1;
}

// Was gespielt wurde, lässt sich speichern und genau so wieder laden.
inline void SpeichernUndLaden()
{
    if (SpielVorbei()) return; // ohne Manager gibt es nichts zu speichern
    const std::string bytes = SpielstandSchreiben();
    std::string fehler;
    if (!SpielstandLesen(bytes, fehler)) {
        std::fprintf(stderr, "Eigener Spielstand abgewiesen: %s\n", fehler.c_str());
        std::abort();
    }
    if (SpielstandSchreiben() != bytes) std::abort();
}

} // namespace torvane
