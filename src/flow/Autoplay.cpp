#include "flow/Autoplay.h"

#include "core/AutoOberflaeche.h"
#include "core/Daten.h"
#include "core/Datei.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Pfade.h"
#include "core/Sprache.h"
#include "core/SpielstandDatei.h"
#include "core/Terminal.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "finance/Vermoegen.h"
#include "flow/Assistent.h"
#include "flow/Bericht.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "match/Anzeige.h"
#include "season/Ereignis.h"
#include "season/Pleite.h"
#include "season/Saisonende.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>

namespace torvane {

namespace {

bool Ganzzahl(const std::string& text, long long von, long long bis, long long& wert)
{
    if (text.empty()) return false;
    char* ende = nullptr;
    errno = 0;
    const long long z = std::strtoll(text.c_str(), &ende, 10);
    if (errno != 0 || ende == text.c_str() || *ende != '\0' || z < von || z > bis) return false;
    wert = z;
    return true;
}

std::string Betrag(int64_t v) { return Geldtext(static_cast<double>(v)) + Waehrung; }

// Was eine Saison dem Bericht hinterlässt.
struct Saisonbericht {
    struct Manager {
        std::string name, verein;
        int liga = 0, platz = 0;
    };
    std::array<std::string, 5> meister;  // Liga 1..4
    std::array<std::string, 5> pokale;   // Wettbewerb 1..4
    std::vector<Manager> manager;
    std::vector<std::string> wechsel; // "Absteiger in die 2.Liga: a, b, c", in der Reihenfolge des Saisonendes
};

// Der Automat hinter allen Pforten: antwortet, merkt sich, was der Bericht braucht.
class Automat : public Saisonendeanzeige, public Pleiteanzeige, public StilleAnzeige {
public:
    Automat(std::ostream& aus, bool meldungen, bool assistent, Bilanzbericht* bilanz)
        : aus_(aus), meldungen_(meldungen), bilanz_(bilanz)
    {
        ui.dialogAntwort = [this, assistent](const std::string& text, Knoepfe k) {
            texte.push_back(text);
            if (meldungen_) aus_ << "  " << Tf("[Dialog] %1", {text}) << "\n";
            if (assistent) return AssistentAntwort(S.AktManager, text, k);
            switch (k) {
            case Knoepfe::Ok: return Antwort::Ok;
            case Knoepfe::OkAbbrechen: return Antwort::Ok; // Gebühren zahlen, sonst käme der Zug nie weiter
            case Knoepfe::JaNein: return Antwort::Nein;
            default: return Antwort::Abbrechen;
            }
        };
        if (assistent) ui.angebotAntwort = [](const Angebotsfrage& f) { return AssistentAngebot(S.AktManager, f); };
        ui.nachrichtAntwort = [this, assistent](const std::string& kopf, const std::string& text, NachrichtArt art) {
            if (meldungen_) aus_ << "  " << Tf("[Nachricht] %1: %2", {kopf, text}) << "\n";
            if (assistent) return AssistentKnopf(S.AktManager, text, art);
            switch (art.typ) {
            case NachrichtArt::Jein: return Befehlswert::Nein;
            case NachrichtArt::Auto: return Befehlswert::Keiner;
            default: return Befehlswert::NachrichtWeiter;
            }
        };
        OberflaecheSetzen(&ui);
        SaisonendeAnzeigeSetzen(this);
        PleiteAnzeigeSetzen(this);
        TagesanzeigeSetzen(this);
    }
    ~Automat() override
    {
        OberflaecheSetzen(nullptr);
        SaisonendeAnzeigeSetzen(nullptr);
        PleiteAnzeigeSetzen(nullptr);
        TagesanzeigeSetzen(nullptr);
    }

    AutoOberflaeche ui;
    std::vector<std::string> texte;
    Saisonbericht bericht;

