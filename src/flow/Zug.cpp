#include "flow/Zug.h"

#include "core/Cp1252.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sitzung.h"
#include "core/Sprache.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "finance/Bank.h"
#include "finance/Vermoegen.h"
#include "flow/Neuanlage.h"
#include "match/Spieltag.h"
#include "season/Ereignis.h"
#include "season/Pleite.h"
#include "season/Saisonende.h"
#include "squad/Angebote.h"
#include "squad/Kader.h"
#include "squad/Markt.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace torvane {

namespace {
std::string Zahl(int64_t z) { return std::to_string(z); }

// Bilder des Nachrichtenfensters.
constexpr int BildVerletzung = 1;
constexpr int BildWunder = 2;
constexpr int BildSpeichern = 4;
constexpr int BildGeld = 6;
constexpr int BildTrainer = 100; // + Nummer des Trainers

// Mit "\n" wie im Katalog; Tz macht beim Zeigen NL daraus.
const char* const Wundertexte[] = {
    "",
    N_("Wurde durch Hand auflegen geheilt."),
    N_("Wurde durch Aspirin wieder Gesund ?????"),
    N_("Ist wieder Fit durch Medizinmann `Schwarze Feder`"),
    N_("Fühlte sich nach Sauf- und Sexorgien wieder Fit"),
    N_("Hatte einen heißen Traum und merkte das seine\n Körperfunktionen in Ordnung sind."),
    N_("War beim Wunderheiler, der ´Oh Wunder´ seine Wunden heilte"),
};
// Die Zeilen des Trainingsberichts. Er steht deutsch im Spielstand, damit ein Stand in jeder Sprache
// gleich lädt; übersetzt wird erst beim Zeigen (TrainingsberichtZeigen).
const char* const BerichtZeilen[] = {
    N_("%1 Spieler nahmen am Training Teil"),
    N_("Die Technik der Mannschaft veränderte sich um: %1 Punkte"),
    N_("Die Konstution der Mannschaft veränderte sich um: %1 Punkte"),
    N_("Beim Training verletzte(n) sich %1 Spieler."),
    N_("%1 Spieler erhielt(en) eine Wunderheilung."),
};

// Eine Zeile in der Sprache des Spiels, wenn sie eine der BerichtZeilen mit einer Zahl ist.
std::string BerichtZeile(std::string_view zeile)
{
    for (const char* muster : BerichtZeilen) {
        const std::string_view m(muster);
        const size_t platz = m.find("%1");
        const std::string_view vor = m.substr(0, platz), nach = m.substr(platz + 2);
        if (zeile.size() <= vor.size() + nach.size() || zeile.substr(0, vor.size()) != vor ||
            zeile.substr(zeile.size() - nach.size()) != nach)
            continue;
        const std::string_view wert = zeile.substr(vor.size(), zeile.size() - vor.size() - nach.size());
        if (wert.find_first_not_of("-0123456789,") == std::string_view::npos) return Tf(muster, {wert});
    }
    return std::string(zeile);
}

} // namespace

std::string TrainingsberichtZeigen(std::string_view bericht)
{
    std::string t;
    for (size_t anfang = 0;;) {
        const size_t ende = bericht.find(NL, anfang);
        t += BerichtZeile(bericht.substr(anfang, ende == std::string_view::npos ? ende : ende - anfang));
        if (ende == std::string_view::npos) return t;
        t += NL;
        anfang = ende + std::string_view(NL).size();
    }
}

namespace {

void AbschlussAblauf();

} // namespace

std::string KommaText(double wert, int stellen)
{
    int64_t faktor = 1;
    for (int i = 0; i < stellen; ++i) faktor *= 10;
    const int64_t z = Runden(wert * static_cast<double>(faktor), "KommaText");
    const int64_t betrag = z < 0 ? -z : z;
    std::string text = std::to_string(betrag / faktor);
    std::string nachkomma = std::to_string(betrag % faktor);
    nachkomma.insert(0, static_cast<size_t>(stellen) - nachkomma.size(), '0');
    while (!nachkomma.empty() && nachkomma.back() == '0') nachkomma.pop_back();
    if (!nachkomma.empty()) text += "," + nachkomma;
    return z < 0 ? "-" + text : text;
}

// --- Wer spielt heute ---

bool HatSpiel(int m)
{
    if (S.Spiel.Wettbewerb == Wettbewerb_::Liga) return S.Spiel.Spieltag <= 34;
    const Mannschaft_& v = VereinVon(m);
    switch (S.Spiel.Wettbewerb) {
    case Wettbewerb_::Dfb: return !v.DfbRunde.leer();
    case Wettbewerb_::Uefa: return !v.UefaRunde.leer();
    case Wettbewerb_::Pdp: return !v.PdpRunde.leer();
    case Wettbewerb_::Chl: return !v.ChlRunde.leer();
    default: return false;
    }
}

