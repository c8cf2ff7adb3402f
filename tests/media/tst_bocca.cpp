#include "Finti.h"

#include "media/Bocca.h"
#include "media/FormBocca.h"

#include <QSignalSpy>
#include <QtTest>

class TestBocca : public QObject
{
    Q_OBJECT

private slots:
    void clic_data()
    {
        QTest::addColumn<Qt::MouseButton>("tasto");
        QTest::addColumn<QPoint>("punto");
        QTest::addColumn<int>("clic");
        QTest::newRow("sinistro dentro") << Qt::LeftButton << QPoint(50, 40) << 1;
        QTest::newRow("destro dentro") << Qt::RightButton << QPoint(50, 40) << 0;
        QTest::newRow("sinistro rilasciato fuori") << Qt::LeftButton << QPoint(500, 40) << 0;
    }
    void clic()
    {
        QFETCH(Qt::MouseButton, tasto);
        QFETCH(QPoint, punto);
        QFETCH(int, clic);
        MotoreFinto motore;
        Bocca bocca(motore);
        bocca.resize(113, 81);
        QSignalSpy cliccata(&bocca, &Bocca::cliccata);
        QTest::mouseRelease(&bocca, tasto, {}, punto);
        QCOMPARE(cliccata.size(), clic);
    }

    void tastiera_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("clic");
        QTest::newRow("spazio") << int(Qt::Key_Space) << 1;
        QTest::newRow("invio") << int(Qt::Key_Return) << 1;
        QTest::newRow("freccia") << int(Qt::Key_Left) << 0;
    }
    void tastiera()
    {
        QFETCH(int, tasto);
        QFETCH(int, clic);
        MotoreFinto motore;
        Bocca bocca(motore);
        QSignalSpy cliccata(&bocca, &Bocca::cliccata);
        QTest::keyClick(&bocca, Qt::Key(tasto));
        QCOMPARE(cliccata.size(), clic);
    }

    void siMuoveSoloMentreParla()
    {
        MotoreFinto motore;
        motore.fineAutomatica = false;
        Bocca bocca(motore);
        bocca.resize(113, 81);
        QCOMPARE(bocca.apertura(), 0.0);
        motore.speak(QStringLiteral("ciao"));
        QVERIFY(bocca.apertura() > 0.0);
        QSet<double> aperture;
        for (int i = 0; i < 40 && aperture.size() < 3; ++i) {
            QTest::qWait(30);
            aperture << bocca.apertura();
        }
        QVERIFY(aperture.size() >= 3);  // it moves, not just opens
        motore.finisci();
        QCOMPARE(bocca.apertura(), 0.0);
        QTest::qWait(200);
        QCOMPARE(bocca.apertura(), 0.0);
    }

    void motoreDistruttoPrimaDellaBocca()
    {
        auto motore = std::make_unique<MotoreFinto>();
        motore->fineAutomatica = false;
        Bocca bocca(*motore);
        motore->speak(QStringLiteral("ciao"));
        motore.reset();
        QTRY_COMPARE(bocca.apertura(), 0.0);
        bocca.grab();
    }

    void disegnaAperteEChiuse()
    {
        // Painting at any opening and size must leave a visible mouth.
        MotoreFinto motore;
        motore.fineAutomatica = false;
        Bocca bocca(motore);
        for (const QSize &misura : {QSize(113, 81), QSize(233, 145), QSize(20, 10)}) {
            bocca.resize(misura);
            for (bool parla : {false, true}) {
                parla ? motore.speak(QStringLiteral("a")) : motore.stop();
                const QImage immagine = bocca.grab().toImage();
                int rossi = 0;
                for (int y = 0; y < immagine.height(); ++y)
                    for (int x = 0; x < immagine.width(); ++x) {
                        const QColor c = immagine.pixelColor(x, y);
                        if (c.red() > 150 && c.green() < 80)
                            ++rossi;
                    }
                QVERIFY2(rossi > 0, qPrintable(QStringLiteral("%1x%2").arg(misura.width()).arg(misura.height())));
            }
        }
    }

    void formBoccaTieneLaBoccaNelPostoGiusto()
    {
        FormBocca form(std::make_unique<MotoreFinto>());
        auto *bocca = form.findChild<Bocca *>(QStringLiteral("Bocca"));
        QVERIFY(bocca);
        QCOMPARE(bocca->geometry(), QRect(48, 32, 233, 145));
        QVERIFY(!bocca->accessibleName().isEmpty());
    }
};

QTEST_MAIN(TestBocca)
#include "tst_bocca.moc"
