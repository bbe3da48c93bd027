#include "squad/Kader.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sitzung.h"
#include "core/Sprache.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace torvane {

namespace {

bool IstPosition(const Kaderspieler_& s, char buchstabe)
{
    const auto p = s.Position.roh();
    return p.size() == 1 && p[0] == buchstabe;
}

bool Fit(const Kaderspieler_& s) { return s.Verletzt == 0; }

bool Spielbereit(const Kaderspieler_& s) { return Fit(s) && SperreGrund(s) == 0; }

// Nur echte Kaderplätze; ein falscher Index darf nichts verschieben oder löschen.
Kaderspieler_& Kaderplatz(int m, int i)
{
    Manager_& mg = S.Manager[m];
    if (i < 1 || i > mg.KaderAnzahl) BereichFehler("Kaderspieler", i, 1, mg.KaderAnzahl);
    return mg.Kader[i];
}

int KaderEnde(int m)
{
    // KaderAnzahl über 23 fängt die Feldprüfung beim ersten Zugriff ab.
    return S.Manager[m].KaderAnzahl;
}

std::string Name(const Kaderspieler_& s) { return s.Vorname.text() + " " + s.Nachname.text(); }

// Kosten ganz oder gar nicht; false: das Konto fasst sie nicht, gekauft wird dann nichts.
bool KostenBuchen(int m, int64_t betrag) { return KontoBuchen(S.Manager[m].Kontostand, -betrag) == -betrag; }

} // namespace

int KonstMaxFuer(int alter) { return alter > 30 ? 60 - (alter - 30) : 60; }

void BerechneSpieler(Kaderspieler_& s)
{
    SETZE(s.KonstMax, KonstMaxFuer(s.Alter));
    if (s.Technik < 1) s.Technik = 1;
    if (s.Technik > 120) s.Technik = 120;
    if (s.Konstitution < 1) s.Konstitution = 1;
    if (s.Konstitution > 60) s.Konstitution = 60;
    if (s.Konstitution > s.KonstMax) s.Konstitution = s.KonstMax;
    // Zwei Drittel der Summe, gerundet: ganzzahlig, denn eine Hälfte kommt bei Dritteln nicht vor
    // (nur ein Spieler jenseits der 90 hätte eine negative Summe).
    const int summe = s.Technik + s.Konstitution;
    int64_t staerke = summe >= 0 ? (2 * int64_t{summe} + 1) / 3 : Runden(summe / 1.5, "Staerke");
    if (s.Form < -10) s.Form = -10;
    if (s.Form > 10) s.Form = 10;
    staerke += s.Form;
    if (staerke < 1) staerke = 1;
    SETZE(s.Staerke, staerke);
    SETZE(s.Wert, staerke * 10000);
}

void BerechneSpieler(int m, int i) { BerechneSpieler(S.Manager[m].Kader[i]); }

void SortiereSpieler(Kaderspieler_* erster, int anzahl)
{
    if (anzahl < 2) return;
    // Nach Linie, dann stärker, dann jünger; Gleichstarke Gleichaltrige behalten ihre Reihenfolge.
    // Sortiert werden kleine Schlüssel, die Spieler selbst werden nur bewegt, wenn sich etwas ändert
    // (meist steht der Kader schon richtig).
    struct Schluessel {
        int gruppe, staerke, alter, stelle;
        bool operator<(const Schluessel& b) const
        {
            if (gruppe != b.gruppe) return gruppe < b.gruppe;
            if (staerke != b.staerke) return staerke > b.staerke;
            if (alter != b.alter) return alter < b.alter;
            return stelle < b.stelle;
        }
    };
    auto gruppe = [](const Kaderspieler_& s) {
        if (IstPosition(s, 'T')) return 0;
        if (IstPosition(s, 'V')) return 1;
        if (IstPosition(s, 'M')) return 2;
        return 3;
    };
    constexpr int hoch = 23; // ein voller Kader; die Transferliste ist kürzer
    if (anzahl > hoch) BereichFehler("Spieler zum Sortieren", anzahl, 0, hoch);
    std::array<Schluessel, hoch> folge;
    for (int i = 0; i < anzahl; ++i) folge[static_cast<size_t>(i)] = {gruppe(erster[i]), erster[i].Staerke, erster[i].Alter, i};
    // Einfügen: der Kader ist fast immer schon (fast) sortiert, dann kostet es kaum mehr als ein Blick.
    // Die Stelle macht jeden Schlüssel eindeutig, die Reihenfolge ist also dieselbe wie mit std::sort.
    bool bewegt = false;
    for (int i = 1; i < anzahl; ++i) {
        const Schluessel k = folge[static_cast<size_t>(i)];
        int j = i;
        for (; j > 0 && k < folge[static_cast<size_t>(j - 1)]; --j)
            folge[static_cast<size_t>(j)] = folge[static_cast<size_t>(j - 1)];
        folge[static_cast<size_t>(j)] = k;
        bewegt = bewegt || j != i;
    }
    if (!bewegt) return;
    std::array<Kaderspieler_, hoch> alt;
    std::copy(erster, erster + anzahl, alt.begin());
    for (int i = 0; i < anzahl; ++i) {
        const int von = folge[static_cast<size_t>(i)].stelle;
        if (von != i) erster[i] = alt[static_cast<size_t>(von)];
    }
}