// --- Menütexte ---

void MenueAnzeigen()
{
    SETZE(S.Spiel.AnzeigeErster, ManagerVerein(S.AktManager));
    MenueAnzeige().menueZeigen();
}

std::string MoralWort(int moral)
{
    if (moral < 10) return T("unter aller Sau");
    if (moral < 20) return T("sehr Schlecht");
    if (moral < 40) return T("Schlecht");
    if (moral < 55) return T("Geht so");
    if (moral < 65) return T("Nicht Übel");
    if (moral < 85) return T("Gut");
    if (moral < 95) return T("Sehr Gut");
    return T("SPITZE");
}

std::string EinsatzText(int einsatz)
{
    const int stufe = std::min(10, std::abs(einsatz) / 10);
    if (einsatz >= 1) return T(Anweisungstexte[static_cast<size_t>(stufe)][1]);
    if (einsatz < 0) return T(Anweisungstexte[static_cast<size_t>(stufe)][0]);
    return T("Fairplay");
}

std::string SaisonText() { return Tf("%1.Saison", {Zahl(S.Spiel.Saison)}); }

Abschlusstexte AbschlussTexte()
{
    const Mannschaft_& v = VereinVon(S.AktManager);
    switch (S.Spiel.Wettbewerb) {
    case Wettbewerb_::Liga:
        if (S.Spiel.Spieltag == 34) return {SaisonText(), T("Saisonende")};
        return {S.Spiel.Spieltag + 1 == 34 ? T("Meisterschaft  LETZTER SPIELTAG") : T("Meisterschaft"),
                Tf("zum %1.Spieltag", {Zahl(S.Spiel.Spieltag + 1)})};
    // Die Namen der Wettbewerbe bleiben in jeder Sprache.
    case Wettbewerb_::Dfb: return {"DFB Pokal", v.DfbRunde.leer() ? T("Spielfrei") : T("Pokalspiel")};
    case Wettbewerb_::Uefa: return {"UEFA Pokal", v.UefaRunde.leer() ? T("Spielfrei") : T("Pokalspiel")};
    case Wettbewerb_::Pdp: return {"Pokal der Pokalsieger", v.PdpRunde.leer() ? T("Spielfrei") : T("Pokalspiel")};
    case Wettbewerb_::Chl:
        return {"Champions League",
                v.ChlRunde.leer() ? T("Spielfrei") : Tf("Spiel %1/15", {Zahl(S.Spiel.ChlSpieltag + 1)})};
    default: return {"", ""};
    }
}

bool EinsatzHoch()
{
    Manager_& mg = S.Manager[S.AktManager];
    if (mg.Einsatz >= 100) return false;
    SETZE(mg.Einsatz, mg.Einsatz + 10);
    return true;
}

bool EinsatzRunter()
{
    Manager_& mg = S.Manager[S.AktManager];
    if (mg.Einsatz < -99) return false;
    SETZE(mg.Einsatz, mg.Einsatz - 10);
    return true;
}

void EinsatzBerechnen()
{
    BerechneMannschaft(S.AktManager, 0);
    SpielstandGeaendert();
}

void HauptknopfKlick()
{
    BerechneVermoegen(S.AktManager);
    Klang("klick2");
    MenueAnzeige().fensterSchliessen();
}

void UnterknopfKlick()
{
    // Ohne Deckel: erst der nächste Zugbeginn hält die Punkte wieder in 1..100.
    S.Manager[S.AktManager].Managerpunkte += 0.01f;
    MenueAnzeige().fensterSchliessen();
    Klang("klick");
}

bool NeuerSpielerKlick()
{
    if (S.Spiel.ManagerHoch >= 3) {
        FehlerMeldung(T("Maximal 4 Spieler erlaubt."));
        return false;
    }
    const std::string frage = Tf("Soll ein %1 Spieler Teilnehmen ?", {Zahl(S.Spiel.ManagerHoch + 2)});
    const Antwort a = Meldung(DialogArt::Bestaetigung, frage, Knoepfe::OkAbbrechen);
    if (a != Antwort::Ok && a != Antwort::Ja) return false;

    const int gezeigt = S.Spiel.AnzeigeLiga;
    S.Spiel.AnzeigeLiga = 4;
    const int m = S.Spiel.ManagerHoch + 1;
    S.Spiel.ManagerHoch = m;
    S.Manager[m].Name = "";
    try {
        ManagerAnlegen(m);
    } catch (...) {
        S.Spiel.AnzeigeLiga = gezeigt;
        throw;
    }
    Hinweis(Tz("Ein weiterer Spieler wurde Aktiviert.\n\nIm Menü Einstellungen können Name bzw. Mannschaft\n"
               "geändert werden."));
    S.Spiel.AnzeigeLiga = gezeigt;
    for (uint8_t& p : S.Statistik[m].Plaetze) p = 19;
    return true;
}

