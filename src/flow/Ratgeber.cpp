#include "flow/Ratgeber.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "finance/Bank.h"
#include "finance/Stadion.h"
#include "finance/Vermoegen.h"
#include "finance/Werbung.h"
#include "flow/Assistent.h"
#include "flow/Zug.h"
#include "squad/Kader.h"
#include "squad/Markt.h"
#include "squad/Training.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace torvane {

namespace {

std::string Euro(int64_t betrag) { return Geldtext(static_cast<double>(betrag)) + Waehrung; }

std::string Name(const Kaderspieler_& s) { return s.Vorname.text() + " " + s.Nachname.text(); }

std::string Zahl(int64_t v) { return Geldtext(static_cast<double>(v)); }

// Einzahl ("der schwächste Verteidiger") und Mehrzahl ("fehlen einsatzfähige Verteidiger") sind
// deutsch gleich, in anderen Sprachen nicht.
const char* Linie(size_t l)
{
    switch (l) {
    case 0: return TC("Einzahl", "Torwart");
    case 1: return TC("Einzahl", "Verteidiger");
    case 2: return TC("Einzahl", "Mittelfeldspieler");
    default: return TC("Einzahl", "Stürmer");
    }
}

const char* Linien(size_t l)
{
    switch (l) {
    case 0: return TC("Mehrzahl", "Torwart");
    case 1: return TC("Mehrzahl", "Verteidiger");
    case 2: return TC("Mehrzahl", "Mittelfeldspieler");
    default: return TC("Mehrzahl", "Stürmer");
    }
}

// "343" schreibt jeder andere Bildschirm "3-4-3".
std::string SystemText(const std::string& s)
{
    std::string t;
    for (char c : s) t += t.empty() ? std::string(1, c) : std::string("-") + c;
    return t;
}

bool Einsatzfaehig(const Kaderspieler_& s) { return s.Verletzt <= 0 && SperreGrund(s) == 0; }

// Der Kader gegen das, was das nächste Spiel verlangt: ein Torwart und je Linie die Zahl des Systems.
void KaderLuecken(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    if (!HatSpiel(m)) return;
    std::array<int, 4> bereit{};
    int alle = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i)
        if (Einsatzfaehig(mg.Kader[i])) {
            ++bereit[static_cast<size_t>(AssistentLinie(mg.Kader[i]))];
            ++alle;
        }
    const std::array<int, 4> noetig = {1, SystemZiffer(m, 0), SystemZiffer(m, 1), SystemZiffer(m, 2)};
    const bool voll = mg.KaderAnzahl >= 23;
    const Menuepunkt knopf = voll ? Menuepunkt::Aufstellung : Menuepunkt::Transfermarkt;
    const std::string ziel = voll ? T("Aufstellung") : T("Transfermarkt");
    if (alle < 11)
        raete.push_back(
            {Rat::Kader, 100,
             voll ? Tf("Nur %1 einsatzfähige Spieler: für eine volle Elf fehlen %2. Der Kader ist voll, erst jemanden abgeben.",
                       {Zahl(alle), Zahl(11 - alle)})
                  : Tf("Nur %1 einsatzfähige Spieler: für eine volle Elf fehlen %2. Auf dem Transfermarkt nachkaufen.",
                       {Zahl(alle), Zahl(11 - alle)}),
             knopf, ziel});
    for (size_t l = 0; l < 4; ++l) {
        if (bereit[l] >= noetig[l]) continue;
        raete.push_back({Rat::Kader, 95,
                         Tf("Für das System %1 fehlen einsatzfähige %2: %3 statt %4.",
                            {SystemText(mg.SpielSystem.text()), Linien(l), Zahl(bereit[l]), Zahl(noetig[l])}),
                         knopf, ziel});
    }
    const int eingesetzt = AnzahlEingesetzt(m);
    if (eingesetzt < 7)
        raete.push_back({Rat::Kader, 100,
                         Tf("Nur %1 Spieler aufgestellt: unter 7 kostet der Abschluss %2 Strafe.",
                            {Zahl(eingesetzt), Euro(static_cast<int64_t>(5 - mg.Liga) * 250000)}),
                         Menuepunkt::Aufstellung, T("Aufstellung")});
}

