// Einstellungen: Optionsbytes, Spielablauf und das Umbenennen von Manager und Verein.
#include "../flow/Spielwelt.h"
#include "core/SpielstandDatei.h"
#include "match/Pokal.h"
#include "season/Saisonende.h"
#include "tools/Einstellungen.h"

namespace torvane {
namespace {

Antwort Ja(const std::string&, Knoepfe) { return Antwort::Ja; }

TEST(Einstellungen, SchalterUndListenSchreibenIhreBytes)
{
    Mitschrift ui;
    Grundwelt();
    S.Spiel.ManagerHoch = 1;
    S.Optionen[1][OptTempo] = 2;
    EXPECT_EQ(TempoEintrag(1), 1); // "Normal"
    OptionSchalten(1, OptZeigeChl, true);
    EXPECT_EQ(S.Optionen[1][OptZeigeChl], 1);
    EXPECT_EQ(S.Optionen[1][OptTempo], 0); // zurück auf "Gefudelt"
    EXPECT_EQ(TempoEintrag(1), -1);
    TempoWaehlen(1, 2);
    EXPECT_EQ(S.Optionen[1][OptTempo], 3);
    OptionSchalten(1, OptZeigeChl, false);
    EXPECT_EQ((std::vector<int>{S.Optionen[1][OptZeigeChl], S.Optionen[1][OptTempo]}), (std::vector<int>{0, 0}));
    EXPECT_THROW(TempoWaehlen(1, 3), Laufzeitfehler);

    // Der Transfermarktklang gehört Slot 0, auch wenn Manager 2 ihn schaltet; nur das Einschalten klingt.
    OptionSchalten(1, OptTransferKlang, true);
    OptionSchalten(1, OptTransferKlang, true);
    EXPECT_EQ(S.Optionen[0][OptTransferKlang], 1);
    EXPECT_EQ(S.Optionen[1][OptTransferKlang], 0);
    EXPECT_TRUE(OptionAn(1, OptTransferKlang));
    EXPECT_EQ(ui.klaengeMit("trans"), 1);
    OptionSchalten(1, OptTransferKlang, false);
    EXPECT_FALSE(OptionAn(0, OptTransferKlang));

    for (int b : {OptAutoaufstellung, OptZeigeDfb, OptZeigeUefa, OptZeigePdp, OptDauerkartenMeldung}) {
        OptionSchalten(1, b, true);
        EXPECT_EQ(S.Optionen[1][b], 1) << b;
        EXPECT_EQ(S.Optionen[0][b], 0) << b;
    }
    AnzeigeLigaWaehlen(1, 3);
    EXPECT_EQ(S.Optionen[1][OptAnzeigeLiga], 3);
    EXPECT_THROW(AnzeigeLigaWaehlen(1, 5), Laufzeitfehler);
}

struct Umbenennen : ::testing::Test {
    Mitschrift ui;
    void SetUp() override
    {
        EchtesSpiel(2, 4711);
        ui.frage = Ja;
    }
};

TEST_F(Umbenennen, PruefungenUndMeldungen)
{
    const std::string alt = S.Manager[0].Vereinsname.text();
    ui.frage = [](const std::string&, Knoepfe) { return Antwort::Nein; };
    EXPECT_FALSE(NamenAendern(0, "Neu", "Neustadt"));
    EXPECT_EQ(S.Manager[0].Vereinsname.text(), alt);
    ui.frage = Ja;

    EXPECT_FALSE(NamenAendern(0, "   ", "Neustadt"));
    EXPECT_TRUE(ui.enthaelt("Keine leeren Angaben !\r\n1. Spieler"));
    S.Manager[1].Vereinsname = "";
    EXPECT_FALSE(NamenAendern(0, "Neu", "Neustadt"));
    EXPECT_TRUE(ui.enthaelt("Keine leeren Angaben !\r\n2. Spieler"));
    S.Manager[1].Vereinsname = S.Mannschaft[ManagerVerein(1)].Name.text();

    EXPECT_FALSE(NamenAendern(0, S.Manager[1].Name.text(), "Neustadt"));
    EXPECT_TRUE(ui.enthaelt("Name mehrfach vorhanden !\r\n" + S.Manager[1].Name.text()));
    EXPECT_FALSE(NamenAendern(0, "Neu", S.Manager[1].Vereinsname.text()));

    // Ein Computerverein dieses Namens wäre ein zweiter Verein gleichen Namens.
    const std::string fremd = S.Mannschaft[ManagerVerein(0) == 1 ? 2 : 1].Name.text();
    EXPECT_FALSE(NamenAendern(0, "Neu", fremd));
    EXPECT_TRUE(ui.enthaelt("Name mehrfach vorhanden !\r\n" + fremd));

    EXPECT_FALSE(NamenAendern(0, "Neu", "Neu\r\nstadt"));
    EXPECT_FALSE(NamenAendern(0, "Neu ☃", "Neustadt"));
    EXPECT_EQ(ui.anzahl("Unerlaubtes Zeichen"), 2u);
    EXPECT_EQ(S.Manager[0].Vereinsname.text(), alt);

    // Eingerückt und zu lang: getrimmt, dann auf 15 und 25 Zeichen gekürzt.
    EXPECT_TRUE(NamenAendern(0, "  Maximilian-Ferdinand ", " Sportverein Überlingen am Bodensee 1911"));
    EXPECT_EQ(S.Manager[0].Name.text(), "Maximilian-Ferd");
    EXPECT_EQ(S.Manager[0].Vereinsname.text(), "Sportverein Überlingen am");
    EXPECT_EQ(S.Mannschaft[ManagerVerein(0)].Name.text(), "Sportverein Überlingen am");
    EXPECT_EQ(VereinNachName(alt), -1);
}

TEST_F(Umbenennen, EinManagerKenntKeinenDoppelten)
{
    S.Spiel.ManagerHoch = 0;
    const std::string name = S.Manager[0].Name.text(), verein = S.Manager[0].Vereinsname.text();
    EXPECT_TRUE(NamenAendern(0, name, verein)); // die eigenen Namen sind kein Doppel
    EXPECT_TRUE(NamenAendern(0, S.Manager[1].Name.text(), "Eintracht Irgendwo"));
    EXPECT_FALSE(ui.enthaelt("mehrfach"));
}

TEST_F(Umbenennen, VereinBleibtDesManagersUeberSaisonwechselUndSpielstand)
{
    ASSERT_TRUE(NamenAendern(0, "Quirin", "Neustadt 04"));
    const int verein = ManagerVerein(0);
    EXPECT_EQ(S.Mannschaft[verein].Name.text(), "Neustadt 04");
    EXPECT_EQ(ManagerVonVerein(verein), 0);
    EXPECT_EQ(PokalVereinVon(0), verein);

    // Als Tabellenerster der Oberliga steigt er auf und bleibt derselbe Verein.
    const int erster = VereinAufPlatz(4, 1);
    std::swap(S.Mannschaft[verein], S.Mannschaft[erster]);
    S.Manager[0].Liga = 4;
    S.Manager[0].Platz = 1;
    if (ManagerVerein(1) == erster) {
        S.Manager[1].Liga = static_cast<int8_t>((verein - 1) / 18 + 1);
        S.Manager[1].Platz = static_cast<int8_t>((verein - 1) % 18 + 1);
    }
    S.Spiel.Spieltag = 34;
    ASSERT_TRUE(Saisonende());
    EXPECT_EQ(S.Manager[0].Liga, 3);
    EXPECT_EQ(VereinVon(0).Name.text(), "Neustadt 04");
    EXPECT_EQ(VereinVon(1).Name.text(), S.Manager[1].Vereinsname.text());

    const std::string stand = SpielstandSchreiben();
    S.Manager[0].Vereinsname = "Kaputt";
    S.Mannschaft[ManagerVerein(0)].Name = "Kaputt";
    std::string fehler;
    ASSERT_TRUE(SpielstandLesen(stand, fehler)) << fehler;
    EXPECT_EQ(S.Manager[0].Vereinsname.text(), "Neustadt 04");
    EXPECT_EQ(VereinVon(0).Name.text(), "Neustadt 04");
    EXPECT_EQ(ManagerVonVerein(ManagerVerein(0)), 0);
}

} // namespace
} // namespace torvane
