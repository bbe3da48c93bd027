#include "core/Datei.h"

#include "core/Sprache.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace torvane {

namespace {

std::string Systemgrund(int e) { return e ? std::string(" (") + std::strerror(e) + ")" : std::string(); }

std::string MitStrich(const std::string& ordner)
{
    return ordner.empty() || ordner.back() == '/' ? ordner : ordner + "/";
}

std::atomic<unsigned> gZwischenZaehler{0};

// Eine Datei, die es vorher nicht gab, unter einem nicht erratbaren Namen: wer dort schon
// einen Link hingelegt hat, bekommt EEXIST statt unserer Bytes. Die Zufallszahl stammt
// nicht aus Zufall, damit Schreiben nie den Spielverlauf ändert.
int ZwischendateiAnlegen(const std::string& ordner, const std::string& name, std::string& pfad)
{
    std::random_device zufall;
    for (int versuch = 0; versuch < 16; ++versuch) {
        char rest[64];
        std::snprintf(rest, sizeof rest, ".%ld-%u-%08x.tmp", static_cast<long>(::getpid()), ++gZwischenZaehler,
                      static_cast<unsigned>(zufall()));
        pfad = ordner + "." + name.substr(0, 64) + rest;
        const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool AllesSchreiben(int fd, std::string_view b)
{
    while (!b.empty()) {
        const ssize_t n = ::write(fd, b.data(), b.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        b.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Liest die Datei (nie über einen Link) und vergleicht; mehr als soll wird nicht gelesen.
bool GleicherInhalt(const std::string& pfad, std::string_view soll)
{
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    std::string ist;
    char puffer[65536];
    bool ok = false;
    while (ist.size() <= soll.size()) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ist.append(puffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return ok && ist == soll;
}

// Damit auch das Umbenennen einen Absturz übersteht.
void OrdnerAufPlatte(const std::string& ordner)
{
    const int fd = ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

long HalterLesen(int fd)
{
    char puffer[32] = {};
    if (::pread(fd, puffer, sizeof puffer - 1, 0) <= 0) return 0;
    return std::strtol(puffer, nullptr, 10);
}

} // namespace

bool DateiSicherErsetzen(const std::string& pfad, std::string_view bytes, std::string& grund)
{
    const size_t schnitt = pfad.rfind('/') + 1; // ohne Schrägstrich 0
    const std::string ordner = pfad.substr(0, schnitt);
    std::string zwischen;
    const int fd = ZwischendateiAnlegen(ordner, pfad.substr(schnitt), zwischen);
    if (fd < 0) {
        // Übersetzer: %1 ist leer oder der Grund des Systems in Klammern, etwa " (Permission denied)".
        grund = Tf("Die Zwischendatei konnte nicht angelegt werden%1.", {Systemgrund(errno)});
        return false;
    }
    const auto aufgeben = [&](std::string g) {
        grund = std::move(g);
        ::unlink(zwischen.c_str());
        return false;
    };
    bool ok = AllesSchreiben(fd, bytes) && ::fsync(fd) == 0;
    int e = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        e = errno;
    }
    if (!ok) return aufgeben(Tf("Die Zwischendatei konnte nicht vollständig geschrieben werden%1.", {Systemgrund(e)}));
    if (!GleicherInhalt(zwischen, bytes)) return aufgeben(T("Die Zwischendatei enthält nicht, was geschrieben wurde."));
    // rename ersetzt einen Link am Zielnamen selbst, statt durch ihn zu schreiben.
    if (::rename(zwischen.c_str(), pfad.c_str()) != 0)
        return aufgeben(Tf("Die Datei konnte nicht ersetzt werden%1.", {Systemgrund(errno)}));
    OrdnerAufPlatte(ordner);
    return true;
}

bool OrdnerBeschreibbar(const std::string& ordner)
{
    std::string probe;
    const int fd = ZwischendateiAnlegen(MitStrich(ordner), "schreibprobe", probe);
    if (fd < 0) return false;
    const bool ok = AllesSchreiben(fd, "x");
    ::close(fd);
    ::unlink(probe.c_str());
    return ok;
}

bool OrdnerSperre::nehmen(const std::string& ordner, std::string& grund)
{
    freigeben();
    belegt_ = false;
    const std::string pfad = MitStrich(ordner) + SperrdateiName;
    const int fd = ::open(pfad.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        grund = Tf("Der Spielstandordner kann nicht gesperrt werden: %1%2.", {pfad, Systemgrund(errno)});
        return false;
    }
    int r = 0;
    while ((r = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (r != 0) {
        const int e = errno;
        if (e == EWOULDBLOCK) {
            belegt_ = true;
            const long halter = HalterLesen(fd);
            grund = halter > 0 ? Tf("Torvane läuft schon mit diesem Spielstandordner (Prozess %1) !", {std::to_string(halter)})
                               : std::string(T("Torvane läuft schon mit diesem Spielstandordner !"));
        } else {
            grund = Tf("Der Spielstandordner kann nicht gesperrt werden: %1%2.", {pfad, Systemgrund(e)});
        }
        ::close(fd);
        return false;
    }
    // Die Nummer ist nur ein Hinweis für die Meldung des Nächsten; die Sperre gilt auch ohne.
    const std::string nr = std::to_string(::getpid()) + "\n";
    [[maybe_unused]] const bool vermerkt =
        ::ftruncate(fd, 0) == 0 && ::pwrite(fd, nr.data(), nr.size(), 0) == static_cast<ssize_t>(nr.size());
    fd_ = fd;
    return true;
}

void OrdnerSperre::freigeben()
{
    if (fd_ < 0) return;
    ::close(fd_); // gibt die Sperre frei; die Datei bleibt für den Nächsten liegen
    fd_ = -1;
}

} // namespace torvane