void Aufgestellte(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        if (s.Eingesetzt == 0 || Einsatzfaehig(s)) continue;
        raete.push_back({Rat::Aufstellung, 90,
                         s.Verletzt > 0 ? Tf("%1 ist verletzt (noch %2 Wochen) und steht trotzdem in der Elf.",
                                             {Name(s), Zahl(s.Verletzt)})
                                        : Tf("%1 ist gesperrt und steht trotzdem in der Elf.", {Name(s)}),
                         Menuepunkt::Aufstellung, T("Aufstellung")});
    }
}

// Die Zinsen nennt er wie die Bank (Dispo 15 %, Kredit 12 %) und rechnet sie auf einen Spieltag um.
void Dispo(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    const int64_t konto = mg.Kontostand;
    if (-(VermoegenWert(m) / 10) > konto) {
        const int64_t gebuehr = Ueberziehungsgebuehr(konto);
        raete.push_back({Rat::Ueberziehung, 92,
                         Tf("Konto über 10 % des Vermögens überzogen: der Abschluss kostet %1 Gebühr. Vorher "
                            "Sparbuch oder Kredit nutzen.",
                            {Euro(gebuehr)}),
                         Menuepunkt::Bank, T("Bank")});
    }
    if (S.Spiel.Wettbewerb != Wettbewerb_::Liga) return;
    const int64_t nachher = KontoNachAbschluss(m);
    if (nachher >= 0) return;
    const int64_t zinsen = -KontozinsenProSpiel(nachher);
    const int64_t kredit = KreditzinsenProSpiel(-nachher);
    const bool sparbuch = mg.Sparbuch >= -nachher;
    raete.push_back({Rat::Ueberziehung, 80,
                     sparbuch ? Tf("Nach dem Abschluss etwa %1 im Minus: der Dispozins (laut Bank 15 %) kostet rund %2 "
                                   "je Spieltag. Das Sparbuch deckt es.",
                                   {Euro(-nachher), Euro(zinsen)})
                              : Tf("Nach dem Abschluss etwa %1 im Minus: der Dispozins (laut Bank 15 %) kostet rund %2 "
                                   "je Spieltag. Ein Kredit (laut Bank 12 %) kostet dafür %3 je Spieltag.",
                                   {Euro(-nachher), Euro(zinsen), Euro(kredit)}),
                     Menuepunkt::Bank, T("Bank"), nachher});
}

void Vertraege(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    for (int i : AssistentVerlaengerungen(m)) {
        const Kaderspieler_& s = mg.Kader[i];
        raete.push_back({Rat::Vertrag, 70,
                         Tf("Vertrag von %1 (Stärke %2) läuft aus: verlängern, er will etwa %3 je Spiel für 6 Jahre.",
                            {Name(s), Zahl(s.Staerke), Euro(Gehaltsforderung(s.Alter, s.Staerke, 6))}),
                         Menuepunkt::Aufstellung, T("Aufstellung")});
    }
}

void Training(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    if (FreieBaelle(m) > 0 && mg.BaelleTechnik + mg.BaelleKonstitution < 2 * BallPlaetze)
        raete.push_back({Rat::Training, 50,
                         Tf("%1 Trainingsbälle liegen ungenutzt: auf Technik und Konstitution verteilen.",
                            {Zahl(FreieBaelle(m))}),
                         Menuepunkt::Training, T("Training")});
    int verletzt = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i)
        if (mg.Kader[i].Verletzt > 0) ++verletzt;
    if (mg.Trainingsstunden >= 8 && verletzt >= 3)
        raete.push_back({Rat::Training, 55,
                         Tf("%1 Stunden Training bei %2 Verletzten: mehr Stunden bringen mehr Verletzte, 6 genügen.",
                            {Zahl(mg.Trainingsstunden), Zahl(verletzt)}),
                         Menuepunkt::Training, T("Training")});
    else if (mg.Trainingsstunden <= 3)
        raete.push_back({Rat::Training, 45,
                         Tf("Nur %1 Stunden Training: so wächst die Mannschaft kaum.", {Zahl(mg.Trainingsstunden)}),
                         Menuepunkt::Training, T("Training")});
}

