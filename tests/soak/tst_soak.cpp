// A robot that plays the whole program for a long time with random input and
// checks, after every action, what must always hold on screen and in the
// settings record. It runs the real screens on fake speech, sounds and
// animation player; the fakes return at once, and while they "wait" the robot
// may press keys, click or tick the timer, as a child would in the middle of
// speech or a pause.
//
// The short form runs in the test suite. For a long run:
//   CALCOLOTTI_SOAK_AZIONI=100000 tests/tst_soak
// CALCOLOTTI_SOAK_SEME picks the random seed (printed at the start), so a
// failing run can be replayed.

#include "Finti.h"
#include "config/Form10.h"
#include "config/FormConfigura.h"
#include "exercises/Descrizioni.h"
#include "exercises/FormEsercizio.h"
#include "input/ControlloreInput.h"
#include "input/Evidenziazione.h"
#include "media/VoceProgramma.h"
#include "shell/ModuloPerIni.h"
#include "core/Colori.h"
#include "shell/FormAvvio.h"
#include "shell/FormInfo.h"
#include "shell/FormMenu.h"
#include "core/Generatore.h"
#include "shell/FabbricaSchermate.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <random>
#include <set>

namespace {

constexpr int AzioniPredefinite = 4000;
constexpr int Livelli = 7;
constexpr int MassimoViolazioni = 20;

int numeroDaAmbiente(const char *nome, int predefinito)
{
    bool ok = false;
    const int valore = qEnvironmentVariableIntValue(nome, &ok);
    return ok && valore > 0 ? valore : predefinito;
}

QString nomeModo(int modo)
{
    static const char *const nomi[] = {"mouse", "scansione manuale", "scansione automatica", "frecce"};
    return modo >= 0 && modo <= 3 ? QString::fromLatin1(nomi[modo]) : QStringLiteral("modo %1").arg(modo);
}

bool gruppoSegni(int passo) { return passo == Esercizi::Passo::PrimoSegno || passo == Esercizi::Passo::Uguale; }

// A fake engine for the program's own Parla: each text "speaks" for one turn
// of the event loop, and in that turn the robot may act, so input arrives
// inside Parla's real nested wait.
class MotoreRobot : public MotoreFinto
{
public:
    std::function<void()> durante;

    void speak(const QString &testo) override
    {
        fineAutomatica = false;
        MotoreFinto::speak(testo);
        const int generazione = ++m_generazione;
        QTimer::singleShot(0, this, [this, generazione] {
            if (generazione != m_generazione)
                return;
            if (durante)
                durante();
            if (generazione == m_generazione)
                finisci();
        });
    }
    void stop() override
    {
        ++m_generazione;
        MotoreFinto::stop();
    }

private:
    int m_generazione = 0;
};

struct Totali {
    qint64 azioni = 0;
    qint64 iniettate = 0;  // actions taken while speech or a pause was waiting
    qint64 vocePropria = 0;  // actions played with the program's own Parla
    qint64 controlli = 0;
    qint64 esercizi = 0;   // exercises brought to "avanti"
    qint64 esatte = 0;
    qint64 errate = 0;
    qint64 cambiMisti = 0;
    qint64 ritorniAlMenu = 0;
    qint64 configurazioni = 0;
    qint64 uscite = 0;
    qint64 violazioni = 0;
    QSet<QPair<int, int>> combinazioni;  // (mode, level) pairs actually played
};

Totali &totali()
{
    static Totali t;
    return t;
}

class Robot
{
public:
    // With `vocePropria` the screens speak through the program's own Parla
    // (nested event loops, the speech host) over a fake engine.
    Robot(quint64 seme, bool vocePropria)
        : m_casuale(seme)
        , m_rng(seme * 6364136223846793005ULL + 1442695040888963407ULL)
        , m_voceProgramma([this] {
            auto motore = std::make_unique<MotoreRobot>();
            motore->durante = [this] { durante(); };
            return std::unique_ptr<SpeechEngine>(std::move(motore));
        }, f.chiusura)
        , m_servizi{f.stato,     m_casuale,       vocePropria ? static_cast<Voce &>(m_voceProgramma) : f.voce,
                    f.attesa,    f.suoni,         f.dialoghi,
                    f.colore,    f.documenti,     f.servizi.creaLettore,
                    f.servizi.creaMotoreVoce,     f.servizi.cartellaProgramma,
                    f.chiusura,                   &ModuloPerIni::SalvaImpostazioni,
                    [this] { m_terminato = true; }, 0}
        , m_navigatore(m_servizi)
        , m_vocePropria(vocePropria)
    {
        f.stato.PercorsoIni = m_cartella.filePath(QStringLiteral("calcolotti.ini"));
        f.stato.ColoreScansione = 0x00FF00;
        f.voce.durante = [this](const QString &) { durante(); };
        f.attesa.durante = [this](double) { durante(); };
    }

    ~Robot()
    {
        chiudiTutto();
    }

    QStringList violazioni;

