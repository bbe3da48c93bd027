#include "core/Funky.h"

#include "core/Cp1252.h"
#include "core/Datei.h"
#include "core/Fehler.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace torvane {

namespace {
uint32_t gSaat = 0;

// Lineare Kongruenz modulo 2^32, Ergebnis (saat * n) >> 32.
uint32_t R(uint32_t n)
{
    gSaat = gSaat * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(gSaat) * n) >> 32);
}
} // namespace

void ZufallSetzen(uint32_t saat) { gSaat = saat; }
uint32_t ZufallSaat() { return gSaat; }

int32_t Zufall(int32_t von, int32_t bis)
{
    const int64_t n = static_cast<int64_t>(bis) - von + 1;
    // R(n) < n: das Ergebnis liegt in von..bis und passt immer.
    if (n > 0) return static_cast<int32_t>(von + static_cast<int64_t>(R(static_cast<uint32_t>(n))));
    // Vertauschte Grenzen: von - R(-n); die Saisonwende verlässt sich darauf.
    return Passt<int32_t>(von - static_cast<int64_t>(R(static_cast<uint32_t>(-n))), "Zufall");
}

int64_t KontoBuchbar(int64_t konto, int64_t betrag)
{
    const int64_t neu = konto + betrag;
    if (betrag >= 0) return std::max<int64_t>(0, std::min(neu, KontoMax) - konto);
    return neu < KontoMin ? 0 : betrag;
}

void (*KontoPruefstelle)(int64_t verlangt, int64_t gebucht) = nullptr;

int64_t KontoBuchen(int32_t& konto, int64_t betrag)
{
    const int64_t b = KontoBuchbar(konto, betrag);
    konto = static_cast<int32_t>(konto + b);
    if (KontoPruefstelle) KontoPruefstelle(betrag, b);
    return b;
}

int64_t AbrundenAuf(int64_t v, int k)
{
    int64_t p = 1;
    for (int i = 0; i < k; ++i) p *= 10;
    return v / p * p;
}

int64_t AbrundenAuf(double v, int k) { return AbrundenAuf(Abschneiden(v, "AbrundenAuf"), k); }

std::string Geldtext(double v)
{
    const int64_t w = Runden(v, "Geldtext");
    std::string ziffern = std::to_string(w < 0 ? -w : w);
    std::string aus;
    const size_t n = ziffern.size();
    for (size_t i = 0; i < n; ++i) {
        aus += ziffern[i];
        const size_t rest = n - 1 - i;
        if (rest > 0 && rest % 3 == 0) aus += '.';
    }
    return w < 0 ? "-" + aus : aus;
}

std::string MitteText(std::string_view s, int n)
{
    const int l = static_cast<int>(Utf8Laenge(s));
    if (l >= n) return std::string(s);
    return std::string(static_cast<size_t>((n - l) / 2), ' ') + std::string(s);
}

std::string RechtsText(std::string_view s, int n)
{
    const int l = static_cast<int>(Utf8Laenge(s));
    if (l >= n) return std::string(s);
    return std::string(static_cast<size_t>(n - l), ' ') + std::string(s);
}

std::string OhneRandLeerzeichen(std::string_view s)
{
    const auto leer = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && leer(s.front())) s.remove_prefix(1);
    while (!s.empty() && leer(s.back())) s.remove_suffix(1);
    return std::string(s);
}

std::string LinksText(std::string_view s, int n)
{
    const int l = static_cast<int>(Utf8Laenge(s));
    if (l >= n) return std::string(s);
    return std::string(s) + std::string(static_cast<size_t>(n - l), ' ');
}

Pfade_ Pfade;

namespace {
std::string MitSchraegstrich(std::string p)
{
    for (char& c : p)
        if (c == '\\') c = '/';
    if (p.empty() || p.back() != '/') p += '/';
    return p;
}

bool Beschreibbar(const std::string& ordner)
{
    std::error_code f;
    std::filesystem::create_directories(ordner, f);
    return std::filesystem::is_directory(ordner, f) && OrdnerBeschreibbar(ordner);
}
} // namespace

void PfadeSetzen(const std::string& programmOrdner, const std::string& benutzerOrdner)
{
    namespace fs = std::filesystem;
    std::error_code f;
    Pfade = Pfade_{};
    Pfade.Programm = MitSchraegstrich(programmOrdner);
    Pfade.Benutzer = benutzerOrdner.empty() ? std::string() : MitSchraegstrich(benutzerOrdner);
    std::string grund = Pfade.Programm;
    if (!fs::is_directory(grund + "daten", f)) {
        const std::string geteilt = Pfade.Programm + "../share/torvane/";
        if (fs::is_directory(geteilt + "daten", f)) {
            grund = MitSchraegstrich(fs::weakly_canonical(geteilt, f).string());
            Pfade.Installiert = !Pfade.Benutzer.empty();
        }
    }
    auto unter = [&grund](const std::string& name) {
        const std::string p = grund + name + "/";
        std::error_code f2;
        return fs::is_directory(p, f2) ? p : grund;
    };
    Pfade.Daten = unter("daten");
    Pfade.Grafik = unter("grafik");
    Pfade.Musik = unter("musik");
    if (Pfade.Installiert) {
        if (fs::is_directory(Pfade.Benutzer + "daten", f)) Pfade.Daten = Pfade.Benutzer + "daten/";
        Pfade.Spezial = Pfade.Benutzer + "spezial/";
        Pfade.Save = Pfade.Benutzer + "Save/";
        return;
    }
    Pfade.Spezial = grund + "spezial/";
    Pfade.Save = grund + "Save/";
    if (!Beschreibbar(Pfade.Save) && !Pfade.Benutzer.empty()) Pfade.Save = Pfade.Benutzer + "Save/";
}

bool DatenBeschreibbarMachen()
{
    namespace fs = std::filesystem;
    const std::string ziel = Pfade.Benutzer + "daten/";
    if (!Pfade.Installiert || Pfade.Daten == ziel) return true;
    // Erst vollständig in einen Zwischenordner kopieren, dann umbenennen: eine halbe
    // Kopie würde beim nächsten Start als Datenordner gelten.
    const std::string zwischen = Pfade.Benutzer + "daten.neu";
    std::error_code f;
    fs::remove_all(zwischen, f);
    fs::create_directories(Pfade.Benutzer, f);
    fs::copy(Pfade.Daten, zwischen, fs::copy_options::recursive, f);
    if (f) {
        fs::remove_all(zwischen, f);
        return false;
    }
    fs::rename(zwischen, ziel, f);
    if (f) {
        fs::remove_all(zwischen, f);
        return false;
    }
    Pfade.Daten = ziel;
    return true;
}

std::string BenutzerOrdnerAusUmgebung()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') return std::string(xdg) + "/Torvane";
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != 0) return std::string(home) + "/.local/share/Torvane";
    return {};
}

void DatenOrdnerSetzen(const std::string& ordner) { Pfade.Daten = MitSchraegstrich(ordner); }

} // namespace torvane
