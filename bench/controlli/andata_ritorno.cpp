// Control: a request to another process and its answer, as a request to the
// X server is: 124 bytes through a socket, 4 back, 1 000 times a run with
// 2 ms pauses, timed with the wall clock and the thread's CPU clock.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double ms(clockid_t orologio)
{
    timespec t{};
    clock_gettime(orologio, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

}

int main()
{
    int coppia[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, coppia) != 0)
        return 1;
    if (fork() == 0) {
        close(coppia[0]);
        char dati[4096];
        while (read(coppia[1], dati, sizeof dati) > 0) {
            volatile double x = 0;
            for (int k = 0; k < 20000; ++k)
                x = x + k;  // the server's own small work
            if (write(coppia[1], dati, 4) != 4)
                break;
        }
        _exit(0);
    }
    close(coppia[1]);
    char richiesta[124] = {};
    char risposta[4];
    for (int corsa = 0; corsa < 10; ++corsa) {
        std::vector<double> parete, cpu;
        int lente = 0;
        for (int i = 0; i < 1000; ++i) {
            usleep(2000);
            const double c0 = ms(CLOCK_THREAD_CPUTIME_ID), p0 = ms(CLOCK_MONOTONIC);
            if (write(coppia[0], richiesta, sizeof richiesta) != sizeof richiesta
                || read(coppia[0], risposta, sizeof risposta) <= 0)
                return 1;
            parete.push_back(ms(CLOCK_MONOTONIC) - p0);
            cpu.push_back(ms(CLOCK_THREAD_CPUTIME_ID) - c0);
            lente += parete.back() > 2;
        }
        std::sort(parete.begin(), parete.end());
        std::sort(cpu.begin(), cpu.end());
        std::printf("run %d: round trip median %.3f ms, p99 %.3f, worst %.3f (%d over 2 ms); CPU p99 %.3f, worst %.3f\n",
                    corsa, parete[499], parete[989], parete[999], lente, cpu[989], cpu[999]);
    }
    close(coppia[0]);
    wait(nullptr);
}
