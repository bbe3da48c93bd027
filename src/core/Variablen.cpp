#include "core/Variablen.h"

#include "core/Sprache.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace torvane {

Spielstand S;

#if defined(__GLIBC__)
namespace {
// Jede Einheit des Abschlusses kopiert den Spielstand; dessen Spielerliste (einige hundert KB)
// gäbe glibc nach jedem Schritt ans System zurück und holte sie Seite für Seite wieder
// (mmap bzw. Kürzen des Heaps): der erste Lauf eines Prozesses kostete so das Vierfache.
// Große Blöcke bleiben deshalb im Heap und der Heap behält seine Spitze.
const bool gSpeicherBehalten = [] {
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    return true;
}();
} // namespace
#endif

// --- Speicherbilder ---
#define LAGE(typ, feld, ofs) static_assert(offsetof(typ, feld) == (ofs), #typ "." #feld)

static_assert(sizeof(KurzText<25>) == 26 && alignof(KurzText<25>) == 1);

static_assert(sizeof(Spiel_) == 312);
LAGE(Spiel_, ManagerHoch, 0);
LAGE(Spiel_, AnzeigeLiga, 4);
LAGE(Spiel_, AnzeigeErster, 8);
LAGE(Spiel_, Spieltag, 12);
LAGE(Spiel_, Wettbewerb, 16);
LAGE(Spiel_, Saison, 20);
LAGE(Spiel_, Reserve1, 24);
LAGE(Spiel_, MannschaftHoch, 28);
LAGE(Spiel_, DeutscheHoch, 32);
LAGE(Spiel_, SpielerHoch, 36);
LAGE(Spiel_, Aktienkurs, 40);
LAGE(Spiel_, ChlSpieltag, 44);
LAGE(Spiel_, NationAnzahl, 48);
LAGE(Spiel_, Reserve2, 52);

static_assert(sizeof(Mannschaft_) == 124);
LAGE(Mannschaft_, Siege, 0);
LAGE(Mannschaft_, Unentschieden, 1);
LAGE(Mannschaft_, Niederlagen, 2);
LAGE(Mannschaft_, Liga, 3);
LAGE(Mannschaft_, Platz, 4);
LAGE(Mannschaft_, Reserve1, 5);
LAGE(Mannschaft_, Moral, 6);
LAGE(Mannschaft_, Gesamt, 8);
LAGE(Mannschaft_, Punkte, 10);
LAGE(Mannschaft_, Tore, 12);
LAGE(Mannschaft_, Gegentore, 14);
LAGE(Mannschaft_, Verteidigung, 16);
LAGE(Mannschaft_, Mittelfeld, 18);
LAGE(Mannschaft_, Angriff, 20);
LAGE(Mannschaft_, SpielplanNr, 22);
LAGE(Mannschaft_, EwigePunkte, 24);
LAGE(Mannschaft_, Name, 28);
LAGE(Mannschaft_, DfbRunde, 54);
LAGE(Mannschaft_, UefaRunde, 67);
LAGE(Mannschaft_, PdpRunde, 80);
LAGE(Mannschaft_, ChlRunde, 93);
LAGE(Mannschaft_, Legende, 106);
LAGE(Mannschaft_, Nation, 117);
LAGE(Mannschaft_, Reserve2, 121);

static_assert(sizeof(Spieler_) == 74);
LAGE(Spieler_, Vorname, 0);
LAGE(Spieler_, Nachname, 21);
LAGE(Spieler_, Position, 42);
LAGE(Spieler_, Nation, 44);
LAGE(Spieler_, Zusatz, 48);

static_assert(sizeof(Kaderspieler_) == 108);
LAGE(Kaderspieler_, Eingesetzt, 0);
LAGE(Kaderspieler_, Verletzt, 1);
LAGE(Kaderspieler_, Form, 2);
LAGE(Kaderspieler_, Vertrag, 3);
LAGE(Kaderspieler_, VerletzungArt, 4);
LAGE(Kaderspieler_, Transferstatus, 5);
LAGE(Kaderspieler_, Verhandelt, 6);
LAGE(Kaderspieler_, Angebote, 7);
LAGE(Kaderspieler_, Alter, 8);
LAGE(Kaderspieler_, Technik, 10);
LAGE(Kaderspieler_, Konstitution, 12);
LAGE(Kaderspieler_, KonstMax, 14);
LAGE(Kaderspieler_, Staerke, 16);
LAGE(Kaderspieler_, Reserve1, 18);
LAGE(Kaderspieler_, Wert, 20);
LAGE(Kaderspieler_, Gehalt, 24);
LAGE(Kaderspieler_, Vorname, 28);
LAGE(Kaderspieler_, Nachname, 49);
LAGE(Kaderspieler_, Position, 70);
LAGE(Kaderspieler_, Zusatz, 72);
LAGE(Kaderspieler_, Nation, 98);
LAGE(Kaderspieler_, GelbNational, 103);
LAGE(Kaderspieler_, RotNational, 104);
LAGE(Kaderspieler_, GelbInternational, 105);
LAGE(Kaderspieler_, RotInternational, 106);
LAGE(Kaderspieler_, Reserve2, 107);

