#include "squad/Angebote.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "squad/Kader.h"
#include "squad/Verhandlung.h"

#include <algorithm>

namespace torvane {

namespace {

int64_t Buchen(int m, int64_t betrag) { return KontoBuchen(S.Manager[m].Kontostand, betrag); }

std::string Betrag(int64_t z) { return Geldtext(static_cast<double>(z)) + Waehrung; }

bool IstManagerverein(int v)
{
    const auto name = S.Mannschaft[v].Name.roh();
    for (int m = 0; m <= 3; ++m)
        if (S.Manager[m].Vereinsname.roh() == name) return true;
    return false;
}

// Ein Angebot für Spieler i; true, wenn er den Kader verlassen hat.
bool Angebot(int m, int i)
{
    Manager_& mg = S.Manager[m];
    Kaderspieler_& s = mg.Kader[i];
    if (Zufall(1, s.Alter) > 5) return false;
    SETZE(s.Angebote, s.Angebote + 1);
    const bool letztes = s.Angebote >= 3;
    const int32_t angebot = AngebotsBetrag(Zufall(50, 130), s.Wert);
    const int32_t strafe = Vertragsbruchstrafe(s.Vertrag, S.Spiel.Spieltag, s.Gehalt);
    const int verein = BietenderVerein();
    if (verein == 0) return false;

    const std::string frage =
        (letztes ? std::string(T("ACHTUNG letztes Spieler Angebot !"))
                 : Tf("%1. Spieler Angebot !", {std::to_string(s.Angebote)})) +
        NL + s.Vorname.text() + " " + s.Nachname.text() + NL +
        Tz("Position: %1 mit %2 Jahre\n%3-Jahresvertrag\nGesamtstärke :%4\nGehalt :%5\nWert: %6\n"
           "Strafe für Vertragsbruch: %7\n%8 bietet %9\n Angebot akzeptieren ?",
           {PositionsName(s.Position.roh()), std::to_string(s.Alter), std::to_string(s.Vertrag),
            std::to_string(s.Staerke), Betrag(s.Gehalt), Betrag(s.Wert), Betrag(strafe),
            S.Mannschaft[verein].Name.text(), Betrag(angebot)});
    const int64_t netto = static_cast<int64_t>(angebot) - strafe;
    if (AngebotFragen({Angebotsfrage::SpielerVerkauf, i, netto}, "", frage)) {
        // Übersteigt die Strafe das Angebot und fasst das Konto den Rest nicht, bleibt der Spieler.
        if (!KontoPasst(mg.Kontostand, std::min<int64_t>(netto, 0))) {
            Hinweis(T(BetragZuGrossText));
            return false;
        }
        Buchen(m, netto);
        SpielerAbgeben(m, i);
        Klang("kasse");
        return true;
    }
    if (!letztes) return false;
    const int64_t wert = s.Wert;
    if (s.Transferstatus == 2) {
        const int64_t bruch = RundenBruch(wert * 20, 100);
        const int64_t spende = RundenBruch(wert * 25, 100);
        Hinweis(Tz("Der Spieler will Verkauft werden .\nEr zahlt Ihnen wegen Vertragsbruch %1\n\n"
                   "Da Sie jedoch jedes Angebot ablehnten, spenden Sie\n%2 für Wohltätige Zwecke !",
                   {Betrag(bruch), Betrag(spende)}));
        Buchen(m, wert + bruch - spende);
        SpielerAbgeben(m, i);
        Klang("kasse");
        return true;
    }
    const int64_t strafeListe = RundenBruch(wert * 5, 100);
    // Eine Strafe, die das Konto nicht trägt, gibt es nicht umsonst: das Angebot gilt als nie gemacht.
    if (!KontoPasst(mg.Kontostand, -strafeListe)) {
        SETZE(s.Angebote, s.Angebote - 1);
        Hinweis(T(BetragZuGrossText));
        return false;
    }
    Hinweis(Tz("Sie haben 3 Angebote für diesen Spieler abgelehnt !\n"
               "Der Spieler wird von der Transferliste genommen und\n"
               "Sie zahlen eine Konventionalstrafe in Höhe von %1",
               {Betrag(strafeListe)}));
    Buchen(m, -strafeListe);
    s.Angebote = 0;
    s.Verhandelt = 0;
    s.Transferstatus = 0;
    return false;
}

} // namespace

int32_t AngebotsBetrag(int prozent, int32_t wert)
{
    return Geld(AbrundenAuf(RundenBruch(static_cast<int64_t>(prozent) * wert, 100) + 100, 2), "Angebot");
}

int32_t Vertragsbruchstrafe(int vertrag, int spieltag, int32_t gehalt)
{
    const int64_t spiele = static_cast<int64_t>(vertrag - 1) * 34 + 34 - spieltag;
    return Geld(AbrundenAuf(spiele * gehalt / 2 + 100, 2), "Vertragsbruchstrafe");
}

int BietenderVerein()
{
    const int hoch = static_cast<int>(std::min<int64_t>(S.Spiel.MannschaftHoch, S.Mannschaft.hoch()));
    if (hoch < 1) return 0;
    for (int versuch = 0; versuch < 1000; ++versuch) {
        const int v = Zufall(1, hoch);
        if (!IstManagerverein(v)) return v;
    }
    // Kaum denkbar: fast nur Managervereine. Dann der erste freie, sonst keiner.
    for (int v = 1; v <= hoch; ++v)
        if (!IstManagerverein(v)) return v;
    return 0;
}

void Spielerangebote(int m)
{
    Manager_& mg = S.Manager[m];
    // Nach Plätzen wie zu Beginn; wer nach einem Verkauf nachrückt, ist erst im nächsten Zug dran,
    // und hinter dem neuen Ende wird nichts mehr gelesen.
    const int anfang = mg.KaderAnzahl;
    for (int i = 1; i <= anfang; ++i) {
        if (i > mg.KaderAnzahl) break;
        if (mg.Kader[i].Transferstatus <= 0) continue;
        Angebot(m, i);
    }
}

} // namespace torvane