    // --- Saisonende ---
    void oeffnen(const std::string&) override
    {
        if (bilanz_) bilanz_->saisonende();
        bericht.meister = {};
        for (int liga = 1; liga <= 4; ++liga)
            bericht.meister[static_cast<size_t>(liga)] = S.Mannschaft[18 * liga - 17].Name.text();
        bericht.manager.clear();
        for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
            const Manager_& mg = S.Manager[m];
            bericht.manager.push_back({mg.Name.text(), mg.Vereinsname.text(), mg.Liga, mg.Platz});
        }
    }
    void tafelZeigen(const std::string&, const std::array<std::string, 3>& vereine,
                     const std::array<std::string, 3>&) override
    {
        const int liga = S.Spiel.AnzeigeLiga;
        if (liga >= 2 && liga <= 4) wechselMerken(Tf("Aufsteiger in die %1", {LigaNamen[static_cast<size_t>(liga - 1)]}), vereine);
    }
    void wechselZeigen(const std::string& ab1, const std::array<std::string, 3>& vereine, Wechsel art, bool) override
    {
        if (art != Wechsel::Abstieg) return;
        wechselMerken(ab1, vereine);
        // Die Aufsteiger aus der Verbandsliga schon hier: endet das Spiel mit dem Abstieg
        // des letzten Managers, zeigt das Saisonende sie nicht mehr.
        if (S.Spiel.AnzeigeLiga != 4) return;
        std::array<std::string, 3> auf;
        for (int j = 0; j < 3; ++j)
            if (73 + j <= S.Spiel.DeutscheHoch) auf[static_cast<size_t>(j)] = S.Mannschaft[73 + j].Name.text();
        wechselMerken(Tf("Aufsteiger in die %1", {LigaNamen[4]}), auf);
    }
    void wechselMerken(const std::string& was, const std::array<std::string, 3>& vereine)
    {
        bericht.wechsel.push_back(was + ": " + vereine[0] + ", " + vereine[1] + ", " + vereine[2]);
    }
    void schliessen() override { berichtFertig = true; }
    bool berichtFertig = false;

    // --- Pleite ---
    void zeigen(const std::string&) override
    {
        if (bilanz_) bilanz_->pleite();
        const Manager_& mg = S.Manager[S.AktManager];
        aus_ << "  "
             << Tf("Saison %1, %2. Spieltag: %3 (%4) ist pleite und verlässt das Spiel, Konto %5, Vermögen %6",
                   {std::to_string(S.Spiel.Saison), std::to_string(S.Spiel.Spieltag), mg.Name.text(),
                    mg.Vereinsname.text(), Betrag(mg.Kontostand), Betrag(mg.Vermoegen)})
             << "\n";
    }

    // --- Spieltag: nur die Sieger der Pokale interessieren ---
    void siegerZeigen(const std::string& verein, const std::string&) override
    {
        const Wettbewerb_ w = S.Spiel.Wettbewerb;
        if (PokalOderChl(w)) bericht.pokale[static_cast<size_t>(WettbewerbNr(w))] = verein;
        if (bilanz_) bilanz_->pokalsieger(w, verein);
    }

