// Spielerstärke, Sortierung, automatische und manuelle Aufstellung, Mannschaftsstärke.
#include "KaderHilfe.h"

#include "core/SkriptOberflaeche.h"
#include "squad/Kader.h"
#include "squad/Spielsystem.h"

#include <gtest/gtest.h>

using namespace torvane;
using namespace kadertest;

namespace {

Kaderspieler_ Roh(int technik, int konstitution, int form, int alter)
{
    Kaderspieler_ s{};
    s.Technik = static_cast<int16_t>(technik);
    s.Konstitution = static_cast<int16_t>(konstitution);
    s.Form = static_cast<int8_t>(form);
    s.Alter = static_cast<int16_t>(alter);
    BerechneSpieler(s);
    return s;
}

// 2 T, 4 V, 5 M, 4 S, absichtlich ungeordnet; sortiert: T70 T60 V80 V70 V60 V50 M90..M50 S75..S45.
void VollerKader()
{
    for (auto [pos, st] : {std::pair{"S", 45}, {"S", 65}, {"M", 60}, {"M", 90}, {"M", 50}, {"V", 50}, {"V", 80},
                           {"T", 60}, {"V", 70}, {"V", 60}, {"M", 80}, {"M", 70}, {"T", 70}, {"S", 75}, {"S", 55}})
        Hinzu(Spieler(pos, st));
}

void Einsetzen(std::initializer_list<std::pair<const char*, int>> spieler)
{
    for (auto [pos, st] : spieler) {
        Kaderspieler_ s = Spieler(pos, st);
        s.Eingesetzt = 1;
        Hinzu(s);
    }
}

const Mannschaft_& Verein() { return S.Mannschaft[55]; }

} // namespace

TEST(KaderSpieler, StaerkeWertUndGrenzen)
{
    EXPECT_EQ(Roh(60, 60, 0, 31).KonstMax, 59);
    const Kaderspieler_ alt = Roh(60, 50, 0, 45);
    EXPECT_EQ(alt.KonstMax, 45);
    EXPECT_EQ(alt.Konstitution, 45);
    const Kaderspieler_ schwach = Roh(1, 1, -10, 25); // 1, nicht -9
    EXPECT_EQ(schwach.Staerke, 1);
    EXPECT_EQ(schwach.Wert, 10000);
    const Kaderspieler_ stark = Roh(200, 99, 25, 20); // eingefangen auf 120, 60, 10
    EXPECT_EQ(stark.Staerke, 130);
    EXPECT_EQ(stark.Wert, 1300000);
    EXPECT_EQ(Roh(1, 3, 0, 25).Staerke, 3); // 4 / 1,5 = 2,67
    EXPECT_EQ(Roh(2, 3, 0, 25).Staerke, 3); // 5 / 1,5 = 3,33
}

TEST(KaderSpieler, SortierungGleichStarkerJuengerZuerst)
{
    Grundstand();
    Hinzu(Spieler("S", 50, 20, "Sturm"));
    Hinzu(Spieler("M", 60, 30, "MAlt"));
    Hinzu(Spieler("V", 60, 28, "VAlt"));
    Hinzu(Spieler("T", 40, 33, "Tor"));
    Hinzu(Spieler("V", 60, 22, "VJung"));
    Hinzu(Spieler("M", 60, 25, "MJung"));
    Hinzu(Spieler("S", 70, 20, "SturmStark"));
    Hinzu(Spieler("V", 60, 22, "VJung2")); // gleich stark und alt: bleibt dahinter
    SortiereKader(0);
    std::string reihe;
    for (int i = 1; i <= 8; ++i) reihe += S.Manager[0].Kader[i].Vorname.text() + " ";
    EXPECT_EQ(reihe, "Tor VJung VJung2 VAlt MJung MAlt SturmStark Sturm ");
}

