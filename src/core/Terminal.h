// Ausgabe ohne Bildschirm: was Namen aus einem fremden Spielstand enthalten, erreicht
// das Terminal nie als Steuerbefehl.
#pragma once

#include <streambuf>
#include <string>

namespace torvane {

// Reicht alles an ziel weiter, nur Steuerzeichen sichtbar maskiert ("\x1B" statt ESC,
// "\u009B" statt des C1-Zeichens in UTF-8). Zeilenende ("\n" und "\r\n") und Tab bleiben.
class SteuerzeichenFilter : public std::streambuf {
public:
    explicit SteuerzeichenFilter(std::streambuf* ziel) : ziel_(ziel) {}
    ~SteuerzeichenFilter() override;
    SteuerzeichenFilter(const SteuerzeichenFilter&) = delete;
    SteuerzeichenFilter& operator=(const SteuerzeichenFilter&) = delete;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    void schreiben(const std::string& s);
    void offenesAusgeben();
    std::streambuf* ziel_;
    int offen_ = -1; // "\r" oder das erste Byte eines C1-Zeichens, bis das nächste kommt
};

} // namespace torvane
