// Vertragsverhandlung: Zusage, Ablöse, Gehalt, Gebühr, Kauf, Verlängerung, Absagen, Überraschungen.
#include "KaderHilfe.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/SkriptOberflaeche.h"
#include "core/Zufall.h"
#include "squad/Kader.h"
#include "squad/Markt.h"
#include "squad/Verhandlung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

using namespace torvane;
using namespace kadertest;

namespace {

// Marktzeile 1 mit einem Spieler von Stärke 60, Wert 900 000, Forderung für 3 Jahre.
void Marktspieler(int zeile = 1, int form = 0)
{
    Kaderspieler_ s = Spieler("M", 60, 28, "Kai");
    s.Form = static_cast<int8_t>(form);
    s.Wert = 900000;
    s.Vertrag = 3;
    s.Transferstatus = 1;
    s.Gehalt = Gehaltsforderung(28, 60, 3);
    S.Transferliste[zeile] = s;
}

void Kader(int anzahl)
{
    Grundstand();
    for (int i = 0; i < anzahl; ++i) Hinzu(Spieler("V", 50 + i, 25, "Spieler" + std::to_string(i)));
    BerechneMannschaft(0, 0);
    Sitzung.Verhandlung = Verhandlung_{};
}

// Merkt sich beim Warten, wie der Kader gerade aussieht.
class Beobachter : public SkriptOberflaeche {
public:
    int anzahlBeimWarten = -1;
    std::string letzterBeimWarten;
    void warte(int ms, bool still) override
    {
        const Manager_& mg = S.Manager[0];
        anzahlBeimWarten = mg.KaderAnzahl;
        letzterBeimWarten = mg.Kader[mg.KaderAnzahl].Vorname.text();
        SkriptOberflaeche::warte(ms, still);
    }
};

} // namespace

TEST(Verhandlung, ZusageBeiVerlaengerungUndKauf)
{
    using A = Verhandlungsart;
    // Verlängerung: (Gehalt + Jahre) x 12,5, Hälften zur geraden Zahl.
    EXPECT_EQ(ZusageFuer(A::Verlaengerung, 0, 0, 1), 12);  // 12,5
    EXPECT_EQ(ZusageFuer(A::Verlaengerung, 0, 1, 2), 38);  // 37,5
    EXPECT_EQ(ZusageFuer(A::Verlaengerung, 0, 2, 6), 100); // 8 x 12,5
    EXPECT_EQ(ZusageFuer(A::Verlaengerung, 0, 5, 6), 100); // 137,5 gekappt
    EXPECT_EQ(ZusageFuer(A::Verlaengerung, 0, -1, 1), 1);  // 0 wird 1
    EXPECT_EQ(ZusageFuer(A::Verlaengerung, 0, -5, 1), 1);  // -50
    EXPECT_EQ(ZusageFuer(A::Verlaengerung, 5, 0, 1), 12);  // Ablöse zählt nicht
    // Kauf: Summe x 100/13.
    EXPECT_EQ(ZusageFuer(A::Kauf, 5, 5, 6), 100);   // 123
    EXPECT_EQ(ZusageFuer(A::Kauf, -5, -5, 1), 1);   // negativ
    EXPECT_EQ(ZusageFuer(A::Kauf, 0, 0, 1), 8);     // 7,69
    EXPECT_EQ(ZusageFuer(A::Kauf, 2, 0, 3), 38);    // 38,46
    EXPECT_EQ(ZusageFuer(A::Kauf, 5, 2, 5), 92);    // 92,3
}