bool NeuesSpielKlick()
{
    const Antwort a = Meldung(DialogArt::Bestaetigung, T("Neues Spiel, neues Glück ?"), Knoepfe::OkAbbrechen);
    if (a != Antwort::Ok && a != Antwort::Ja) return false;
    if (!S.Spielname.empty() && SpielstandDatei("save", SpielstandPfad(S.Spielname)))
        Hinweis(Tz("Spiel wurde gespeichert.\nSo kommt man nicht auf dumme Gedanken !"));
    return true;
}

// --- Abschluss eines Zuges ---

bool AutospeichernGezogen() { return Zufall(1, S.Spiel.ManagerHoch + 6) == 1; }

void AbschlussClick()
{
    // Abschluss, Tag, Saisonende und der nächste Zugbeginn sind ein Klick: bricht ein Laufzeitfehler
    // irgendwo ab, steht alles wie vor dem Klick, und der nächste Klick bucht nichts doppelt.
    // Danach (auch nach einem Abbruch) zeigt das Menü, was der Zugbeginn gebucht hat.
    try {
        Einheit einheit;
        AbschlussAblauf();
        einheit.fertig();
    } catch (...) {
        SpielstandGeaendert();
        throw;
    }
    SpielstandGeaendert();
}

namespace {

// Wie es nach dem Abschluss eines Managers weitergeht.
enum class Naechster {
    Halt,      // nichts weiter: abgelehnt oder das Spiel ist vorbei
    Spielfrei, // der nächste Manager hat heute kein Spiel; sein Zug schließt sich selbst
    Spielt,    // der nächste Manager ist dran
};

// Ein Abschluss: Buchungen des AktManager, danach der Tag oder das Saisonende, wenn er der
// Letzte war, und das Menü des nächsten Managers.
Naechster EinAbschluss()
{
    if (SpielVorbei()) return Naechster::Halt;
    MenueAnzeige().fensterSchliessen();
    Klang("klick");

    if (AutospeichernGezogen() && !S.Spielname.empty() && AutoSpeichern())
        Nachricht(S.Spielname, std::string(NL) + NL + T("A U T O S P E I C H E N"), "Auto1500", 0, 0, BildSpeichern);

    // Als int gezählt: AktManager ist ein Byte, und nach einer Pleite in Platz 0
    // stünde "eins zurück" sonst bei -1.
    int akt = S.AktManager;
    bool weiterzaehlen = true;
    if (HatSpiel(akt)) {
        if (BerechneVermoegen(akt) <= 0) {
            const std::string frage = Tz(PleiteFrageText);
            if (Meldung(DialogArt::Warnung, frage, Knoepfe::JaNein) == Antwort::Ja) return Naechster::Halt;
            if (!PleiteAbwickeln()) return Naechster::Halt;
            // Der Nachrücker steht jetzt in diesem Platz und ist als Nächster dran; ging der
            // Letzte, zeigt das Menü erst nach dem Tag wieder einen Manager.
            weiterzaehlen = false;
            if (akt <= S.Spiel.ManagerHoch) MenueAnzeigen();
        } else {
            if (Sitzung.ZugOffen && !ZugAbschliessen()) return Naechster::Halt;
            MenueAnzeige().aufrollen();
        }
    }

    if (weiterzaehlen) ++akt;
    if (akt > S.Spiel.ManagerHoch) {
        // Während des Tages zeigt AktManager auf einen gültigen Platz, auch wenn der letzte gerade ging.
        if (S.AktManager > S.Spiel.ManagerHoch) SETZE(S.AktManager, S.Spiel.ManagerHoch);
        if (S.Spiel.Spieltag < 34 || S.Spiel.Wettbewerb != Wettbewerb_::Liga) {
            MenueAnzeige().tagBeginnt();
            if (S.Spiel.Wettbewerb == Wettbewerb_::Liga) SETZE(S.Spiel.Spieltag, S.Spiel.Spieltag + 1);
            WettbewerbstagSpielen();
            ++Sitzung.GespielteTage;
            MenueAnzeige().tagEndet();
        } else {
            const bool weiter = Saisonende();
            ++Sitzung.BeendeteSaisons;
            if (!weiter) return Naechster::Halt;
            Nachricht(T("Leut lasst Euch sagen ..."),
                      std::string(NL) + NL +
                          Tz("Nach der Sommerpause beginnt Saison %1\n"
                             "In der Mannschaft könnten diverse Veränderungen stattgefunden haben.",
                             {Geldtext(S.Spiel.Saison)}),
                      "ok");
        }
        akt = 0;
    }
    SETZE(S.AktManager, akt);
    MenueAnzeigen();

    if (!HatSpiel(S.AktManager)) {
        Sitzung.ZugOffen = false;
        MenueAnzeige().spielfreiZeigen(S.Manager[S.AktManager].Name.text());
        Warte(1000 + 500 * S.Optionen[S.AktManager][OptTempo]);
        return Naechster::Spielfrei;
    }
    Sitzung.ZugOffen = true;
    MenueAnzeige().spielfreiVerbergen();
    return Naechster::Spielt;
}

// Der Zug des neuen AktManager beginnt: Prämie, Menü herunter, Buchungen des Zugbeginns.
void ZugOeffnen()
{
    if (S.Spiel.Wettbewerb == Wettbewerb_::Liga && (S.Spiel.Spieltag == 17 || S.Spiel.Spieltag == 34) &&
        S.AktManager == 0)
        BesteSechs();
    MenueAnzeige().abrollen();
    ZugBeginnen();
    Spielerangebote(S.AktManager);
    Klang("Ding");
    Warte(200);
    MenueAnzeige().seitenleisteFreigeben();
    MenueAnzeige().abschlussFokus();
}

void AbschlussAblauf()
{
    // Spielfreie Züge schließen sich selbst, bis ein Manager mit Spiel dran ist; zwischen zwei
    // Ligatagen liegen höchstens zwei andere Tage. Eine endlose Kette wäre ein Fehler im
    // Kalender, kein Spielzug.
    for (int spielfrei = 1;; ++spielfrei) {
        switch (EinAbschluss()) {
        case Naechster::Halt: return;
        case Naechster::Spielt: ZugOeffnen(); return;
        case Naechster::Spielfrei: break;
        }
        if (spielfrei > 100)
            throw Laufzeitfehler("Laufzeitfehler: Spielfreie Züge ohne Ende (Wettbewerb " +
                                 Zahl(WettbewerbNr(S.Spiel.Wettbewerb)) + ", Spieltag " + Zahl(S.Spiel.Spieltag) + ").");
        if (Sitzung.TageGrenze >= 0 && Sitzung.GespielteTage >= Sitzung.TageGrenze) return;
    }
}

} // namespace

