// Zufall, Geld- und Ausrichtungstexte, geprüfte Arithmetik, 1252.
#include "core/Cp1252.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Terminal.h"
#include "core/KurzText.h"
#include "core/Text.h"
#include "core/Variablen.h"
#include "core/Zufall.h"

#include <cmath>
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <tuple>

using namespace torvane;

TEST(Zufall, FesteSaatGibtFesteFolge)
{
    // Festgenagelt: eine Änderung am Generator darf nie unbemerkt bleiben.
    ZufallSetzen(12345);
    const std::vector<int> erwartet = {385, 289, 79, 553, 633, 341, 439, 79};
    for (int z : erwartet) EXPECT_EQ(Zufall(0, 999), z);
    ZufallSetzen(12345);
    EXPECT_EQ(Zufall(1000, 1999), 1385); // von + R(n)

    // Von Hand: saat = 1 -> 134775814; (134775814 * 100) >> 32 = 3.
    ZufallSetzen(1);
    EXPECT_EQ(Zufall(0, 99), 3);
    EXPECT_EQ(ZufallSaat(), 134775814u);
    ZufallSetzen(0);
    EXPECT_EQ(Zufall(0, 1 << 30), 0); // saat 1 -> Ergebnis (1 * n) >> 32 = 0
}

TEST(Zufall, GrenzenUndVertauschteGrenzen)
{
    ZufallSetzen(77);
    std::set<int> gesehen;
    std::set<int> vertauscht;
    for (int i = 0; i < 5000; ++i) {
        EXPECT_EQ(Zufall(1, 1), 1);
        const int z = Zufall(0, 17);
        EXPECT_GE(z, 0);
        EXPECT_LE(z, 17);
        gesehen.insert(z);
        EXPECT_EQ(Zufall(5, 4), 5);
        EXPECT_EQ(Zufall(5, 3), 5);
        vertauscht.insert(Zufall(10, 2));
    }
    EXPECT_EQ(gesehen.size(), 18u);
    EXPECT_EQ(*vertauscht.begin(), 4);
    EXPECT_EQ(*vertauscht.rbegin(), 10);
    EXPECT_EQ(vertauscht.size(), 7u);
    // Große Bereiche laufen nicht über.
    for (int i = 0; i < 100; ++i) {
        const int z = Zufall(-2000000000, 2000000000);
        EXPECT_GE(z, -2000000000);
        EXPECT_LE(z, 2000000000);
    }
}

TEST(Texte, GeldtextUndAbrunden)
{
    EXPECT_EQ(Geldtext(-2500000), "-2.500.000");
    EXPECT_EQ(Geldtext(999), "999");
    EXPECT_EQ(Geldtext(1000), "1.000");
    EXPECT_EQ(Geldtext(1234567), "1.234.567");
    EXPECT_EQ(Geldtext(0), "0");
    EXPECT_EQ(Geldtext(2.5), "2");   // Hälften zur geraden Zahl
    EXPECT_EQ(Geldtext(3.5), "4");
    EXPECT_EQ(Geldtext(-999.6), "-1.000");
    EXPECT_EQ(Geldtext(2147483647.0), "2.147.483.647");

    EXPECT_EQ(AbrundenAuf(int64_t{1234567}, 3), 1234000);
    EXPECT_EQ(AbrundenAuf(int64_t{149}, 2), 100);
    EXPECT_EQ(AbrundenAuf(int64_t{-149}, 2), -100);
    EXPECT_EQ(AbrundenAuf(1499.99, 2), 1400);
    EXPECT_EQ(AbrundenAuf(-1499.99, 2), -1400);
    EXPECT_EQ(AbrundenAuf(int64_t{7}, 0), 7);
}

TEST(Texte, Ausrichtung)
{
    EXPECT_EQ(MitteText("ab", 7), "  ab");
    EXPECT_EQ(RechtsText("3:1", 5), "  3:1");
    EXPECT_EQ(LinksText("3", 3), "3  ");
    EXPECT_EQ(RechtsText("zulang", 3), "zulang");
    // Umlaute zählen als ein Zeichen.
    EXPECT_EQ(RechtsText("Köln", 6), "  Köln");
}

