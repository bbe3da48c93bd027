// Spielerstärke, Sortierung, automatische und manuelle Aufstellung, Mannschaftsstärke, Spielsystem,
// Punktekauf, Transferliste und Abgabe.
#include "KaderHilfe.h"

#include "core/Fehler.h"
#include "core/SkriptOberflaeche.h"
#include "squad/Kader.h"
#include "squad/Spielsystem.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace torvane;
using namespace kadertest;

namespace {

// 2 T, 4 V, 5 M, 4 S, absichtlich ungeordnet; sortiert: T70 T60 V80 V70 V60 V50 M90..M50 S75..S45.
const std::string Voll = "S45 S65 M60 M90 M50 V50 V80 T60 V70 V60 M80 M70 T70 S75 S55";

// Verteidigung, Mittelfeld, Angriff und Gesamt des Managervereins.
std::vector<int> Staerken()
{
    const Mannschaft_& v = S.Mannschaft[55];
    return {v.Verteidigung, v.Mittelfeld, v.Angriff, v.Gesamt};
}

} // namespace

TEST(KaderSpieler, StaerkeWertUndGrenzen)
{
    // Technik, Konstitution, Form, Alter -> Stärke (Wert das 10 000-fache), Konstitution, KonstMax.
    // 45 Jahre: 50 wird 45; Stärke nie unter 1; 200/99/25 auf 120/60/10; 2,67 und 3,33 runden auf 3.
    for (auto [t, k, f, alter, staerke, konst, konstMax] :
         {std::tuple{60, 60, 0, 31, 79, 59, 59}, {60, 50, 0, 45, 70, 45, 45}, {1, 1, -10, 25, 1, 1, 60},
          {200, 99, 25, 20, 130, 60, 60}, {1, 3, 0, 25, 3, 3, 60}, {2, 3, 0, 25, 3, 3, 60}}) {
        Kaderspieler_ s{};
        s.Technik = static_cast<int16_t>(t);
        s.Konstitution = static_cast<int16_t>(k);
        s.Form = static_cast<int8_t>(f);
        s.Alter = static_cast<int16_t>(alter);
        BerechneSpieler(s);
        EXPECT_EQ((std::vector<int>{s.Staerke, s.Wert, s.Konstitution, s.KonstMax}),
                  (std::vector<int>{staerke, staerke * 10000, konst, konstMax}))
            << t << "/" << k << "/" << f << "/" << alter;
    }
}

TEST(KaderSpieler, SortierungGleichStarkerJuengerZuerst)
{
    Grundstand();
    // VJung2 ist so stark und alt wie VJung: bleibt dahinter.
    for (auto [pos, st, alter, name] :
         {std::tuple{"S", 50, 20, "Sturm"}, {"M", 60, 30, "MAlt"}, {"V", 60, 28, "VAlt"}, {"T", 40, 33, "Tor"},
          {"V", 60, 22, "VJung"}, {"M", 60, 25, "MJung"}, {"S", 70, 20, "SturmStark"}, {"V", 60, 22, "VJung2"}})
        Hinzu(Spieler(pos, st, alter, name));
    SortiereKader(0);
    EXPECT_EQ(Namen(), "Tor VJung VJung2 VAlt MJung MAlt SturmStark Sturm");
}