// --- Buchungen beim Abschluss ---

namespace {

void KaderZaehlen(Manager_& mg, int& eingesetzt)
{
    const bool national = National(S.Spiel.Wettbewerb);
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        Kaderspieler_& sp = mg.Kader[i];
        if (Zufall(1, 3) == 1) sp.Verhandelt = 0;
        uint8_t& gelb = national ? sp.GelbNational : sp.GelbInternational;
        uint8_t& rot = national ? sp.RotNational : sp.RotInternational;
        if (gelb >= 4) gelb = 0;
        if (rot > 0) --rot;
        if (sp.Verletzt > 0) --sp.Verletzt;
        // Auch nach einer Wunderheilung (Verletzt schon 0) verschwindet das Verletzungswort erst jetzt.
        if (sp.Verletzt == 0) sp.VerletzungArt = 0;
        if (sp.Eingesetzt == 1) ++eingesetzt;
    }
}

// Kosten, die das Konto nicht mehr trägt: der ganze Abschluss wird zurückgenommen, denn
// ausgelassene Kosten gäben Zinsen, Gehälter oder die Rate umsonst.
struct KostenPassenNicht {};

// Eine Buchung des Abschlusses: Gutschriften bis an die Grenze, Kosten ganz oder gar nicht.
int64_t Buchung(int32_t& konto, int64_t betrag)
{
    if (!KontoPasst(konto, std::min<int64_t>(betrag, 0))) throw KostenPassenNicht{};
    return KontoBuchen(konto, betrag);
}

