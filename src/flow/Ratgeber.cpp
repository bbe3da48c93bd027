#include "flow/Ratgeber.h"

#include "core/Fehler.h"
#include "core/Konto.h"
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

const char* const LinienNamen[4] = {"Torwart", "Verteidiger", "Mittelfeldspieler", "Stürmer"};

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
    if (alle < 11)
        raete.push_back({Rat::Kader, 100,
                         "Nur " + Zahl(alle) + " einsatzfähige Spieler: für eine volle Elf fehlen " + Zahl(11 - alle) +
                             (voll ? ". Der Kader ist voll, erst jemanden abgeben." : ". Auf dem Transfermarkt nachkaufen."),
                         voll ? Menuepunkt::Aufstellung : Menuepunkt::Transfermarkt, voll ? "Aufstellung" : "Transfermarkt"});
    for (size_t l = 0; l < 4; ++l) {
        if (bereit[l] >= noetig[l]) continue;
        raete.push_back({Rat::Kader, 95,
                         "Für das System " + SystemText(mg.SpielSystem.text()) + " fehlen einsatzfähige " + LinienNamen[l] + ": " +
                             Zahl(bereit[l]) + " statt " + Zahl(noetig[l]) + ".",
                         voll ? Menuepunkt::Aufstellung : Menuepunkt::Transfermarkt, voll ? "Aufstellung" : "Transfermarkt"});
    }
    const int eingesetzt = AnzahlEingesetzt(m);
    if (eingesetzt < 7)
        raete.push_back({Rat::Kader, 100,
                         "Nur " + Zahl(eingesetzt) + " Spieler aufgestellt: unter 7 kostet der Abschluss " +
                             Euro(static_cast<int64_t>(5 - mg.Liga) * 250000) + " Strafe.",
                         Menuepunkt::Aufstellung, "Aufstellung"});
}

void Aufgestellte(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        if (s.Eingesetzt == 0 || Einsatzfaehig(s)) continue;
        const std::string grund = s.Verletzt > 0 ? "ist verletzt (noch " + Zahl(s.Verletzt) + " Wochen)" : "ist gesperrt";
        raete.push_back({Rat::Aufstellung, 90, Name(s) + " " + grund + " und steht trotzdem in der Elf.",
                         Menuepunkt::Aufstellung, "Aufstellung"});
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
                         "Konto über 10 % des Vermögens überzogen: der Abschluss kostet " + Euro(gebuehr) +
                             " Gebühr. Vorher Sparbuch oder Kredit nutzen.",
                         Menuepunkt::Bank, "Bank"});
    }
    if (S.Spiel.Wettbewerb != Wettbewerb_::Liga) return;
    const int64_t nachher = KontoNachAbschluss(m);
    if (nachher >= 0) return;
    const int64_t zinsen = -KontozinsenProSpiel(nachher);
    const int64_t kredit = KreditzinsenProSpiel(-nachher);
    const bool sparbuch = mg.Sparbuch >= -nachher;
    raete.push_back({Rat::Ueberziehung, 80,
                     "Nach dem Abschluss etwa " + Euro(-nachher) + " im Minus: der Dispozins (laut Bank 15 %) kostet rund " +
                         Euro(zinsen) + " je Spieltag. " +
                         (sparbuch ? "Das Sparbuch deckt es."
                                   : "Ein Kredit (laut Bank 12 %) kostet dafür " + Euro(kredit) + " je Spieltag."),
                     Menuepunkt::Bank, "Bank", nachher});
}

void Vertraege(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    for (int i : AssistentVerlaengerungen(m)) {
        const Kaderspieler_& s = mg.Kader[i];
        raete.push_back({Rat::Vertrag, 70,
                         "Vertrag von " + Name(s) + " (Stärke " + Zahl(s.Staerke) + ") läuft aus: verlängern, er will etwa " +
                             Euro(Gehaltsforderung(s.Alter, s.Staerke, 6)) + " je Spiel für 6 Jahre.",
                         Menuepunkt::Aufstellung, "Aufstellung"});
    }
}