TEST(Aufstellung, AutomatischNachSystem)
{
    Grundstand(Voll);
    BerechneMannschaft(0, 3);
    EXPECT_EQ(Namen(true), "T70 V80 V70 V60 M90 M80 M70 M60 S75 S65 S55");
    EXPECT_EQ(Staerken(), (std::vector<int>{70, 75, 65, 70})); // 280 / 4, 300 / 4, 195 / 3
    EXPECT_EQ(S.Manager[0].TeamStaerke, 70);
    // Modus 0 stellt nur mit eingeschalteter Option auf.
    S.Manager[0].Kader[1].Eingesetzt = 0;
    BerechneMannschaft(0, 0);
    EXPECT_EQ(AnzahlEingesetzt(0), 10);
    S.Optionen[0][OptAutoaufstellung] = 1;

    // System 2 (4-4-2) stellt neu auf und teilt durch seine Plätze.
    EXPECT_EQ(SystemText("343"), "3-4-3");
    EXPECT_EQ(SystemText(442), "4-4-2");
    const int codes[6] = {0, 343, 442, 352, 451, 433};
    for (int n = 1; n <= 5; ++n) S.SpielSysteme[1][0][n] = static_cast<int16_t>(codes[n]);
    EXPECT_EQ(GewaehltesSystem(0), 1);
    WaehleSystem(0, 2);
    EXPECT_EQ(GewaehltesSystem(0), 2);
    EXPECT_EQ(Namen(true), "T70 V80 V70 V60 V50 M90 M80 M70 M60 S75 S65");
    EXPECT_EQ(Staerken(), (std::vector<int>{66, 75, 70, 70})); // 330 / 5, 140 / 2
    // Mehr als zehn Feldspieler im Code: trotzdem höchstens elf.
    S.Manager[0].SpielSystem = "553";
    BerechneMannschaft(0, 0);
    EXPECT_EQ(AnzahlEingesetzt(0), 11);
}

TEST(Aufstellung, RandfaelleDerAutomatik)
{
    // Zwei Verteidiger zu wenig: der erste Mittelfeldspieler springt ein, zählt aber im Mittelfeld.
    Grundstand("T60 V70 V60 M90 M80 M70 M60 M50 S75 S65 S55 S45");
    BerechneMannschaft(0, 3);
    EXPECT_EQ(Namen(true), "T60 V70 V60 M90 M80 M70 M60 M50 S75 S65 S55");
    EXPECT_EQ(Staerken(), (std::vector<int>{48, 88, 65, 67})); // 190 / 4 = 47,5; 350 / 4 = 87,5; 201 div 3

    // Alle Torhüter verletzt: der erste Verteidiger steht für sie, halbiert wird trotzdem.
    Grundstand(Voll);
    S.Manager[0].Kader[8].Verletzt = 2;
    S.Manager[0].Kader[13].Verletzt = 2;
    BerechneMannschaft(0, 3);
    EXPECT_EQ(Namen(true), "V80 V70 V60 V50 M90 M80 M70 M60 S75 S65 S55");
    EXPECT_EQ(Staerken()[0], 32); // 260 / 4 = 65, halbiert

    // Auffüllen reihum M, V, S bis elf.
    Grundstand("T60 V60 M80 M70 M60 S90 S85 S80 S75 S70 S65 S60");
    BerechneMannschaft(0, 3);
    EXPECT_EQ(Namen(true), "T60 V60 M80 M70 M60 S90 S85 S80 S75 S70 S65");

    // Gesperrte bleiben draußen, im Europapokal zählt die nationale Sperre aber nicht.
    Grundstand("T60 V70 V60 M70 S70 M90");
    S.Manager[0].Kader[6].GelbNational = 4;
    BerechneMannschaft(0, 3);
    EXPECT_EQ(Namen(true), "T60 V70 V60 M70 S70");
    S.Spiel.Wettbewerb = Wettbewerb_::Uefa;
    BerechneMannschaft(0, 3);
    EXPECT_EQ(AnzahlEingesetzt(0), 6);
    // Gesperrt ist nur, wer genau vier Gelbe hat.
    S.Manager[0].Kader[6].GelbInternational = 5;
    EXPECT_EQ(SperreGrund(0, 6), 0);
    S.Manager[0].Kader[6].GelbInternational = 4;
    EXPECT_EQ(SperreGrund(0, 6), 3);
}