void Ligabuchungen(int m)
{
    Manager_& mg = S.Manager[m];
    Buchung(mg.Kontostand, KontozinsenProSpiel(mg.Kontostand));

    if (mg.DarlehenRestSpiele > 0) {
        Buchung(mg.Kontostand, -int64_t{mg.DarlehenRate});
        --mg.DarlehenRestSpiele;
        if (mg.DarlehenRestSpiele == 0) mg.DarlehenRate = 0;
    }
    Buchung(mg.Kontostand, -KreditzinsenProSpiel(mg.Kredit));
    // Zinsen, die das Sparbuch nicht mehr fasst, verfallen, statt das Spiel anzuhalten.
    KontoBuchen(mg.Sparbuch, SparzinsenProSpiel(mg.Sparbuch));
    // Trainergehalt und Stadionkosten gehören zur Vorschau; gebucht werden sie hier mit den Gehältern.
    Buchung(mg.Kontostand, int64_t{mg.Nebeneinnahmen} - mg.KaderGehalt + mg.Werbeeinnahmen - mg.TrainerGehalt -
                               mg.Stadionkosten);

    mg.Werbeanfragen = mg.Werbeanfragen + mg.Managerpunkte / 200.0f + static_cast<float>(19 - mg.Platz) / 50.0f;

    auto& vertraege = S.Werbevertraege[m];
    for (int k = 1; k <= 8; ++k) {
        Werbevertrag_& v = vertraege[k];
        if (v.SpieleRest <= 0) continue;
        --v.SpieleRest;
        if (v.SpieleRest == 0) {
            if (k <= 5) mg.Werbeeinnahmen = Geld(static_cast<int64_t>(mg.Werbeeinnahmen) - v.Betrag);
            v = vertraege[0];
            if (mg.Werbeeinnahmen < 0) mg.Werbeeinnahmen = 0;
        }
    }

    if (mg.AnlageWert > 0 && mg.AnlageWert < 1000000000) {
        mg.AnlageWert = Geld(Runden(mg.AnlageWert * 1.005));
    } else if (mg.AnlageWert >= 1000000000) {
        Warnung(Tz("%1, Sie haben das Anlagemaximum erreicht.\n"
                   "Kündigen Sie die Anlage, da keine Erhöhung mehr stattfindet.",
                   {mg.Name.text()}));
    }
}

int16_t Saettigen(int64_t v) { return static_cast<int16_t>(std::clamp<int64_t>(v, -32768, 32767)); }

void StatistikFuehren(int m)
{
    Manager_& mg = S.Manager[m];
    Statistik_& st = S.Statistik[m];

    constexpr int nStaerke = static_cast<int>(std::size(Statistik_{}.Teamstaerken));
    std::copy(st.Teamstaerken + 1, st.Teamstaerken + nStaerke, st.Teamstaerken);
    // Ein Byte der Grafik; außerhalb 0..255 liegt nichts, was sie zeigen könnte.
    st.Teamstaerken[nStaerke - 1] = static_cast<uint8_t>(std::clamp<int>(mg.TeamStaerke, 0, 255));

    if (S.Spiel.Spieltag < 34) {
        const int tag = S.Spiel.Spieltag + 1;
        if (tag < 1) BereichFehler("Spieltag der Platzgrafik", tag, 1, 34);
        SETZE(st.Plaetze[tag - 1], mg.Platz);
    }

    const int64_t v = BerechneVermoegen(m) / 100000;
    int64_t grenze = st.Geldgrenze;
    int64_t verschiebung = 0;
    if (v > grenze) {
        while (grenze <= v) grenze += 10;
        verschiebung = -(grenze - st.Geldgrenze);
    } else if (v < grenze - 250) {
        while (grenze - 250 >= v) grenze -= 10;
        verschiebung = st.Geldgrenze - grenze;
    }
    SETZE(st.Geldgrenze, grenze);
    constexpr int nGeld = static_cast<int>(std::size(Statistik_{}.Geldpunkte));
    // Punkte weit außerhalb des Fensters sieht niemand; sie bleiben am Rand des Feldes stehen.
    for (int i = 0; i + 1 < nGeld; ++i) st.Geldpunkte[i] = Saettigen(st.Geldpunkte[i + 1] + verschiebung);
    st.Geldpunkte[nGeld - 1] = Saettigen(v - (grenze - 250));
}

} // namespace

