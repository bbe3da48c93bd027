#include "finance/Stadion.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "core/Zufall.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace torvane {

const std::array<const char*, 37> Attraktionen = {
    N_("Es wurden Mülleimer aufgestellt."),
    N_("Hinrichtungen im Vorprogramm"),
    N_("Zigarettenautomaten hängen im Stadion"),
    N_("Eisverkäufer wurden eingestellt"),
    N_("Kaffeeautomaten wurden zugekauft"),
    N_("Zuckersüße Zuckerstangen für die Kleinen"),
    N_("Lecker Cola ist vorhanden (Rülps)"),
    N_("Etwas Bier für kleine Rangeleien"),
    N_("Viel Bier für lustige Schlägereien"),
    N_("Fettige Pommes für den Kolesterinspiegel"),
    N_("Im Winter eine Schneeballschlacht"),
    N_("Atomare Stadionlautsprecher für Gehörlose"),
    N_("Es wurde eine Computeranlage installiert"),
    N_("Kleine Hamburger"),
    N_("Große Big Mäcs"),
    N_("Lüsterne Filmvorführungen in der Pause"),
    N_("Pizzabuden mit Russen als Italiener verkleidet"),
    N_("Eine Schweinezucht für frisches Fleisch"),
    N_("Andere Sportarten sind hinzugekommen"),
    N_("Zeitungskiosk (Pornohefte auf Anfrage)"),
    N_("Zur Belustigung der Zuschauer, eine Tortenschlacht (Hei das macht Spaß)"),
    N_("Jedem sein eigenen Diener"),
    N_("Ambulanz mit flotter Schwester"),
    N_("Volle Power Mucke"),
    N_("für Singels einen Bügelservice"),
    N_("Es finden Faustkämpfe statt (Boing)"),
    N_("Einen lustigen Kinderhort"),
    N_("Bei Holligans! Boddyguard Mietservice"),
    N_("Zahlen mit Kreditkarte"),
    N_("Familienfreundlich (für IHN Oben ohne Bedienung, für SIE Menstrip, für die Kleinen zensierte Videospiele)"),
    N_("Peep Show (Hechel)"),
    N_("Na was schon ? (Würg)"),
    N_("Immer Sonnenschein (Lach)"),
    N_("Fiese feste Stadionmauern"),
    N_("Röntgenkontrolle am Eingang !"),
    N_("Schnelle Einsatztruppe bei Teroristischen zugriffen"),
    N_("Hilferufe aus dem Jenseits !?!? Hä?"),
};

namespace {

int Liga(int m) { return std::clamp<int>(S.Manager[m].Liga, 1, 4); }

std::string Gluckstag(const char* was)
{
    return Tz("Heute ist dein GLÜCKSTAG\n\n%1\n\nMit freundlichem Gruß", {was});
}

// Die Felder, die eine Stadionhandlung ändert; eine Liste für beide Richtungen (Plan und Manager).
template <class Ziel, class Quelle>
void StadionfelderKopieren(Ziel& z, const Quelle& q)
{
    z.Komfortpunkte = q.Komfortpunkte;
    z.Plaetze = q.Plaetze;
    z.DauerkartenImVerkauf = q.DauerkartenImVerkauf;
    z.Eintrittspreis = q.Eintrittspreis;
    z.Dauerkartenpreis = q.Dauerkartenpreis;
    z.Pokalzuschlag = q.Pokalzuschlag;
}

Stadionplan Jetzt(const Manager_& mg)
{
    Stadionplan p;
    StadionfelderKopieren(p, mg);
    return p;
}

Stadionpruefung Ablehnung(std::vector<std::string> texte = {}) { return Stadionpruefung{std::nullopt, std::move(texte)}; }
Stadionpruefung Plan(Stadionplan p, std::vector<std::string> texte = {})
{
    return Stadionpruefung{std::move(p), std::move(texte)};
}

// Ein Rad: hoch nur unterhalb der Obergrenze, runter nur, solange ein ganzer Schritt über der
// Untergrenze bleibt. Ohne Wirkung: kein Plan.
template <class F>
std::optional<F> Rad(F wert, bool hoch, int schritt, int unter, int ober)
{
    if (hoch && wert < ober) return Passt<F>(std::min<int64_t>(int64_t{wert} + schritt, ober));
    if (!hoch && wert >= unter + 1) return Passt<F>(std::max<int64_t>(int64_t{wert} - schritt, unter));
    return std::nullopt;
}

// Ein Preis als Plan, wenn er sich ändert.
template <class F>
Stadionpruefung PreisPlan(int m, F Stadionplan::*feld, std::optional<int64_t> ziel)
{
    const Manager_& mg = S.Manager[m];
    Stadionplan p = Jetzt(mg);
    if (!ziel || *ziel == p.*feld) return Ablehnung();
    p.*feld = Passt<F>(*ziel);
    return Plan(std::move(p));
}

} // namespace

