#pragma once

// What every benchmark prints around its figures: the build, the machine's
// load, and for each figure the median, minimum and maximum over the runs.

#include <QFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <vector>

#ifndef CALCOLOTTI_BUILD_TYPE
#define CALCOLOTTI_BUILD_TYPE "unknown"
#endif

namespace Misure {

// The one-minute load average.
inline double carico()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readLine()).section(QLatin1Char(' '), 0, 0).toDouble() : -1;
}

inline void intestazione(const char *nome, int corse)
{
    std::printf("%s: build %s, %d run(s), load average %.2f at the start\n", nome, CALCOLOTTI_BUILD_TYPE, corse, carico());
    std::fflush(stdout);
}

inline void chiusura()
{
    std::printf("load average %.2f at the end\n", carico());
}

inline double secondiCpu()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_utime.tv_sec + uso.ru_stime.tv_sec + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

// This thread's CPU time, to tell the program's own work from waiting.
inline double cpuFiloMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Nearest rank: of 1000 samples the 99.9th percentile is the 999th, not the worst.
inline double quantile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t rango = size_t(std::ceil(q * double(v.size())));
    return v[std::clamp<size_t>(rango, 1, v.size()) - 1];
}

// One figure over the runs: median, minimum, maximum, and whether every run met the target.
template <typename Obiettivo>
void riga(const char *cosa, const std::vector<double> &perCorsa, const char *unita, const char *testoObiettivo,
          Obiettivo rispetta)
{
    if (perCorsa.empty()) {
        std::printf("%-58s no samples\n", cosa);
        return;
    }
    const int buone = int(std::count_if(perCorsa.begin(), perCorsa.end(), rispetta));
    std::printf("%-58s median %8.3f %-3s min %8.3f max %8.3f  (%zu runs)  target %s: %d of %zu  %s\n", cosa,
                quantile(perCorsa, 0.5), unita, *std::min_element(perCorsa.begin(), perCorsa.end()),
                *std::max_element(perCorsa.begin(), perCorsa.end()), perCorsa.size(), testoObiettivo, buone,
                perCorsa.size(), buone == int(perCorsa.size()) ? "ok" : "MISSED");
    std::fflush(stdout);
}

}
