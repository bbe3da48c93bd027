#include "flow/Bericht.h"

#include "core/Datei.h"
#include "core/Sitzung.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "finance/Vermoegen.h"
#include "flow/Assistent.h"
#include "flow/Diagramm.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <set>

namespace torvane {

namespace {

std::string Prozent(long teil, long ganz) { return ganz > 0 ? Dezimal(100.0 * teil / ganz, 1) + " %" : "-"; }

std::string Schnitt(const std::vector<int>& werte)
{
    if (werte.empty()) return "-";
    const double s = std::accumulate(werte.begin(), werte.end(), 0.0) / static_cast<double>(werte.size());
    return std::to_string(*std::min_element(werte.begin(), werte.end())) + " / " + Dezimal(s, 1) + " / " +
           std::to_string(*std::max_element(werte.begin(), werte.end()));
}

// Tausenderpunkte wie im Spiel, ohne Währung.
std::string Punkte(int64_t v)
{
    std::string z = std::to_string(v < 0 ? -v : v);
    for (int i = static_cast<int>(z.size()) - 3; i > 0; i -= 3) z.insert(static_cast<size_t>(i), ".");
    return v < 0 ? "-" + z : z;
}

std::string Zelle(const std::string& t) { return "<td>" + HtmlText(t) + "</td>"; }
std::string ZahlZelle(const std::string& t) { return "<td class=\"z\">" + HtmlText(t) + "</td>"; }
// Die Stufe bleibt in den Daten und in der CSV ein Code; gezeigt wird sie in der Sprache des Spiels.
std::string StufeName(const std::string& st)
{
    if (st == "alt") return TC("Stufe", "alt");
    if (st == "neu") return TC("Stufe", "neu");
    if (st == "passiv") return TC("Stufe", "passiv");
    return st;
}

std::string Kopf(std::initializer_list<const char*> spalten)
{
    std::string h = "<tr>";
    for (const char* s : spalten) h += std::string("<th>") + s + "</th>";
    return h + "</tr>\n";
}

// Ein CSV-Textfeld: Semikolon als Trenner (deutsche Tabellenkalkulation), Anführungszeichen bei
// Bedarf. Ein Name, der wie eine Formel beginnt, bekommt ein ' davor, damit die Tabellenkalkulation
// ihn nie ausrechnet; Zahlen schreibt der Bericht selbst und nie durch diese Funktion.
std::string CsvFeld(const std::string& text)
{
    const bool formel = !text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos;
    const std::string t = formel ? "'" + text : text;
    if (t.find_first_of(";\"\r\n") == std::string::npos) return t;
    std::string q = "\"";
    for (char c : t) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

} // namespace

Bilanzbericht::Bilanzbericht() : ereignisseStart_(Sitzung.EreignisZaehler) {}

void Bilanzbericht::neuesSpiel()
{
    ++spiele;
    // Das neue Spiel zählt seine Ereignisse wieder von vorn.
    ereignisseStart_ = Sitzung.EreignisZaehler;
    folge_.clear();
}

void Bilanzbericht::zug(int m)
{
    const Manager_& mg = S.Manager[m];
    // Die Aufstellung braucht elf Spieler und einen Torwart; fehlt einer Linie jemand, springt einer
    // der anderen ein. Gezählt wird der ganze Kader: Gelistete darf sie aufstellen, Verletzte fallen
    // ohne Zutun des Managers aus.
    int torwarte = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) torwarte += AssistentLinie(mg.Kader[i]) == 0;
    const bool knapp = mg.KaderAnzahl < 11 || torwarte == 0;
    const std::string name = mg.Name.text();
    int& folge = folge_[name];
    folge = knapp ? folge + 1 : 0;
    if (!knapp) return;
    const auto st = stufen.find(name);
    Knapp& k = knapp_[st != stufen.end() ? st->second : std::string()];
    ++k.zuege;
    k.laengste = std::max(k.laengste, folge);
}

void Bilanzbericht::saisonende()
{
    ++saisons;
    for (int liga = 1; liga <= 4; ++liga) {
        Ligasaison l;
        l.lauf = saisons;
        l.liga = liga;
        for (int tag = 1; tag <= 34; ++tag)
            for (int p = 1; p <= 9; ++p) {
                int heim = 0, gast = 0;
                if (std::sscanf(S.Ergebnisse[liga][tag][p].text().c_str(), "%d:%d", &heim, &gast) != 2) continue;
                ++l.spiele;
                l.tore += heim + gast;
                if (heim > gast)
                    ++l.heimsiege;
                else if (heim < gast)
                    ++l.auswaertssiege;
                else
                    ++l.remis;
            }
        const int erster = VereinAufPlatz(liga, 1);
        l.meisterPunkte = S.Mannschaft[erster].Punkte;
        for (int k = 0; k < 3; ++k) l.absteigerPunkte[static_cast<size_t>(k)] = S.Mannschaft[erster + 15 + k].Punkte;
        ligen.push_back(l);
    }
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        const Manager_& mg = S.Manager[m];
        Managersaison z;
        z.lauf = saisons;
        z.spiel = spiele;
        z.saison = S.Spiel.Saison;
        z.name = mg.Name.text();
        z.verein = mg.Vereinsname.text();
        z.liga = mg.Liga;
        z.platz = mg.Platz;
        z.konto = mg.Kontostand;
        z.vermoegen = VermoegenWert(m);
        z.aufstieg = mg.Liga > 1 && mg.Platz <= 3;
        z.abstieg = mg.Platz >= 16;
        const auto st = stufen.find(z.name);
        if (st != stufen.end()) z.stufe = st->second;
        manager.push_back(z);
    }
}