void SortiereKader(int m)
{
    const int n = KaderEnde(m);
    if (n < 1) return;
    Manager_& mg = S.Manager[m];
    (void)mg.Kader[n]; // prüft die Obergrenze, bevor sortiert wird
    SortiereSpieler(&mg.Kader[1], n);
}

int SperreGrund(const Kaderspieler_& s)
{
    if (National(S.Spiel.Wettbewerb)) {
        if (s.GelbNational == 4) return 1;
        if (s.RotNational > 0) return 2;
    } else {
        if (s.GelbInternational == 4) return 3;
        if (s.RotInternational > 0) return 4;
    }
    return 0;
}

int SperreGrund(int m, int i) { return SperreGrund(S.Manager[m].Kader[i]); }

int SystemZiffer(int m, int k)
{
    const auto code = S.Manager[m].SpielSystem.roh();
    if (k < 0 || static_cast<size_t>(k) >= code.size()) return 0;
    const unsigned char z = static_cast<unsigned char>(code[static_cast<size_t>(k)]);
    return std::isdigit(z) ? z - '0' : 0;
}

int AnzahlEingesetzt(int m)
{
    int n = 0;
    for (int i = 1; i <= KaderEnde(m); ++i)
        if (S.Manager[m].Kader[i].Eingesetzt != 0) ++n;
    return n;
}

void AutoAufstellung(int m)
{
    Manager_& mg = S.Manager[m];
    const int n = KaderEnde(m);
    for (int i = 1; i <= n; ++i) mg.Kader[i].Eingesetzt = 0;

    const char linien[4] = {'T', 'V', 'M', 'S'};
    const int gewollt[4] = {1, SystemZiffer(m, 0), SystemZiffer(m, 1), SystemZiffer(m, 2)};
    int eingesetzt = 0;
    // Der Zeiger läuft über alle Linien weiter: reicht eine Gruppe nicht,
    // springt der erste der nächsten Gruppe ein.
    int p = 1;
    for (int l = 0; l < 4; ++l) {
        int gesetzt = 0;
        while (p <= n) {
            Kaderspieler_& s = mg.Kader[p];
            // Nie mehr als elf, auch wenn die Ziffern des Systems mehr verlangen.
            if (gesetzt < gewollt[l] && eingesetzt < 11 && s.Eingesetzt == 0 && Spielbereit(s)) {
                s.Eingesetzt = 1;
                ++gesetzt;
                ++eingesetzt;
            }
            if (!IstPosition(s, linien[l])) break;
            ++p;
        }
    }

    if (eingesetzt >= 11) return;
    const char zyklus[3] = {'M', 'V', 'S'};
    int schritte = 0;
    do {
        const char b = zyklus[schritte % 3];
        for (int i = 1; i <= n; ++i) {
            Kaderspieler_& s = mg.Kader[i];
            if (IstPosition(s, b) && s.Eingesetzt == 0 && Spielbereit(s)) {
                s.Eingesetzt = 1;
                ++eingesetzt;
                break;
            }
        }
        ++schritte;
    } while (eingesetzt < 11 && schritte < 23 - eingesetzt);
}