TEST(Arithmetik, UeberlaufWirftStattUmzubrechen)
{
    int16_t i16 = 0;
    EXPECT_NO_THROW(SETZE(i16, 32767));
    EXPECT_THROW(SETZE(i16, 32768), Laufzeitfehler);
    EXPECT_EQ(i16, 32767); // unverändert
    uint8_t u8 = 5;
    EXPECT_THROW(SETZE(u8, -1), Laufzeitfehler);
    EXPECT_EQ(u8, 5);
    int32_t konto = 2000000000;
    EXPECT_THROW(SETZE(konto, int64_t{konto} + 200000000), Laufzeitfehler);
    try {
        SETZE(konto, int64_t{3000000000});
        FAIL();
    } catch (const Laufzeitfehler& f) {
        EXPECT_NE(std::string(f.what()).find("konto"), std::string::npos); // nennt das Feld
    }
    EXPECT_THROW(Runden(1e300), Laufzeitfehler);
    EXPECT_EQ(Runden(2.5), 2);
    EXPECT_EQ(Runden(-3.5), -4);
    EXPECT_THROW(Runden(std::nan("")), Laufzeitfehler);
    // Die schnelle Rundung gleicht nearbyint auch an Hälften, knapp unter einer Hälfte und an ihrer Grenze 2^52.
    for (const double w : {0.49999999999999994, -0.49999999999999994, 1e15 + 0.5, -1e15 - 0.5, 4503599627370495.5,
                           -4503599627370495.5, 4503599627370496.0, 9007199254740993.0, -0.0, 17.5, 18.5, -2.5})
        EXPECT_EQ(Runden(w), static_cast<int64_t>(std::nearbyint(w))) << w;
    EXPECT_EQ(Abschneiden(-3.9), -3);
}

TEST(Arithmetik, FelderPruefenSpielindizes)
{
    Feld<int, 1, 11> f{};
    f[1] = 1;
    f[11] = 11;
    EXPECT_EQ(f.w[0], 1);
    EXPECT_EQ(f.w[10], 11);
    EXPECT_THROW(f[0], Laufzeitfehler);
    EXPECT_THROW(f[12], Laufzeitfehler);

    Liste<int> l;
    l.laengeSetzen(3);
    l[2] = 7;
    l.laengeSetzen(5); // vorhandene bleiben, neue null
    EXPECT_EQ(l[2], 7);
    EXPECT_EQ(l[4], 0);
    EXPECT_THROW(l[5], Laufzeitfehler);
    EXPECT_THROW(l[-1], Laufzeitfehler);
}

TEST(Cp1252, RundreiseUndKuerzung)
{
    const std::string text = "Größe 5 € – „Müller“ ÄÖÜäöüß é";
    const std::string roh = Utf8NachCp1252(text);
    EXPECT_EQ(roh[roh.find('5') + 2], '\x80'); // Euro
    EXPECT_EQ(Cp1252NachUtf8(roh), text);
    // Jedes Byte kommt unverändert zurück, auch die unbelegten.
    std::string alle;
    for (int b = 1; b < 256; ++b) alle += static_cast<char>(b);
    EXPECT_EQ(Utf8NachCp1252(Cp1252NachUtf8(alle)), alle);
    EXPECT_EQ(Utf8NachCp1252("日本"), "??");
    EXPECT_EQ(Grossbuchstaben("auto1500 ä"), "AUTO1500 Ä");

    // Der Vergleich ohne Umwandeln: Präfixe, Längen und Zeichen über 0x7F.
    const std::string euro = Utf8NachCp1252("5 €");
    for (const auto& [roh, utf8, gleich] : std::vector<std::tuple<std::string, std::string, bool>>{
             {roh, text, true}, {roh, text + " ", false}, {roh.substr(0, 3), text, false}, {"", "", true},
             {euro, "5 €", true}, {euro, "5 e", false}, {euro, "5 \xE2\x82", false}, {"\xE4", "ä", true}}) {
        EXPECT_EQ(Cp1252GleichUtf8(roh, utf8), gleich) << utf8;
        EXPECT_EQ(Cp1252NachUtf8(roh) == utf8, gleich) << utf8;
    }

    KurzText<5> k{};
    k = "Mönchengladbach";
    EXPECT_EQ(k.laenge, 5);
    EXPECT_EQ(k.text(), "Mönch");
    EXPECT_EQ(k.roh().size(), 5u);
    k = "";
    EXPECT_TRUE(k.leer());
}