TEST(Verhandlung, BetraegeGanzzahlig)
{
    EXPECT_EQ(AbloeseFuer(1234000, -3), 863800);
    EXPECT_EQ(AbloeseFuer(1234000, 5), 1851000);
    EXPECT_EQ(AbloeseFuer(1234567, 1), 1358024); // 1 358 023,7
    EXPECT_EQ(Verhandlungsgebuehr(863800), 17276);
    EXPECT_EQ(Verhandlungsgebuehr(800000), 16000);
    EXPECT_EQ(Verhandlungsgebuehr(1025), 20);  // 20,5 zur geraden Zahl
    EXPECT_EQ(Verhandlungsgebuehr(1075), 22);  // 21,5 zur geraden Zahl
    // Forderung 5 600 (Stärke 70, 2 Jahre, 30 Jahre alt): 70 % sind 3 920.
    ASSERT_EQ(Gehaltsforderung(30, 70, 2), 5600);
    EXPECT_EQ(AngebotsgehaltFuer(30, 70, 2, -3), 3920);
    EXPECT_EQ(AngebotsgehaltFuer(30, 70, 2, 3), 7280);
    EXPECT_EQ(AngebotsgehaltFuer(30, 70, 2, -5), 2800);
    EXPECT_EQ(AngebotsgehaltFuer(30, 70, 2, 0), 5600);
    // Forderung 4 950 (Stärke 50, 6 Jahre, 33): 1,3 x = 6 435, gekürzt 6 430.
    EXPECT_EQ(AngebotsgehaltFuer(33, 50, 6, 3), 6430);
    EXPECT_EQ(RundenBruch(-35, 10), -4);
    EXPECT_EQ(RundenBruch(-36, 10), -4);
}

TEST(Verhandlung, EroeffnungKostetGebuehrUndZeigtWerte)
{
    Kader(5);
    SkriptOberflaeche ui;
    Manager_& mg = S.Manager[0];
    // Verlängerung: Stärke 80 -> Ablöse 800 000, Gebühr 16 000.
    mg.Kader[1] = Spieler("T", 80, 30, "Olli");
    mg.Kader[1].Vertrag = 2;
    Regler_ regler{3, -3, 2};
    ASSERT_TRUE(VertragsVerhandlungOeffnen(0, 1, regler));
    EXPECT_EQ(mg.Kontostand, 1000000 - 16000);
    EXPECT_EQ(Sitzung.Verhandlung.Abloese, 800000);
    EXPECT_EQ(Sitzung.Verhandlung.Angebotsgehalt, AngebotsgehaltFuer(30, 80, 2, -3));
    EXPECT_EQ(Sitzung.Verhandlung.Zusage, 1); // (-3 + 2) x 12,5
    EXPECT_EQ(mg.Kader[0].Vorname.text(), "Olli");
    EXPECT_EQ(Sitzung.Verhandlung.Zeile, 1);
    // Ein neuer Schieberstand rechnet sofort, auf die Grenzen der Schieber gebracht.
    VerhandlungRechnen({9, 2, 9});
    EXPECT_EQ(Sitzung.Verhandlung.Jahre, 6);
    EXPECT_EQ(Sitzung.Verhandlung.Angebotsgehalt, AngebotsgehaltFuer(30, 80, 6, 2));
    EXPECT_EQ(Sitzung.Verhandlung.Zusage, 100);
    EXPECT_EQ(Sitzung.Verhandlung.Abloese, 800000); // bei der Verlängerung fest
    const float punkte = mg.Managerpunkte;
    VerhandlungAbbrechen();
    EXPECT_FLOAT_EQ(mg.Managerpunkte, punkte + 0.1f);
    EXPECT_FALSE(Sitzung.Verhandlung.Offen);

    // Kauf: Gebühr auf den Marktwert, dann die Ablöse nach dem Schieber.
    Marktspieler();
    S.Transferliste[1].Wert = 1234000;
    regler = {-3, 0, 1};
    const int32_t vorher = mg.Kontostand;
    ASSERT_TRUE(KaufVerhandlungOeffnen(0, 1, regler));
    EXPECT_EQ(mg.Kontostand, vorher - 24680);
    EXPECT_EQ(Sitzung.Verhandlung.Abloese, 863800);
    EXPECT_EQ(Sitzung.Verhandlung.Zusage, 1); // -2 x 100/13
    VerhandlungRechnen({-9, 9, 0});
    EXPECT_EQ(Sitzung.Verhandlung.Abloese, 617000); // 50 %
    EXPECT_EQ(Sitzung.Verhandlung.Jahre, 1);
    EXPECT_EQ(Sitzung.Verhandlung.Zusage, 8); // (-5 + 5 + 1) x 100/13
    // Nach dem Ende rechnet niemand mehr an der Verhandlung.
    VerhandlungAbbrechen();
    VerhandlungRechnen({5, 5, 6});
    EXPECT_EQ(Sitzung.Verhandlung.Abloese, 617000);
}

