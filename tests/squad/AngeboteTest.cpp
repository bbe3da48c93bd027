// Angebote fremder Vereine für gelistete Spieler: Chance, Beträge, Verkauf, dritte Absage.
#include "KaderHilfe.h"

#include "core/AutoOberflaeche.h"
#include "core/Konto.h"
#include "core/SkriptOberflaeche.h"
#include "core/Zufall.h"
#include "squad/Angebote.h"
#include "squad/Kader.h"

#include <gtest/gtest.h>

using namespace torvane;
using namespace kadertest;

namespace {

// Vereine 1..72 mit Namen; der Manager führt Verein 55.
void Vereine()
{
    S.Spiel.MannschaftHoch = 72;
    for (int v = 1; v <= 72; ++v) S.Mannschaft[v].Name = "Verein " + std::to_string(v);
    S.Manager[0].Vereinsname = "Verein 55";
    S.Spiel.SpielerHoch = 10;
    S.Spieler.laengeSetzen(11);
}

// Ein gelisteter Spieler; mit Alter 5 kommt sicher ein Angebot (Zufall(1, 5) <= 5).
Kaderspieler_ Gelistet(int staerke, const std::string& name, int alter = 5, int status = 1)
{
    Kaderspieler_ s = Spieler("M", staerke, alter, name);
    s.Transferstatus = static_cast<int8_t>(status);
    s.Vertrag = 2;
    s.Gehalt = 5000;
    return s;
}

} // namespace

TEST(Angebote, Betraege)
{
    // Ein Jahr Vertrag am 34. Spieltag: nur die 100.
    EXPECT_EQ(Vertragsbruchstrafe(1, 34, 8000), 100);
    // Zwei Jahre am 10. Spieltag: 58 Spiele, die Hälfte des Gehalts.
    EXPECT_EQ(Vertragsbruchstrafe(2, 10, 5000), 145100);
    EXPECT_EQ(Vertragsbruchstrafe(2, 10, 5010), 145300); // 145 390 auf Hunderter gekürzt
    EXPECT_EQ(AngebotsBetrag(100, 1234567), 1234600);
    EXPECT_EQ(AngebotsBetrag(73, 500000), 365100);
    EXPECT_EQ(AngebotsBetrag(50, 999), 600); // 499,5 -> 500, + 100
}

TEST(Angebote, ChanceNachAlter)
{
    for (const auto& [alter, erwartet] : {std::pair{16, 5.0 / 16}, std::pair{40, 1.0 / 8}, std::pair{25, 0.2}}) {
        Grundstand();
        Vereine();
        Hinzu(Gelistet(60, "Alt", alter));
        AutoOberflaeche automat; // lehnt jedes Angebot ab
        OberflaecheSetzen(&automat);
        ZufallSetzen(99);
        const int zuege = 6000;
        int angebote = 0;
        for (int z = 0; z < zuege; ++z) {
            S.Manager[0].Kader[1].Angebote = 0;
            const long vorher = automat.meldungen;
            Spielerangebote(0);
            angebote += automat.meldungen > vorher;
        }
        OberflaecheSetzen(nullptr);
        EXPECT_NEAR(static_cast<double>(angebote) / zuege, erwartet, 0.02) << "Alter " << alter;
    }
}

TEST(Angebote, JaVerkauftUndSchreibtGut)
{
    Grundstand();
    Vereine();
    S.Spiel.Spieltag = 10;
    Hinzu(Spieler("T", 70, 25, "Torwart"));
    Hinzu(Gelistet(60, "Verkauf"));
    const int32_t wert = S.Manager[0].Kader[2].Wert;
    // Die Ziehungen vorweg: Alter, Prozent.
    ZufallSetzen(7);
    Zufall(1, 5);
    const int prozent = Zufall(50, 130);
    ZufallSetzen(7);
    SkriptOberflaeche ui;
    ui.antworte("Ja");
    Spielerangebote(0);
    const Manager_& mg = S.Manager[0];
    EXPECT_EQ(mg.KaderAnzahl, 1);
    EXPECT_EQ(mg.Kader[1].Vorname.text(), "Torwart");
    EXPECT_TRUE(mg.Kader[2].Vorname.leer());
    EXPECT_EQ(mg.Kontostand, 1000000 + AngebotsBetrag(prozent, wert) - 145100);
    EXPECT_EQ(S.Spieler[1].Vorname.text(), "Verkauf"); // zurück im Pool
    EXPECT_TRUE(ui.enthaelt("Klang:kasse"));
    const std::string frage = ui.texte().at(0);
    EXPECT_EQ(frage.rfind("1. Spieler Angebot !\r\nVerkauf Muster\r\nPosition: Mittelfeld mit 5 Jahre\r\n"
                          "2-Jahresvertrag\r\nGesamtstärke :60\r\n",
                          0),
              0u)
        << frage;
    EXPECT_NE(frage.find("Strafe für Vertragsbruch: 145.100 €\r\n"), std::string::npos);
    EXPECT_NE(frage.find(" bietet " + Geldtext(AngebotsBetrag(prozent, wert)) + " €\r\n Angebot akzeptieren ?"),
              std::string::npos);
}

