#include "match/Anzeige.h"

#include "core/Oberflaeche.h"
#include "core/PortHalter.h"
#include "core/Sprache.h"
#include "core/Variablen.h"

namespace torvane {

namespace {
PortHalter<Spieltagsanzeige, StilleAnzeige> gAnzeige;
} // namespace

Spieltagsanzeige& Tagesanzeige() { return *gAnzeige; }
void TagesanzeigeSetzen(Spieltagsanzeige* a) { gAnzeige.setzen(a); }

void ZeileZeigen(int zeile, int spalte, int heim, int gast, const std::string& text)
{
    Tagesanzeige().zeileZeigen(zeile, spalte, heim, gast, text);
}

void WeiterAbwarten(const std::string& beschriftung)
{
    // Ein altes "weiter" darf das Warten nicht vorzeitig beenden.
    S.Befehl = Befehlswert::Keiner;
    Tagesanzeige().weiterZeigen(beschriftung.empty() ? std::string(T("Weiter")) : beschriftung);
    WarteAufBefehl(Befehlswert::Weiter);
}

std::string ErgebnisAusrichten(const std::string& text)
{
    const size_t p = text.find(':');
    const int stelle = p == std::string::npos ? 0 : static_cast<int>(p) + 1;
    const int davor = 3 - stelle;
    return davor > 0 ? std::string(static_cast<size_t>(davor), ' ') + text : text;
}

int Tempo(int m) { return S.Optionen[m][OptTempo]; }

// --- ProtokollAnzeige ---
ProtokollAnzeige::ProtokollAnzeige() : vorher_(&Tagesanzeige()) { TagesanzeigeSetzen(this); }

ProtokollAnzeige::~ProtokollAnzeige()
{
    if (&Tagesanzeige() == this) TagesanzeigeSetzen(vorher_ == this ? nullptr : vorher_);
}

bool ProtokollAnzeige::enthaelt(const std::string& teil) const { return anzahl(teil) > 0; }

size_t ProtokollAnzeige::anzahl(const std::string& teil) const
{
    size_t n = 0;
    for (const auto& z : protokoll)
        if (z.find(teil) != std::string::npos) ++n;
    return n;
}

void ProtokollAnzeige::titel(const std::string& text) { protokoll.push_back("titel:" + text); }
void ProtokollAnzeige::kopf(const std::string& w, const std::string& t) { protokoll.push_back("kopf:" + w + "|" + t); }
void ProtokollAnzeige::zeileZeigen(int zeile, int spalte, int, int, const std::string& text)
{
    protokoll.push_back("zeile:" + std::to_string(zeile) + ":" + std::to_string(spalte) + ":" + text);
}
void ProtokollAnzeige::verliererZeigen(int zeile, int spalte)
{
    protokoll.push_back("grau:" + std::to_string(zeile) + ":" + std::to_string(spalte));
}
void ProtokollAnzeige::zeilenLeeren() { protokoll.push_back("leeren"); }
void ProtokollAnzeige::zeilenMeldung(int zeile, const std::string& text)
{
    protokoll.push_back("meldung:" + std::to_string(zeile) + ":" + text);
}
void ProtokollAnzeige::meldungenLeeren() { protokoll.push_back("meldungenLeeren"); }
void ProtokollAnzeige::weiterZeigen(const std::string& b) { protokoll.push_back("weiter:" + b); }
void ProtokollAnzeige::weiterVerbergen() { protokoll.push_back("weiterAus"); }
void ProtokollAnzeige::siegerZeigen(const std::string& v, const std::string& t)
{
    protokoll.push_back("sieger:" + v + "|" + t);
}
void ProtokollAnzeige::siegerVerbergen() { protokoll.push_back("siegerAus"); }
void ProtokollAnzeige::totoZeigen() { protokoll.push_back("toto"); }
void ProtokollAnzeige::totoZeile(int slot, const std::string& text)
{
    protokoll.push_back("toto:" + std::to_string(slot) + ":" + text);
}
void ProtokollAnzeige::totoVerbergen() { protokoll.push_back("totoAus"); }
void ProtokollAnzeige::tabelleZeigen(int liga) { protokoll.push_back("tabelle:" + std::to_string(liga)); }
void ProtokollAnzeige::tabelleSchliessen() { protokoll.push_back("tabelleZu"); }
void ProtokollAnzeige::tagBeendet() { protokoll.push_back("tagEnde"); }
void ProtokollAnzeige::liveBeginnen(const std::string& heim, bool, const std::string& gast, bool,
                                    const std::string& zuschauer)
{
    protokoll.push_back("live:" + heim + "|" + gast + "|" + zuschauer);
}
void ProtokollAnzeige::minuteZeigen(int minute) { protokoll.push_back("minute:" + std::to_string(minute)); }
void ProtokollAnzeige::spielstandZeigen(const std::string& t) { protokoll.push_back("stand:" + t); }
void ProtokollAnzeige::anteilZeigen(const std::string& t) { protokoll.push_back("anteil:" + t); }
void ProtokollAnzeige::ballZeigen(int x, int, int, int, int)
{
    ++baelle;
    letzterBallX = x;
}
void ProtokollAnzeige::symbolZeigen(int s, int x, int y)
{
    protokoll.push_back("symbol:" + std::to_string(s) + ":" + std::to_string(x) + ":" + std::to_string(y));
}
void ProtokollAnzeige::aktionZeigen(int tafel, const std::string& text)
{
    protokoll.push_back("aktion:" + std::to_string(tafel) + ":" + text);
}
void ProtokollAnzeige::aktionVerbergen(int tafel) { protokoll.push_back("aktionAus:" + std::to_string(tafel)); }
void ProtokollAnzeige::liveBeenden() { protokoll.push_back("liveEnde"); }

} // namespace torvane
