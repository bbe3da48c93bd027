// Gemeinsame Bausteine der Ablauf- und Saisontests: eine kleine Welt, ein Spiel auf den
// ausgelieferten Grunddaten und eine Oberfläche, die wie der Automat antwortet und alles mitschreibt.
#pragma once

#include "core/AutoOberflaeche.h"
#include "core/Pfade.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "flow/Autoplay.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace torvane {

// Schreibt Meldungen ("kopf|text" bzw. Dialogtext), Klänge, Wartezeiten und das Warten auf einen
// Befehl ("warte:weiter" unter den Klängen) mit. Ok/Abbrechen wird bestätigt, sonst bliebe jeder
// überzogene Zug offen; frage kann einzelne Dialoge anders beantworten.
struct Mitschrift : AutoOberflaeche {
    std::vector<std::string> texte, klaenge;
    std::vector<int> wartezeiten;
    std::function<Antwort(const std::string&, Knoepfe)> frage;
    Mitschrift() { OberflaecheSetzen(this); }
    ~Mitschrift() override { OberflaecheSetzen(nullptr); }
    Befehlswert nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int x, int y,
                          int bild) override
    {
        texte.push_back(kopf + "|" + text);
        return AutoOberflaeche::nachricht(kopf, text, art, x, y, bild);
    }
    Antwort dialog(DialogArt, const std::string& text, Knoepfe k) override
    {
        texte.push_back(text);
        if (frage) return frage(text, k);
        return k == Knoepfe::Ok || k == Knoepfe::OkAbbrechen ? Antwort::Ok : Antwort::Nein;
    }
    void klang(const std::string& name, bool) override { klaenge.push_back(name); }
    void warte(int ms, bool) override { wartezeiten.push_back(ms); }
    void warteAufBefehl(Befehlswert erwartet) override
    {
        klaenge.push_back("warte:" + std::string(BefehlName(erwartet)));
        AutoOberflaeche::warteAufBefehl(erwartet);
    }
    size_t anzahl(const std::string& teil) const
    {
        return static_cast<size_t>(
            std::count_if(texte.begin(), texte.end(), [&](const std::string& t) { return t.find(teil) != t.npos; }));
    }
    bool enthaelt(const std::string& teil) const { return anzahl(teil) > 0; }
    long klaengeMit(const std::string& name) const { return std::count(klaenge.begin(), klaenge.end(), name); }
};

// Eine Welt ohne Grunddaten: 72 Ligavereine auf ihren Plätzen und 18 der Verbandsliga (Nation "D"),
// Nationen 2..16 mit je sechs Vereinen (Nation 2 mit Bonus -10) und je Position ein Pool von Spielern.
inline void Grundwelt(int jePosition = 60, const std::string& positionen = "TVMS")
{
    S = Spielstand{};
    S.Nation[1] = Nation_{"D", "Deutschland", 0};
    for (int n = 2; n <= 16; ++n)
        S.Nation[n] = Nation_{"N" + std::to_string(n), "Land " + std::to_string(n),
                              static_cast<int8_t>(n == 2 ? -10 : n - 8)};
    S.Spiel.NationAnzahl = 16;
    S.Spiel.DeutscheHoch = 90;
    S.Spiel.MannschaftHoch = 180;
    S.Mannschaft.laengeSetzen(181);
    for (int i = 1; i <= 180; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        const int n = i <= 90 ? 1 : (i - 91) / 6 + 2;
        v.Name = n == 1 ? "Verein " + std::to_string(i)
                        : "Ausland " + std::to_string(n) + "-" + std::to_string((i - 91) % 6 + 1);
        v.Nation = S.Nation[n].Kuerzel;
        v.Liga = static_cast<uint8_t>(i <= 72 ? (i - 1) / 18 + 1 : n == 1 ? 5 : 1);
        v.Platz = static_cast<uint8_t>(i <= 72 ? (i - 1) % 18 + 1 : 0);
        v.Moral = 50;
        v.Verteidigung = v.Mittelfeld = v.Angriff = v.Gesamt = 30;
        v.Legende = "..........";
    }
    S.Spieler.laengeSetzen(1 + jePosition * static_cast<int>(positionen.size()));
    int p = 0;
    for (char pos : positionen)
        for (int k = 1; k <= jePosition; ++k) {
            Spieler_& s = S.Spieler[++p];
            s.Vorname = "Vor" + std::to_string(p);
            s.Nachname = std::string("Spieler ") + pos + std::to_string(k);
            s.Position = std::string(1, pos);
            s.Nation = "D";
            s.Zusatz = "Z" + std::to_string(p);
        }
    S.Spiel.SpielerHoch = p;
}

// Legt ein Spiel mit den ersten n Vorgabenamen auf den ausgelieferten Grunddaten an.
inline bool SpielAufGrunddaten(int n)
{
    const std::string vorher = Pfade.Daten;
    Pfade.Daten = TORVANE_QUELLEN "/daten/";
    std::vector<std::pair<std::string, std::string>> manager;
    for (int m = 0; m < n; ++m) manager.emplace_back(Vorgabenamen[m].Name, Vorgabenamen[m].Verein);
    const bool ok = NeuesSpielOhneBildschirm(manager);
    Pfade.Daten = vorher;
    return ok;
}

inline std::string NameVon(const Kaderspieler_& s) { return s.Vorname.text() + " " + s.Nachname.text(); }

// Dasselbe aus leerem Spielstand und mit fester Saat.
inline void EchtesSpiel(int n, uint32_t saat)
{
    S = Spielstand{};
    ZufallSetzen(saat);
    ASSERT_TRUE(SpielAufGrunddaten(n));
}

// Das Spiel ohne Bildschirm mit den ausgelieferten Grunddaten: Exit-Code und beide Ausgaben.
struct Ausgabe {
    int code = -1;
    std::string aus, fehler;
    // Die Zahl vor " Wettbewerbstage gespielt" in der Schlusszeile.
    long tage() const
    {
        const auto ende = aus.find(" Wettbewerbstage gespielt");
        return ende == std::string::npos ? -1 : std::atol(aus.c_str() + aus.rfind(' ', ende - 1) + 1);
    }
};

inline Ausgabe Lauf(const std::vector<std::string>& argumente)
{
    AutoplayOptionen o;
    Ausgabe a;
    if (!AutoplayArgumente(argumente, o, a.fehler)) return a;
    const std::string vorher = Pfade.Daten;
    Pfade.Daten = TORVANE_QUELLEN "/daten/";
    std::ostringstream aus, fehler;
    a.code = Autoplay(o, aus, fehler);
    Pfade.Daten = vorher;
    a.aus = aus.str();
    a.fehler = fehler.str();
    return a;
}

} // namespace torvane
