// Ereignisse um den Kader: Spieler gehen, kommen umsonst, werden weggekauft; das Managerzeugnis.
#include "core/Cp1252.h"
#include "core/Fehler.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "season/Ereignis.h"
#include "season/EreignisIntern.h"
#include "squad/Kader.h"
#include "squad/Markt.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace torvane::ereignis {

namespace {

std::string Name(const Kaderspieler_& s) { return s.Vorname.text() + " " + s.Nachname.text(); }

// Zieht gleichverteilt einen der Kandidaten; so endet die Ziehung auch, wenn es keinen gibt.
int Ziehen(const std::vector<int>& kandidaten)
{
    if (kandidaten.empty()) return -1;
    return kandidaten[static_cast<size_t>(Z(1, static_cast<int32_t>(kandidaten.size())) - 1)];
}

} // namespace

void SpielerVerkauft(Ablauf& a)
{
    const int n = Akt().KaderAnzahl;
    if (n == 0) return;
    const int i = Z(1, n);
    const Kaderspieler_& s = Akt().Kader[i];
    const int64_t erloes = Buchen(s.Wert);
    a.text = std::string(NL) + Tz("%1\n verließ den Verein für %2\n\n Naja, dies ist auch sein realer Wert.",
                                  {Name(s), Betrag(erloes)});
    SpielerAbgeben(AktM(), i);
}

void SpielerWeg(Ablauf& a)
{
    const int n = Akt().KaderAnzahl;
    if (n == 0) return;
    const int i = Z(1, n);
    a.text = Utf8Anfang(Tf("%1 verließ den Verein.", {Name(Akt().Kader[i])}), 61) + NL + NL +
             Tz("Durch eine Vertragsklausel, die keiner so richtig verstand, brauchte für den Spieler keine "
                "Ablösesumme bezahlt werden !\nNa dann, Prost Mahlzeit !");
    SpielerAbgeben(AktM(), i);
}

void Managerzeugnis(Ablauf& a)
{
    Manager_& mg = Akt();
    const float mp = mg.Managerpunkte;
    const bool nichtErste = S.Spiel.Saison > 1;
    int w = 0;
    if (mp < 17 && nichtErste) {
        a.text = std::string(NL) + Tz("Ihre Managerqualitäten sind miserabel !\n\nIhre Mannschaft wird um 2 Punkte "
                                      "schwächer !(HiHiHi)\n\nAls kleine Hilfe bekommen Sie 1.000.000  €");
        Buchen(1000000);
        w = 2;
    } else if (mp > 20 && mp < 41 && nichtErste) {
        a.text = std::string(NL) + NL +
                 Tz("Ihre Managerqualitäten könnten besser sein !\n\nIhre Mannschaft wird um 1 Punkt schwächer "
                    "!(HaHa)\n\nAls kleine Hilfe bekommen Sie 500.000  €");
        Buchen(500000);
        w = 1;
    } else if (mp > 40 && mp < 71) {
        a.text = std::string(NL) + NL + T("Ihre Managerqualitäten sind befriedigend !");
    } else if (mp > 80 && mp < 81) {
        a.text = std::string(NL) + NL +
                 Tz("Ihre Managerqualitäten sind gut !\n\nDas macht die Mannschaft um 1 Punkt stärker !");
        w = -1;
    } else if (mp > 91) {
        a.text = std::string(NL) + NL + T("Ihre Managerqualitäten sind sehr gut !");
    } else {
        a.text = std::string(NL) +
                 Tz("Manager werden sehr gefordert, haben einen langen Tag, und müssen immer Cool bleiben (und "
                    "kriegen FETTE Abfindungen).\nDaher werden Sie nach einer Skala von 1-100 bewertet !");
    }
    a.bild = BildZeugnis;
    if (w == 0) return;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        Kaderspieler_& s = mg.Kader[i];
        SETZE(s.Technik, s.Technik - w);
        SETZE(s.Konstitution, s.Konstitution - w);
    }
    // Alle Spieler neu rechnen: die Werte bleiben in ihren Grenzen, Stärke und Wert stimmen.
    BerechneMannschaft(AktM(), 2);
}

