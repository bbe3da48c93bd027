#include "finance/Bank.h"

#include "core/Bruch.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "finance/Vermoegen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace torvane {

const char* const DarlehenZuHochText = N_("HaHa, Darlehnshöhe darf 1/2 des Vermögens nicht \nÜberschreiten.\n"
                                          "Überschulden kannst du Kasper dich woanders !");
const char* const KreditZuHochText = N_("HaHa, Darlehnshöhe darf 1/2 des Vermögens nicht Überschreiten.\n"
                                        "Überschulden kannst du Kasper dich woanders !");

namespace {

constexpr int64_t ZahlenradMax = 999999999; // neun Ziffern

// Die halbe Vermögensgrenze der Kredite, ohne Nebenwirkung: erst wer wirklich leiht, zahlt die Abgabe.
int64_t Haelfte(int m) { return std::min(VermoegenWert(m), KontoMax) / 2; }

// Das Konto, wie es nach der Abgabe stünde, die das Ausführen eines Kredits mitbucht.
int64_t KontoNachAbgabe(int m)
{
    const int32_t konto = S.Manager[m].Kontostand;
    return konto + KontoBuchbar(konto, -Abgabe(VermoegenWert(m)));
}

// Die Felder, die eine Bankhandlung ändert; eine Liste für beide Richtungen (Plan und Manager).
template <class Ziel, class Quelle>
void BankfelderKopieren(Ziel& z, const Quelle& q)
{
    z.Kredit = q.Kredit;
    z.Sparbuch = q.Sparbuch;
    z.DarlehenRate = q.DarlehenRate;
    z.DarlehenRestSpiele = q.DarlehenRestSpiele;
    z.AnlageBetrag = q.AnlageBetrag;
    z.AnlageWert = q.AnlageWert;
    z.Aktien = q.Aktien;
}

Bankplan Jetzt(const Manager_& mg)
{
    Bankplan p;
    BankfelderKopieren(p, mg);
    return p;
}

Bankpruefung Ablehnung(std::string text = {}) { return Bankpruefung{std::nullopt, std::move(text)}; }
Bankpruefung Plan(Bankplan p) { return Bankpruefung{std::move(p), {}}; }

} // namespace

std::string GeldMitEuro(int64_t betrag) { return Geldtext(static_cast<double>(betrag)) + Waehrung; }

std::string GeldMitEuro(double betrag, int stellen)
{
    int64_t faktor = 1;
    for (int i = 0; i < stellen; ++i)
        faktor *= 10;
    const int64_t z = Runden(betrag * static_cast<double>(faktor), "Geldbetrag");
    const int64_t b = z < 0 ? -z : z;
    std::string text = (z < 0 ? "-" : "") + Geldtext(static_cast<double>(b / faktor));
    if (stellen > 0) {
        std::string nach = std::to_string(b % faktor);
        nach.insert(0, static_cast<size_t>(stellen) - nach.size(), '0');
        text += "," + nach;
    }
    return text + Waehrung;
}

// --- Darlehen ---

Darlehensangebot DarlehenBerechnen(int64_t betrag, int spiele)
{
    Darlehensangebot a;
    if (betrag <= 0) return a;
    const int64_t t = std::clamp(spiele, 1, DarlehenLaufzeitMax);
    // (T / 200 + 1) * A * 1,05 / T = (T + 200) * A * 105 / (20 000 * T)
    a.Rate = RundenBruch((t + 200) * betrag * 105, 20000 * t);
    a.Gesamt = a.Rate * t;
    a.ZinsenProSpiel = static_cast<double>(a.Rate) - static_cast<double>(betrag) / static_cast<double>(t);
    return a;
}

