#include "Finti.h"
#include "UscitaFinta.h"

#include "core/Chiusura.h"
#include "core/StatoProgramma.h"
#include "input/ControlloreInput.h"
#include "media/EspeakEngine.h"
#include "media/VoceProgramma.h"

#include <QMutex>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <espeak-ng/speak_lib.h>

// The real engine on real Italian into a buffer, and the outputs it plays on.
namespace {

const QString lunga = QStringLiteral("Uno, due, tre, quattro, cinque, sei, sette, otto, nove, dieci, undici, dodici.");

struct Motore {
    UscitaFinta *uscita = new UscitaFinta;
    EspeakEngine motore{std::unique_ptr<AudioOutput>(uscita)};
    bool parla(const QString &testo)
    {
        motore.speak(testoPerLaVoce(testo));
        for (int i = 0; i < 3000 && motore.isSpeaking(); ++i)
            QTest::qWait(5);
        return !motore.isSpeaking();
    }
};

// Length, level and zero crossings per sample (pitch and brightness).
struct Impronta {
    double campioni, livello = 0, incroci = 0;
    explicit Impronta(const QByteArray &pcm) : campioni(double(pcm.size() / 2))
    {
        const auto *c = reinterpret_cast<const qint16 *>(pcm.constData());
        for (qsizetype i = 1; i < pcm.size() / 2; ++i) {
            livello += double(c[i]) * c[i] / campioni;
            incroci += ((c[i - 1] < 0) != (c[i] < 0)) / campioni;
        }
        livello = std::sqrt(livello);
    }
    bool diversa(const Impronta &b) const
    {
        auto lontani = [](double x, double y) { return std::abs(x - y) > 0.02 * std::max(x, y); };
        return lontani(campioni, b.campioni) || lontani(livello, b.livello) || lontani(incroci, b.incroci);
    }
};

// An output for the sound thread; a closed one's writes wait at a gate, as a stalled sound server does.
struct Sportello : AudioOutput {
    explicit Sportello(bool chiuso = false) : chiuso(chiuso) {}
    void write(const QByteArray &pcm) override
    {
        ++scritture;
        if (chiuso) {
            porta.acquire();
            porta.release();
        }
        QMutexLocker chiave(&lucchetto);
        ricevuti += pcm;
    }
    static QByteArray dati() { QMutexLocker chiave(&lucchetto); return ricevuti; }
    void startStream(int) override {}
    void stopStream() override {}
    qint64 playedUs() const override { return suonatiUs; }
    void playEffect(const QString &) override {}
    const bool chiuso;
    static inline std::atomic<qint64> suonatiUs{0};
    static inline std::atomic<int> scritture{0};
    static inline QMutex lucchetto;
    static inline QByteArray ricevuti;
    static inline QSemaphore porta{0};
};

struct Bersaglio : BersaglioScansione {
    int seguenti = 0, selezioni = 0;
    QWidget a, b;
    QVector<QVector<QWidget *>> scelte() const override { return {{const_cast<QWidget *>(&a)}, {const_cast<QWidget *>(&b)}}; }
    void colora(QWidget *, bool accesa) override { seguenti += accesa; }
    void scegli(QWidget *) override { ++selezioni; }
};

}

class TestEspeak : public QObject
{
    Q_OBJECT
    Chiusura m_chiusura;

private slots:
    // Speech comes out, and each sentence is logged as handed to the synthesizer.
    void inUnBufferELoggata()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("calcolotti.voce.debug=true"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^\\d+ it 130 \u00ab 7 meno 3 = 4\u00bb$")));
        Motore m;
        QVERIFY(m.parla(QStringLiteral(" 7 - 3 = 4")));
        QLoggingCategory::setFilterRules(QString());
        const Impronta impronta(m.uscita->pcm);
        QVERIFY2(impronta.campioni > 22050 && impronta.campioni < 5 * 22050 && impronta.livello > 500,
                 qPrintable(QStringLiteral("%1 samples at %2").arg(impronta.campioni).arg(impronta.livello)));
    }

