// Der Ratgeber über viele Züge: für den Manager am Zug erst die Ratschläge, dann spielt der
// Computermanager (oder der Zug bleibt leer, wie bei einem passiven Menschen). Geprüft wird,
// was der Ratgeber verspricht, und dass der Computermanager nur tut, was auf der Liste stand.
#include "Spielwelt.h"
#include "core/SpielstandDatei.h"
#include "finance/Stadion.h"
#include "finance/Vermoegen.h"
#include "flow/Assistent.h"
#include "flow/Ratgeber.h"
#include "season/Pleite.h"
#include "squad/Kader.h"
#include "squad/Training.h"
#include "squad/Verhandlung.h"

#include <optional>
#include <set>

using namespace torvane;

namespace {

struct Zaehler {
    long zuege = 0, zeilen = 0, pleiten = 0, kaeufe = 0, abschluesse = 0;
    std::vector<std::string> fehler;
    void wahr(bool b, const std::string& was)
    {
        if (!b && fehler.size() < 20)
            fehler.push_back("Saison " + std::to_string(S.Spiel.Saison) + ", Tag " + std::to_string(S.Spiel.Spieltag) +
                             ", Manager " + std::to_string(int{S.AktManager}) + ": " + was);
    }
};

std::set<std::string> Namen(const Manager_& mg, int status)
{
    std::set<std::string> n;
    for (int i = 1; i <= mg.KaderAnzahl; ++i)
        if (status < 0 || mg.Kader[i].Transferstatus == status) n.insert(NameVon(mg.Kader[i]));
    return n;
}

// Gebühr und Ablöse, die die Verhandlung mit den Schiebern des Computermanagers bucht; der Spielstand
// bleibt, wie er war.
int64_t Verhandelt(int m, int zeile)
{
    const Spielstand vorher = S;
    const int64_t konto = S.Manager[m].Kontostand;
    int64_t gebucht = -1;
    if (KaufVerhandlungOeffnen(m, zeile, AssistentKaufregler)) {
        gebucht = konto - S.Manager[m].Kontostand + Sitzung.Verhandlung.Abloese;
        VerhandlungAbbrechen();
    }
    S = vorher;
    return gebucht;
}

void RatPruefen(int m, const std::vector<Rat>& raete, Zaehler& z)
{
    const Manager_& mg = S.Manager[m];
    z.zeilen += static_cast<long>(raete.size());
    const bool pleite = VermoegenWert(m) <= 0;
    z.pleiten += pleite;
    z.wahr(pleite == (!raete.empty() && raete.front().thema == Rat::Pleite), "die Pleitezeile steht nicht genau dann vorn");
    const std::vector<int> elf = BesteElf(m);
    const std::array<int, 4> bedarf = LinienBedarf(m);
    int64_t ausgegeben = 0;
    for (const Rat& r : raete) {
        if (!r.entscheidung) continue;
        const Entscheidung& e = *r.entscheidung;
        if (e.art == Entscheidung::Verkaufen) {
            z.wahr(std::find(elf.begin(), elf.end(), e.ziel) == elf.end(), "Verkauf aus der besten Elf: " + r.text);
            int linie = 0;
            for (int i = 1; i <= mg.KaderAnzahl; ++i)
                linie += i != e.ziel && mg.Kader[i].Transferstatus == 0 &&
                         AssistentLinie(mg.Kader[i]) == AssistentLinie(mg.Kader[e.ziel]);
            z.wahr(linie > bedarf[static_cast<size_t>(AssistentLinie(mg.Kader[e.ziel]))], "Verkauf lässt die Linie knapp");
            const auto p = SpielerVerkaufenPruefen(m, e.ziel);
            z.wahr(p.plan && -p.plan->Kosten == e.geld, "Gebühr anders als beim Listen");
        }
        if (e.geld < 0 && e.art != Entscheidung::Pleite && e.art != Entscheidung::Verkaufen) {
            ausgegeben -= e.geld;
            z.wahr(KontoNachAbschluss(m) + mg.Sparbuch - mg.Kredit - ausgegeben >= e.ruecklage,
                   "Kauf ohne die genannte Rücklage: " + r.text);
        }
        // Was der Rat nennt, bucht der Bildschirm hinter seinem Knopf.
        if (e.art == Entscheidung::Plaetze)
            z.wahr(PlaetzeKaufenPruefen(m, e.ziel).plan->Buchung == e.geld, "Platzpreis anders als im Stadion");
        if (e.art == Entscheidung::Komfort)
            z.wahr(KomfortKaufenPruefen(m, e.ziel).plan->Buchung == e.geld, "Komfortpreis anders als im Stadion");
        if (e.art == Entscheidung::Lager)
            z.wahr(LagerPruefen(m, e.ziel, 10).plan->Werte.Preis == -e.geld, "Lagerpreis anders als im Training");
        if ((e.art == Entscheidung::Kaufen || e.art == Entscheidung::Verstaerken) && ++z.kaeufe % 4 == 1)
            z.wahr(Verhandelt(m, e.ziel) == -e.geld, "Kaufpreis anders als in der Verhandlung: " + r.text);
    }
    // Kein leerer Rat, solange ein Stammspieler um die Marge schwächer ist als ein bezahlbarer Marktspieler.
    if (!raete.empty() || mg.KaderAnzahl >= 23) return;
    for (int i : elf)
        for (int r = 1; r <= 11; ++r) {
            const Kaderspieler_& s = S.Transferliste[r];
            z.wahr(s.Transferstatus == 0 || AssistentLinie(s) != AssistentLinie(mg.Kader[i]) ||
                       s.Staerke - mg.Kader[i].Staerke < AssistentMarge ||
                       AssistentKaufpreis(s) > KontoNachAbschluss(m) + mg.Sparbuch - mg.Kredit - AssistentRuecklage(m),
                   "\"Alles im Lot\" neben " + NameVon(s));
        }
}

// Was der Computermanager tat, stand auf der Liste: Neue kamen aus den genannten Marktzeilen,
// Gelistete waren genannt, Plätze und Trainer wie genannt.
void ZugPruefen(int m, AssistentStufe stufe, const std::vector<Rat>& raete, Zaehler& z)
{
    const Manager_& mg = S.Manager[m];
    std::set<std::string> kaufbar, listbar;
    int plaetze = 0, trainer = -1;
    int64_t trainerPreis = 0;
    for (const Rat& r : raete) {
        if (!r.entscheidung) continue;
        const Entscheidung& e = *r.entscheidung;
        if (e.art == Entscheidung::Kaufen || e.art == Entscheidung::Verstaerken) kaufbar.insert(NameVon(S.Transferliste[e.ziel]));
        if (e.art == Entscheidung::Verkaufen) listbar.insert(NameVon(mg.Kader[e.ziel]));
        if (e.art == Entscheidung::Verstaerken) listbar.insert(NameVon(mg.Kader[e.bezug]));
        if (e.art == Entscheidung::Plaetze) plaetze = e.ziel;
        if (e.art == Entscheidung::Trainer) {
            trainer = e.ziel;
            trainerPreis = -e.geld;
        }
    }
    const std::set<std::string> vorher = Namen(mg, -1), gelistet = Namen(mg, 1);
    const int32_t plaetzeVorher = mg.Plaetze;
    const int trainerVorher = mg.Trainer;
    AssistentZug(m, stufe);
    for (const std::string& n : Namen(mg, -1))
        z.wahr(vorher.count(n) > 0 || kaufbar.count(n) > 0, "Kauf ohne Rat: " + n);
    for (const std::string& n : Namen(mg, 1))
        z.wahr(gelistet.count(n) > 0 || listbar.count(n) > 0, "Verkauf ohne Rat: " + n);
    z.wahr(mg.Plaetze == plaetzeVorher || mg.Plaetze == plaetzeVorher + plaetze, "Plätze ohne Rat");
    z.wahr(mg.Trainer == trainerVorher || (mg.Trainer == trainer && mg.TrainerPreis == trainerPreis),
           "Trainer ohne Rat oder zu einem anderen Preis");
}

void Spielen(uint32_t saat, bool passiv, AssistentStufe stufe, int saisons, Zaehler& z)
{
    Mitschrift ui;
    if (!passiv) ui.frage = [](const std::string& text, Knoepfe k) { return AssistentAntwort(S.AktManager, text, k); };
    EchtesSpiel(4, saat);
    long beendet = 0;
    while (beendet < saisons && z.fehler.size() < 20) {
        if (SpielVorbei()) {
            ASSERT_TRUE(SpielAufGrunddaten(4));
        }
        const int m = S.AktManager;
        if (Sitzung.ZugOffen && HatSpiel(m)) {
            ++z.zuege;
            // Der Ratgeber ändert nichts; geprüft bei jedem zehnten Zug, das Schreiben kostet Zeit.
            const std::string stand = z.zuege % 10 == 0 ? SpielstandSchreiben() : std::string();
            const std::vector<Rat> raete = Ratschlaege(m, stufe);
            if (!stand.empty()) z.wahr(SpielstandSchreiben() == stand, "der Ratgeber ändert den Spielstand");
            RatPruefen(m, raete, z);
            if (!passiv) ZugPruefen(m, stufe, raete, z);
            else if (Sitzung.AbschlussOhneDeckung) SparbuchAufsKonto(m);
        }
        // Die Vorschau, nach der Dispo und jede Rücklage gerechnet sind, ist das, was der Abschluss
        // bis zu seinen Ligabuchungen bucht.
        std::optional<int64_t> gebucht;
        const int64_t vorschau = KontoNachAbschluss(m);
        Sitzung.AbschlussPruefstelle = [&](int schritt) {
            if (schritt == 5 && !gebucht) gebucht = S.Manager[m].Kontostand;
        };
        const long vor = Sitzung.BeendeteSaisons;
        AbschlussClick();
        Sitzung.AbschlussPruefstelle = nullptr;
        if (gebucht) {
            ++z.abschluesse;
            z.wahr(*gebucht == vorschau, "Abschluss bucht " + std::to_string(*gebucht) + ", Vorschau " + std::to_string(vorschau));
        }
        beendet += std::max(0L, Sitzung.BeendeteSaisons - vor);
    }
}

} // namespace