TEST(Aufstellung, AutomatischNachSystem)
{
    Grundstand();
    VollerKader();
    BerechneMannschaft(0, 3);
    EXPECT_EQ(Eingesetzte(), "T70 V80 V70 V60 M90 M80 M70 M60 S75 S65 S55");
    EXPECT_EQ(Verein().Verteidigung, 70); // 280 / 4
    EXPECT_EQ(Verein().Mittelfeld, 75);
    EXPECT_EQ(Verein().Angriff, 65);
    EXPECT_EQ(S.Manager[0].TeamStaerke, 70);
    // Modus 0 stellt nur mit eingeschalteter Option auf.
    S.Manager[0].Kader[1].Eingesetzt = 0;
    BerechneMannschaft(0, 0);
    EXPECT_EQ(AnzahlEingesetzt(0), 10);
    S.Optionen[0][OptAutoaufstellung] = 1;
    BerechneMannschaft(0, 0);
    EXPECT_EQ(AnzahlEingesetzt(0), 11);
}

TEST(Aufstellung, ZeigerLaeuftUeberDieLinienWeiter)
{
    // Zwei Verteidiger zu wenig: der erste Mittelfeldspieler springt ein.
    Grundstand();
    for (auto [pos, st] : {std::pair{"T", 60}, {"V", 70}, {"V", 60}, {"M", 90}, {"M", 80}, {"M", 70}, {"M", 60},
                           {"M", 50}, {"S", 75}, {"S", 65}, {"S", 55}, {"S", 45}})
        Hinzu(Spieler(pos, st));
    BerechneMannschaft(0, 3);
    EXPECT_EQ(Eingesetzte(), "T60 V70 V60 M90 M80 M70 M60 M50 S75 S65 S55");
    EXPECT_EQ(Verein().Verteidigung, 48); // 190 / 4 = 47,5
    EXPECT_EQ(Verein().Mittelfeld, 88);   // 350 / 4 = 87,5
    EXPECT_EQ(Verein().Gesamt, 67);       // 201 div 3

    // Alle Torhüter verletzt: der erste Verteidiger steht für sie, halbiert wird trotzdem.
    Grundstand();
    VollerKader();
    for (int i = 1; i <= S.Manager[0].KaderAnzahl; ++i)
        if (S.Manager[0].Kader[i].Position == "T") S.Manager[0].Kader[i].Verletzt = 2;
    BerechneMannschaft(0, 3);
    EXPECT_EQ(Eingesetzte(), "V80 V70 V60 V50 M90 M80 M70 M60 S75 S65 S55");
    EXPECT_EQ(Verein().Verteidigung, 32); // 260 / 4 = 65, halbiert

    // Auffüllen reihum M, V, S bis elf.
    Grundstand();
    for (auto [pos, st] : {std::pair{"T", 60}, {"V", 60}, {"M", 80}, {"M", 70}, {"M", 60}, {"S", 90}, {"S", 85},
                           {"S", 80}, {"S", 75}, {"S", 70}, {"S", 65}, {"S", 60}})
        Hinzu(Spieler(pos, st));
    BerechneMannschaft(0, 3);
    EXPECT_EQ(Eingesetzte(), "T60 V60 M80 M70 M60 S90 S85 S80 S75 S70 S65");
}

TEST(Aufstellung, GesperrteKleinerKaderUndHoechstensElf)
{
    Grundstand();
    for (auto [pos, st] : {std::pair{"T", 60}, {"V", 70}, {"V", 60}, {"M", 70}, {"S", 70}})
        Hinzu(Spieler(pos, st));
    Kaderspieler_ gesperrt = Spieler("M", 90);
    gesperrt.GelbNational = 4;
    Hinzu(gesperrt);
    BerechneMannschaft(0, 3);
    EXPECT_EQ(Eingesetzte(), "T60 V70 V60 M70 S70");
    S.Spiel.Wettbewerb = 2; // im Europapokal zählt die nationale Sperre nicht
    BerechneMannschaft(0, 3);
    EXPECT_EQ(AnzahlEingesetzt(0), 6);

    Grundstand();
    VollerKader();
    S.Manager[0].SpielSystem = "553";
    BerechneMannschaft(0, 3);
    EXPECT_EQ(AnzahlEingesetzt(0), 11);
}