    // A damaged dictionary would crash the library when the voice loads: it is
    // told apart first, by the package's checksum or by its first numbers.
    void dizionario_data()
    {
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<QString>("difetto");  // part of it; empty: sound
        QTest::newRow("as installed") << "" << "";
        QTest::newRow("a sound copy, the package not knowing it") << "copia" << "";
        QTest::newRow("cut short") << "corto" << "danneggiato";
        QTest::newRow("a wrong first number") << "intestazione" << "danneggiato";
        QTest::newRow("not the package's") << "somma" << "non è quello del pacchetto";
        QTest::newRow("missing") << "manca" << "manca";
    }

    void dizionario()
    {
        QFETCH(QString, guasto);
        QFETCH(QString, difetto);
        const char *dati = nullptr;
        espeak_Info(&dati);
        QString cartella = QString::fromLocal8Bit(dati);
        QTemporaryDir copia;
        if (!guasto.isEmpty()) {
            QFile originale(cartella + QStringLiteral("/it_dict"));
            QVERIFY(originale.open(QIODevice::ReadOnly));
            QByteArray dizionario = originale.readAll();
            if (guasto == QLatin1String("corto"))
                dizionario.truncate(dizionario.size() / 3);
            if (guasto == QLatin1String("intestazione"))
                dizionario[0] = 7;
            QFile file(copia.filePath(QStringLiteral("it_dict")));
            QVERIFY(guasto == QLatin1String("manca") || (file.open(QIODevice::WriteOnly) && file.write(dizionario) > 0));
            file.close();
            QFile somme(copia.filePath(QStringLiteral("espeak-ng-data.md5sums")));
            QVERIFY(somme.open(QIODevice::WriteOnly));
            if (guasto == QLatin1String("somma"))
                somme.write(QByteArray(32, '0') + "  " + QFileInfo(file).canonicalFilePath().mid(1).toUtf8() + '\n');
            cartella = copia.path();
        }
        const QString trovato = EspeakEngine::difettoDelDizionario(cartella, copia.path());
        QVERIFY2(trovato.contains(difetto) && trovato.isEmpty() == difetto.isEmpty(), qPrintable(trovato));
    }

    // Slower is longer; every voice offered sounds its own (an unknown variant falls back silently
    // to the plain voice); two engines keep theirs.
    void velocitaEVoci()
    {
        Motore a, b;
        const QString frase = QStringLiteral("Quante api sul fiore?");
        QVector<Impronta> impronte;
        for (int velocita : {70, 135, 200}) {
            a.motore.setRate(velocita);
            QVERIFY(a.parla(frase));
            QVERIFY(impronte.isEmpty() || impronte.last().campioni > Impronta(a.uscita->pcm).campioni * 1.2);
            impronte = {Impronta(a.uscita->pcm)};
        }
        QVERIFY(b.motore.voiceCount() >= 2 && b.motore.voiceName(0).isEmpty() && !b.motore.selectVoice(0));
        for (int i = 1; i <= b.motore.voiceCount(); ++i) {
            QVERIFY(b.motore.selectVoice(i) && !b.motore.voiceName(i).isEmpty());
            QVERIFY(b.parla(frase));
            for (const Impronta &altra : impronte.mid(1))
                QVERIFY2(Impronta(b.uscita->pcm).diversa(altra), qPrintable(b.motore.nomeEspeak(i)));
            impronte << Impronta(b.uscita->pcm);
        }
        QVERIFY(a.parla(frase));
        QVERIFY(!Impronta(a.uscita->pcm).diversa(impronte.first()));
    }

    // Nothing of a stopped text reaches the output, not even before the next.
    void stopTaglia()
    {
        Motore m;
        QSignalSpy cambi(&m.motore, &SpeechEngine::speakingChanged);
        m.motore.speak(lunga);
        m.motore.stop();
        m.motore.stop();
        QTest::qWait(200);
        QVERIFY(m.uscita->pcm.isEmpty());
        QCOMPARE(cambi.size(), 2);
        QVERIFY(m.parla(QStringLiteral("Quante galline?")));
        const Impronta sola(m.uscita->pcm);
        m.motore.speak(lunga);
        QTest::qSleep(100);  // its pieces wait in the queue when the next text comes
        QVERIFY(m.parla(QStringLiteral("Quante galline?")));
        QVERIFY(!Impronta(m.uscita->pcm).diversa(sola));
    }

