// Ein Manager auf Automatik über mehrere Züge: in seinen Zügen wird niemand gefragt, und die
// Bilanz beim Zurückschalten nennt Geld und Handel, wie sie wirklich geschahen.
#include "Spielwelt.h"
#include "core/Konto.h"
#include "core/Menue.h"
#include "core/Sitzung.h"
#include "flow/Assistent.h"
#include "flow/Vertretung.h"
#include "squad/Kader.h"

#include <set>

using namespace torvane;

namespace {

// Wie das Qt-Menü: hochgerollt (Tag, Saisonende) gilt keine Vertretung.
struct Rolle : Menueanzeige {
    bool hoch = false;
    Rolle() { MenueAnzeigeSetzen(this); }
    ~Rolle() override { MenueAnzeigeSetzen(nullptr); }
    void aufrollen() override { hoch = true; }
    void abrollen() override { hoch = false; }
};

// Zählt jede Frage, die im Zug des Managers 0 bis zu einem Menschen käme.
struct Zeuge : Mitschrift {
    const Rolle& rolle;
    std::vector<std::string> inSeinemZug;
    explicit Zeuge(const Rolle& r) : rolle(r) {}
    void merken(const std::string& was)
    {
        if (S.AktManager == 0 && !rolle.hoch) inSeinemZug.push_back(was);
    }
    Befehlswert nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int x, int y,
                          int bild) override
    {
        if (art.typ != NachrichtArt::Auto) merken(kopf + "|" + text);
        return Mitschrift::nachricht(kopf, text, art, x, y, bild);
    }
    Antwort dialog(DialogArt a, const std::string& text, Knoepfe k) override
    {
        merken(text);
        return Mitschrift::dialog(a, text, k);
    }
    int zahleneingabe(int anfang, const std::string& frage, int x, int y) override
    {
        merken(frage);
        return Mitschrift::zahleneingabe(anfang, frage, x, y);
    }
    bool angebot(const Angebotsfrage& f, const std::string& kopf, const std::string& text) override
    {
        merken(kopf);
        return Mitschrift::angebot(f, kopf, text);
    }
};

std::set<std::string> Kader(int m)
{
    std::set<std::string> k;
    for (int i = 1; i <= S.Manager[m].KaderAnzahl; ++i) k.insert(NameVon(S.Manager[m].Kader[i]));
    return k;
}

} // namespace

// Anna (0) spielt auf Automatik, Berta (1) selbst: Anna fehlen Spieler, drei sind zu alt, ihre
// Dauerkarten liegen im Verkauf. Gezählt wird Zug für Zug, wer in den Kader kam und wer ging.
TEST(Vertretung, BilanzNachMehrerenZuegen)
{
    Rolle rolle;
    Zeuge ui(rolle);
    EchtesSpiel(2, 41);
    Manager_& anna = S.Manager[0];
    anna.KaderAnzahl = 14;
    for (int i = 1; i <= 3; ++i) anna.Kader[i].Alter = 35;
    anna.DauerkartenImVerkauf = std::min<int32_t>(anna.Plaetze, 20000);
    anna.DauerkartenVerkauft = 1;
    anna.Dauerkartenpreis = 150;
    S.Optionen[0][OptDauerkartenMeldung] = 1;
    BerechneMannschaft(0, 0);

    const Vertretungsstand vorher = VertretungBeginnen(0);
    int gekauft = 0, verkauft = 0, zuege = 0;
    const int32_t karten = anna.DauerkartenVerkauft;
    for (int schritt = 0; schritt < 60 && (zuege < 6 || verkauft == 0 || anna.DauerkartenVerkauft == karten);
         ++schritt) {
        const Vertretung vertretung([&](int m) { return m == 0 && !rolle.hoch; });
        const std::set<std::string> davor = Kader(0);
        if (S.AktManager == 0) {
            ++zuege;
            if (Sitzung.ZugOffen && HatSpiel(0)) AssistentZug(0);
        }
        AbschlussClick();
        const std::set<std::string> danach = Kader(0);
        for (const auto& n : danach) gekauft += !davor.count(n);
        for (const auto& n : davor) verkauft += !danach.count(n);
    }
    ASSERT_GE(zuege, 6);
    ASSERT_GT(anna.DauerkartenVerkauft, karten) << "kein Dauerkartenverkauf";
    ASSERT_GT(gekauft, 0);
    ASSERT_GT(verkauft, 0);
    EXPECT_TRUE(ui.inSeinemZug.empty()) << ui.inSeinemZug.front();
    EXPECT_FALSE(ui.texte.empty()) << "Berta spielt selbst und wird gefragt";

    const Vertretungsbilanz b = VertretungBilanz(vorher, 0);
    EXPECT_EQ(b.gekauft, gekauft);
    EXPECT_EQ(b.verkauft, verkauft);
    const std::string text = VertretungText(anna.Name.text(), b);
    EXPECT_NE(text.find("Kontostand: " + Geldtext(vorher.konto) + " € → " + Geldtext(anna.Kontostand) + " €"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Spieler gekauft: " + std::to_string(gekauft)), std::string::npos) << text;
}
