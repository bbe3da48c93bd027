// Ereignisse um Aktien und den ganzen Verein.
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "finance/Bank.h"
#include "finance/Vermoegen.h"
#include "season/Ereignis.h"
#include "season/EreignisIntern.h"
#include "squad/Kader.h"

#include <algorithm>
#include <cstdlib>

namespace torvane::ereignis {

namespace {

void AktienSetzen(int64_t n) { Akt().Aktien = static_cast<int16_t>(std::clamp<int64_t>(n, 0, AktienMax)); }

// Fragt im Nachrichtenfenster; true bei "Ja". Das Angebot in Werten geht mit.
bool JaGedrueckt(const Ablauf& a, const std::string& text, Angebotsfrage f)
{
    return AngebotFragen(f, a.kopf, text);
}

// Kauf von n Aktien zu je p; geliefert und bezahlt wird nur, was bis zur Obergrenze passt.
void Kaufangebot(Ablauf& a, int64_t n, int64_t p)
{
    a.schlussmeldung = false;
    if (p <= 0) {
        Nachricht(a.kopf,
                  std::string(NL) + NL +
                      T("Sie hätten billig Aktien kaufen können, aber Sie handeln ja nicht mit Aktien."),
                  "Ok");
        return;
    }
    if (!JaGedrueckt(a, std::string(NL) + NL + Tf("Möchten Sie %1 Aktien für je %2 kaufen ?", {Zahltext(n), Betrag(p)}),
                     {Angebotsfrage::AktienKauf, n, n * p}))
        return;
    const int64_t geliefert = std::clamp<int64_t>(n, 0, AktienMax - Akt().Aktien);
    // Kosten, die das Konto nicht fasst, bucht niemand: dann gibt es auch keine Aktien.
    if (!Bezahlt(a, geliefert * p)) return;
    AktienSetzen(Akt().Aktien + geliefert);
}

// Was ein Käufer wirklich zahlt: der Preis, höchstens bis das Konto die Grenze der Vermögensabgabe
// erreicht (mehr bliebe dort ohnehin nicht). Gezeigt wird dieser Betrag; ist es nichts, kommt kein
// Verkauf zustande.
int64_t Zahlbar(int64_t preis)
{
    const int64_t konto = Akt().Kontostand;
    return std::clamp<int64_t>(preis, 0, std::max<int64_t>(0, AbgabeGrenze - konto));
}

// Der Verein ist verkauft: Geld aufs Konto, Kader und Stadion sind weg.
void VereinVerkauft(int64_t bezahlt)
{
    const int m = AktM();
    Manager_& mg = Akt();
    Buchen(bezahlt);
    for (int i = mg.KaderAnzahl; i >= 1; --i) {
        SpielerAbgeben(m, i);
        Klang("laser");
        Warte(Z(50, 200));
    }
    mg.KaderAnzahl = 0;
    mg.Plaetze = 0;
    mg.Komfortpunkte = 0;
    mg.DauerkartenImVerkauf = 0;
    mg.DauerkartenVerkauft = 0;
    BerechneMannschaft(m, 2);
}

} // namespace

void KursHoch(Ablauf& a)
{
    const int y = Z(1, 500);
    SETZE(S.Spiel.Aktienkurs, static_cast<int64_t>(S.Spiel.Aktienkurs) + y);
    a.text = std::string(NL) + Tz("W a u !\n\nTorvane Aktien um %1 gestiegen.", {Betrag(y)});
}

void KursRunter(Ablauf& a)
{
    const int y = Z(1, 500);
    S.Spiel.Aktienkurs = std::max(100, S.Spiel.Aktienkurs - y);
    a.text = std::string(NL) + Tz("Huch !\n\nTorvane Aktien um %1 gefallen.\nAber nie unter 100 €", {Betrag(y)});
}

void FanAktien(Ablauf& a)
{
    const int n = Z(1, 20) * 100;
    AktienSetzen(Akt().Aktien + n);
    a.text = std::string(NL) + NL + Tf("Ein besessener Fan schenkt Ihnen %1 Torvane Aktien", {Zahltext(n)});
}

void Aktienlotterie(Ablauf& a)
{
    const int n = Z(1, 200) * 100;
    if (n <= Akt().Aktien) {
        Spielen(21, a);
        return;
    }
    a.text = std::string(NL) + Tz("Hätten Sie jetzt %1 Aktien mehr, \nwären Sie um einen Spieler reicher.\n\nAber, "
                                  "wer hat der hat !",
                                  {Zahltext(n - Akt().Aktien)});
}

void Computerfehler(Ablauf& a)
{
    const int n = Z(1, 20) * 100;
    if (Akt().Aktien == 0)
        a.text = std::string(NL) + Tz("Aktienpreis um 100 € gestiegen weil Sie keine Aktien haben.\n\nVorher Aktien "
                                      "kaufen mein Lieber !");
    else
        a.text = std::string(NL) + NL +
                 Tf("Durch einen Computerfehler verloren Sie %1 Torvane Aktien !", {Zahltext(n)});
    SETZE(S.Spiel.Aktienkurs, static_cast<int64_t>(S.Spiel.Aktienkurs) + 100);
    AktienSetzen(Akt().Aktien - n);
}

void Aktiengebuehr(Ablauf& a)
{
    const int64_t aktien = Akt().Aktien;
    const int64_t f = (1000 - aktien) * 1000;
    if (f > 0) {
        if (!Bezahlt(a, f)) return;
        a.text = std::string(NL) + NL +
                 Tz("Halten Sie min. 1.000 Aktienanteile. Das spart Geld !\n\nSie zahlen %1", {Betrag(f)});
        return;
    }
    const int64_t r = (5 - Liga()) * 10;
    const int64_t summe = (AktienMax - aktien) * r;
    if (!Bezahlt(a, summe)) return;
    a.text = std::string(NL) + NL +
             Tz("%1 für jede nicht gekaufte Aktie !\n%2 wurden abgebucht !",
                {std::to_string(r) + Waehrung, Betrag(summe)});
    if (aktien == AktienMax) a.text += std::string(NL) + NL + T("Glück gehabt !");
}

void Aktienbonus(Ablauf& a)
{
    if (Akt().Aktien <= 999) {
        a.text = std::string(NL) + NL + T("Hätten Sie mehr Aktien, dann hätten Sie aber Grund zur Freude !");
        return;
    }
    const int b = Z(1, 1000);
    AktienSetzen(Akt().Aktien + b);
    a.text = std::string(NL) + NL + Tf("%1 Aktienanteile zu Ihren Gunsten.", {Zahltext(b)});
    if (Akt().Aktien == AktienMax) a.text += std::string(NL) + T("Der Pott ist voll !");
}

void Vereinskauf(Ablauf& a)
{
    a.schlussmeldung = false;
    const int64_t v = BerechneVermoegen(AktM());
    const int r = Z(1, 22);
    // Ein Verein ohne Vermögen fände nur einen Käufer zu einem Preis unter null: dann das Aktienangebot.
    if (r <= 4 && v > 0) {
        Klang("userwarn", 1);
        if (r == 1) {
            const int64_t preis = Zahlbar(RundenBruch((Z(25, 200) + 100LL) * v, 100));
            if (preis <= 0) return;
            Nachricht(a.kopf,
                      std::string(NL) + NL +
                          Tz("Ein dahergelaufener Niemand legte %1\n\ndem Vorstand auf den Tisch und kaufte den "
                             "Verein.\n\nAber keine Panik, mit viel Geld ein neuer Anfang !",
                             {Betrag(preis)}),
                      "ok");
            VereinVerkauft(preis);
        } else {
            const int64_t preis = Zahlbar(RundenBruch((Z(-50, 200) + 100LL) * v, 100));
            if (preis > 0 &&
                JaGedrueckt(a,
                            std::string(NL) + NL +
                                Tz("Ein steinreicher Mensch möchte gerne\nfür %1 Ihren Verein Kaufen ?",
                                   {Betrag(preis)}),
                            {Angebotsfrage::VereinVerkauf, 1, preis}))
                VereinVerkauft(preis);
        }
        return;
    }
    const int64_t p = std::llabs(static_cast<int64_t>(Z(-75, 75)) * S.Spiel.Aktienkurs * 10);
    if (!JaGedrueckt(a, std::string(NL) + NL + Tf("Möchten Sie 1.000 Aktien für %1 kaufen ?", {Betrag(p)}),
                     {Angebotsfrage::AktienKauf, 1000, p}))
        return;
    // Nur was bis zur Obergrenze passt, wird geliefert und anteilig bezahlt.
    const int64_t geliefert = std::clamp<int64_t>(1000, 0, AktienMax - Akt().Aktien);
    const int64_t kosten = RundenBruch(p * geliefert, 1000);
    if (!Bezahlt(a, kosten)) return;
    AktienSetzen(Akt().Aktien + geliefert);
}

void Aktienzuwachs(Ablauf& a)
{
    const int64_t n = Akt().Aktien;
    if (n <= 0) {
        a.text = std::string(NL) + NL + T("Keine Aktien, keine Prozente.");
        return;
    }
    AktienSetzen(n + RundenBruch(n * 5, 100));
    a.text = std::string(NL) + NL + T("Ihre Aktienanteile sind um 5 % gestiegen.");
}

void AktienVerkaufen(Ablauf& a)
{
    a.schlussmeldung = false;
    const int64_t n = Akt().Aktien;
    if (n <= 0) {
        Nachricht(a.kopf,
                  std::string(NL) + NL +
                      T("Der Aktienverkauf scheiterte, da Sie anscheinend nicht fähig sind Aktien zu kaufen."),
                  "ok");
        ManagerpunktAbziehen();
        return;
    }
    const int64_t p = RundenBruch((Z(-60, 50) + 100LL) * S.Spiel.Aktienkurs, 100);
    if (!JaGedrueckt(a,
                     std::string(NL) + NL +
                         Tf("Möchten Sie alle Aktienanteile für %1 das Stück verkaufen ?", {Betrag(p)}),
                     {Angebotsfrage::AktienVerkauf, n, n * p}))
        return;
    Buchen(n * p);
    AktienSetzen(0);
}

void AktienAngebot(Ablauf& a)
{
    if (Z(1, 2) == 1) {
        AktienVerkaufen(a);
        return;
    }
    const int64_t p = RundenBruch(static_cast<int64_t>(Z(40, 150)) * S.Spiel.Aktienkurs, 100);
    const int64_t n = AbrundenAuf(static_cast<int64_t>(Z(1, 2000)), 1);
    Kaufangebot(a, n, p);
}

void BilligeAktien(Ablauf& a)
{
    const int64_t n = AbrundenAuf(RundenBruch(Akt().Aktien, 10), 2);
    const int64_t p = std::llabs(RundenBruch(static_cast<int64_t>(Z(-50, 200)) * S.Spiel.Aktienkurs, 100));
    if (n > 0) {
        Kaufangebot(a, n, p);
        return;
    }
    a.schlussmeldung = false;
    Nachricht(a.kopf,
              std::string(NL) + NL + T("Sie hätten billig Aktien kaufen können, aber Sie handeln ja nicht mit Aktien."),
              "Ok");
}

} // namespace torvane::ereignis
