#include "UscitaFinta.h"

#include "core/Chiusura.h"
#include "media/EspeakEngine.h"
#include "media/VoceProgramma.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>

// The real engine on real Italian, into a buffer.
namespace {

const QString saluto = QStringLiteral("Clicca sulla bocca per ascoltare la voce impostata.");

struct Motore {
    UscitaFinta *uscita = new UscitaFinta;
    EspeakEngine motore{std::unique_ptr<AudioOutput>(uscita)};
};

// Speaks and waits; false when the speech did not end.
bool parlaTutto(EspeakEngine &motore, const QString &testo)
{
    motore.speak(testoPerLaVoce(testo));
    QElapsedTimer t;
    t.start();
    while (motore.isSpeaking() && t.elapsed() < 15000)
        QTest::qWait(5);
    return !motore.isSpeaking();
}

// Root mean square of 16-bit samples, 0..32767.
double rms(const QByteArray &pcm)
{
    const auto *c = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype n = pcm.size() / 2;
    double somma = 0;
    for (qsizetype i = 0; i < n; ++i)
        somma += double(c[i]) * c[i];
    return n ? std::sqrt(somma / n) : 0.0;
}

// Share of 20 ms frames that hold sound: speech, not a click in a silence.
double quotaSonora(const QByteArray &pcm, int frequenza)
{
    const int quadro = frequenza / 50 * 2;
    int sonori = 0, totali = 0;
    for (qsizetype i = 0; i + quadro <= pcm.size(); i += quadro, ++totali)
        if (rms(pcm.mid(i, quadro)) > 300)
            ++sonori;
    return totali ? double(sonori) / totali : 0.0;
}

// What tells two voices apart: length, level and how often the wave crosses
// zero (pitch and brightness).
struct Impronta {
    qsizetype campioni;
    double livello;
    double incroci;
};

Impronta impronta(const QByteArray &pcm)
{
    const auto *c = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype n = pcm.size() / 2;
    qsizetype incroci = 0;
    for (qsizetype i = 1; i < n; ++i)
        if ((c[i - 1] < 0) != (c[i] < 0))
            ++incroci;
    return {n, rms(pcm), n ? double(incroci) / n : 0.0};
}

bool diverse(const Impronta &a, const Impronta &b)
{
    auto lontani = [](double x, double y) { return std::abs(x - y) > 0.02 * std::max(std::abs(x), std::abs(y)); };
    return lontani(a.campioni, b.campioni) || lontani(a.livello, b.livello) || lontani(a.incroci, b.incroci);
}

}

class TestEspeak : public QObject
{
    Q_OBJECT
    Chiusura m_chiusura;

private slots:
    void initTestCase()
    {
        Motore m;
        if (!m.motore.disponibile())
            QFAIL("libespeak-ng did not start");
    }

    void frasiItalianeInUnBuffer_data()
    {
        QTest::addColumn<QString>("frase");
        QTest::newRow("domanda") << QStringLiteral("Quante locomotive rimangono ferme?");
        QTest::newRow("enunciato") << QStringLiteral("C'è una sola tartaruga chiusa nel guscio.");
        QTest::newRow("operazione") << QStringLiteral(" 7 - 3 = 4");
        QTest::newRow("saluto della voce") << saluto;
    }
    void frasiItalianeInUnBuffer()
    {
        QFETCH(QString, frase);
        Motore m;
        QVERIFY(parlaTutto(m.motore, frase));
        const double secondi = m.uscita->secondi();
        QVERIFY2(secondi > 1.0 && secondi < 5.0, qPrintable(QString::number(secondi)));
        QVERIFY2(rms(m.uscita->pcm) > 500, qPrintable(QString::number(rms(m.uscita->pcm))));
        QVERIFY(quotaSonora(m.uscita->pcm, m.motore.frequenzaCampioni()) > 0.4);
    }

    void lentaPiuLungaDiVeloce()
    {
        Motore m;
        QMap<int, double> durate;
        for (int velocita : {70, 135, 200}) {
            m.motore.setRate(velocita);
            QVERIFY(parlaTutto(m.motore, QStringLiteral("Quante locomotive rimangono ferme?")));
            durate[velocita] = m.uscita->secondi();
        }
        QVERIFY(durate[70] > durate[135] * 1.2);
        QVERIFY(durate[135] > durate[200] * 1.2);
    }

    void velocitaCrescenteEDentroIlMotore()
    {
        for (int v = 0; v <= 300; ++v) {
            const int wpm = EspeakEngine::paroleAlMinuto(v);
            QVERIFY(wpm >= 80 && wpm <= 450);  // espeak-ng's own limits
            QVERIFY(EspeakEngine::paroleAlMinuto(v + 1) >= wpm);
        }
        QVERIFY(EspeakEngine::paroleAlMinuto(70) < EspeakEngine::paroleAlMinuto(135));
        QVERIFY(EspeakEngine::paroleAlMinuto(135) < EspeakEngine::paroleAlMinuto(200));
    }

