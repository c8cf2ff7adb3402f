// From a switch or key to the repainted highlight: each sample sends the key
// press and release to the screen, then turns the event loop until the frame
// that paints the newly highlighted control has been drawn and handed to the
// window system.
//   QT_QPA_PLATFORM=offscreen bench_input [samples, default 1000]
//   xvfb-run -a -s "-screen 0 1366x768x24" bench_input    (the X11 path)

#include "Misure.h"
#include "exercises/FormEsercizio.h"
#include "media/AudioOutput.h"
#include "media/EspeakEngine.h"
#include "shell/FormMenu.h"
#include "core/Navigatore.h"
#include "shell/ServiziProgramma.h"
#include "core/StatoProgramma.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QAbstractButton>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// Times every event delivered during a sample, so that the slow samples can
// name the work that made them slow.
class Applicazione : public QApplication
{
public:
    using QApplication::QApplication;
    struct Voce {
        QString chi;
        int tipo;
        double ms;
    };
    bool registra = false;
    std::vector<Voce> voci;

    bool notify(QObject *ricevente, QEvent *evento) override
    {
        if (!registra)
            return QApplication::notify(ricevente, evento);
        const int tipo = evento->type();
        rusage prima{}, dopo{};
        getrusage(RUSAGE_THREAD, &prima);
        const double cpu = Misure::cpuFiloMs();
        const bool esito = QApplication::notify(ricevente, evento);
        const double durata = Misure::cpuFiloMs() - cpu;
        getrusage(RUSAGE_THREAD, &dopo);
        if (durata > 0.3 || tipo == QEvent::Paint) {
            // Named only when kept: the sample's own CPU time must not pay for it.
            QString dove = QString::fromLatin1(ricevente->metaObject()->className()) + QLatin1Char(' ')
                + ricevente->objectName();
            if (dopo.ru_minflt != prima.ru_minflt || dopo.ru_majflt != prima.ru_majflt || dopo.ru_nivcsw != prima.ru_nivcsw)
                dove += QStringLiteral(" [faults %1, preempted %2]")
                            .arg(dopo.ru_minflt - prima.ru_minflt + dopo.ru_majflt - prima.ru_majflt)
                            .arg(dopo.ru_nivcsw - prima.ru_nivcsw);
            if (tipo == QEvent::Paint) {
                const QRect r = static_cast<QPaintEvent *>(evento)->rect();
                dove += QStringLiteral(" %1x%2").arg(r.width()).arg(r.height());
            }
            voci.push_back({dove, tipo, durata});
        }
        return esito;
    }
};

struct Campioni {
    std::vector<double> ms;     // wall time
    std::vector<double> cpuMs;  // this thread's CPU time over the same span
    double peggiorCpu = 0;      // the sample with the most CPU, and the events that cost it
    std::vector<Applicazione::Voce> peggiori;
};

void aspetta(int ms)
{
    QEventLoop ciclo;
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

// Notes when each watched control last received a paint event.
class Spia : public QObject
{
public:
    qint64 dipinto = -1;
    QWidget *bersaglio = nullptr;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (oggetto == bersaglio && evento->type() == QEvent::Paint)
            dipinto = orologioUs();
        return false;
    }
};

