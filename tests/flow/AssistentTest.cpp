// Der Computermanager: seine Schritte einzeln auf einem frischen Spiel und seine Antworten;
// ganze Saisons, in denen er alle Züge spielt, zeigt der Dauerlauf.
#include "Spielwelt.h"
#include "flow/Assistent.h"
#include "season/Pleite.h"
#include "squad/Kader.h"
#include "squad/Markt.h"
#include "squad/Spielsystem.h"


using namespace torvane;

namespace {

class AssistentSchritt : public ::testing::Test {
protected:
    Mitschrift ui;
    void SetUp() override { EchtesSpiel(2, 77); }
    Manager_& mg() { return S.Manager[0]; }
    int gelistet() const
    {
        int n = 0;
        for (int i = 1; i <= S.Manager[0].KaderAnzahl; ++i) n += S.Manager[0].Kader[i].Transferstatus != 0;
        return n;
    }
    // Ein Kader aus n Kopien der Startspieler, alle 25 Jahre und ungelistet:
    // zwei Torhüter, dann reihum Verteidiger, Mittelfeld und Sturm.
    void kader(int n)
    {
        const Kaderspieler_ vorlage = mg().Kader[1];
        for (int i = 1; i <= n; ++i) {
            Kaderspieler_& k = mg().Kader[i];
            k = vorlage;
            k.Alter = 25;
            k.Staerke = static_cast<int16_t>(40 + i);
            k.Wert = k.Staerke * 10000;
            k.Transferstatus = 0;
            k.Position.rohSetzen(i <= 2 ? "T" : std::string(1, "VMS"[(i - 3) % 3]));
        }
        mg().KaderAnzahl = static_cast<uint8_t>(n);
    }
};

} // namespace

// Aufstellung: Autoaufstellung an und kein System stellt eine stärkere Mannschaft.
TEST_F(AssistentSchritt, AufstellungWaehltDasStaerksteSystem)
{
    S.Optionen[0][OptAutoaufstellung] = 0;
    AssistentAufstellung(0);
    EXPECT_EQ(S.Optionen[0][OptAutoaufstellung], 1);
    const int gewaehlt = GewaehltesSystem(0);
    ASSERT_GE(gewaehlt, 1);
    const int staerke = mg().TeamStaerke;
    EXPECT_EQ(AnzahlEingesetzt(0), 11);
    for (int n = 1; n <= 5; ++n) {
        WaehleSystem(0, n);
        EXPECT_LE(mg().TeamStaerke, staerke) << "System " << n;
    }
}

// Transferliste: ein Spieler je Zug, der Älteste ab 33 zuerst; ohne Alte erst über 20 Spielern
// der Schwächste; nie unter 16 Ungelistete oder unter das Minimum einer Linie; die Gebühr von 1 %.
TEST_F(AssistentSchritt, VerkaufListetAlteUndUeberzaehligeMitMass)
{
    kader(20);
    AssistentVerkauf(0);
    EXPECT_EQ(gelistet(), 0) << "20 junge Spieler sind kein Überschuss";

    mg().Kader[5].Alter = 34;
    mg().Kader[9].Alter = 36;
    const int64_t konto = mg().Kontostand;
    const int32_t wert = mg().Kader[9].Wert;
    AssistentVerkauf(0);
    EXPECT_EQ(gelistet(), 1);
    EXPECT_EQ(mg().Kader[9].Transferstatus, 1);
    EXPECT_EQ(mg().Kontostand, konto - Runden(wert * 0.01));
    AssistentVerkauf(0);
    AssistentVerkauf(0);
    AssistentVerkauf(0);
    EXPECT_EQ(gelistet(), 2) << "danach keine jungen Spieler: 18 bleiben";
    EXPECT_EQ(mg().Kader[5].Transferstatus, 1);

    // Bei 16 Ungelisteten bleibt jeder, auch der Alte.
    kader(16);
    mg().Kader[3].Alter = 38;
    AssistentVerkauf(0);
    EXPECT_EQ(gelistet(), 0);

    // Die Torhüter sind schon am Minimum: ein alter Torwart bleibt, auch im vollen Kader;
    // die Schwächsten voller Linien gehen, bis 20 bleiben.
    kader(23);
    mg().Kader[1].Alter = 39;
    for (int k = 0; k < 10; ++k) AssistentVerkauf(0);
    EXPECT_EQ(mg().Kader[1].Transferstatus, 0);
    EXPECT_EQ(gelistet(), 3);
    for (int i = 3; i <= 5; ++i) EXPECT_EQ(mg().Kader[i].Transferstatus, 1) << i;
}

