#include "squad/Verhandlung.h"

#include "core/Fehler.h"
#include "core/Funky.h"
#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "squad/Kader.h"
#include "squad/Markt.h"

#include <algorithm>
#include <array>

namespace torvane {

namespace {

constexpr int BildSpieler = 8;

const std::array<const char*, 12> Absagen = {
    "Leider muß Ich das Angebot auschlagen und auf ein besseres warten !",
    "Lass Mich in Ruh !",
    "Hau ab !",
    "Das ist zu wenig,\r\nIch bin Vater von ... u.s.w BlaBla!",
    "HaHa, Lächerlich (Kuller Lach Roll \"Tot\") !",
    "Bin Drogenabhängig, Sexsüchtig,\r\nhab 3 Frauen mit 5 Kindern zu unterhalten und Spielschulden.\r\n"
    "Was soll ich mit dem Kleingeld ?",
    "Wenn das so weitergeht wechsel Ich den Verein !",
    "Verzieh Dich !",
    "He, Was soll das ... ?\r\nBist Du die Matrix ?\r\nHast Du die Matrix ?\r\n"
    "oder willst Du mich einfach nur verarschen ?",
    "Da bekomm Ich in der Kreisliga ja meher !",
    "Komm lass man jut sein und jeh wieder nach Hause.",
    "Der Spieler dreht Ihnen den Rücken zu und verwendet dabei Ausdrücke .... die nur von Straßenfußballern "
    "gebraucht werden.\r\nHöchste Zensierungsstufe !",
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
    Hinweis(BetragZuGrossText);
    return true;
}

} // namespace

bool KaufVerhandlungOeffnen(int m, int zeile, const Regler_& regler)
{
    // Solange ein Gespräch läuft, bleibt Kader[0] dessen Spieler.
    if (Sitzung.Verhandlung.Offen) return false;
    if (GebuehrPasstNicht(m, Verhandlungsart::Kauf, MarktspielerWaehlenPruefen(m, zeile))) return false;
    if (!MarktspielerWaehlen(m, zeile)) return false;
    VerhandlungBeginnen(m, Verhandlungsart::Kauf, zeile, regler);
    return true;
}

bool VertragsVerhandlungOeffnen(int m, int i, const Regler_& regler)
{
    if (Sitzung.Verhandlung.Offen) return false;
    if (GebuehrPasstNicht(m, Verhandlungsart::Verlaengerung, NeuerVertragPruefen(m, i))) return false;
    if (!NeuerVertrag(m, i)) return false;
    VerhandlungBeginnen(m, Verhandlungsart::Verlaengerung, i, regler);
    return true;
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

std::string Ueberraschung(int m, int i, int s, int32_t abloese, int32_t angebotsgehalt)
{
    Kaderspieler_& k = S.Manager[m].Kader[i];
    const int64_t abl = abloese / 100;
    const int64_t geh = angebotsgehalt / 100;
    switch (s) {
    case 1: {
        const int p = Zufall(1, 25);
        Buchen(m, abl * p);
        return "Der Spieler hätte sich besser Beraten sollen, durch Dummheit zahlen Sie " + Zahl(p) +
               " % weniger Ablösesumme.";
    }
    case 2:
        SETZE(k.GelbNational, Zufall(1, 4));
        return "Der Spieler ist mit " + Zahl(k.GelbNational) + " Gelbe Karten vorbelastet.";
    case 3:
        SETZE(k.GelbInternational, Zufall(1, 4));
        return "Der Spieler ist mit " + Zahl(k.GelbInternational) + " Gelbe Karte(n) International vorbelastet.";
    case 4:
        SETZE(k.RotNational, Zufall(1, 3));
        return "Der Spieler ist mit einer Roten Karte vorbelastet und darf " + Zahl(k.RotNational) +
               " Spiele nicht spielen.";
    case 5:
        SETZE(k.RotInternational, Zufall(1, 3));
        return "Der Spieler ist mit einer Roten Karte International vorbelastet und darf " +
               Zahl(k.RotInternational) + " Pokalspiel(e) nicht spielen.";
    case 6: {
        const int n = Zufall(1, 10);
        SETZE(k.Verletzt, n);
        SETZE(k.VerletzungArt, n);
        return "Der Spieler fällt Verletzungsbedingt " + Zahl(n) + " Spiel(e) aus.";
    }
    case 7: k.Form = 10; return "Der Spieler ist in einer Superform.";
    case 8: k.Technik = 120; return "Der Spieler hat eine Super Technik.";
    case 9: k.Konstitution = 60; return "Diesen Spieler nennt man auch , \"Die Lunge\" .";
    case 10:
        k.Konstitution = 60;
        Hinweis("Der Spieler ist ja Pfeilschnell.");
        return "";
    case 11: k.Technik = 120; return "Der Spieler ist ein Fummelkönig.";
    case 12: {
        const int p = Zufall(1, 50);
        SETZE(k.Gehalt, AbrundenAuf(static_cast<int64_t>(k.Gehalt) + geh * p, 1));
        return "Beim Gehalt wurde geschummelt, Sie zahlen dem Spieler " + Zahl(p) + " % mehr Gehalt.";
    }
    case 13: {
        const int p = Zufall(1, 50);
        SETZE(k.Gehalt, AbrundenAuf(static_cast<int64_t>(k.Gehalt) - geh * p, 1));
        return "Beim Gehalt konnten Sie den Spieler über den Tisch ziehen, dadurch sparen Sie " + Zahl(p) +
               " % Gehalt.";
    }
    case 14: {
        const int64_t x = Buchen(m, AbrundenAuf(abl * Zufall(1, 50), 1));
        return "Ein Sponsor legt noch  " + Betrag(x) + " drauf.";
    }
    default: return "";
    }
}

Verhandlungsergebnis Anbieten()
{
    Verhandlung_& v = Sitzung.Verhandlung;
    if (!v.Offen || v.Beschaeftigt) return Verhandlungsergebnis::Ignoriert;
    v.Beschaeftigt = true;
    struct Aufraeumen {
        ~Aufraeumen() { Schliessen(); }
    } aufraeumen; // auch nach einem Laufzeitfehler ist die Verhandlung zu
    const int m = v.Manager;
    Manager_& mg = S.Manager[m];
    const bool kauf = v.Art == Verhandlungsart::Kauf;
    const Kaderspieler_ kopie = mg.Kader[0];
    const std::string kopf = kopie.Vorname.text() + " " + kopie.Nachname.text();

    if (kauf) {
        // Zwischen Öffnen und Angebot kann der Kader voll oder die Zeile leer geworden sein.
        if (mg.KaderAnzahl >= 23 || S.Transferliste[v.Zeile].Transferstatus == 0) {
            Hinweis("Sie haben schon 23 Spieler in Ihrem Kader, damit müßte selbst Ihnen gelingen eine "
                    "vernünftige Mannschaft aufzustellen !");
            return Verhandlungsergebnis::Ignoriert;
        }
        // Eine Ablöse, die das Konto nicht fasst, wird nicht angeboten.
        if (!KontoPasst(mg.Kontostand, -int64_t{v.Abloese})) {
            Hinweis(BetragZuGrossText);
            return Verhandlungsergebnis::Ignoriert;
        }
    }

    const int r = Zufall(1, 100);
    const bool zugesagt = r <= v.Zusage;
    mg.Managerpunkte += static_cast<float>(100 - v.Zusage) / 100.0f;

    if (zugesagt && !kauf) {
        Kaderspieler_& s = mg.Kader[v.Zeile];
        std::string text;
        if (v.Angebotsgehalt < s.Gehalt || v.Jahre < s.Vertrag) {
            text = std::string(NL) + "Nach meinen Berechnungen stand ich voher besser da !" + NL +
                   "Kleiner Denkfehler ?" + NL + "Mein Ziel ist immer, mehr Gehalt und lange Vertragsbindung.";
            Nachricht(kopf, text, "ok", 0, 0, BildSpieler);
            return Verhandlungsergebnis::Absage;
        }
        SETZE(s.Vertrag, v.Jahre);
        s.Gehalt = v.Angebotsgehalt;
        Klang("kasse");
        BerechneMannschaft(m, 0);
        Nachricht(kopf, "Ich hoffe auf eine weiterhin gute Zusammenarbeit und werde mein bestes für das Team geben !",
                  "ok", 0, 0, BildSpieler);
        return Verhandlungsergebnis::Zusage;
    }

    if (zugesagt) {
        Kaderspieler_& zeile = S.Transferliste[v.Zeile];
        Klang("kasse");
        // Erst bezahlt (oben geprüft), dann verpflichtet; die Überraschung bucht danach.
        Buchen(m, -static_cast<int64_t>(v.Abloese));
        // Einsetzen und zählen in einem Schritt, erst danach wird gewartet.
        const int neu = mg.KaderAnzahl + 1;
        Kaderspieler_ s = kopie;
        SETZE(s.Vertrag, v.Jahre);
        s.Gehalt = v.Angebotsgehalt;
        s.Transferstatus = 0;
        mg.Kader[neu] = s;
        mg.KaderAnzahl = static_cast<uint8_t>(neu);
        zeile = Kaderspieler_{};
        Warte(1000);
        std::string text = "Danke für Ihr Vertrauen, ich versuche Sie nicht zu enttäuschen.";
        const std::string ueber = Ueberraschung(m, neu, Zufall(1, 40), v.Abloese, v.Angebotsgehalt);
        if (!ueber.empty()) text += std::string(NL) + NL + ueber;
        BerechneMannschaft(m, 0);
        Nachricht(kopf, text, "ok", 0, 0, BildSpieler);
        return Verhandlungsergebnis::Zusage;
    }

    const int a = Zufall(1, 13);
    std::string text = a <= 12 ? Absagen[static_cast<size_t>(a - 1)] : "";
    if (a == 13 && !kauf) {
        text = "Der Spieler will unweigerlich den Verein verlassen und wird auf die Tranverliste gesetzt.";
        mg.Kader[v.Zeile].Transferstatus = 2;
    } else {
        if (!text.empty()) text += NL;
        text += "Durch Vertragsfrustation sickert der Spieler in ein Formtief.";
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
    }
    Nachricht(kopf, text, "OK", 0, 0, BildSpieler);
    return Verhandlungsergebnis::Absage;
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
    return art == Verhandlungsart::Kauf ? "Neuer Spielerkauf" : "Neue Vertragsverhandlung";
}

std::string PositionsTitel(std::string_view position)
{
    if (position == "T") return "Robuster Torwart";
    if (position == "V") return "Gemeiner Verteidiger";
    if (position == "M") return "Fuchsiger Mittelfeldmann";
    if (position == "S") return "Rassiger Stürmer";
    return "";
}

std::string ZusageText(int zusage)
{
    return "Die warscheinlichkeit das der Spieler zustimmt, beträgt " + std::to_string(zusage) + " %.";
}

} // namespace torvane