TEST(Verhandlung, ZweiterMarktklickUeberschreibtDieKopieNicht)
{
    Kader(5);
    SkriptOberflaeche ui;
    Marktspieler(1);
    Marktspieler(2);
    S.Transferliste[2].Vorname = "Zweiter";
    ASSERT_TRUE(KaufVerhandlungOeffnen(0, 1, Regler_{}));
    const int32_t konto = S.Manager[0].Kontostand;
    EXPECT_FALSE(KaufVerhandlungOeffnen(0, 2, Regler_{}));
    EXPECT_FALSE(VertragsVerhandlungOeffnen(0, 3, Regler_{}));
    EXPECT_EQ(S.Manager[0].Kader[0].Vorname.text(), "Kai");
    EXPECT_EQ(S.Transferliste[2].Verhandelt, 0);
    EXPECT_EQ(S.Manager[0].Kader[3].Verhandelt, 0);
    EXPECT_EQ(S.Manager[0].Kontostand, konto);
    EXPECT_EQ(Sitzung.Verhandlung.Zeile, 1);
}

TEST(Verhandlung, KaufMitSichererZusage)
{
    int ohneGeldueberraschung = 0;
    for (uint32_t saat = 1; saat <= 40; ++saat) {
        Kader(5);
        Beobachter ui;
        Manager_& mg = S.Manager[0];
        Marktspieler();
        const float punkte = mg.Managerpunkte;
        Regler_ regler{5, 5, 4};
        ZufallSetzen(saat);
        ASSERT_TRUE(KaufVerhandlungOeffnen(0, 1, regler));
        ASSERT_EQ(Sitzung.Verhandlung.Zusage, 100);
        const int32_t abloese = Sitzung.Verhandlung.Abloese;
        const int32_t gehalt = Sitzung.Verhandlung.Angebotsgehalt;
        EXPECT_EQ(abloese, 1350000);
        EXPECT_EQ(Anbieten(), Verhandlungsergebnis::Zusage);

        // Beim Warten steht der Neue schon gezählt auf seinem Platz.
        EXPECT_EQ(ui.anzahlBeimWarten, 6);
        EXPECT_EQ(ui.letzterBeimWarten, "Kai");
        EXPECT_EQ(mg.KaderAnzahl, 6);
        int neu = 0;
        for (int i = 1; i <= 6; ++i)
            if (mg.Kader[i].Vorname == "Kai") neu = i;
        ASSERT_GT(neu, 0);
        const Kaderspieler_& k = mg.Kader[neu];
        EXPECT_EQ(k.Vertrag, 4);
        EXPECT_EQ(k.Transferstatus, 0);
        EXPECT_EQ(S.Transferliste[1].Transferstatus, 0);
        EXPECT_TRUE(S.Transferliste[1].Vorname.leer());
        EXPECT_TRUE(mg.Kader[0].Vorname.leer());
        EXPECT_FALSE(Sitzung.Verhandlung.Offen);
        EXPECT_FLOAT_EQ(mg.Managerpunkte, punkte); // (100 - 100) / 100
        EXPECT_TRUE(ui.enthaelt("Klang:kasse"));
        EXPECT_TRUE(ui.enthaelt("Nachricht:Kai Muster|Danke für Ihr Vertrauen, ich versuche Sie nicht zu enttäuschen."));
        const bool geld = ui.enthaelt("Dummheit") || ui.enthaelt("Sponsor");
        const bool gehaltGeaendert = ui.enthaelt("Beim Gehalt");
        if (!geld) {
            EXPECT_EQ(mg.Kontostand, 1000000 - 18000 - abloese);
            ++ohneGeldueberraschung;
        }
        if (!gehaltGeaendert) {
            EXPECT_EQ(k.Gehalt, gehalt);
        }
    }
    EXPECT_GT(ohneGeldueberraschung, 20);
}

TEST(Verhandlung, KaufScheitertAmVollenKader)
{
    Kader(22);
    SkriptOberflaeche ui;
    Marktspieler();
    Regler_ regler{5, 5, 6};
    ASSERT_TRUE(KaufVerhandlungOeffnen(0, 1, regler));
    // Während das Gespräch offen ist, kommt ein 23. Spieler dazu.
    Hinzu(Spieler("S", 40, 20, "Nachzuegler"));
    const int32_t konto = S.Manager[0].Kontostand;
    const float punkte = S.Manager[0].Managerpunkte;
    EXPECT_EQ(Anbieten(), Verhandlungsergebnis::Ignoriert);
    EXPECT_FLOAT_EQ(S.Manager[0].Managerpunkte, punkte); // kein Angebot, keine Punkte
    EXPECT_TRUE(S.Manager[0].Kader[0].Vorname.leer());
    EXPECT_EQ(S.Manager[0].KaderAnzahl, 23);
    EXPECT_EQ(S.Manager[0].Kontostand, konto);
    EXPECT_EQ(S.Transferliste[1].Transferstatus, 1);
    EXPECT_TRUE(ui.enthaelt("Sie haben schon 23 Spieler"));
    EXPECT_FALSE(Sitzung.Verhandlung.Offen);
}