void BerechneMannschaft(int m, int modus)
{
    Manager_& mg = S.Manager[m];
    const int n = KaderEnde(m);
    if (modus != 1) {
        for (int i = 1; i <= n; ++i) {
            Kaderspieler_& s = mg.Kader[i];
            if (s.Verletzt < 0) s.Verletzt = 0;
            BerechneSpieler(s);
        }
        SortiereKader(m);
        if (S.Optionen[m][OptAutoaufstellung] != 0 || modus == 3) AutoAufstellung(m);
    }

    Mannschaft_& verein = VereinVon(m);
    int64_t kaderWert = 0;
    int64_t kaderGehalt = 0;
    int64_t summeV = 0;
    int64_t summeM = 0;
    int64_t summeA = 0;
    bool torwart = false;
    for (int i = 1; i <= n; ++i) {
        Kaderspieler_& s = mg.Kader[i];
        if (s.Gehalt < 0) s.Gehalt = 0;
        if (s.Wert < 0) s.Wert = 0;
        kaderWert += s.Wert;
        kaderGehalt += s.Gehalt;
        if (s.Eingesetzt == 0) continue;
        kaderGehalt += AbrundenAuf(static_cast<int64_t>(s.Gehalt), 1);
        if (IstPosition(s, 'T')) {
            torwart = true;
            summeV += s.Staerke;
        } else if (IstPosition(s, 'V')) {
            summeV += s.Staerke;
        } else if (IstPosition(s, 'M')) {
            summeM += s.Staerke;
        } else if (IstPosition(s, 'S')) {
            summeA += s.Staerke;
        }
    }

    // Eine Linie mit Spielern, aber 0 Plätzen im System, zählt ihre Summe ganz
    // statt durch null zu teilen.
    auto teile = [](int64_t summe, int plaetze) {
        if (summe <= 0) return int64_t{0};
        return Runden(static_cast<double>(summe) / std::max(plaetze, 1), "Linienstaerke");
    };
    int64_t verteidigung = teile(summeV, SystemZiffer(m, 0) + 1);
    int64_t mittelfeld = teile(summeM, SystemZiffer(m, 1));
    int64_t angriff = teile(summeA, SystemZiffer(m, 2));
    if (!torwart) verteidigung /= 2;

    auto einsatz = [&](int64_t wert) {
        const int64_t w = Runden(static_cast<double>(wert) + mg.Einsatz * 0.1, "Linienstaerke");
        return w < 0 ? int64_t{0} : w;
    };
    verteidigung = einsatz(verteidigung);
    mittelfeld = einsatz(mittelfeld);
    angriff = einsatz(angriff);

    SETZE(mg.KaderWert, kaderWert);
    SETZE(mg.KaderGehalt, kaderGehalt);
    SETZE(verein.Verteidigung, verteidigung);
    SETZE(verein.Mittelfeld, mittelfeld);
    SETZE(verein.Angriff, angriff);
    const int64_t gesamt = (verteidigung + mittelfeld + angriff) / 3;
    SETZE(verein.Gesamt, gesamt);
    SETZE(mg.TeamStaerke, gesamt);

    if (mg.Managerpunkte > 100.0f) mg.Managerpunkte = 100.0f;
    if (!(mg.Managerpunkte >= 1.0f)) mg.Managerpunkte = 1.0f;
}

int FreierPoolplatz()
{
    const Spielerpool& pool = S.Spieler;
    const int64_t hoch = std::min<int64_t>(S.Spiel.SpielerHoch, pool.hoch());
    for (int64_t p = 1; p <= hoch; ++p)
        if (pool[p].Vorname.leer()) return static_cast<int>(p);
    return -1;
}

void NamenInPool(Spieler_& p, const Kaderspieler_& s)
{
    p.Vorname.rohSetzen(s.Vorname.roh());
    p.Nachname.rohSetzen(s.Nachname.roh());
    p.Position.rohSetzen(s.Position.roh());
    p.Nation.rohSetzen(s.Nation.roh());
    p.Zusatz.rohSetzen(s.Zusatz.roh());
}

void NamenAusPool(Kaderspieler_& s, const Spieler_& p)
{
    s.Vorname.rohSetzen(p.Vorname.roh());
    s.Nachname.rohSetzen(p.Nachname.roh());
    s.Position.rohSetzen(p.Position.roh());
    s.Nation.rohSetzen(p.Nation.roh());
    s.Zusatz.rohSetzen(p.Zusatz.roh());
}

void SpielerAbgeben(int m, int i)
{
    Manager_& mg = S.Manager[m];
    const Kaderspieler_& weg = Kaderplatz(m, i);
    const int platz = FreierPoolplatz();
    // Ohne freien Platz geht nur der Name verloren, der Spieler verlässt den Kader trotzdem.
    if (platz > 0) NamenInPool(S.Spieler[platz], weg);
    const int n = mg.KaderAnzahl;
    for (int j = i; j < n; ++j) mg.Kader[j] = mg.Kader[j + 1];
    mg.Kader[n] = Kaderspieler_{};
    mg.KaderAnzahl = static_cast<uint8_t>(n - 1);
    BerechneMannschaft(m, 2);
}

