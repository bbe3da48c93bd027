#include "core/AutoOberflaeche.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"

#include <gtest/gtest.h>

using namespace torvane;

TEST(Oberflaeche, NachrichtArten)
{
    EXPECT_EQ(NachrichtArtLesen("ok").typ, NachrichtArt::Ok);
    EXPECT_EQ(NachrichtArtLesen("Jein").typ, NachrichtArt::Jein);
    EXPECT_EQ(NachrichtArtLesen("ALLES").typ, NachrichtArt::Alles);
    const auto a = NachrichtArtLesen("Auto1500");
    EXPECT_EQ(a.typ, NachrichtArt::Auto);
    EXPECT_EQ(a.autoMs, 1500);
    EXPECT_EQ(NachrichtArtLesen("Quatsch").typ, NachrichtArt::Unbekannt);
}

TEST(Oberflaeche, SkriptProtokolliertUndAntwortet)
{
    S = Spielstand{};
    SkriptOberflaeche ui;
    Nachricht("Kopf", "Text", "OK");
    EXPECT_EQ(S.Befehl, Befehlswert::NachrichtWeiter);
    ui.antworte("Ja");
    Nachricht("Frage", "Wirklich?", "JEIN");
    EXPECT_EQ(S.Befehl, Befehlswert::Ja);
    Nachricht("x", "y", "Unsinn"); // nur die Meldung, kein Fenster
    EXPECT_TRUE(ui.enthaelt("Dialog:Mail nicht definiert !"));
    EXPECT_EQ(ui.anzahl("Klang:error"), 2u);

    Klang("kasse");
    Klang("tataa", 1);
    Klang("kasse", 7);
    EXPECT_EQ(ui.klaenge(), (std::vector<std::string>{"error", "error", "kasse", "tataa"}));
    EXPECT_TRUE(ui.enthaelt("ID Nummer für Wav nicht bekannt !"));

    S.KlangAus = true;
    Klang("kasse");
    EXPECT_EQ(ui.klaenge().size(), 4u);

    ui.antworte("4711");
    EXPECT_EQ(Zahleneingabe(0, "Wieviel ?"), 4711);
    ui.antworte("Abbrechen");
    EXPECT_EQ(Meldung(DialogArt::Bestaetigung, "Weg ?", Knoepfe::JaAbbrechen), Antwort::Abbrechen);
}

TEST(Oberflaeche, UngeskriptetFrageLaesstTestScheitern)
{
    SkriptOberflaeche ui;
    EXPECT_THROW(Nachricht("Frage", "?", "JEIN"), UngeskriptetFehler);
    EXPECT_THROW(Zahleneingabe(5, "Zahl ?"), UngeskriptetFehler);
    EXPECT_THROW(Frage("Wirklich ?"), UngeskriptetFehler);
    ui.antworte("Weiter"); // passt nicht zu Ja/Nein
    EXPECT_THROW(Nachricht("Frage", "?", "JEIN"), UngeskriptetFehler);
    EXPECT_NO_THROW(Hinweis("Nur zur Info")); // Hinweise brauchen keine Antwort
}

TEST(Oberflaeche, AutomatWartetNieUndLehntAb)
{
    S = Spielstand{};
    AutoOberflaeche automat;
    OberflaecheSetzen(&automat);
    Warte(100000);
    EXPECT_FALSE(Frage("Alles verkaufen ?"));
    Nachricht("K", "T", "JEIN");
    EXPECT_EQ(S.Befehl, Befehlswert::Nein);
    EXPECT_EQ(Zahleneingabe(42, "Wieviel ?"), 42);
    WarteAufBefehl(Befehlswert::Weiter);
    EXPECT_EQ(S.Befehl, Befehlswert::Weiter);
    automat.dialogAntwort = [](const std::string&, Knoepfe) { return Antwort::Ja; };
    EXPECT_TRUE(Frage("Doch ?"));
    OberflaecheSetzen(nullptr);
}