TEST(Mannschaft, LinienEinsatzUndHalbierung)
{
    // Ohne Torwart: 180 / 4 = 45, halbiert 22, erst dann + 3; leere Linien bekommen nur den Einsatz.
    Grundstand();
    Einsetzen({{"V", 60}, {"V", 60}, {"V", 60}});
    S.Manager[0].Einsatz = 30;
    BerechneMannschaft(0, 1);
    EXPECT_EQ(Verein().Verteidigung, 25);
    EXPECT_EQ(Verein().Angriff, 3);
    EXPECT_EQ(Verein().Gesamt, 10);
    S.Manager[0].Einsatz = -100; // leere Linie: 0, nicht -10
    BerechneMannschaft(0, 1);
    EXPECT_EQ(Verein().Mittelfeld, 0);
    EXPECT_EQ(Verein().Verteidigung, 12);

    // Halbe gehen zur geraden Zahl.
    Grundstand();
    Einsetzen({{"T", 60}, {"V", 63}, {"V", 63}, {"M", 50}, {"M", 52}, {"S", 50}, {"S", 51}});
    BerechneMannschaft(0, 1);
    EXPECT_EQ(Verein().Verteidigung, 46); // 46,5
    EXPECT_EQ(Verein().Mittelfeld, 26);   // 25,5
    EXPECT_EQ(Verein().Angriff, 34);
    EXPECT_EQ(Verein().Gesamt, 35);

    // Eine Linie mit 0 Plätzen im System teilt nicht durch null.
    S.Manager[0].SpielSystem = "550";
    EXPECT_NO_THROW(BerechneMannschaft(0, 1));
    EXPECT_EQ(Verein().Angriff, 101);
}

TEST(Mannschaft, GehaltWertUndManagerpunkte)
{
    Grundstand();
    Einsetzen({{"T", 50}, {"M", 60}});
    Hinzu(Spieler("S", 70));
    Hinzu(Spieler("V", 40));
    auto& mg = S.Manager[0];
    mg.Kader[1].Gehalt = 1234;
    mg.Kader[2].Gehalt = 5678;
    mg.Kader[3].Gehalt = 999;
    mg.Kader[4].Gehalt = -500;
    mg.Kader[4].Wert = -1;
    mg.Managerpunkte = 150.0f;
    BerechneMannschaft(0, 1);
    // Eingesetzte zahlen ihr Gehalt ein zweites Mal, auf Zehner gekürzt.
    EXPECT_EQ(mg.KaderGehalt, 1234 + 5678 + 999 + 1230 + 5670);
    EXPECT_EQ(mg.KaderWert, 1800000);
    EXPECT_EQ(mg.Managerpunkte, 100.0f);
    mg.Managerpunkte = -3.0f;
    BerechneMannschaft(0, 1);
    EXPECT_EQ(mg.Managerpunkte, 1.0f);
}

TEST(Aufstellung, VonHandZwischenAchtUndElf)
{
    Grundstand();
    VollerKader();
    BerechneMannschaft(0, 3); // T70 V80 V70 V60 M90..M60 S75..S55, Index 2 = T60 draußen
    SkriptOberflaeche ui;
    S.Optionen[0][OptAutoaufstellung] = 1;
    AufstellungKlick(0, 2); // mit Autoaufstellung: nichts
    EXPECT_TRUE(ui.protokoll.empty());
    S.Optionen[0][OptAutoaufstellung] = 0;

    AufstellungKlick(0, 2); // bei elf kommt keiner dazu
    EXPECT_EQ(S.Manager[0].Kader[2].Eingesetzt, 0);
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"klick"});
    for (int i : {1, 3, 4}) AufstellungKlick(0, i); // T70, V80, V70 heraus -> 8
    AufstellungKlick(0, 5);                          // bei acht bleibt er
    EXPECT_EQ(AnzahlEingesetzt(0), 8);
    EXPECT_TRUE(ui.enthaelt("Dialog:Nicht weniger wie 8 Spieler wenn möglich !"));
    EXPECT_EQ(Verein().Verteidigung, 7); // 60 / 4 = 15, ohne Torwart halbiert

    ui.leeren();
    S.Manager[0].Kader[1].Verletzt = 3;
    AufstellungKlick(0, 1); // ein Verletzter kommt nicht hinein
    EXPECT_TRUE(ui.protokoll.empty());
    AufstellungKlick(0, 2); // T60 hinein -> 9
    S.Manager[0].Kader[2].RotNational = 1;
    AufstellungKlick(0, 2); // ein eingesetzter Gesperrter darf hinaus
    EXPECT_EQ(S.Manager[0].Kader[2].Eingesetzt, 0);
}

