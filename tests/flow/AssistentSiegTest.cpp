// Der Computermanager auf Sieg: Punkte, Verstärkungen, Lager und Darlehen nur über die Regeln der
// Bildschirme, bezahlt, was sie kosten, und immer mit seiner Rücklage.
#include "Spielwelt.h"
#include "finance/Bank.h"
#include "finance/Vermoegen.h"
#include "flow/Assistent.h"
#include "squad/Kader.h"
#include "squad/Markt.h"
#include "squad/Training.h"
#include "squad/Verhandlung.h"

using namespace torvane;

namespace {

class AssistentSieg : public ::testing::Test {
protected:
    Mitschrift ui;
    void SetUp() override { EchtesSpiel(2, 41); }
    Manager_& mg() { return S.Manager[0]; }
    int64_t frei() { return static_cast<int64_t>(mg().Kontostand) + mg().Sparbuch - mg().Kredit; }
    // Summe der Punkte des Kaders zu ihren Preisen.
    int64_t punktwert()
    {
        int64_t w = 0;
        for (int i = 1; i <= mg().KaderAnzahl; ++i) {
            const Kaderspieler_& s = mg().Kader[i];
            w += int64_t{s.Technik} * PreisTechnik + int64_t{s.Konstitution} * PreisKonstitution + int64_t{s.Form} * PreisForm;
        }
        return w;
    }
};

} // namespace

// Punkte: was abgebucht wird, steckt genau in den gekauften Punkten; die Rücklage bleibt; mit
// genug Geld steht die Elf danach auf dem Höchsten, ohne Geld kauft er nichts.
TEST_F(AssistentSieg, PunkteNurAusDemUeberfluss)
{
    struct Fall {
        int64_t ueber;      // Geld über der Rücklage
        int64_t mindestens; // so viel arbeitet davon
        bool voll;          // Elf danach ganz oben
    };
    for (const Fall f : {Fall{0, 0, false}, Fall{40000, 30000, false}, Fall{3000000, 2900000, false},
                         Fall{400000000, 10000000, true}}) {
        EchtesSpiel(2, 41);
        mg().Sparbuch = mg().Kredit = 0;
        mg().Kontostand = static_cast<int32_t>(AssistentRuecklage(0) + f.ueber);
        // Was der Abschluss bucht, steht nicht zur Verfügung.
        mg().Kontostand += static_cast<int32_t>(mg().Kontostand - KontoNachAbschluss(0));
        const int64_t konto = mg().Kontostand, wert = punktwert();
        AssistentPunkte(0);
        EXPECT_EQ(konto - mg().Kontostand, punktwert() - wert) << "Geld gegen Punkte, nichts sonst";
        EXPECT_GE(frei(), AssistentRuecklage(0));
        EXPECT_LE(konto - mg().Kontostand, f.ueber);
        EXPECT_GE(konto - mg().Kontostand, f.mindestens) << "das Geld arbeitet";
        bool oben = true;
        for (int i = 1; i <= mg().KaderAnzahl; ++i) {
            const Kaderspieler_& s = mg().Kader[i];
            if (s.Eingesetzt != 0)
                oben = oben && s.Technik == 120 && s.Form == 10 && s.Konstitution == std::min(60, KonstMaxFuer(s.Alter));
        }
        EXPECT_EQ(oben, f.voll) << f.ueber;
    }
}

