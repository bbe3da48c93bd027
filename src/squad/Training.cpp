#include "squad/Training.h"

#include "core/Bruch.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "flow/Zug.h"
#include "squad/Kader.h"
#include "squad/Markt.h"

#include <algorithm>
#include <vector>

namespace torvane {

namespace {
std::string Zahl(int64_t z) { return std::to_string(z); }

uint8_t& Schwerpunkt(Manager_& mg, int linie)
{
    switch (linie) {
    case LinieVerteidigung: return mg.TrainingVerteidigung;
    case LinieMittelfeld: return mg.TrainingMittelfeld;
    case LinieAngriff: return mg.TrainingAngriff;
    default: BereichFehler("Linie", linie, 0, 2);
    }
}

// Die beiden anderen Linien in der Reihenfolge, in der ein Gleichstand entschieden wird:
// erst die Verteidigung, dann das Mittelfeld.
std::array<int, 2> Andere(int linie)
{
    if (linie == LinieVerteidigung) return {LinieMittelfeld, LinieAngriff};
    if (linie == LinieMittelfeld) return {LinieVerteidigung, LinieAngriff};
    return {LinieVerteidigung, LinieMittelfeld};
}
} // namespace

// --- Trainingsplan ---

int FreieBaelle(int m)
{
    const Manager_& mg = S.Manager[m];
    return std::max(0, mg.Baelle - mg.BaelleTechnik - mg.BaelleKonstitution);
}

bool BaelleSetzen(int m, Skala skala, int anzahl)
{
    Manager_& mg = S.Manager[m];
    uint8_t& liegen = skala == Skala::Technik ? mg.BaelleTechnik : mg.BaelleKonstitution;
    const int ziel = std::clamp(anzahl, 0, std::min(BallPlaetze, liegen + FreieBaelle(m)));
    if (ziel == liegen) return false;
    liegen = static_cast<uint8_t>(ziel);
    return true;
}

bool BallKlick(int m, Skala skala, int x)
{
    const Manager_& mg = S.Manager[m];
    const int liegen = skala == Skala::Technik ? mg.BaelleTechnik : mg.BaelleKonstitution;
    // Ein Klick auf einen liegenden Ball nimmt einen weg, dahinter legt er einen dazu.
    const int platz = std::max(0, x) / BallAbstand + 1;
    return BaelleSetzen(m, skala, platz <= liegen ? liegen - 1 : liegen + 1);
}

std::string BaelleText(int m)
{
    return Tf("%1 von %2 Bälle(n) zu verteilen", {Zahl(FreieBaelle(m)), Zahl(S.Manager[m].Baelle)});
}

std::string StundenText(int stunden) { return Tf("%1 Stunden Training pro Tag", {Zahl(stunden)}); }

void StundenSetzen(int m, int stunden) { SETZE(S.Manager[m].Trainingsstunden, std::clamp(stunden, 1, 10)); }

bool SchwerpunktHoch(int m, Linie linie)
{
    Manager_& mg = S.Manager[m];
    uint8_t& w = Schwerpunkt(mg, linie);
    if (w + 10 > 100) return false;
    const auto [a, b] = Andere(linie);
    uint8_t& geber = Schwerpunkt(mg, a) >= Schwerpunkt(mg, b) ? Schwerpunkt(mg, a) : Schwerpunkt(mg, b);
    if (geber < 10) return false; // kommt bei einer Summe von 100 nicht vor
    geber = static_cast<uint8_t>(geber - 10);
    w = static_cast<uint8_t>(w + 10);
    return true;
}

bool SchwerpunktRunter(int m, Linie linie)
{
    Manager_& mg = S.Manager[m];
    uint8_t& w = Schwerpunkt(mg, linie);
    if (w < 10) return false;
    const auto [a, b] = Andere(linie);
    uint8_t& nehmer = Schwerpunkt(mg, a) <= Schwerpunkt(mg, b) ? Schwerpunkt(mg, a) : Schwerpunkt(mg, b);
    nehmer = static_cast<uint8_t>(nehmer + 10);
    w = static_cast<uint8_t>(w - 10);
    return true;
}

std::string TrainingsergebnisText()
{
    if (S.Spiel.Spieltag < 1 || S.Trainingsbericht.empty()) return T("Trainingsergebnisse gibt`s nach dem 1.Spieltag !");
    return TrainingsberichtZeigen(S.Trainingsbericht);
}

// --- Sondertrainer ---

bool HatTrainer(int m) { return S.Manager[m].Trainer >= 1; }

int64_t TrainerKuendigungskosten(int m)
{
    const Manager_& mg = S.Manager[m];
    if (!HatTrainer(m)) return 0;
    // Ein Zehntel des Preises plus die restlichen Gehälter, als Ganzes zur Null hin abgeschnitten.
    return (static_cast<int64_t>(mg.TrainerPreis) + 10 * static_cast<int64_t>(mg.TrainerGehalt) * mg.TrainerSpiele) /
           10;
}

Trainerpruefung TrainerKuendigenPruefen(int m)
{
    if (!HatTrainer(m)) return {};
    const Manager_& mg = S.Manager[m];
    const int64_t kosten = TrainerKuendigungskosten(m);
    // Kosten, die das Konto nicht fasst, machen die Kündigung unmöglich; ein Überschuss wird bis an die Grenze gebucht.
    const int64_t saldo = int64_t{mg.TrainerPreis} - kosten;
    if (!KontoPasst(mg.Kontostand, std::min<int64_t>(saldo, 0))) return {std::nullopt, T(BetragZuGrossText)};
    Trainerplan p;
    p.Buchung = saldo;
    p.Rueckfrage = Tz("Ohne Trainer müssen Sie das Training neu gestalten.\nSicher, für %1 kündigen ?",
                      {Geldtext(static_cast<double>(kosten)) + Waehrung});
    return {p, {}};
}

bool TrainerKuendigen(int m)
{
    const Trainerpruefung pruefung = TrainerKuendigenPruefen(m);
    if (!pruefung.plan) {
        if (!pruefung.ablehnung.empty()) Hinweis(pruefung.ablehnung);
        return false;
    }
    if (!Frage(pruefung.plan->Rueckfrage)) return false;
    TrainerFreigeben(m);
    KontoBuchen(S.Manager[m].Kontostand, pruefung.plan->Buchung);
    SpielstandGeaendert();
    return true;
}

// --- Trainingslager ---

// Namen und Beschreibungen gehen beim Zeigen durch T().
const std::array<Lager_, 4> Lager = {{
    {"", ""},
    {N_("Am Bahnhof"),
     N_("Uff, Oben Ohne Bedienung, Alkoholzwang, Nonstop Partys mit wüsten Schlägereien und kostenlose Puffbesuche. "
        "Pissparaden am laufenden Band. N´en Fußball oder Artzt sollen mal hier gesehen worden sein.")},
    {N_("Zum Hirschen"),
     N_("Hier ist´s so richtig Hübsch, Freidhofsruhe, der nahe gelegende Wald läd zum laufen ein, Überdachter "
        "Rasenplatz mit Sporthalle und deftige Hausmanskost. Ein Artzt und Masseur stehen Tagsüber zur verfügung.")},
    {N_("Sporthotel Hawai"),
     N_("Ein Kamp der extra Sorte, strenge Bettgehzeiten, Optimale Trainingsbedingungen, speziale Ärtztliche "
        "Betreuung und Trainingsgeräte aller Art. Sportlich der absolute Höhepunkt.")},
}};

const std::array<const char*, 40> Lagertaetigkeiten = {
    N_("Fummelt"), N_("Kotzt"), N_("Schwitzt"), N_("Pinkelt"), N_("Friert"), N_("Fummelt an sich rum"),
    N_("ist weg"), N_("Läuft"), N_("Spurtet"), N_("übt Elfmeterschießen"), N_("kramt in der Tasche"),
    N_("Raucht"), N_("Küßt die Freundin"), N_("Betet"), N_("macht Liegestütze"), N_("sonnt sich"),
    N_("Trinkt"), N_("prügelt sich"), N_("Pfeift"), N_("Singt"), N_("sucht den Ball"),
    N_("erzählt einen schmutzigen Witz"), N_("holt Wasser"), N_("üpt Stoppen"), N_("liest"),
    N_("zählt sein Geld"), N_("lernt die Abseitsfalle"), N_("probiert Finten"), N_("mäht den Rasen"),
    N_("verkauft Würstchen"), N_("steht am Grill"), N_("brüllt rum"), N_("Torkelt"), N_("Mastrubiert"),
    N_("sitzt auf`m Klo"), N_("singt Soldatenlieder"), N_("pumpt die Bälle auf"), N_("spiel am Trainer rum"),
    N_("Duscht"), N_("lernt Rotzen")};

Lagerwerte LagerBerechnen(int kaderAnzahl, int lager, int tage)
{
    if (lager < 1 || lager > 3) BereichFehler("Trainingslager", lager, 1, 3);
    const int64_t d = std::clamp(tage, 1, 10);
    // Round(1,2 * c): 1, 2, 4.
    const int64_t q = lager == 1 ? 1 : lager == 2 ? 2 : 4;
    int64_t a = 10 * q, b = 5 * q;
    const int64_t f = 5 * q, g = 3 * q;
    if (lager == 2) b = 2 * b + 2;
    if (lager == 3) a = 2 * a + 2;
    auto spanne = [d](int64_t basis) {
        return Spanne{static_cast<int>(-RundenBruch(basis * d, 50)), static_cast<int>(RundenBruch(basis * d, 20))};
    };
    Lagerwerte w;
    w.Preis = static_cast<int64_t>(kaderAnzahl) * 10000 * lager * d;
    w.Technik = spanne(a);
    w.Konstitution = spanne(b);
    w.Form = spanne(f);
    w.Genesung = Spanne{static_cast<int>(RundenBruch(g * d, 20) - 2), static_cast<int>(RundenBruch(g * d, 25))};
    return w;
}

bool LagerErlaubt(int liga, int lager) { return lager >= 1 && lager <= 3 && liga >= 1 && liga <= 5 - lager; }

Lagerpruefung LagerPruefen(int m, int lager, int tage)
{
    const Manager_& mg = S.Manager[m];
    if (!LagerErlaubt(mg.Liga, lager)) return Lagerpruefung{std::nullopt, T(LagerVerbotenText)};
    Lagerplan p{lager, tage, LagerBerechnen(mg.KaderAnzahl, lager, tage)};
    if (!KontoPasst(mg.Kontostand, -p.Werte.Preis)) return Lagerpruefung{std::nullopt, T(BetragZuGrossText)};
    return Lagerpruefung{p, {}};
}

namespace {

struct Lagerzeile {
    std::string text;
    Lagerbericht::Art art;
};

// Was die Reise aus dem Kader macht, mit ihren Ziehungen; am Spielstand ändert sich nichts.
struct Lagerreise {
    int64_t Preis = 0;
    decltype(Manager_::Kader) Kader;
    std::vector<Lagerzeile> zeilen;
};

Lagerreise LagerReisen(int m, const Lagerplan& p)
{
    const Manager_& mg = S.Manager[m];
    const Lagerwerte& w = p.Werte;
    Lagerreise r{w.Preis, mg.Kader, {}};
    std::array<bool, 40> benutzt{};
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        Kaderspieler_& sp = r.Kader[i];
        const int staerkeVorher = sp.Staerke;
        const int verletztVorher = sp.Verletzt;
        if (sp.Verletzt == 0) {
            SETZE(sp.Technik, sp.Technik + Zufall(w.Technik.von, w.Technik.bis));
            SETZE(sp.Konstitution, sp.Konstitution + Zufall(w.Konstitution.von, w.Konstitution.bis));
            SETZE(sp.Form, sp.Form + Zufall(w.Form.von, w.Form.bis));
        }
        const int h = Zufall(w.Genesung.von, w.Genesung.bis);
        SETZE(sp.Verletzt, sp.Verletzt - h);
        if (sp.Verletzt < 1) {
            sp.Verletzt = 0;
            sp.VerletzungArt = 0;
        }
        BerechneSpieler(sp);

        r.zeilen.push_back({sp.Vorname.text() + " " + sp.Nachname.text(), Lagerbericht::Art::Name});
        int wort = 0;
        do
            wort = Zufall(0, 39);
        while (benutzt[static_cast<size_t>(wort)]);
        benutzt[static_cast<size_t>(wort)] = true;
        r.zeilen.push_back({T(Lagertaetigkeiten[static_cast<size_t>(wort)]), Lagerbericht::Art::Taetigkeit});

        std::string ergebnis;
        if (sp.Verletzt < verletztVorher) {
            ergebnis = Tf("verkürzte seine Verletzung um %1 Woche(n)", {Zahl(verletztVorher - sp.Verletzt)});
        } else if (sp.Verletzt > verletztVorher) {
            const std::string wochen = Zahl(sp.Verletzt - verletztVorher);
            ergebnis = Zufall(1, 2) == 1 ? Tf("war zu Motiviert und wird %1 Woche(n) ausfallen", {wochen})
                                         : Tf("ist Desorientiert und wird %1 Woche(n) ausfallen", {wochen});
        } else if (sp.Verletzt > 0) {
            ergebnis = T("Schläft.....");
        } else {
            ergebnis = Tf("änderte seine Stärke um %1", {Zahl(sp.Staerke - staerkeVorher)});
        }
        r.zeilen.push_back({ergebnis, Lagerbericht::Art::Ergebnis});
    }
    return r;
}

void LagerAusfuehren(int m, const Lagerreise& r)
{
    Manager_& mg = S.Manager[m];
    KontoBuchen(mg.Kontostand, -r.Preis);
    mg.Kader = r.Kader;
    BerechneMannschaft(m, 0);
    SpielstandGeaendert();
}

} // namespace

