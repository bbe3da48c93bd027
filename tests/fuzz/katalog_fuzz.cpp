// Fuzzer für den Leser der Sprachkataloge (.mo): nie ein Absturz; ein angenommener Katalog
// übersetzt, ohne über seine Bytes hinaus zu lesen, ein abgewiesener lässt Deutsch stehen.
#include "core/Sprache.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace torvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    if (!KatalogAusBytes(bytes)) {
        if (std::strcmp(T("Spielstand"), "Spielstand") != 0) std::abort();
        return 0;
    }
    // Jede Quelle, die im Katalog vorkommen kann, einmal nachschlagen: ihre Übersetzung endet
    // mit einer 0 innerhalb der Bytes.
    for (size_t a = 0; a < bytes.size(); a += 1 + bytes.size() / 64) {
        const std::string quelle = bytes.substr(a, bytes.find('\0', a) - a);
        const std::string t = Tf(quelle.c_str(), {"x", "y"});
        (void)std::strlen(TC("Kontext", quelle.c_str()));
        (void)t;
    }
    SpracheSetzen("de", "");
    return 0;
}
