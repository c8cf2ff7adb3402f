#include "shell/Main.h"

#include "core/Registri.h"
#include "core/Schermata.h"
#include "core/StatoProgramma.h"
#include "record/DiarioSqlite.h"
#include "resources/Immagini.h"
#include "shell/FabbricaSchermate.h"
#include "shell/Istanza.h"
#include "shell/ModuloOpzioni.h"
#include "shell/ModuloPerIni.h"
#include "shell/Percorsi.h"
#include "shell/Piattaforma.h"
#include "shell/ServiziProgramma.h"
#include "shell/Verifica.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTimer>
#include <QTranslator>

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <functional>
#include <memory>
#include <thread>
#include <utility>

namespace {

// Fontconfig reads its configuration and the font caches the first time a
// text is laid out, in the middle of the splash's first paint. Read them on
// another core while Qt connects to the display; Qt then finds them ready.
class CaratteriInAnticipo
{
public:
    CaratteriInAnticipo() : m_filo([] { FcInit(); }) {}
    ~CaratteriInAnticipo() { m_filo.join(); }
    CaratteriInAnticipo(const CaratteriInAnticipo &) = delete;
    CaratteriInAnticipo &operator=(const CaratteriInAnticipo &) = delete;

private:
    std::thread m_filo;
};

// Runs its work once, in the turn of the event loop after the window it
// watches has been painted for the first time.
class DopoLaPrimaPittura : public QObject
{
public:
    DopoLaPrimaPittura(std::function<void()> lavoro, QObject *finestra)
        : QObject(finestra), m_lavoro(std::move(lavoro)) {}

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && m_lavoro) {
            QTimer::singleShot(0, this, std::exchange(m_lavoro, nullptr));
        }
        return false;
    }

private:
    std::function<void()> m_lavoro;
};

}

int Main(int argc, char **argv)
{
    // The self-check opens no window, so it needs no display either.
    bool verifica = false;
    for (int i = 1; i < argc; ++i)
        verifica = verifica || std::strcmp(argv[i], "--verifica") == 0;
    if (verifica && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    Registri::momento();  // the start-up marks count from here
    const CaratteriInAnticipo caratteri;
    QApplication app(argc, argv);
    qCDebug(lcAvvio).noquote() << Registri::momento() << "application";
    PreparaApplicazione();
    // Before the single-instance lock: the check also runs beside a running copy.
    if (verifica)
        return Verifica::esegui(Percorsi::cartellaProgramma());
    DialoghiMessaggi dialoghi;
    return Esegui(dialoghi);
}

void PreparaApplicazione()
{
    QApplication::setApplicationName(QStringLiteral("calcolotti"));
    QApplication::setApplicationDisplayName(QStringLiteral("Calcolotti"));
    QApplication::setApplicationVersion(QStringLiteral(CALCOLOTTI_VERSIONE));
    QApplication::setWindowIcon(Immagini::iconaProgramma());

    // Qt's own dialogs (Yes and No, Cancel, the colour chooser) speak Italian
    // like the rest of the program, whatever the desktop's language.
    const QString cartella = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto *traduzioni = new QTranslator(qApp);
    if (traduzioni->load(QStringLiteral("qtbase_it"), cartella))
        QCoreApplication::installTranslator(traduzioni);
    else
        qCWarning(lcAvvio).noquote() << "Qt's Italian translations are missing from" << cartella;

    // Free look-alikes of the designed fonts, where these are not installed:
    // left to itself fontconfig may answer "Comic Sans MS" with a calligraphic
    // script.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

int Esegui(Dialoghi &dialoghi)
{
    const Istanza istanza = bloccaIstanza(Percorsi::fileBlocco());
    if (istanza.altraCopia) {
        dialoghi.errore(nullptr, QStringLiteral("Calcolotti"),
                        QStringLiteral("E' già stata avviata una copia di questo programma!"));
        return 0;
    }
    qCDebug(lcAvvio).noquote() << Registri::momento() << "single instance";

    StatoProgramma stato;
    stato.PercorsoIni = ModuloPerIni::PercorsoIniPredefinito();
    ModuloPerIni::LeggiImpostazioni(stato);
    ModuloOpzioni::LeggiOpzioni(stato);
    qCDebug(lcAvvio).noquote() << Registri::momento() << "settings read";
    // Built after the settings are read: the generator is seeded from the clock here.
    ServiziProgramma programma(stato, Percorsi::cartellaProgramma(), {}, &dialoghi);
    qCDebug(lcAvvio).noquote() << Registri::momento() << "services";
    Servizi &servizi = programma.servizi();
    FabbricaSchermate navigatore(servizi);
    Schermata *avvio = navigatore.crea(IdSchermata::Avvio);
    navigatore.mostraPrimo(avvio);
    qCDebug(lcAvvio).noquote() << Registri::momento() << "splash shown";
    // The record (a database driver and a writer thread) is first needed by an
    // exercise, well after the splash: it opens once the splash is up, and
    // the splash's first paint does not wait for it.
    auto apriDiario = [&programma, aperto = std::make_shared<bool>(false)] {
        if (std::exchange(*aperto, true))
            return;
        programma.apriDiario(DiarioSqlite::percorsoPredefinito());
        qCDebug(lcAvvio).noquote() << Registri::momento() << "record open";
    };
    avvio->installEventFilter(new DopoLaPrimaPittura(apriDiario, avvio));
    // A splash never painted (minimised) must not lose the record; the timer
    // goes with this run, never into a later one.
    QObject questaCorsa;
    QTimer::singleShot(1000, &questaCorsa, apriDiario);
    const int esito = QApplication::exec();
    // Screens still alive go before the services they use. Only the screens:
    // their menus' popups go with them, and the speech host has its owner.
    // A screen may take its partner with it, hence the guards.
    QList<QPointer<Schermata>> schermate;
    const auto finestre = QApplication::topLevelWidgets();
    for (QWidget *finestra : finestre)
        if (auto *schermata = qobject_cast<Schermata *>(finestra))
            schermate << schermata;
    for (const QPointer<Schermata> &schermata : std::as_const(schermate))
        delete schermata.data();
    return esito;
}
