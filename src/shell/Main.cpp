#include "shell/Main.h"

#include "core/FileDiQt.h"
#include "core/Registri.h"
#include "core/Schermata.h"
#include "core/StatoProgramma.h"
#include "media/AudioOutput.h"
#include "record/Diario.h"
#include "resources/Immagini.h"
#include "shell/ComandiDiario.h"
#include "shell/FabbricaSchermate.h"
#include "shell/FineDallEsterno.h"
#include "shell/Istanza.h"
#include "shell/ModuloPerIni.h"
#include "shell/Percorsi.h"
#include "shell/Piattaforma.h"
#include "shell/ProfiliBambini.h"
#include "shell/ServiziProgramma.h"
#include "shell/Verifica.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <QTranslator>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
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

// Runs its work once, shortly after the window it watches was first painted.
// Not in the very next turn of the event loop: the painted frame leaves for the
// display only when the loop next waits, and work queued right after the paint
// (tens of milliseconds of loading) would hold it back.
class DopoLaPrimaPittura : public QObject
{
public:
    DopoLaPrimaPittura(std::function<void()> lavoro, QObject *finestra)
        : QObject(finestra), m_lavoro(std::move(lavoro)) {}

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && m_lavoro) {
            QTimer::singleShot(RitardoMs, this, std::exchange(m_lavoro, nullptr));
        }
        return false;
    }

private:
    static constexpr int RitardoMs = 50;
    std::function<void()> m_lavoro;
};

// What a terminal user expects of --help and --version: an answer on standard
// output and exit 0, with no window and no display. Other options are Qt's.
std::optional<int> rispostaDaTerminale(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs("Uso: calcolotti [--verifica | --help | --version]\n"
                       "     calcolotti --esporta-diario FILE.csv [--bambino NOME]\n"
                       "     calcolotti --relazione FILE.pdf [--bambino NOME] [--giorni N]\n"
                       "Calcolotti: storie animate per imparare addizioni e sottrazioni, con il mouse,\n"
                       "la tastiera, due sensori o un sensore solo.\n\n"
                       "  --verifica   controlla senza aprire finestre che scene, suoni, guida e voce\n"
                       "               ci siano; esce con 0 se c'è tutto, con 1 se manca qualcosa\n"
                       "  --esporta-diario FILE.csv\n"
                       "               scrive senza aprire finestre tutto il diario di un bambino in\n"
                       "               FILE.csv, una riga per risposta\n"
                       "  --relazione FILE.pdf\n"
                       "               scrive senza aprire finestre la relazione stampabile (PDF) di\n"
                       "               un bambino\n"
                       "  --bambino NOME\n"
                       "               il bambino con questo nome; senza, quello che ha giocato per ultimo\n"
                       "  --giorni N   la relazione degli ultimi N giorni (30 se manca; 0: tutto il diario)\n"
                       "  --help       mostra questo aiuto ed esce\n"
                       "  --version    mostra la versione ed esce\n\n"
                       "--esporta-diario e --relazione funzionano anche mentre il programma è aperto;\n"
                       "escono con 0 se il file è scritto, con 1 se non lo è e con 2 se la riga di\n"
                       "comando è sbagliata, e dicono perché.\n\n"
                       "Senza opzioni apre il programma. La guida per genitori e insegnanti è nel menù\n"
                       "Informazioni, alla voce «documentazione».\n",
                       stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("Calcolotti, versione %s\n", CALCOLOTTI_VERSIONE);
            return 0;
        }
    }
    return std::nullopt;
}

}

int Main(int argc, char **argv)
{
    if (const auto esito = rispostaDaTerminale(argc, argv))
        return *esito;
    // The self-check opens no window, so it needs no display either.
    bool verifica = false;
    for (int i = 1; i < argc; ++i)
        verifica = verifica || std::strcmp(argv[i], "--verifica") == 0;
    // The technician's commands too; a wrong command line is told before anything starts.
    const std::optional<ComandiDiario::Richiesta> comando = ComandiDiario::leggi(argc, argv);
    if (comando && !comando->errore.isEmpty())
        return ComandiDiario::esegui(*comando);
    if ((verifica || comando) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    Registri::momento();  // the start-up marks count from here
    const CaratteriInAnticipo caratteri;
    QApplication app(argc, argv);
    qCDebug(lcAvvio).noquote() << Registri::momento() << "application";
    PreparaApplicazione();
    // Before the single-instance lock: these also run beside a running copy.
    if (verifica)
        return Verifica::esegui(Percorsi::cartellaProgramma());
    if (comando)
        return ComandiDiario::esegui(*comando);
    DialoghiMessaggi dialoghi;
    return Esegui(dialoghi);
}

void PreparaApplicazione()
{
    QApplication::setApplicationName(QStringLiteral("calcolotti"));
    QApplication::setApplicationVersion(QStringLiteral(CALCOLOTTI_VERSIONE));
    QApplication::setWindowIcon(Immagini::iconaProgramma());
    nessunFileDiQt();

    // Qt's own dialogs (Yes and No, Cancel, the colour chooser) speak Italian
    // like the rest of the program, whatever the desktop's language.
    // Numbers in spin boxes, dates in charts: Italian too ("1,5 volte il passo").
    QLocale italiano(QLocale::Italian, QLocale::Italy);
    italiano.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italiano);
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
    // The last child's settings (with one child, the settings as always).
    ProfiliBambini bambini(stato, ModuloPerIni::CartellaImpostazioni());
    bambini.caricaUltimo();
    qCDebug(lcAvvio).noquote() << Registri::momento() << "settings read";
    // The sounds' outputs, made with the services, wait for the splash.
    trattieniSuono();
    // Built after the settings are read: the generator is seeded from the clock here.
    ServiziProgramma programma(stato, Percorsi::cartellaProgramma(), {}, &dialoghi);
    qCDebug(lcAvvio).noquote() << Registri::momento() << "services";
    Servizi &servizi = programma.servizi();
    bambini.collega(servizi.salvaImpostazioni, [&servizi] { return servizi.diario; });
    servizi.bambini = &bambini;
    // A logout, a shutdown or Ctrl+C ends the run as "Esci" does.
    FineDallEsterno fine([&programma] { programma.congedo(); });
    FabbricaSchermate navigatore(servizi);
    Schermata *avvio = navigatore.crea(IdSchermata::Avvio);
    navigatore.mostraPrimo(avvio);
    qCDebug(lcAvvio).noquote() << Registri::momento() << "splash shown";
    // Sound and the record (a database driver and a writer thread) are first
    // needed well after the splash, and they load some thirty libraries: they
    // start once the splash is up, and its first paint does not wait for them.
    auto dopoLaCopertina = [&programma, fatto = std::make_shared<bool>(false)] {
        if (std::exchange(*fatto, true))
            return;
        liberaSuono();
        // The menu's first activation sets the voice: the engine is made now,
        // while the child looks at the splash, not after Return.
        programma.servizi().voce.motore();
        programma.apriDiario(Percorsi::fileDiario());
        if (Diario *diario = programma.servizi().diario)
            diario->impostaBambino(programma.servizi().bambini->attuale().numero);
        qCDebug(lcAvvio).noquote() << Registri::momento()
                                   << (programma.servizi().diario ? "record open" : "no record");
    };
    avvio->installEventFilter(new DopoLaPrimaPittura(dopoLaCopertina, avvio));
    // A splash never painted (minimised) must not go without sound or record;
    // the timer goes with this run, never into a later one.
    QObject questaCorsa;
    QTimer::singleShot(1000, &questaCorsa, dopoLaCopertina);
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
