// Bausteine der Ereignistests: eine Oberfläche, die jede Meldung mit Art und Bild mitschreibt,
// geplante Ziehungen statt Zufall und ein kleiner Verein in der Testwelt.
#pragma once

#include "../flow/Spielwelt.h"
#include "season/Ereignis.h"
#include "squad/Kader.h"

#include <deque>
#include <stdexcept>

namespace torvane {

struct Zuschauer : AutoOberflaeche {
    struct Meldung {
        std::string kopf, text;
        NachrichtArt::Typ art;
        int bild;
    };
    std::vector<Meldung> meldungen;
    std::vector<std::string> dialoge, klaenge;
    std::vector<int> wartezeiten;
    std::deque<std::string> antworten; // für "Jein" und Ja/Nein-Fragen; leer: "Nein"

    Zuschauer() { OberflaecheSetzen(this); }
    ~Zuschauer() override { OberflaecheSetzen(nullptr); }

    std::string naechste()
    {
        if (antworten.empty()) return "Nein";
        std::string a = antworten.front();
        antworten.pop_front();
        return a;
    }
    Befehlswert nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int, int,
                          int bild) override
    {
        meldungen.push_back({kopf, text, art.typ, bild});
        if (art.typ != NachrichtArt::Jein) return Befehlswert::NachrichtWeiter;
        return naechste() == "Ja" ? Befehlswert::Ja : Befehlswert::Nein;
    }
    Antwort dialog(DialogArt, const std::string& text, Knoepfe k) override
    {
        dialoge.push_back(text);
        if (k == Knoepfe::Ok) return Antwort::Ok;
        return naechste() == "Ja" ? Antwort::Ja : Antwort::Nein;
    }
    void klang(const std::string& name, bool bisEnde) override { klaenge.push_back(name + (bisEnde ? "!" : "")); }
    void warte(int ms, bool) override { wartezeiten.push_back(ms); }

    size_t anzahl() const { return meldungen.size() + dialoge.size(); }
    const Meldung& letzte() const
    {
        if (meldungen.empty()) throw std::logic_error("keine Meldung");
        return meldungen.back();
    }
    void leeren()
    {
        meldungen.clear();
        dialoge.clear();
        klaenge.clear();
        wartezeiten.clear();
    }
};

// Die Ziehungen der Ereignisse der Reihe nach; eine ungeplante oder unmögliche Ziehung ist ein Fehler.
struct Ziehungen {
    std::deque<int32_t> werte;
    explicit Ziehungen(std::initializer_list<int32_t> w = {}) : werte(w)
    {
        Sitzung.EreignisZiehung = [this](int32_t von, int32_t bis) {
            const std::string was = "Zufall(" + std::to_string(von) + ", " + std::to_string(bis) + ")";
            if (werte.empty()) throw std::logic_error("ungeplante Ziehung " + was);
            const int32_t v = werte.front();
            werte.pop_front();
            // Bei bis < von liefert Zufall Werte in bis + 2 .. von.
            const int32_t unten = von <= bis ? von : std::min(von, bis + 2);
            const int32_t oben = von <= bis ? bis : von;
            if (v < unten || v > oben) throw std::logic_error(std::to_string(v) + " ist unmöglich bei " + was);
            return v;
        };
    }
    ~Ziehungen() { Sitzung.EreignisZiehung = nullptr; }
    Ziehungen(const Ziehungen&) = delete;
    Ziehungen& operator=(const Ziehungen&) = delete;
};

// Spielt Ereignis n mit genau diesen Ziehungen.
inline void Spiele(int n, std::initializer_list<int32_t> ziehungen = {})
{
    Ziehungen z(ziehungen);
    Ereignis(n);
    EXPECT_TRUE(z.werte.empty()) << "Ereignis " << n << " zog zu wenig";
}

inline Kaderspieler_ Kaderspieler(const std::string& vorname, const std::string& position, int technik,
                                  int konstitution, int alter = 25)
{
    Kaderspieler_ s{};
    s.Vorname = vorname;
    s.Nachname = "Beispiel";
    s.Position = position;
    s.Nation = "D";
    s.Technik = static_cast<int16_t>(technik);
    s.Konstitution = static_cast<int16_t>(konstitution);
    s.Alter = static_cast<int16_t>(alter);
    s.Vertrag = 2;
    BerechneSpieler(s);
    return s;
}

// Manager 0 "Quirin" auf Platz 1 der Liga liga mit 1 000 000 €, 12 000 Plätzen, Kurs 500 und
// sechs Spielern (Anton T, Berta V, Carl V, Dora M, Emil M, Fritz S).
inline void Ereigniswelt(int liga = 4)
{
    Grundwelt(10);
    S.Spiel.ManagerHoch = 0;
    S.Spiel.Saison = 2;
    S.Spiel.Aktienkurs = 500;
    S.AktManager = 0;
    Manager_& mg = S.Manager[0];
    mg.Name = "Quirin";
    mg.Liga = static_cast<int8_t>(liga);
    mg.Platz = 1;
    mg.Vereinsname.rohSetzen(S.Mannschaft[VereinAufPlatz(liga, 1)].Name.roh());
    mg.SpielSystem = "343";
    mg.Managerpunkte = 50.0f;
    mg.Kontostand = 1000000;
    mg.Plaetze = 12000;
    mg.Komfortpunkte = 10;
    mg.DauerkartenImVerkauf = 1000;
    mg.Baelle = 5;
    mg.BaelleTechnik = 3;
    mg.BaelleKonstitution = 2;
    mg.Trainer = -1;
    S.Optionen[0][OptAutoaufstellung] = 1;
    const Kaderspieler_ kader[] = {Kaderspieler("Anton", "T", 60, 30), Kaderspieler("Berta", "V", 70, 40),
                                   Kaderspieler("Carl", "V", 1, 1),    Kaderspieler("Dora", "M", 120, 60),
                                   Kaderspieler("Emil", "M", 50, 20),  Kaderspieler("Fritz", "S", 90, 60)};
    for (const auto& s : kader) mg.Kader[++mg.KaderAnzahl] = s;
    BerechneMannschaft(0, 0);
}

inline int Kontostand() { return S.Manager[0].Kontostand; }

} // namespace torvane