    void elencoDelleVoci()
    {
        Motore m;
        const int n = m.motore.voiceCount();
        QVERIFY(n >= 2);
        QCOMPARE(m.motore.nomeEspeak(1), QStringLiteral("it"));
        QStringList nomi;
        for (int i = 1; i <= n; ++i) {
            QVERIFY(!m.motore.voiceName(i).isEmpty());
            QVERIFY(m.motore.nomeEspeak(i).startsWith(QStringLiteral("it")));
            nomi << m.motore.voiceName(i);
        }
        nomi.removeDuplicates();
        QCOMPARE(nomi.size(), n);
        QVERIFY(m.motore.voiceName(0).isEmpty());
        QVERIFY(m.motore.voiceName(n + 1).isEmpty());
    }

    void sceltaDellaVoce_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<bool>("accettata");
        QTest::newRow("prima") << 1 << true;
        QTest::newRow("seconda") << 2 << true;
        QTest::newRow("zero") << 0 << false;
        QTest::newRow("negativa") << -3 << false;
        QTest::newRow("oltre la fine") << 1000 << false;
    }
    void sceltaDellaVoce()
    {
        QFETCH(int, numero);
        QFETCH(bool, accettata);
        Motore m;
        QVERIFY(m.motore.selectVoice(2));
        QCOMPARE(m.motore.selectVoice(numero), accettata);
        QCOMPARE(m.motore.voceCorrente(), accettata ? numero : 2);
    }

    // An unknown variant falls back silently to the plain voice: every voice
    // offered must really sound different from the first.
    void ogniVoceParlaASuoModo()
    {
        Motore m;
        QVector<Impronta> impronte;
        for (int i = 1; i <= m.motore.voiceCount(); ++i) {
            QVERIFY(m.motore.selectVoice(i));
            QVERIFY(parlaTutto(m.motore, saluto));
            const Impronta nuova = impronta(m.uscita->pcm);
            for (const Impronta &altra : impronte)
                QVERIFY2(diverse(nuova, altra), qPrintable(m.motore.nomeEspeak(i)));
            impronte << nuova;
            QVERIFY(quotaSonora(m.uscita->pcm, m.motore.frequenzaCampioni()) > 0.4);
        }
    }

    void dueMotoriTengonoVoceEVelocita()
    {
        Motore a, b;
        QVERIFY(a.motore.selectVoice(2));
        a.motore.setRate(70);
        b.motore.setRate(200);
        const QString frase = QStringLiteral("Quante api sul fiore?");
        QVERIFY(parlaTutto(a.motore, frase));
        const QByteArray primaA = a.uscita->pcm;
        QVERIFY(parlaTutto(b.motore, frase));
        QVERIFY(parlaTutto(a.motore, frase));
        // espeak-ng varies a voice slightly from one reading to the next: the
        // same voice and rate give the same length and about the same level.
        QCOMPARE(a.uscita->pcm.size(), primaA.size());
        QVERIFY(!diverse(impronta(a.uscita->pcm), impronta(primaA)));
        QVERIFY(b.uscita->secondi() < a.uscita->secondi());
    }

    void stopTaceSubitoEScartaIlResto()
    {
        Motore m;
        QSignalSpy cambi(&m.motore, &SpeechEngine::speakingChanged);
        m.motore.speak(QStringLiteral("Uno, due, tre, quattro, cinque, sei, sette, otto, nove, dieci. "
                                      "Undici, dodici, tredici, quattordici, quindici."));
        QVERIFY(m.motore.isSpeaking());
        m.motore.stop();
        QVERIFY(!m.motore.isSpeaking());
        const int fermate = m.uscita->fermate;
        QTest::qWait(200);
        QVERIFY(m.uscita->pcm.isEmpty());  // nothing of the cut text reaches the output
        QVERIFY(m.uscita->fermate >= fermate);
        QCOMPARE(cambi.size(), 2);
        QCOMPARE(cambi.at(0).at(0).toBool(), true);
        QCOMPARE(cambi.at(1).at(0).toBool(), false);
    }

    void stopDaSilenzioseInnocuo()
    {
        Motore m;
        QSignalSpy cambi(&m.motore, &SpeechEngine::speakingChanged);
        m.motore.stop();
        m.motore.stop();
        QVERIFY(!m.motore.isSpeaking());
        QCOMPARE(cambi.size(), 0);
    }

    void testoVuotoFinisceSenzaCampioni()
    {
        Motore m;
        QVERIFY(parlaTutto(m.motore, QString()));
        QVERIFY2(m.uscita->secondi() < 0.2, qPrintable(QString::number(m.uscita->secondi())));
        QVERIFY2(rms(m.uscita->pcm) < 50, qPrintable(QString::number(rms(m.uscita->pcm))));
    }

    void parlaFinoAQuandoICampioniSonoSuonati()
    {
        Motore m;
        m.uscita->manuale = true;
        QSignalSpy cambi(&m.motore, &SpeechEngine::speakingChanged);
        m.motore.speak(saluto);
        QTRY_VERIFY(!m.uscita->pcm.isEmpty());
        QTest::qWait(150);
        // Synthesis is long over, but nothing has played yet.
        QVERIFY(m.motore.isSpeaking());
        m.uscita->suonatiUs = qint64(m.uscita->secondi() * 1e6) / 2;
        QTest::qWait(150);
        QVERIFY(m.motore.isSpeaking());
        m.uscita->suonatiUs = qint64(m.uscita->secondi() * 1e6);
        QTRY_VERIFY_WITH_TIMEOUT(!m.motore.isSpeaking(), 1000);
        QCOMPARE(cambi.size(), 2);
    }

    void unUscitaFermaNonBloccaLaVoce()
    {
        // A sink that never reports progress: the watchdog ends the speech.
        Motore m;
        m.uscita->manuale = true;
        m.motore.speak(QStringLiteral("Quante api?"));
        QTRY_VERIFY_WITH_TIMEOUT(!m.motore.isSpeaking(), 6000);
    }

    void senzaSchedaAudioTieneIlTempo()
    {
        Motore misura;
        const QString frase = QStringLiteral("Quante scimmiette?");
        QVERIFY(parlaTutto(misura.motore, frase));
        const double secondi = misura.uscita->secondi();

        EspeakEngine muto(std::make_unique<NullAudioOutput>());
        QElapsedTimer t;
        t.start();
        muto.speak(frase);
        QVERIFY(muto.isSpeaking());
        QTRY_VERIFY_WITH_TIMEOUT(!muto.isSpeaking(), 10000);
        QVERIFY2(t.nsecsElapsed() >= qint64(secondi * 0.95e9),
                 qPrintable(QStringLiteral("%1 s of speech ended after %2 ms").arg(secondi).arg(t.elapsed())));
    }

    void parlaSulMotoreVeroAttendeLaFine()
    {
        UscitaFinta *uscita = nullptr;
        VoceProgramma voce([&uscita] {
            auto u = std::make_unique<UscitaFinta>();
            u->manuale = true;  // only this test's clock says what has played
            uscita = u.get();
            return std::unique_ptr<SpeechEngine>(new EspeakEngine(std::move(u)));
        }, m_chiusura);
        SpeechEngine &motore = voce.motore();
        bool durante = false;
        QTimer tempo;
        connect(&tempo, &QTimer::timeout, [&] {
            if (uscita->pcm.isEmpty())
                return;
            durante = durante || motore.isSpeaking();
            uscita->suonatiUs += 100000;  // 100 ms of playback per tick
        });
        tempo.start(5);
        QVERIFY(voce.Parla(QStringLiteral("Perché è così?")));
        QVERIFY(durante);
        QVERIFY(!motore.isSpeaking());
        QVERIFY(uscita->suonatiUs + 2000 >= qint64(uscita->secondi() * 1e6));
        QVERIFY(quotaSonora(uscita->pcm, 22050) > 0.4);
    }

    void uscitaMutaSuonaFinoAllUltimoCampione_data()
    {
        QTest::addColumn<int>("frequenza");
        QTest::addColumn<QVector<int>>("pezzi");  // samples in each write
        QTest::newRow("pezzi dispari") << 22050 << QVector<int>{1, 3, 7, 2205, 11, 1};
        QTest::newRow("molti pezzi piccoli") << 22050 << QVector<int>(300, 7);
        QTest::newRow("un pezzo solo") << 44100 << QVector<int>{4410};
    }
    void uscitaMutaSuonaFinoAllUltimoCampione()
    {
        QFETCH(int, frequenza);
        QFETCH(QVector<int>, pezzi);
        NullAudioOutput uscita;
        uscita.startStream(frequenza);
        QCOMPARE(uscita.playedUs(), 0);
        qint64 campioni = 0;
        for (int n : pezzi) {
            uscita.write(QByteArray(n * 2, '\0'));
            campioni += n;
        }
        const qint64 durata = campioni * 1000000 / frequenza;
        QTRY_COMPARE(uscita.playedUs(), durata);
        QTest::qWait(20);
        QCOMPARE(uscita.playedUs(), durata);  // and never more
        uscita.stopStream();
        QCOMPARE(uscita.playedUs(), 0);
    }

    void testoNuovoTaglialPrecedente()
    {
        Motore m;
        const QString breve = QStringLiteral("Quante galline?");
        QVERIFY(parlaTutto(m.motore, breve));
        const Impronta sola = impronta(m.uscita->pcm);
        // Cut a long text once its first samples are out: nothing of its rest
        // may come before the next text.
        m.motore.speak(QStringLiteral("Uno, due, tre, quattro, cinque, sei, sette, otto, nove, dieci, "
                                      "undici, dodici, tredici, quattordici, quindici, sedici."));
        QTRY_VERIFY(!m.uscita->pcm.isEmpty());
        m.motore.stop();
        QVERIFY(parlaTutto(m.motore, breve));
        QVERIFY2(!diverse(impronta(m.uscita->pcm), sola),
                 qPrintable(QStringLiteral("%1 against %2 samples").arg(m.uscita->pcm.size() / 2).arg(sola.campioni)));
    }
};

QTEST_MAIN(TestEspeak)
#include "tst_espeak.moc"