TEST(Verhandlung, AbsageSenktDieFormBisMinusZehn)
{
    Kader(5);
    SkriptOberflaeche ui;
    Marktspieler(1, -7);
    Regler_ regler{-5, -5, 1};
    int absagen = 0;
    for (uint32_t saat = 1; saat <= 30 && absagen < 4; ++saat) {
        S.Transferliste[1].Verhandelt = 0;
        ZufallSetzen(saat);
        ASSERT_TRUE(KaufVerhandlungOeffnen(0, 1, regler));
        EXPECT_EQ(Sitzung.Verhandlung.Zusage, 1);
        const float punkte = S.Manager[0].Managerpunkte;
        if (Anbieten() != Verhandlungsergebnis::Absage) continue;
        ++absagen;
        EXPECT_FLOAT_EQ(S.Manager[0].Managerpunkte, punkte + 0.99f);
        const Kaderspieler_& z = S.Transferliste[1];
        EXPECT_GE(z.Form, -10);
        EXPECT_EQ(z.Staerke, std::max(1, 60 + z.Form));
        EXPECT_EQ(z.Transferstatus, 1);
    }
    EXPECT_EQ(absagen, 4);
    EXPECT_EQ(S.Transferliste[1].Form, -10);
    EXPECT_EQ(ui.anzahl("Durch Vertragsfrustation sickert der Spieler in ein Formtief."), 4u);
    EXPECT_EQ(S.Manager[0].KaderAnzahl, 5);
}

TEST(Verhandlung, VerlaengerungZusageUndDenkfehler)
{
    Kader(5);
    SkriptOberflaeche ui;
    Manager_& mg = S.Manager[0];
    mg.Kader[2].Vertrag = 4;
    mg.Kader[2].Gehalt = 1000;
    const std::string name = mg.Kader[2].Vorname.text();
    // Sichere Zusage, aber weniger Jahre als er noch hat: abgelehnt, nichts ändert sich.
    Regler_ regler{0, 5, 3};
    ASSERT_TRUE(VertragsVerhandlungOeffnen(0, 2, regler));
    EXPECT_EQ(Sitzung.Verhandlung.Zusage, 100);
    EXPECT_EQ(Anbieten(), Verhandlungsergebnis::Absage);
    EXPECT_TRUE(ui.enthaelt("Nach meinen Berechnungen stand ich voher besser da !\r\nKleiner Denkfehler ?"));
    EXPECT_EQ(mg.Kader[2].Vertrag, 4);
    EXPECT_EQ(mg.Kader[2].Gehalt, 1000);
    EXPECT_TRUE(mg.Kader[0].Vorname.leer());

    // Mehr Jahre und Gehalt: angenommen.
    mg.Kader[2].Verhandelt = 0;
    regler = {0, 5, 6};
    ASSERT_TRUE(VertragsVerhandlungOeffnen(0, 2, regler));
    const int32_t gehalt = Sitzung.Verhandlung.Angebotsgehalt;
    EXPECT_EQ(Anbieten(), Verhandlungsergebnis::Zusage);
    int i = 1;
    while (mg.Kader[i].Vorname.text() != name) ++i;
    EXPECT_EQ(mg.Kader[i].Vertrag, 6);
    EXPECT_EQ(mg.Kader[i].Gehalt, gehalt);
    EXPECT_TRUE(ui.enthaelt("Ich hoffe auf eine weiterhin gute Zusammenarbeit"));
    EXPECT_TRUE(ui.enthaelt("Klang:kasse"));
}

