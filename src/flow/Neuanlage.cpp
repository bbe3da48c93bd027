#include "flow/Neuanlage.h"

#include "core/Daten.h"
#include "core/Fehler.h"
#include "core/Oberflaeche.h"
#include "core/Sitzung.h"
#include "core/Sprache.h"
#include "core/Text.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "finance/Stadion.h"
#include "squad/Kader.h"
#include "squad/Markt.h"

#include <utility>

namespace torvane {

std::string VersionKurz() { return std::string("V ") + ProgrammVersion; }
std::string VersionLang() { return Tf("Version %1 vom %2", {ProgrammVersion, ProgrammDatum}); }

const std::array<const char*, 41> VorgabeVornamen = {
    "Quirin",  "Adolf",     "Adelheit", "Bubi",   "Berta",  "Clemens",   "Clementine", "Dagobert", "Dagmar",
    "Emil",    "Else",      "Friedhelm", "Frauke", "Gustav", "Gerda",     "Helmut",     "Heidi",    "Ignatz",
    "Ilse",    "Jochen",    "Johanna",  "Kurt",   "Käte",   "Ludwig",    "Liselotte",  "Moritz",   "Marga",
    "Norbert", "Nanni",     "Opa",      "Oma",    "Paul",   "Petra",     "Richard",    "Renate",   "Sigfried",
    "Sabiene", "Theodor",   "Tina",     "Ulrich", "Ursula",
};

std::array<Vorgabename_, 7> Vorgabenamen = {{
    {"Alfred", "AC Achern"},
    {"Berta", "BF Burgen"},
    {"Clemens", "Cham"},
    {"Döhrte", "DFF Dörgen"},
    {"Erich", "Erlangen"},
    {"Frauke", "FC Fallera"},
    {"Gernod", "Gerau"},
}};

namespace {

// Neuanlage gilt genau, solange das Anlegen läuft – auch wenn es mit einem Fehler abbricht.
struct NeuanlageEnde {
    ~NeuanlageEnde() { S.Neuanlage = false; }
};

// Erster Verein 1..MannschaftHoch mit genau diesem Namen (Bytes in 1252), sonst -1.
int VereinMitRohName(std::string_view roh)
{
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i)
        if (S.Mannschaft[i].Name.roh() == roh) return i;
    return -1;
}

void NameKopieren(KurzText<25>& ziel, const KurzText<25>& quelle)
{
    const std::string roh(quelle.roh()); // Quelle und Ziel dürfen derselbe Text sein
    ziel.rohSetzen(roh);
}

// Ohne Rand gesetzt, auch nach dem Kürzen auf die Feldlänge (sonst bliebe ein Leerzeichen am Ende).
template <int N>
void OhneRandSetzen(KurzText<N>& ziel, std::string_view utf8)
{
    ziel = OhneRandLeerzeichen(utf8);
    ziel = OhneRandLeerzeichen(ziel.text());
}

// Was ein früheres Spiel im Slot hinterlassen hat, gehört nicht in den neuen Manager.
void SlotLeeren(int m, bool namenBehalten)
{
    Manager_& mg = S.Manager[m];
    Manager_ neu{};
    if (namenBehalten) {
        neu.Name = mg.Name;
        neu.Vereinsname = mg.Vereinsname;
    }
    mg = neu;
    S.Statistik[m] = Statistik_{};
    S.Vorwerte[m] = Vorwerte_{};
    for (auto& w : S.Werbevertraege[m]) w = Werbevertrag_{};
    auto& bilanz = S.Saisonbilanz[m];
    if (bilanz.laenge() > 0) bilanz[bilanz.hoch()] = Saisonbilanz_{};
}

void Startwerte(int m)
{
    Manager_& mg = S.Manager[m];
    mg.KaderAnzahl = 14;
    SETZE(mg.Liga, S.Spiel.AnzeigeLiga);
    mg.Einsatz = 0;
    mg.Trainer = -1;
    mg.Trainingsstunden = 4;
    mg.TrainingVerteidigung = 30;
    mg.TrainingMittelfeld = 40;
    mg.TrainingAngriff = 30;
    mg.BaelleTechnik = 3;
    mg.BaelleKonstitution = 2;
    mg.Baelle = 5;
    mg.Eintrittspreis = 5;
    mg.DarlehenRestSpiele = 0;
    mg.Aktien = 1000;
    mg.Dauerkartenpreis = 150;
    SETZE(mg.AktienkursGemerkt, S.Spiel.Aktienkurs);
    mg.Kontostand = 2000000;
    mg.Kredit = 0;
    mg.Sparbuch = 100000;
    mg.Werbeeinnahmen = 0;
    mg.DarlehenRate = 0;
    mg.Plaetze = StartPlaetze;
    mg.Pokalzuschlag = 25;
    mg.Komfortpunkte = 1;
    mg.DauerkartenImVerkauf = 1000;
    mg.DauerkartenVerkauft = 0;
    mg.SpielSystem = "343";
    mg.Werbeanfragen = 10.0f;
    mg.Managerpunkte = 1.11f;

    for (auto& b : S.Optionen[m]) b = 0;
    S.Optionen[m][OptAutoaufstellung] = 1;
    S.Optionen[m][OptTransferKlang] = 0;
    S.Optionen[m][OptDauerkartenMeldung] = 1;
    SETZE(S.Optionen[m][OptAnzeigeLiga], S.Spiel.AnzeigeLiga);
    S.Optionen[m][OptTempo] = 2;

    S.Statistik[m].Geldgrenze = 250;
}

const char* KaderPosition(int platz)
{
    if (platz == 1) return "T";
    if (platz <= 5) return "V";
    if (platz <= 10) return "M";
    return "S";
}

bool PoolFrei(int p, std::string_view position)
{
    const Spieler_& s = std::as_const(S.Spieler)[p];
    return s.Position.roh() == position && !s.Vorname.leer();
}

void KaderZiehen(int m)
{
    Manager_& mg = S.Manager[m];
    for (int i = 1; i <= 14; ++i) {
        const std::string_view pos = KaderPosition(i);
        // Ohne freien Spieler dieser Position liefe die Ziehung endlos.
        bool vorhanden = false;
        for (int p = 1; p <= S.Spiel.SpielerHoch && !vorhanden; ++p) vorhanden = PoolFrei(p, pos);
        if (!vorhanden)
            throw Laufzeitfehler("Laufzeitfehler: Im Spielerpool ist kein Spieler der Position " + std::string(pos) +
                                 " mehr frei.");
        int p = 0;
        do {
            p = Zufall(1, S.Spiel.SpielerHoch);
        } while (!PoolFrei(p, pos));

        Spieler_& q = S.Spieler[p];
        Kaderspieler_ k{};
        k.Vorname.rohSetzen(q.Vorname.roh());
        k.Nachname.rohSetzen(q.Nachname.roh());
        k.Position.rohSetzen(q.Position.roh());
        k.Zusatz.rohSetzen(q.Zusatz.roh());
        k.Nation.rohSetzen(q.Nation.roh());
        SETZE(k.Alter, Zufall(18, 50));
        SETZE(k.Technik, Zufall(1, 25));
        SETZE(k.Konstitution, Zufall(1, 12));
        SETZE(k.Form, Zufall(-10, 10));
        SETZE(k.Vertrag, Zufall(1, 6));
        mg.Kader[i] = k;
        BerechneSpieler(m, i);
        Kaderspieler_& s = mg.Kader[i];
        SETZE(s.Gehalt, Gehaltsforderung(s.Alter, s.Staerke, s.Vertrag));
        q.Vorname.rohSetzen(""); // aus dem Pool genommen
    }
}

// Die Prüfung des Startbildschirms auf Namen und Vereine (Bytes in 1252).
std::string AngabenPruefen(const std::vector<std::pair<std::string, std::string>>& roh)
{
    const size_t n = roh.size();
    for (size_t m = 0; m < n; ++m) {
        if (roh[m].first.empty() || roh[m].second.empty())
            return Tz("Keine leeren Angaben !\n%1. Spieler", {std::to_string(m + 1)});
        for (size_t k = m + 1; k < n; ++k) {
            if (roh[m].first == roh[k].first) return T("Name mehrfach vorhanden !");
            if (roh[m].second == roh[k].second)
                return Tz("Mannschaft mehrfach vorhanden !\n%1", {Cp1252NachUtf8(roh[m].second)});
        }
    }
    return "";
}

} // namespace