    void berichtAusgeben(int saison)
    {
        aus_ << Tf("Saison %1", {std::to_string(saison)}) << "\n";
        for (int liga = 1; liga <= 4; ++liga)
            aus_ << "  " << Tf("Meister %1: %2", {LigaNamen[static_cast<size_t>(liga)], bericht.meister[static_cast<size_t>(liga)]})
                 << "\n";
        for (const Wettbewerb_ w : PokaleUndChl) {
            const std::string& s = bericht.pokale[static_cast<size_t>(WettbewerbNr(w))];
            aus_ << "  " << TWert(WettbewerbName(w)) << ": " << (s.empty() ? "-" : s) << "\n";
        }
        for (const auto& w : bericht.wechsel) aus_ << "  " << w << "\n";
        for (const auto& mb : bericht.manager) {
            const std::string liga = LigaNamen.at(static_cast<size_t>(mb.liga)), platz = std::to_string(mb.platz);
            int jetzt = -1;
            for (int m = 0; m <= S.Spiel.ManagerHoch && jetzt < 0; ++m)
                if (S.Manager[m].Name.text() == mb.name) jetzt = m;
            if (jetzt < 0) {
                aus_ << "  "
                     << Tf("%1 (%2): %3, Platz %4, abgestiegen in die Verbandsliga und ausgeschieden",
                           {mb.name, mb.verein, liga, platz})
                     << "\n";
                continue;
            }
            const Manager_& mg = S.Manager[jetzt];
            aus_ << "  "
                 << Tf("%1 (%2): %3, Platz %4, Konto %5, Vermögen %6 -> %7",
                       {mb.name, mb.verein, liga, platz, Betrag(mg.Kontostand), Betrag(VermoegenWert(jetzt)),
                        LigaNamen.at(static_cast<size_t>(mg.Liga))})
                 << "\n";
        }
        bericht = {};
        berichtFertig = false;
    }

private:
    std::ostream& aus_;
    bool meldungen_;
    Bilanzbericht* bilanz_;
};

// Kennzeichen des Zugstands, um einen hängenden Automaten zu erkennen.
std::array<long, 5> Stand()
{
    return {Sitzung.GespielteTage, Sitzung.BeendeteSaisons, S.AktManager, S.Spiel.ManagerHoch,
            WettbewerbNr(S.Spiel.Wettbewerb)};
}

// Ein neues Spiel mit den ersten n Vorgabenamen.
bool NeuesSpiel(int n, std::vector<std::string>& texte, std::ostream& fehler)
{
    std::vector<std::pair<std::string, std::string>> manager;
    for (int m = 0; m < n; ++m)
        manager.emplace_back(Vorgabenamen[static_cast<size_t>(m)].Name, Vorgabenamen[static_cast<size_t>(m)].Verein);
    if (NeuesSpielOhneBildschirm(manager)) return true;
    for (const auto& t : texte) fehler << t << "\n";
    if (texte.empty()) fehler << T(DatenFehlerText) << "\n";
    return false;
}

} // namespace

bool AutoplayArgumente(const std::vector<std::string>& a, AutoplayOptionen& o, std::string& fehler)
{
    long long z = 0;
    if (a.empty() || !Ganzzahl(a[0], 0, 100000, z)) {
        fehler = T("Anzahl der Saisons fehlt oder ist keine Zahl (0..100000).");
        return false;
    }
    o.saisons = static_cast<int>(z);
    for (size_t i = 1; i < a.size(); ++i) {
        const std::string& k = a[i];
        const bool mitWert = k == "--managers" || k == "--seed" || k == "--days" || k == "--load" || k == "--save" ||
                             k == "--ereignis" || k == "--daten" || k == "--bericht" || k == "--stufe" ||
                             k == "--sprache";
        if (k == "--meldungen") {
            o.meldungen = true;
            continue;
        }
        if (k == "--no-restart") {
            o.neustart = false;
            continue;
        }
        if (k == "--passiv") {
            o.passiv = true;
            continue;
        }
        if (!mitWert) {
            fehler = Tf("Unbekannte Angabe: %1", {k});
            return false;
        }
        if (i + 1 >= a.size()) {
            fehler = Tf("%1 braucht einen Wert.", {k});
            return false;
        }
        const std::string& w = a[++i];
        if (k == "--managers") {
            if (!Ganzzahl(w, 1, 4, z)) {
                fehler = T("--managers erwartet 1..4.");
                return false;
            }
            o.manager = static_cast<int>(z);
        } else if (k == "--seed") {
            if (!Ganzzahl(w, 0, 4294967295LL, z)) {
                fehler = T("--seed erwartet eine Zahl 0..4294967295.");
                return false;
            }
            o.saat = static_cast<uint32_t>(z);
        } else if (k == "--days") {
            if (!Ganzzahl(w, 0, 100000000, z)) {
                fehler = T("--days erwartet eine Zahl ab 0.");
                return false;
            }
            o.tage = static_cast<long>(z);
        } else if (k == "--ereignis") {
            if (!Ganzzahl(w, 1, 42, z)) {
                fehler = T("--ereignis erwartet 1..42.");
                return false;
            }
            o.ereignis = static_cast<int>(z);
        } else if (k == "--sprache") {
            if (!SpracheBekannt(w, Pfade.Sprachen, fehler)) return false;
        } else if (k == "--load") {
            o.laden = w;
        } else if (k == "--daten") {
            o.daten = w;
        } else if (k == "--bericht") {
            o.bericht = w;
        } else if (k == "--stufe") {
            if (w != "alt" && w != "neu" && w != "gemischt") {
                fehler = T("--stufe erwartet alt, neu oder gemischt.");
                return false;
            }
            o.stufe = w;
        } else {
            o.speichern = w;
        }
    }
    return true;
}

