#include "core/Pfade.h"

#include "core/Datei.h"

#include <cstdlib>
#include <filesystem>

namespace torvane {

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
    // Installiert liegen die Kataloge, wo gettext sie sucht: <präfix>/share/locale.
    Pfade.Sprachen = grund == Pfade.Programm ? grund + "locale/" : grund + "../locale/";
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

std::string ProgrammOrdnerAusSystem(const char* argv0)
{
    namespace fs = std::filesystem;
    std::error_code f;
    fs::path programm = fs::read_symlink("/proc/self/exe", f);
    if (f || programm.empty()) programm = fs::absolute(argv0 != nullptr ? fs::path(argv0) : fs::path("torvane"), f);
    return programm.parent_path().string();
}

} // namespace torvane