void Training(int m, std::vector<Rat>& raete)
{
    const Manager_& mg = S.Manager[m];
    if (FreieBaelle(m) > 0 && mg.BaelleTechnik + mg.BaelleKonstitution < 2 * BallPlaetze)
        raete.push_back({Rat::Training, 50,
                         Zahl(FreieBaelle(m)) + " Trainingsbälle liegen ungenutzt: auf Technik und Konstitution verteilen.",
                         Menuepunkt::Training, "Training"});
    int verletzt = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i)
        if (mg.Kader[i].Verletzt > 0) ++verletzt;
    if (mg.Trainingsstunden >= 8 && verletzt >= 3)
        raete.push_back({Rat::Training, 55,
                         Zahl(mg.Trainingsstunden) + " Stunden Training bei " + Zahl(verletzt) +
                             " Verletzten: mehr Stunden bringen mehr Verletzte, 6 genügen.",
                         Menuepunkt::Training, "Training"});
    else if (mg.Trainingsstunden <= 3)
        raete.push_back({Rat::Training, 45,
                         "Nur " + Zahl(mg.Trainingsstunden) + " Stunden Training: so wächst die Mannschaft kaum.",
                         Menuepunkt::Training, "Training"});
}

std::string Rest(const Entscheidung& e)
{
    if (e.ruecklage < 0) return " Das geht nur mit einem Kredit (höchstens " + Euro(-e.ruecklage) + "), doch ohne Elf verliert der Verein mehr.";
    return " Nach dem Abschluss bleiben mindestens " + Euro(e.ruecklage) + " Rücklage.";
}

// Der Preis ist der, den das Angebot des Computermanagers kostet; der Markt zeigt den Wert.
std::string Kauftext(const Kaderspieler_& s, const Entscheidung& e, const std::string& warum)
{
    return Name(s) + " (" + Zahl(s.Alter) + ", Stärke " + Zahl(s.Staerke) + ", Marktwert ca. " + Euro(s.Wert) + ")" +
           warum + ": beim Angebot von 150 % kosten Ablöse und Gebühr " + Euro(-e.geld) + "." + Rest(e);
}

// Was der Abschluss noch abwenden kann: nur eine Anlage, die mehr bringt, als sie im Vermögen zählt.
std::string Auswege(int m, int64_t fehlt)
{
    const Manager_& mg = S.Manager[m];
    const int64_t anlage = mg.AnlageBetrag > 0 ? AnlageBeiKuendigung(mg.AnlageWert) - mg.AnlageBetrag : 0;
    std::string t = " Kredit und Sparbuch ändern das Vermögen nicht, ein Darlehen senkt es um seine Zinsen; verschrottete "
                    "Plätze und verkaufter Komfort bringen nur, was sie darin zählen, und ein Spieler auf der Transferliste "
                    "bringt erst nach dem Abschluss Geld.";
    if (anlage <= 0) return t + " Nichts davon reicht in diesem Zug.";
    return t + " Die Anlage zu kündigen bringt " + Euro(anlage) + " mehr" +
           (anlage >= fehlt ? ": das reicht." : ", das reicht nicht.");
}