namespace {

// Die Stufe jedes Managers, beim Namen gemerkt: scheidet einer aus, rücken die Plätze auf.
void StufenMerken(const AutoplayOptionen& o, Bilanzbericht& bilanz)
{
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        const bool neu = o.stufe == "neu" || (o.stufe == "gemischt" && m % 2 == 0);
        bilanz.stufen[S.Manager[m].Name.text()] = o.passiv ? "passiv" : neu ? "neu" : "alt";
    }
}

AssistentStufe StufeVon(const Bilanzbericht& bilanz, int m)
{
    const auto s = bilanz.stufen.find(S.Manager[m].Name.text());
    return s != bilanz.stufen.end() && s->second == "alt" ? AssistentStufe::Alt : AssistentStufe::Neu;
}

// Wer speichert, hält den Ordner wie das Spiel im Fenster: mit --save dessen Ordner, mit einem
// Spielnamen (automatisches Speichern) auch den Save-Ordner.
bool OrdnerHalten(const AutoplayOptionen& o, std::array<OrdnerSperre, 2>& sperren, std::ostream& fehler)
{
    namespace fs = std::filesystem;
    std::error_code f;
    const auto ordner = [&f](const std::string& datei) {
        return fs::weakly_canonical(fs::absolute(datei, f).parent_path(), f);
    };
    if (!S.Spielname.empty()) SaveOrdnerAnlegen();
    const fs::path mitSave = o.speichern.empty() ? fs::path() : ordner(o.speichern);
    const fs::path automatisch = S.Spielname.empty() ? fs::path() : ordner(SpielstandPfad(S.Spielname));
    std::string grund;
    if ((!mitSave.empty() && !sperren[0].nehmen(mitSave.string(), grund)) ||
        (!automatisch.empty() && automatisch != mitSave && !sperren[1].nehmen(automatisch.string(), grund))) {
        fehler << grund << "\n";
        return false;
    }
    return true;
}

} // namespace