void Bilanzbericht::pleite()
{
    const Manager_& mg = S.Manager[S.AktManager];
    const auto st = stufen.find(mg.Name.text());
    pleiten.push_back({saisons + 1, spiele, S.Spiel.Saison, S.Spiel.Spieltag, mg.Liga, mg.Name.text(),
                       st != stufen.end() ? st->second : std::string()});
}

void Bilanzbericht::pokalsieger(Wettbewerb_ wettbewerb, const std::string& verein)
{
    if (!PokalOderChl(wettbewerb)) return;
    std::string nation = "?";
    const int v = VereinNachName(verein);
    if (wettbewerb == Wettbewerb_::Chl && v > 0) {
        const int m = ManagerVonVerein(v);
        if (m >= 0) {
            const auto st = stufen.find(S.Manager[m].Name.text());
            ++championsLeague[st != stufen.end() ? st->second : std::string()];
        }
    }
    if (v > 0) {
        const std::string kuerzel = S.Mannschaft[v].Nation.text();
        const int n = NationNachKuerzel(kuerzel);
        nation = n > 0 && !S.Nation[n].Name.empty() ? S.Nation[n].Name : kuerzel;
    }
    ++sieger[nation][static_cast<size_t>(WettbewerbNr(wettbewerb))];
}

void Bilanzbericht::abschliessen()
{
    for (size_t i = 0; i < ereignisse.size(); ++i) ereignisse[i] += Sitzung.EreignisZaehler[i] - ereignisseStart_[i];
    ereignisseStart_ = Sitzung.EreignisZaehler;
}

Ligasumme Bilanzbericht::summe(int liga) const
{
    Ligasumme s;
    for (const Ligasaison& l : ligen) {
        if (l.liga != liga) continue;
        s.spiele += l.spiele;
        s.tore += l.tore;
        s.heimsiege += l.heimsiege;
        s.remis += l.remis;
        s.auswaertssiege += l.auswaertssiege;
        s.meisterPunkte.push_back(l.meisterPunkte);
        s.absteigerPunkte.insert(s.absteigerPunkte.end(), l.absteigerPunkte.begin(), l.absteigerPunkte.end());
    }
    return s;
}

double Bilanzbericht::pleitenJeHundert() const
{
    return manager.empty() ? 0.0 : 100.0 * static_cast<double>(pleiten.size()) / static_cast<double>(manager.size());
}

Stufensumme Bilanzbericht::stufensumme(const std::string& stufe) const
{
    Stufensumme s;
    long plaetze = 0;
    int64_t konten = 0;
    for (const Managersaison& z : manager) {
        if (!stufe.empty() && z.stufe != stufe) continue;
        ++s.saisons;
        konten += z.konto;
        if (z.vermoegen >= AbgabeNaehe) ++s.anGrenze;
        if (z.liga != 1) continue;
        ++s.bundesliga;
        plaetze += z.platz;
        if (z.platz == 1) ++s.titel;
    }
    for (const Pleitefall& p : pleiten)
        if (stufe.empty() || p.stufe == stufe) ++s.pleiten;
    for (const auto& [st, n] : championsLeague)
        if (stufe.empty() || st == stufe) s.championsLeague += n;
    for (const auto& [st, k] : knapp_)
        if (stufe.empty() || st == stufe) {
            s.knapp += k.zuege;
            s.knappFolge = std::max(s.knappFolge, k.laengste);
        }
    if (s.bundesliga > 0) s.platzBundesliga = static_cast<double>(plaetze) / static_cast<double>(s.bundesliga);
    if (s.saisons > 0) s.kontoMittel = konten / s.saisons;
    return s;
}