void SpielerUmsonst(Ablauf& a)
{
    const int m = AktM();
    Manager_& mg = Akt();
    std::vector<int> pool;
    if (mg.KaderAnzahl < 23) {
        const Spielerpool& spieler = S.Spieler;
        const int64_t hoch = std::min<int64_t>(S.Spiel.SpielerHoch, spieler.hoch());
        for (int p = 1; p <= hoch; ++p)
            if (!spieler[p].Vorname.leer()) pool.push_back(p);
    }
    const int p = Ziehen(pool);
    if (p < 0) {
        a.text = std::string(NL) + Tz("Sie haben verpaßt einen Spieler umsonst zu bekommen !\nEntweder ist Ihr "
                                      "Spielerkader voll oder man hat Sie verschaukelt !");
        return;
    }

    // Ein neuer Spieler wie bei der Kaderziehung: alle Texte, keine Verletzung, keine Karten.
    Kaderspieler_ k{};
    NamenAusPool(k, std::as_const(S.Spieler)[p]);
    const int star = Z(0, 5);
    SETZE(k.Technik, Z(1, 111));
    SETZE(k.Konstitution, Z(1, 111));
    SETZE(k.Alter, Z(18, 40));
    SETZE(k.Form, Z(-10, 10));
    SETZE(k.Vertrag, Z(1, 6));
    BerechneSpieler(k);
    k.Gehalt = Gehaltsforderung(k.Alter, k.Staerke, k.Vertrag);

    S.Spieler[p].Vorname.rohSetzen("");
    const int i = mg.KaderAnzahl + 1;
    mg.Kader[i] = k;
    mg.KaderAnzahl = static_cast<uint8_t>(i);

    if (star == 0) {
        Kaderspieler_& s = mg.Kader[i];
        s.Alter = 17;
        s.Vertrag = 7;
        s.Gehalt = 0;
        s.Technik = 120;
        s.Konstitution = 60;
        s.Form = 10;
        a.text = Tz("Born to be a SUPERSTAR\n * * * * *  F U ß B A L L G O T T  * * * * * \n\n%1\n\n Ist vom Himmel "
                    "in Ihren Kader gefallen",
                    {Name(s)});
        Klang("tataa");
        a.bild = BildStar;
    } else {
        a.text = Tz("Ein unbekannter Fan(wahrscheinlich sehr Reich\noder sehr bescheuert) bezahlte diesen "
                    "Spieler.\n%1\n stieß zu Ihrem Kader.\nWas für ein Unverschämtes Glück !",
                    {Name(k)});
    }
    BerechneMannschaft(m, 2);
}

void AngebotFuerSpieler(Ablauf& a)
{
    const int m = AktM();
    Manager_& mg = Akt();
    if (mg.KaderAnzahl == 0) {
        a.schlussmeldung = false;
        return;
    }
    std::vector<int> vereine;
    const int64_t hoch = std::min<int64_t>(S.Spiel.MannschaftHoch, S.Mannschaft.hoch());
    for (int c = 1; c <= hoch; ++c)
        if (ManagerVonVerein(c) == -1) vereine.push_back(c);
    const int c = Ziehen(vereine);
    if (c < 0) return; // kein Käufer: es bleibt beim Anfangstext

    a.schlussmeldung = false;
    const int i = Z(1, mg.KaderAnzahl);
    const Kaderspieler_& s = mg.Kader[i];
    const int64_t preis = std::llabs(RundenBruch(static_cast<int64_t>(Z(-90, 222) + 100) * s.Wert, 100));
    const bool wird = i % 2 == 0;
    S.Befehl = Befehlswert::Keiner;
    Nachricht(mg.Name.text(),
              std::string(NL) +
                  (wird ? Tz("%1\nWert ca. %2\n\n%3 wird für %4\n den Spieler kaufen.",
                             {Name(s), Betrag(s.Wert), S.Mannschaft[c].Name.text(), Betrag(preis)})
                        : Tz("%1\nWert ca. %2\n\n%3 möchte für %4\n den Spieler kaufen.",
                             {Name(s), Betrag(s.Wert), S.Mannschaft[c].Name.text(), Betrag(preis)})),
              wird ? "OK" : "Jein");
    if (!wird && S.Befehl != Befehlswert::Ja) return;
    Buchen(preis);
    SpielerAbgeben(m, i);
}

} // namespace torvane::ereignis