// --- Neues Spiel ---

void GrundwerteSetzen()
{
    for (auto& t : S.Transferliste) t = Kaderspieler_{};
    for (auto& c : S.ChlTabelle) c = ChlEintrag_{};
    for (auto& b : S.Saisonbilanz) b.laengeSetzen(2);
    S.Spielname.clear();
    S.Spiel.AnzeigeLiga = 4;
    S.Spiel.Saison = 1;
    S.Spiel.Spieltag = 0;
    S.Spiel.Wettbewerb = Wettbewerb_::Liga;
    S.Spiel.ChlSpieltag = 0;
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
        S.Mannschaft[i].Gesamt = -1; // Stärken noch nicht gezogen
        S.Mannschaft[i].EwigePunkte = 0.0f;
    }
    // Texttafeln, Pokaltermine, Währung und Heimatnation stehen fest im Programm.
    S.Spiel.Aktienkurs = 950 + Zufall(0, 100);
}

bool SpielAnlegenBeginnen(const std::array<std::string, 6>* grunddaten)
{
    SitzungZuruecksetzen();
    S.Neuanlage = true;
    if (!(grunddaten ? DatenAusTextenLaden(*grunddaten) : DatenLaden())) {
        S.Neuanlage = false;
        FehlerMeldung(T(DatenFehlerText));
        return false;
    }
    GrundwerteSetzen();
    S.Spiel.ManagerHoch = 0;
    return true;
}

