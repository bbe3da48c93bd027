#include "core/Sprache.h"

#include "core/Daten.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <unordered_map>

namespace torvane {

namespace {

// Der geladene Katalog: die Bytes der Datei und je Quelltext ("kontext\4text") seine Übersetzung.
// Beide zeigen in die Bytes, die darum nie wieder bewegt werden.
struct Katalog {
    std::string bytes;
    std::unordered_map<std::string_view, const char*> texte;
};

Katalog* Geladen = nullptr;
std::string Kuerzel = "de";

constexpr uint32_t MoKennung = 0x950412deu;
constexpr size_t MoKopf = 28;

uint32_t Wort(const std::string& b, size_t stelle)
{
    uint32_t w;
    std::memcpy(&w, b.data() + stelle, 4);
    return w; // .mo von msgfmt ist in der Byte-Reihenfolge des Rechners, hier little-endian
}

std::string KatalogDatei(const std::string& ordner, std::string_view kuerzel)
{
    std::string p = ordner;
    if (!p.empty() && p.back() != '/') p += '/';
    return p + std::string(kuerzel) + "/LC_MESSAGES/torvane.mo";
}

bool KuerzelGueltig(std::string_view k)
{
    return k.size() >= 2 && k.size() <= 3 && std::all_of(k.begin(), k.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// "en_GB.UTF-8@euro" → "en"; "C" und "POSIX" sind keine Sprache.
std::string KuerzelAus(std::string_view locale)
{
    const size_t ende = locale.find_first_of("_.@");
    std::string k(locale.substr(0, ende));
    return KuerzelGueltig(k) ? k : std::string();
}

} // namespace

bool KatalogAusBytes(std::string bytes)
{
    auto k = std::make_unique<Katalog>();
    k->bytes = std::move(bytes);
    const std::string& b = k->bytes;
    if (b.size() < MoKopf || Wort(b, 0) != MoKennung || (Wort(b, 4) >> 16) > 1) return false;
    const uint64_t n = Wort(b, 8), quellen = Wort(b, 12), ziele = Wort(b, 16);
    if (quellen + n * 8 > b.size() || ziele + n * 8 > b.size()) return false;
    // Ein Text: Länge und Stelle, danach muss eine 0 stehen.
    auto text = [&b](uint64_t eintrag, std::string_view& t) {
        const uint64_t laenge = Wort(b, eintrag), stelle = Wort(b, eintrag + 4);
        if (stelle + laenge >= b.size() || b[stelle + laenge] != '\0') return false;
        t = std::string_view(b.data() + stelle, laenge);
        return true;
    };
    k->texte.reserve(n);
    for (uint64_t i = 0; i < n; ++i) {
        std::string_view quelle, ziel;
        if (!text(quellen + i * 8, quelle) || !text(ziele + i * 8, ziel)) return false;
        // Der Kopf (leere Quelle) und leere Übersetzungen bleiben deutsch; bei Mehrzahlformen
        // zählt die erste.
        if (quelle.empty() || ziel.empty() || ziel.front() == '\0') continue;
        k->texte.emplace(quelle.substr(0, quelle.find('\0')), ziel.data());
    }
    delete Geladen;
    Geladen = k.release();
    return true;
}

const char* T(const char* deutsch)
{
    if (Geladen == nullptr) return deutsch;
    const auto it = Geladen->texte.find(deutsch);
    return it == Geladen->texte.end() ? deutsch : it->second;
}

const char* TC(const char* kontext, const char* deutsch)
{
    if (Geladen == nullptr) return deutsch;
    const auto it = Geladen->texte.find(std::string(kontext) + '\4' + deutsch);
    return it == Geladen->texte.end() ? deutsch : it->second;
}

std::string TWert(std::string_view deutsch)
{
    if (Geladen == nullptr) return std::string(deutsch);
    const auto it = Geladen->texte.find(deutsch);
    return it == Geladen->texte.end() ? std::string(deutsch) : std::string(it->second);
}

std::string Einsetzen(std::string_view muster, std::initializer_list<std::string_view> werte)
{
    std::string s;
    s.reserve(muster.size() + 16 * werte.size());
    for (size_t i = 0; i < muster.size(); ++i) {
        const char c = muster[i];
        if (c == '%' && i + 1 < muster.size() && muster[i + 1] >= '1' && muster[i + 1] <= '9') {
            const size_t nr = static_cast<size_t>(muster[i + 1] - '1');
            if (nr < werte.size()) {
                s += *(werte.begin() + nr);
                ++i;
                continue;
            }
        }
        s += c;
    }
    return s;
}

std::string Tf(const char* deutsch, std::initializer_list<std::string_view> werte)
{
    return Einsetzen(T(deutsch), werte);
}

std::string Tz(const char* deutsch, std::initializer_list<std::string_view> werte)
{
    const std::string t = Einsetzen(T(deutsch), werte);
    std::string s;
    s.reserve(t.size() + 8);
    for (const char c : t) {
        if (c == '\n' && (s.empty() || s.back() != '\r')) s += '\r';
        s += c;
    }
    return s;
}

const std::string& Sprache() { return Kuerzel; }

bool SpracheSetzen(std::string_view kuerzel, const std::string& ordner)
{
    // Wie die Grunddaten: eine Datei über MaxDatenDateiGroesse liest niemand ganz ein.
    std::optional<std::string> bytes;
    if (kuerzel != "de" && KuerzelGueltig(kuerzel) && (bytes = DateiInhalt(KatalogDatei(ordner, kuerzel))) &&
        static_cast<int64_t>(bytes->size()) <= MaxDatenDateiGroesse && KatalogAusBytes(std::move(*bytes))) {
        Kuerzel = std::string(kuerzel);
        return true;
    }
    delete Geladen;
    Geladen = nullptr;
    Kuerzel = "de";
    return kuerzel == "de";
}

std::string SpracheAusUmgebung(const std::string& ordner)
{
    auto gibt = [&ordner](const std::string& k) {
        std::error_code f;
        return k == "de" || (!k.empty() && std::filesystem::is_regular_file(KatalogDatei(ordner, k), f));
    };
    // Wie gettext: LANGUAGE ist eine Liste nach Vorrang, gilt aber nicht für die Locale "C".
    const auto wert = [](const char* name) {
        const char* v = std::getenv(name);
        return std::string(v == nullptr ? "" : v);
    };
    std::string locale = wert("LC_ALL");
    if (locale.empty()) locale = wert("LC_MESSAGES");
    if (locale.empty()) locale = wert("LANG");
    if (!locale.empty() && locale != "C" && locale != "POSIX") {
        const std::string liste = wert("LANGUAGE");
        for (size_t a = 0; a <= liste.size();) {
            const size_t e = std::min(liste.find(':', a), liste.size());
            if (const std::string k = KuerzelAus(std::string_view(liste).substr(a, e - a)); gibt(k)) return k;
            a = e + 1;
        }
    }
    if (const std::string k = KuerzelAus(locale); gibt(k)) return k;
    return "de";
}

std::vector<std::string> SprachenImOrdner(const std::string& ordner)
{
    std::vector<std::string> s{"de"};
    std::error_code f;
    for (std::filesystem::directory_iterator i(ordner, f), ende; !f && i != ende; i.increment(f)) {
        const std::string k = i->path().filename().string();
        if (k != "de" && KuerzelGueltig(k) && std::filesystem::is_regular_file(KatalogDatei(ordner, k), f))
            s.push_back(k);
    }
    std::sort(s.begin(), s.end());
    return s;
}

std::string VerlangteSprache(int argc, const char* const* argv)
{
    std::string k;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "--sprache") k = argv[++i];
    return k;
}

bool SpracheBekannt(const std::string& kuerzel, const std::string& ordner, std::string& fehler)
{
    const std::vector<std::string> s = SprachenImOrdner(ordner);
    if (std::find(s.begin(), s.end(), kuerzel) != s.end()) return true;
    std::string liste;
    for (const std::string& k : s) liste += (liste.empty() ? "" : ", ") + k;
    fehler = Tf("--sprache erwartet eine dieser Sprachen: %1", {liste});
    return false;
}

} // namespace torvane