TEST(Aufstellung, PunkteKaufenUndMaximieren)
{
    Grundstand();
    Kaderspieler_ s = Spieler("M", 60, 45);
    s.Technik = 118;
    s.Konstitution = 44;
    s.Form = 8;
    s.Eingesetzt = 1;
    Hinzu(s);
    SkriptOberflaeche ui;
    auto& mg = S.Manager[0];

    // Rechtsklick auf Technik 118: 2 Punkte für 40 000.
    EXPECT_EQ(PunkteKaufen(0, 1, Attribut::Technik, 5), 2);
    EXPECT_EQ(mg.Kontostand, 1000000 - 40000);
    EXPECT_EQ(PunkteKaufen(0, 1, Attribut::Technik, 1), 0);
    EXPECT_EQ(ui.texte().back(), "Maximale Technik erreicht !\r\n\r\nDer Spieler kann alles am Ball und hat\r\n"
                                 "ein ´sensationelles´ Spielverständnis.");
    EXPECT_EQ(mg.Kontostand, 1000000 - 40000);
    // Mit 45 Jahren ist bei 45 Konstitution Schluss.
    EXPECT_EQ(PunkteKaufen(0, 1, Attribut::Konstitution, 5), 1);
    EXPECT_EQ(mg.Kader[1].Staerke, 118); // (120 + 45) / 1,5 + 8

    // Maximieren: je Durchgang ein Formpunkt, der dritte Durchgang kauft nichts mehr.
    ui.antworte("Nein");
    Maximieren(0);
    EXPECT_EQ(mg.Kader[1].Form, 8);
    ui.antworte("Ja");
    int gezeichnet = 0;
    Maximieren(0, [&] { ++gezeichnet; });
    EXPECT_EQ(gezeichnet, 3);
    EXPECT_EQ(mg.Kader[1].Form, 10);
    EXPECT_EQ(mg.Kontostand, 1000000 - 40000 - 10000 - 100000);
    EXPECT_TRUE(ui.enthaelt(
        "Die Werte der eingesetzten Spieler auf Maximal setzten ?\r\n\r\nHola, das könnte aber einniges kosten !"));
}

TEST(Aufstellung, TransferlisteGebuehrStrafeUndVerweigerung)
{
    Grundstand();
    Hinzu(Spieler("V", 50, 25, "Karl"));
    auto& s = S.Manager[0].Kader[1];
    SkriptOberflaeche ui;
    ui.antworte("Ja");
    SpielerVerkaufen(0, 1);
    EXPECT_EQ(ui.texte().back(), "Karl Muster,\r\n\r\nWenn Sie den Spieler auf die Tranferliste setzen möchten,\r\n"
                                 "entsteht eine Gebühr von 5.000 €");
    EXPECT_EQ(s.Transferstatus, 1);
    s.Angebote = 2;
    ui.antworte("Ja");
    SpielerVerkaufen(0, 1);
    EXPECT_EQ(ui.texte().back(), "Karl Muster,\r\nsteht bereits auf der Transferliste.\r\n"
                                 "Wollen Sie den Spieler von der Transferliste nehmen ?\r\n"
                                 "ACHTUNG : Die Konventionalstrafe beträgt 15.000 €");
    EXPECT_EQ(s.Transferstatus, 0);
    EXPECT_EQ(s.Angebote, 0);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 - 20000);
    EXPECT_EQ(S.Manager[0].Managerpunkte, 49.5f);
    s.Transferstatus = 2;
    SpielerVerkaufen(0, 1);
    EXPECT_EQ(ui.texte().back(), "Da Sie für den Verkauf des Spielers nicht verantwortlich sind,\r\n"
                                 "können Sie ihn nicht von der Transferliste nehmen !");
    EXPECT_EQ(s.Transferstatus, 2);
}