int Autoplay(const AutoplayOptionen& o, std::ostream& aus, std::ostream& fehler)
{
    Bilanzbericht bilanz;
    Automat automat(aus, o.meldungen || o.ereignis > 0, !o.passiv, o.bericht.empty() ? nullptr : &bilanz);
    ZufallSetzen(o.saat);
    std::array<OrdnerSperre, 2> sperren;
    try {
        S = Spielstand{};
        if (!o.laden.empty()) {
            if (!DatenLaden()) {
                fehler << T(DatenFehlerText) << "\n";
                return 2;
            }
            if (!SpielstandDatei("load", o.laden)) {
                for (const auto& t : automat.texte) fehler << t << "\n";
                return 2;
            }
            aus << Tf("Torvane ohne Bildschirm: Spielstand %1, Saison %2, %3 Manager, Saat %4",
                      {o.laden, std::to_string(S.Spiel.Saison), std::to_string(S.Spiel.ManagerHoch + 1),
                       std::to_string(o.saat)})
                << "\n";
        } else {
            if (!NeuesSpiel(o.manager, automat.texte, fehler)) return 2;
            aus << Tf("Torvane ohne Bildschirm: neues Spiel, %1 Manager, Saat %2",
                      {std::to_string(o.manager), std::to_string(o.saat)})
                << "\n";
        }
        automat.texte.clear();
        if (!OrdnerHalten(o, sperren, fehler)) return 2;
        bilanz.neuesSpiel();
        StufenMerken(o, bilanz);
        if (o.ereignis > 0) Ereignis(o.ereignis);
        const int anzahlManager = S.Spiel.ManagerHoch + 1;

        // Die Sitzung zählt je Spiel; nach einem Neustart zählt mit, was die früheren Spiele schon spielten.
        long tageFrueher = 0;
        long saisonsFrueher = 0;
        const auto tage = [&] { return tageFrueher + Sitzung.GespielteTage; };
        // Ein spielfreier Zug spielt gleich den nächsten Tag mit; die Grenze hält ihn am Ziel an.
        const auto grenzeSetzen = [&] { Sitzung.TageGrenze = o.tage >= 0 ? o.tage - tageFrueher : -1; };
        struct GrenzeAufheben {
            ~GrenzeAufheben() { Sitzung.TageGrenze = -1; }
        } aufheben;
        grenzeSetzen();
        auto stand = Stand();
        int ohneFortschritt = 0;
        const auto zielErreicht = [&] {
            return o.tage >= 0 ? tage() >= o.tage : saisonsFrueher + Sitzung.BeendeteSaisons >= o.saisons;
        };
        while (true) {
            if (SpielVorbei()) {
                // Der letzte ging beim Saisonende: die Saison wird trotzdem berichtet.
                if (!automat.bericht.manager.empty()) automat.berichtAusgeben(S.Spiel.Saison);
                aus << Tf("Alle Manager sind ausgeschieden: Spielende in Saison %1.", {std::to_string(S.Spiel.Saison)})
                    << "\n";
                // Am Ziel beginnt ein neues Spiel nur noch, wenn es gespeichert werden soll.
                if (!o.neustart || (zielErreicht() && o.speichern.empty())) break;
                const int n = std::clamp(anzahlManager, 1, 4);
                tageFrueher = tage();
                saisonsFrueher += Sitzung.BeendeteSaisons;
                bilanz.abschliessen();
                if (!NeuesSpiel(n, automat.texte, fehler)) return 2;
                aus << Tf("Neues Spiel mit %1 Manager(n).", {std::to_string(n)}) << "\n";
                bilanz.neuesSpiel();
                StufenMerken(o, bilanz);
                grenzeSetzen();
            }
            if (zielErreicht()) break;
            const int saison = S.Spiel.Saison;
            if (!o.passiv && Sitzung.ZugOffen && HatSpiel(S.AktManager)) {
                AssistentZug(S.AktManager, StufeVon(bilanz, S.AktManager));
                bilanz.zug(S.AktManager);
            }
            // Ein passiver Manager holt nur dann Geld, wenn sein Abschluss sonst nie gelänge.
            if (o.passiv && Sitzung.AbschlussOhneDeckung) SparbuchAufsKonto(S.AktManager);
            AbschlussClick();
            if (automat.berichtFertig) automat.berichtAusgeben(saison);
            const auto neu = Stand();
            ohneFortschritt = neu == stand ? ohneFortschritt + 1 : 0;
            stand = neu;
            if (ohneFortschritt >= 100) {
                fehler << Tf("Der Automat kommt nicht weiter (Manager %1, Spieltag %2).",
                             {std::to_string(int{S.AktManager}), std::to_string(S.Spiel.Spieltag)})
                       << "\n";
                return 1;
            }
        }
        // Ein fremder Wert aus einem geladenen Spielstand bekommt den nächstliegenden Namen.
        const Wettbewerb_ naechster = std::clamp(S.Spiel.Wettbewerb, Wettbewerb_::Liga, Wettbewerb_::Chl);
        if (!SpielVorbei())
            aus << Tf("Stand: Saison %1, %2. Spieltag, nächster Wettbewerb %3, %4 Wettbewerbstage gespielt",
                      {std::to_string(S.Spiel.Saison), std::to_string(S.Spiel.Spieltag), TWert(WettbewerbName(naechster)),
                       std::to_string(tage())})
                << "\n";

        if (!o.speichern.empty()) {
            if (SpielVorbei()) {
                fehler << T("Kein Manager mehr im Spiel und kein Neustart (--no-restart); es wird nichts gespeichert.") << "\n";
                return 2;
            }
            if (!SpielstandDatei("save", o.speichern)) {
                for (const auto& t : automat.texte) fehler << t << "\n";
                return 2;
            }
            aus << Tf("Gespeichert: %1", {o.speichern}) << "\n";
        }
        if (!o.bericht.empty()) {
            bilanz.abschliessen();
            const std::string saisons = std::to_string(o.saisons), manager = std::to_string(anzahlManager),
                              saat = std::to_string(o.saat);
            // Übersetzer: Die Stufe (alt, neu, gemischt) ist der Wert von --stufe und bleibt.
            bilanz.titel = o.passiv ? Tf("Bilanzbericht: %1 Saisons, %2 passive Manager, Saat %3", {saisons, manager, saat})
                                    : Tf("Bilanzbericht: %1 Saisons, %2 Computermanager, Stufe %3, Saat %4",
                                         {saisons, manager, o.stufe, saat});
            std::string grund;
            if (!bilanz.schreiben(o.bericht, grund)) {
                fehler << grund << "\n";
                return 2;
            }
            aus << Tf("Bericht: %1 und %2, %3 Manager-Saisons, %4 Pleite(n), %5 Züge mit zu kleinem Kader",
                      {o.bericht, Bilanzbericht::csvPfad(o.bericht), std::to_string(bilanz.manager.size()),
                       std::to_string(bilanz.pleiten.size()), std::to_string(bilanz.stufensumme("").knapp)})
                << "\n";
        }
    } catch (const Laufzeitfehler& f) {
        fehler << f.what() << "\n";
        return 1;
    } catch (const std::exception& f) {
        // Ein Lauf ohne Bildschirm soll nie abbrechen, sondern sagen, woran er scheiterte.
        fehler << Tf("Unerwarteter Fehler, das Spiel ohne Bildschirm wurde abgebrochen: %1", {f.what()}) << "\n";
        return 3;
    } catch (...) {
        fehler << T("Unerwarteter Fehler, das Spiel ohne Bildschirm wurde abgebrochen.") << "\n";
        return 3;
    }
    return 0;
}