std::string Bilanzbericht::csv() const
{
    std::string c = "Lauf;Spiel;Saison;Manager;Verein;Liga;Platz;Konto;Vermoegen;Aufstieg;Abstieg;Stufe\r\n";
    for (const Managersaison& z : manager)
        c += std::to_string(z.lauf) + ";" + std::to_string(z.spiel) + ";" + std::to_string(z.saison) + ";" +
             CsvFeld(z.name) + ";" + CsvFeld(z.verein) + ";" + std::to_string(z.liga) + ";" + std::to_string(z.platz) +
             ";" + std::to_string(z.konto) + ";" + std::to_string(z.vermoegen) + ";" + (z.aufstieg ? "1" : "0") +
             ";" + (z.abstieg ? "1" : "0") + ";" + CsvFeld(z.stufe) + "\r\n";
    return c;
}

std::string Bilanzbericht::html() const
{
    const std::string ueberschrift = HtmlText(TWert(titel));
    std::string h = "<!DOCTYPE html>\n<html lang=\"" + Sprache() + "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                    ueberschrift + "</title>\n<style>\n"
                    "body{font-family:sans-serif;margin:2em;max-width:1100px;color:#222;background:#fbfbf7}\n"
                    "h1{color:#1b5e20}h2{border-bottom:2px solid #2e7d32;padding-bottom:.2em;margin-top:2em}\n"
                    "table{border-collapse:collapse;margin:1em 0}td,th{border:1px solid #bbb;padding:.25em .6em}\n"
                    "th{background:#e8f5e9}td.z{text-align:right;white-space:nowrap}svg{display:block;margin:1em 0}\n"
                    ".gross{font-size:1.4em;font-weight:bold}summary{cursor:pointer;color:#1b5e20;margin:.5em 0}\n"
                    "</style>\n</head>\n<body>\n";
    h += "<h1>" + ueberschrift + "</h1>\n";

    // --- Überblick ---
    const int aufstiege = static_cast<int>(std::count_if(manager.begin(), manager.end(), [](const auto& z) {
        return z.aufstieg;
    }));
    const int abstiege = static_cast<int>(std::count_if(manager.begin(), manager.end(), [](const auto& z) {
        return z.abstieg;
    }));
    const int ausOberliga = static_cast<int>(std::count_if(manager.begin(), manager.end(), [](const auto& z) {
        return z.liga == 4 && z.platz <= 3;
    }));
    int hoechste = 5;
    for (const auto& z : manager) hoechste = std::min(hoechste, z.liga);
    h += std::string("<section id=\"ueberblick\">\n<h2>") + T("Überblick") + "</h2>\n<table>\n";
    h += std::string("<tr><th>") + T("Saisons") + "</th>" + ZahlZelle(std::to_string(saisons)) + "</tr>\n";
    h += std::string("<tr><th>") + T("Spiele (mit Neustarts)") + "</th>" + ZahlZelle(std::to_string(spiele)) + "</tr>\n";
    h += std::string("<tr><th>") + T("Manager-Saisons (beendet)") + "</th>" + ZahlZelle(std::to_string(manager.size())) +
         "</tr>\n";
    h += std::string("<tr><th>") + T("Pleiten") + "</th>" + ZahlZelle(std::to_string(pleiten.size())) + "</tr>\n";
    h += std::string("<tr><th>") + T("Pleiten je 100 Manager-Saisons") + "</th><td class=\"z gross\">" +
         Dezimal(pleitenJeHundert(), 1) + "</td></tr>\n";
    h += std::string("<tr><th>") + T("Aufstiege von Managern") + "</th>" + ZahlZelle(std::to_string(aufstiege)) +
         "</tr>\n";
    h += std::string("<tr><th>") + T("davon aus der Oberliga") + "</th>" + ZahlZelle(std::to_string(ausOberliga)) +
         "</tr>\n";
    h += std::string("<tr><th>") + T("Abstiege von Managern") + "</th>" + ZahlZelle(std::to_string(abstiege)) + "</tr>\n";
    h += std::string("<tr><th>") + T("Höchste erreichte Liga") + "</th>" +
         Zelle(hoechste <= 4 ? LigaNamen.at(static_cast<size_t>(hoechste)) : "-") + "</tr>\n";
    h += std::string("</table>\n<p>") +
         T("Eine Manager-Saison ist eine Saison, die ein Manager bis zum Saisonende spielte; Konto und Vermögen "
           "gelten beim Öffnen des Saisonendes, vor Prämien und Auf- und Abstieg. Ein Abstieg aus der Oberliga in "
           "die Verbandsliga beendet das Spiel eines Managers ohne Pleite.") +
         "</p>\n";
    if (!pleiten.empty()) {
        std::vector<Balken> jeLiga;
        for (int liga = 1; liga <= 4; ++liga) {
            const auto n = std::count_if(pleiten.begin(), pleiten.end(), [&](const auto& p) { return p.liga == liga; });
            if (n > 0) jeLiga.push_back({LigaNamen.at(static_cast<size_t>(liga)), static_cast<double>(n)});
        }
        h += BalkenSvg(T("Pleiten nach Liga"), jeLiga);
        h += "<details>\n<summary>" + Tf("Die Pleiten einzeln (%1)", {std::to_string(pleiten.size())}) +
             "</summary>\n";
        h += "<table>\n" +
             Kopf({T("Saison (lauf.)"), T("Spiel"), T("Saison"), T("Spieltag"), T("Liga"), T("Manager")});
        for (const Pleitefall& p : pleiten)
            h += "<tr>" + ZahlZelle(std::to_string(p.lauf)) + ZahlZelle(std::to_string(p.spiel)) +
                 ZahlZelle(std::to_string(p.saison)) + ZahlZelle(std::to_string(p.spieltag)) +
                 Zelle(LigaNamen.at(static_cast<size_t>(std::clamp(p.liga, 0, 5)))) + Zelle(p.name) +
                 "</tr>\n";
        h += "</table>\n</details>\n";
    }
    h += "</section>\n";

    // --- Stufen des Computermanagers, nebeneinander ---
    std::set<std::string> alleStufen;
    for (const auto& z : manager)
        if (!z.stufe.empty()) alleStufen.insert(z.stufe);
    if (!alleStufen.empty()) {
        h += std::string("<section id=\"stufen\">\n<h2>") + T("Computermanager nach Stufe") + "</h2>\n<table>\n" +
             Kopf({T("Stufe"), T("Manager-Saisons"), T("davon Bundesliga"), T("Meistertitel"),
                   T("Titel je Bundesliga-Saison"), T("Platz in der Bundesliga (Schnitt)"), T("Champions-League-Siege"),
                   T("Pleiten"), T("Pleiten je 20"), T("Konto am Saisonende (Schnitt) €"), T("an der Abgabegrenze"),
                   T("Züge mit zu kleinem Kader"), T("längste Folge")});
        for (const std::string& st : alleStufen) {
            const Stufensumme s = stufensumme(st);
            h += "<tr>" + Zelle(StufeName(st)) + ZahlZelle(std::to_string(s.saisons)) + ZahlZelle(std::to_string(s.bundesliga)) +
                 ZahlZelle(std::to_string(s.titel)) + ZahlZelle(Prozent(s.titel, s.bundesliga)) +
                 ZahlZelle(s.bundesliga > 0 ? Dezimal(s.platzBundesliga, 1) : "-") +
                 ZahlZelle(std::to_string(s.championsLeague)) + ZahlZelle(std::to_string(s.pleiten)) +
                 ZahlZelle(s.saisons > 0 ? Dezimal(20.0 * static_cast<double>(s.pleiten) / static_cast<double>(s.saisons), 2) : "-") +
                 ZahlZelle(Punkte(s.kontoMittel)) + ZahlZelle(Prozent(s.anGrenze, s.saisons)) +
                 ZahlZelle(std::to_string(s.knapp)) + ZahlZelle(std::to_string(s.knappFolge)) + "</tr>\n";
        }
        h += std::string("</table>\n<p>") +
             T("An der Abgabegrenze: ein Vermögen ab 1,8 Milliarden am Saisonende; darüber frisst die Abgabe jeden "
               "Gewinn. Zu kleiner Kader: nach dem Zug weniger als elf Spieler oder kein Torwart (Gelistete und "
               "Verletzte zählen mit).") +
             "</p>\n</section>\n";
    }

    // --- Ligen ---
    h += std::string("<section id=\"ligen\">\n<h2>") + T("Ligen") + "</h2>\n<table>\n" +
         Kopf({T("Liga"), T("Spiele"), T("Tore je Spiel"), T("Heimsiege"), T("Remis"), T("Auswärtssiege"),
               T("Punkte Meister (min / Schnitt / max)"), T("Punkte Absteiger (min / Schnitt / max)")});
    std::vector<Balken> tore;
    std::vector<Anteil> anteile;
    for (int liga = 1; liga <= 4; ++liga) {
        const Ligasumme s = summe(liga);
        const std::string name = LigaNamen.at(static_cast<size_t>(liga));
        const double schnitt = s.spiele > 0 ? static_cast<double>(s.tore) / static_cast<double>(s.spiele) : 0.0;
        h += "<tr>" + Zelle(name) + ZahlZelle(std::to_string(s.spiele)) + ZahlZelle(Dezimal(schnitt, 2)) +
             ZahlZelle(Prozent(s.heimsiege, s.spiele)) + ZahlZelle(Prozent(s.remis, s.spiele)) +
             ZahlZelle(Prozent(s.auswaertssiege, s.spiele)) + ZahlZelle(Schnitt(s.meisterPunkte)) +
             ZahlZelle(Schnitt(s.absteigerPunkte)) + "</tr>\n";
        tore.push_back({name, schnitt});
        anteile.push_back({name, {static_cast<double>(s.heimsiege), static_cast<double>(s.remis),
                                  static_cast<double>(s.auswaertssiege)}});
    }
    h += "</table>\n";
    h += BalkenSvg(T("Tore je Spiel"), tore);
    h += AnteileSvg(T("Heimsiege, Remis und Auswärtssiege"),
                    {T("Heimsieg"), TC("ein Spiel", "Remis"), T("Auswärtssieg")}, anteile);
    std::vector<Kurve> toreLinien;
    for (int liga = 1; liga <= 4; ++liga) {
        Kurve l{LigaNamen.at(static_cast<size_t>(liga)), {}, false};
        for (const Ligasaison& z : ligen)
            if (z.liga == liga && z.spiele > 0)
                l.punkte.push_back({static_cast<double>(z.lauf), static_cast<double>(z.tore) / z.spiele});
        toreLinien.push_back(l);
    }
    h += LinienSvg(T("Tore je Spiel über die Saisons"), T("Saison"), toreLinien, {});
    h += "</section>\n";

    // --- Manager ---
    h += std::string("<section id=\"manager\">\n<h2>") + T("Manager") + "</h2>\n";
    // Eine Farbe je Managername; jedes Spiel eine eigene Linie, damit ein Neustart keine Brücke schlägt.
    std::vector<std::string> namen;
    for (const auto& z : manager)
        if (std::find(namen.begin(), namen.end(), z.name) == namen.end()) namen.push_back(z.name);
    std::vector<Kurve> geld, platz;
    std::set<std::pair<int, std::string>> laeufe;
    for (const auto& z : manager) laeufe.insert({z.spiel, z.name});
    for (const auto& [spiel, name] : laeufe) {
        const int farbe = static_cast<int>(std::find(namen.begin(), namen.end(), name) - namen.begin());
        Kurve v{name, {}, false, farbe}, k{Tf("%1 (Konto)", {name}), {}, true, farbe}, p{name, {}, false, farbe};
        for (const auto& z : manager) {
            if (z.spiel != spiel || z.name != name) continue;
            v.punkte.push_back({static_cast<double>(z.lauf), static_cast<double>(z.vermoegen) / 1e6});
            k.punkte.push_back({static_cast<double>(z.lauf), static_cast<double>(z.konto) / 1e6});
            p.punkte.push_back({static_cast<double>(z.lauf), static_cast<double>((z.liga - 1) * 18 + z.platz)});
        }
        geld.push_back(v);
        geld.push_back(k);
        platz.push_back(p);
    }
    h += LinienSvg(T("Vermögen (durchgezogen) und Konto (gestrichelt) am Saisonende, Mio. €"), T("Saison"), geld,
                   {});
    // Nur die Ligen, die ein Manager erreicht hat; sonst drängen sich alle Linien unten.
    Achse ligen;
    ligen.umgekehrt = true;
    ligen.von = (hoechste <= 4 ? hoechste - 1 : 3) * 18 + 1;
    ligen.bis = 72;
    for (int liga = 1; liga <= 4; ++liga)
        if ((liga - 1) * 18 + 1 >= ligen.von)
            ligen.marken.push_back({static_cast<double>((liga - 1) * 18 + 1), LigaNamen.at(static_cast<size_t>(liga))});
    h += LinienSvg(T("Platz in der Ligenpyramide am Saisonende"), T("Saison"), platz, ligen);
    h += "<details>\n<summary>" + Tf("Alle Manager-Saisons (%1)", {std::to_string(manager.size())}) +
         "</summary>\n<table>\n" +
         Kopf({T("Saison (lauf.)"), T("Spiel"), T("Saison"), T("Manager"), T("Verein"), T("Liga"), T("Platz"),
               T("Konto €"), T("Vermögen €"), T("Wechsel")});
    for (const auto& z : manager)
        h += "<tr>" + ZahlZelle(std::to_string(z.lauf)) + ZahlZelle(std::to_string(z.spiel)) +
             ZahlZelle(std::to_string(z.saison)) + Zelle(z.name) + Zelle(z.verein) +
             Zelle(LigaNamen.at(static_cast<size_t>(std::clamp(z.liga, 0, 5)))) + ZahlZelle(std::to_string(z.platz)) +
             ZahlZelle(Punkte(z.konto)) + ZahlZelle(Punkte(z.vermoegen)) +
             Zelle(z.aufstieg ? T("Aufstieg") : z.abstieg ? T("Abstieg") : "") + "</tr>\n";
    h += "</table>\n</details>\n</section>\n";

    // --- Ereignisse ---
    h += std::string("<section id=\"ereignisse\">\n<h2>") + T("Ereignisse") + "</h2>\n<table>\n" +
         Kopf({T("Ereignis"), T("Anzahl")});
    h += std::string("<tr><th>") + T("gezogen (alle)") + "</th>" + ZahlZelle(std::to_string(ereignisse[0])) + "</tr>\n";
    long einzelne = 0;
    for (size_t n = 1; n < ereignisse.size(); ++n) {
        if (ereignisse[n] == 0) continue;
        einzelne += ereignisse[n];
        h += "<tr>" + Zelle(Tf("Ereignis %1", {std::to_string(n)})) + ZahlZelle(std::to_string(ereignisse[n])) + "</tr>\n";
    }
    h += "</table>\n";
    if (einzelne == 0) h += std::string("<p>") + T("Keines der einzelnen Ereignisse 1 bis 42 wurde gezählt.") + "</p>\n";
    h += "</section>\n";

    // --- Pokalsieger ---
    h += std::string("<section id=\"pokale\">\n<h2>") + T("Pokalsieger nach Nation") + "</h2>\n<table>\n<tr><th>" +
         T("Nation") + "</th>";
    for (const Wettbewerb_ w : PokaleUndChl) h += std::string("<th>") + TWert(WettbewerbName(w)) + "</th>";
    h += "</tr>\n";
    for (const auto& [nation, titel] : sieger) {
        h += "<tr>" + Zelle(nation);
        for (const Wettbewerb_ w : PokaleUndChl)
            h += ZahlZelle(std::to_string(titel[static_cast<size_t>(WettbewerbNr(w))]));
        h += "</tr>\n";
    }
    h += "</table>\n</section>\n</body>\n</html>\n";
    return h;
}

std::string Bilanzbericht::csvPfad(const std::string& datei)
{
    const std::string pfad = std::filesystem::path(datei).replace_extension(".csv").string();
    // Hieße der Bericht selbst schon .csv, überschriebe die Tabelle sonst die Seite.
    return pfad == datei ? datei + ".csv" : pfad;
}

bool Bilanzbericht::schreiben(const std::string& datei, std::string& fehler) const
{
    const std::pair<std::string, std::string> dateien[] = {{datei, html()}, {csvPfad(datei), csv()}};
    for (const auto& [pfad, inhalt] : dateien) {
        std::string grund;
        if (!DateiSicherErsetzen(pfad, inhalt, grund)) {
            fehler = Tf("Der Bericht konnte nicht geschrieben werden: %1", {pfad}) + "\n" + grund;
            return false;
        }
    }
    return true;
}

} // namespace torvane