Bankpruefung DarlehenPruefen(int m, int64_t betrag, int spiele)
{
    const Manager_& mg = S.Manager[m];
    if (betrag <= 0 || spiele < 1 || spiele > DarlehenLaufzeitMax) return Ablehnung();
    if (mg.DarlehenRestSpiele > 0) return Ablehnung(T("Erst mal Schulden bezahlen !"));
    if (betrag > Haelfte(m)) return Ablehnung(Tz(DarlehenZuHochText));
    if (!KontoPasst(KontoNachAbgabe(m), betrag)) return Ablehnung(T(BetragZuGrossText));
    Bankplan p = Jetzt(mg);
    p.Abgabe = true;
    p.Buchung = betrag;
    p.DarlehenRate = Geld(DarlehenBerechnen(betrag, spiele).Rate, "DarlehenRate");
    p.DarlehenRestSpiele = static_cast<int16_t>(spiele);
    p.Rueckfrage = T("Darlehen so Aufnehmen ?");
    p.Klang = "Rechner";
    return Plan(std::move(p));
}

Bankpruefung DarlehenAbloesenPruefen(int m)
{
    const Manager_& mg = S.Manager[m];
    if (mg.DarlehenRestSpiele <= 0) return Ablehnung();
    const int64_t d = static_cast<int64_t>(mg.DarlehenRestSpiele) * mg.DarlehenRate;
    if (d > mg.Kontostand) return Ablehnung(T("Mit diesem Kontostand nicht möglich ! Schade"));
    Bankplan p = Jetzt(mg);
    p.Buchung = -(96 * d / 100);
    p.DarlehenRestSpiele = 0;
    p.DarlehenRate = 0;
    p.Rueckfrage = Tz("Sicher Auflösen für %1 ?\n+ Gebühr: %2",
                      {GeldMitEuro(RundenBruch(95 * d, 100)), GeldMitEuro(RundenBruch(d, 100))});
    return Plan(std::move(p));
}

bool DarlehenAufnehmen(int m, int64_t betrag, int spiele, bool fragen)
{
    return BankHandeln(m, DarlehenPruefen(m, betrag, spiele), fragen);
}

bool DarlehenAbloesen(int m, bool fragen) { return BankHandeln(m, DarlehenAbloesenPruefen(m), fragen); }

// --- Flinker Kredit ---

Bankpruefung KreditrahmenPruefen(int m)
{
    const int64_t grenze = Haelfte(m);
    if (grenze <= 0) return Ablehnung();
    if (grenze <= S.Manager[m].Kredit) return Ablehnung(Tz(KreditZuHochText));
    Bankplan p = Jetzt(S.Manager[m]);
    return Plan(std::move(p));
}

Bankpruefung KreditAufnehmenPruefen(int m, int64_t n)
{
    const Manager_& mg = S.Manager[m];
    if (n <= 0) return Ablehnung();
    // Die Grenze einmal gerechnet; sie gilt für die ganze Schuld, nicht nur für den neuen Betrag.
    const int64_t grenze = Haelfte(m);
    if (grenze <= 0) return Ablehnung();
    if (grenze <= mg.Kredit) return Ablehnung(Tz(KreditZuHochText));
    if (mg.Kredit + n > grenze) return Ablehnung(T("Sorgen Sie für mehr Liquidität,dann sorgen wir für Ihr Geld !"));
    if (!KontoPasst(KontoNachAbgabe(m), n)) return Ablehnung(T(BetragZuGrossText));
    Bankplan p = Jetzt(mg);
    p.Abgabe = true;
    p.Buchung = n;
    p.Kredit = static_cast<int32_t>(mg.Kredit + n); // höchstens die halbe Grenze eines Kontowerts
    return Plan(std::move(p));
}

Bankpruefung KreditTilgenPruefen(int m, int64_t n)
{
    const Manager_& mg = S.Manager[m];
    if (n <= 0) return Ablehnung();
    if (!KontoPasst(mg.Kontostand, -n)) return Ablehnung(T(BetragZuGrossText));
    Bankplan p = Jetzt(mg);
    p.Buchung = -n;
    if (n <= mg.Kredit) {
        p.Kredit = static_cast<int32_t>(mg.Kredit - n);
    } else {
        p.Kredit = 0;
        p.Rueckfrage = T("Möchten Sie wirklich der Bank Geld Schenken ?");
    }
    return Plan(std::move(p));
}