TEST(Mannschaft, LinienGeldUndManagerpunkte)
{
    // Ohne Torwart: 180 / 4 = 45, halbiert 22, erst dann + 3; leere Linien bekommen nur den Einsatz,
    // bei -100 aber 0, nicht -10.
    Grundstand("V60* V60* V60*");
    S.Manager[0].Einsatz = 30;
    BerechneMannschaft(0, 1);
    EXPECT_EQ(Staerken(), (std::vector<int>{25, 3, 3, 10}));
    S.Manager[0].Einsatz = -100;
    BerechneMannschaft(0, 1);
    EXPECT_EQ(Staerken(), (std::vector<int>{12, 0, 0, 4}));

    // Halbe gehen zur geraden Zahl; eine Linie mit 0 Plätzen im System teilt nicht durch null.
    Grundstand("T60* V63* V63* M50* M52* S50* S51*");
    BerechneMannschaft(0, 1);
    EXPECT_EQ(Staerken(), (std::vector<int>{46, 26, 34, 35})); // 186 / 4 = 46,5; 102 / 4 = 25,5
    S.Manager[0].SpielSystem = "550";
    BerechneMannschaft(0, 1);
    EXPECT_EQ(Staerken()[2], 101);

    // Eingesetzte zahlen ihr Gehalt ein zweites Mal, auf Zehner gekürzt; Negatives zählt nicht.
    Grundstand("T50* M60* S70 V40");
    auto& mg = S.Manager[0];
    for (auto [i, gehalt] : {std::pair{1, 1234}, {2, 5678}, {3, 999}, {4, -500}}) mg.Kader[i].Gehalt = gehalt;
    mg.Kader[4].Wert = -1;
    mg.Managerpunkte = 150.0f;
    BerechneMannschaft(0, 1);
    EXPECT_EQ(mg.KaderGehalt, 1234 + 5678 + 999 + 1230 + 5670);
    EXPECT_EQ(mg.KaderWert, 1800000);
    EXPECT_EQ(mg.Managerpunkte, 100.0f);
    mg.Managerpunkte = -3.0f;
    BerechneMannschaft(0, 1);
    EXPECT_EQ(mg.Managerpunkte, 1.0f);
}

TEST(Aufstellung, VonHandZwischenAchtUndElf)
{
    Grundstand(Voll);
    BerechneMannschaft(0, 3); // T70 V80 V70 V60 M90..M60 S75..S55, Index 2 = T60 draußen
    auto& k = S.Manager[0].Kader;
    SkriptOberflaeche ui;
    S.Optionen[0][OptAutoaufstellung] = 1;
    AufstellungKlick(0, 2); // mit Autoaufstellung: nichts
    EXPECT_TRUE(ui.protokoll.empty());
    S.Optionen[0][OptAutoaufstellung] = 0;

    AufstellungKlick(0, 2); // bei elf kommt keiner dazu
    EXPECT_EQ(k[2].Eingesetzt, 0);
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"klick"});
    for (int i : {1, 3, 4, 5}) AufstellungKlick(0, i); // T70, V80, V70 heraus -> 8, V60 bleibt
    EXPECT_EQ(Namen(true), "V60 M90 M80 M70 M60 S75 S65 S55");
    EXPECT_TRUE(ui.enthaelt("Dialog:Nicht weniger wie 8 Spieler wenn möglich !"));
    EXPECT_EQ(Staerken()[0], 7); // 60 / 4 = 15, ohne Torwart halbiert

    ui.leeren();
    k[1].Verletzt = 3;
    AufstellungKlick(0, 1); // ein Verletzter kommt nicht hinein, geklickt ist trotzdem
    EXPECT_EQ(k[1].Eingesetzt, 0);
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"klick"});
    AufstellungKlick(0, 2); // T60 hinein -> 9
    k[2].RotNational = 1;
    AufstellungKlick(0, 2); // ein eingesetzter Gesperrter darf hinaus
    EXPECT_EQ(k[2].Eingesetzt, 0);
}