    // Plays `quante` actions with `livello` (0..6, the menu's items) as the
    // level the robot keeps going back to.
    void gioca(int16_t modo, int livello, int quante)
    {
        m_modo = modo;
        m_livello = livello;
        f.stato.ModalitaInput = modo;
        chiudiTutto();
        avviaDaCapo(false);
        for (int i = 0; i < quante && violazioni.size() < MassimoViolazioni; ++i) {
            m_profondita = 0;
            agisci();
            assesta();
            if (m_terminato) {
                // "Esci" ends the process; the robot starts the program again.
                ++totali().uscite;
                m_terminato = false;
                chiudiTutto();
                f.stato.ModalitaInput = m_modo;
                avviaDaCapo(true);
            }
            controlla(QStringLiteral("dopo l'azione"));
            if (auto *e = qobject_cast<FormEsercizio *>(visibile()))
                totali().combinazioni.insert({f.stato.ModalitaInput, indiceMenu(e->numero())});
            f.registro.svuota();
            f.documenti.aperti.clear();
        }
        rilasciaTutto();
        assesta();
        chiudiTutto();
    }

private:
    // --- the program -------------------------------------------------------

    void avviaDaCapo(bool dallaCopertina)
    {
        if (dallaCopertina) {
            Schermata *avvio = m_navigatore.crea(IdSchermata::Avvio);
            avvio->show();
            assesta();
            nota(QStringLiteral("copertina: Entra nel menù"));
            if (auto *entra = avvio->findChild<QPushButton *>(QStringLiteral("Command1")))
                entra->click();
        } else {
            m_navigatore.crea(IdSchermata::Menu)->show();
        }
        assesta();
    }

    static QList<Schermata *> schermate()
    {
        QList<Schermata *> tutte;
        const auto finestre = QApplication::topLevelWidgets();
        for (QWidget *w : finestre)
            if (auto *s = qobject_cast<Schermata *>(w))
                tutte << s;
        return tutte;
    }

    static Schermata *visibile()
    {
        Schermata *trovata = nullptr;
        for (Schermata *s : schermate()) {
            if (s->isVisible()) {
                if (trovata)
                    return nullptr;
                trovata = s;
            }
        }
        return trovata;
    }