std::string Rest(const Entscheidung& e)
{
    std::string t = " ";
    if (e.ruecklage < 0)
        t += Tf("Das geht nur mit einem Kredit (höchstens %1), doch ohne Elf verliert der Verein mehr.",
                {Euro(-e.ruecklage)});
    else
        t += Tf("Nach dem Abschluss bleiben mindestens %1 Rücklage.", {Euro(e.ruecklage)});
    return t;
}

// Was der Abschluss noch abwenden kann: nur eine Anlage, die mehr bringt, als sie im Vermögen zählt.
std::string Auswege(int m, int64_t fehlt)
{
    const Manager_& mg = S.Manager[m];
    const int64_t anlage = mg.AnlageBetrag > 0 ? AnlageBeiKuendigung(mg.AnlageWert) - mg.AnlageBetrag : 0;
    const std::string t = std::string(" ") +
                          T("Kredit und Sparbuch ändern das Vermögen nicht, ein Darlehen senkt es um seine Zinsen; "
                            "verschrottete Plätze und verkaufter Komfort bringen nur, was sie darin zählen, und ein "
                            "Spieler auf der Transferliste bringt erst nach dem Abschluss Geld.") +
                          " ";
    if (anlage <= 0) return t + T("Nichts davon reicht in diesem Zug.");
    return t + (anlage >= fehlt ? Tf("Die Anlage zu kündigen bringt %1 mehr: das reicht.", {Euro(anlage)})
                                : Tf("Die Anlage zu kündigen bringt %1 mehr, das reicht nicht.", {Euro(anlage)}));
}