namespace {

void Schritt(int n)
{
    if (Sitzung.AbschlussPruefstelle) Sitzung.AbschlussPruefstelle(n);
}

bool AbschlussBuchen()
{
    const int m = S.AktManager;
    Manager_& mg = S.Manager[m];

    Schritt(1);
    BerechneVermoegen(m);
    const int64_t gebuehr = Ueberziehungsgebuehr(mg.Kontostand);
    if (-(mg.Vermoegen / 10) > mg.Kontostand) {
        // Eine Gebühr, die das Konto nicht mehr trägt, wird gar nicht erst erfragt.
        if (!KontoPasst(mg.Kontostand, -gebuehr)) throw KostenPassenNicht{};
        const std::string text = Tz("Kontoüberziehung zu hoch ! max. 10% des Vermögens.\n\n%1 bezahlen bei >OK<\n"
                                    "Selber machen bei >Abbrechen<",
                                    {Geldtext(static_cast<double>(gebuehr)) + Waehrung});
        const Antwort a = Meldung(DialogArt::Warnung, text, Knoepfe::OkAbbrechen);
        if (a != Antwort::Ok && a != Antwort::Ja) return false;
        KontoBuchen(mg.Kontostand, -gebuehr);
    }

    Schritt(2);
    for (int r = 1; r <= 11; ++r)
        if (Zufall(1, 3) == 1) S.Transferliste[r].Verhandelt = 0;

    Schritt(3);
    int eingesetzt = 0;
    KaderZaehlen(mg, eingesetzt);

    if (HatSpiel(m) && eingesetzt < 7) {
        const int64_t strafe = -Buchung(mg.Kontostand, -static_cast<int64_t>(5 - mg.Liga) * 250000);
        FehlerMeldung(std::string(T(ZuWenigSpielerText)) + NL +
                      Tf("und zahlen eine Strafe von %1", {Geldtext(static_cast<double>(strafe)) + Waehrung}));
    }

    Schritt(4);
    if (S.Spiel.Wettbewerb == Wettbewerb_::Liga) Ligabuchungen(m);

    Schritt(5);
    if (Zufall(1, S.Spiel.ManagerHoch + 7) == 1) NeueTransferliste(-1);

    Schritt(6);
    StatistikFuehren(m);
    ManagerpunkteMerken();
    Schritt(7);
    if (Zufall(1, 8) == 1) {
        ++Sitzung.EreignisZaehler[0];
        Ereignis(0);
    }
    Schritt(AbschlussSchritte);
    return true;
}

} // namespace

bool ZugAbschliessen()
{
    Sitzung.AbschlussOhneDeckung = false;
    // Nach der abgelehnten Überziehungsgebühr oder Kosten, die das Konto nicht trägt, steht alles wie
    // vorher. Bis dahin (Schritte 1 bis 4) ändert der Abschluss nur den Manager und die Transferliste:
    // nur sie werden gesichert. Einen Laufzeitfehler nimmt die Einheit des Klicks zurück; ohne sie
    // (allein gerufen) ist der Abschluss selbst eine.
    const int m = S.AktManager;
    const Manager_ manager = S.Manager[m];
    const auto transferliste = S.Transferliste;
    const auto zuruecknehmen = [&] {
        S.Manager[m] = manager;
        S.Transferliste = transferliste;
    };
    try {
        std::optional<Einheit> einheit;
        if (!EinheitLaeuft()) einheit.emplace();
        if (!AbschlussBuchen()) {
            zuruecknehmen();
            return false;
        }
        if (einheit) einheit->fertig();
        return true;
    } catch (const KostenPassenNicht&) {
        zuruecknehmen();
        Sitzung.AbschlussOhneDeckung = true;
        FehlerMeldung(T(AbschlussOhneDeckungText));
        return false;
    }
}

// --- Buchungen beim Zugbeginn ---

