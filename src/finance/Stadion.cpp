#include "finance/Stadion.h"

#include "core/Fehler.h"
#include "core/Funky.h"
#include "core/Oberflaeche.h"
#include "core/Variablen.h"

#include <algorithm>

namespace torvane {

const std::array<const char*, 37> Attraktionen = {
    "Es wurden Mülleimer aufgestellt.",
    "Hinrichtungen im Vorprogramm",
    "Zigarettenautomaten hängen im Stadion",
    "Eisverkäufer wurden eingestellt",
    "Kaffeeautomaten wurden zugekauft",
    "Zuckersüße Zuckerstangen für die Kleinen",
    "Lecker Cola ist vorhanden (Rülps)",
    "Etwas Bier für kleine Rangeleien",
    "Viel Bier für lustige Schlägereien",
    "Fettige Pommes für den Kolesterinspiegel",
    "Im Winter eine Schneeballschlacht",
    "Atomare Stadionlautsprecher für Gehörlose",
    "Es wurde eine Computeranlage installiert",
    "Kleine Hamburger",
    "Große Big Mäcs",
    "Lüsterne Filmvorführungen in der Pause",
    "Pizzabuden mit Russen als Italiener verkleidet",
    "Eine Schweinezucht für frisches Fleisch",
    "Andere Sportarten sind hinzugekommen",
    "Zeitungskiosk (Pornohefte auf Anfrage)",
    "Zur Belustigung der Zuschauer, eine Tortenschlacht (Hei das macht Spaß)",
    "Jedem sein eigenen Diener",
    "Ambulanz mit flotter Schwester",
    "Volle Power Mucke",
    "für Singels einen Bügelservice",
    "Es finden Faustkämpfe statt (Boing)",
    "Einen lustigen Kinderhort",
    "Bei Holligans! Boddyguard Mietservice",
    "Zahlen mit Kreditkarte",
    "Familienfreundlich (für IHN Oben ohne Bedienung, für SIE Menstrip, für die Kleinen zensierte Videospiele)",
    "Peep Show (Hechel)",
    "Na was schon ? (Würg)",
    "Immer Sonnenschein (Lach)",
    "Fiese feste Stadionmauern",
    "Röntgenkontrolle am Eingang !",
    "Schnelle Einsatztruppe bei Teroristischen zugriffen",
    "Hilferufe aus dem Jenseits !?!? Hä?",
};

namespace {

int Liga(int m) { return std::clamp<int>(S.Manager[m].Liga, 1, 4); }

// Zeilen einer Meldung, mit CR LF verbunden.
std::string ZeilenText(std::initializer_list<std::string_view> zeilen)
{
    std::string t;
    bool erste = true;
    for (std::string_view z : zeilen) {
        if (!erste) t += NL;
        t += z;
        erste = false;
    }
    return t;
}

void Gluckstag(const char* was)
{
    Hinweis(ZeilenText({"Heute ist dein GLÜCKSTAG", "", was, "", "Mit freundlichem Gruß"}));
}

void KontoDazu(Manager_& mg, int64_t betrag) { KontoBuchen(mg.Kontostand, betrag); }

template <class F>
bool Rad(F& wert, bool hoch, int schritt, int unter, int ober)
{
    // Hoch nur unterhalb der Obergrenze, runter nur, solange ein ganzer Schritt über der Untergrenze bleibt.
    if (hoch && wert < ober) {
        SETZE(wert, std::min<int64_t>(int64_t{wert} + schritt, ober));
        return true;
    }
    if (!hoch && wert >= unter + 1) {
        SETZE(wert, std::max<int64_t>(int64_t{wert} - schritt, unter));
        return true;
    }
    return false;
}

} // namespace

int32_t Platzpreis(int liga) { return (5 - std::clamp(liga, 1, 4)) * 250; }
int32_t Komfortpreis(int liga) { return (5 - std::clamp(liga, 1, 4)) * 100000; }

bool KomfortKaufen(int m, int n)
{
    Manager_& mg = S.Manager[m];
    if (n <= 0) return false;
    if (int64_t{mg.Komfortpunkte} + n > MaxKomfort) {
        Hinweis("Bei 100 Komfortpunkten ist das Maximum erreicht.");
        return false;
    }
    const int64_t preis = int64_t{n} * Komfortpreis(Liga(m));
    if (mg.Kontostand < preis) {
        Hinweis("Ne Ne mein Freund, Du hast nix auf der Tasche !");
        return false;
    }
    KontoDazu(mg, -preis);
    if (n >= 10 && mg.Komfortpunkte + n < MaxKomfort) {
        Hinweis("He, ab 10 gibt´s einen Umsonst !");
        ++n;
    }
    SETZE(mg.Komfortpunkte, int64_t{mg.Komfortpunkte} + n);
    return true;
}

bool KomfortVerkaufen(int m, int n)
{
    Manager_& mg = S.Manager[m];
    if (n <= 0) return false;
    if (int64_t{mg.Komfortpunkte} - n < 1) {
        Hinweis("Einen sollten wir schon lassen !");
        n = mg.Komfortpunkte - 1;
        // Mit einem Punkt (oder keinem) würde aus dem Verkauf ein Kauf.
        if (n <= 0) return false;
    }
    // Erst der ganze Verkauf, dann Punkte und Geld zusammen: ein Erlös, den das Konto nicht
    // fasst, macht den Verkauf unmöglich, statt die Punkte unbezahlt zu nehmen.
    const int64_t erloes = int64_t{Komfortpreis(Liga(m)) / 2} * n;
    if (!KontoPasst(mg.Kontostand, erloes)) {
        Hinweis(BetragZuGrossText);
        return false;
    }
    int64_t punkte = int64_t{mg.Komfortpunkte} - n;
    if (n >= 10) {
        Hinweis("He, ab 10 gibt´s 1 Umsonst !");
        ++punkte;
    }
    if (Zufall(1, 10) == 1) {
        Gluckstag("Der Stadionkompfort bleibt Dir erhalten.");
        if (n >= 10) --n;
        punkte += n;
    }
    const int32_t neu = Passt<int32_t>(punkte, "Komfortpunkte");
    KontoDazu(mg, erloes);
    mg.Komfortpunkte = neu;
    return true;
}

bool PlaetzeKaufen(int m, int n)
{
    Manager_& mg = S.Manager[m];
    if (n <= 0) return false;
    if (int64_t{mg.Plaetze} + n > MaxPlaetze) {
        Hinweis(ZeilenText({"Wir sind hier nicht in Mexico (Ariba)", "und Sie haben nicht das Aztekenstadion.",
                        "    100.000 Plätze müßten doch reichen."}));
        return false;
    }
    const int64_t preis = int64_t{n} * Platzpreis(Liga(m));
    if (mg.Kontostand < preis) {
        Hinweis(ZeilenText({"HALT, Sie kleiner Draufgänger !", "Konto überprüfen !!!"}));
        return false;
    }
    KontoDazu(mg, -preis);
    if (n >= 10000 && mg.Plaetze + n < MaxPlaetze) {
        const int64_t bonus = preis / 10;
        Hinweis(ZeilenText({"He, ab 10.000 gibt´s einen BONUS über", Geldtext(static_cast<double>(bonus)) + " €."}));
        KontoDazu(mg, bonus);
    }
    SETZE(mg.Plaetze, int64_t{mg.Plaetze} + n);
    return true;
}

bool PlaetzeVerschrotten(int m, int n)
{
    Manager_& mg = S.Manager[m];
    if (n <= 0) return false;
    // Verkaufte Dauerkarten brauchen ihren Platz, sonst wird jede Heimkasse negativ.
    const int32_t frei = std::max(0, mg.Plaetze - std::max(0, mg.DauerkartenVerkauft));
    if (n > frei) {
        if (mg.DauerkartenVerkauft > 0)
            Hinweis(ZeilenText({"Für " + Geldtext(mg.DauerkartenVerkauft) + " verkaufte Dauerkarten bleiben die Plätze stehen.",
                            "Verschrottet werden können höchstens " + Geldtext(frei) + " Plätze."}));
        n = frei;
        if (n <= 0) return false;
    }
    // Wie beim Komfort: Plätze und Geld ändern sich zusammen oder gar nicht.
    const int64_t erloes = int64_t{Platzpreis(Liga(m)) / 2} * n;
    if (!KontoPasst(mg.Kontostand, erloes)) {
        Hinweis(BetragZuGrossText);
        return false;
    }
    int64_t plaetze = int64_t{mg.Plaetze} - n;
    if (n >= 10000) {
        Hinweis("He, ab 10.000 gibt´s 1.000 Umsonst !");
        plaetze += 1000;
    }
    if (Zufall(1, 10) == 1) {
        Gluckstag("Deine Stadionplätze bleiben Dir erhalten.");
        if (n >= 10000) n -= 1000;
        plaetze += n;
    }
    const int32_t neu = Passt<int32_t>(plaetze, "Plaetze");
    KontoDazu(mg, erloes);
    mg.Plaetze = neu;
    if (mg.DauerkartenImVerkauf > mg.Plaetze) mg.DauerkartenImVerkauf = mg.Plaetze;
    return true;
}

bool EintrittspreisAendern(int m, bool hoch) { return Rad(S.Manager[m].Eintrittspreis, hoch, 1, 1, 100); }
bool DauerkartenpreisAendern(int m, bool hoch) { return Rad(S.Manager[m].Dauerkartenpreis, hoch, 5, 5, 1000); }

bool EintrittspreisSetzen(int m, int preis)
{
    int16_t& p = S.Manager[m].Eintrittspreis;
    const int ziel = std::clamp(preis, 1, 100);
    if (ziel == p) return false;
    SETZE(p, ziel);
    return true;
}

bool DauerkartenpreisSetzen(int m, int preis)
{
    int16_t& p = S.Manager[m].Dauerkartenpreis;
    const int ziel = std::clamp(preis / 5 * 5, 5, 1000);
    if (ziel == p) return false;
    SETZE(p, ziel);
    return true;
}

bool PokalzuschlagAendern(int m, bool hoch) { return Rad(S.Manager[m].Pokalzuschlag, hoch, 1, 1, 100); }

bool DauerkartenDazu(int m, int n)
{
    Manager_& mg = S.Manager[m];
    if (n <= 0) return false;
    if (int64_t{mg.DauerkartenImVerkauf} + n > mg.Plaetze) {
        Hinweis(ZeilenText({"Es können nicht mehr Dauerkarten wie Plätze", "in den Verkauf gebracht werden !"}));
        return false;
    }
    SETZE(mg.DauerkartenImVerkauf, int64_t{mg.DauerkartenImVerkauf} + n);
    return true;
}

bool DauerkartenEntnehmen(int m, int n)
{
    Manager_& mg = S.Manager[m];
    if (n <= 0) return false;
    const int64_t frei = int64_t{mg.DauerkartenImVerkauf} - mg.DauerkartenVerkauft;
    if (frei < n) {
        Hinweis(ZeilenText({"Es können keine Dauerkarten aus dem Verkauf genommen werden,", "die schon Verkauft wurden.",
                        "Max. können " + std::to_string(std::max<int64_t>(0, frei)) +
                            " Dauerkarten aus dem Verkauf genommen werden !"}));
        return false;
    }
    SETZE(mg.DauerkartenImVerkauf, int64_t{mg.DauerkartenImVerkauf} - n);
    return true;
}

bool KomfortKaufenFragen(int m) { return KomfortKaufen(m, Zahleneingabe(0, "Wieviele Komfortpunkte zulegen ?")); }
bool KomfortVerkaufenFragen(int m)
{
    return KomfortVerkaufen(m, Zahleneingabe(0, "Komfortpunke zum ½ Preis verkaufen ?"));
}
bool PlaetzeKaufenFragen(int m) { return PlaetzeKaufen(m, Zahleneingabe(0, "Wieviele Plätze zulegen ?")); }
bool PlaetzeVerschrottenFragen(int m)
{
    return PlaetzeVerschrotten(m, Zahleneingabe(0, "Plätze zum ½ Preis verschrotten ?"));
}
bool DauerkartenDazuFragen(int m) { return DauerkartenDazu(m, Zahleneingabe(0, "Dauerkarten dazu ?")); }
bool DauerkartenEntnehmenFragen(int m) { return DauerkartenEntnehmen(m, Zahleneingabe(0, "Dauerkarten entnehmen ?")); }

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
