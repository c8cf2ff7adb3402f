#include "media/EspeakEngine.h"
#include "media/QtAudioOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QtTest>
#include <cmath>

// The real Qt output. On a machine without sound it must fall back to keeping
// time, so speech keeps its pace.
class TestUscitaAudio : public QObject
{
    Q_OBJECT

private slots:
    void flussoRestituisceICampioniInOrdine_data()
    {
        QTest::addColumn<QStringList>("pezzi");
        QTest::addColumn<int>("letturaMassima");
        QTest::newRow("un pezzo letto a morsi") << QStringList{"abcdefgh"} << 3;
        QTest::newRow("tanti pezzi letti interi") << QStringList{"ab", "c", "defg"} << 100;
        QTest::newRow("pezzi vuoti in mezzo") << QStringList{"ab", "", "cd"} << 1;
    }
    void flussoRestituisceICampioniInOrdine()
    {
        QFETCH(QStringList, pezzi);
        QFETCH(int, letturaMassima);
        FlussoPcm flusso;
        QVERIFY(flusso.open(QIODevice::ReadWrite));
        QByteArray atteso;
        for (const QString &p : pezzi) {
            flusso.accoda(p.toLatin1());
            atteso += p.toLatin1();
        }
        QCOMPARE(flusso.bytesAvailable(), atteso.size());
        QByteArray letto;
        while (flusso.bytesAvailable() > 0)
            letto += flusso.read(letturaMassima);
        QCOMPARE(letto, atteso);
        QCOMPARE(flusso.read(10), QByteArray());
        // Goes on after running dry, as speech arrives in pieces.
        flusso.accoda("xyz");
        QCOMPARE(flusso.readAll(), QByteArray("xyz"));
        flusso.svuota();
        QCOMPARE(flusso.bytesAvailable(), 0);
    }

    void senzaDispositivoTieneIlTempo()
    {
        if (!QMediaDevices::defaultAudioOutput().isNull())
            QSKIP("this machine has a sound device");
        QVERIFY(dynamic_cast<NullAudioOutput *>(creaUscitaAudio().get()));
        QtAudioOutput uscita;
        uscita.startStream(22050);
        uscita.write(QByteArray(2 * 2205, '\0'));  // 100 ms
        uscita.write(QByteArray(2 * 7, '\0'));
        const qint64 durata = qint64(2212) * 1000000 / 22050;
        QVERIFY(uscita.playedUs() < durata);
        QTRY_COMPARE(uscita.playedUs(), durata);
        uscita.stopStream();
        QCOMPARE(uscita.playedUs(), 0);
    }

    // Run by hand on a machine with a sound server; a null sink will do:
    // pulseaudio -n --daemonize=no --load=module-null-sink --load=module-native-protocol-unix
    void conDispositivoSuonaFinoAllaFine()
    {
        if (QMediaDevices::defaultAudioOutput().isNull())
            QSKIP("no sound device here");
        QtAudioOutput uscita;
        QByteArray tono(2 * 11025, '\0');  // half a second of a quiet 441 Hz tone
        auto *c = reinterpret_cast<qint16 *>(tono.data());
        for (int i = 0; i < 11025; ++i)
            c[i] = qint16(2000 * std::sin(2 * M_PI * 441 * i / 22050.0));
        for (int volta = 1; volta <= 3; ++volta) {
            // The same output plays one speech after another.
            uscita.startStream(22050);
            QElapsedTimer t;
            t.start();
            uscita.write(tono);
            while (uscita.playedUs() < 500000 - 2000 && t.elapsed() < 10000)
                QTest::qWait(20);
            qInfo("stream %d: half a second played after %lld ms", volta, t.elapsed());
            QVERIFY(uscita.playedUs() >= 500000 - 2000);
            QVERIFY(t.elapsed() >= 400);  // played, not skipped
        }

        EspeakEngine motore;
        QElapsedTimer parlato;
        parlato.start();
        motore.speak(QStringLiteral("Quante locomotive rimangono ferme?"));
        QVERIFY(motore.isSpeaking());
        QTRY_VERIFY_WITH_TIMEOUT(!motore.isSpeaking(), 10000);
        qInfo("speech of about 2.4 s ended after %lld ms", parlato.elapsed());
        QVERIFY(parlato.elapsed() >= 2000);
    }
};

QTEST_MAIN(TestUscitaAudio)
#include "tst_uscitaaudio.moc"