TEST(Angebote, DritteAbsage)
{
    // Selbst gelistet: er geht trotzdem; 100 % + 20 % - 25 % des Werts.
    Grundstand();
    Vereine();
    Hinzu(Gelistet(100, "Weg", 5, 2));
    S.Manager[0].Kader[1].Angebote = 2;
    {
        SkriptOberflaeche ui;
        ui.antworte("Nein");
        Spielerangebote(0);
        EXPECT_TRUE(ui.enthaelt("Dialog:ACHTUNG letztes Spieler Angebot !"));
        EXPECT_TRUE(ui.enthaelt("Dialog:Der Spieler will Verkauft werden .\r\nEr zahlt Ihnen wegen Vertragsbruch "
                                "200.000 €\r\n\r\nDa Sie jedoch jedes Angebot ablehnten, spenden Sie\r\n250.000 € für "
                                "Wohltätige Zwecke !"));
        EXPECT_TRUE(ui.enthaelt("Klang:kasse"));
    }
    EXPECT_EQ(S.Manager[0].KaderAnzahl, 0);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 + 950000);

    // Vom Manager gelistet: er bleibt, von der Liste genommen, 5 % Strafe.
    Grundstand();
    Vereine();
    Hinzu(Gelistet(100, "Bleibt"));
    Manager_& mg = S.Manager[0];
    mg.Kader[1].Angebote = 2;
    mg.Kader[1].Verhandelt = 1;
    {
        SkriptOberflaeche ui;
        ui.antworte("Nein");
        Spielerangebote(0);
        EXPECT_TRUE(ui.enthaelt("Sie zahlen eine Konventionalstrafe in Höhe von 50.000 €"));
    }
    EXPECT_EQ(mg.KaderAnzahl, 1);
    EXPECT_EQ(mg.Kontostand, 1000000 - 50000);
    EXPECT_EQ(mg.Kader[1].Transferstatus, 0);
    EXPECT_EQ(mg.Kader[1].Angebote, 0);
    EXPECT_EQ(mg.Kader[1].Verhandelt, 0);

    // Vor dem dritten Angebot geschieht bei Nein nichts weiter.
    mg.Kader[1].Transferstatus = 1;
    {
        SkriptOberflaeche ui;
        ui.antworte("Nein");
        Spielerangebote(0);
        EXPECT_TRUE(ui.enthaelt("Dialog:1. Spieler Angebot !"));
        EXPECT_EQ(ui.texte().size(), 1u);
    }
    EXPECT_EQ(mg.Kader[1].Angebote, 1);
    EXPECT_EQ(mg.Kader[1].Transferstatus, 1);
    EXPECT_EQ(mg.Kontostand, 1000000 - 50000);
}

TEST(Angebote, ZweiVerkaeufeInEinemZug)
{
    Grundstand();
    Vereine();
    for (const auto& [st, name] : {std::pair{90, "A"}, {80, "B"}, {70, "C"}, {60, "D"}, {50, "E"}}) {
        Kaderspieler_ s = Gelistet(st, name);
        if (std::string(name) == "D") s.Transferstatus = 0;
        Hinzu(s);
    }
    SkriptOberflaeche ui;
    for (int i = 0; i < 3; ++i) ui.antworte("Ja");
    Spielerangebote(0);
    // Nach Plätzen: A verkauft, B rückt auf Platz 1 und ist erst im nächsten Zug dran; auf Platz 2
    // steht C (verkauft), dann D (nicht gelistet) und auf Platz 3 E (verkauft); danach ist Schluss.
    std::vector<std::string> gefragt;
    for (const auto& t : ui.texte())
        if (t.find("Spieler Angebot !") != std::string::npos) gefragt.push_back(t.substr(t.find("\r\n") + 2, 1));
    EXPECT_EQ(gefragt, (std::vector<std::string>{"A", "C", "E"}));
    EXPECT_EQ(Namen(), "B D");
    EXPECT_EQ(S.Manager[0].KaderAnzahl, 2);
    EXPECT_TRUE(ui.antworten.empty());
    EXPECT_EQ(S.Manager[0].Kader[3].Staerke, 0); // geleert, nicht doppelt
    // Im nächsten Zug kommt B dran, genau einmal.
    ui.leeren();
    ui.antworte("Nein");
    Spielerangebote(0);
    gefragt.clear();
    for (const auto& t : ui.texte()) gefragt.push_back(t.substr(t.find("\r\n") + 2, 1));
    EXPECT_EQ(gefragt, (std::vector<std::string>{"B"}));
}

TEST(Angebote, BieterIstNieEinManagerverein)
{
    Grundstand();
    S.Spiel.MannschaftHoch = 3;
    S.Mannschaft[1].Name = "Concordia Essen";
    S.Mannschaft[2].Name = "Essen";
    S.Mannschaft[3].Name = "Rot-Weiß Nord";
    S.Manager[0].Vereinsname = "Concordia Essen";
    S.Manager[1].Vereinsname = "Rot-Weiß Nord";
    for (int i = 0; i < 200; ++i) EXPECT_EQ(BietenderVerein(), 2);
    S.Mannschaft[2].Name = "Rot-Weiß Nord";
    EXPECT_EQ(BietenderVerein(), 0); // keiner bleibt übrig: kein Angebot statt endloser Ziehung
}
