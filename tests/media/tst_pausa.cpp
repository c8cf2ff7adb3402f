#include "core/Chiusura.h"
#include "media/Attese.h"
#include "media/VoceProgramma.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

class TestPausa : public QObject
{
    Q_OBJECT
    Chiusura m_chiusura;

private slots:
    void nienteAttesaNessunEvento_data()
    {
        QTest::addColumn<double>("secondi");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("negativo") << -1.5;
        QTest::newRow("negativo piccolo") << -0.0001;
        QTest::newRow("non un numero") << std::nan("");
    }
    void nienteAttesaNessunEvento()
    {
        QFETCH(double, secondi);
        AttesaProgramma attesa(m_chiusura);
        bool eseguito = false;
        QTimer::singleShot(0, [&] { eseguito = true; });
        QVERIFY(attesa.Pausa(secondi));
        QVERIFY(!eseguito);
        QTRY_VERIFY(eseguito);  // the event was only waiting for the loop
    }

    void nonTornaPrimaDelTempo_data()
    {
        QTest::addColumn<double>("secondi");
        QTest::newRow("mezzo secondo") << 0.5;
        QTest::newRow("tre decimi") << 0.3;
        QTest::newRow("un millesimo") << 0.001;
    }
    void nonTornaPrimaDelTempo()
    {
        QFETCH(double, secondi);
        AttesaProgramma attesa(m_chiusura);
        QElapsedTimer orologio;
        orologio.start();
        QVERIFY(attesa.Pausa(secondi));
        QVERIFY2(orologio.nsecsElapsed() >= qint64(secondi * 1e9),
                 qPrintable(QString::number(orologio.nsecsElapsed())));
    }

    void eventiGestitiDuranteLaPausa()
    {
        AttesaProgramma attesa(m_chiusura);
        int scatti = 0;
        QTimer ticchettio;
        connect(&ticchettio, &QTimer::timeout, [&] { ++scatti; });
        ticchettio.start(20);
        QVERIFY(attesa.Pausa(0.3));
        QVERIFY(scatti >= 3);
    }

    void pausaAnnidata()
    {
        // A handler run during a pause pauses too; both end no earlier than asked.
        AttesaProgramma attesa(m_chiusura);
        QElapsedTimer orologio;
        orologio.start();
        qint64 fineInterna = -1;
        QTimer::singleShot(50, [&] {
            attesa.Pausa(0.4);
            fineInterna = orologio.nsecsElapsed();
        });
        QVERIFY(attesa.Pausa(0.1));
        QVERIFY(fineInterna >= qint64(0.45e9));
        QVERIFY(orologio.nsecsElapsed() >= fineInterna);
    }

    void unCicloSvegliatoTornaVero()
    {
        Attese::Ciclo ciclo(m_chiusura);
        QTimer::singleShot(0, ciclo.contesto(), [&ciclo] { ciclo.sveglia(); });
        QVERIFY(ciclo.esegui());
        QVERIFY(!m_chiusura.inCorso());
    }
};

QTEST_MAIN(TestPausa)
#include "tst_pausa.moc"