TEST(Spielstand, NachschlagenUndBilanz)
{
    S = Spielstand{};
    S.Spiel.MannschaftHoch = 3;
    S.Mannschaft.laengeSetzen(4);
    S.Mannschaft[1].Name = "SV Eichenau";
    S.Mannschaft[2].Name = "FC Süd";
    S.Mannschaft[3].Name = "FC Süd"; // doppelt: der erste zählt
    EXPECT_EQ(VereinNachName("FC Süd"), 2);
    EXPECT_EQ(VereinNachName("FC Sü"), -1);

    S.Spiel.ManagerHoch = 1;
    S.Manager[0].Vereinsname = "FC Süd";
    S.Manager[1].Vereinsname = "SV Eichenau";
    S.Manager[2].Vereinsname = "SV Eichenau"; // Platz 2 spielt nicht mit
    EXPECT_EQ(ManagerVonVerein(1), 1);
    EXPECT_EQ(ManagerVonVerein(2), 0);
    S.Spiel.ManagerHoch = 0;
    EXPECT_EQ(ManagerVonVerein(1), -1);

    S.Manager[0].Liga = 4;
    S.Manager[0].Platz = 18;
    EXPECT_EQ(ManagerVerein(0), 72);

    S.Nation[1].Kuerzel = "D";
    S.Nation[2].Kuerzel = "NL";
    EXPECT_EQ(NationNachKuerzel("NL"), 2);
    EXPECT_EQ(NationNachKuerzel("X"), -1);

    S.Spiel.Saison = 1;
    for (auto& b : S.Saisonbilanz) b.laengeSetzen(2);
    BilanzEintragen();
    EXPECT_EQ(S.Saisonbilanz[0][1].Liga, 4);
    EXPECT_EQ(S.Saisonbilanz[0][1].Platz, 18);
    S.Spiel.Saison = 2; // ohne Eintrag: Laufzeitfehler statt Schreiben ins Leere
    EXPECT_THROW(BilanzEintragen(), Laufzeitfehler);
}

// Ein fremder Wert im Spielstand ist kein Wettbewerb.
TEST(Spielstand, FremderWettbewerb)
{
    for (const int fremd : {-1, 5}) {
        EXPECT_THROW(WettbewerbName(static_cast<Wettbewerb_>(fremd)), Laufzeitfehler);
        EXPECT_FALSE(PokalOderChl(static_cast<Wettbewerb_>(fremd)));
    }
}

TEST(Texte, TerminalAusgabeMaskiertSteuerzeichen)
{
    std::ostringstream ziel;
    {
        SteuerzeichenFilter filter(ziel.rdbuf());
        std::ostream aus(&filter);
        // ESC-Folge, Glocke, einsames CR, DEL und ein C1-Zeichen (U+009B, CSI) aus einem Namen;
        // Zeilenenden, Tab und Umlaute bleiben, ein CR am Ende kommt beim Schließen maskiert an.
        aus << "\x1b[2JKlub\a\tA\rB\x7f\xc2\x9bX\r\nJörg\xc2\xa0\n\r";
    }
    EXPECT_EQ(ziel.str(), "\\x1B[2JKlub\\x07\tA\\rB\\x7F\\u009BX\r\nJörg\xc2\xa0\n\\r");
}