int32_t Platzpreis(int liga) { return (5 - std::clamp(liga, 1, 4)) * 250; }
int32_t Komfortpreis(int liga) { return (5 - std::clamp(liga, 1, 4)) * 100000; }
int32_t PlatzRueckpreis(int liga) { return Platzpreis(liga) / 2; }
int32_t KomfortRueckpreis(int liga) { return Komfortpreis(liga) / 2; }

void StadionAusfuehren(int m, const Stadionplan& p, bool glueck)
{
    Manager_& mg = S.Manager[m];
    KontoBuchen(mg.Kontostand, p.Buchung);
    StadionfelderKopieren(mg, glueck && p.Glueck ? *p.Glueck : p);
    SpielstandGeaendert();
}

bool StadionHandeln(int m, const Stadionpruefung& pruefung)
{
    for (const std::string& t : pruefung.texte)
        Hinweis(t);
    if (!pruefung.plan) return false;
    const Stadionplan& p = *pruefung.plan;
    // Der Glückstag wird erst gezogen, wenn der Verkauf feststeht; beide Ausgänge sind geprüft.
    bool glueck = false;
    if (p.Glueck && Zufall(1, 10) == 1) {
        glueck = true;
        Hinweis(p.GlueckText);
    }
    StadionAusfuehren(m, p, glueck);
    return true;
}

Stadionpruefung KomfortKaufenPruefen(int m, int n)
{
    const Manager_& mg = S.Manager[m];
    if (n <= 0) return Ablehnung();
    if (int64_t{mg.Komfortpunkte} + n > MaxKomfort)
        return Ablehnung({T("Bei 100 Komfortpunkten ist das Maximum erreicht.")});
    const int64_t preis = int64_t{n} * Komfortpreis(Liga(m));
    if (mg.Kontostand < preis) return Ablehnung({T("Ne Ne mein Freund, Du hast nix auf der Tasche !")});
    std::vector<std::string> texte;
    if (n >= 10 && mg.Komfortpunkte + n < MaxKomfort) {
        texte.emplace_back(T("He, ab 10 gibt´s einen Umsonst !"));
        ++n;
    }
    Stadionplan p = Jetzt(mg);
    p.Buchung = -preis;
    p.Komfortpunkte = Passt<int32_t>(int64_t{mg.Komfortpunkte} + n, "Komfortpunkte");
    return Plan(std::move(p), std::move(texte));
}

Stadionpruefung KomfortVerkaufenPruefen(int m, int n)
{
    const Manager_& mg = S.Manager[m];
    if (n <= 0) return Ablehnung();
    std::vector<std::string> texte;
    if (int64_t{mg.Komfortpunkte} - n < 1) {
        texte.emplace_back(T("Einen sollten wir schon lassen !"));
        n = mg.Komfortpunkte - 1;
        // Mit einem Punkt (oder keinem) würde aus dem Verkauf ein Kauf.
        if (n <= 0) return Ablehnung(std::move(texte));
    }
    // Ein Erlös, den das Konto nicht fasst, macht den Verkauf unmöglich, statt die Punkte unbezahlt zu nehmen.
    const int64_t erloes = int64_t{KomfortRueckpreis(Liga(m))} * n;
    if (!KontoPasst(mg.Kontostand, erloes)) {
        texte.emplace_back(T(BetragZuGrossText));
        return Ablehnung(std::move(texte));
    }
    int64_t punkte = int64_t{mg.Komfortpunkte} - n;
    if (n >= 10) {
        texte.emplace_back(T("He, ab 10 gibt´s 1 Umsonst !"));
        ++punkte;
        --n;
    }
    Stadionplan p = Jetzt(mg);
    p.Buchung = erloes;
    p.Komfortpunkte = Passt<int32_t>(punkte, "Komfortpunkte");
    Stadionplan glueck = p;
    glueck.Komfortpunkte = Passt<int32_t>(punkte + n, "Komfortpunkte");
    p.Glueck = std::make_shared<const Stadionplan>(std::move(glueck));
    p.GlueckText = Gluckstag(T("Der Stadionkompfort bleibt Dir erhalten."));
    return Plan(std::move(p), std::move(texte));
}

