// Der Computermanager am Markt, bei der Bank, im Stadion und bei der Werbung: er handelt nur
// über die Regeln der Bildschirme, bezahlt, was sie verlangen, und hält Kader und Konto in Ordnung.
#include "Spielwelt.h"
#include "finance/Bank.h"
#include "finance/Vermoegen.h"
#include "finance/Werbung.h"
#include "flow/Assistent.h"
#include "season/Ereignis.h"
#include "season/Pleite.h"
#include "squad/Kader.h"
#include "squad/Markt.h"
#include "squad/Verhandlung.h"

#include <climits>
#include <map>
#include <set>

using namespace torvane;

namespace {

class AssistentHandel : public ::testing::Test {
protected:
    Mitschrift ui;
    void SetUp() override { neu(77); }
    void neu(uint32_t saat) { EchtesSpiel(2, saat); }
    Manager_& mg() { return S.Manager[0]; }
    // Die ersten n Spieler des Kaders mit laufenden Verträgen, ungelistet und ohne Gespräch heute.
    void frisch(int n)
    {
        mg().KaderAnzahl = static_cast<uint8_t>(n);
        for (int i = 1; i <= n; ++i) {
            Kaderspieler_& k = mg().Kader[i];
            k.Alter = 25;
            k.Vertrag = 3;
            k.Transferstatus = 0;
            k.Verhandelt = 0;
        }
        BerechneMannschaft(0, 0);
    }
    int finde(const std::string& name)
    {
        for (int i = 1; i <= mg().KaderAnzahl; ++i)
            if (NameVon(mg().Kader[i]) == name) return i;
        return 0;
    }
};

} // namespace

// Verlängern: der Stärkste mit auslaufendem Vertrag bekommt sechs Jahre zum kleinsten Gehalt, das er
// mit 75 % annimmt (100 % der Forderung), oder mehr, wenn er schon mehr verdient; jedes Gespräch
// kostet 2 % seines Werts als Gebühr. Die Schieber des Bildschirms bleiben stehen.
TEST_F(AssistentHandel, VerlaengerungUeberDieVerhandlung)
{
    int zusagen = 0;
    for (uint32_t saat = 1; saat <= 12; ++saat) {
        neu(saat);
        frisch(14);
        const int i = 1; // nach dem Sortieren der erste Torwart
        Kaderspieler_& s = mg().Kader[i];
        s.Vertrag = 1;
        const bool teuer = saat % 2 == 0;
        const int32_t forderung = Gehaltsforderung(s.Alter, s.Staerke, 6);
        // Wer schon 125 % verdient, braucht 130 %; sonst genügt die Forderung.
        s.Gehalt = teuer ? forderung * 5 / 4 : forderung / 2;
        const int32_t erwartet = teuer ? AngebotsgehaltFuer(s.Alter, s.Staerke, 6, 3) : forderung;
        const std::string name = NameVon(s);
        const int32_t gebuehr = Verhandlungsgebuehr(s.Staerke * 10000);
        const int32_t altesGehalt = s.Gehalt;
        mg().Kontostand = 5000000;

        AssistentVertraege(0);
        const int j = finde(name);
        ASSERT_GT(j, 0) << "Saat " << saat;
        const Kaderspieler_& n = mg().Kader[j];
        EXPECT_EQ(mg().Kontostand, 5000000 - gebuehr) << "ein Gespräch, eine Gebühr";
        EXPECT_EQ(n.Verhandelt, 1);
        if (n.Vertrag == 6) {
            ++zusagen;
            EXPECT_EQ(n.Gehalt, erwartet) << "Saat " << saat;
        } else {
            EXPECT_EQ(n.Vertrag, 1);
            EXPECT_EQ(n.Gehalt, altesGehalt);
        }
        EXPECT_FALSE(Sitzung.Verhandlung.Offen);
        // Am selben Tag kein zweites Gespräch (das kostete nur Strafe).
        const int64_t konto = mg().Kontostand;
        AssistentVertraege(0);
        EXPECT_EQ(mg().Kontostand, konto);
    }
    EXPECT_GE(zusagen, 6) << "drei von vier sagen zu";
}

