#include "Finti.h"

#include "core/Chiusura.h"
#include "media/Attese.h"
#include "media/VoceProgramma.h"

#include <QTimer>
#include <QtTest>

// Once the program is told to quit, waits stop at once and say so. The flag
// stays for the rest of the process, so these run in their own executable and
// in this order.
class TestChiusura : public QObject
{
    Q_OBJECT
    Chiusura m_chiusura;

private slots:
    void parlaTornaFalsoQuandoIlProgrammaEsce()
    {
        Registro registro;
        MotoreFinto *motore = nullptr;
        VoceProgramma voce([&] {
            auto m = std::make_unique<MotoreFinto>(&registro);
            m->fineAutomatica = false;
            motore = m.get();
            return std::unique_ptr<SpeechEngine>(std::move(m));
        }, m_chiusura);
        QTimer::singleShot(20, [] { QCoreApplication::quit(); });
        QVERIFY(!voce.Parla(QStringLiteral("uno")));
        QVERIFY(m_chiusura.inCorso());

        // The next text is not spoken and nothing waits.
        registro.svuota();
        QVERIFY(!voce.Parla(QStringLiteral("due")));
        QCOMPARE(registro.voci, QStringList{"stop"});
        QVERIFY(!motore->isSpeaking());
    }

    void pausaTornaSubitoFalsa()
    {
        AttesaProgramma attesa(m_chiusura);
        QElapsedTimer orologio;
        orologio.start();
        QVERIFY(!attesa.Pausa(30.0));
        QVERIFY(!attesa.Pausa(0.0));
        QVERIFY(orologio.elapsed() < 10000);  // a guard against hanging, not a timing
    }
};

// The waits run inside the application's own event loop, as in the program,
// so that quit() reaches them.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestChiusura prova;
    int esito = 1;
    QTimer::singleShot(0, [&] { esito = QTest::qExec(&prova, argc, argv); });
    app.exec();
    return esito;
}
#include "tst_chiusura.moc"