void TrainingAnwenden(int m)
{
    Manager_& mg = S.Manager[m];
    // Null Stunden gibt es im Spiel nicht; eine kaputte Zahl darf nicht durch Null teilen.
    const int stunden = std::max<int>(1, mg.Trainingsstunden);
    int trainiert = 0;
    int verletzte = 0;
    int heilungen = 0;
    int64_t summeTechnik = 0;
    int64_t summeKondition = 0;

    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        Kaderspieler_& sp = mg.Kader[i];
        const int r = Zufall(0, 500 / stunden);
        if (sp.Verletzt > 0) SETZE(sp.Konstitution, sp.Konstitution - 1);
        // Der Name nur für eine Nachricht; die meisten Spieler trainieren still.
        const auto spieler = [&sp] { return sp.Vorname.text() + " " + sp.Nachname.text(); };

        if (r == 1 && sp.Verletzt == 0) {
            const int w = Zufall(1, 10);
            sp.Verletzt = static_cast<int8_t>(w);
            sp.VerletzungArt = static_cast<int8_t>(w);
            ++verletzte;
            Nachricht(Utf8Anfang(Tf("Neues vom Training, %1", {mg.Name.text()}), 35),
                      std::string(NL) + spieler() + NL + NL + T(Gesundheitstexte[static_cast<size_t>(w)]) + NL +
                          Tf(" und fällt damit %1 Wochen aus.", {Zahl(w)}),
                      "ok", 0, 0, BildVerletzung);
        } else if (sp.Verletzt == 0) {
            ++trainiert;
            const std::string_view pos = sp.Position.roh();
            const int f = (pos == "T" || pos == "V") ? mg.TrainingVerteidigung
                          : pos == "M"               ? mg.TrainingMittelfeld
                                                     : mg.TrainingAngriff;
            const int64_t t = Runden(Zufall(-6, f / 10 + mg.BaelleTechnik + stunden) / 11.0);
            const int64_t k = Runden(Zufall(-6, f / 10 + mg.BaelleKonstitution + stunden) / 11.0);
            SETZE(sp.Technik, sp.Technik + t);
            SETZE(sp.Konstitution, sp.Konstitution + k);
            summeTechnik += t;
            summeKondition += k;
        } else if (Zufall(0, 100) == 0) {
            sp.Verletzt = 0;
            ++heilungen;
            const int z = Zufall(1, 6);
            Nachricht(Utf8Anfang(Tf("Wunder vom Training, %1", {mg.Name.text()}), 36),
                      std::string(NL) + spieler() + " " + NL + NL + Tz(Wundertexte[z]), "ok", 0, 0, BildWunder);
        }
    }

    // Deutsch, wie er gespeichert wird.
    std::string bericht = Einsetzen(BerichtZeilen[0], {Zahl(trainiert)}) + NL + NL;
    if (trainiert == 0) trainiert = 1;
    bericht += Einsetzen(BerichtZeilen[1], {KommaText(static_cast<double>(summeTechnik) / trainiert, 2)}) + NL;
    bericht += Einsetzen(BerichtZeilen[2], {KommaText(static_cast<double>(summeKondition) / trainiert, 2)}) + NL;
    if (verletzte > 0) bericht += Einsetzen(BerichtZeilen[3], {Zahl(verletzte)}) + NL;
    if (heilungen > 0) bericht += Einsetzen(BerichtZeilen[4], {Zahl(heilungen)});
    S.Trainingsbericht = bericht;
}

void DauerkartenVerkaufen(int m)
{
    Manager_& mg = S.Manager[m];
    const std::string_view legende = VereinVon(m).Legende.roh();
    if (legende.empty() || legende.back() != 'S') return;
    if (mg.Plaetze < mg.DauerkartenImVerkauf) return;

    const int32_t a = Zufall(1, Geld(static_cast<int64_t>(mg.DauerkartenImVerkauf) - mg.DauerkartenVerkauft));
    const int32_t b = Zufall(1, mg.DauerkartenVerkauft);
    if (b >= a) return;

    const double basis = static_cast<double>(Runden((5 - S.Spiel.AnzeigeLiga) * 17 * 5 * 0.5));
    // Ein Preis von 0 € brächte nichts ein; gerechnet wird dann mit 1 €, damit nicht durch Null geteilt wird.
    const double preis = std::max<int>(1, mg.Dauerkartenpreis);
    int64_t n = Runden(a / preis * basis);
    n = Runden(static_cast<double>(n) / preis * basis);
    n = std::max<int64_t>(1, std::min<int64_t>(n, a));

    SETZE(mg.DauerkartenVerkauft, static_cast<int64_t>(mg.DauerkartenVerkauft) + n);
    const int64_t erloes = KontoBuchen(mg.Kontostand, static_cast<int64_t>(mg.Dauerkartenpreis) * n);

    std::string kommentar;
    if (S.Spiel.Spieltag > 30)
        kommentar = std::string(NL) + T("Dauerkarten für Todeskanidaten !");
    else if (S.Spiel.Spieltag >= 26)
        kommentar = std::string(NL) + T("Diese Käufer haben nichts mehr zu verlieren !");
    else if (S.Spiel.Spieltag >= 18)
        kommentar = std::string(NL) + T("Es gibt doch immer ein paar Bekloppte !");

    if (S.Optionen[m][OptDauerkartenMeldung] != 0)
        Nachricht(mg.Name.text(),
                  std::string(NL) +
                      Tz("%1 ,neue Dauerkarten verkauft .\n Dauerkarten im Verkauf: %2\n"
                         "Dauerkarten nun Verkauft: %3\nErlös: %4",
                         {Geldtext(static_cast<double>(n)), Geldtext(mg.DauerkartenImVerkauf),
                          Geldtext(mg.DauerkartenVerkauft), Geldtext(static_cast<double>(erloes)) + Waehrung}) +
                      kommentar,
                  "ok", 0, 0, BildGeld);
}

