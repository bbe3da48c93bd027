#include "core/SkriptOberflaeche.h"

#include "core/Variablen.h"

#include <cstdlib>

namespace torvane {

SkriptOberflaeche::SkriptOberflaeche() : vorher_(&UI()) { OberflaecheSetzen(this); }

SkriptOberflaeche::~SkriptOberflaeche()
{
    if (&UI() == this) OberflaecheSetzen(vorher_ == this ? nullptr : vorher_);
}

bool SkriptOberflaeche::enthaelt(std::string_view teil) const { return anzahl(teil) > 0; }

size_t SkriptOberflaeche::anzahl(std::string_view teil) const
{
    size_t n = 0;
    for (const auto& z : protokoll)
        if (z.find(teil) != std::string::npos) ++n;
    return n;
}

std::vector<std::string> SkriptOberflaeche::klaenge() const
{
    std::vector<std::string> k;
    for (const auto& z : protokoll) {
        if (z.rfind("Klang:", 0) == 0) k.push_back(z.substr(6));
        if (z.rfind("KlangEnde:", 0) == 0) k.push_back(z.substr(10));
    }
    return k;
}

std::vector<std::string> SkriptOberflaeche::texte() const
{
    std::vector<std::string> t;
    for (const auto& z : protokoll) {
        if (z.rfind("Nachricht:", 0) == 0) t.push_back(z.substr(10));
        if (z.rfind("Dialog:", 0) == 0) t.push_back(z.substr(7));
    }
    return t;
}

std::string SkriptOberflaeche::naechste(const std::string& frage)
{
    if (antworten.empty()) throw UngeskriptetFehler("Ungeskriptete Frage: " + frage);
    std::string a = antworten.front();
    antworten.pop_front();
    protokoll.push_back("Antwort:" + a);
    return a;
}

void SkriptOberflaeche::klang(const std::string& name, bool bisEnde)
{
    protokoll.push_back((bisEnde ? "KlangEnde:" : "Klang:") + name);
}

void SkriptOberflaeche::warte(int ms, bool) { protokoll.push_back("Warte:" + std::to_string(ms)); }

int SkriptOberflaeche::zahleneingabe(int, const std::string& frage, int, int)
{
    protokoll.push_back("Zahl:" + frage);
    const std::string a = naechste("Zahleneingabe \"" + frage + "\"");
    char* ende = nullptr;
    const long z = std::strtol(a.c_str(), &ende, 10);
    if (ende == a.c_str() || *ende != '\0') throw UngeskriptetFehler("Antwort ist keine Zahl: " + a);
    return static_cast<int>(z);
}

Befehlswert SkriptOberflaeche::nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art,
                                         int, int, int)
{
    protokoll.push_back("Nachricht:" + kopf + "|" + text);
    switch (art.typ) {
    case NachrichtArt::Ok: return Befehlswert::NachrichtWeiter;
    case NachrichtArt::Auto: return Befehlswert::Keiner;
    case NachrichtArt::Jein:
    case NachrichtArt::Alles: {
        const std::string a = naechste("Nachricht \"" + kopf + "|" + text + "\"");
        for (const Befehlswert b : {Befehlswert::Ja, Befehlswert::Nein, Befehlswert::NachrichtWeiter})
            if (a == BefehlName(b) && (b != Befehlswert::NachrichtWeiter || art.typ == NachrichtArt::Alles)) return b;
        throw UngeskriptetFehler("Antwort \"" + a + "\" passt nicht zur Nachricht " + kopf);
    }
    default: throw UngeskriptetFehler("Nachricht ohne Art");
    }
}

Antwort SkriptOberflaeche::dialog(DialogArt, const std::string& text, Knoepfe knoepfe)
{
    protokoll.push_back("Dialog:" + text);
    if (knoepfe == Knoepfe::Ok) return Antwort::Ok;
    const std::string a = naechste("Dialog \"" + text + "\"");
    if (a == "Ja") return Antwort::Ja;
    if (a == "Nein" && (knoepfe == Knoepfe::JaNein || knoepfe == Knoepfe::JaNeinAbbrechen)) return Antwort::Nein;
    if (a == "Abbrechen" && knoepfe != Knoepfe::JaNein) return Antwort::Abbrechen;
    if (a == "Ok" && knoepfe == Knoepfe::OkAbbrechen) return Antwort::Ok;
    throw UngeskriptetFehler("Antwort \"" + a + "\" passt nicht zum Dialog \"" + text + "\"");
}

void SkriptOberflaeche::warteAufBefehl(Befehlswert erwartet)
{
    protokoll.push_back("Befehl:" + std::string(BefehlName(erwartet)));
    S.Befehl = erwartet;
}

} // namespace torvane
