// Schreiben, das mittendrin scheitert: jede Datei ist nach wenigen Bytes voll (EFBIG).
// Anders als ein Schreibschutz hält das auch root auf.
#pragma once

#include <csignal>
#include <sys/resource.h>

template <class F>
auto BeiVollerPlatte(F f, rlim_t grenze = 16)
{
    struct Grenze {
        rlimit alt{};
        void (*altSignal)(int) = std::signal(SIGXFSZ, SIG_IGN);
        explicit Grenze(rlim_t g)
        {
            getrlimit(RLIMIT_FSIZE, &alt);
            rlimit neu = alt;
            neu.rlim_cur = g;
            setrlimit(RLIMIT_FSIZE, &neu);
        }
        ~Grenze()
        {
            setrlimit(RLIMIT_FSIZE, &alt);
            std::signal(SIGXFSZ, altSignal);
        }
    } grenzeAktiv(grenze);
    return f();
}