// Einkauf: bis 16 Spieler, jeder über eine Verhandlung vom Markt (seine Zeile ist danach leer),
// bezahlt mit Gebühr und 150 % Ablöse (eine Überraschung kann bis zur Hälfte erstatten);
// ohne Geld kein Gespräch; nie über 23.
TEST_F(AssistentHandel, EinkaufNurUeberDieVerhandlung)
{
    for (uint32_t saat = 1; saat <= 6; ++saat) {
        neu(saat);
        frisch(14);
        NeueTransferliste(11);
        mg().Kontostand = 60000000;
        mg().Sparbuch = 0;
        std::map<std::string, int32_t> markt;
        for (int r = 1; r <= 11; ++r)
            if (S.Transferliste[r].Transferstatus != 0) markt[NameVon(S.Transferliste[r])] = S.Transferliste[r].Wert;
        std::set<std::string> vorher;
        for (int i = 1; i <= 14; ++i) vorher.insert(NameVon(mg().Kader[i]));

        AssistentEinkauf(0);
        int64_t hoechstens = 0, mindestens = 0;
        int neue = 0;
        for (int i = 1; i <= mg().KaderAnzahl; ++i) {
            const std::string name = NameVon(mg().Kader[i]);
            if (vorher.count(name)) continue;
            ++neue;
            ASSERT_TRUE(markt.count(name)) << name << " kam nicht vom Markt";
            const int32_t abloese = AbloeseFuer(markt[name], 5);
            hoechstens += abloese + Verhandlungsgebuehr(abloese);
            mindestens += abloese / 2 + Verhandlungsgebuehr(abloese);
            for (int r = 1; r <= 11; ++r) {
                if (S.Transferliste[r].Transferstatus != 0) {
                    EXPECT_NE(NameVon(S.Transferliste[r]), name);
                }
            }
        }
        EXPECT_EQ(mg().KaderAnzahl, 14 + neue);
        EXPECT_GE(mg().KaderAnzahl, 16) << "Saat " << saat << ": genug Geld und Markt für zwei";
        EXPECT_LE(mg().KaderAnzahl, 23);
        const int64_t bezahlt = 60000000 - static_cast<int64_t>(mg().Kontostand);
        EXPECT_LE(bezahlt, hoechstens + 11 * 2 * 150000) << "höchstens Ablösen, Gebühren und Absagen";
        EXPECT_GE(bezahlt, mindestens);
    }

    // Ohne Geld über der Rücklage: kein Gespräch, keine Gebühr.
    neu(3);
    frisch(14);
    NeueTransferliste(11);
    mg().Kontostand = 500000;
    mg().Sparbuch = 0;
    AssistentEinkauf(0);
    EXPECT_EQ(mg().KaderAnzahl, 14);
    EXPECT_EQ(mg().Kontostand, 500000);

    // Ein voller Kader kauft nicht, auch wenn eine Linie leer ist.
    neu(4);
    mg().KaderAnzahl = 23;
    for (int i = 2; i <= 23; ++i) mg().Kader[i] = mg().Kader[(i - 2) % 14 + 1];
    for (int i = 1; i <= 23; ++i) mg().Kader[i].Position.rohSetzen("S");
    NeueTransferliste(11);
    mg().Kontostand = 60000000;
    AssistentEinkauf(0);
    EXPECT_EQ(mg().KaderAnzahl, 23);
}