// Training: sechs Stunden, alle Bälle verteilt (höchstens 11 je Seite), der beste bezahlbare Trainer.
TEST_F(AssistentSchritt, TrainingUndTrainerNurMitRuecklage)
{
    const auto training = [] {
        AssistentAusfuehren(0, AssistentStufe::Alt, {Entscheidung::Trainer});
        AssistentTraining(0);
    };
    mg().Kontostand = 0;
    training();
    EXPECT_EQ(mg().Trainer, -1) << "ohne Geld kein Trainer";
    EXPECT_EQ(mg().Trainingsstunden, 6);
    EXPECT_EQ(mg().BaelleTechnik + mg().BaelleKonstitution, mg().Baelle);
    EXPECT_EQ(mg().TrainingVerteidigung + mg().TrainingMittelfeld + mg().TrainingAngriff, 100);

    mg().Kontostand = 100000000;
    int besteStufe = 0;
    for (int t = 1; t <= AngeboteneTrainer(0); ++t)
        if (S.Trainermarkt[t].Nummer != -1) besteStufe = std::max<int>(besteStufe, S.Trainermarkt[t].Stufe);
    const uint8_t baelle = mg().Baelle;
    training();
    ASSERT_GE(mg().Trainer, 1);
    EXPECT_LE(mg().Trainer, AngeboteneTrainer(0));
    EXPECT_EQ(mg().TrainerStufe, besteStufe);
    EXPECT_EQ(S.Trainermarkt[mg().Trainer].Nummer, -1);
    EXPECT_EQ(mg().TrainerSpiele, 50);
    EXPECT_EQ(mg().Kontostand, 100000000 - mg().TrainerPreis);
    EXPECT_EQ(mg().Baelle, baelle + besteStufe);
    EXPECT_EQ(mg().BaelleTechnik + mg().BaelleKonstitution, std::min(22, static_cast<int>(mg().Baelle)));
    EXPECT_LE(mg().BaelleTechnik, 11);
    EXPECT_LE(mg().BaelleKonstitution, 11);

    // Einen zweiten stellt er nicht ein.
    const int8_t trainer = mg().Trainer;
    training();
    EXPECT_EQ(mg().Trainer, trainer);
}

// Einkauf: erst die Linie unter ihrem Minimum (fehlt sie auf dem Markt, unter 16 ein anderer), dann
// bis 16 der Stärkste; nichts Unbezahlbares,
// keine Alten, kein zweites Gespräch am Tag, nichts bei vollem Kader.
TEST_F(AssistentSchritt, MarktwahlFuelltLueckenMitBezahlbarem)
{
    for (int r = 1; r <= 11; ++r) S.Transferliste[r].Transferstatus = 0;
    auto zeile = [](int r, const char* pos, int staerke, int32_t wert, int alter) {
        Kaderspieler_& z = S.Transferliste[r];
        z.Transferstatus = 1;
        z.Verhandelt = 0;
        z.Position.rohSetzen(pos);
        z.Staerke = static_cast<int16_t>(staerke);
        z.Wert = wert;
        z.Alter = static_cast<int16_t>(alter);
    };
    zeile(1, "T", 50, 1000000, 25);
    zeile(2, "V", 80, 1000000, 25);
    zeile(3, "T", 70, 50000000, 25);
    zeile(4, "T", 60, 1000000, 35);
    kader(14);
    mg().Kader[2].Position.rohSetzen("V"); // nur noch ein Torwart
    mg().KaderGehalt = 0;
    mg().Kontostand = 5000000;
    EXPECT_EQ(AssistentMarktwahl(0), 1);
    S.Transferliste[1].Verhandelt = 1;
    EXPECT_EQ(AssistentMarktwahl(0), 2) << "kein bezahlbarer junger Torwart mehr: unter 16 der Stärkste";

    mg().Kader[2].Position.rohSetzen("T");
    EXPECT_EQ(AssistentMarktwahl(0), 2) << "unter 16: der Stärkste";
    mg().Kontostand = 1500000;
    EXPECT_EQ(AssistentMarktwahl(0), 0) << "die Rücklage bleibt";
    mg().Kontostand = 5000000;
    kader(16);
    EXPECT_EQ(AssistentMarktwahl(0), 0);
    mg().Kader[2].Position.rohSetzen("V");
    EXPECT_EQ(AssistentMarktwahl(0), 0) << "mit 16 nur noch für die Lücke, und dafür gibt es keinen";
    kader(23);
    mg().Kader[1].Position.rohSetzen("V");
    EXPECT_EQ(AssistentMarktwahl(0), 0) << "23 sind voll";
}

