#include "flow/Vertretung.h"

#include "core/Konto.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "flow/Assistent.h"

#include <algorithm>

namespace torvane {

namespace {
std::string Spieler(const Kaderspieler_& sp) { return sp.Vorname.text() + " " + sp.Nachname.text(); }
std::string Betrag(int64_t v) { return Geldtext(static_cast<double>(v)) + Waehrung; }
} // namespace

Vertretungsstand VertretungBeginnen(int m)
{
    const Manager_& mg = S.Manager[m];
    Vertretungsstand v{mg.Name.text(), mg.Kontostand, mg.Kredit, mg.Sparbuch, mg.Plaetze, {}};
    for (int i = 1; i <= mg.KaderAnzahl; ++i) v.kader.emplace_back(Spieler(mg.Kader[i]), mg.Kader[i].Vertrag);
    return v;
}

Vertretungsbilanz VertretungBilanz(const Vertretungsstand& vorher, int m)
{
    const Manager_& mg = S.Manager[m];
    Vertretungsbilanz b;
    b.kontoVorher = vorher.konto, b.kontoNachher = mg.Kontostand;
    b.kreditVorher = vorher.kredit, b.kreditNachher = mg.Kredit;
    b.sparbuchVorher = vorher.sparbuch, b.sparbuchNachher = mg.Sparbuch;
    b.plaetzeVorher = vorher.plaetze, b.plaetzeNachher = mg.Plaetze;
    std::vector<std::string> jetzt;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& sp = mg.Kader[i];
        jetzt.push_back(Spieler(sp));
        const auto alt = std::find_if(vorher.kader.begin(), vorher.kader.end(),
                                      [&](const auto& p) { return p.first == jetzt.back(); });
        if (alt == vorher.kader.end()) ++b.gekauft;
        else if (sp.Vertrag > alt->second) ++b.verlaengert;
    }
    for (const auto& [name, jahre] : vorher.kader)
        if (std::find(jetzt.begin(), jetzt.end(), name) == jetzt.end()) ++b.verkauft;
    return b;
}

std::string VertretungText(const std::string& name, const Vertretungsbilanz& b)
{
    return Tf("%1, das hat die Automatik für Sie getan:", {name}) + NL + NL +
           Tf("Spieler gekauft: %1", {std::to_string(b.gekauft)}) + NL +
           Tf("Spieler verkauft: %1", {std::to_string(b.verkauft)}) + NL +
           Tf("Verträge verlängert: %1", {std::to_string(b.verlaengert)}) + NL +
           Tf("Kredit: %1 → %2", {Betrag(b.kreditVorher), Betrag(b.kreditNachher)}) + NL +
           Tf("Sparbuch: %1 → %2", {Betrag(b.sparbuchVorher), Betrag(b.sparbuchNachher)}) + NL +
           Tf("Stadionplätze: %1 → %2", {Geldtext(static_cast<double>(b.plaetzeVorher)),
                                         Geldtext(static_cast<double>(b.plaetzeNachher))}) +
           NL + Tf("Kontostand: %1 → %2", {Betrag(b.kontoVorher), Betrag(b.kontoNachher)});
}

Vertretung::Vertretung(std::function<bool(int m)> automatisch) : automatisch_(std::move(automatisch)), innen_(&UI())
{
    OberflaecheSetzen(this);
}

Vertretung::~Vertretung() { OberflaecheSetzen(innen_); }

bool Vertretung::vertreten() const
{
    return S.AktManager <= S.Spiel.ManagerHoch && automatisch_(S.AktManager);
}

int Vertretung::zahleneingabe(int anfang, const std::string& frage, int x, int y)
{
    return vertreten() ? anfang : innen_->zahleneingabe(anfang, frage, x, y);
}

Befehlswert Vertretung::nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int x,
                                  int y, int bild)
{
    return vertreten() ? AssistentKnopf(S.AktManager, text, art) : innen_->nachricht(kopf, text, art, x, y, bild);
}

Antwort Vertretung::dialog(DialogArt art, const std::string& text, Knoepfe knoepfe)
{
    return vertreten() ? AssistentAntwort(S.AktManager, text, knoepfe) : innen_->dialog(art, text, knoepfe);
}

bool Vertretung::angebot(const Angebotsfrage& f, const std::string& kopf, const std::string& text)
{
    return vertreten() ? AssistentAngebot(S.AktManager, f) : innen_->angebot(f, kopf, text);
}

} // namespace torvane