// Verstärkung: ein Marktspieler, der die Elf besser macht, kommt über die Verhandlung; Markt und
// Konto stimmen danach, der Verdrängte steht auf der Liste, sobald der Kader mehr als 20 zählt.
TEST_F(AssistentSieg, VerstaerkungUeberDieVerhandlung)
{
    int kaeufe = 0;
    for (uint32_t saat = 1; saat <= 8; ++saat) {
        EchtesSpiel(2, saat);
        for (int i = 1; i <= mg().KaderAnzahl; ++i) mg().Kader[i].Transferstatus = 0;
        // Auf 21 mit Doppelgängern aller Linien: keine Linie unter ihrem Minimum, sonst füllte er nur auf.
        const int anfang = mg().KaderAnzahl;
        while (mg().KaderAnzahl < 21) {
            mg().Kader[mg().KaderAnzahl + 1] = mg().Kader[(mg().KaderAnzahl - anfang) % anfang + 1];
            ++mg().KaderAnzahl;
        }
        BerechneMannschaft(0, 3);
        for (int r = 1; r <= 11; ++r) S.Transferliste[r].Transferstatus = 0;
        Kaderspieler_ s = mg().Kader[5];
        s.Vorname = "Otto";
        s.Nachname = "Ueberall";
        s.Alter = 23;
        s.Technik = 110;
        s.Konstitution = 55;
        s.Transferstatus = 1;
        s.Verhandelt = 0;
        BerechneSpieler(s);
        S.Transferliste[7] = s;
        mg().Kontostand = 90000000;
        mg().Sparbuch = mg().Kredit = 0;

        const Verstaerkung v = AssistentVerstaerkung(0);
        ASSERT_EQ(v.zeile, 7);
        EXPECT_EQ(v.gewinn, s.Staerke - mg().Kader[v.verdraengt].Staerke);
        const std::string weg = NameVon(mg().Kader[v.verdraengt]);
        const int64_t konto = mg().Kontostand;
        AssistentEinkauf(0, AssistentStufe::Neu);
        int neu = 0, gelistet = 0;
        for (int i = 1; i <= mg().KaderAnzahl; ++i) {
            if (NameVon(mg().Kader[i]) == "Otto Ueberall") ++neu;
            if (NameVon(mg().Kader[i]) == weg && mg().Kader[i].Transferstatus != 0) ++gelistet;
        }
        const int32_t abloese = AbloeseFuer(s.Wert, 5);
        if (neu == 1) {
            ++kaeufe;
            EXPECT_EQ(S.Transferliste[7].Transferstatus, 0) << "seine Zeile ist leer";
            EXPECT_EQ(mg().KaderAnzahl, 22);
            EXPECT_GE(gelistet, 1) << weg << " geht auf die Liste";
            EXPECT_LE(konto - mg().Kontostand, int64_t{abloese} + Verhandlungsgebuehr(abloese) + 500000);
            EXPECT_GE(konto - mg().Kontostand, int64_t{abloese} / 2);
        } else {
            EXPECT_EQ(neu, 0);
            EXPECT_EQ(konto - mg().Kontostand, Verhandlungsgebuehr(abloese)) << "eine Absage kostet nur die Gebühr";
        }
        EXPECT_LE(mg().KaderAnzahl, 23);
    }
    EXPECT_GE(kaeufe, 4);
}

// Stufe Alt bleibt, wie sie war: keine Punkte, keine Verstärkung, kein Darlehen.
TEST_F(AssistentSieg, AltKauftWederPunkteNochVerstaerkung)
{
    mg().Kontostand = 400000000;
    for (int r = 1; r <= 11; ++r) S.Transferliste[r].Transferstatus = 0;
    const int64_t wert = punktwert();
    AssistentEinkauf(0, AssistentStufe::Alt);
    AssistentTraining(0, AssistentStufe::Alt);
    EXPECT_EQ(punktwert(), wert);
    mg().Kontostand = -300000;
    mg().Sparbuch = 0;
    AssistentBank(0, AssistentStufe::Alt);
    EXPECT_EQ(mg().DarlehenRestSpiele, 0);
    EXPECT_GT(mg().Kredit, 0);
}

// Bank auf Sieg: ein Minus deckt ein Darlehen über die längste Laufzeit (halb so teuer wie der
// Kredit); läuft schon eines, hilft der Kredit.
TEST_F(AssistentSieg, DarlehenStattKredit)
{
    mg().Kontostand = -300000;
    mg().Sparbuch = mg().Kredit = 0;
    AssistentBank(0, AssistentStufe::Neu);
    EXPECT_EQ(mg().DarlehenRestSpiele, DarlehenLaufzeitMax);
    EXPECT_GT(mg().Kontostand, 0);
    EXPECT_EQ(mg().Kredit, 0);
    mg().Kontostand = -300000;
    AssistentBank(0, AssistentStufe::Neu);
    EXPECT_GT(mg().Kredit, 0);
}

// Lager nur zum Heilen: mit drei länger Verletzten unter den Stammspielern und Geld fährt er,
// sonst nicht.
TEST_F(AssistentSieg, LagerWennEsHeilt)
{
    for (const int verletzte : {2, 3}) {
        EchtesSpiel(2, 41);
        mg().Liga = 2;
        mg().Kontostand = 90000000;
        for (int k = 0; k < verletzte; ++k) mg().Kader[1 + k * 3].Verletzt = 4;
        const int64_t konto = mg().Kontostand;
        AssistentLager(0);
        const int64_t preis = LagerBerechnen(mg().KaderAnzahl, 3, 10).Preis;
        EXPECT_EQ(konto - mg().Kontostand, verletzte >= 3 ? preis : 0) << verletzte;
    }
}