Rat AusEntscheidung(int m, const Entscheidung& e)
{
    const Manager_& mg = S.Manager[m];
    Rat r{Rat::Kader, 0, "", Menuepunkt::Transfermarkt, "Transfermarkt", 0, e};
    switch (e.art) {
    case Entscheidung::Pleite:
        r = {Rat::Pleite, 200,
             "Beim Abschluss stünde das Vermögen bei " + Euro(e.betrag) + ": damit werden Sie aus dem Spiel geworfen. Es fehlen " +
                 Euro(-e.geld) + "." + Auswege(m, -e.geld),
             Menuepunkt::Bank, "Bank", e.betrag, e};
        break;
    case Entscheidung::Verkaufen: {
        const Kaderspieler_& s = mg.Kader[e.ziel];
        const std::string grund = e.grund == 0   ? "mit " + Zahl(s.Alter) + " Jahren baut er ab"
                                  : e.grund == 1 ? "der Kader ist zu groß"
                                                 : "der Verein lebt vom Kredit, und er kostet " + Euro(s.Gehalt) + " je Spiel";
        r = {Rat::Verkauf, e.grund == 2 ? 65 : 35,
             Name(s) + " auf die Transferliste: " + grund + ", und er steht nicht in der besten Elf. Die Gebühr: " +
                 Euro(-e.geld) + ".",
             Menuepunkt::Aufstellung, "Aufstellung", 0, e};
        break;
    }
    case Entscheidung::Kaufen:
        r.thema = Rat::Kader;
        r.dringlichkeit = 85;
        r.text = "Für den Kader fehlt ein " + std::string(LinienNamen[AssistentLinie(S.Transferliste[e.ziel])]) + ": " +
                 Kauftext(S.Transferliste[e.ziel], e, "");
        break;
    case Entscheidung::Verstaerken:
        r.thema = Rat::Verstaerkung;
        r.dringlichkeit = 40;
        r.text = Kauftext(S.Transferliste[e.ziel], e,
                          " ist " + Zahl(e.betrag) + " Punkte stärker als " + Name(mg.Kader[e.bezug]) + " in der Elf");
        break;
    case Entscheidung::Trainer:
        r.thema = Rat::Trainer;
        r.dringlichkeit = 60;
        r.text = "Kein Sondertrainer: einer der Stufe " + Zahl(e.betrag) + " bringt " + Zahl(e.betrag) +
                 " Trainingsbälle mehr, die Technik und Konstitution im Training steigern. Für 50 Spiele kostet er " +
                 Euro(-e.geld) + ", dazu ein Gehalt je Spiel." + Rest(e);
        break;
    case Entscheidung::Plaetze:
        // Der Wiederaufbau geht jedem Kauf vor, wie beim Computermanager: ohne Plätze keine Einnahmen.
        if (e.grund == 1) {
            r = {Rat::Stadion, 88,
                 "Das Stadion hat nur " + Zahl(mg.Plaetze) + " Plätze, weniger als die " + Zahl(StartPlaetze) +
                     " zu Beginn: der Eintritt trägt die Gehälter nicht. " + Zahl(e.ziel) + " Plätze mehr kosten " +
                     Euro(-e.geld) + "." + Rest(e),
                 Menuepunkt::Stadion, "Stadion", 0, e};
            break;
        }
        r = {Rat::Stadion, 30,
             "Die " + Zahl(mg.HeimspieleSaison) + " Heimspiele dieser Saison kamen im Schnitt auf " +
                 Zahl(mg.ZuschauerSaison / std::max<int>(1, mg.HeimspieleSaison)) + " Zuschauer bei " + Zahl(mg.Plaetze) +
                 " Plätzen: " + Zahl(e.ziel) + " Plätze mehr kosten " + Euro(-e.geld) + "." + Rest(e),
             Menuepunkt::Stadion, "Stadion", 0, e};
        break;
    case Entscheidung::Komfort:
        r = {Rat::Stadion, 28,
             Zahl(e.ziel) + " Komfortpunkte für " + Euro(-e.geld) + ": mehr Komfort zieht mehr Zuschauer an." + Rest(e),
             Menuepunkt::Stadion, "Stadion", 0, e};
        break;
    case Entscheidung::Lager:
        r = {Rat::Training, 48,
             "Drei und mehr Stammspieler fallen noch zwei Wochen und länger aus: zehn Tage Trainingslager heilen schneller, für " +
                 Euro(-e.geld) + "." + Rest(e),
             Menuepunkt::Training, "Training", 0, e};
        break;
    case Entscheidung::Punkte:
        r = {Rat::Punkte, 42,
             "Fähigkeitspunkte für die Stammspieler (Konstitution, Technik, Form der Elf) für " + Euro(-e.geld) +
                 ": zusammen etwa " + Zahl(e.betrag) + " Punkte Stärke mehr; das Geld liegt sonst nur herum." + Rest(e),
             Menuepunkt::Aufstellung, "Aufstellung", 0, e};
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
        const std::string grund = mg.KaderAnzahl >= 23 ? "der Kader ist voll, erst jemanden abgeben"
                                  : s.Verhandelt != 0  ? "mit ihm wurde heute schon verhandelt"
                                  : stufe == AssistentStufe::Alt
                                      ? "auf Stufe Alt kauft der Computermanager nur, um Lücken im Kader zu füllen"
                                  : s.Alter >= 30 ? "mit " + Zahl(s.Alter) + " Jahren ist er zu alt"
                                                  : "Ablöse und Gebühr (" + Euro(AssistentKaufpreis(s)) +
                                                        ") übersteigen, was über der Rücklage liegt";
        raete.push_back({Rat::Schwach, 38,
                         Name(mg.Kader[schwach]) + " ist mit Stärke " + Zahl(mg.Kader[schwach].Staerke) + " der schwächste " +
                             LinienNamen[l] + " der Elf; am Markt steht " + Name(s) + " (Stärke " + Zahl(s.Staerke) +
                             "), doch " + grund + ".",
                         Menuepunkt::Transfermarkt, "Transfermarkt"});
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
                     Zahl(frei) + (frei == 1 ? " Werbeplatz ist" : " Werbeplätze sind") + " frei: ein mittleres Angebot bringt zusammen etwa " +
                         Euro(wert) + " je Spiel.",
                     Menuepunkt::Werbung, "Werbung"});
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