void tasto(QWidget *schermata, int codice)
{
    QKeyEvent giu(QEvent::KeyPress, codice, Qt::NoModifier, codice == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QApplication::sendEvent(schermata, &giu);
    QKeyEvent su(QEvent::KeyRelease, codice, Qt::NoModifier, codice == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QApplication::sendEvent(schermata, &su);
}

// Milliseconds per sample from the key press to the end of the turn of the
// event loop that painted the highlighted control.
Campioni misura(QWidget *schermata, int codice, int campioni,
                           const std::function<QWidget *()> &evidenziato, const QList<QWidget *> &controlli)
{
    Spia spia;
    for (QWidget *w : controlli)
        w->installEventFilter(&spia);
    Campioni c;
    int persi = 0;
    for (int i = 0; i < campioni; ++i) {
        aspetta(3);  // let the previous frame settle, as between two switch presses
        spia.dipinto = -1;
        auto *app = static_cast<Applicazione *>(QCoreApplication::instance());
        app->voci.clear();
        app->registra = true;
        const double cpu = Misure::cpuFiloMs();
        const qint64 inizio = orologioUs();
        tasto(schermata, codice);
        spia.bersaglio = evidenziato();
        while (spia.dipinto < 0 && orologioUs() - inizio < 500000)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        const qint64 fine = orologioUs();
        app->registra = false;
        if (spia.dipinto < 0) {
            ++persi;
            continue;
        }
        c.ms.push_back((fine - inizio) / 1000.0);
        c.cpuMs.push_back(Misure::cpuFiloMs() - cpu);
        if (c.cpuMs.back() > c.peggiorCpu) {
            c.peggiorCpu = c.cpuMs.back();
            c.peggiori = app->voci;
        }
    }
    if (persi)
        std::printf("  (%d samples without a repaint of the highlighted control)\n", persi);
    std::sort(c.ms.begin(), c.ms.end());
    return c;
}

}

int main(int argc, char **argv)
{
    Applicazione app(argc, argv);
    const int corse = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const int campioni = argc > 2 ? std::max(10, atoi(argv[2])) : 1000;
    Misure::intestazione("bench_input", corse);

    StatoProgramma stato;
    stato.ModalitaInput = Modalita::ScansioneManuale;
    auto creaMotore = [] { return std::unique_ptr<SpeechEngine>(new EspeakEngine(std::make_unique<NullAudioOutput>())); };
    ServiziProgramma programma(stato, QCoreApplication::applicationDirPath(), creaMotore);
    programma.casuale() = GeneratoreOrologio(7);
    Servizi &servizi = programma.servizi();
    servizi.attesaRilascioMs = 0;
    const QSize finestra(1280, 720);

    struct Caso {
        const char *nome;
        int16_t modo;
        int tasto;
        bool menu;
    };
    const Caso casi[] = {
        {"menu, two switches, Space", Modalita::ScansioneManuale, Qt::Key_Space, true},
        {"exercise (Form4), two switches, Space", Modalita::ScansioneManuale, Qt::Key_Space, false},
        {"exercise (Form4), arrow keys, Right", Modalita::Frecce, Qt::Key_Right, false},
    };
    for (const Caso &caso : casi) {
        std::vector<double> p99, p999, massimo, cpu99;
        double peggiorCpu = 0;
        std::vector<Applicazione::Voce> peggiori;
        for (int corsa = 0; corsa < corse; ++corsa) {
            stato.ModalitaInput = caso.modo;
            std::unique_ptr<Schermata> schermata;
            QList<QWidget *> scelte;
            ControlloreInput *controllo = nullptr;
            if (caso.menu) {
                auto *menu = new FormMenu(servizi);
                schermata.reset(menu);
                for (int i = 0; i < FormMenu::NumeroVoci; ++i)
                    scelte << menu->Label1(i);
                controllo = &menu->controllo();
            } else {
                auto *esercizio = new FormEsercizio(servizi, 4);
                schermata.reset(esercizio);
                // The scan also lights "ripeti" and "menù": every button is watched.
                for (QAbstractButton *b : esercizio->findChildren<QAbstractButton *>())
                    scelte << b;
                controllo = &esercizio->controllo();
            }
            schermata->resize(finestra);
            bool attiva = false;
            QObject::connect(schermata.get(), &Schermata::attivata, [&attiva] { attiva = true; });
            schermata->show();
            // An exercise's first question is spoken before the highlight starts.
            for (int i = 0; i < 150 && (!attiva || !controllo->evidenziata()); ++i)
                aspetta(100);
            aspetta(300);
            const Campioni c = misura(schermata.get(), caso.tasto, campioni, [controllo] { return controllo->evidenziata(); }, scelte);
            if (c.ms.empty())
                continue;
            p99.push_back(Misure::quantile(c.ms, 0.99));
            p999.push_back(Misure::quantile(c.ms, 0.999));
            massimo.push_back(c.ms.back());
            cpu99.push_back(Misure::quantile(c.cpuMs, 0.99));
            if (c.peggiorCpu > peggiorCpu) {
                peggiorCpu = c.peggiorCpu;
                peggiori = c.peggiori;
            }
        }
        std::printf("%s (%d samples a run)\n", caso.nome, campioni);
        Misure::riga("  key to repainted highlight, p99", p99, "ms", "<= 4 ms", [](double v) { return v <= 4; });
        Misure::riga("  the program's own CPU over it, p99", cpu99, "ms", "<= 1 ms", [](double v) { return v <= 1; });
        Misure::riga("  p99.9", p999, "ms", "(recorded)", [](double) { return true; });
        Misure::riga("  worst sample", massimo, "ms", "(recorded)", [](double) { return true; });
        std::printf("  the sample with the most CPU (%.2f ms) spent over 0.3 ms in:\n", peggiorCpu);
        for (const auto &v : peggiori)
            std::printf("    %-50s event %4d  %.2f ms\n", qPrintable(v.chi), v.tipo, v.ms);
    }
    Misure::chiusura();
    return 0;
}
