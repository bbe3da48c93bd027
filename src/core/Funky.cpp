#include "core/Funky.h"

#include "core/Cp1252.h"
#include "core/Fehler.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

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
    if (n > 0) return Passt<int32_t>(von + static_cast<int64_t>(R(static_cast<uint32_t>(n))), "Zufall");
    // Vertauschte Grenzen: von - R(-n); die Saisonwende verlässt sich darauf.
    return Passt<int32_t>(von - static_cast<int64_t>(R(static_cast<uint32_t>(-n))), "Zufall");
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
    if (!std::filesystem::is_directory(ordner, f)) return false;
    const std::string probe = ordner + ".schreibprobe";
    bool ok = false;
    {
        std::ofstream o(probe, std::ios::binary);
        ok = static_cast<bool>(o << 'x') && static_cast<bool>(o.flush());
    }
    std::filesystem::remove(probe, f);
    return ok;
}
} // namespace

void PfadeSetzen(const std::string& programmOrdner, const std::string& benutzerOrdner)
{
    namespace fs = std::filesystem;
    Pfade.Programm = MitSchraegstrich(programmOrdner);
    auto unter = [](const std::string& name) {
        const std::string p = Pfade.Programm + name + "/";
        std::error_code f;
        return fs::is_directory(p, f) ? p : Pfade.Programm;
    };
    Pfade.Daten = unter("daten");
    Pfade.Grafik = unter("grafik");
    Pfade.Musik = unter("musik");
    Pfade.Spezial = Pfade.Programm + "spezial/";
    Pfade.Save = Pfade.Programm + "Save/";
    if (!Beschreibbar(Pfade.Save) && !benutzerOrdner.empty()) Pfade.Save = MitSchraegstrich(benutzerOrdner) + "Save/";
}

void DatenOrdnerSetzen(const std::string& ordner) { Pfade.Daten = MitSchraegstrich(ordner); }

} // namespace torvane