bool KreditAufnehmen(int m, int64_t n) { return BankHandeln(m, KreditAufnehmenPruefen(m, n), true); }

bool KreditTilgen(int m, int64_t n, bool fragen) { return BankHandeln(m, KreditTilgenPruefen(m, n), fragen); }

// --- Sparbuch, Geldanlage ---

Bankpruefung SparbuchPruefen(int m, int64_t n)
{
    const Manager_& mg = S.Manager[m];
    if (n < 0) return Ablehnung();
    if (n > KontoMax) return Ablehnung(T(BetragZuGrossText));
    const int64_t saldo = static_cast<int64_t>(mg.Sparbuch) - n;
    if (!KontoPasst(mg.Kontostand, saldo)) return Ablehnung(T(BetragZuGrossText));
    Bankplan p = Jetzt(mg);
    p.Buchung = saldo;
    p.Sparbuch = static_cast<int32_t>(n);
    return Plan(std::move(p));
}

Bankpruefung AnlageEroeffnenPruefen(int m, int64_t n)
{
    const Manager_& mg = S.Manager[m];
    if (mg.AnlageBetrag != 0 || n <= 0) return Ablehnung();
    if (n < 1000) return Ablehnung(T("Nicht unter 1.000 € Kumpel."));
    if (n > 10000000) return Ablehnung(T("Nicht über 10.000.000 € GroßKotz !"));
    const int64_t kosten = RundenBruch(105 * n, 100);
    if (!KontoPasst(mg.Kontostand, -kosten)) return Ablehnung(T(BetragZuGrossText));
    Bankplan p = Jetzt(mg);
    p.Buchung = -kosten;
    p.AnlageBetrag = static_cast<int32_t>(n);
    p.AnlageWert = static_cast<int32_t>(n);
    return Plan(std::move(p));
}

int64_t AnlageBeiKuendigung(int64_t wert) { return RundenBruch(9 * wert, 10); }

int64_t KontozinsenProSpiel(int64_t konto) { return RundenBruch(konto > 0 ? konto : 15 * konto, 1000); }
int64_t KreditzinsenProSpiel(int64_t kredit) { return RundenBruch(12 * kredit, 1000); }
int64_t SparzinsenProSpiel(int64_t sparbuch) { return RundenBruch(3 * sparbuch, 1000); }
int64_t Ueberziehungsgebuehr(int64_t konto) { return AbrundenAuf(RundenBruch(-konto, 10) + 1000, 3); }

Bankpruefung AnlageKuendigenPruefen(int m)
{
    const Manager_& mg = S.Manager[m];
    if (mg.AnlageBetrag == 0) return Ablehnung();
    const int64_t erloes = AnlageBeiKuendigung(mg.AnlageWert);
    if (!KontoPasst(mg.Kontostand, erloes)) return Ablehnung(T(BetragZuGrossText));
    Bankplan p = Jetzt(mg);
    p.Buchung = erloes;
    p.AnlageBetrag = 0;
    p.AnlageWert = 0;
    p.Rueckfrage = Tf("Anlage kündigen für %1", {GeldMitEuro(erloes)});
    return Plan(std::move(p));
}

bool SparbuchSetzen(int m, int64_t n) { return BankHandeln(m, SparbuchPruefen(m, n), true); }

bool AnlageEroeffnen(int m, int64_t n) { return BankHandeln(m, AnlageEroeffnenPruefen(m, n), true); }

bool AnlageKuendigen(int m, bool fragen) { return BankHandeln(m, AnlageKuendigenPruefen(m), fragen); }

