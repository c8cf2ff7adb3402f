// The one-switch scan on the real clock, with the real voice: CPU while the menu
// scans on its own, how regular its steps are, and with spoken items on, how
// soon the item's name starts after the highlight was repainted.
//   QT_QPA_PLATFORM=offscreen bench_scansione [runs, default 5] [steps per run, default 12]

#include "Misure.h"
#include "core/StatoProgramma.h"
#include "media/AudioOutput.h"
#include "media/EspeakEngine.h"
#include "shell/FormMenu.h"
#include "shell/ServiziProgramma.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

namespace {

void aspetta(int ms)
{
    QEventLoop ciclo;
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

// A silent output that notes when each word's first samples arrive.
class Cronometro : public NullAudioOutput
{
public:
    std::vector<qint64> inizi;
    void startStream(int frequenza) override
    {
        m_nuovo = true;
        NullAudioOutput::startStream(frequenza);
    }
    void write(const QByteArray &pcm) override
    {
        if (m_nuovo && !pcm.isEmpty()) {
            inizi.push_back(orologioUs());
            m_nuovo = false;
        }
        NullAudioOutput::write(pcm);
    }

private:
    bool m_nuovo = false;
};

// Notes when each newly lit menu caption is first painted.
class Spia : public QObject
{
public:
    explicit Spia(FormMenu &menu) : m_menu(menu) {}
    std::vector<qint64> accensioni;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && oggetto == m_menu.controllo().evidenziata() && oggetto != m_ultimo) {
            accensioni.push_back(orologioUs());
            m_ultimo = oggetto;
        }
        return false;
    }

private:
    FormMenu &m_menu;
    QObject *m_ultimo = nullptr;
};

}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int corse = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const int passi = argc > 2 ? std::max(3, atoi(argv[2])) : 12;
    Misure::intestazione("bench_scansione", corse);

    Cronometro *cronometro = nullptr;
    StatoProgramma stato;
    stato.ModalitaInput = Modalita::ScansioneAutomatica;
    stato.VelocitaScansione = 4;
    stato.VelocitaVoce = 200;
    ServiziProgramma programma(stato, QCoreApplication::applicationDirPath(), [&cronometro] {
        auto uscita = std::make_unique<Cronometro>();
        cronometro = uscita.get();
        return std::unique_ptr<SpeechEngine>(new EspeakEngine(std::move(uscita)));
    });
    Servizi &servizi = programma.servizi();
    servizi.voce.motore().setRate(stato.VelocitaVoce);

    std::vector<double> cpuMuto, cpuVoce, scarto, ritardoParola;
    for (int corsa = 0; corsa < corse; ++corsa) {
        for (bool voce : {false, true}) {
            stato.Scansione.voce = voce;
            FormMenu menu(servizi);
            Spia spia(menu);
            for (int i = 0; i < FormMenu::NumeroVoci; ++i)
                menu.Label1(i)->installEventFilter(&spia);
            menu.show();
            aspetta(200);
            spia.accensioni.clear();
            if (cronometro)
                cronometro->inizi.clear();
            // Nothing polls: the event loop sleeps between the scan's own steps.
            const double cpu = Misure::secondiCpu();
            const qint64 inizio = orologioUs();
            aspetta(passi * 1000 + 500);
            const double secondi = (orologioUs() - inizio) / 1e6;
            (voce ? cpuVoce : cpuMuto).push_back(100.0 * (Misure::secondiCpu() - cpu) / secondi);
            const std::vector<qint64> &a = spia.accensioni;
            if (!voce) {
                for (size_t i = 2; i < a.size(); ++i)
                    scarto.push_back(std::abs((a[i] - a[i - 1]) / 1000.0 - 1000.0));
            } else if (cronometro) {
                // Each repaint with the first word that started after the highlight moved.
                for (qint64 acceso : a) {
                    const auto dopo = std::lower_bound(cronometro->inizi.begin(), cronometro->inizi.end(), acceso - 50000);
                    if (dopo != cronometro->inizi.end() && *dopo - acceso < 1000000)
                        ritardoParola.push_back((*dopo - acceso) / 1000.0);
                }
            }
        }
    }
    Misure::riga("CPU while the menu scans at 1 s", cpuMuto, "%", "< 1 %", [](double v) { return v < 1; });
    Misure::riga("CPU while it scans at 1 s saying every item", cpuVoce, "%", "<= 2 %",
                 [](double v) { return v <= 2; });
    std::vector<double> scartoMassimo{Misure::quantile(scarto, 1.0)};
    Misure::riga("step jitter at 1 s, worst step of all runs", scartoMassimo, "ms", "<= 20 ms",
                 [](double v) { return v <= 20; });
    Misure::riga("highlight repainted -> the item's name starts (each)", ritardoParola, "ms", "<= 30 ms",
                 [](double v) { return v <= 30; });
    Misure::chiusura();
    return 0;
}