void SpielAnlegenAbschliessen()
{
    S.Neuanlage = true;
    NeuanlageEnde ende;
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) ManagerAnlegen(m);
    SaisonVorbereiten();
    BilanzEintragen();
    S.AktManager = 0;
    NeueTransferliste(Zufall(S.Spiel.ManagerHoch + 5, 12));
    ErneuereTrainer(1, 12);
}

void SpielAnlegenNachLaden() { S.Neuanlage = false; }

bool NeuesSpielOhneBildschirm(const std::vector<std::pair<std::string, std::string>>& managerNameUndVerein,
                              const std::array<std::string, 6>* grunddaten)
{
    const int n = static_cast<int>(managerNameUndVerein.size());
    if (n < 1 || n > 4) BereichFehler("Anzahl der Manager", n, 1, 4);

    // Geprüft wird, was in den Slots stünde: gekürzt und in 1252.
    std::vector<std::pair<std::string, std::string>> roh;
    for (const auto& [name, verein] : managerNameUndVerein) {
        KurzText<15> nt{};
        KurzText<25> vt{};
        OhneRandSetzen(nt, name);
        OhneRandSetzen(vt, verein);
        roh.emplace_back(std::string(nt.roh()), std::string(vt.roh()));
    }
    if (const std::string fehler = AngabenPruefen(roh); !fehler.empty()) {
        Hinweis(fehler);
        return false;
    }

    if (!SpielAnlegenBeginnen(grunddaten)) return false;
    NeuanlageEnde ende;
    S.Spiel.ManagerHoch = n - 1;
    for (int m = 0; m < n; ++m) {
        S.Manager[m].Name.rohSetzen(roh[m].first);
        S.Manager[m].Vereinsname.rohSetzen(roh[m].second);
    }
    SpielAnlegenAbschliessen();
    return true;
}

void ManagerAnlegen(int m)
{
    Manager_& mg = S.Manager[m];
    const int liga = S.Spiel.AnzeigeLiga;
    if (liga < 1 || liga > 4) BereichFehler("AnzeigeLiga", liga, 1, 4);

    if (!mg.Name.leer()) {
        // Vom Startbildschirm: der Verein rückt auf Platz 18 - m der Oberliga,
        // der bisherige Träger des Namens bekommt den Namen von dort.
        SlotLeeren(m, true);
        const int ziel = 72 - m;
        const int i = VereinMitRohName(mg.Vereinsname.roh());
        if (i != -1) NameKopieren(S.Mannschaft[i].Name, S.Mannschaft[ziel].Name);
        NameKopieren(S.Mannschaft[ziel].Name, mg.Vereinsname);
        SETZE(mg.Platz, 18 - m);
    } else {
        // Neuer Mitspieler mitten im Spiel: Vorgabename und ein freier Verein der Anzeigeliga.
        SlotLeeren(m, false);
        int k = 0;
        int zuege = 0;
        KurzText<25> verein{};
        do {
            k = Zufall(0, 6);
            // Ab dem tausendsten Zug eine Zahl als Vereinsname, damit die Suche endet.
            if (++zuege >= 1000) Vorgabenamen[k].Verein = std::to_string(Zufall(1, 1000000));
            verein = Vorgabenamen[k].Verein;
        } while (VereinMitRohName(verein.roh()) != -1);
        mg.Name = Vorgabenamen[k].Name;
        NameKopieren(mg.Vereinsname, verein);

        const int basis = (liga - 1) * 18;
        int c = 0;
        do {
            c = basis + Zufall(1, 18);
        } while (ManagerVonVerein(c) != -1);
        NameKopieren(S.Mannschaft[c].Name, mg.Vereinsname);
        SETZE(mg.Platz, c - basis);
    }

    Startwerte(m);
    KaderZiehen(m);
    BerechneMannschaft(m, 3);
}