TEST(Verhandlung, VerlaengerungAbsageFormtiefOderTransferliste)
{
    bool formtief = false, liste = false;
    for (uint32_t saat = 1; saat <= 80 && !(formtief && liste); ++saat) {
        Kader(5);
        SkriptOberflaeche ui;
        Manager_& mg = S.Manager[0];
        mg.Kader[3].Form = -8;
        const std::string name = mg.Kader[3].Vorname.text();
        Regler_ regler{0, -5, 1};
        ZufallSetzen(saat);
        ASSERT_TRUE(VertragsVerhandlungOeffnen(0, 3, regler));
        if (Anbieten() != Verhandlungsergebnis::Absage) continue;
        int i = 1;
        while (mg.Kader[i].Vorname.text() != name) ++i;
        if (ui.enthaelt("wird auf die Tranverliste gesetzt.")) {
            liste = true;
            EXPECT_EQ(mg.Kader[i].Transferstatus, 2);
            EXPECT_EQ(mg.Kader[i].Form, -8);
            EXPECT_FALSE(ui.enthaelt("Formtief"));
        } else {
            formtief = true;
            EXPECT_EQ(mg.Kader[i].Transferstatus, 0);
            EXPECT_LT(mg.Kader[i].Form, -8);
            EXPECT_GE(mg.Kader[i].Form, -10);
            EXPECT_TRUE(ui.enthaelt("Formtief"));
        }
    }
    EXPECT_TRUE(formtief);
    EXPECT_TRUE(liste);
}

TEST(Verhandlung, Ueberraschungen)
{
    Kader(3);
    SkriptOberflaeche ui;
    Manager_& mg = S.Manager[0];
    auto zahlIn = [](const std::string& t, const std::string& vor) {
        return std::stoi(t.substr(t.find(vor) + vor.size()));
    };
    const int32_t abloese = 1000000, gehalt = 5000;
    Kaderspieler_& k = mg.Kader[1];

    std::string t = Ueberraschung(0, 1, 1, abloese, gehalt).satz;
    EXPECT_EQ(mg.Kontostand, 1000000 + 10000 * zahlIn(t, "zahlen Sie "));
    t = Ueberraschung(0, 1, 2, abloese, gehalt).satz;
    EXPECT_EQ(k.GelbNational, zahlIn(t, "mit "));
    EXPECT_TRUE(k.GelbNational >= 1 && k.GelbNational <= 4);
    t = Ueberraschung(0, 1, 3, abloese, gehalt).satz;
    EXPECT_EQ(k.GelbInternational, zahlIn(t, "mit "));
    t = Ueberraschung(0, 1, 4, abloese, gehalt).satz;
    EXPECT_EQ(k.RotNational, zahlIn(t, "darf "));
    EXPECT_TRUE(k.RotNational >= 1 && k.RotNational <= 3);
    t = Ueberraschung(0, 1, 5, abloese, gehalt).satz;
    EXPECT_EQ(k.RotInternational, zahlIn(t, "darf "));
    t = Ueberraschung(0, 1, 6, abloese, gehalt).satz;
    EXPECT_EQ(k.Verletzt, zahlIn(t, "Verletzungsbedingt "));
    EXPECT_EQ(k.VerletzungArt, k.Verletzt);
    EXPECT_EQ(Ueberraschung(0, 1, 7, abloese, gehalt).satz, "Der Spieler ist in einer Superform.");
    EXPECT_EQ(k.Form, 10);
    Ueberraschung(0, 1, 8, abloese, gehalt);
    EXPECT_EQ(k.Technik, 120);
    k.Konstitution = 10;
    EXPECT_EQ(Ueberraschung(0, 1, 9, abloese, gehalt).satz, "Diesen Spieler nennt man auch , \"Die Lunge\" .");
    EXPECT_EQ(k.Konstitution, 60);
    k.Konstitution = 10;
    const Ueberraschungstext schnell = Ueberraschung(0, 1, 10, abloese, gehalt);
    EXPECT_EQ(schnell.satz, ""); // kommt als eigene Meldung
    EXPECT_EQ(schnell.meldung, "Der Spieler ist ja Pfeilschnell.");
    EXPECT_EQ(k.Konstitution, 60);
    k.Technik = 50;
    EXPECT_EQ(Ueberraschung(0, 1, 11, abloese, gehalt).satz, "Der Spieler ist ein Fummelkönig.");
    EXPECT_EQ(k.Technik, 120);
    k.Gehalt = 5000;
    t = Ueberraschung(0, 1, 12, abloese, gehalt).satz;
    EXPECT_EQ(k.Gehalt, 5000 + 50 * zahlIn(t, "Spieler "));
    k.Gehalt = 5000;
    t = Ueberraschung(0, 1, 13, abloese, gehalt).satz;
    EXPECT_EQ(k.Gehalt, 5000 - 50 * zahlIn(t, "sparen Sie "));
    const int32_t konto = mg.Kontostand;
    t = Ueberraschung(0, 1, 14, abloese, gehalt).satz;
    const int x = mg.Kontostand - konto;
    EXPECT_EQ(x % 10000, 0);
    EXPECT_TRUE(x >= 10000 && x <= 500000);
    EXPECT_EQ(t, "Ein Sponsor legt noch  " + Geldtext(x) + " € drauf.");
    const Kaderspieler_ vorher = k;
    EXPECT_EQ(Ueberraschung(0, 1, 15, abloese, gehalt).satz, "");
    EXPECT_EQ(Ueberraschung(0, 1, 40, abloese, gehalt).satz, "");
    EXPECT_EQ(std::memcmp(&vorher, &k, sizeof k), 0);

    // Ein Alter bringt die Konstitution am Ende des Kaufs in ihre Grenze.
    k.Alter = 40;
    k.Konstitution = 60;
    BerechneSpieler(k);
    EXPECT_EQ(k.Konstitution, 50);
}