// Bank: ein Minus deckt er mit dem Flinken Kredit, Überschuss tilgt erst den Kredit und geht
// dann aufs Sparbuch (höchstens 300 Millionen); Geld geht dabei keines verloren.
TEST_F(AssistentHandel, BankHaeltDasKontoImPlus)
{
    mg().Kontostand = -400000;
    mg().Sparbuch = 150000;
    mg().Kredit = 0;
    const int64_t vermoegen = BerechneVermoegen(0);
    AssistentBank(0);
    EXPECT_EQ(mg().Sparbuch, 0) << "erst das Sparbuch";
    EXPECT_GT(mg().Kredit, 0);
    EXPECT_GT(mg().Kontostand, 0);
    EXPECT_LE(mg().Kredit, vermoegen / 2);
    EXPECT_EQ(BerechneVermoegen(0), vermoegen);

    // Der Überschuss tilgt den Kredit ganz, der Rest liegt auf dem Sparbuch; Polster bleibt.
    mg().Kontostand = 9000000;
    const int64_t vermoegen2 = BerechneVermoegen(0);
    const int64_t polster = static_cast<int64_t>(mg().Ausgaben) * 2 + 100000;
    AssistentBank(0);
    EXPECT_EQ(mg().Kredit, 0);
    EXPECT_EQ(mg().Kontostand, polster);
    EXPECT_GT(mg().Sparbuch, 0);
    EXPECT_EQ(BerechneVermoegen(0), vermoegen2);

    mg().Kontostand = 900000000;
    mg().Sparbuch = 0;
    AssistentBank(0);
    EXPECT_EQ(mg().Sparbuch, 300000000);

    // Ohne Vermögen leiht die Bank nichts: das Konto bleibt, wie es ist.
    mg().Kontostand = -90000000;
    mg().Sparbuch = 0;
    mg().Kredit = 0;
    AssistentBank(0);
    EXPECT_EQ(mg().Kredit, 0);
    EXPECT_EQ(mg().Kontostand, -90000000);
}

// Stadion und Werbung: der Eintritt bleibt in 1..100, die Dauerkarte kostet mindestens 17 Eintritte,
// kein Ausbau ohne doppelte Rücklage;
// je freiem Platz eine Anfrage, angenommen wird nichts, was Geld kostet.
TEST_F(AssistentHandel, StadionUndWerbungMitMass)
{
    mg().Kontostand = 0;
    mg().Sparbuch = 0;
    mg().ZuschauerLetzte = mg().Plaetze; // ausverkauft, in der ganzen Saison
    mg().HeimspieleSaison = 3;
    mg().ZuschauerSaison = 3 * mg().Plaetze;
    const int32_t plaetze = mg().Plaetze;
    const int16_t komfort = mg().Komfortpunkte;
    const auto stadion = [] {
        AssistentAusfuehren(0, AssistentStufe::Alt, {Entscheidung::Plaetze, Entscheidung::Komfort});
        AssistentStadion(0);
    };
    stadion();
    EXPECT_GE(mg().Eintrittspreis, 1);
    EXPECT_LE(mg().Eintrittspreis, 100);
    EXPECT_EQ(mg().Plaetze, plaetze) << "ohne Geld kein Ausbau";
    EXPECT_EQ(mg().Komfortpunkte, komfort);
    EXPECT_GE(mg().Dauerkartenpreis, std::min(1000, 17 * mg().Eintrittspreis)) << "jede Dauerkarte deckt 17 Heimspiele";
    EXPECT_LE(mg().Dauerkartenpreis, 1000);
    const int16_t preis = mg().Eintrittspreis;
    stadion();
    EXPECT_EQ(mg().Eintrittspreis, preis) << "ein zweiter Blick ändert nichts";

    mg().Kontostand = 100000000;
    stadion();
    EXPECT_EQ(mg().Plaetze, plaetze + 10000) << "ausverkauft und reich: 10.000 Plätze";

    for (uint32_t saat = 1; saat <= 20; ++saat) {
        neu(saat);
        mg().Werbeanfragen = 12.0f;
        const int64_t konto = mg().Kontostand;
        AssistentWerbung(0);
        int belegt = 0;
        int64_t einmalig = 0;
        for (int p = 1; p <= 8; ++p) {
            const Werbevertrag_& v = S.Werbevertraege[0][p];
            if (v.SpieleRest <= 0) continue;
            ++belegt;
            EXPECT_GT(v.Betrag, 0) << "Platz " << p;
            einmalig += v.Betrag;
        }
        EXPECT_EQ(S.Werbevertraege[0][WerbungFernsehen].SpieleRest, 0) << "kein Fernsehen in der Oberliga";
        EXPECT_GE(mg().Werbeanfragen, 12.0f - 7.0f) << "eine Anfrage je freien Platz";
        EXPECT_EQ(mg().Kontostand, konto + einmalig);
        EXPECT_LE(belegt, 7);
    }
}

