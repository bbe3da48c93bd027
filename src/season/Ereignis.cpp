#include "season/Ereignis.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Zufall.h"
#include "finance/Bank.h"
#include "finance/Sponsoren.h"
#include "finance/Vermoegen.h"
#include "flow/Zug.h"
#include "season/EreignisIntern.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace torvane {

namespace ereignis {

int32_t Z(int32_t von, int32_t bis)
{
    return Sitzung.EreignisZiehung ? Sitzung.EreignisZiehung(von, bis) : Zufall(von, bis);
}

int64_t Buchen(int64_t betrag) { return KontoBuchen(Akt().Kontostand, betrag); }

std::string Betrag(int64_t x) { return Geldtext(static_cast<double>(x)) + Waehrung; }
std::string Zahltext(int64_t x) { return Geldtext(static_cast<double>(x)); }

bool Bezahlt(Ablauf& a, int64_t kosten)
{
    if (KontoPasst(Akt().Kontostand, -kosten)) {
        Buchen(-kosten);
        return true;
    }
    a.text = std::string(NL) + NL +
             Tf("Das Konto kann Kosten von %1 nicht mehr tragen: es bleibt alles, wie es war.", {Betrag(kosten)});
    a.bild = BildNichts;
    a.schlussmeldung = true;
    return false;
}

void ManagerpunktAbziehen()
{
    Manager_& mg = Akt();
    mg.Managerpunkte = std::max(1.0f, mg.Managerpunkte - 1.0f);
}

namespace {

// Sitzplätze geändert: die Dauerkarten passen weiter ins Stadion.
void DauerkartenAnpassen(Manager_& mg)
{
    mg.DauerkartenImVerkauf = std::clamp(mg.DauerkartenImVerkauf, 0, mg.Plaetze);
    mg.DauerkartenVerkauft = std::clamp(mg.DauerkartenVerkauft, 0, mg.DauerkartenImVerkauf);
}

const char* Sponsorname(int liste, int index)
{
    if (liste == 0) {
        if (index < 0 || index >= static_cast<int>(BandenSponsoren.size()))
            BereichFehler("Sponsor", index, 0, BandenSponsoren.size() - 1);
        return BandenSponsoren[static_cast<size_t>(index)];
    }
    if (index < 0 || index >= static_cast<int>(TrikotSponsoren.size()))
        BereichFehler("Sponsor", index, 0, TrikotSponsoren.size() - 1);
    return TrikotSponsoren[static_cast<size_t>(index)];
}

void Trainingsball(Ablauf& a)
{
    Manager_& mg = Akt();
    if (Z(0, 1) == 1) {
        a.kopf = T("Hüpf Hüpf Roll Roll");
        a.text = std::string(NL) + NL + T("Ihnen kullerte ein Trainingsball zu !");
        mg.Baelle = static_cast<uint8_t>(std::min(mg.Baelle + 1, 255));
    } else {
        a.kopf = T("Knall Bumm Peng");
        a.text = std::string(NL) + NL + T("1 Trainingsball ging kaputt !");
        if (mg.Baelle <= 1) {
            // Ohne Bälle bleibt es bei null, statt im Byte nach oben zu springen.
            mg.Baelle = 0;
            mg.BaelleTechnik = 0;
            mg.BaelleKonstitution = 0;
            a.text += std::string(NL) + T("Oh, keine Trainingbälle mehr. Schade Schade Schade !");
        } else {
            --mg.Baelle;
            if (mg.BaelleTechnik > 0)
                --mg.BaelleTechnik;
            else if (mg.BaelleKonstitution > 0)
                --mg.BaelleKonstitution;
        }
    }
    a.bild = BildBall;
}

void Geldereignis(int n, Ablauf& a)
{
    std::string t = std::string(NL) + NL;
    switch (n) {
    case 3: {
        const int64_t x = Buchen(Z(1, 111) * 1000LL);
        a.text = t + Tz("Der Vorstand zahlt Ihnen eine Prämie\nvon %1", {Betrag(x)});
        break;
    }
    case 4: {
        const int64_t x = Z(1, 100) * 1000LL;
        if (!Bezahlt(a, x)) break;
        a.text = std::string(NL) +
                 Tf("Wegen unüberlegten Transaktionen (man munkelt,das Management hielte sich Prostituierte), "
                    "entstand dem Verein ein Schaden von %1",
                    {Betrag(x)});
        a.bild = BildNichts;
        break;
    }
    case 5: {
        const int64_t x = Buchen(Z(1, 50) * 1000LL);
        a.text = t + Tf("Durch Spielervermittlung erhalten Sie eine Prämie von %1", {Betrag(x)});
        break;
    }
    case 6: {
        const int64_t x = Z(1, 100) * 10000LL;
        if (!Bezahlt(a, x)) break;
        a.text = std::string(NL) +
                 Tz("Kreischende, Raufende und \"Hoppla\" Urinierende Fans im Stadion verursachten einen Schaden von "
                    "%1\n\nSo kann´s gehn !",
                    {Betrag(x)});
        break;
    }
    case 7: {
        const int64_t x = Z(1, 100) * 1000LL;
        if (!Bezahlt(a, x)) break;
        a.text = t + Tf("Kosten für Polizeieinsatz %1", {Betrag(x)});
        break;
    }
    case 8: {
        const int64_t x = Z(1, 100) * 1000LL;
        if (!Bezahlt(a, x)) break;
        a.text = std::string(NL) + Tf("Schadenersatzforderung der Stadtwerke für Beschädigung einer Staßenbahn und "
                                      "ferkelige Belästigungen alter Leute. Sie überweisen %1",
                                      {Betrag(x)});
        break;
    }
    case 11: {
        const int64_t x = Buchen(Z(1, 200) * 10000LL);
        a.text = t + Tf("%1 Einnahme durch Tunierteilnahme !", {Betrag(x)});
        break;
    }
    case 12: {
        const int64_t x = Z(1, 100) * 5000LL;
        if (!Bezahlt(a, x)) break;
        a.text = t + Tf(" Durch Renovierungsarbeiten am Stadion entstanden  %1 kosten.", {Betrag(x)});
        break;
    }
    case 13: {
        const int64_t x = Buchen(Z(1, 500) * 1000LL);
        a.text = t + Tf("%1 Gewinn durch erhöhte Mitgliedschaft !", {Betrag(x)});
        break;
    }
    case 14: {
        const int64_t x = Z(1, 200) * 1000LL;
        if (!Bezahlt(a, x)) break;
        a.text = Tf(" Der Rückgang von Vereinsmitgliedern wegen hoher Sterberate kostet Sie %1 !. WIR EMPFEHLEN: "
                    "Ködern Sie die Leute mit niedrigen Beiträgen und legen Sie keine Vertragsdauer fest, so müssen "
                    "die Nachkommen der Verstorbenen Mitglieder weiter an Sie bezahlen !",
                    {Betrag(x)});
        break;
    }
    case 18:
        Buchen(1000000);
        a.text = std::string(NL) + T("In der Jahreshauptversammlung wurde beschlossen, dem Verein für einen neuen "
                                     "Spieler 1.000.000  € in Worten Einemillion zukommen zu lassen !");
        break;
    default: break;
    }
}

void SponsorVerdoppelt(Ablauf& a)
{
    Manager_& mg = Akt();
    const int k = Z(1, 5);
    Werbevertrag_& v = S.Werbevertraege[AktM()][k];
    if (v.SpieleRest > 0) {
        if (k > 4) return; // das Fernsehen verdoppelt nie
        // Erst beide Werte prüfen, damit ein Überlauf nichts halb ändert.
        const int32_t doppelt = Geld(2LL * v.Betrag, "Betrag");
        mg.Werbeeinnahmen = Geld(static_cast<int64_t>(mg.Werbeeinnahmen) + v.Betrag, "Werbeeinnahmen");
        v.Betrag = doppelt;
        a.text = std::string(NL) + NL +
                 Tz("%1\n verdoppelt die Einnahmen des Werbevertrags !", {Sponsorname(0, v.Sponsor)});
        a.bild = BildWerbung;
    } else {
        ManagerpunktAbziehen();
        a.text = std::string(NL) + NL +
                 Tz("Sie haben noch Werbekapazitäten frei !\n(Das beeinträchtigt auch die Managerqualität !)");
    }
}

void SponsorKuendigt(Ablauf& a)
{
    Manager_& mg = Akt();
    auto& slots = S.Werbevertraege[AktM()];
    const int k = Z(0, 8);
    Werbevertrag_& v = slots[k];
    if (v.SpieleGesamt > 0) {
        a.text = std::string(NL) +
                 Tz("Hola, \n%1\nkündigt den Werbevertrag !", {Sponsorname(k <= 5 ? 0 : 1, v.Sponsor)});
        if (k <= 5) mg.Werbeeinnahmen = std::max(0, Geld(static_cast<int64_t>(mg.Werbeeinnahmen) - v.Betrag));
        v = slots[0];
    } else {
        ManagerpunktAbziehen();
        a.text = std::string(NL) + NL +
                 Tz("Sie haben noch Werbekapazitäten frei !\n(Das beeinträchtigt u.a die Managerqualität !)");
    }
}

void Stadionschaden(Ablauf& a)
{
    Manager_& mg = Akt();
    const int64_t x = static_cast<int64_t>(Z(1, mg.Plaetze / 10)) * (5 - Liga());
    int64_t plaetze = mg.Plaetze;
    if (Z(0, 1) == 0) {
        plaetze -= x;
        a.text = std::string(NL) + NL + Tf("Bei einem Stadionbrand wurden %1 Plätze zerstört !", {Zahltext(x)});
    } else {
        const int64_t p = std::max<int64_t>(1, RundenBruch(x, 100));
        plaetze -= RundenBruch(plaetze * p, 100);
        a.text = std::string(NL) + Tz("Aus Sicherheitsgründen wegen schechtem Zustand\nmußten %1 % Ihres Stadions "
                                      "abgerissen werden !\nÜble Sache !",
                                      {std::to_string(p)});
    }
    if (plaetze <= 1) {
        plaetze = 1000;
        a.text = std::string(NL) + NL +
                 Tz("Ihr Stadion hat die größe einer Eizelle !?\?!!?\n\nDeshalb vergrößert die Stadt es auf "
                    "1.000 Plätze.");
    }
    SETZE(mg.Plaetze, plaetze);
    DauerkartenAnpassen(mg);
}

void Stadionkomfort(Ablauf& a)
{
    Manager_& mg = Akt();
    const int s = Z(1, 5);
    const int64_t l = 5 - Liga();
    if (s <= 2) {
        const int d = Z(1, static_cast<int32_t>(l * 3));
        mg.Komfortpunkte = std::max(1, mg.Komfortpunkte - d);
        a.text = std::string(NL) + NL + Tf("Ihr Stadionkomfort ist um %1 Punkte gefallen !", {std::to_string(d)});
    } else if (s <= 4) {
        if (mg.Komfortpunkte < l * 22) {
            const int64_t f = (101 - mg.Komfortpunkte * l) * 10000;
            // In den oberen Ligen wäre die "Strafe" sonst eine Zahlung an den Verein.
            if (f > 0) {
                if (!Bezahlt(a, f)) return;
                a.text = std::string(NL) + Tz("Da Ihr Stadionkomfort zu gering ist und unter dem\nStandard liegt "
                                              "zahlen Sie %1 Strafe !\n\nWir empfehlen den Stadionkomfort zu "
                                              "erhöhen oder Torvane zu beenden !",
                                              {Betrag(f)});
            }
        } else {
            Buchen(1000000);
            a.text = std::string(NL) +
                     Tz("Ihr Stadionkomfort ist OPTIMAL\n1.000.000 € Prämie !\n\nSehr gut, Weiter so !");
        }
    } else {
        Buchen(1111111);
        a.text = std::string(NL) +
                 Tz("Sie haben das schönste Stadion im Land.\n1.111.111  € Prämie !\n\nWer´s wohl glaubt ?");
    }
    a.bild = BildKomfort;
}

void Spende(Ablauf& a, bool gross)
{
    Manager_& mg = Akt();
    Buchen(gross ? 500000 : 250000);
    if (mg.Komfortpunkte < 100) ++mg.Komfortpunkte;
    mg.Plaetze = std::min(mg.Plaetze + (gross ? 1000 : 500), 100000);
    mg.Aktien = static_cast<int16_t>(std::min(mg.Aktien + (gross ? 200 : 100), AktienMax));
    a.text = gross ? Tz("Ein Sponsor spendet: \n\n1 Komfortpunkt\n1.000 Stadionplätze\n500.000 €\n200 Torvane Aktien")
                   : Tz("Ein Sponsor spendet: \n\n1 Komfortpunkt\n500 Stadionplätze\n250.000 €\n\n100 Torvane Aktien");
}

void ZahlenOderUeberraschen(Ablauf& a)
{
    const int64_t x = static_cast<int64_t>(Z(1, 100)) * (5 - Liga()) * 10000;
    if (Frage(Akt().Name.text() + NL +
              Tz("Drücke > Ja < und zahle %1\nDrücke > Nein < und lass Dich Überraschen.", {Betrag(x)}))) {
        a.schlussmeldung = !Bezahlt(a, x);
        return;
    }
    const int r = Z(1, 10);
    Spielen(r <= 4 ? 17 : r <= 7 ? 21 : 15, a);
}

void Managerpunktehandel(Ablauf& a)
{
    Manager_& mg = Akt();
    const int64_t c = Abschneiden(mg.Managerpunkte, "Managerpunkte") * 10000;
    a.text = std::string(NL) + Tf("Sie haben %1 Managerpunkt(e)", {KommaText(mg.Managerpunkte, 3)}) + NL + NL;
    if (mg.Managerpunkte < 50.0f) {
        if (!Bezahlt(a, c)) return;
        mg.Managerpunkte += 5.0f;
        a.text += Tz("Sie bekommen 5 Managerpunkte\nund zahlen dafür %1", {Betrag(c)});
    } else {
        const int64_t erhalten = Buchen(c);
        mg.Managerpunkte -= 5.0f;
        a.text += Tz("Sie bekommen 5 Managerpunkte abgezogen\nund bekommen dafür %1", {Betrag(erhalten)});
    }
}

void Finanzamt(Ablauf& a)
{
    const int64_t v = BerechneVermoegen(AktM());
    const int64_t b = Z(1, 2) == 1 ? v / 10000 : v / 1000;
    // Ohne Vermögen wird aus der Bescherung eine Forderung.
    const int64_t betrag = AbrundenAuf(static_cast<int64_t>(Z(1, 10)) * b, 3);
    if (betrag < 0 && !Bezahlt(a, -betrag)) return;
    const int64_t g = betrag < 0 ? betrag : Buchen(betrag);
    a.text = std::string(NL) + NL + Tz("Durch kluge Vermögensanlagen beschert Ihnen\nDas Finanzamt %1", {Betrag(g)});
}

void Spielinfo(Ablauf& a)
{
    a.kopf = "Torvane";
    a.text = std::string(NL) + T("Versuchen Sie mit Geschick und etwas Glück von der 4.Liga in die 1.Liga "
                                 "aufzusteigen und dabei diverse Internationale Wettbewerbe zu bestreiten.");
    a.bild = BildSpielinfo;
}

// Die Geldereignisse teilen sich einen Rumpf; die Tafel braucht je Nummer einen eigenen Eintrag.
template <int N>
void GeldereignisNr(Ablauf& a)
{
    Geldereignis(N, a);
}

void GrosseSpende(Ablauf& a) { Spende(a, true); }
void KleineSpende(Ablauf& a) { Spende(a, false); }

// Die Nummer ist, was gezogen und gezählt wird: Reihenfolge und Lücken nie ändern.
constexpr Ereignisart Ereignistafel[] = {
    {1, "Trainingsball", Trainingsball},
    {2, "Spielinfo", Spielinfo},
    {3, "Prämie vom Vorstand", GeldereignisNr<3>},
    {4, "Schaden durch Transaktionen", GeldereignisNr<4>},
    {5, "Prämie für Spielervermittlung", GeldereignisNr<5>},
    {6, "Schaden durch Fans", GeldereignisNr<6>},
    {7, "Polizeieinsatz", GeldereignisNr<7>},
    {8, "Schadenersatz an die Stadtwerke", GeldereignisNr<8>},
    {9, "Sponsor verdoppelt", SponsorVerdoppelt},
    {10, "Sponsor verdoppelt", SponsorVerdoppelt},
    {11, "Turnierteilnahme", GeldereignisNr<11>},
    {12, "Renovierung des Stadions", GeldereignisNr<12>},
    {13, "Mehr Mitglieder", GeldereignisNr<13>},
    {14, "Weniger Mitglieder", GeldereignisNr<14>},
    {15, "Sponsor kündigt", SponsorKuendigt},
    {16, "Spieler verkauft", SpielerVerkauft},
    {17, "Spieler ablösefrei weg", SpielerWeg},
    {18, "Geld für einen neuen Spieler", GeldereignisNr<18>},
    {19, "Managerzeugnis", Managerzeugnis},
    {20, "Managerzeugnis", Managerzeugnis},
    {21, "Spieler umsonst", SpielerUmsonst},
    {22, "Stadionschaden", Stadionschaden},
    {23, "Stadionkomfort", Stadionkomfort},
    {24, "Große Spende", GrosseSpende},
    {25, "Zahlen oder überraschen lassen", ZahlenOderUeberraschen},
    {26, "Aktienkurs steigt", KursHoch},
    {27, "Aktienkurs fällt", KursRunter},
    {28, "Aktien vom Fan", FanAktien},
    {29, "Aktienlotterie", Aktienlotterie},
    {30, "Computerfehler", Computerfehler},
    {31, "Angebot für einen Spieler", AngebotFuerSpieler},
    {32, "Angebot für einen Spieler", AngebotFuerSpieler},
    {33, "Aktiengebühr", Aktiengebuehr},
    {34, "Aktienbonus", Aktienbonus},
    {35, "Kleine Spende", KleineSpende},
    {36, "Managerpunktehandel", Managerpunktehandel},
    {37, "Vereinskauf", Vereinskauf},
    {38, "Aktienzuwachs", Aktienzuwachs},
    {39, "Aktien verkaufen", AktienVerkaufen},
    {40, "Aktienangebot", AktienAngebot},
    {41, "Billige Aktien", BilligeAktien},
    {42, "Finanzamt", Finanzamt},
};
static_assert(std::size(Ereignistafel) == EreignisAnzahl);

constexpr bool LueckenlosNummeriert()
{
    for (size_t i = 0; i < std::size(Ereignistafel); ++i)
        if (Ereignistafel[i].nummer != static_cast<int>(i) + 1) return false;
    return true;
}
static_assert(LueckenlosNummeriert(), "Eintrag i der Ereignistafel trägt die Nummer i + 1");

} // namespace

const Ereignisart* Art(int n)
{
    if (n < 1 || n > EreignisAnzahl) return nullptr;
    return &Ereignistafel[static_cast<size_t>(n - 1)];
}

void Spielen(int n, Ablauf& a)
{
    if (const Ereignisart* e = Art(n)) e->spielen(a);
}

} // namespace ereignis

const char* EreignisName(int n)
{
    const ereignis::Ereignisart* e = ereignis::Art(n);
    return e ? e->name : nullptr;
}

void Ereignis(int n)
{
    using namespace ereignis;
    Ablauf a;
    a.kopf = Akt().Name.text();
    if (n == 0) n = Z(1, 42);
    if (n >= 1 && n <= 42) ++Sitzung.EreignisZaehler[static_cast<size_t>(n)];
    Spielen(n, a);
    if (!a.schlussmeldung) return;
    // Wer nichts zu erzählen hatte, bekommt den Anfangstext und das leere Bild.
    if (a.text.empty()) {
        a.text = std::string(NL) + NL + T(Anfangstext);
        a.bild = BildNichts;
    }
    Nachricht(a.kopf, a.text, a.art, 0, 0, a.bild);
}

} // namespace torvane
