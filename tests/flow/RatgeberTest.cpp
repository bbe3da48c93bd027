// Der Ratgeber: vorbereitete Lagen, in denen ein Rat erscheinen muss, und Lagen, in denen er
// fehlen muss. Er ändert kein Byte des Spielstands und zieht keinen Zufall.
#include "Spielwelt.h"
#include "core/Konto.h"
#include "core/SpielstandDatei.h"
#include "finance/Stadion.h"
#include "finance/Vermoegen.h"
#include "flow/Assistent.h"
#include "flow/Ratgeber.h"
#include "squad/Kader.h"
#include "squad/Markt.h"
#include "squad/Training.h"

using namespace torvane;

namespace {

Manager_& Mg() { return S.Manager[0]; }

// Ein Zug, zu dem nichts zu raten ist: gesunder Kader mit langen Verträgen, ein Trainer, alle
// Bälle verteilt, Geld auf dem Konto, keine Anfragen, das Stadion halb leer, nichts am Markt.
void Ruhig()
{
    Manager_& mg = Mg();
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        Kaderspieler_& s = mg.Kader[i];
        s.Vertrag = 3;
        s.Alter = 26;
        s.Verletzt = 0;
        s.GelbNational = s.RotNational = s.GelbInternational = s.RotInternational = 0;
        s.Transferstatus = 0;
    }
    BerechneMannschaft(0, 3);
    mg.Trainer = 1;
    mg.Baelle = 0;
    mg.BaelleTechnik = mg.BaelleKonstitution = 0;
    mg.Trainingsstunden = 6;
    mg.Kontostand = 2000000; // unter der Rücklage: nichts zu kaufen
    mg.Sparbuch = mg.Kredit = 0;
    mg.Werbeanfragen = 0.0f;
    mg.HeimspieleSaison = 1;
    mg.ZuschauerLetzte = mg.Plaetze / 2;
    mg.DauerkartenVerkauft = 0;
    for (int r = 1; r <= 11; ++r) S.Transferliste[r].Transferstatus = 0;
    BerechneVermoegen(0);
}

// Ein Marktspieler, der jeden Verteidiger der Elf übertrifft.
void Starker(int zeile)
{
    Kaderspieler_ s = Mg().Kader[3];
    s.Vorname = "Otto";
    s.Nachname = "Ueberall";
    s.Position.rohSetzen("V");
    s.Alter = 24;
    s.Technik = 120;
    s.Konstitution = 60;
    s.Form = 10;
    s.Transferstatus = 1;
    s.Verhandelt = 0;
    s.Eingesetzt = 0;
    BerechneSpieler(s);
    S.Transferliste[zeile] = s;
}

int Anzahl(const std::vector<Rat>& raete, Rat::Thema t, const std::string& teil = "")
{
    int n = 0;
    for (const Rat& r : raete)
        if (r.thema == t && r.text.find(teil) != std::string::npos) ++n;
    return n;
}

class Ratgeber : public ::testing::Test {
protected:
    Mitschrift ui;
    void SetUp() override
    {
        EchtesSpiel(2, 31);
        Ruhig();
    }
};

} // namespace

TEST_F(Ratgeber, RuhigerZugOhneRat)
{
    const auto raete = Ratschlaege(0);
    for (const Rat& r : raete) ADD_FAILURE() << r.text;
}

