// Windows-1252 <-> UTF-8. Dateien und Datensätze halten 1252, das übrige Programm UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvane {

std::string Cp1252NachUtf8(std::string_view cp1252);
// Wie Cp1252NachUtf8(cp1252) == utf8, aber ohne eine Zeichenkette anzulegen.
bool Cp1252GleichUtf8(std::string_view cp1252, std::string_view utf8);
// Nicht darstellbare Zeichen werden zu "?".
std::string Utf8NachCp1252(std::string_view utf8);
// Die Zeichen (je einmal, in ihrer Reihenfolge), die dabei zu "?" würden.
std::vector<std::string> NichtInCp1252(std::string_view utf8);
// Anzahl der Zeichen (nicht Bytes) eines UTF-8-Textes.
size_t Utf8Laenge(std::string_view utf8);
// Die ersten n Zeichen eines UTF-8-Textes.
std::string Utf8Anfang(std::string_view utf8, size_t n);
std::string Grossbuchstaben(std::string_view utf8);

} // namespace torvane