Rat AusEntscheidung(int m, const Entscheidung& e)
{
    const Manager_& mg = S.Manager[m];
    Rat r{Rat::Kader, 0, "", Menuepunkt::Transfermarkt, T("Transfermarkt"), 0, e};
    switch (e.art) {
    case Entscheidung::Pleite:
        r = {Rat::Pleite, 200,
             Tf("Beim Abschluss stünde das Vermögen bei %1: damit werden Sie aus dem Spiel geworfen. Es fehlen %2.",
                {Euro(e.betrag), Euro(-e.geld)}) +
                 Auswege(m, -e.geld),
             Menuepunkt::Bank, T("Bank"), e.betrag, e};
        break;
    case Entscheidung::Verkaufen: {
        const Kaderspieler_& s = mg.Kader[e.ziel];
        const std::string text =
            e.grund == 0 ? Tf("%1 auf die Transferliste: mit %2 Jahren baut er ab, und er steht nicht in der besten Elf. "
                              "Die Gebühr: %3.",
                              {Name(s), Zahl(s.Alter), Euro(-e.geld)})
            : e.grund == 1
                ? Tf("%1 auf die Transferliste: der Kader ist zu groß, und er steht nicht in der besten Elf. Die "
                     "Gebühr: %2.",
                     {Name(s), Euro(-e.geld)})
                : Tf("%1 auf die Transferliste: der Verein lebt vom Kredit, und er kostet %2 je Spiel, und er steht "
                     "nicht in der besten Elf. Die Gebühr: %3.",
                     {Name(s), Euro(s.Gehalt), Euro(-e.geld)});
        r = {Rat::Verkauf, e.grund == 2 ? 65 : 35, text, Menuepunkt::Aufstellung, T("Aufstellung"), 0, e};
        break;
    }
    // Der Preis ist der, den das Angebot des Computermanagers kostet; der Markt zeigt den Wert.
    case Entscheidung::Kaufen: {
        const Kaderspieler_& s = S.Transferliste[e.ziel];
        r.thema = Rat::Kader;
        r.dringlichkeit = 85;
        r.text = Tf("Für den Kader fehlt ein %1: %2 (%3, Stärke %4, Marktwert ca. %5): beim Angebot von 150 % kosten "
                    "Ablöse und Gebühr %6.",
                    {Linie(static_cast<size_t>(AssistentLinie(s))), Name(s), Zahl(s.Alter), Zahl(s.Staerke),
                     Euro(s.Wert), Euro(-e.geld)}) +
                 Rest(e);
        break;
    }
    case Entscheidung::Verstaerken: {
        const Kaderspieler_& s = S.Transferliste[e.ziel];
        r.thema = Rat::Verstaerkung;
        r.dringlichkeit = 40;
        r.text = Tf("%1 (%2, Stärke %3, Marktwert ca. %4) ist %5 Punkte stärker als %6 in der Elf: beim Angebot von "
                    "150 % kosten Ablöse und Gebühr %7.",
                    {Name(s), Zahl(s.Alter), Zahl(s.Staerke), Euro(s.Wert), Zahl(e.betrag), Name(mg.Kader[e.bezug]),
                     Euro(-e.geld)}) +
                 Rest(e);
        break;
    }
    case Entscheidung::Trainer:
        r.thema = Rat::Trainer;
        r.dringlichkeit = 60;
        r.text = Tf("Kein Sondertrainer: einer der Stufe %1 bringt %1 Trainingsbälle mehr, die Technik und Konstitution "
                    "im Training steigern. Für 50 Spiele kostet er %2, dazu ein Gehalt je Spiel.",
                    {Zahl(e.betrag), Euro(-e.geld)}) +
                 Rest(e);
        break;
    case Entscheidung::Plaetze:
        // Der Wiederaufbau geht jedem Kauf vor, wie beim Computermanager: ohne Plätze keine Einnahmen.
        if (e.grund == 1) {
            r = {Rat::Stadion, 88,
                 Tf("Das Stadion hat nur %1 Plätze, weniger als die %2 zu Beginn: der Eintritt trägt die Gehälter "
                    "nicht. %3 Plätze mehr kosten %4.",
                    {Zahl(mg.Plaetze), Zahl(StartPlaetze), Zahl(e.ziel), Euro(-e.geld)}) +
                     Rest(e),
                 Menuepunkt::Stadion, T("Stadion"), 0, e};
            break;
        }
        r = {Rat::Stadion, 30,
             Tf("Die %1 Heimspiele dieser Saison kamen im Schnitt auf %2 Zuschauer bei %3 Plätzen: %4 Plätze mehr "
                "kosten %5.",
                {Zahl(mg.HeimspieleSaison), Zahl(mg.ZuschauerSaison / std::max<int>(1, mg.HeimspieleSaison)),
                 Zahl(mg.Plaetze), Zahl(e.ziel), Euro(-e.geld)}) +
                 Rest(e),
             Menuepunkt::Stadion, T("Stadion"), 0, e};
        break;
    case Entscheidung::Komfort:
        r = {Rat::Stadion, 28,
             Tf("%1 Komfortpunkte für %2: mehr Komfort zieht mehr Zuschauer an.", {Zahl(e.ziel), Euro(-e.geld)}) +
                 Rest(e),
             Menuepunkt::Stadion, T("Stadion"), 0, e};
        break;
    case Entscheidung::Lager:
        r = {Rat::Training, 48,
             Tf("Drei und mehr Stammspieler fallen noch zwei Wochen und länger aus: zehn Tage Trainingslager heilen "
                "schneller, für %1.",
                {Euro(-e.geld)}) +
                 Rest(e),
             Menuepunkt::Training, T("Training"), 0, e};
        break;
    case Entscheidung::Punkte:
        r = {Rat::Punkte, 42,
             Tf("Fähigkeitspunkte für die Stammspieler (Konstitution, Technik, Form der Elf) für %1: zusammen etwa %2 "
                "Punkte Stärke mehr; das Geld liegt sonst nur herum.",
                {Euro(-e.geld), Zahl(e.betrag)}) +
                 Rest(e),
             Menuepunkt::Aufstellung, T("Aufstellung"), 0, e};
        break;
    }
    return r;
}