std::vector<std::string> AutoplayAngaben(int argc, const char* const* argv)
{
    std::vector<std::string> angaben;
    int k = 1;
    while (k < argc && std::string(argv[k]) != "--autoplay") ++k;
    if (k + 1 < argc) angaben.emplace_back(argv[k + 1]);
    for (int i = 1; i < argc; ++i)
        if (i != k && i != k + 1) angaben.emplace_back(argv[i]);
    return angaben;
}

int AutoplayAusfuehren(int argc, char** argv)
{
    PfadeSetzen(ProgrammOrdnerAusSystem(argc > 0 ? argv[0] : nullptr), BenutzerOrdnerAusUmgebung());
    const std::string sprache = VerlangteSprache(argc, argv);
    SpracheSetzen(sprache.empty() ? SpracheAusUmgebung(Pfade.Sprachen) : sprache, Pfade.Sprachen);

    const std::vector<std::string> argumente = AutoplayAngaben(argc, argv);
    AutoplayOptionen o;
    std::string fehler;
    if (!AutoplayArgumente(argumente, o, fehler)) {
        std::cerr << fehler << "\n"
                  << T("Aufruf: torvane --autoplay SAISONS [--managers 1..4] [--seed S] [--days N]\n"
                       "                          [--load DATEI] [--save DATEI] [--daten ORDNER] [--no-restart] [--meldungen]\n"
                       "                          [--passiv] [--stufe alt|neu|gemischt] [--bericht DATEI] [--ereignis N]\n"
                       "--days N hält nach genau N Wettbewerbstagen an (Liga-, Pokal- und Champions-League-Tage).\n");
        return 2;
    }
    if (!o.daten.empty()) DatenOrdnerSetzen(o.daten);
    SteuerzeichenFilter ausFilter(std::cout.rdbuf());
    SteuerzeichenFilter fehlerFilter(std::cerr.rdbuf());
    std::ostream aus(&ausFilter);
    std::ostream fehlerAus(&fehlerFilter);
    return Autoplay(o, aus, fehlerAus);
}

int AutoplayFallsVerlangt(int argc, char** argv)
{
    if (argc < 2) return -1;
    bool autoplay = false;
    for (int i = 1; i < argc; ++i) autoplay = autoplay || std::string_view(argv[i]) == "--autoplay";
    if (!autoplay) return -1;
    return AutoplayAusfuehren(argc, argv);
}

} // namespace torvane
