#include "core/Text.h"

#include "core/Cp1252.h"

namespace torvane {

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

} // namespace torvane
