// Control: does this machine itself stretch a thread's CPU time? A fixed
// computation of about 0.05 ms, 1 000 times a run with 2 ms pauses, timed
// with the thread's CPU clock and the wall clock.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <vector>

namespace {

double ms(clockid_t orologio)
{
    timespec t{};
    clock_gettime(orologio, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

volatile double pozzo;

}

int main()
{
    for (int corsa = 0; corsa < 10; ++corsa) {
        std::vector<double> cpu, parete;
        for (int i = 0; i < 1000; ++i) {
            usleep(2000);
            const double c0 = ms(CLOCK_THREAD_CPUTIME_ID), p0 = ms(CLOCK_MONOTONIC);
            double x = 0;
            for (int k = 0; k < 60000; ++k)
                x += k * 0.5;
            pozzo = x;
            cpu.push_back(ms(CLOCK_THREAD_CPUTIME_ID) - c0);
            parete.push_back(ms(CLOCK_MONOTONIC) - p0);
        }
        std::sort(cpu.begin(), cpu.end());
        std::sort(parete.begin(), parete.end());
        std::printf("run %d: CPU median %.3f ms, p99 %.3f, worst %.3f; wall p99 %.3f, worst %.3f\n", corsa,
                    cpu[499], cpu[989], cpu[999], parete[989], parete[999]);
    }
}