bool LagerFahren(int m, int lager, int tage, Lagerbericht& bericht)
{
    const Lagerpruefung pruefung = LagerPruefen(m, lager, tage);
    if (!pruefung.plan) {
        Hinweis(pruefung.ablehnung);
        return false;
    }
    // Die ganze Reise erst an einer Kopie: ein Laufzeitfehler mitten darin ändert nichts.
    const Lagerreise reise = LagerReisen(m, *pruefung.plan);
    const int vorher = S.Manager[m].TeamStaerke;
    LagerAusfuehren(m, reise);
    const int nachher = S.Manager[m].TeamStaerke;

    const int tempo = S.Optionen[m][OptTempo] + 1;
    for (const Lagerzeile& z : reise.zeilen) {
        if (z.art == Lagerbericht::Art::Name) Klang("ding");
        bericht.zeile(z.text, z.art);
        Warte(z.art == Lagerbericht::Art::Name         ? tempo * 200
              : z.art == Lagerbericht::Art::Taetigkeit ? 100
                                                       : tempo * 400);
    }
    const int64_t basis = std::max(1, vorher);
    bericht.zeile(T("Feierabend"), Lagerbericht::Art::Schluss);
    Warte(tempo * 600);
    bericht.zeile(T("Alle gehen Heim"), Lagerbericht::Art::Schluss);
    Warte(tempo * 600);
    bericht.zeile(Tf("GesamtStärke von %1 auf %2", {Zahl(vorher), Zahl(nachher)}), Lagerbericht::Art::Schluss);
    bericht.zeile(Tf("Steigerung von %1 %", {Zahl(RundenBruch(100 * static_cast<int64_t>(nachher) - 100 * basis, basis))}),
                  Lagerbericht::Art::Schluss);
    return true;
}

} // namespace torvane
