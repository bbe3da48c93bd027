#include "finance/Bank.h"

#include "core/Bruch.h"
#include "core/Fehler.h"
#include "core/Funky.h"
#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "finance/Vermoegen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace torvane {

const char* const DarlehenZuHochText = "HaHa, Darlehnshöhe darf 1/2 des Vermögens nicht \r\nÜberschreiten.\r\n"
                                       "Überschulden kannst du Kasper dich woanders !";
const char* const KreditZuHochText = "HaHa, Darlehnshöhe darf 1/2 des Vermögens nicht Überschreiten.\r\n"
                                     "Überschulden kannst du Kasper dich woanders !";

namespace {

constexpr int64_t ZahlenradMax = 999999999; // neun Ziffern

// Der neue Kontostand, wenn er in sein Feld passt; sonst die Meldung und nichts.
std::optional<int32_t> Konto(int64_t wert)
{
    if (wert < std::numeric_limits<int32_t>::min() || wert > std::numeric_limits<int32_t>::max()) {
        Hinweis(BetragZuGrossText);
        return std::nullopt;
    }
    return static_cast<int32_t>(wert);
}

int64_t Haelfte(int m) { return BerechneVermoegen(m) / 2; }

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

bool DarlehenAufnehmen(int m, int64_t betrag, int spiele, bool fragen)
{
    Manager_& mg = S.Manager[m];
    if (betrag <= 0 || spiele < 1 || spiele > DarlehenLaufzeitMax) return false;
    if (mg.DarlehenRestSpiele > 0) {
        Hinweis("Erst mal Schulden bezahlen !");
        return false;
    }
    if (betrag > Haelfte(m)) {
        Hinweis(DarlehenZuHochText);
        return false;
    }
    const Darlehensangebot a = DarlehenBerechnen(betrag, spiele);
    const auto konto = Konto(mg.Kontostand + betrag);
    if (!konto) return false;
    if (fragen && !Frage("Darlehen so Aufnehmen ?")) return false;
    mg.DarlehenRate = Geld(a.Rate, "DarlehenRate");
    SETZE(mg.DarlehenRestSpiele, spiele);
    mg.Kontostand = *konto;
    Klang("Rechner");
    return true;
}

bool DarlehenAbloesen(int m, bool fragen)
{
    Manager_& mg = S.Manager[m];
    if (mg.DarlehenRestSpiele <= 0) return false;
    const int64_t d = static_cast<int64_t>(mg.DarlehenRestSpiele) * mg.DarlehenRate;
    if (d > mg.Kontostand) {
        Hinweis("Mit diesem Kontostand nicht möglich ! Schade");
        return false;
    }
    if (fragen && !Frage("Sicher Auflösen für " + GeldMitEuro(RundenBruch(95 * d, 100)) + " ?" + NL +
                         "+ Gebühr: " + GeldMitEuro(RundenBruch(d, 100))))
        return false;
    mg.Kontostand = Geld(mg.Kontostand - 96 * d / 100, "Kontostand");
    mg.DarlehenRestSpiele = 0;
    mg.DarlehenRate = 0;
    return true;
}

// --- Flinker Kredit ---

bool KreditAufnehmen(int m, int64_t n)
{
    Manager_& mg = S.Manager[m];
    if (n <= 0) return false;
    const int64_t grenze = Haelfte(m);
    if (grenze <= 0) return false;
    if (grenze <= mg.Kredit) {
        Hinweis(KreditZuHochText);
        return false;
    }
    // Die Grenze gilt für die ganze Schuld, nicht nur für den neuen Betrag.
    if (mg.Kredit + n > grenze) {
        Hinweis("Sorgen Sie für mehr Liquidität,dann sorgen wir für Ihr Geld !");
        return false;
    }
    const auto konto = Konto(mg.Kontostand + n);
    if (!konto) return false;
    mg.Kontostand = *konto;
    mg.Kredit = Geld(mg.Kredit + n, "Kredit");
    return true;
}

bool KreditTilgen(int m, int64_t n, bool fragen)
{
    Manager_& mg = S.Manager[m];
    if (n <= 0) return false;
    const auto konto = Konto(mg.Kontostand - n);
    if (!konto) return false;
    if (n <= mg.Kredit) {
        mg.Kontostand = *konto;
        mg.Kredit = Geld(mg.Kredit - n, "Kredit");
        return true;
    }
    if (fragen && !Frage("Möchten Sie wirklich der Bank Geld Schenken ?")) return false;
    mg.Kontostand = *konto;
    mg.Kredit = 0;
    return true;
}

// --- Sparbuch, Geldanlage ---

bool SparbuchSetzen(int m, int64_t n)
{
    Manager_& mg = S.Manager[m];
    if (n < 0) return false;
    if (n > std::numeric_limits<int32_t>::max()) {
        Hinweis(BetragZuGrossText);
        return false;
    }
    const auto konto = Konto(static_cast<int64_t>(mg.Kontostand) + mg.Sparbuch - n);
    if (!konto) return false;
    mg.Kontostand = *konto;
    mg.Sparbuch = static_cast<int32_t>(n);
    return true;
}

bool AnlageEroeffnen(int m, int64_t n)
{
    Manager_& mg = S.Manager[m];
    if (mg.AnlageBetrag != 0 || n <= 0) return false;
    if (n < 1000) {
        Hinweis("Nicht unter 1.000 € Kumpel.");
        return false;
    }
    if (n > 10000000) {
        Hinweis("Nicht über 10.000.000 € GroßKotz !");
        return false;
    }
    const auto konto = Konto(mg.Kontostand - RundenBruch(105 * n, 100));
    if (!konto) return false;
    mg.AnlageBetrag = static_cast<int32_t>(n);
    mg.AnlageWert = static_cast<int32_t>(n);
    mg.Kontostand = *konto;
    return true;
}

bool AnlageKuendigen(int m, bool fragen)
{
    Manager_& mg = S.Manager[m];
    if (mg.AnlageBetrag == 0) return false;
    const int64_t erloes = RundenBruch(9 * static_cast<int64_t>(mg.AnlageWert), 10);
    if (fragen && !Frage("Anlage kündigen für " + GeldMitEuro(erloes))) return false;
    const auto konto = Konto(mg.Kontostand + erloes);
    if (!konto) return false;
    mg.Kontostand = *konto;
    mg.AnlageBetrag = 0;
    mg.AnlageWert = 0;
    return true;
}

// --- Aktien ---

bool AktienSetzen(int m, int p)
{
    Manager_& mg = S.Manager[m];
    p = std::clamp(p, 0, AktienMax);
    // Gehandelt wird, was sich gegenüber dem Bestand ändert, nie gegenüber einer Anzeige.
    const int64_t mehr = static_cast<int64_t>(p) - mg.Aktien;
    if (mehr == 0) return false;
    const auto konto = Konto(mg.Kontostand - mehr * S.Spiel.Aktienkurs);
    if (!konto) return false;
    mg.Kontostand = *konto;
    SETZE(mg.Aktien, p);
    return true;
}

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
    const int n = Zahleneingabe(static_cast<int>(std::min(vorschlag, ZahlenradMax)), "Ich möcht was Tilgen !");
    return KreditTilgen(m, n);
}

bool KreditAufnehmenKlick(int m)
{
    const int64_t grenze = Haelfte(m);
    if (grenze <= 0) return false;
    if (grenze <= S.Manager[m].Kredit) {
        Hinweis(KreditZuHochText);
        return false;
    }
    const int n = Zahleneingabe(0, "Ich brauch was !");
    return KreditAufnehmen(m, n);
}

bool SparbuchKlick(int m)
{
    const Manager_& mg = S.Manager[m];
    const int64_t summe = std::max<int64_t>(0, static_cast<int64_t>(mg.Kontostand) + mg.Sparbuch);
    const int n = Zahleneingabe(static_cast<int>(std::min(summe, ZahlenradMax)), "Auf dem Sparbuch !");
    return SparbuchSetzen(m, n);
}

bool AnlageKlick(int m)
{
    if (S.Manager[m].AnlageBetrag != 0) return AnlageKuendigen(m);
    const int n = Zahleneingabe(0, "Anlagebetrag !");
    return AnlageEroeffnen(m, n);
}

} // namespace torvane