static_assert(sizeof(Manager_) == 2820);
LAGE(Manager_, KaderAnzahl, 0);
LAGE(Manager_, TrainerStufe, 1);
LAGE(Manager_, TrainerSpiele, 2);
LAGE(Manager_, Liga, 3);
LAGE(Manager_, Platz, 4);
LAGE(Manager_, Einsatz, 5);
LAGE(Manager_, Trainer, 6);
LAGE(Manager_, HeimspieleSaison, 7);
LAGE(Manager_, Trainingsstunden, 8);
LAGE(Manager_, TrainingVerteidigung, 9);
LAGE(Manager_, TrainingMittelfeld, 10);
LAGE(Manager_, TrainingAngriff, 11);
LAGE(Manager_, Baelle, 12);
LAGE(Manager_, BaelleTechnik, 13);
LAGE(Manager_, BaelleKonstitution, 14);
LAGE(Manager_, Reserve1, 15);
LAGE(Manager_, TeamStaerke, 16);
LAGE(Manager_, Eintrittspreis, 18);
LAGE(Manager_, DarlehenRestSpiele, 20);
LAGE(Manager_, Aktien, 22);
LAGE(Manager_, Dauerkartenpreis, 24);
LAGE(Manager_, AktienkursGemerkt, 26);
LAGE(Manager_, Kontostand, 28);
LAGE(Manager_, Kredit, 32);
LAGE(Manager_, Sparbuch, 36);
LAGE(Manager_, ZuschauerSaison, 40);
LAGE(Manager_, KaderWert, 44);
LAGE(Manager_, KaderGehalt, 48);
LAGE(Manager_, Werbeeinnahmen, 52);
LAGE(Manager_, DarlehenRate, 56);
LAGE(Manager_, AnlageBetrag, 60);
LAGE(Manager_, TrainerPreis, 64);
LAGE(Manager_, TrainerGehalt, 68);
LAGE(Manager_, AnlageWert, 72);
LAGE(Manager_, Vermoegen, 76);
LAGE(Manager_, ZuschauerLetzte, 80);
LAGE(Manager_, Nebeneinnahmen, 84);
LAGE(Manager_, Plaetze, 88);
LAGE(Manager_, Ausgaben, 92);
LAGE(Manager_, Einnahmen, 96);
LAGE(Manager_, Pokalzuschlag, 100);
LAGE(Manager_, Stadionkosten, 104);
LAGE(Manager_, Komfortpunkte, 108);
LAGE(Manager_, DauerkartenImVerkauf, 112);
LAGE(Manager_, DauerkartenVerkauft, 116);
LAGE(Manager_, SpieleGespielt, 120);
LAGE(Manager_, HeimSiege, 122);
LAGE(Manager_, AuswaertsSpiele, 124);
LAGE(Manager_, AuswaertsSiege, 126);
LAGE(Manager_, Remis, 128);
LAGE(Manager_, HeimSpiele, 130);
LAGE(Manager_, Vereinsname, 132);
LAGE(Manager_, SpielSystem, 158);
LAGE(Manager_, Name, 162);
LAGE(Manager_, TotoTip, 178);
LAGE(Manager_, Reserve2, 188);
LAGE(Manager_, Werbeanfragen, 220);
LAGE(Manager_, Managerpunkte, 224);
LAGE(Manager_, Kader, 228);

static_assert(sizeof(Trainereintrag_) == 16);
LAGE(Trainereintrag_, Nummer, 0);
LAGE(Trainereintrag_, Preis, 4);
LAGE(Trainereintrag_, GehaltProSpiel, 8);
LAGE(Trainereintrag_, Stufe, 12);
LAGE(Trainereintrag_, Reserve, 13);

static_assert(sizeof(Saisonbilanz_) == 62);
LAGE(Saisonbilanz_, DfbErgebnis, 0);
LAGE(Saisonbilanz_, UefaErgebnis, 15);
LAGE(Saisonbilanz_, PdpErgebnis, 30);
LAGE(Saisonbilanz_, ChlErgebnis, 45);
LAGE(Saisonbilanz_, Liga, 60);
LAGE(Saisonbilanz_, Platz, 61);