Stadionpruefung PlaetzeKaufenPruefen(int m, int n)
{
    const Manager_& mg = S.Manager[m];
    if (n <= 0) return Ablehnung();
    if (int64_t{mg.Plaetze} + n > MaxPlaetze)
        return Ablehnung({Tz("Wir sind hier nicht in Mexico (Ariba)\nund Sie haben nicht das Aztekenstadion.\n"
                             "    100.000 Plätze müßten doch reichen.")});
    const int64_t preis = int64_t{n} * Platzpreis(Liga(m));
    if (mg.Kontostand < preis) return Ablehnung({Tz("HALT, Sie kleiner Draufgänger !\nKonto überprüfen !!!")});
    Stadionplan p = Jetzt(mg);
    p.Buchung = -preis;
    std::vector<std::string> texte;
    if (n >= 10000 && mg.Plaetze + n < MaxPlaetze) {
        const int64_t bonus = preis / 10;
        texte.push_back(Tz("He, ab 10.000 gibt´s einen BONUS über\n%1 €.", {Geldtext(static_cast<double>(bonus))}));
        p.Buchung += bonus;
    }
    p.Plaetze = Passt<int32_t>(int64_t{mg.Plaetze} + n, "Plaetze");
    return Plan(std::move(p), std::move(texte));
}

Stadionpruefung PlaetzeVerschrottenPruefen(int m, int n)
{
    const Manager_& mg = S.Manager[m];
    if (n <= 0) return Ablehnung();
    std::vector<std::string> texte;
    // Verkaufte Dauerkarten brauchen ihren Platz, sonst wird jede Heimkasse negativ.
    const int32_t frei = std::max(0, mg.Plaetze - std::max(0, mg.DauerkartenVerkauft));
    if (n > frei) {
        if (mg.DauerkartenVerkauft > 0)
            texte.push_back(Tz("Für %1 verkaufte Dauerkarten bleiben die Plätze stehen.\n"
                               "Verschrottet werden können höchstens %2 Plätze.",
                               {Geldtext(mg.DauerkartenVerkauft), Geldtext(frei)}));
        n = frei;
        if (n <= 0) return Ablehnung(std::move(texte));
    }
    // Wie beim Komfort: Plätze und Geld ändern sich zusammen oder gar nicht.
    const int64_t erloes = int64_t{PlatzRueckpreis(Liga(m))} * n;
    if (!KontoPasst(mg.Kontostand, erloes)) {
        texte.emplace_back(T(BetragZuGrossText));
        return Ablehnung(std::move(texte));
    }
    int64_t plaetze = int64_t{mg.Plaetze} - n;
    if (n >= 10000) {
        texte.emplace_back(T("He, ab 10.000 gibt´s 1.000 Umsonst !"));
        plaetze += 1000;
        n -= 1000;
    }
    // Dauerkarten im Verkauf nie mehr als Plätze.
    const auto mit = [&](int64_t neu) {
        Stadionplan p = Jetzt(mg);
        p.Buchung = erloes;
        p.Plaetze = Passt<int32_t>(neu, "Plaetze");
        p.DauerkartenImVerkauf = std::min(p.DauerkartenImVerkauf, p.Plaetze);
        return p;
    };
    Stadionplan p = mit(plaetze);
    p.Glueck = std::make_shared<const Stadionplan>(mit(plaetze + n));
    p.GlueckText = Gluckstag(T("Deine Stadionplätze bleiben Dir erhalten."));
    return Plan(std::move(p), std::move(texte));
}

Stadionpruefung EintrittspreisAendernPruefen(int m, bool hoch)
{
    return PreisPlan(m, &Stadionplan::Eintrittspreis, Rad(S.Manager[m].Eintrittspreis, hoch, 1, 1, 100));
}
Stadionpruefung DauerkartenpreisAendernPruefen(int m, bool hoch)
{
    return PreisPlan(m, &Stadionplan::Dauerkartenpreis, Rad(S.Manager[m].Dauerkartenpreis, hoch, 5, 5, 1000));
}
Stadionpruefung PokalzuschlagAendernPruefen(int m, bool hoch)
{
    return PreisPlan(m, &Stadionplan::Pokalzuschlag, Rad(S.Manager[m].Pokalzuschlag, hoch, 1, 1, 100));
}
Stadionpruefung EintrittspreisSetzenPruefen(int m, int preis)
{
    return PreisPlan(m, &Stadionplan::Eintrittspreis, std::clamp(preis, 1, 100));
}
Stadionpruefung DauerkartenpreisSetzenPruefen(int m, int preis)
{
    return PreisPlan(m, &Stadionplan::Dauerkartenpreis, std::clamp(preis / 5 * 5, 5, 1000));
}

Stadionpruefung DauerkartenDazuPruefen(int m, int n)
{
    const Manager_& mg = S.Manager[m];
    if (n <= 0) return Ablehnung();
    if (int64_t{mg.DauerkartenImVerkauf} + n > mg.Plaetze)
        return Ablehnung({Tz("Es können nicht mehr Dauerkarten wie Plätze\nin den Verkauf gebracht werden !")});
    Stadionplan p = Jetzt(mg);
    p.DauerkartenImVerkauf = Passt<int32_t>(int64_t{mg.DauerkartenImVerkauf} + n, "DauerkartenImVerkauf");
    return Plan(std::move(p));
}