namespace {
int gBuchungenBisFehler = 0;
void FehlerBeiBuchung(int64_t, int64_t)
{
    if (--gBuchungenBisFehler == 0) throw Laufzeitfehler("Laufzeitfehler: Test");
}
// Die Bytes dessen, was die Aktionen schreiben können (der kleine Stand lässt sich nicht speichern).
std::string Bytes()
{
    return std::string(reinterpret_cast<const char*>(&S.Manager), sizeof S.Manager) +
           std::string(reinterpret_cast<const char*>(&S.Transferliste), sizeof S.Transferliste);
}
} // namespace

// Ein Laufzeitfehler nach einer Buchung mitten in der Aktion: danach ist nichts gebucht und keine
// Meldung gezeigt; nur ein Angebot schließt seine Verhandlung. Ohne Fehler bucht dieselbe Aktion.
TEST(Verhandlung, AktionenGanzOderGarNicht)
{
    const Regler_ sicher{5, 5, 4};
    struct Fall {
        const char* name;
        int buchung;
        bool verhandlungOffen; // vor der Aktion
        std::function<void()> tun;
    } faelle[] = {
        {"Kauf eröffnen, nach der Gebühr", 2, false, [&] { KaufVerhandlungOeffnen(0, 1, sicher); }},
        {"Verlängerung eröffnen", 2, false, [&] { VertragsVerhandlungOeffnen(0, 1, sicher); }},
        {"Kauf, nach der Ablöse", 1, true, [] { Anbieten(); }},
        {"Maximieren, im zweiten Durchgang", 5, false, [] { Maximieren(0); }},
    };
    for (const Fall& f : faelle) {
        for (const bool fehler : {true, false}) {
            Kader(5);
            S.Manager[0].Kader[1].Eingesetzt = 1;
            SkriptOberflaeche ui;
            ui.antworte("Ja");
            Marktspieler();
            if (f.verhandlungOffen) {
                ASSERT_TRUE(KaufVerhandlungOeffnen(0, 1, sicher));
            }
            // Nach einem Angebot ist die Verhandlung zu, auch nach einem Fehler.
            const Spielstand anfang = S;
            S.Manager[0].Kader[0] = Kaderspieler_{};
            const std::string ohneKopie = Bytes();
            S = anfang;
            const std::string vorher = Bytes();
            ui.protokoll.clear();

            gBuchungenBisFehler = fehler ? f.buchung : -1;
            KontoPruefstelle = FehlerBeiBuchung;
            if (fehler)
                EXPECT_THROW(f.tun(), Laufzeitfehler) << f.name;
            else
                f.tun();
            KontoPruefstelle = nullptr;
            const std::string nachher = Bytes();
            if (!fehler) {
                EXPECT_NE(nachher, vorher) << f.name;
                continue;
            }
            EXPECT_EQ(nachher, f.verhandlungOffen ? ohneKopie : vorher) << f.name;
            EXPECT_EQ(Sitzung.Verhandlung.Offen, false) << f.name;
            EXPECT_FALSE(ui.enthaelt("Nachricht:") || ui.enthaelt("Klang:kasse")) << f.name;
        }
    }
}
