#include "media/QtAudioOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QtTest>

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

};

QTEST_MAIN(TestUscitaAudio)
#include "tst_uscitaaudio.moc"