    // Speech ends when its own samples have played, or by the watchdog if the output never says so.
    void parlaFinoAllUltimoCampione()
    {
        Motore m;
        m.uscita->manuale = true;
        m.motore.speak(QStringLiteral("Quante scimmiette?"));
        QTRY_VERIFY(!m.uscita->pcm.isEmpty());
        QTest::qWait(150);
        m.uscita->suonatiUs = qint64(m.uscita->secondi() * 1e6) / 2;
        QTest::qWait(150);
        QVERIFY(m.motore.isSpeaking());
        m.uscita->suonatiUs = qint64(m.uscita->secondi() * 1e6);
        QTRY_VERIFY_WITH_TIMEOUT(!m.motore.isSpeaking(), 1000);
        m.uscita->suonatiUs = 0;
        m.motore.speak(QStringLiteral("Quante api?"));
        QTRY_VERIFY_WITH_TIMEOUT(!m.motore.isSpeaking(), 6000);
    }

    // Without a sound device time goes on as if the samples played: to the last one, never beyond.
    void senzaSuonoTieneIlTempo()
    {
        NullAudioOutput uscita;
        uscita.startStream(22050);
        for (int n : {1, 3, 7, 2205, 11, 1, 7})
            uscita.write(QByteArray(n * 2, '\0'));
        QVERIFY(uscita.playedUs() < qint64(2235) * 1000000 / 22050);
        QTRY_COMPARE(uscita.playedUs(), qint64(2235) * 1000000 / 22050);
        QTest::qWait(20);
        QCOMPARE(uscita.playedUs(), qint64(2235) * 1000000 / 22050);
        uscita.stopStream();
        QCOMPARE(uscita.playedUs(), 0);
    }

    // Samples reach the output on the sound thread in order, once the thread is let go (the first
    // test to use it); its clock counts for the current stream only.
    void uscitaAsincrona()
    {
        trattieniSuono();
        UscitaAsincrona uscita([] { return std::make_unique<Sportello>(); });
        uscita.startStream(22050);
        for (const char *pezzo : {"ab", "cd", "ef"})
            uscita.write(pezzo);
        QTest::qWait(50);
        QCOMPARE(Sportello::dati(), QByteArray());
        liberaSuono();
        QTRY_COMPARE(Sportello::dati(), QByteArray("abcdef"));
        Sportello::suonatiUs = 1234;
        QTRY_COMPARE(uscita.playedUs(), 1234);
        uscita.stopStream();
        QCOMPARE(uscita.playedUs(), 0);
        uscita.startStream(22050);
        QCOMPARE(uscita.playedUs(), 0);
        QTRY_COMPARE(uscita.playedUs(), 1234);
    }

    // A sound server that stalls: the screen goes on scanning and taking keys; speech ends by the watchdog.
    void unServerFermoNonFermaLoSchermo()
    {
        Sportello::scritture = 0;
        VoceProgramma voce([] {
            auto uscita = std::make_unique<UscitaAsincrona>([] { return std::make_unique<Sportello>(true); });
            return std::unique_ptr<SpeechEngine>(new EspeakEngine(std::move(uscita)));
        }, m_chiusura);
        ServiziFinti finti;
        finti.stato.ModalitaInput = Modalita::ScansioneAutomatica;
        QWidget schermo;
        Bersaglio bersaglio;
        ControlloreInput input(&schermo, bersaglio, TipoSchermata::Esercizio, finti.servizi);
        schermo.show();
        input.prepara();
        input.ricomincia();
        QTimer tasto;
        connect(&tasto, &QTimer::timeout, [&] {
            if (bersaglio.seguenti == 2 && bersaglio.selezioni == 0) {
                QCOMPARE(Sportello::scritture, 1);  // the sound thread is at the gate
                QTest::keyClick(&schermo, Qt::Key_Space);
            }
        });
        tasto.start(50);
        QVERIFY(voce.Parla(lunga));
        QCOMPARE(Sportello::scritture, 1);  // and has been all along
        QCOMPARE(bersaglio.selezioni, 1);
        QVERIFY(bersaglio.seguenti >= 2);
        Sportello::porta.release();
        QTRY_VERIFY(Sportello::scritture > 1);
    }
};

QTEST_MAIN(TestEspeak)
#include "tst_espeak.moc"