// --- Aufstellungsbildschirm ---

void AufstellungKlick(int m, int i)
{
    if (S.Optionen[m][OptAutoaufstellung] != 0) return;
    Kaderspieler_& s = Kaderplatz(m, i);
    const int n = AnzahlEingesetzt(m);
    if (s.Eingesetzt != 0) {
        // Auch ein Verletzter oder Gesperrter darf heraus, sonst bliebe er im Spiel.
        if (n > 8) {
            s.Eingesetzt = 0;
        } else if (n == 8) {
            Hinweis(T("Nicht weniger wie 8 Spieler wenn möglich !"));
        }
    } else if (n < 11 && Spielbereit(s)) {
        s.Eingesetzt = 1;
    }
    Klang("klick");
    BerechneMannschaft(m, 1);
}

void Aktualisieren(int m)
{
    Klang("kling");
    BerechneMannschaft(m, 0);
}

void AutoaufstellungSetzen(int m, bool an)
{
    S.Optionen[m][OptAutoaufstellung] = an ? 1 : 0;
    if (an) Aktualisieren(m);
}

Punktepruefung PunkteKaufenPruefen(int m, int i, Attribut a, int punkte)
{
    const Kaderspieler_& s = Kaderplatz(m, i);
    if (punkte < 1) return {};
    int wert = 0;
    int hoechst = 0;
    int32_t preis = 0;
    const char* voll = "";
    switch (a) {
    case Attribut::Technik:
        wert = s.Technik;
        hoechst = 120;
        preis = PreisTechnik;
        voll = N_("Maximale Technik erreicht !\n\nDer Spieler kann alles am Ball und hat\n"
                  "ein ´sensationelles´ Spielverständnis.");
        break;
    case Attribut::Konstitution:
        wert = s.Konstitution;
        hoechst = std::min(60, KonstMaxFuer(s.Alter));
        preis = PreisKonstitution;
        voll = N_("Maximale Konstution erreicht !\n\nVielleicht ist der Spieler auch zu alt,\n"
                  "denn pro Jahr über 30 wird die Konstution um 1 Jahr verringert !");
        break;
    case Attribut::Form:
        wert = s.Form;
        hoechst = 10;
        preis = PreisForm;
        voll = N_("Maximale Form erreicht !\n\nDer Spieler hat die Form seines Lebens.\nIhm gelingt einfach alles.");
        break;
    }
    if (wert >= hoechst) return {std::nullopt, Tz(voll)};
    Punkteplan p;
    p.Anzahl = std::min(punkte, hoechst - wert);
    p.Kosten = static_cast<int64_t>(p.Anzahl) * preis;
    if (!KontoPasst(S.Manager[m].Kontostand, -p.Kosten)) return {std::nullopt, T(BetragZuGrossText), true};
    p.Spieler = s;
    switch (a) {
    case Attribut::Technik: SETZE(p.Spieler.Technik, wert + p.Anzahl); break;
    case Attribut::Konstitution: SETZE(p.Spieler.Konstitution, wert + p.Anzahl); break;
    case Attribut::Form: SETZE(p.Spieler.Form, wert + p.Anzahl); break;
    }
    BerechneSpieler(p.Spieler);
    return {p, {}, true};
}

int PunkteKaufen(int m, int i, Attribut a, int punkte)
{
    const Punktepruefung pruefung = PunkteKaufenPruefen(m, i, a, punkte);
    // Der Klick ist zu hören, sobald noch Punkte fehlen, auch wenn das Geld dann nicht reicht.
    if (pruefung.klick) Klang("klick");
    if (!pruefung.plan) {
        if (!pruefung.ablehnung.empty()) Hinweis(pruefung.ablehnung);
        return 0;
    }
    KontoBuchen(S.Manager[m].Kontostand, -pruefung.plan->Kosten);
    Kaderplatz(m, i) = pruefung.plan->Spieler;
    SpielstandGeaendert();
    return pruefung.plan->Anzahl;
}