// Je Fall: die Lage, das Thema, ein Stück des Texts (Name, Betrag) und ob der Rat erscheinen muss.
TEST_F(Ratgeber, LagenUndIhreRatschlaege)
{
    struct Fall {
        const char* was;
        std::function<std::string()> lage; // gibt das erwartete Textstück zurück
        Rat::Thema thema;
        bool erwartet;
        Menuepunkt knopf;
    };
    const std::vector<Fall> faelle = {
        {"Vertrag läuft aus",
         [] {
             Kaderspieler_& s = Mg().Kader[2];
             s.Vertrag = 1;
             return NameVon(s) + " (Stärke " + std::to_string(s.Staerke) + ") läuft aus: verlängern, er will etwa " +
                    Geldtext(Gehaltsforderung(s.Alter, s.Staerke, 6)) + " €";
         },
         Rat::Vertrag, true, Menuepunkt::Aufstellung},
        {"auslaufender Vertrag eines Alten, den seine Linie entbehren kann",
         [] {
             Mg().Kader[15] = Mg().Kader[9]; // ein sechster im Mittelfeld
             Mg().KaderAnzahl = 15;
             Kaderspieler_& s = Mg().Kader[8];
             s.Vertrag = 1;
             s.Alter = 34;
             return std::string();
         },
         Rat::Vertrag, false, Menuepunkt::Aufstellung},
        {"auslaufender Vertrag eines Alten, ohne den das Mittelfeld zu dünn wäre",
         [] {
             Kaderspieler_& s = Mg().Kader[8];
             s.Vertrag = 1;
             s.Alter = 34;
             return NameVon(s);
         },
         Rat::Vertrag, true, Menuepunkt::Aufstellung},
        {"zu kleiner Kader",
         [] {
             Mg().KaderAnzahl = 9;
             return std::string("Nur 9 einsatzfähige Spieler");
         },
         Rat::Kader, true, Menuepunkt::Transfermarkt},
        {"kein Torwart einsatzfähig",
         [] {
             for (int i = 1; i <= Mg().KaderAnzahl; ++i)
                 if (Mg().Kader[i].Position.roh() == "T") Mg().Kader[i].Verletzt = 4;
             return std::string("Torwart: 0 statt 1");
         },
         Rat::Kader, true, Menuepunkt::Transfermarkt},
        {"Verletzter in der Elf",
         [] {
             Kaderspieler_& s = Mg().Kader[1];
             s.Eingesetzt = 1;
             s.Verletzt = 3;
             return NameVon(s) + " ist verletzt";
         },
         Rat::Aufstellung, true, Menuepunkt::Aufstellung},
        {"Gesperrter in der Elf",
         [] {
             Kaderspieler_& s = Mg().Kader[1];
             s.Eingesetzt = 1;
             s.RotNational = 1;
             return NameVon(s) + " ist gesperrt";
         },
         Rat::Aufstellung, true, Menuepunkt::Aufstellung},
        {"Verletzter auf der Bank",
         [] {
             for (int i = 1; i <= Mg().KaderAnzahl; ++i)
                 if (Mg().Kader[i].Eingesetzt == 0) {
                     Mg().Kader[i].Verletzt = 3;
                     break;
                 }
             return std::string();
         },
         Rat::Aufstellung, false, Menuepunkt::Aufstellung},
        {"Dispo nach dem Abschluss",
         [] {
             Mg().Kontostand = 10000;
             Mg().KaderGehalt = 400000;
             return std::string("Dispozins (laut Bank 15 %)");
         },
         Rat::Ueberziehung, true, Menuepunkt::Bank},
        {"Konto bleibt im Plus",
         [] {
             Mg().Kontostand = 50000000;
             return std::string();
         },
         Rat::Ueberziehung, false, Menuepunkt::Bank},
        {"kein Trainer, Geld da",
         [] {
             Mg().Trainer = 0;
             Mg().Kontostand = 90000000;
             return std::string("Kein Sondertrainer");
         },
         Rat::Trainer, true, Menuepunkt::Transfermarkt},
        {"kein Trainer, kein Geld",
         [] {
             Mg().Trainer = 0;
             Mg().Kontostand = 0;
             return std::string();
         },
         Rat::Trainer, false, Menuepunkt::Transfermarkt},
        {"Bälle liegen herum",
         [] {
             Mg().Baelle = 6;
             return std::string("6 Trainingsbälle");
         },
         Rat::Training, true, Menuepunkt::Training},
        {"freie Werbeplätze mit Anfragen",
         [] {
             Mg().Werbeanfragen = 4.0f;
             return std::string("Werbeplätze sind frei");
         },
         Rat::Werbung, true, Menuepunkt::Werbung},
        {"ausverkauft",
         [] {
             Mg().Kontostand = 90000000;
             Mg().ZuschauerLetzte = Mg().Plaetze;
             Mg().HeimspieleSaison = 3;
             Mg().ZuschauerSaison = 3 * Mg().Plaetze;
             return std::string("Heimspiele dieser Saison kamen im Schnitt auf " + Geldtext(Mg().Plaetze) + " Zuschauer");
         },
         Rat::Stadion, true, Menuepunkt::Stadion},
        {"Geld für Punkte",
         [] {
             Mg().Kontostand = 400000000;
             return std::string("Fähigkeitspunkte für die Stammspieler");
         },
         Rat::Punkte, true, Menuepunkt::Aufstellung},
        {"Punkte ohne Geld", [] { return std::string(); }, Rat::Punkte, false, Menuepunkt::Aufstellung},
        {"Verstärkung am Markt, der Kader unter dem Minimum",
         [] {
             Mg().Kontostand = 90000000;
             Starker(4);
             return std::string("Otto Ueberall (24, Stärke 130, Marktwert ca. ");
         },
         Rat::Kader, true, Menuepunkt::Transfermarkt},
        {"neun Spieler, Geld nur auf Kredit",
         [] {
             Mg().KaderAnzahl = 9;
             Mg().Kontostand = 0;
             Starker(4);
             return std::string("Das geht nur mit einem Kredit");
         },
         Rat::Kader, true, Menuepunkt::Transfermarkt},
        {"Pleite beim Abschluss",
         [] {
             Mg().Kontostand = -400000000;
             return std::string("damit werden Sie aus dem Spiel geworfen");
         },
         Rat::Pleite, true, Menuepunkt::Bank},
        {"schwacher Torwart, der bessere zu teuer",
         [] {
             for (int i = 1; i <= Mg().KaderAnzahl; ++i)
                 if (Mg().Kader[i].Position.roh() == "T") Mg().Kader[i].Staerke = 1;
             Mg().Kontostand = 100000; // auch als zweiter Torwart zu teuer
             Starker(4);
             S.Transferliste[4].Position.rohSetzen("T");
             return std::string("der schwächste Torwart der Elf; am Markt steht Otto Ueberall");
         },
         Rat::Schwach, true, Menuepunkt::Transfermarkt},
        {"Verstärkung, aber voller Kader",
         [] {
             Mg().Kontostand = 90000000;
             Starker(4);
             while (Mg().KaderAnzahl < 23) {
                 Mg().Kader[Mg().KaderAnzahl + 1] = Mg().Kader[Mg().KaderAnzahl];
                 Mg().Kader[++Mg().KaderAnzahl].Eingesetzt = 0;
             }
             return std::string();
         },
         Rat::Verstaerkung, false, Menuepunkt::Transfermarkt},
        {"Verstärkung, aber kein Geld",
         [] {
             Mg().Kontostand = 100000;
             Starker(4);
             return std::string();
         },
         Rat::Verstaerkung, false, Menuepunkt::Transfermarkt},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        EchtesSpiel(2, 31);
        Ruhig();
        const std::string teil = f.lage();
        const std::string vorher = SpielstandSchreiben();
        ZufallSetzen(99);
        const auto raete = Ratschlaege(0);
        const int32_t gezogen = Zufall(1, 1000000000);
        ZufallSetzen(99);
        EXPECT_EQ(Zufall(1, 1000000000), gezogen) << "der Ratgeber zieht keinen Zufall";
        EXPECT_EQ(SpielstandSchreiben(), vorher) << "der Ratgeber ändert nichts";
        EXPECT_EQ(Anzahl(raete, f.thema, teil) > 0, f.erwartet);
        for (const Rat& r : raete)
            if (r.thema == f.thema && f.erwartet) {
                EXPECT_EQ(r.knopf, f.knopf) << r.text;
            }
        for (size_t i = 1; i < raete.size(); ++i) EXPECT_GE(raete[i - 1].dringlichkeit, raete[i].dringlichkeit);
    }
}

// Die Vorhersage des Dispos trifft, was der Abschluss tatsächlich bucht (ohne Ereignis dazwischen).
TEST_F(Ratgeber, DispoWieDerAbschlussBucht)
{
    int verglichen = 0;
    for (uint32_t saat = 1; saat <= 12; ++saat) {
        EchtesSpiel(1, saat);
        Ruhig();
        Mg().Kontostand = -200000 + static_cast<int32_t>(saat) * 7;
        Mg().Kredit = 1000000;
        BerechneVermoegen(0);
        const auto raete = Ratschlaege(0);
        const auto rat = std::find_if(raete.begin(), raete.end(), [](const Rat& r) { return r.thema == Rat::Ueberziehung; });
        ASSERT_NE(rat, raete.end());
        const long ereignisse = Sitzung.EreignisZaehler[0];
        ASSERT_TRUE(ZugAbschliessen());
        if (Sitzung.EreignisZaehler[0] != ereignisse) continue;
        ++verglichen;
        EXPECT_EQ(rat->betrag, S.Manager[0].Kontostand) << "Saat " << saat;
    }
    EXPECT_GE(verglichen, 5);
}