Stadionpruefung DauerkartenEntnehmenPruefen(int m, int n)
{
    const Manager_& mg = S.Manager[m];
    if (n <= 0) return Ablehnung();
    const int64_t frei = int64_t{mg.DauerkartenImVerkauf} - mg.DauerkartenVerkauft;
    if (frei < n)
        return Ablehnung({Tz("Es können keine Dauerkarten aus dem Verkauf genommen werden,\n"
                             "die schon Verkauft wurden.\n"
                             "Max. können %1 Dauerkarten aus dem Verkauf genommen werden !",
                             {std::to_string(std::max<int64_t>(0, frei))})});
    Stadionplan p = Jetzt(mg);
    p.DauerkartenImVerkauf = Passt<int32_t>(int64_t{mg.DauerkartenImVerkauf} - n, "DauerkartenImVerkauf");
    return Plan(std::move(p));
}

bool KomfortKaufen(int m, int n) { return StadionHandeln(m, KomfortKaufenPruefen(m, n)); }
bool KomfortVerkaufen(int m, int n) { return StadionHandeln(m, KomfortVerkaufenPruefen(m, n)); }
bool PlaetzeKaufen(int m, int n) { return StadionHandeln(m, PlaetzeKaufenPruefen(m, n)); }
bool PlaetzeVerschrotten(int m, int n) { return StadionHandeln(m, PlaetzeVerschrottenPruefen(m, n)); }
bool EintrittspreisAendern(int m, bool hoch) { return StadionHandeln(m, EintrittspreisAendernPruefen(m, hoch)); }
bool DauerkartenpreisAendern(int m, bool hoch) { return StadionHandeln(m, DauerkartenpreisAendernPruefen(m, hoch)); }
bool PokalzuschlagAendern(int m, bool hoch) { return StadionHandeln(m, PokalzuschlagAendernPruefen(m, hoch)); }
bool EintrittspreisSetzen(int m, int preis) { return StadionHandeln(m, EintrittspreisSetzenPruefen(m, preis)); }
bool DauerkartenpreisSetzen(int m, int preis) { return StadionHandeln(m, DauerkartenpreisSetzenPruefen(m, preis)); }
bool DauerkartenDazu(int m, int n) { return StadionHandeln(m, DauerkartenDazuPruefen(m, n)); }
bool DauerkartenEntnehmen(int m, int n) { return StadionHandeln(m, DauerkartenEntnehmenPruefen(m, n)); }

bool KomfortKaufenFragen(int m) { return KomfortKaufen(m, Zahleneingabe(0, T("Wieviele Komfortpunkte zulegen ?"))); }
bool KomfortVerkaufenFragen(int m)
{
    return KomfortVerkaufen(m, Zahleneingabe(0, T("Komfortpunke zum ½ Preis verkaufen ?")));
}
bool PlaetzeKaufenFragen(int m) { return PlaetzeKaufen(m, Zahleneingabe(0, T("Wieviele Plätze zulegen ?"))); }
bool PlaetzeVerschrottenFragen(int m)
{
    return PlaetzeVerschrotten(m, Zahleneingabe(0, T("Plätze zum ½ Preis verschrotten ?")));
}
bool DauerkartenDazuFragen(int m) { return DauerkartenDazu(m, Zahleneingabe(0, T("Dauerkarten dazu ?"))); }
bool DauerkartenEntnehmenFragen(int m)
{
    return DauerkartenEntnehmen(m, Zahleneingabe(0, T("Dauerkarten entnehmen ?")));
}

int AttraktionHoechste(int komfort, int bilder)
{
    if (komfort < 1) return -1;
    // trunc((P - 1) / (100 / K)) genau in ganzen Zahlen; mehr als 100 Punkte gibt es nicht.
    const int k = std::min(komfort, MaxKomfort);
    return std::min((bilder - 1) * k / 100, static_cast<int>(Attraktionen.size()) - 1);
}

int AttraktionNaechste(int index, int komfort)
{
    const int hoechste = AttraktionHoechste(komfort);
    if (hoechste < 0) return -1;
    const int n = index + 1;
    return n < 0 || n > hoechste ? 0 : n;
}

std::vector<std::pair<int, int>> UeberblendReihenfolge()
{
    std::array<bool, 32 * 32> belegt{};
    std::vector<std::pair<int, int>> folge;
    folge.reserve(belegt.size());
    while (folge.size() < belegt.size()) {
        const int x = Zufall(0, 31);
        const int y = Zufall(0, 31);
        bool& b = belegt[static_cast<size_t>(y * 32 + x)];
        if (b) continue;
        b = true;
        folge.emplace_back(x, y);
    }
    return folge;
}

} // namespace torvane
