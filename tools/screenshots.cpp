// Takes the screenshots of the README and the user guide: every screen at its
// designed size and at 1920×1080, drawn offscreen with the real scenes.
//   screenshots <output folder>
#include "core/Chiusura.h"
#include "config/SceltaColoreDialogo.h"
#include "exercises/FormEsercizio.h"
#include "media/EspeakEngine.h"
#include "media/Voce.h"
#include "media/animation/ScenePlayer.h"
#include "core/Generatore.h"
#include "shell/ModuloPerIni.h"
#include "shell/FabbricaSchermate.h"
#include "shell/Main.h"
#include "shell/Percorsi.h"
#include "core/Schermata.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "record/DiarioSqlite.h"
#include "record/FormProgressi.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <random>

namespace {

// Speech and pauses that do not wait: the pictures only need what is on screen.
class VoceMuta : public Voce
{
public:
    SpeechEngine &motore() override { return m_motore; }
    bool Parla(const QString &) override { return true; }

private:
    EspeakEngine m_motore;
};

class AttesaNulla : public Attesa
{
public:
    bool Pausa(double) override { return true; }
};

class SuoniMuti : public Suoni
{
public:
    void SuonoSi() override {}
    void SuonoNo() override {}
};

class Silenzio : public Dialoghi, public Documenti
{
public:
    void errore(QWidget *, const QString &, const QString &) override {}
    bool domanda(QWidget *, const QString &, const QString &) override { return false; }
    void avviso(QWidget *, const QString &, const QString &) override {}
    bool testo(QWidget *, const QString &, const QString &, QString &) override { return false; }
    bool ApriDocumento(QWidget *, const QString &) override { return true; }
};

void aspetta(int ms)
{
    QEventLoop ciclo;
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

QString g_cartella;

void fotografa(QWidget *schermata, const QString &nome, int attesaMs = 400)
{
    aspetta(attesaMs);
    schermata->grab().save(g_cartella + QLatin1Char('/') + nome + QStringLiteral(".png"));
    const QSize progetto = schermata->size();
    schermata->resize(1920, 1080);
    aspetta(attesaMs);
    schermata->grab().save(g_cartella + QLatin1Char('/') + nome + QStringLiteral("-1920.png"));
    schermata->resize(progetto);
    std::printf("%s\n", qPrintable(nome));
}

Schermata *mostra(Schermata *s)
{
    s->show();
    aspetta(100);
    return s;
}

}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Dialogs, fonts and names as the program has them.
    PreparaApplicazione();
    if (argc < 2) {
        std::fprintf(stderr, "uso: screenshots <cartella>\n");
        return 2;
    }
    g_cartella = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_cartella);

    StatoProgramma stato;
    ModuloPerIni::ImpostazioniPredefinite(stato);
    stato.ModalitaInput = Modalita::ScansioneAutomatica;  // shows the highlight
    stato.VelocitaScansione = 60;
    GeneratoreOrologio casuale(7);
    VoceMuta voce;
    AttesaNulla attesa;
    SuoniMuti suoni;
    Silenzio silenzio;
    SceltaColoreDialogo colore;
    Chiusura chiusura;
    Servizi servizi{stato, casuale, voce, attesa, suoni, silenzio, colore, silenzio,
                    [](QWidget *genitore) -> AnimationPlayer * { return new ScenePlayer(genitore); },
                    [] { return std::unique_ptr<SpeechEngine>(new EspeakEngine); },
                    Percorsi::cartellaProgramma(), chiusura};
    FabbricaSchermate navigatore(servizi);

    for (auto [id, nome] : {std::pair{IdSchermata::Avvio, "avvio"}, std::pair{IdSchermata::Menu, "menu"},
                            std::pair{IdSchermata::Info, "info"}, std::pair{IdSchermata::Configura, "configura"},
                            std::pair{IdSchermata::Voce, "voce"},
                            std::pair{IdSchermata::OpzioniScansione, "opzioni"}}) {
        Schermata *s = mostra(navigatore.crea(id));
        fotografa(s, QString::fromLatin1(nome));
        delete s;
    }

    // An exercise in progress: the first question answered right, the next one asked.
    stato.ModalitaInput = Modalita::Mouse;
    auto *esercizio = navigatore.creaEsercizio(4);
    mostra(esercizio);
    aspetta(300);
    esercizio->Command1_Click(esercizio->modello().Totale());
    fotografa(esercizio, QStringLiteral("esercizio"), 1800);

    // The same exercise at its end: the operation written, "avanti" showing.
    const int risposte[] = {esercizio->modello().Parte(), esercizio->modello().Resto(), esercizio->modello().Totale()};
    esercizio->Command1_Click(risposte[0]);
    esercizio->Command1_Click(risposte[1]);
    esercizio->Command1_Click(risposte[2]);
    esercizio->Command2_Click(1);
    esercizio->Command1_Click(risposte[0]);
    esercizio->Command2_Click(2);
    esercizio->Command1_Click(risposte[1]);
    fotografa(esercizio, QStringLiteral("operazione"), 2500);
    delete esercizio;

    // The same with two switches and the thick border: a wrong answer with its
    // cross, still lit, and "ripeti" and "menù" after the numbers.
    stato.ModalitaInput = Modalita::ScansioneManuale;
    stato.Scansione.bordo = true;
    auto *scansione = static_cast<FormEsercizio *>(navigatore.creaEsercizio(4));
    mostra(scansione);
    aspetta(300);
    // Space walks to the wrong answer, Enter chooses it, as the switches do.
    auto premi = [scansione](Qt::Key tasto) {
        for (QEvent::Type tipo : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent evento(tipo, tasto, Qt::NoModifier);
            QApplication::sendEvent(scansione->focusWidget() ? scansione->focusWidget() : scansione, &evento);
        }
        aspetta(60);
    };
    for (int i = 0; i < (scansione->modello().rispostaGiusta() + 2) % 11; ++i)
        premi(Qt::Key_Space);
    aspetta(400);
    premi(Qt::Key_Return);
    fotografa(scansione, QStringLiteral("scansione"), 1500);
    delete scansione;
    stato.Scansione.bordo = false;
    stato.ModalitaInput = Modalita::Mouse;

    // An addition story with both groups on screen.
    auto *addizione = navigatore.creaEsercizio(3);
    mostra(addizione);
    fotografa(addizione, QStringLiteral("addizione"), 1500);
    delete addizione;

    // The progress screen over a school year and more of a made-up child with
    // one switch, who gets quicker and surer from day to day.
    // In a home folder of its own, so the screen shows the usual place.
    QTemporaryDir casa;
    qputenv("HOME", QFile::encodeName(casa.path()));
    DiarioSqlite diario(casa.filePath(QStringLiteral(".local/share/calcolotti/diario.sqlite")));
    servizi.diario = &diario;
    stato.ModalitaInput = Modalita::ScansioneAutomatica;
    stato.VelocitaScansione = 4;
    std::mt19937 caso(3);
    const QDate oggi = QDate::currentDate();
    constexpr int Giorni = 400;
    for (int giorno = Giorni; giorno >= 0; --giorno) {
        if (giorno % 7 == 5 || giorno % 7 == 6)
            continue;
        qint64 ora = QDateTime(oggi.addDays(-giorno), QTime(10, 0)).toMSecsSinceEpoch();
        const double bravura = 0.55 + 0.4 * (Giorni - giorno) / Giorni;
        for (int e = 0; e < 3 + int(caso() % 3); ++e) {
            const QString livello = QString::fromUtf8(e % 2 ? "Addizione - 1°" : "Sottrazione - 1°");
            const quint64 chiave = diario.apriEsercizio(
                {ora, livello, 4, e % 2 ? QStringLiteral("addizione") : QStringLiteral("sottrazione"),
                 Modalita::ScansioneAutomatica});
            for (int passo = 1; passo <= 8; ++passo) {
                const bool giusta = std::uniform_real_distribution<>(0, 1)(caso) < bravura;
                ora += 4000;
                RispostaRegistrata r{ora, livello, 4, passo, 3, giusta, Modalita::ScansioneAutomatica, 1000};
                r.tempoRispostaMs = int(6000 - 2500 * bravura + caso() % 2500);
                r.giri = caso() % 10 < 3 ? 1 : 0;
                r.reazioneMs = int(300 + caso() % 500);
                diario.rispondi(chiave, r);
                passo -= giusta ? 0 : 1;
            }
            diario.chiudiEsercizio(chiave, ora, e < 4);
        }
    }
    auto *progressi = static_cast<FormProgressi *>(mostra(navigatore.crea(IdSchermata::Progressi)));
    fotografa(progressi, QStringLiteral("progressi"));
    progressi->mostraPeriodo(FormProgressi::Anno);
    fotografa(progressi, QStringLiteral("progressi-anno"));
    delete progressi;
    return 0;
}
