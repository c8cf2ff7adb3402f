#include "shell/FineDallEsterno.h"

#include "core/Registri.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may do almost nothing: it writes the signal's number here,
// and the event loop reads it.
int g_tubo[2] = {-1, -1};
FineDallEsterno *g_istanza = nullptr;

void alSegnale(int numero)
{
    const char c = char(numero);
    [[maybe_unused]] const auto scritti = ::write(g_tubo[0], &c, 1);
}

}

FineDallEsterno::FineDallEsterno(std::function<void()> congedo)
    : m_congedo(std::move(congedo))
{
    g_istanza = this;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_tubo) == 0) {
        m_avviso = new QSocketNotifier(g_tubo[1], QSocketNotifier::Read, this);
        connect(m_avviso, &QSocketNotifier::activated, this, &FineDallEsterno::segnaleArrivato);
        struct sigaction azione = {};
        azione.sa_handler = alSegnale;
        sigemptyset(&azione.sa_mask);
        azione.sa_flags = SA_RESTART;
        for (int numero : {SIGTERM, SIGHUP, SIGINT})
            ::sigaction(numero, &azione, nullptr);
    }
    // Qt ends the process itself when the display's connection breaks; it
    // says so first, and that is the moment to save.
    m_precedente = qInstallMessageHandler(&FineDallEsterno::gestoreMessaggi);
}

FineDallEsterno::~FineDallEsterno()
{
    for (int numero : {SIGTERM, SIGHUP, SIGINT})
        std::signal(numero, SIG_DFL);
    qInstallMessageHandler(m_precedente);
    g_istanza = nullptr;
    delete m_avviso;
    for (int &estremo : g_tubo) {
        if (estremo >= 0)
            ::close(estremo);
        estremo = -1;
    }
}

void FineDallEsterno::segnaleArrivato()
{
    char numero = 0;
    if (::read(g_tubo[1], &numero, 1) != 1)
        return;
    qCWarning(lcAvvio).noquote() << Registri::momento() << "signal" << int(numero) << "ends the run as Esci would";
    if (auto congedo = std::exchange(m_congedo, nullptr))
        congedo();
    QCoreApplication::exit(0);
}

void FineDallEsterno::gestoreMessaggi(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo)
{
    FineDallEsterno *io = g_istanza;
    if (!io)
        return;
    io->m_precedente(tipo, contesto, testo);
    if (!testo.contains(QLatin1String("connection broke")))
        return;
    if (auto congedo = std::exchange(io->m_congedo, nullptr))
        congedo();
    ::_exit(0);
}