TEST(Aufstellung, VertragsgespraechErsterKlickUndStrafen)
{
    Grundstand();
    Hinzu(Spieler("S", 70, 25, "Otto"));
    auto& s = S.Manager[0].Kader[1];
    SkriptOberflaeche ui;
    EXPECT_TRUE(NeuerVertrag(0, 1));
    EXPECT_EQ(s.Verhandelt, 1);
    EXPECT_EQ(S.Manager[0].Kader[0].Vorname.text(), "Otto");

    const std::string rest = "Herr Muster ist im moment zu keinen Vertragsgesprächen bereit,\r\n"
                             "da er nicht vor hat in nächster Zeit unter Brücken zu schlafen .\r\n"
                             "Pokern Sie nicht zu hoch und gönnen Sie dem Spieler auch ein bischen Luxus !";
    EXPECT_FALSE(NeuerVertrag(0, 1)); // zweiter Klick: noch ohne Strafe
    EXPECT_EQ(ui.texte().back(), rest);
    EXPECT_FALSE(NeuerVertrag(0, 1)); // dritter: 3 000
    EXPECT_EQ(ui.texte().back(), "Sie zahlen, 3.000 Strafe wegen Aufgringlichkeit.\r\n" + rest);
    EXPECT_EQ(S.Manager[0].Kontostand, 997000);
    s.Verhandelt = 100; // höchstens 100
    NeuerVertrag(0, 1);
    EXPECT_EQ(s.Verhandelt, 100);

    s.Transferstatus = 1;
    s.Verhandelt = 0;
    EXPECT_FALSE(NeuerVertrag(0, 1));
    EXPECT_EQ(ui.texte().back(), "Herr Muster, steht zum Verkauf auf der Tranferliste. !\r\n"
                                 "Warum verhandeln wenn der Spieler verkauft werden soll !?");
    EXPECT_EQ(s.Verhandelt, 0);
}

TEST(Aufstellung, SpielerAbgebenRueckenAufUndPool)
{
    Grundstand();
    S.Spiel.SpielerHoch = 3;
    S.Spieler.laengeSetzen(4);
    S.Spieler[1].Vorname = "Belegt";
    VollerKader();
    BerechneMannschaft(0, 3);
    auto& mg = S.Manager[0];
    mg.Kader[3].Zusatz = "Jugend";
    mg.Kader[3].Nation = "BRA";
    SpielerAbgeben(0, 3); // V80
    EXPECT_EQ(mg.KaderAnzahl, 14);
    EXPECT_EQ(mg.Kader[3].Vorname.text(), "V70");
    EXPECT_EQ(mg.Kader[14].Vorname.text(), "S45");
    EXPECT_TRUE(mg.Kader[15].Vorname.leer());
    EXPECT_EQ(S.Spieler[2].Vorname.text(), "V80");
    EXPECT_EQ(S.Spieler[2].Nation.text(), "BRA");
    EXPECT_EQ(S.Spieler[2].Zusatz.text(), "Jugend");
    EXPECT_EQ(mg.KaderWert, 9800000 - 800000);

    S.Spieler[3].Vorname = "Belegt"; // kein freier Platz: nur der Name geht verloren
    SpielerAbgeben(0, 14);
    EXPECT_EQ(mg.KaderAnzahl, 13);
    EXPECT_THROW(SpielerAbgeben(0, 14), Laufzeitfehler); // hinter dem Kader: nichts geschieht
    EXPECT_EQ(mg.KaderAnzahl, 13);
}

TEST(Spielsystem, TextUndWahl)
{
    EXPECT_EQ(SystemText("343"), "3-4-3");
    EXPECT_EQ(SystemText(442), "4-4-2");
    Grundstand();
    const int codes[6] = {0, 343, 442, 352, 451, 433};
    for (int n = 1; n <= 5; ++n) S.SpielSysteme[1][0][n] = static_cast<int16_t>(codes[n]);
    VollerKader();
    S.Optionen[0][OptAutoaufstellung] = 1;
    EXPECT_EQ(GewaehltesSystem(0), 1);
    WaehleSystem(0, 2);
    EXPECT_EQ(S.Manager[0].SpielSystem.text(), "442");
    EXPECT_EQ(GewaehltesSystem(0), 2);
    EXPECT_EQ(Eingesetzte(), "T70 V80 V70 V60 V50 M90 M80 M70 M60 S75 S65");
    EXPECT_EQ(Verein().Verteidigung, 66); // 330 / 5
    EXPECT_EQ(Verein().Angriff, 70);      // 140 / 2
}