// --- Aktien ---

Bankpruefung AktienPruefen(int m, int p)
{
    const Manager_& mg = S.Manager[m];
    p = std::clamp(p, 0, AktienMax);
    // Gehandelt wird, was sich gegenüber dem Bestand ändert, nie gegenüber einer Anzeige.
    const int64_t mehr = static_cast<int64_t>(p) - mg.Aktien;
    if (mehr == 0) return Ablehnung();
    const int64_t kosten = mehr * S.Spiel.Aktienkurs;
    if (!KontoPasst(mg.Kontostand, -kosten)) return Ablehnung(T(BetragZuGrossText));
    Bankplan plan = Jetzt(mg);
    plan.Buchung = -kosten;
    plan.Aktien = static_cast<int16_t>(p);
    return Plan(std::move(plan));
}

bool AktienSetzen(int m, int p) { return BankHandeln(m, AktienPruefen(m, p), true); }

// --- Ausführen ---

void BankAusfuehren(int m, const Bankplan& p)
{
    Manager_& mg = S.Manager[m];
    // Wer Kredit oder Darlehen bekommt, für den wird das Vermögen gerechnet (mit der Abgabe,
    // wenn sie fällig ist); die Prüfung hat das Konto danach schon gerechnet.
    if (p.Abgabe) BerechneVermoegen(m);
    KontoBuchen(mg.Kontostand, p.Buchung);
    BankfelderKopieren(mg, p);
    if (p.Klang) Klang(p.Klang);
    SpielstandGeaendert();
}

bool BankHandeln(int m, const Bankpruefung& pruefung, bool fragen)
{
    if (!pruefung.plan) {
        if (!pruefung.ablehnung.empty()) Hinweis(pruefung.ablehnung);
        return false;
    }
    const Bankplan& p = *pruefung.plan;
    if (fragen && !p.Rueckfrage.empty() && !Frage(p.Rueckfrage)) return false;
    BankAusfuehren(m, p);
    return true;
}

int64_t AktienWert(int m) { return static_cast<int64_t>(S.Manager[m].Aktien) * S.Spiel.Aktienkurs; }

void AktienkursMerken(int m)
{
    SETZE(S.Manager[m].AktienkursGemerkt, S.Spiel.Aktienkurs);
    Klang("ding");
}

// --- Knöpfe ---

bool KreditTilgenKlick(int m)
{
    const Manager_& mg = S.Manager[m];
    int64_t vorschlag = mg.Kredit;
    if (mg.Kredit > mg.Kontostand && mg.Kontostand > 0) vorschlag = mg.Kontostand;
    const int n = Zahleneingabe(static_cast<int>(std::min(vorschlag, ZahlenradMax)), T("Ich möcht was Tilgen !"));
    return KreditTilgen(m, n);
}

bool KreditAufnehmenKlick(int m)
{
    // Schuld schon an der Grenze: abgewiesen, bevor das Zahlenrad kommt.
    if (const Bankpruefung rahmen = KreditrahmenPruefen(m); !rahmen.plan) return BankHandeln(m, rahmen, false);
    const int n = Zahleneingabe(0, T("Ich brauch was !"));
    return KreditAufnehmen(m, n);
}

bool SparbuchKlick(int m)
{
    const Manager_& mg = S.Manager[m];
    const int64_t summe = std::max<int64_t>(0, static_cast<int64_t>(mg.Kontostand) + mg.Sparbuch);
    const int n = Zahleneingabe(static_cast<int>(std::min(summe, ZahlenradMax)), T("Auf dem Sparbuch !"));
    return SparbuchSetzen(m, n);
}

bool AnlageKlick(int m)
{
    if (S.Manager[m].AnlageBetrag != 0) return AnlageKuendigen(m);
    const int n = Zahleneingabe(0, T("Anlagebetrag !"));
    return AnlageEroeffnen(m, n);
}

} // namespace torvane