void Maximieren(int m, const std::function<void()>& neuZeichnen)
{
    if (!Frage(Tz("Die Werte der eingesetzten Spieler auf Maximal setzten ?\n\nHola, das könnte aber einniges kosten !")))
        return;
    // Ganz oder gar nicht: bricht ein Durchgang ab, ist auch aus den vorigen nichts gekauft.
    Einheit einheit;
    Manager_& mg = S.Manager[m];
    bool gekauft = true;
    while (gekauft) {
        gekauft = false;
        for (int i = 1; i <= KaderEnde(m); ++i) {
            Kaderspieler_& s = mg.Kader[i];
            if (s.Eingesetzt == 0) continue;
            if (s.Technik < 120 && KostenBuchen(m, PreisTechnik)) {
                SETZE(s.Technik, s.Technik + 1);
                gekauft = true;
            }
            if (s.Konstitution < std::min(60, KonstMaxFuer(s.Alter)) && KostenBuchen(m, PreisKonstitution)) {
                SETZE(s.Konstitution, s.Konstitution + 1);
                gekauft = true;
            }
            if (s.Form < 10 && KostenBuchen(m, PreisForm)) {
                SETZE(s.Form, s.Form + 1);
                gekauft = true;
            }
        }
        BerechneMannschaft(m, 0);
        SpielstandGeaendert(); // auch das Konto im Menü sinkt Runde für Runde
        if (neuZeichnen) neuZeichnen();
        Warte(200);
    }
    Aktualisieren(m);
    einheit.fertig();
}

void KostenInfo()
{
    Hinweis(Tz("1 x Spielstärke kostet  20.000.-\n1 x Konstituion kostet  10.000.-\n1 x Form kostet  50.000.-"));
}

Vertragspruefung SpielerVerkaufenPruefen(int m, int i)
{
    const Manager_& mg = S.Manager[m];
    const Kaderspieler_& s = Kaderplatz(m, i);
    Vertragsplan p{s, 0, mg.Managerpunkte, {}, {}};
    switch (s.Transferstatus) {
    case 0:
        p.Kosten = Runden(s.Wert * 0.01, "Gebuehr");
        p.Spieler.Transferstatus = 1;
        p.Rueckfrage = Tz("%1,\n\nWenn Sie den Spieler auf die Tranferliste setzen möchten,\nentsteht eine Gebühr von %2",
                          {Name(s), Geldtext(static_cast<double>(p.Kosten)) + Waehrung});
        break;
    case 1:
        p.Kosten = Runden(s.Wert * 0.03, "Konventionalstrafe");
        p.Spieler.Transferstatus = 0;
        // Die Angebotsreihe endet mit; eine spätere Listung beginnt wieder beim ersten Angebot.
        p.Spieler.Angebote = 0;
        p.Managerpunkte -= 0.5f;
        p.Rueckfrage = Tz("%1,\nsteht bereits auf der Transferliste.\nWollen Sie den Spieler von der Transferliste nehmen ?\n"
                          "ACHTUNG : Die Konventionalstrafe beträgt %2",
                          {Name(s), Geldtext(static_cast<double>(p.Kosten)) + Waehrung});
        break;
    case 2:
        return {std::nullopt, Tz("Da Sie für den Verkauf des Spielers nicht verantwortlich sind,\n"
                                 "können Sie ihn nicht von der Transferliste nehmen !")};
    default: return {};
    }
    if (!KontoPasst(mg.Kontostand, -p.Kosten)) return {std::nullopt, T(BetragZuGrossText)};
    return {p, {}};
}

std::optional<Vertragsplan> Gespraechswunsch(const Manager_& mg, const Kaderspieler_& s)
{
    Vertragsplan p{s, 0, mg.Managerpunkte, {}, {}, false};
    if (s.Verhandelt == 0) {
        p.Spieler.Verhandelt = 1;
        p.Verhandeln = true;
        return p;
    }
    // Wer drängt, zahlt ab dem dritten Mal; passt die Strafe nicht aufs Konto, geschieht nichts.
    p.Spieler.Verhandelt = static_cast<int8_t>(std::min(s.Verhandelt + 1, 100));
    if (p.Spieler.Verhandelt > 2) {
        p.Kosten = static_cast<int64_t>(p.Spieler.Verhandelt) * 1000;
        if (!KontoPasst(mg.Kontostand, -p.Kosten)) return std::nullopt;
    }
    return p;
}