// Angebote in Werten: Aktien nur unter dem Kurs und aus dem Überfluss kaufen, nur über dem Kurs
// verkaufen, gelistete Spieler gehen, den Verein nie. Der Wortlaut der Frage zählt nicht: die
// Ereignisse fragen mit Text und Werten, und der Automat antwortet auf die Werte.
TEST_F(AssistentHandel, AktienNurMitVorteil)
{
    S.Spiel.Aktienkurs = 1000;
    mg().Kontostand = 5000000;
    mg().Sparbuch = 0;
    mg().KaderGehalt = 0;
    using A = Angebotsfrage;
    const struct {
        A f;
        bool ja;
    } faelle[] = {
        {{A::AktienKauf, 500, 500 * 900}, true},
        {{A::AktienKauf, 500, 500 * 1100}, false},
        {{A::AktienKauf, 5000, 5000 * 900}, false}, // 4,5 Millionen greifen die Rücklage an
        {{A::AktienKauf, 1000, 800000}, true},
        {{A::AktienKauf, 1000, 1200000}, false},
        {{A::AktienKauf, 0, 0}, false},
        {{A::AktienVerkauf, 700, 700 * 1250}, true},
        {{A::AktienVerkauf, 700, 700 * 950}, false},
        {{A::VereinVerkauf, 1, 900000000}, false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(AssistentAngebot(0, f.f), f.ja) << static_cast<int>(f.f.art) << " " << f.f.anzahl << " " << f.f.preis;

    // Im Ablauf: das Aktienangebot eines Ereignisses erreicht den Automaten in Werten und kauft.
    AutoOberflaeche automat;
    std::vector<Angebotsfrage> gefragt;
    automat.angebotAntwort = [&](const Angebotsfrage& f) {
        gefragt.push_back(f);
        return AssistentAngebot(S.AktManager, f);
    };
    automat.nachrichtAntwort = [](const std::string&, const std::string&, NachrichtArt) { return Befehlswert::Nein; };
    OberflaecheSetzen(&automat);
    for (uint32_t saat = 1; saat <= 60 && gefragt.empty(); ++saat) {
        ZufallSetzen(saat);
        mg().Kontostand = 50000000;
        S.Spiel.Aktienkurs = 5000;
        Ereignis(40);
    }
    OberflaecheSetzen(&ui);
    ASSERT_FALSE(gefragt.empty()) << "Ereignis 40 fragt nach Aktien";
    EXPECT_TRUE(gefragt.front().art == A::AktienKauf || gefragt.front().art == A::AktienVerkauf);
    EXPECT_GT(gefragt.front().preis, 0);
}

// Sehr reiche Vereine: Konto und Sparbuch zusammen über der Feldgrenze halten das Spiel nicht an,
// die Abgabe rechnet mit dem ganzen Vermögen; Sparbuchzinsen über der Grenze verfallen.
TEST_F(AssistentHandel, GrosseVermoegenLaufenNichtUeber)
{
    mg().Kontostand = 1500000000;
    mg().Sparbuch = 1500000000;
    const int64_t roh = VermoegenWert(0);
    ASSERT_GT(roh, INT32_MAX);
    EXPECT_NO_THROW(BerechneVermoegen(0));
    EXPECT_EQ(mg().Vermoegen, INT32_MAX);
    EXPECT_EQ(mg().Kontostand, 1500000000 - Runden(roh * 0.1));

    mg().Kontostand = 1000000;
    mg().Sparbuch = INT32_MAX - 10;
    mg().KaderGehalt = 0;
    S.Spiel.Wettbewerb = Wettbewerb_::Liga;
    EXPECT_NO_THROW(ZugAbschliessen());
    EXPECT_EQ(mg().Sparbuch, INT32_MAX);
}
