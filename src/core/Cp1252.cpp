#include "core/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace torvane {

namespace {

// 0x80..0x9F; die in 1252 unbelegten Stellen behalten ihren C1-Codepunkt,
// damit jedes Byte verlustfrei hin und zurück kommt.
constexpr std::array<char32_t, 32> kObererBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t NachUnicode(unsigned char c)
{
    if (c >= 0x80 && c <= 0x9F) return kObererBlock[c - 0x80];
    return c;
}

// Die UTF-8-Bytes eines Zeichens (höchstens vier); gibt ihre Anzahl zurück.
size_t Utf8Bytes(char32_t cp, char* aus)
{
    if (cp < 0x80) {
        aus[0] = static_cast<char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        aus[0] = static_cast<char>(0xC0 | (cp >> 6));
        aus[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        aus[0] = static_cast<char>(0xE0 | (cp >> 12));
        aus[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        aus[2] = static_cast<char>(0x80 | (cp & 0x3F));
        return 3;
    }
    aus[0] = static_cast<char>(0xF0 | (cp >> 18));
    aus[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    aus[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    aus[3] = static_cast<char>(0x80 | (cp & 0x3F));
    return 4;
}

void Anhaengen(std::string& aus, char32_t cp)
{
    char b[4];
    aus.append(b, Utf8Bytes(cp, b));
}

bool NurAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Liest einen Codepunkt; ungültige Folgen ergeben U+FFFD und ein Byte Fortschritt.
char32_t Lesen(std::string_view s, size_t& i)
{
    auto b = static_cast<unsigned char>(s[i]);
    int folge = 0;
    char32_t cp = 0;
    if (b < 0x80) {
        ++i;
        return b;
    } else if ((b & 0xE0) == 0xC0) {
        folge = 1;
        cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        folge = 2;
        cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        folge = 3;
        cp = b & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<size_t>(folge) >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= folge; ++k) {
        auto f = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((f & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (f & 0x3F);
    }
    i += static_cast<size_t>(folge) + 1;
    return cp;
}

// Das Byte des Zeichens in 1252; 0 heißt: gibt es dort nicht (die echte 0 ist U+0000).
char NachCp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (size_t k = 0; k < kObererBlock.size(); ++k)
        if (kObererBlock[k] == cp) return static_cast<char>(0x80 + k);
    return 0;
}

} // namespace

std::string Cp1252NachUtf8(std::string_view cp1252)
{
    // Namen und Kürzel sind meist reines ASCII: dann ist nichts umzusetzen.
    if (NurAscii(cp1252)) return std::string(cp1252);
    std::string aus;
    aus.reserve(cp1252.size() * 2);
    for (char c : cp1252) Anhaengen(aus, NachUnicode(static_cast<unsigned char>(c)));
    return aus;
}

bool Cp1252GleichUtf8(std::string_view cp1252, std::string_view utf8)
{
    // ASCII steht in beiden gleich: meist ist damit schon alles verglichen.
    if (NurAscii(cp1252)) return cp1252 == utf8;
    size_t i = 0;
    char b[4];
    for (char c : cp1252) {
        const size_t n = Utf8Bytes(NachUnicode(static_cast<unsigned char>(c)), b);
        if (utf8.substr(i, n) != std::string_view(b, n)) return false;
        i += n;
    }
    return i == utf8.size();
}

std::string Utf8NachCp1252(std::string_view utf8)
{
    std::string aus;
    aus.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const char32_t cp = Lesen(utf8, i);
        const char c = NachCp1252(cp);
        aus += c != 0 || cp == 0 ? c : '?';
    }
    return aus;
}

std::vector<std::string> NichtInCp1252(std::string_view utf8)
{
    std::vector<std::string> fehlt;
    for (size_t i = 0; i < utf8.size();) {
        const char32_t cp = Lesen(utf8, i);
        if (cp == 0 || NachCp1252(cp) != 0) continue;
        std::string z;
        Anhaengen(z, cp);
        if (std::find(fehlt.begin(), fehlt.end(), z) == fehlt.end()) fehlt.push_back(z);
    }
    return fehlt;
}

size_t Utf8Laenge(std::string_view utf8)
{
    size_t n = 0;
    for (size_t i = 0; i < utf8.size();) {
        Lesen(utf8, i);
        ++n;
    }
    return n;
}

std::string Utf8Anfang(std::string_view utf8, size_t n)
{
    size_t i = 0;
    for (size_t k = 0; k < n && i < utf8.size(); ++k) Lesen(utf8, i);
    return std::string(utf8.substr(0, i));
}

std::string Grossbuchstaben(std::string_view utf8)
{
    // Über 1252: deckt die Umlaute ab, das genügt für die Texte des Spiels.
    std::string s = Utf8NachCp1252(utf8);
    for (char& c : s) {
        auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) c = static_cast<char>(b - 32);
    }
    return Cp1252NachUtf8(s);
}

} // namespace torvane