TEST(Aufstellung, PunkteKaufenUndMaximieren)
{
    Grundstand("M60*");
    auto& mg = S.Manager[0];
    auto& s = mg.Kader[1];
    s.Alter = 45;
    s.Technik = 118;
    s.Konstitution = 44;
    s.Form = 8;
    SkriptOberflaeche ui;

    // Rechtsklick auf Technik 118: 2 Punkte für 40 000; am Maximum nichts.
    EXPECT_EQ(PunkteKaufen(0, 1, Attribut::Technik, 5), 2);
    EXPECT_EQ(PunkteKaufen(0, 1, Attribut::Technik, 1), 0);
    EXPECT_TRUE(ui.enthaelt("Maximale Technik erreicht !"));
    EXPECT_EQ(mg.Kontostand, 1000000 - 40000);
    // Mit 45 Jahren ist bei 45 Konstitution Schluss.
    EXPECT_EQ(PunkteKaufen(0, 1, Attribut::Konstitution, 5), 1);
    EXPECT_EQ(s.Staerke, 118); // (120 + 45) / 1,5 + 8

    // Maximieren erst nach "Ja": je Durchgang ein Formpunkt, der dritte kauft nichts mehr.
    ui.antworte("Nein");
    Maximieren(0);
    EXPECT_EQ(s.Form, 8);
    ui.antworte("Ja");
    int gezeichnet = 0;
    Maximieren(0, [&] { ++gezeichnet; });
    EXPECT_EQ(gezeichnet, 3);
    EXPECT_EQ(s.Form, 10);
    EXPECT_EQ(mg.Kontostand, 1000000 - 40000 - 10000 - 100000);
}

TEST(Aufstellung, TransferlisteGebuehrStrafeUndVerweigerung)
{
    Grundstand("V50"); // Wert 500 000
    auto& s = S.Manager[0].Kader[1];
    SkriptOberflaeche ui;
    ui.antworte("Ja");
    SpielerVerkaufen(0, 1);
    EXPECT_TRUE(ui.enthaelt("entsteht eine Gebühr von 5.000 €"));
    EXPECT_EQ(s.Transferstatus, 1);
    s.Angebote = 2;
    ui.antworte("Ja");
    SpielerVerkaufen(0, 1);
    EXPECT_TRUE(ui.enthaelt("ACHTUNG : Die Konventionalstrafe beträgt 15.000 €"));
    EXPECT_EQ((std::vector<int>{s.Transferstatus, s.Angebote}), (std::vector<int>{0, 0}));
    // Selbst gelistet: nur die Meldung, ohne Frage und ohne Kosten.
    s.Transferstatus = 2;
    SpielerVerkaufen(0, 1);
    EXPECT_TRUE(ui.texte().back().starts_with("Da Sie für den Verkauf des Spielers nicht verantwortlich sind"));
    EXPECT_EQ(s.Transferstatus, 2);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 - 20000);
    EXPECT_EQ(S.Manager[0].Managerpunkte, 49.5f);
}

TEST(Aufstellung, SpielerAbgebenRueckenAufUndPool)
{
    Grundstand(Voll);
    S.Spiel.SpielerHoch = 3;
    S.Spieler.laengeSetzen(4);
    S.Spieler[1].Vorname = "Belegt";
    BerechneMannschaft(0, 3);
    auto& mg = S.Manager[0];
    mg.Kader[3].Zusatz = "Jugend";
    mg.Kader[3].Nation = "BRA";
    SpielerAbgeben(0, 3); // V80 in den ersten freien Poolplatz
    EXPECT_EQ(Namen(), "T70 T60 V70 V60 V50 M90 M80 M70 M60 M50 S75 S65 S55 S45");
    EXPECT_TRUE(mg.Kader[15].Vorname.leer());
    const Spieler_& p = S.Spieler[2];
    EXPECT_EQ(p.Vorname.text() + p.Nation.text() + p.Zusatz.text(), "V80BRAJugend");
    EXPECT_EQ(mg.KaderWert, 9800000 - 800000);

    S.Spieler[3].Vorname = "Belegt"; // kein freier Platz: nur der Name geht verloren
    SpielerAbgeben(0, 14);
    EXPECT_EQ(mg.KaderAnzahl, 13);
    EXPECT_THROW(SpielerAbgeben(0, 14), Laufzeitfehler); // hinter dem Kader: nichts geschieht
    EXPECT_EQ(mg.KaderAnzahl, 13);
}
