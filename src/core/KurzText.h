// Kurzer Text fester Länge: ein Längenbyte und N Zeichen in Windows-1252,
// genau so, wie er im Spielstand steht.
#pragma once

#include "core/Cp1252.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace torvane {

template <int N>
struct KurzText {
    static_assert(N >= 1 && N <= 255);
    uint8_t laenge;
    char zeichen[N];

    // Die gültigen Bytes in Windows-1252 (ein zu großes Längenbyte wird auf N begrenzt).
    std::string_view roh() const { return std::string_view(zeichen, std::min<size_t>(laenge, N)); }
    std::string text() const { return Cp1252NachUtf8(roh()); }
    bool leer() const { return laenge == 0; }

    // UTF-8 hinein, auf N Zeichen gekürzt. Die unbenutzten Bytes bleiben wie sie sind.
    void setzen(std::string_view utf8) { rohSetzen(Utf8NachCp1252(utf8)); }
    void rohSetzen(std::string_view cp1252)
    {
        size_t n = std::min<size_t>(cp1252.size(), N);
        std::memcpy(zeichen, cp1252.data(), n);
        laenge = static_cast<uint8_t>(n);
    }
    KurzText& operator=(std::string_view utf8)
    {
        setzen(utf8);
        return *this;
    }
    bool operator==(std::string_view utf8) const { return Cp1252GleichUtf8(roh(), utf8); }
    // Vergleich des Inhalts, nicht der unbenutzten Bytes.
    template <int M>
    bool gleich(const KurzText<M>& o) const
    {
        return roh() == o.roh();
    }
};

} // namespace torvane
