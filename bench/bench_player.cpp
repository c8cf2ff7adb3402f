// Measures the scene player: loading every scene, painting ten acting clips
// at 1920x1080, and the cost of a scene at rest.
//   bench_player [scene folder]

#include "Misure.h"
#include "media/animation/Orologio.h"
#include "media/animation/ScenePlayer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

double secondiCpu()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_utime.tv_sec + uso.ru_stime.tv_sec + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

class LettoreContato : public ScenePlayer
{
public:
    using ScenePlayer::ScenePlayer;
    int dipinti = 0;

protected:
    void paintEvent(QPaintEvent *evento) override
    {
        ++dipinti;
        ScenePlayer::paintEvent(evento);
    }
};

void aspetta(int ms)
{
    QEventLoop ciclo;
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

void mostraTutte(ScenePlayer &lettore)
{
    for (int i = 1; i <= 10; ++i) {
        const QString clip = QStringLiteral("_root.a%1").arg(i);
        lettore.TSetProperty(clip, AnimationPlayer::ProprietaVisibilita, QStringLiteral("1"));
        lettore.TStopPlay(clip);
    }
}

void giocaTutte(ScenePlayer &lettore)
{
    for (int i = 1; i <= 10; ++i)
        lettore.TPlay(QStringLiteral("_root.a%1").arg(i));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Misure::intestazione("bench_player", 1);
    const QDir cartella(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QCoreApplication::applicationDirPath() + QStringLiteral("/scenes"));

    // Loading: Movie plus the first full paint at 1920x1080.
    double peggiore = 0, totale = 0, peggiorePrimo = 0;
    int scene = 0;
    for (int n = 1; n <= 23; ++n) {
        ScenePlayer lettore;
        QElapsedTimer tempo;
        tempo.start();
        lettore.Movie(cartella.filePath(QStringLiteral("b%1.svg").arg(n)));
        const double carica = tempo.nsecsElapsed() / 1e6;
        if (lettore.scena().clip().isEmpty()) {
            std::printf("b%d: not loaded\n", n);
            continue;
        }
        mostraTutte(lettore);
        QImage immagine(1920, 1080, QImage::Format_ARGB32_Premultiplied);
        tempo.restart();
        {
            QPainter painter(&immagine);
            lettore.dipingi(painter, immagine.rect());
        }
        peggiorePrimo = std::max(peggiorePrimo, tempo.nsecsElapsed() / 1e6);
        peggiore = std::max(peggiore, carica);
        totale += carica;
        ++scene;
    }
    std::printf("load: %d scenes, mean %.2f ms, worst %.2f ms; first paint at 1920x1080 worst %.2f ms\n",
                scene, scene ? totale / scene : 0, peggiore, peggiorePrimo);

    // One frame of ten acting clips, painted offline.
    for (int n : {1, 2, 19}) {
        OrologioManuale orologio;
        ScenePlayer lettore(nullptr, &orologio);
        lettore.Movie(cartella.filePath(QStringLiteral("b%1.svg").arg(n)));
        mostraTutte(lettore);
        giocaTutte(lettore);
        QImage immagine(1920, 1080, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&immagine);
        lettore.dipingi(painter, immagine.rect());
        const int fotogrammi = 300;
        QElapsedTimer tempo;
        tempo.start();
        for (int f = 0; f < fotogrammi; ++f) {
            orologio.avanza(16);
            lettore.dipingi(painter, immagine.rect());
        }
        const double ms = tempo.nsecsElapsed() / 1e6 / fotogrammi;
        std::printf("b%d: ten clips acting, one full 1920x1080 repaint %.2f ms (%.0f%% of a core at 60 fps)\n",
                    n, ms, ms * 60 / 10);
    }

    // The widget on the (offscreen) screen: frames while moving, none at rest.
    for (int n : {2, 19}) {
        LettoreContato lettore;
        lettore.resize(1920, 1080);
        lettore.show();
        lettore.Movie(cartella.filePath(QStringLiteral("b%1.svg").arg(n)));
        mostraTutte(lettore);
        aspetta(300);
        lettore.dipinti = 0;
        giocaTutte(lettore);
        const double cpu0 = secondiCpu();
        QElapsedTimer tempo;
        tempo.start();
        while (lettore.inMovimento())
            aspetta(50);
        const double secondi = tempo.nsecsElapsed() / 1e9;
        std::printf("b%d on screen, the whole action (%.1f s): %.1f frames/s, %.0f%% of a core\n", n, secondi,
                    lettore.dipinti / secondi, 100 * (secondiCpu() - cpu0) / secondi);
        aspetta(200);
        lettore.dipinti = 0;
        const double cpu1 = secondiCpu();
        tempo.restart();
        aspetta(2000);
        std::printf("b%d at rest: %d frames in 2 s, %.2f%% of a core\n", n, lettore.dipinti,
                    100 * (secondiCpu() - cpu1) / (tempo.nsecsElapsed() / 1e9));
    }
    Misure::chiusura();
    return 0;
}
