// From a switch or key to the repainted highlight: each sample sends the key
// press and release to the screen, then turns the event loop until the frame
// that paints the newly highlighted control has been drawn and handed to the
// window system.
//   QT_QPA_PLATFORM=offscreen bench_input [samples, default 1000]
//   xvfb-run -a -s "-screen 0 1366x768x24" bench_input    (the X11 path)

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
#include <QPushButton>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

double cpuFiloMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Campioni {
    std::vector<double> ms;     // wall time
    std::vector<double> cpuMs;  // this thread's CPU time over the same span
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
        const double cpu = cpuFiloMs();
        const qint64 inizio = orologioUs();
        tasto(schermata, codice);
        spia.bersaglio = evidenziato();
        while (spia.dipinto < 0 && orologioUs() - inizio < 500000)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        const qint64 fine = orologioUs();
        if (spia.dipinto < 0) {
            ++persi;
            continue;
        }
        c.ms.push_back((fine - inizio) / 1000.0);
        c.cpuMs.push_back(cpuFiloMs() - cpu);
    }
    if (persi)
        std::printf("  (%d samples without a repaint of the highlighted control)\n", persi);
    std::sort(c.ms.begin(), c.ms.end());
    std::sort(c.cpuMs.begin(), c.cpuMs.end());
    return c;
}

double p99(const std::vector<double> &v)
{
    return v[std::min(v.size() - 1, size_t(v.size() * 0.99))];
}

void riporta(const char *cosa, const Campioni &c)
{
    const std::vector<double> &ms = c.ms;
    if (ms.empty()) {
        std::printf("%-54s no samples\n", cosa);
        return;
    }
    const double p = p99(ms);
    std::printf("%-54s p99 %7.3f ms  (median %.3f, worst %.3f; CPU p99 %.3f; %zu samples)  target p99 < 4 ms  %s\n",
                cosa, p, ms[ms.size() / 2], ms.back(), p99(c.cpuMs), ms.size(), p < 4 ? "ok" : "MISSED");
    std::fflush(stdout);
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int campioni = argc > 1 ? std::max(10, QString::fromLocal8Bit(argv[1]).toInt()) : 1000;

    StatoProgramma stato;
    stato.ModalitaInput = Modalita::ScansioneManuale;
    auto creaMotore = [] { return std::unique_ptr<SpeechEngine>(new EspeakEngine(std::make_unique<NullAudioOutput>())); };
    ServiziProgramma programma(stato, QCoreApplication::applicationDirPath(), creaMotore);
    programma.casuale() = GeneratoreOrologio(7);
    Servizi &servizi = programma.servizi();
    servizi.attesaRilascioMs = 0;
    const QSize finestra(1280, 720);

    {
        FormMenu menu(servizi);
        menu.resize(finestra);
        menu.show();
        aspetta(300);
        QList<QWidget *> voci;
        for (int i = 0; i < FormMenu::NumeroVoci; ++i)
            voci << menu.Label1(i);
        const auto ms = misura(&menu, Qt::Key_Space, campioni, [&] { return menu.Label1(menu.VoceCorrente()); }, voci);
        riporta("menu, manual scanning, Space to highlight", ms);
    }

    for (int modo : {int(Modalita::ScansioneManuale), int(Modalita::Frecce)}) {
        stato.ModalitaInput = int16_t(modo);
        FormEsercizio esercizio(servizi, 4);
        esercizio.resize(finestra);
        bool attiva = false;
        QObject::connect(&esercizio, &Schermata::attivata, [&attiva] { attiva = true; });
        esercizio.show();
        // The first question is spoken before the highlight starts.
        for (int i = 0; i < 150 && !attiva; ++i)
            aspetta(100);
        if (!attiva) {
            std::printf("exercise screen did not come up\n");
            return 1;
        }
        aspetta(300);
        QList<QWidget *> numeri;
        for (int i = 0; i <= 10; ++i)
            numeri << esercizio.findChild<QWidget *>(QStringLiteral("Command1_%1").arg(i));
        const auto ms = misura(&esercizio, modo == Modalita::Frecce ? Qt::Key_Right : Qt::Key_Space, campioni,
                               [&] { return numeri.value(stato.SceltaCorrente); }, numeri);
        riporta(modo == Modalita::Frecce ? "exercise (Form4), arrow keys, Right to highlight"
                                         : "exercise (Form4), manual scanning, Space to highlight",
                ms);
    }
    return 0;
}