    void chiudiTutto()
    {
        rilasciaTutto();
        QList<QPointer<Schermata>> vive;
        for (Schermata *s : schermate())
            vive << s;
        for (const QPointer<Schermata> &s : std::as_const(vive))
            delete s.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Lets queued activations run and screens that went away be deleted, as
    // the event loop would between two user actions.
    static void assesta()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    static ControlloreInput *controllo(QWidget *schermata)
    {
        return schermata ? schermata->findChild<ControlloreInput *>() : nullptr;
    }

    static int indiceMenu(int numeroForm)
    {
        // Form1..Form5 are items 0..4; Form6/Form7 item 5; Form8/Form9 item 6.
        return numeroForm <= 5 ? numeroForm - 1 : (numeroForm <= 7 ? 5 : 6);
    }

    // --- randomness --------------------------------------------------------

    int tra(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool caso(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }

    template <typename T>
    T scegli(std::initializer_list<std::pair<int, T>> pesi)
    {
        int somma = 0;
        for (const auto &p : pesi)
            somma += p.first;
        int r = tra(somma);
        for (const auto &p : pesi) {
            if (r < p.first)
                return p.second;
            r -= p.first;
        }
        return pesi.begin()->second;
    }

    // --- keys --------------------------------------------------------------

    void tasto(QWidget *dove, int codice, bool giu, bool ripetuto = false)
    {
        if (!dove)
            return;
        QKeyEvent evento(giu ? QEvent::KeyPress : QEvent::KeyRelease, codice, Qt::NoModifier,
                         codice == Qt::Key_Space ? QStringLiteral(" ") : QString(), ripetuto);
        QApplication::sendEvent(dove, &evento);
    }

    void premi(int codice)
    {
        Schermata *s = visibile();
        nota(QStringLiteral("giù %1").arg(nomeTasto(codice)));
        if (m_premuti.count(codice)) {
            tasto(s, codice, true, true);  // the keyboard's auto-repeat
            return;
        }
        m_premuti.insert(codice);
        tasto(s, codice, true);
    }

    void rilascia(int codice)
    {
        if (!m_premuti.erase(codice))
            return;
        nota(QStringLiteral("su %1").arg(nomeTasto(codice)));
        tasto(visibile(), codice, false);
    }

    void clicTasto(int codice)
    {
        premi(codice);
        rilascia(codice);
    }

    void rilasciaTutto()
    {
        const std::set<int> premuti = m_premuti;
        for (int codice : premuti)
            rilascia(codice);
    }

    static QString nomeTasto(int codice)
    {
        switch (codice) {
        case Qt::Key_Space: return QStringLiteral("Spazio");
        case Qt::Key_Return: return QStringLiteral("Invio");
        case Qt::Key_Left: return QStringLiteral("Sinistra");
        case Qt::Key_Right: return QStringLiteral("Destra");
        case Qt::Key_Up: return QStringLiteral("Su");
        case Qt::Key_Down: return QStringLiteral("Giù");
        default: return QStringLiteral("tasto %1").arg(codice);
        }
    }

    void tastoACaso()
    {
        static const int tasti[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Left, Qt::Key_Right,
                                    Qt::Key_Up,    Qt::Key_Down,   Qt::Key_A};
        const int codice = tasti[tra(7)];
        if (m_premuti.count(codice) && caso(0.7))
            rilascia(codice);
        else
            premi(codice);
    }

    void battito()
    {
        ControlloreInput *c = controllo(visibile());
        if (c && c->timer().isActive()) {
            nota(QStringLiteral("Timer1"));
            c->Timer1_Timer();
        }
    }

    // --- one action --------------------------------------------------------

    void agisci()
    {
        ++totali().azioni;
        if (m_vocePropria)
            ++totali().vocePropria;
        Schermata *s = visibile();
        if (!s) {
            nota(QStringLiteral("(nessuna schermata)"));
            return;
        }
        if (auto *e = qobject_cast<FormEsercizio *>(s))
            agisciEsercizio(e);
        else if (auto *m = qobject_cast<FormMenu *>(s))
            agisciMenu(m);
        else if (auto *c = qobject_cast<FormConfigura *>(s))
            agisciConfigura(c);
        else if (auto *v = qobject_cast<Form10 *>(s))
            agisciVoce(v);
        else if (auto *a = qobject_cast<FormAvvio *>(s)) {
            nota(QStringLiteral("copertina: Entra nel menù"));
            if (auto *b = a->findChild<QPushButton *>(QStringLiteral("Command1")))
                b->click();
        } else if (auto *i = qobject_cast<FormInfo *>(s)) {
            nota(QStringLiteral("informazioni: esci"));
            if (auto *b = i->findChild<QPushButton *>(QStringLiteral("Command1")))
                b->click();
        }
    }

    // Runs while the fake speech or pause "waits": sometimes a turn of a
    // nested event loop (where queued work and deletions happen), sometimes
    // a random input action.
    void durante()
    {
        if (m_profondita >= 2)
            return;
        ++m_profondita;
        if (caso(0.3)) {
            QEventLoop giro;
            QTimer::singleShot(0, &giro, &QEventLoop::quit);
            giro.exec();
        }
        if (caso(m_profondita == 1 ? 0.5 : 0.15)) {
            const QString prima = m_contesto;
            m_contesto = QStringLiteral("  [durante l'attesa] ");
            m_primaDellIniezione = visibile();
            ++totali().iniettate;
            if (caso(0.5)) {
                ++totali().azioni;
                tastoACaso();
            } else {
                agisci();
            }
            controlla(QStringLiteral("durante un'attesa"), true);
            m_contesto = prima;
        }
        --m_profondita;
    }

    enum class Mossa { Obiettivo, Tasto, Battito, ClicScelta, Avanti, Etichetta, Azzera, Esci, Chiudi, Giro };

    void agisciEsercizio(FormEsercizio *e)
    {
        // Outside the phase's level the robot heads back to the menu.
        const bool fuori = indiceMenu(e->numero()) != m_livello && m_profondita == 0;
        const Mossa mossa = scegli<Mossa>({{fuori ? 10 : 50, Mossa::Obiettivo},
                                           {12, Mossa::Tasto},
                                           {8, Mossa::Battito},
                                           {6, Mossa::ClicScelta},
                                           {4, Mossa::Avanti},
                                           {3, Mossa::Etichetta},
                                           {2, Mossa::Azzera},
                                           {fuori ? 30 : 1, Mossa::Esci},
                                           {1, Mossa::Chiudi},
                                           {2, Mossa::Giro}});
        QPointer<FormEsercizio> io(e);
        switch (mossa) {
        case Mossa::Obiettivo:
            obiettivoEsercizio(e);
            break;
        case Mossa::Tasto:
            tastoACaso();
            break;
        case Mossa::Battito:
            battito();
            break;
        case Mossa::ClicScelta: {
            const bool segni = caso(0.3);
            const int i = tra(segni ? 3 : 11);
            auto *b = e->findChild<QPushButton *>(QStringLiteral("Command%1_%2").arg(segni ? 2 : 1).arg(i));
            if (b && b->isVisible()) {
                nota(QStringLiteral("clic su %1").arg(b->text()));
                const int esatti = f.stato.Esatti, errati = f.stato.Errati;
                const bool conta = m_profondita == 0;
                b->click();
                // Outside the mouse mode a click on a choice must do nothing.
                if (conta && io && modoAttuale() != Modalita::Mouse
                    && (f.stato.Esatti != esatti || f.stato.Errati != errati))
                    viola(QStringLiteral("un clic su un numero ha contato una risposta in modo %1")
                              .arg(nomeModo(modoAttuale())));
            }
            break;
        }
        case Mossa::Avanti:
            if (auto *b = e->findChild<QPushButton *>(QStringLiteral("Command3")); b && b->isVisible()) {
                nota(QStringLiteral("clic su avanti"));
                const bool misto = e->partner() != nullptr;
                b->click();
                assesta();
                if (misto && io && !e->isVisible())
                    ++totali().cambiMisti;
            }
            break;
        case Mossa::Etichetta: {
            const int n = scegli<int>({{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 8}});
            if (auto *l = e->findChild<QLabel *>(QStringLiteral("Label%1").arg(n)); l && l->isVisible()) {
                nota(QStringLiteral("clic su Label%1").arg(n));
                QTest::mouseClick(l, Qt::LeftButton, {}, l->rect().center());
            }
            break;
        }
        case Mossa::Azzera:
            if (auto *a = e->findChild<QAction *>(QStringLiteral("mnuAzzera"))) {
                nota(QStringLiteral("Azzera conteggio"));
                a->trigger();
                if (io && (f.stato.Esatti != 0 || f.stato.Errati != 0))
                    viola(QStringLiteral("\"Azzera conteggio\" non ha azzerato il conteggio"));
            }
            break;
        case Mossa::Esci:
            if (auto *a = e->findChild<QAction *>(QStringLiteral("mnuEsci"))) {
                f.dialoghi.risposta = fuori || caso(0.6);
                nota(QStringLiteral("Esci, risposta %1").arg(f.dialoghi.risposta ? "Sì" : "No"));
                a->trigger();
                if (f.dialoghi.risposta)
                    ++totali().ritorniAlMenu;
            }
            break;
        case Mossa::Chiudi:
            f.dialoghi.risposta = caso(0.5);
            nota(QStringLiteral("chiusura della finestra, risposta %1").arg(f.dialoghi.risposta ? "Sì" : "No"));
            e->close();
            break;
        case Mossa::Giro:
            nota(QStringLiteral("giro del ciclo degli eventi"));
            QCoreApplication::processEvents();
            break;
        }
    }

    int16_t modoAttuale() const { return f.stato.ModalitaInput; }

    // The right answers of the current step, as the exercise's rules say.
    QVector<int> giuste(const FormEsercizio *e) const
    {
        QVector<int> v;
        for (int i = 0; i <= 10; ++i)
            if (e->modello().giusta(i))
                v << i;
        return v;
    }

    // One move toward an answer, right three times out of four, the way the
    // input mode makes it.
    void obiettivoEsercizio(FormEsercizio *e)
    {
        auto *avanti = e->findChild<QPushButton *>(QStringLiteral("Command3"));
        const bool fine = avanti && avanti->isVisible();
        const int passo = e->modello().PassoCorrente();
        const int quanti = gruppoSegni(passo) ? 3 : 11;
        if (passo != m_passoObiettivo || e != m_schermataObiettivo || m_esercizioObiettivo != e->modello().Scena()) {
            m_passoObiettivo = passo;
            m_schermataObiettivo = e;
            m_esercizioObiettivo = e->modello().Scena();
            const QVector<int> g = giuste(e);
            if (!g.isEmpty() && caso(0.75)) {
                m_obiettivo = g.at(tra(int(g.size())));
            } else {
                m_obiettivo = tra(quanti);
            }
            m_obiettivoGiusto = giuste(e).contains(m_obiettivo);
        }
        const int modo = modoAttuale();
        const int scelta = f.stato.SceltaCorrente;
        const bool arrivato = fine || scelta == m_obiettivo;
        if (modo == Modalita::Mouse) {
            if (fine) {
                nota(QStringLiteral("clic su avanti"));
                QPointer<FormEsercizio> io(e);
                const bool misto = e->partner() != nullptr;
                avanti->click();
                assesta();
                if (misto && io && !e->isVisible())
                    ++totali().cambiMisti;
                return;
            }
            auto *b = e->findChild<QPushButton *>(
                QStringLiteral("Command%1_%2").arg(quanti == 3 ? 2 : 1).arg(m_obiettivo));
            if (b && b->isVisible()) {
                nota(QStringLiteral("clic su %1 (%2)").arg(b->text(), m_obiettivoGiusto ? "giusto" : "sbagliato"));
                selezionaControllando(e, [b] { b->click(); });
            }
            return;
        }
        if (!arrivato) {
            if (modo == Modalita::ScansioneManuale)
                clicTasto(Qt::Key_Space);
            else if (modo == Modalita::ScansioneAutomatica)
                battito();
            else if (modo == Modalita::Frecce)
                clicTasto(((m_obiettivo - scelta + quanti) % quanti) <= quanti / 2 ? Qt::Key_Right : Qt::Key_Left);
            return;
        }
        const int seleziona = modo == Modalita::ScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return;
        if (fine) {
            clicTasto(seleziona);
            return;
        }
        // A key still held from before selects on its own release: that is
        // this move, and the next one looks again.
        if (m_premuti.count(seleziona)) {
            rilascia(seleziona);
            m_passoObiettivo = -1;
            return;
        }
        nota(QStringLiteral("scelta %1 (%2)").arg(m_obiettivo).arg(m_obiettivoGiusto ? "giusta" : "sbagliata"));
        selezionaControllando(e, [this, seleziona] { clicTasto(seleziona); });
    }

    // A right answer counts one more right, a wrong one one more wrong and a
    // red button, unless something else was injected during its waits.
    template <typename F>
    void selezionaControllando(FormEsercizio *e, F seleziona)
    {
        QPointer<FormEsercizio> io(e);
        const int esatti = f.stato.Esatti, errati = f.stato.Errati;
        const qint64 iniettatePrima = totali().iniettate;
        const bool giusto = m_obiettivoGiusto;
        const int passo = e->modello().PassoCorrente();
        seleziona();
        m_passoObiettivo = -1;  // a new aim after every choice
        const bool pulito = io && totali().iniettate == iniettatePrima && m_profondita == 0;
        if (giusto) {
            ++totali().esatte;
            if (pulito && (f.stato.Esatti != esatti + 1 || f.stato.Errati != errati))
                viola(QStringLiteral("risposta giusta al passo %1 contata come Esatti %2→%3, Errati %4→%5")
                          .arg(passo).arg(esatti).arg(f.stato.Esatti).arg(errati).arg(f.stato.Errati));
            if (pulito && passo == Esercizi::Passo::Risultato)
                ++totali().esercizi;
        } else {
            ++totali().errate;
            if (pulito && (f.stato.Errati != errati + 1 || f.stato.Esatti != esatti || e->modello().PassoCorrente() != passo))
                viola(QStringLiteral("risposta sbagliata al passo %1: Errati %2→%3, Esatti %4→%5, passo ora %6")
                          .arg(passo).arg(errati).arg(f.stato.Errati).arg(esatti).arg(f.stato.Esatti)
                          .arg(e->modello().PassoCorrente()));
        }
    }

    enum class MossaMenu { Obiettivo, Tasto, Battito, Sorvolo, Suoni, Giro };

    void agisciMenu(FormMenu *m)
    {
        if (m_profondita == 0 && m_bersaglioMenu < 0) {
            // Mostly the phase's level; now and then a settings screen, the
            // information screen, the documentation or "Esci".
            m_bersaglioMenu = scegli<int>({{120, m_livello},
                                          {6, 100},   // Modalità di input
                                          {4, 101},   // Voce
                                          {2, 102},   // about
                                          {1, 103},   // documentazione
                                          {4, FormMenu::VoceEsci}});
        }
        const MossaMenu mossa = scegli<MossaMenu>({{m_profondita == 0 ? 50 : 0, MossaMenu::Obiettivo},
                                                   {12, MossaMenu::Tasto},
                                                   {8, MossaMenu::Battito},
                                                   {6, MossaMenu::Sorvolo},
                                                   {2, MossaMenu::Suoni},
                                                   {2, MossaMenu::Giro}});
        switch (mossa) {
        case MossaMenu::Obiettivo:
            obiettivoMenu(m);
            break;
        case MossaMenu::Tasto:
            tastoACaso();
            break;
        case MossaMenu::Battito:
            battito();
            break;
        case MossaMenu::Sorvolo: {
            const int i = tra(FormMenu::NumeroVoci + 2);
            if (i < FormMenu::NumeroVoci) {
                nota(QStringLiteral("sorvolo della voce %1").arg(i));
                if (caso(0.5))
                    m->Label1_MouseMove(i);
                else
                    m->Image1_MouseMove(i);
            } else if (i == FormMenu::NumeroVoci) {
                nota(QStringLiteral("sorvolo di Suoni attivati"));
                m->Check1_MouseMove();
            } else {
                nota(QStringLiteral("sorvolo dello sfondo"));
                m->Form_MouseMove();
            }
            break;
        }
        case MossaMenu::Suoni:
            nota(QStringLiteral("clic su Suoni attivati"));
            m->Check1()->click();
            break;
        case MossaMenu::Giro:
            nota(QStringLiteral("giro del ciclo degli eventi"));
            QCoreApplication::processEvents();
            break;
        }
    }

    void obiettivoMenu(FormMenu *m)
    {
        const int bersaglio = m_bersaglioMenu;
        if (bersaglio >= 100) {
            static const char *const azioni[] = {"mnuConf", "mnuVoce", "mnuabout", "mnuDoc"};
            m_bersaglioMenu = -1;
            if (auto *a = m->findChild<QAction *>(QLatin1String(azioni[bersaglio - 100]))) {
                nota(QStringLiteral("menù %1").arg(a->text()));
                if (bersaglio == 100)
                    ++totali().configurazioni;
                a->trigger();
            }
            return;
        }
        const int modo = modoAttuale();
        if (modo == Modalita::Mouse || modo < 0 || modo > 3) {
            m_bersaglioMenu = -1;
            nota(QStringLiteral("clic sulla voce %1").arg(bersaglio));
            QLabel *voce = caso(0.5) ? m->Label1(bersaglio) : m->Image1(bersaglio);
            QTest::mouseClick(voce, Qt::LeftButton, {}, voce->rect().center());
            return;
        }
        const int corrente = m->VoceCorrente();
        if (corrente != bersaglio) {
            if (modo == Modalita::ScansioneManuale) {
                clicTasto(Qt::Key_Space);
                return;
            }
            if (modo == Modalita::Frecce) {
                const int avanti = (bersaglio - corrente + FormMenu::NumeroVoci) % FormMenu::NumeroVoci;
                clicTasto(avanti <= FormMenu::NumeroVoci / 2 ? Qt::Key_Down : Qt::Key_Up);
                return;
            }
            ControlloreInput *c = controllo(m);
            if (c && c->timer().isActive()) {
                battito();
                return;
            }
            // The scan stopped for good on this menu: Space still starts the
            // frozen item.
        }
        m_bersaglioMenu = -1;
        const int seleziona = modo == Modalita::ScansioneAutomatica ? Qt::Key_Space
                              : (modo == Modalita::Frecce && caso(0.5)) ? Qt::Key_Space
                                                                         : Qt::Key_Return;
        rilascia(seleziona);
        clicTasto(seleziona);
    }

    void agisciConfigura(FormConfigura *c)
    {
        switch (tra(6)) {
        case 0: {
            // Another mode now and then; mostly back to the phase's own.
            const int modo = caso(0.25) ? tra(4) : m_modo;
            if (auto *o = c->findChild<QRadioButton *>(QStringLiteral("Option4_%1").arg(modo))) {
                nota(QStringLiteral("modalità %1").arg(nomeModo(modo)));
                o->click();
            }
            break;
        }
        case 1:
            if (auto *s = c->findChild<QScrollBar *>(QStringLiteral("HScroll3"))) {
                nota(QStringLiteral("velocità di scansione"));
                s->setValue(s->minimum() + tra(s->maximum() - s->minimum() + 1));
            }
            break;
        case 2:
            if (auto *k = c->findChild<QCheckBox *>(QStringLiteral("CheckDisabilitaMousePersonalizzato"))) {
                nota(QStringLiteral("puntatore di sistema"));
                k->click();
            }
            break;
        case 3:
            if (auto *b = c->findChild<QPushButton *>(QStringLiteral("Command1"))) {
                static const QColor colori[] = {Qt::blue, Qt::green, Qt::yellow, Qt::magenta, Qt::cyan};
                f.colore.colore = colori[tra(5)];
                f.colore.conferma = caso(0.7);
                nota(QStringLiteral("colore di evidenziazione"));
                b->click();
            }
            break;
        default:
            if (auto *a = c->findChild<QAction *>(QStringLiteral("mnuEsci"))) {
                // Leave in the phase's mode most of the time, so every mode
                // gets its share of play.
                if (caso(0.8))
                    f.stato.ModalitaInput = m_modo;
                nota(QStringLiteral("configurazione: Esci"));
                a->trigger();
            }
            break;
        }
    }

    void agisciVoce(Form10 *v)
    {
        switch (tra(5)) {
        case 0:
            if (auto *c = v->findChild<QComboBox *>(QStringLiteral("Combo1")); c && c->count() > 0) {
                nota(QStringLiteral("scelta della voce"));
                c->setCurrentIndex(tra(c->count()));
            }
            break;
        case 1:
            if (auto *s = v->findChild<QScrollBar *>(QStringLiteral("HScroll2"))) {
                nota(QStringLiteral("velocità della voce"));
                s->setValue(s->minimum() + tra(s->maximum() - s->minimum() + 1));
            }
            break;
        default:
            if (auto *b = v->findChild<QToolButton *>(QStringLiteral("BottoneEsci"))) {
                nota(QStringLiteral("voce: esci"));
                b->click();
            }
            break;
        }
    }

    // --- invariants --------------------------------------------------------

    void controlla(const QString &quando, bool inAttesa = false)
    {
        ++totali().controlli;
        QList<Schermata *> visibili;
        for (Schermata *s : schermate())
            if (s->isVisible())
                visibili << s;
        if (visibili.size() != 1) {
            QStringList nomi;
            for (Schermata *s : std::as_const(visibili))
                nomi << s->objectName();
            viola(QStringLiteral("%1 schermate visibili %2 (%3)").arg(visibili.size()).arg(nomi.join(' '), quando));
            return;
        }
        Schermata *attiva = visibili.first();
        auto *esercizio = qobject_cast<FormEsercizio *>(attiva);

        for (Schermata *s : schermate()) {
            if (s == attiva)
                continue;
            ControlloreInput *c = controllo(s);
            if (c && c->timer().isActive())
                viola(QStringLiteral("la schermata nascosta %1 ha Timer1 attivo (%2)").arg(s->objectName(), quando));
            // Between actions every hidden screen still alive must be the
            // resting partner of the mixed level on show.
            if (!inAttesa && !s->congedata() && !(esercizio && esercizio->partner() == s))
                viola(QStringLiteral("la schermata nascosta %1 resta in vita senza essere la compagna di %2 (%3)")
                          .arg(s->objectName(), attiva->objectName(), quando));
        }

        const int modo = modoAttuale();
        const uint32_t evidenza = Colori::daDouble(f.stato.ColoreScansione);
        if (esercizio) {
            controllaEsercizio(esercizio, modo, evidenza, quando, inAttesa);
        } else if (auto *menu = qobject_cast<FormMenu *>(attiva)) {
            int accese = 0;
            for (int i = 0; i < FormMenu::NumeroVoci; ++i)
                if (Evidenziazione::colore(menu->Label1(i)) == Colori::daBGR(evidenza))
                    ++accese;
            const bool scansione = modo >= Modalita::ScansioneManuale && modo <= Modalita::Frecce;
            if (scansione && !menu->congedata()
                && (accese != 1
                    || Evidenziazione::colore(menu->Label1(menu->VoceCorrente())) != Colori::daBGR(evidenza)))
                viola(QStringLiteral("menù in %1: %2 voci evidenziate, VoceCorrente %3 (%4)")
                          .arg(nomeModo(modo)).arg(accese).arg(menu->VoceCorrente()).arg(quando));
            if (!scansione && accese > 1)
                viola(QStringLiteral("menù col mouse: %1 voci evidenziate (%2)").arg(accese).arg(quando));
            ControlloreInput *c = controllo(menu);
            if (!inAttesa && (modo == Modalita::ScansioneManuale || modo == Modalita::Frecce) && c
                && !c->timer().isActive())
                viola(QStringLiteral("menù in %1 senza Timer1 (%2)").arg(nomeModo(modo), quando));
        }
    }

    void controllaEsercizio(FormEsercizio *e, int modo, uint32_t evidenza, const QString &quando, bool inAttesa)
    {
        const QString dove = QStringLiteral("%1, passo %2, %3").arg(e->objectName()).arg(e->modello().PassoCorrente()).arg(quando);
        // A screen just handed the turn waits for its queued activation,
        // which resets the score: until then its panels are its own old ones.
        const bool appenaMostrata = inAttesa && e != m_primaDellIniezione;
        if (!appenaMostrata && (e->testoPannello(1) != QStringLiteral("Esatti  %1").arg(f.stato.Esatti)
            || e->testoPannello(2) != QStringLiteral("Errati  %1").arg(f.stato.Errati)))
            viola(QStringLiteral("pannelli «%1» «%2» con Esatti %3, Errati %4 (%5)")
                      .arg(e->testoPannello(1), e->testoPannello(2)).arg(f.stato.Esatti).arg(f.stato.Errati).arg(dove));
        if (e->modello().Scena() == 0)
            return;  // not yet activated

        const int t = e->modello().Totale(), p = e->modello().Parte(), r = e->modello().Resto();
        const bool addizione = e->descrizione().famiglia == Catalogo::Famiglia::Addizione;
        const int p0 = p, r0 = r;
        if (t < 2 || t > 10 || p0 < 0 || r0 < 0 || p0 + r0 != t)
            viola(QStringLiteral("Totale %1, Parte %2, Resto %3 (%4)").arg(t).arg(p).arg(r).arg(dove));
        if (e->modello().Scena() < 1 || e->modello().Scena() > e->modello().NumeroScene())
            viola(QStringLiteral("Scena %1 di %2 (%3)").arg(e->modello().Scena()).arg(e->modello().NumeroScene()).arg(dove));

        const QString operazione = e->findChild<QLabel *>(QStringLiteral("Label8"))->text();
        const QStringList giuste = addizione
            ? QStringList{QStringLiteral(" %1 + %2 = %3").arg(r0).arg(p0).arg(t),
                          QStringLiteral(" %1 + %2 = %3").arg(p0).arg(r0).arg(t)}
            : QStringList{QStringLiteral(" %1 - %2 = %3").arg(t).arg(p0).arg(r0)};
        if (std::none_of(giuste.begin(), giuste.end(), [&](const QString &g) { return g.startsWith(operazione); }))
            viola(QStringLiteral("l'operazione «%1» non è l'inizio di «%2» (%3)").arg(operazione, giuste.first(), dove));

        int accese = 0;
        QStringList quali;
        const auto bottoni = e->findChildren<QPushButton *>();
        for (QPushButton *b : bottoni) {
            if (b->isVisible() && FormEsercizio::colore(b) == evidenza) {
                ++accese;
                quali << b->objectName();
            }
        }
        const bool distinguibile = evidenza != Colori::Neutro && evidenza != Colori::Sbagliato;
        if (distinguibile && (accese > 1 || (modo == Modalita::Mouse && accese > 0)))
            viola(QStringLiteral("%1 scelte evidenziate (%2) in modo %3 (%4)")
                      .arg(accese).arg(quali.join(' '), nomeModo(modo), dove));

        ControlloreInput *c = controllo(e);
        const bool senzaTasti = m_premuti.empty();
        if (!inAttesa && c && e->inTurno()
            && (modo == Modalita::ScansioneManuale || modo == Modalita::Frecce
                || (modo == Modalita::ScansioneAutomatica && senzaTasti))
            && !c->timer().isActive())
            viola(QStringLiteral("esercizio in %1 senza Timer1 attivo (%2)").arg(nomeModo(modo), dove));
    }

    void nota(const QString &cosa)
    {
        m_storia << m_contesto + cosa;
        while (m_storia.size() > 25)
            m_storia.removeFirst();
    }

    void viola(const QString &cosa)
    {
        ++totali().violazioni;
        Schermata *s = visibile();
        violazioni << QStringLiteral("%1\n    modo %2, livello %3, schermata %4, azione n. %5; ultime azioni:\n      %6")
                          .arg(cosa, nomeModo(modoAttuale()))
                          .arg(m_livello + 1)
                          .arg(s ? s->objectName() : QStringLiteral("?"))
                          .arg(totali().azioni)
                          .arg(m_storia.join(QStringLiteral("\n      ")));
    }

    ServiziFinti f;
    GeneratoreOrologio m_casuale;
    std::mt19937_64 m_rng;
    VoceProgramma m_voceProgramma;
    Servizi m_servizi;
    FabbricaSchermate m_navigatore;
    bool m_vocePropria;
    QTemporaryDir m_cartella;
    std::set<int> m_premuti;
    QStringList m_storia;
    QString m_contesto;
    int16_t m_modo = 0;
    int m_livello = 0;
    int m_profondita = 0;
    bool m_terminato = false;
    int m_bersaglioMenu = -1;
    int m_passoObiettivo = -1;
    int m_esercizioObiettivo = -1;
    QPointer<FormEsercizio> m_schermataObiettivo;
    QPointer<Schermata> m_primaDellIniezione;
    int m_obiettivo = 0;
    bool m_obiettivoGiusto = false;
};

}

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The offscreen platform complains at every raise(); thousands of
        // hand-overs would bury the report.
        static const QtMessageHandler predefinito = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo) {
            if (testo.startsWith(QLatin1String("This plugin does not support")))
                return;
            predefinito(tipo, contesto, testo);
        });
        m_azioni = numeroDaAmbiente("CALCOLOTTI_SOAK_AZIONI", AzioniPredefinite);
        m_seme = quint64(numeroDaAmbiente("CALCOLOTTI_SOAK_SEME", 20261206));
        qInfo("soak: %d azioni, seme %llu", m_azioni, static_cast<unsigned long long>(m_seme));
    }

    void giocaTutto_data()
    {
        QTest::addColumn<int>("modo");
        for (int modo = 0; modo <= 3; ++modo)
            QTest::newRow(qPrintable(nomeModo(modo))) << modo;
    }

    // Every level in the mode, a quarter of the actions each mode.
    void giocaTutto()
    {
        QFETCH(int, modo);
        const int perLivello = std::max(1, m_azioni / (4 * Livelli));
        QStringList violazioni;
        for (int livello = 0; livello < Livelli && violazioni.size() < MassimoViolazioni; ++livello) {
            // Every other level speaks through the program's own Parla.
            Robot robot(m_seme + quint64(modo * Livelli + livello), livello % 2 == 1);
            robot.gioca(int16_t(modo), livello, perLivello);
            violazioni << robot.violazioni;
        }
        QVERIFY2(violazioni.isEmpty(),
                 qPrintable(QStringLiteral("%1 violazioni; le prime:\n%2")
                                .arg(violazioni.size())
                                .arg(violazioni.mid(0, 3).join(QStringLiteral("\n")))));
        for (int livello = 0; livello < Livelli; ++livello)
            QVERIFY2(totali().combinazioni.contains({modo, livello}),
                     qPrintable(QStringLiteral("il livello %1 non è mai stato giocato in modo %2")
                                    .arg(livello + 1).arg(nomeModo(modo))));
    }

    void cleanupTestCase()
    {
        const Totali &t = totali();
        qInfo("soak: %lld azioni (%lld durante parla o pausa, %lld con la Parla del programma), %d livelli × 4 modalità, %lld controlli, "
              "%lld violazioni; %lld risposte giuste e %lld sbagliate, %lld esercizi finiti, "
              "%lld cambi di schermata nei livelli misti, %lld ritorni al menù, %lld configurazioni, %lld uscite",
              t.azioni, t.iniettate, t.vocePropria, Livelli, t.controlli, t.violazioni, t.esatte, t.errate, t.esercizi,
              t.cambiMisti, t.ritorniAlMenu, t.configurazioni, t.uscite);
    }

private:
    int m_azioni = AzioniPredefinite;
    quint64 m_seme = 0;
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