// Verlängern: nur auslaufende Verträge der 16 Stärksten oder der fürs Minimum Nötigen, keine Gelisteten
// und Alte nur, wenn ihre Linie ohne sie unter ihr Minimum fiele; der Stärkste zuerst.
TEST_F(AssistentSchritt, VerlaengerungenNurFuerStammspieler)
{
    kader(20);
    for (int i = 1; i <= 20; ++i) mg().Kader[i].Vertrag = 3;
    for (int i : {1, 3, 18, 19, 20}) mg().Kader[i].Vertrag = 1;
    mg().Kader[19].Alter = 35;
    mg().Kader[18].Transferstatus = 1;
    // 3 ist nur 17., aber mit dem gelisteten 18 bliebe die Abwehr ohne ihn unter fünf; 1 ist Torwart.
    EXPECT_EQ(AssistentVerlaengerungen(0), (std::vector<int>{20, 3, 1}));
    mg().Kader[18].Transferstatus = 0;
    EXPECT_EQ(AssistentVerlaengerungen(0), (std::vector<int>{20, 18, 1}));
    mg().Kader[1].Alter = 35; // der zweite Torwart: ohne ihn stünde nur einer im Tor
    EXPECT_EQ(AssistentVerlaengerungen(0), (std::vector<int>{20, 18, 1}));
}

// Fragen: Angebote für gelistete Spieler an, Gebühren zahlen, Unbekanntes ablehnen, nie zurück
// in einen Zug, den er nicht retten kann. Seine eigenen Rückfragen beantwortet er selbst.
TEST_F(AssistentSchritt, AntwortenUndEigeneRueckfragen)
{
    // Der Wortlaut entscheidet nichts: das Angebot kommt in Werten.
    EXPECT_EQ(AssistentAntwort(0, "Hertha bietet 1.000 €\r\n Angebot akzeptieren ?", Knoepfe::JaNein), Antwort::Nein);
    EXPECT_EQ(AssistentAntwort(0, Tz(PleiteFrageText), Knoepfe::JaNein), Antwort::Nein);
    EXPECT_EQ(AssistentAntwort(0, "Kontoüberziehung zu hoch !", Knoepfe::OkAbbrechen), Antwort::Ok);
    EXPECT_EQ(AssistentAntwort(0, "Wetten, dass ?", Knoepfe::JaNein), Antwort::Nein);
    EXPECT_EQ(AssistentKnopf(0, "", NachrichtArtLesen("Jein")), Befehlswert::Nein);
    EXPECT_EQ(AssistentKnopf(0, "", NachrichtArtLesen("Auto1500")), Befehlswert::Keiner);

    // Ein Gelisteter geht, es sei denn, der Kader ist seither geschrumpft und seine Linie braucht ihn.
    kader(22);
    const struct {
        int kader, spieler;
        bool ja;
    } angebote[] = {{22, 4, true}, {22, 5, true}, {22, 1, false}, {12, 4, false}};
    for (const auto& f : angebote) {
        mg().KaderAnzahl = static_cast<uint8_t>(f.kader);
        mg().Kader[f.spieler].Transferstatus = 1;
        EXPECT_EQ(AssistentAngebot(0, {Angebotsfrage::SpielerVerkauf, f.spieler, 1000}), f.ja) << f.kader << " " << f.spieler;
        mg().Kader[f.spieler].Transferstatus = 0;
    }
    mg().KaderAnzahl = 22;
    mg().Kader[4].Alter = 35;
    ui.texte.clear();
    AssistentZug(0);
    ASSERT_EQ(gelistet(), 1);
    for (int i = 1; i <= mg().KaderAnzahl; ++i)
        if (mg().Kader[i].Transferstatus != 0) {
            EXPECT_EQ(mg().Kader[i].Alter, 35);
        }
    EXPECT_TRUE(ui.texte.empty()) << "Rückfrage an den Menschen: " << ui.texte.front();
    EXPECT_EQ(&UI(), static_cast<Oberflaeche*>(&ui)) << "die eigene Oberfläche ist wieder die alte";
}
