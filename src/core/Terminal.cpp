#include "core/Terminal.h"

#include <cstdio>

namespace torvane {

namespace {
std::string Maske(const char* format, unsigned c)
{
    char t[8];
    std::snprintf(t, sizeof t, format, c);
    return t;
}
} // namespace

SteuerzeichenFilter::~SteuerzeichenFilter()
{
    offenesAusgeben();
    ziel_->pubsync();
}

void SteuerzeichenFilter::schreiben(const std::string& s) { ziel_->sputn(s.data(), static_cast<std::streamsize>(s.size())); }

void SteuerzeichenFilter::offenesAusgeben()
{
    if (offen_ == '\r') schreiben("\\r");
    else if (offen_ >= 0) ziel_->sputc(static_cast<char>(offen_));
    offen_ = -1;
}

SteuerzeichenFilter::int_type SteuerzeichenFilter::overflow(int_type z)
{
    if (traits_type::eq_int_type(z, traits_type::eof())) return traits_type::not_eof(z);
    const auto c = static_cast<unsigned char>(traits_type::to_char_type(z));
    if (offen_ == '\r' && c == '\n') {
        offen_ = -1;
        schreiben("\r\n");
        return z;
    }
    if (offen_ == 0xC2 && c >= 0x80 && c <= 0x9F) {
        offen_ = -1;
        schreiben(Maske("\\u%04X", c));
        return z;
    }
    offenesAusgeben();
    if (c == '\r' || c == 0xC2) offen_ = c;
    else if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) schreiben(Maske("\\x%02X", c));
    else ziel_->sputc(static_cast<char>(c));
    return z;
}

int SteuerzeichenFilter::sync()
{
    // Ein offenes "\r" wartet auf sein "\n"; alles andere ist schon beim Ziel.
    return ziel_->pubsync();
}

} // namespace torvane