// --- Startbildschirm ---

void StartVorschlag()
{
    S.Spiel.ManagerHoch = 0;
    Manager_& mg = S.Manager[0];
    mg.Name = VorgabeVornamen[static_cast<size_t>(Zufall(0, 40))];
    NameKopieren(mg.Vereinsname, S.Mannschaft[Zufall(1, S.Spiel.DeutscheHoch)].Name);
}

std::vector<std::string> StartVereinsliste()
{
    std::vector<std::string> namen;
    for (int i = 1; i <= S.Spiel.DeutscheHoch; ++i) namen.push_back(S.Mannschaft[i].Name.text());
    return namen;
}

void StartFelderSpeichern(const std::string& name, const std::string& verein)
{
    // Nur Leerzeichen gilt als leer, "Jörg " als "Jörg": geprüft und gespeichert wird ohne Rand.
    Manager_& mg = S.Manager[S.Spiel.ManagerHoch];
    OhneRandSetzen(mg.Name, name);
    OhneRandSetzen(mg.Vereinsname, verein);
}

void StartSpielerAktivieren(const std::string& name, const std::string& verein)
{
    StartFelderSpeichern(name, verein);
    if (S.Spiel.ManagerHoch < 3) ++S.Spiel.ManagerHoch;
}

void StartZurueck(const std::string& name, const std::string& verein)
{
    StartFelderSpeichern(name, verein);
    if (S.Spiel.ManagerHoch > 0) --S.Spiel.ManagerHoch;
}

std::string StartUeberschrift(int managerHoch) { return Tf("%1. Spieler", {std::to_string(managerHoch + 1)}); }

std::string StartAktivierenText(int managerHoch)
{
    return Tf("%1. Spieler Aktivieren", {std::to_string(managerHoch + 2)});
}

std::string StartEingabenPruefen(int managerHoch)
{
    std::vector<std::pair<std::string, std::string>> roh;
    for (int m = 0; m <= managerHoch; ++m)
        roh.emplace_back(std::string(S.Manager[m].Name.roh()), std::string(S.Manager[m].Vereinsname.roh()));
    return AngabenPruefen(roh);
}

std::string StartBestaetigungText(int managerHoch)
{
    return Tz("%1 Spieler\nwurde(n) Ausgewählt !", {std::to_string(managerHoch + 1)});
}

bool StartWeiter(const std::string& name, const std::string& verein)
{
    StartFelderSpeichern(name, verein);
    const std::string fehler = StartEingabenPruefen(S.Spiel.ManagerHoch);
    if (!fehler.empty()) {
        Hinweis(fehler);
        return false;
    }
    return Meldung(DialogArt::Bestaetigung, StartBestaetigungText(S.Spiel.ManagerHoch), Knoepfe::OkAbbrechen) ==
           Antwort::Ok;
}

void StartFortschritt(const std::function<void(const std::string&)>& zeige)
{
    std::string t = T("Lade ");
    for (int i = 1; i <= 5; ++i) {
        t += '.';
        zeige(t);
        Warte(Zufall(300, 600));
    }
    t = T("Initzialisiere ");
    for (int i = 1; i <= 4; ++i) {
        t += '.';
        zeige(t);
        Warte(Zufall(200, 500));
    }
    zeige(T("Fertig"));
    Warte(1000);
    zeige(T("Los geht´s"));
}

} // namespace torvane
