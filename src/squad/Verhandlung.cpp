#include "squad/Verhandlung.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sitzung.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "squad/Kader.h"
#include "squad/Markt.h"

#include <algorithm>
#include <array>

namespace torvane {

namespace {

constexpr int BildSpieler = 8;

// Zeilen mit \n, gezeigt über Tz.
const std::array<const char*, 12> Absagen = {
    N_("Leider muß Ich das Angebot auschlagen und auf ein besseres warten !"),
    N_("Lass Mich in Ruh !"),
    N_("Hau ab !"),
    N_("Das ist zu wenig,\nIch bin Vater von ... u.s.w BlaBla!"),
    N_("HaHa, Lächerlich (Kuller Lach Roll \"Tot\") !"),
    N_("Bin Drogenabhängig, Sexsüchtig,\nhab 3 Frauen mit 5 Kindern zu unterhalten und Spielschulden.\n"
       "Was soll ich mit dem Kleingeld ?"),
    N_("Wenn das so weitergeht wechsel Ich den Verein !"),
    N_("Verzieh Dich !"),
    N_("He, Was soll das ... ?\nBist Du die Matrix ?\nHast Du die Matrix ?\n"
       "oder willst Du mich einfach nur verarschen ?"),
    N_("Da bekomm Ich in der Kreisliga ja meher !"),
    N_("Komm lass man jut sein und jeh wieder nach Hause."),
    N_("Der Spieler dreht Ihnen den Rücken zu und verwendet dabei Ausdrücke .... die nur von Straßenfußballern "
       "gebraucht werden.\nHöchste Zensierungsstufe !"),
};

int64_t Buchen(int m, int64_t betrag)
{
    const int64_t gebucht = KontoBuchen(S.Manager[m].Kontostand, betrag);
    SpielstandGeaendert();
    return gebucht;
}

std::string Zahl(int64_t z) { return std::to_string(z); }
std::string Betrag(int64_t z) { return Geldtext(static_cast<double>(z)) + Waehrung; }

const Kaderspieler_& Kopie() { return S.Manager[Sitzung.Verhandlung.Manager].Kader[0]; }

// Ende jeder Verhandlung: Kopie leeren, nichts mehr offen.
void Schliessen()
{
    Verhandlung_& v = Sitzung.Verhandlung;
    if (v.Manager >= 0) S.Manager[v.Manager].Kader[0] = Kaderspieler_{};
    v.Offen = false;
    v.Beschaeftigt = false;
}

} // namespace

int32_t AbloeseFuer(int32_t wert, int regler)
{
    return Geld(RundenBruch(static_cast<int64_t>(10 + regler) * wert, 10), "Ablöse");
}

int32_t AngebotsgehaltFuer(int alter, int staerke, int jahre, int regler)
{
    const int64_t forderung = AbrundenAuf(static_cast<int64_t>(Gehaltsforderung(alter, staerke, jahre)), 1);
    // Erst malnehmen, dann teilen: 70 % von 5 600 sind 3 920, nicht 3 910.
    return Geld(AbrundenAuf(static_cast<int64_t>(10 + regler) * forderung / 10, 1), "Angebotsgehalt");
}

int ZusageFuer(Verhandlungsart art, int abloese, int gehalt, int jahre)
{
    const int64_t z = art == Verhandlungsart::Verlaengerung
                          ? RundenBruch(static_cast<int64_t>(gehalt + jahre) * 25, 2)
                          : RundenBruch(static_cast<int64_t>(abloese + gehalt + jahre) * 100, 13);
    return static_cast<int>(std::clamp<int64_t>(z, 1, 100));
}

int32_t Verhandlungsgebuehr(int32_t abloese) { return Geld(RundenBruch(static_cast<int64_t>(abloese) * 2, 100)); }

namespace {

// Die Ablöse, mit der ein Gespräch beginnt (beim Kauf der Wert, bei der Verlängerung die Stärke mal 10.000).
int32_t AbloeseZuBeginn(Verhandlungsart art, const Kaderspieler_& k)
{
    return art == Verhandlungsart::Kauf ? k.Wert : Geld(static_cast<int64_t>(k.Staerke) * 10000);
}

// Probelauf vor dem Klick: öffnete er ein Gespräch, dessen Gebühr nicht mehr vom Konto abginge,
// bleibt alles, wie es war.
bool GebuehrPasstNicht(int m, Verhandlungsart art, const Vertragspruefung& p)
{
    if (!p.plan || !p.plan->Verhandeln) return false;
    if (KontoPasst(S.Manager[m].Kontostand, -int64_t{Verhandlungsgebuehr(AbloeseZuBeginn(art, p.plan->Spieler))}))
        return false;
    Hinweis(T(BetragZuGrossText));
    return true;
}

} // namespace

int64_t Kaufkosten(const Kaderspieler_& s, const Regler_& regler)
{
    return int64_t{Verhandlungsgebuehr(AbloeseZuBeginn(Verhandlungsart::Kauf, s))} + AbloeseFuer(s.Wert, regler.Abloese);
}

namespace {

// Eröffnen als Einheit: der Plan des Klicks und, wenn ein Gespräch beginnt, seine Gebühr; die
// Meldung zum Plan erst danach.
bool Eroeffnen(int m, Verhandlungsart art, int zeile, const Regler_& regler, const Vertragspruefung& p,
               void (*ausfuehren)(int, int, const Vertragsplan&))
{
    if (GebuehrPasstNicht(m, art, p)) return false;
    if (!p.plan) {
        if (!p.ablehnung.empty()) Hinweis(p.ablehnung);
        return false;
    }
    {
        Einheit einheit;
        ausfuehren(m, zeile, *p.plan);
        if (p.plan->Verhandeln) VerhandlungBeginnen(m, art, zeile, regler);
        einheit.fertig();
    }
    if (!p.plan->Meldung.empty()) Hinweis(p.plan->Meldung);
    return p.plan->Verhandeln;
}

} // namespace

bool KaufVerhandlungOeffnen(int m, int zeile, const Regler_& regler)
{
    // Solange ein Gespräch läuft, bleibt Kader[0] dessen Spieler.
    if (Sitzung.Verhandlung.Offen) return false;
    return Eroeffnen(m, Verhandlungsart::Kauf, zeile, regler, MarktspielerWaehlenPruefen(m, zeile),
                     MarktspielerWaehlenAusfuehren);
}

bool VertragsVerhandlungOeffnen(int m, int i, const Regler_& regler)
{
    if (Sitzung.Verhandlung.Offen) return false;
    return Eroeffnen(m, Verhandlungsart::Verlaengerung, i, regler, NeuerVertragPruefen(m, i), VertragAusfuehren);
}

void VerhandlungBeginnen(int m, Verhandlungsart art, int zeile, const Regler_& regler)
{
    Manager_& mg = S.Manager[m];
    const Kaderspieler_& k = mg.Kader[0];
    Verhandlung_& v = Sitzung.Verhandlung;
    v = Verhandlung_{};
    v.Manager = m;
    v.Art = art;
    v.Zeile = zeile;
    v.Abloese = AbloeseZuBeginn(art, k);
    Buchen(m, -static_cast<int64_t>(Verhandlungsgebuehr(v.Abloese)));
    v.Offen = true;
    VerhandlungRechnen(regler);
}

void VerhandlungRechnen(const Regler_& regler)
{
    Verhandlung_& v = Sitzung.Verhandlung;
    if (!v.Offen) return;
    const int abloese = std::clamp(regler.Abloese, -5, 5);
    const int gehalt = std::clamp(regler.Gehalt, -5, 5);
    const int jahre = std::clamp(regler.Jahre, 1, 6);
    const Kaderspieler_& k = Kopie();
    v.Jahre = jahre;
    const bool kauf = v.Art == Verhandlungsart::Kauf;
    if (kauf) v.Abloese = AbloeseFuer(k.Wert, abloese);
    v.Angebotsgehalt = AngebotsgehaltFuer(k.Alter, k.Staerke, jahre, gehalt);
    v.Zusage = ZusageFuer(v.Art, kauf ? abloese : 0, gehalt, jahre);
}

Ueberraschungstext Ueberraschung(int m, int i, int s, int32_t abloese, int32_t angebotsgehalt)
{
    Kaderspieler_& k = S.Manager[m].Kader[i];
    const int64_t abl = abloese / 100;
    const int64_t geh = angebotsgehalt / 100;
    switch (s) {
    case 1: {
        const int p = Zufall(1, 25);
        Buchen(m, abl * p);
        return {Tf("Der Spieler hätte sich besser Beraten sollen, durch Dummheit zahlen Sie %1 % weniger Ablösesumme.",
                   {Zahl(p)})};
    }
    case 2:
        SETZE(k.GelbNational, Zufall(1, 4));
        return {Tf("Der Spieler ist mit %1 Gelbe Karten vorbelastet.", {Zahl(k.GelbNational)})};
    case 3:
        SETZE(k.GelbInternational, Zufall(1, 4));
        return {Tf("Der Spieler ist mit %1 Gelbe Karte(n) International vorbelastet.", {Zahl(k.GelbInternational)})};
    case 4:
        SETZE(k.RotNational, Zufall(1, 3));
        return {Tf("Der Spieler ist mit einer Roten Karte vorbelastet und darf %1 Spiele nicht spielen.",
                   {Zahl(k.RotNational)})};
    case 5:
        SETZE(k.RotInternational, Zufall(1, 3));
        return {Tf("Der Spieler ist mit einer Roten Karte International vorbelastet und darf %1 Pokalspiel(e) nicht "
                   "spielen.",
                   {Zahl(k.RotInternational)})};
    case 6: {
        const int n = Zufall(1, 10);
        SETZE(k.Verletzt, n);
        SETZE(k.VerletzungArt, n);
        return {Tf("Der Spieler fällt Verletzungsbedingt %1 Spiel(e) aus.", {Zahl(n)})};
    }
    case 7: k.Form = 10; return {T("Der Spieler ist in einer Superform.")};
    case 8: k.Technik = 120; return {T("Der Spieler hat eine Super Technik.")};
    case 9: k.Konstitution = 60; return {T("Diesen Spieler nennt man auch , \"Die Lunge\" .")};
    case 10:
        k.Konstitution = 60;
        return {"", T("Der Spieler ist ja Pfeilschnell.")};
    case 11: k.Technik = 120; return {T("Der Spieler ist ein Fummelkönig.")};
    case 12: {
        const int p = Zufall(1, 50);
        SETZE(k.Gehalt, AbrundenAuf(static_cast<int64_t>(k.Gehalt) + geh * p, 1));
        return {Tf("Beim Gehalt wurde geschummelt, Sie zahlen dem Spieler %1 % mehr Gehalt.", {Zahl(p)})};
    }
    case 13: {
        const int p = Zufall(1, 50);
        SETZE(k.Gehalt, AbrundenAuf(static_cast<int64_t>(k.Gehalt) - geh * p, 1));
        return {Tf("Beim Gehalt konnten Sie den Spieler über den Tisch ziehen, dadurch sparen Sie %1 % Gehalt.",
                   {Zahl(p)})};
    }
    case 14: {
        const int64_t x = Buchen(m, AbrundenAuf(abl * Zufall(1, 50), 1));
        return {Tf("Ein Sponsor legt noch  %1 drauf.", {Betrag(x)})};
    }
    default: return {};
    }
}

namespace {

// Was ein Angebot nach dem Buchen zeigt, in dieser Folge.
struct Angebotsanzeige {
    bool kasse = false;
    bool warten = false; // der Neue ist da; Zeit, ihn anzusehen
    std::string meldung;
    std::string text;
    const char* knopf = "ok";
};

// Das Angebot ohne Meldung: die Ziehungen und alles, was sie ändern.
Verhandlungsergebnis AngebotBuchen(Angebotsanzeige& anz)
{
    Verhandlung_& v = Sitzung.Verhandlung;
    const int m = v.Manager;
    Manager_& mg = S.Manager[m];
    const bool kauf = v.Art == Verhandlungsart::Kauf;
    const Kaderspieler_ kopie = mg.Kader[0];

    const int r = Zufall(1, 100);
    const bool zugesagt = r <= v.Zusage;
    mg.Managerpunkte += static_cast<float>(100 - v.Zusage) / 100.0f;

    if (zugesagt && !kauf) {
        Kaderspieler_& s = mg.Kader[v.Zeile];
        if (v.Angebotsgehalt < s.Gehalt || v.Jahre < s.Vertrag) {
            anz.text = std::string(NL) + Tz("Nach meinen Berechnungen stand ich voher besser da !\nKleiner Denkfehler ?\n"
                                            "Mein Ziel ist immer, mehr Gehalt und lange Vertragsbindung.");
            return Verhandlungsergebnis::Absage;
        }
        SETZE(s.Vertrag, v.Jahre);
        s.Gehalt = v.Angebotsgehalt;
        BerechneMannschaft(m, 0);
        anz.kasse = true;
        anz.text = T("Ich hoffe auf eine weiterhin gute Zusammenarbeit und werde mein bestes für das Team geben !");
        return Verhandlungsergebnis::Zusage;
    }

    if (zugesagt) {
        // Erst bezahlt (vorher geprüft), dann verpflichtet; die Überraschung bucht danach.
        Buchen(m, -static_cast<int64_t>(v.Abloese));
        const int neu = mg.KaderAnzahl + 1;
        Kaderspieler_ s = kopie;
        SETZE(s.Vertrag, v.Jahre);
        s.Gehalt = v.Angebotsgehalt;
        s.Transferstatus = 0;
        mg.Kader[neu] = s;
        mg.KaderAnzahl = static_cast<uint8_t>(neu);
        S.Transferliste[v.Zeile] = Kaderspieler_{};
        const Ueberraschungstext ueber = Ueberraschung(m, neu, Zufall(1, 40), v.Abloese, v.Angebotsgehalt);
        BerechneMannschaft(m, 0);
        anz.kasse = true;
        anz.warten = true;
        anz.meldung = ueber.meldung;
        anz.text = T("Danke für Ihr Vertrauen, ich versuche Sie nicht zu enttäuschen.");
        if (!ueber.satz.empty()) anz.text += std::string(NL) + NL + ueber.satz;
        return Verhandlungsergebnis::Zusage;
    }

    const int a = Zufall(1, 13);
    anz.knopf = "OK";
    anz.text = a <= 12 ? Tz(Absagen[static_cast<size_t>(a - 1)]) : std::string();
    if (a == 13 && !kauf) {
        anz.text = T("Der Spieler will unweigerlich den Verein verlassen und wird auf die Tranverliste gesetzt.");
        mg.Kader[v.Zeile].Transferstatus = 2;
        return Verhandlungsergebnis::Absage;
    }
    if (!anz.text.empty()) anz.text += NL;
    anz.text += T("Durch Vertragsfrustation sickert der Spieler in ein Formtief.");
    const int verlust = Zufall(1, 5);
    if (kauf) {
        Kaderspieler_& z = S.Transferliste[v.Zeile];
        // Die Form hat ihre Grenze bei -10, auch nach vielen Absagen.
        SETZE(z.Form, std::max(z.Form - verlust, -10));
        const int64_t staerke = Runden((z.Technik + z.Konstitution) / 1.5, "Staerke") + z.Form;
        SETZE(z.Staerke, std::max<int64_t>(staerke, 1));
    } else {
        Kaderspieler_& s = mg.Kader[v.Zeile];
        SETZE(s.Form, std::max(s.Form - verlust, -10));
        BerechneMannschaft(m, 0);
    }
    return Verhandlungsergebnis::Absage;
}

} // namespace

Verhandlungsergebnis Anbieten()
{
    Verhandlung_& v = Sitzung.Verhandlung;
    if (!v.Offen || v.Beschaeftigt) return Verhandlungsergebnis::Ignoriert;
    struct Aufraeumen {
        ~Aufraeumen() { Schliessen(); }
    } aufraeumen; // auch nach einem Laufzeitfehler ist die Verhandlung zu
    const Manager_& mg = S.Manager[v.Manager];
    const std::string kopf = mg.Kader[0].Vorname.text() + " " + mg.Kader[0].Nachname.text();

    if (v.Art == Verhandlungsart::Kauf) {
        // Zwischen Öffnen und Angebot kann der Kader voll oder die Zeile leer geworden sein.
        if (mg.KaderAnzahl >= 23 || S.Transferliste[v.Zeile].Transferstatus == 0) {
            Hinweis(T("Sie haben schon 23 Spieler in Ihrem Kader, damit müßte selbst Ihnen gelingen eine "
                      "vernünftige Mannschaft aufzustellen !"));
            return Verhandlungsergebnis::Ignoriert;
        }
        // Eine Ablöse, die das Konto nicht fasst, wird nicht angeboten.
        if (!KontoPasst(mg.Kontostand, -int64_t{v.Abloese})) {
            Hinweis(T(BetragZuGrossText));
            return Verhandlungsergebnis::Ignoriert;
        }
    }
    // Ein Gehalt, das die Gehaltssumme des Kaders über ihr Feld höbe, wird nicht angeboten.
    int64_t gehaelter = v.Angebotsgehalt;
    for (int i = 1; i <= mg.KaderAnzahl; ++i)
        if (v.Art == Verhandlungsart::Kauf || i != v.Zeile) gehaelter += mg.Kader[i].Gehalt;
    if (!GehaelterPassen(gehaelter)) {
        Hinweis(T(BetragZuGrossText));
        return Verhandlungsergebnis::Ignoriert;
    }

    Angebotsanzeige anz;
    Verhandlungsergebnis ergebnis;
    {
        // Die Rücknahme läuft vor dem Aufräumen: nach einem Fehler ist nichts gebucht und die Verhandlung zu.
        Einheit einheit;
        v.Beschaeftigt = true;
        ergebnis = AngebotBuchen(anz);
        Schliessen();
        einheit.fertig();
    }
    if (anz.kasse) Klang("kasse");
    if (anz.warten) Warte(1000);
    if (!anz.meldung.empty()) Hinweis(anz.meldung);
    Nachricht(kopf, anz.text, anz.knopf, 0, 0, BildSpieler);
    return ergebnis;
}

void VerhandlungAbbrechen()
{
    Verhandlung_& v = Sitzung.Verhandlung;
    if (!v.Offen || v.Beschaeftigt) return;
    S.Manager[v.Manager].Managerpunkte += 0.1f;
    // Die Kopie in Kader[0] bleibt; das nächste Gespräch überschreibt sie.
    v.Offen = false;
}

std::string VerhandlungsTitel(Verhandlungsart art)
{
    return art == Verhandlungsart::Kauf ? T("Neuer Spielerkauf") : T("Neue Vertragsverhandlung");
}

std::string PositionsTitel(std::string_view position)
{
    if (position == "T") return T("Robuster Torwart");
    if (position == "V") return T("Gemeiner Verteidiger");
    if (position == "M") return T("Fuchsiger Mittelfeldmann");
    if (position == "S") return T("Rassiger Stürmer");
    return "";
}

std::string ZusageText(int zusage)
{
    return Tf("Die warscheinlichkeit das der Spieler zustimmt, beträgt %1 %.", {std::to_string(zusage)});
}

} // namespace torvane