// Ein schwacher Stammspieler, wenn der Markt einen um die Marge Stärkeren hat: mit dem Grund, warum
// der Computermanager ihn nicht kauft, wenn er es nicht tut.
void Schwache(int m, AssistentStufe stufe, const std::vector<Entscheidung>& liste, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    const std::vector<int> elf = BesteElf(m);
    for (size_t l = 0; l < 4; ++l) {
        int schwach = 0, markt = 0;
        for (int i : elf)
            if (static_cast<size_t>(AssistentLinie(mg.Kader[i])) == l && (schwach == 0 || mg.Kader[i].Staerke < mg.Kader[schwach].Staerke))
                schwach = i;
        for (int r = 1; r <= 11; ++r) {
            const Kaderspieler_& s = S.Transferliste[r];
            if (s.Transferstatus != 0 && static_cast<size_t>(AssistentLinie(s)) == l &&
                (markt == 0 || s.Staerke > S.Transferliste[markt].Staerke))
                markt = r;
        }
        if (schwach == 0 || markt == 0 || S.Transferliste[markt].Staerke - mg.Kader[schwach].Staerke < AssistentMarge) continue;
        const bool gekauft = std::any_of(liste.begin(), liste.end(), [&](const Entscheidung& e) {
            return (e.art == Entscheidung::Kaufen || e.art == Entscheidung::Verstaerken) &&
                   static_cast<size_t>(AssistentLinie(S.Transferliste[e.ziel])) == l;
        });
        if (gekauft) continue;
        const Kaderspieler_& s = S.Transferliste[markt];
        // Übersetzer: der Grund steht hinter "doch" im Satz "… am Markt steht X (Stärke N), doch %6."
        const std::string grund = mg.KaderAnzahl >= 23 ? T("der Kader ist voll, erst jemanden abgeben")
                                  : s.Verhandelt != 0  ? T("mit ihm wurde heute schon verhandelt")
                                  : stufe == AssistentStufe::Alt
                                      ? T("auf Stufe Alt kauft der Computermanager nur, um Lücken im Kader zu füllen")
                                  : s.Alter >= 30 ? Tf("mit %1 Jahren ist er zu alt", {Zahl(s.Alter)})
                                                  : Tf("Ablöse und Gebühr (%1) übersteigen, was über der Rücklage liegt",
                                                       {Euro(AssistentKaufpreis(s))});
        raete.push_back({Rat::Schwach, 38,
                         Tf("%1 ist mit Stärke %2 der schwächste %3 der Elf; am Markt steht %4 (Stärke %5), doch %6.",
                            {Name(mg.Kader[schwach]), Zahl(mg.Kader[schwach].Staerke), Linie(l), Name(s),
                             Zahl(s.Staerke), grund}),
                         Menuepunkt::Transfermarkt, T("Transfermarkt")});
    }
}

void Werbung(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    int frei = 0;
    int64_t wert = 0;
    for (int platz = WerbungBande1; platz <= WerbungTrikot3; ++platz)
        if (WerbeplatzFrei(m, platz) && (platz != WerbungFernsehen || FernsehenMoeglich(m))) {
            ++frei;
            wert += AssistentWerbewert(m, platz);
        }
    // Ohne Anfragen kommt auch kein Angebot; dann hilft nur Leistung. Kleinkram lohnt keinen Rat.
    if (frei == 0 || mg.Werbeanfragen < 1.0f || wert * 17 < RatSchwelle) return;
    raete.push_back({Rat::Werbung, 25,
                     frei == 1 ? Tf("%1 Werbeplatz ist frei: ein mittleres Angebot bringt zusammen etwa %2 je Spiel.",
                                    {Zahl(frei), Euro(wert)})
                               : Tf("%1 Werbeplätze sind frei: ein mittleres Angebot bringt zusammen etwa %2 je Spiel.",
                                    {Zahl(frei), Euro(wert)}),
                     Menuepunkt::Werbung, T("Werbung")});
}

} // namespace

std::vector<Rat> Ratschlaege(int m, AssistentStufe stufe)
{
    std::vector<Rat> raete;
    if (m < 0 || m > S.Spiel.ManagerHoch) return raete;
    const std::vector<Entscheidung> liste = AssistentEntscheidungen(m, stufe);
    for (const Entscheidung& e : liste) raete.push_back(AusEntscheidung(m, e));
    KaderLuecken(m, raete);
    Aufgestellte(m, raete);
    Dispo(m, raete);
    Vertraege(m, raete);
    Training(m, raete);
    Schwache(m, stufe, liste, raete);
    Werbung(m, raete);
    std::stable_sort(raete.begin(), raete.end(), [](const Rat& a, const Rat& b) { return a.dringlichkeit > b.dringlichkeit; });
    return raete;
}

} // namespace torvane