TEST(RatgeberEigenschaft, VieleZuege)
{
    constexpr AssistentStufe Neu = AssistentStufe::Neu, Alt = AssistentStufe::Alt;
    struct Fall {
        uint32_t saat;
        bool passiv;
        AssistentStufe stufe; // in der der Ratgeber rät und der Computermanager spielt
        int saisons;
    };
    Zaehler z;
    for (const Fall& f : {Fall{3, false, Neu, 6}, Fall{11, false, Neu, 6}, Fall{23, false, Alt, 6}, Fall{7, true, Neu, 5},
                          Fall{19, true, Neu, 5}, Fall{31, true, Alt, 5}}) {
        SCOPED_TRACE(testing::Message() << "Saat " << f.saat << (f.passiv ? " passiv" : ""));
        Spielen(f.saat, f.passiv, f.stufe, f.saisons, z);
    }
    for (const auto& f : z.fehler) ADD_FAILURE() << f;
    RecordProperty("Zuege", static_cast<int>(z.zuege));
    RecordProperty("Zeilen", static_cast<int>(z.zeilen));
    std::printf("Ratgeber geprüft: %ld Züge, %ld Zeilen, %ld vor der Pleite, %ld Käufe, %ld Abschlüsse\n", z.zuege,
                z.zeilen, z.pleiten, z.kaeufe, z.abschluesse);
    EXPECT_GT(z.zuege, 4000);
    EXPECT_GT(z.pleiten, 0) << "die passiven Manager erreichen die Pleite";
}
