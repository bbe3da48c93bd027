#include "finance/Werbung.h"

#include "core/Bruch.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "finance/Bank.h"
#include "finance/Sponsoren.h"

#include <algorithm>

namespace torvane {

namespace {

constexpr const char* RisikoText = "? ? ? ? ? ? ? ? ?  ? ? ?";

int Liga(int m) { return std::clamp<int>(S.Manager[m].Liga, 1, 4); }

Werbevertrag_& Platz(int m, int platz)
{
    // Platz 0 ist die leere Vorlage und wird nie beschrieben.
    if (platz < 1 || platz > 8) BereichFehler("Werbeplatz", platz, 1, 8);
    return S.Werbevertraege[m][platz];
}

std::string Euro(int64_t v) { return Geldtext(static_cast<double>(v)) + " €"; }

Werbepruefung Ablehnung(std::string text = {}) { return Werbepruefung{std::nullopt, std::move(text)}; }

} // namespace

int Zugkraft(int m)
{
    const Mannschaft_& v = VereinVon(m);
    return v.Moral / 10 + S.Manager[m].KaderAnzahl + (19 - v.Platz);
}

int64_t Bandenbetrag(int liga, int platz, int sponsor, int spiele, int zugkraft)
{
    const int64_t faktor = platz == WerbungAllgemein ? 6 : platz == WerbungFernsehen ? 12 : platz;
    // trunc((100 000 / L) / 624 240 * (x * n * f * t)) genau als Bruch gerechnet.
    const int64_t produkt = int64_t{sponsor} * spiele * faktor * zugkraft;
    return AbrundenAuf(100000 * produkt / (int64_t{liga} * 624240) + 100, 2);
}

int64_t Trikotbetrag(int liga, int platz, int sponsor, int spiele, int zugkraft)
{
    // trunc((5 000 000 / L) / 360 000 * ((x + 1) * s * n * t)) genau als Bruch gerechnet.
    const int64_t produkt = int64_t{sponsor + 1} * platz * spiele * zugkraft;
    return AbrundenAuf(5000000 * produkt / (int64_t{liga} * 360000) + 1000, 3);
}

bool WerbeplatzFrei(int m, int platz) { return Platz(m, platz).SpieleRest <= 0; }

bool FernsehenMoeglich(int m) { return S.Manager[m].Liga != 4; }

int OffeneWerbeanfragen(int m) { return static_cast<int>(std::floor(std::max(0.0f, S.Manager[m].Werbeanfragen))); }

std::optional<Werbeangebot> WerbeangebotMachen(int m, int platz)
{
    Manager_& mg = S.Manager[m];
    if (!WerbeplatzFrei(m, platz) || OffeneWerbeanfragen(m) < 1) return std::nullopt;
    if (platz == WerbungFernsehen && !FernsehenMoeglich(m)) return std::nullopt;
    const int liga = Liga(m);
    const int t = Zugkraft(m);

    Werbeangebot a;
    a.platz = platz;
    int64_t betrag = 0;
    int64_t spiele = 0;
    if (!IstTrikotplatz(platz)) {
        a.sponsor = static_cast<int16_t>(Zufall(0, 17));
        spiele = Zufall(1, 60);
        betrag = Bandenbetrag(liga, platz, a.sponsor, static_cast<int>(spiele), t);
        a.spruch = Zufall(0, 23);
    } else {
        a.sponsor = static_cast<int16_t>(Zufall(0, 23));
        spiele = Zufall(1, 100);
        betrag = Trikotbetrag(liga, platz, a.sponsor, static_cast<int>(spiele), t);
        if (a.sponsor == RisikoSponsor) {
            switch (Zufall(1, 6)) {
            case 1: betrag *= Zufall(1, 3); break;
            case 2: betrag = int64_t{Zufall(0, 100)} * 20000; break;
            case 3: spiele = Zufall(1, 10); break;
            case 4: spiele = Zufall(1, 200); break;
            case 5:
                betrag = int64_t{5 - liga} * -100000;
                spiele = 1;
                break;
            default:
                if (Zufall(0, 1) == 0) {
                    betrag = int64_t{Zufall(10, 100)} * 100000;
                    spiele = Zufall(1, 300);
                } else {
                    betrag = 11111111;
                    spiele = 111;
                }
            }
        }
    }
    a.betrag = Geld(betrag, "Werbebetrag");
    a.spiele = Passt<int16_t>(spiele, "Spiele");
    // Die Anfrage ist verbraucht, wenn das Angebot steht.
    mg.Werbeanfragen -= 1.0f;
    return a;
}

Werbepruefung WerbevertragAnnehmenPruefen(int m, const Werbeangebot& a)
{
    if (a.spiele < 1 || !WerbeplatzFrei(m, a.platz)) return Ablehnung();
    const Manager_& mg = S.Manager[m];
    // Geld herein wird bis an die Grenze gebucht; ein Vertrag, der kostet, nur, wenn es ganz aufs Konto passt.
    if (a.betrag < 0 && !KontoPasst(mg.Kontostand, a.betrag)) return Ablehnung(T(BetragZuGrossText));
    Werbeplan p;
    p.platz = a.platz;
    p.Buchung = KontoBuchbar(mg.Kontostand, a.betrag);
    p.Werbeeinnahmen = IstTrikotplatz(a.platz) ? mg.Werbeeinnahmen
                                               : Geld(int64_t{mg.Werbeeinnahmen} + a.betrag, "Werbeeinnahmen");
    p.Vertrag = Werbevertrag_{a.betrag, a.spiele, a.spiele, a.sponsor, {}};
    p.Klang = "kasse";
    return Werbepruefung{p, {}};
}

int64_t Kuendigungskosten(int m, int platz)
{
    const Werbevertrag_& v = Platz(m, platz);
    if (v.SpieleRest <= 0 || v.Betrag <= 0) return 0;
    if (!IstTrikotplatz(platz)) return RundenBruch(int64_t{v.Betrag} * v.SpieleRest, 2);
    // Eine Vertragslänge unter der Restlaufzeit (auch 0) zählt wie die Restlaufzeit.
    const int64_t gesamt = std::max<int64_t>(v.SpieleGesamt, v.SpieleRest);
    return RundenBruch(int64_t{v.Betrag} * v.SpieleRest * 2, gesamt);
}

Werbepruefung WerbevertragKuendigenPruefen(int m, int platz)
{
    if (WerbeplatzFrei(m, platz)) return Ablehnung();
    const Manager_& mg = S.Manager[m];
    const Werbevertrag_& v = Platz(m, platz);
    const int64_t kosten = Kuendigungskosten(m, platz);
    if (!KontoPasst(mg.Kontostand, -kosten)) return Ablehnung(T(BetragZuGrossText));
    Werbeplan p;
    p.platz = platz;
    p.Buchung = -kosten;
    p.Werbeeinnahmen = IstTrikotplatz(platz) ? mg.Werbeeinnahmen
                                             : Geld(std::max<int64_t>(0, int64_t{mg.Werbeeinnahmen} - v.Betrag),
                                                    "Werbeeinnahmen");
    p.Vertrag = S.Werbevertraege[m][0];
    const std::string sponsor = WerbeSponsorName(platz, v.Sponsor);
    const std::string text = Tf("Kündigen für %1", {Euro(kosten)});
    p.Rueckfrage = IstTrikotplatz(platz) ? text + NL + NL + sponsor
                                         : sponsor + NL + WerbeplatzText(m, platz) + NL + NL + text;
    return Werbepruefung{p, {}};
}

void WerbungAusfuehren(int m, const Werbeplan& p)
{
    Manager_& mg = S.Manager[m];
    KontoBuchen(mg.Kontostand, p.Buchung);
    mg.Werbeeinnahmen = p.Werbeeinnahmen;
    Platz(m, p.platz) = p.Vertrag;
    if (p.Klang) Klang(p.Klang);
    SpielstandGeaendert();
}

bool WerbungHandeln(int m, const Werbepruefung& pruefung, bool fragen)
{
    if (!pruefung.plan) {
        if (!pruefung.ablehnung.empty()) Hinweis(pruefung.ablehnung);
        return false;
    }
    if (fragen && !pruefung.plan->Rueckfrage.empty() && !Frage(pruefung.plan->Rueckfrage)) return false;
    WerbungAusfuehren(m, *pruefung.plan);
    return true;
}

bool WerbevertragAnnehmen(int m, const Werbeangebot& a) { return WerbungHandeln(m, WerbevertragAnnehmenPruefen(m, a), false); }
bool WerbevertragKuendigen(int m, int platz) { return WerbungHandeln(m, WerbevertragKuendigenPruefen(m, platz), false); }
bool WerbungKuendigenFragen(int m, int platz) { return WerbungHandeln(m, WerbevertragKuendigenPruefen(m, platz), true); }

std::string WerbeSponsorName(int platz, int sponsor)
{
    if (IstTrikotplatz(platz))
        return sponsor >= 0 && sponsor < static_cast<int>(TrikotSponsoren.size()) ? TrikotSponsoren[sponsor] : "?";
    return sponsor >= 0 && sponsor < static_cast<int>(BandenSponsoren.size()) ? BandenSponsoren[sponsor] : "?";
}

std::string WerbeplatzText(int m, int platz)
{
    const Werbevertrag_& v = Platz(m, platz);
    const bool trikot = IstTrikotplatz(platz);
    if (v.SpieleRest <= 0) return trikot ? T("- Klicke hier für -") : T("- Klicke hier für Anwerbung -");
    const std::string rest = std::to_string(v.SpieleRest), gesamt = std::to_string(v.SpieleGesamt);
    return trikot ? Tf("noch %1 (%2) Spiele für einmalig %3", {rest, gesamt, Euro(v.Betrag)})
                  : Tf("noch %1 (%2) Spiel(e) je %3", {rest, gesamt, Euro(v.Betrag)});
}

std::string AngebotText(const Werbeangebot& a)
{
    if (!IstTrikotplatz(a.platz)) return Tf("%1 Spiel(e) je %2", {std::to_string(a.spiele), Euro(a.betrag)});
    if (a.sponsor == RisikoSponsor) return RisikoText;
    return Tf("%1 Spiele für einmalig %2", {std::to_string(a.spiele), Euro(a.betrag)});
}

std::string Werbeart(int platz)
{
    if (platz == WerbungAllgemein) return T("Werbung hier und da");
    if (platz == WerbungFernsehen) return T("Wir komm´n ins Fehrnsehen");
    return T("für die Bande");
}

WerbeKlick BandenKlick(int m, int platz, Werbeangebot& angebot)
{
    if (platz == WerbungFernsehen && !FernsehenMoeglich(m)) return WerbeKlick::Traum;
    if (WerbeplatzFrei(m, platz)) {
        if (auto a = WerbeangebotMachen(m, platz)) {
            angebot = *a;
            return WerbeKlick::Angebot;
        }
        Hinweis(Tz("Keiner da zum Verhandeln.\nErst mal Tore schießen, dann kommen auch die Gesprächspartner."));
        return WerbeKlick::Niemand;
    }
    return WerbungKuendigenFragen(m, platz) ? WerbeKlick::Gekuendigt : WerbeKlick::Behalten;
}

bool TrikotAnfragen(int m, int platz, Werbeangebot& angebot)
{
    if (!WerbeplatzFrei(m, platz)) return false;
    if (auto a = WerbeangebotMachen(m, platz)) {
        angebot = *a;
        return true;
    }
    Hinweis(Tz("Kein Werbepartner weit und breit zu sehen !\nNur mit Leistung zu Erfolgsgesprächen !"));
    return false;
}

} // namespace torvane