Vertragspruefung NeuerVertragPruefen(int m, int i)
{
    const Manager_& mg = S.Manager[m];
    const Kaderspieler_& s = Kaderplatz(m, i);
    const std::string nachname = s.Nachname.text();
    if (s.Transferstatus > 0)
        return {std::nullopt, Tz("Herr %1, steht zum Verkauf auf der Tranferliste. !\n"
                                 "Warum verhandeln wenn der Spieler verkauft werden soll !?",
                                 {nachname})};
    std::optional<Vertragsplan> p = Gespraechswunsch(mg, s);
    if (!p) return {std::nullopt, T(BetragZuGrossText)};
    if (p->Verhandeln) return {p, {}};
    if (p->Kosten > 0)
        p->Meldung = Tf("Sie zahlen, %1 Strafe wegen Aufgringlichkeit.", {Geldtext(static_cast<double>(p->Kosten))}) + NL;
    p->Meldung += Tz("Herr %1 ist im moment zu keinen Vertragsgesprächen bereit,\n"
                     "da er nicht vor hat in nächster Zeit unter Brücken zu schlafen .\n"
                     "Pokern Sie nicht zu hoch und gönnen Sie dem Spieler auch ein bischen Luxus !",
                     {nachname});
    return {p, {}};
}

void VertragAusfuehren(int m, int i, const Vertragsplan& p)
{
    Manager_& mg = S.Manager[m];
    KontoBuchen(mg.Kontostand, -p.Kosten);
    Kaderplatz(m, i) = p.Spieler;
    mg.Managerpunkte = p.Managerpunkte;
    if (p.Verhandeln) mg.Kader[0] = p.Spieler;
    SpielstandGeaendert();
}

void SpielerVerkaufen(int m, int i)
{
    const Vertragspruefung pruefung = SpielerVerkaufenPruefen(m, i);
    if (!pruefung.plan) {
        if (!pruefung.ablehnung.empty()) Hinweis(pruefung.ablehnung);
        return;
    }
    if (!Frage(pruefung.plan->Rueckfrage)) return;
    VertragAusfuehren(m, i, *pruefung.plan);
}

bool NeuerVertrag(int m, int i)
{
    const Vertragspruefung pruefung = NeuerVertragPruefen(m, i);
    if (!pruefung.plan) {
        Hinweis(pruefung.ablehnung);
        return false;
    }
    VertragAusfuehren(m, i, *pruefung.plan);
    if (!pruefung.plan->Meldung.empty()) Hinweis(pruefung.plan->Meldung);
    return pruefung.plan->Verhandeln;
}

// --- Anzeigetexte ---

std::string PositionsName(std::string_view position)
{
    if (position == "T") return T("Torwart");
    if (position == "V") return T("Verteidiger");
    if (position == "M") return TC("Position", "Mittelfeld");
    if (position == "S") return T("Stürmer");
    return "";
}

std::string AltersBemerkung(int alter)
{
    if (alter <= 30) return "";
    if (alter <= 35) return std::string("  (") + T("wird Alt") + ")";
    if (alter <= 40) return std::string("  (") + T("ist Alt") + ")";
    if (alter <= 50) return std::string("  (") + T("zittert leicht") + ")";
    if (alter <= 60) return std::string("  (") + T("geht am Stock") + ")";
    return std::string("  (") + T("stinkt schon") + ")";
}

std::string SpielerZustand(int m, int i)
{
    const Kaderspieler_& s = S.Manager[m].Kader[i];
    if (s.Eingesetzt != 0) return T("Eingesetzt");
    if (s.Verletzt > 0) return Tf("%1 Spiel(e) Verletzt", {std::to_string(s.Verletzt)});
    if (SperreGrund(s) > 0) return T("Gesperrt");
    return T("Ersatzspieler");
}

std::string AufstellungsUeberschrift()
{
    return National(S.Spiel.Wettbewerb) ? T("Aufstellung  NATIONAL") : T("Aufstellung INTETNATIONAL");
}

Schnitt_ SchnittEingesetzte(int m)
{
    Schnitt_ e;
    int64_t t = 0, k = 0, f = 0, n = 0;
    for (int i = 1; i <= KaderEnde(m); ++i) {
        const Kaderspieler_& s = S.Manager[m].Kader[i];
        if (s.Eingesetzt == 0) continue;
        t += s.Technik;
        k += s.Konstitution;
        f += s.Form;
        ++n;
    }
    if (n == 0) return e;
    e.leer = false;
    e.Technik = static_cast<int>(Runden(static_cast<double>(t) / static_cast<double>(n)));
    e.Konstitution = static_cast<int>(Runden(static_cast<double>(k) / static_cast<double>(n)));
    e.Form = static_cast<int>(Runden(static_cast<double>(f) / static_cast<double>(n)));
    return e;
}

} // namespace torvane