static_assert(sizeof(Statistik_) == 502);
LAGE(Statistik_, Reserve1, 0);
LAGE(Statistik_, Teamstaerken, 1);
LAGE(Statistik_, Reserve2, 166);
LAGE(Statistik_, Plaetze, 170);
LAGE(Statistik_, Geldgrenze, 204);
LAGE(Statistik_, Geldpunkte, 206);

static_assert(sizeof(Vorwerte_) == 24);
LAGE(Vorwerte_, TeamStaerke, 0);
LAGE(Vorwerte_, Moral, 2);
LAGE(Vorwerte_, Platz, 3);
LAGE(Vorwerte_, Heimspiele, 4);
LAGE(Vorwerte_, Reserve, 5);
LAGE(Vorwerte_, KaderWert, 8);
LAGE(Vorwerte_, Werbeeinnahmen, 12);
LAGE(Vorwerte_, Vermoegen, 16);
LAGE(Vorwerte_, ZuschauerLetzte, 20);

static_assert(sizeof(Werbevertrag_) == 12);
LAGE(Werbevertrag_, Betrag, 0);
LAGE(Werbevertrag_, SpieleGesamt, 4);
LAGE(Werbevertrag_, SpieleRest, 6);
LAGE(Werbevertrag_, Sponsor, 8);
LAGE(Werbevertrag_, Reserve, 10);

static_assert(sizeof(ChlEintrag_) == 64);
LAGE(ChlEintrag_, ChlSlot, 0);
LAGE(ChlEintrag_, ChlPunkte, 4);
LAGE(ChlEintrag_, ChlTore, 5);
LAGE(ChlEintrag_, ChlGegentore, 6);
LAGE(ChlEintrag_, ChlErgebnisse, 7);
LAGE(ChlEintrag_, Reserve, 55);

// Die festen Blöcke des Spielstands.
static_assert(sizeof(Feld<Manager_, 0, 3>) == 11280);
static_assert(sizeof(Feld<Kaderspieler_, 0, 11>) == 1296);
static_assert(sizeof(Optionsblock) == 40);
static_assert(sizeof(Feld<Statistik_, 0, 3>) == 2008);
static_assert(sizeof(Ergebnisblock) == 7344);
static_assert(sizeof(Feld<Feld<Werbevertrag_, 0, 8>, 0, 3>) == 432);
static_assert(sizeof(Feld<Trainereintrag_, 1, 12>) == 192);
static_assert(sizeof(Feld<Vorwerte_, 0, 3>) == 96);
static_assert(sizeof(Feld<ChlEintrag_, 1, 16>) == 1024);
#undef LAGE

// --- Texttafeln ---
// Übersetzt wird erst beim Zeigen (T); die Ligennamen bleiben, wie sie sind.
const std::array<const char*, 11> Gesundheitstexte = {
    N_("Der Spieler erfreut sich bester Gesundheit"),
    N_("Der Spieler hat kein Bock"),
    N_("Der Spieler hat einen ekeleregenden Durchfall"),
    N_("Der Spieler hat eine Gehirnerschütterung"),
    N_("Der Spieler hat eine schwere Grippe "),
    N_("Der Spieler hat eine Prellung"),
    N_("Der Spieler hat einen Muskelfaserriß"),
    N_("Der Spieler hat eine Rippe gebrochen"),
    N_("Der Spieler sitzt im Knast"),
    N_("Der Spieler hat einen Kreuzbandriß"),
    N_("Der Spieler hat einen Schädelbasisbruch"),
};

const std::array<std::array<const char*, 2>, 11> Anweisungstexte = {{
    {N_("Fairplay"), N_("Fairplay")},
    {N_("Geht´s langsam an !"), N_("Strengt euch an !")},
    {N_("Nicht so doll !"), N_("Etwas mehr Mut bitte !")},
    {N_("Haltet die Füße bei euch !"), N_("Haut rein !")},
    {N_("Huch, er hat mich berührt !"), N_("Es soll weh tun !")},
    {N_("Macht mal ne Pause !"), N_("Ist der Ball weg, tritt nach !")},
    {N_("Tut euch nich weh !"), N_("Auf die Knochen Jungs !")},
    {N_("Mama !!!"), N_("Ich will sie schreien hören !")},
    {N_("Laßt sie gewinnen !"), N_("Laßt sie Bluten !")},
    {N_("Wir bleiben in der Kabine !"), N_("Nimmt euch ihre Frauen !")},
    {N_("Kommt, wir gehn ein Eis essen !"), N_("Keine Angst vor Mord !")},
}};