namespace {

void TrainerVertrag(int m)
{
    Manager_& mg = S.Manager[m];
    // 0 und -1 heißen beide "kein Trainer".
    if (mg.Trainer < 1) return;
    const int t = mg.Trainer;
    SETZE(mg.TrainerSpiele, mg.TrainerSpiele - 1);
    mg.TrainerPreis = Geld(Runden(mg.TrainerPreis * 0.98));
    if (mg.TrainerSpiele > 0) return;

    const int64_t rueckkauf = KontoBuchen(mg.Kontostand, mg.TrainerPreis);
    Nachricht(Sondertrainer.at(static_cast<size_t>(t)).Name,
              Tz("Der Vertrag ist zu Ende und steht dem Verein als Trainer nicht mehr zu Verfügung\n\n"
                 "%1 gibt`s als Trainerrückkaufwert.\n\nACHTUNG: Training sollte neu gestalltet werden !",
                 {Geldtext(static_cast<double>(rueckkauf)) + Waehrung}),
              "OK", 0, 0, BildTrainer + t);
    TrainerFreigeben(m);
}

} // namespace

void ZugBeginnen()
{
    const int m = S.AktManager;
    Manager_& mg = S.Manager[m];
    TrainingAnwenden(m);
    BerechneMannschaft(m, 0);
    DauerkartenVerkaufen(m);
    TrainerVertrag(m);
    mg.Aktien = std::clamp<int16_t>(mg.Aktien, 0, AktienMax);
    ManagerpunkteWerten();
    if (Zufall(1, 8) == 1) {
        ++Sitzung.EreignisZaehler[0];
        Ereignis(0);
    }
}

// --- Managerpunkte ---

void ManagerpunkteMerken()
{
    for (int s = 0; s <= S.Spiel.ManagerHoch; ++s) {
        const Manager_& mg = S.Manager[s];
        Vorwerte_& v = S.Vorwerte[s];
        v.Vermoegen = mg.Vermoegen;
        v.TeamStaerke = mg.TeamStaerke;
        SETZE(v.Platz, mg.Platz);
        SETZE(v.Moral, VereinVon(s).Moral);
        v.KaderWert = mg.KaderWert;
        v.Werbeeinnahmen = mg.Werbeeinnahmen;
        v.Heimspiele = mg.HeimspieleSaison;
        v.ZuschauerLetzte = mg.ZuschauerLetzte;
    }
}

float ManagerpunkteAenderung(int s)
{
    const Manager_& mg = S.Manager[s];
    const Vorwerte_& v = S.Vorwerte[s];
    float d = 0.5f - static_cast<float>(mg.Platz) / 10.0f;
    d += mg.Kontostand >= 0 ? 0.05f : -0.1f;
    if (mg.Kredit == 0)
        d += 0.05f;
    else
        d -= (static_cast<float>(mg.Kredit) / 1000000.0f + 1.0f) * 0.05f;
    if (mg.DarlehenRestSpiele == 0)
        d += 0.05f;
    else
        d -= static_cast<float>(mg.DarlehenRate) * 0.000002f;
    if (mg.Vermoegen > v.Vermoegen) d += 0.1f;
    if (mg.Vermoegen < v.Vermoegen) d -= 0.15f;
    if (mg.TeamStaerke > v.TeamStaerke) d += static_cast<float>(mg.TeamStaerke - v.TeamStaerke) / 10.0f;
    if (mg.TeamStaerke < v.TeamStaerke) d -= static_cast<float>(v.TeamStaerke - mg.TeamStaerke) / 20.0f;
    if (mg.Platz < v.Platz) d += static_cast<float>(v.Platz - mg.Platz) / 9.0f;
    if (mg.Platz > v.Platz) d -= static_cast<float>(mg.Platz - v.Platz) / 10.0f;
    d += static_cast<float>(10 - mg.Platz) / 100.0f;
    if (mg.HeimspieleSaison > v.Heimspiele) d += Sollschnitt(s) > v.ZuschauerLetzte ? -0.4f : 0.4f;
    if (mg.KaderWert < v.KaderWert) d += 0.1f;
    for (int k = 1; k <= 8; ++k) {
        if (S.Werbevertraege[s][k].Betrag != 0)
            d += static_cast<float>(k) / 200.0f;
        else
            d -= static_cast<float>(k) / 100.0f;
    }
    if (S.Optionen[s][OptAutoaufstellung] == 0) d += 0.3f;
    d += static_cast<float>(VereinVon(s).Moral - v.Moral) / 100.0f;
    return d;
}

void ManagerpunkteWerten()
{
    for (int s = 0; s <= S.Spiel.ManagerHoch; ++s) {
        Manager_& mg = S.Manager[s];
        mg.Managerpunkte = std::clamp(mg.Managerpunkte + ManagerpunkteAenderung(s), 1.0f, 100.0f);
    }
}

} // namespace torvane