const std::array<const char*, 4> Tempotexte = {N_("Gefudelt"), N_("Schneller"), N_("Normal"), N_("Langsamer")};

const std::array<const char*, 6> LigaNamen = {"Auswahl", "Bundesliga", "2.Liga", "Regionalliga", "Oberliga",
                                              "Verbandsliga"};

// Pokaltag nach jedem Ligaspieltag (Liga: keiner).
namespace {
constexpr Wettbewerb_ O = Wettbewerb_::Liga, D = Wettbewerb_::Dfb, U = Wettbewerb_::Uefa, P = Wettbewerb_::Pdp;
} // namespace
const Feld<Wettbewerb_, 1, 34> Pokaltermine = {{
    O, O, P, P, D, U, U, O, O, D,  // 1..10
    U, U, P, P, D, U, U, O, O, D,  // 11..20
    U, U, P, P, D, U, U, O, O, D,  // 21..30
    U, U, P, P,                    // 31..34
}};

const char* WettbewerbName(Wettbewerb_ w)
{
    // Die Pokale heißen überall gleich; nur "Liga" hat eine Übersetzung (TWert beim Zeigen).
    static const char* const namen[] = {N_("Liga"), "DFB-Pokal", "Uefa Pokal", "Pokal der Pokalsieger", "Champions League"};
    if (w != Wettbewerb_::Liga && !PokalOderChl(w)) BereichFehler("Wettbewerb", WettbewerbNr(w), 0, 4);
    return namen[WettbewerbNr(w)];
}

const std::array<Sondertrainer_, 13> Sondertrainer = {{
    {"", ""},
    {"Udo Pfeifer", N_("Pfeift jede Einheit selbst an und ab. Lautstark, aber herzensgut.")},
    {"Jupp Schienbein", N_("Hat nie ein Training verpasst und nie einen Zweikampf verloren. Sagt er.")},
    {"Dr. Konrad Kondi", N_("Promovierter Konditionsbolzer. Seine Läufe sind gefürchtet bis in die Kreisliga.")},
    {"Kalle Bananenflanke", N_("Flankenkönig a.D. Bringt jedem das Flanken bei, auch dem Torwart.")},
    {"Mehmet Taktikfuchs", N_("Malt Taktiken auf jede Serviette. Die Mannschaft versteht sie manchmal.")},
    {"Svenja Sprint", N_("Ehemalige Leichtathletin. Nach ihrem Training kann keiner mehr gehen.")},
    {"Opa Horst", N_("Trainiert seit 1954 und erzählt gern davon. Ausdauer hat er jedenfalls.")},
    {"Pierre Ballettoni", N_("Lehrt Ballgefühl mit Musik. Die Abwehr tanzt seitdem.")},
    {"Bodo Blutgrätsche", N_("Sein Motto: Der Ball darf vorbei, der Mann nicht. Der Physio freut sich.")},
    {"Professor Passmann", N_("Hat das Kurzpassspiel studiert und doziert es in drei Sprachen.")},
    {"Rudi Rasenschach", N_("Denkt zehn Züge voraus und schickt die Spieler notfalls im Bus aufs Feld.")},
    {"Der Kaiser von Wanne-Eickel", N_("Legende. Wenn er ein Training leitet, wird nachher ein Buch daraus.")},
}};

// --- Nachschlagen ---
int ManagerVerein(int m)
{
    const Manager_& mg = S.Manager[m];
    return VereinAufPlatz(mg.Liga, mg.Platz);
}

Mannschaft_& VereinVon(int m) { return S.Mannschaft[ManagerVerein(m)]; }

int ManagerVonVerein(int verein)
{
    const auto name = S.Mannschaft[verein].Name.roh();
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m)
        if (S.Manager[m].Vereinsname.roh() == name) return m;
    return -1;
}

int VereinNachName(std::string_view name)
{
    const std::string roh = Utf8NachCp1252(name);
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i)
        if (S.Mannschaft[i].Name.roh() == roh) return i;
    return -1;
}

int NationNachKuerzel(std::string_view kuerzel)
{
    for (int i = 1; i <= 47; ++i)
        if (S.Nation[i].Kuerzel == kuerzel) return i;
    return -1;
}

void BilanzEintragen()
{
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        Saisonbilanz_& b = S.Saisonbilanz[m][S.Spiel.Saison];
        SETZE(b.Liga, S.Manager[m].Liga);
        SETZE(b.Platz, S.Manager[m].Platz);
    }
}

} // namespace torvane
