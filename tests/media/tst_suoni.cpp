#include "Finti.h"
#include "UscitaFinta.h"

#include "media/SuoniProgramma.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void tocca(const QString &percorso)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
}

class TestSuoni : public QObject
{
    Q_OBJECT

private slots:
    void scelta_data()
    {
        QTest::addColumn<QStringList>("file");     // entries of the folder; a trailing / makes a folder
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("atteso");
        const QStringList cinque{"1.wav", "2.wav", "3.wav", "4.wav", "5.wav"};
        QTest::newRow("cinque, r basso") << cinque << 0.0 << "1.wav";
        QTest::newRow("cinque, r a un quinto") << cinque << 0.2 << "2.wav";
        QTest::newRow("cinque, r appena sotto un quinto") << cinque << 0.1999 << "1.wav";
        QTest::newRow("cinque, r quasi uno") << cinque << 0.9999 << "5.wav";
        QTest::newRow("cartella vuota nomina 1") << QStringList{} << 0.7 << "1.wav";
        QTest::newRow("altri file non contano") << QStringList{"1.wav", "leggimi.txt", "2.WAVE", "3.mp3"}
                                                << 0.99 << "1.wav";
        QTest::newRow("un nome strano conta") << QStringList{"1.wav", "applauso.wav"} << 0.99 << "2.wav";
        QTest::newRow("una cartella .wav conta") << QStringList{"1.wav", "vecchi.wav/"} << 0.6 << "2.wav";
        QTest::newRow("una cartella qualsiasi no") << QStringList{"1.wav", "vecchi/"} << 0.6 << "1.wav";
        QTest::newRow("un buco nomina il mancante") << QStringList{"1.wav", "3.wav"} << 0.6 << "2.wav";
        QTest::newRow("nascosto conta") << QStringList{"1.wav", ".2.wav"} << 0.6 << "2.wav";
    }
    void scelta()
    {
        QFETCH(QStringList, file);
        QFETCH(double, r);
        QFETCH(QString, atteso);
        QTemporaryDir radice;
        const QString cartella = radice.filePath(QStringLiteral("suoni/si"));
        QVERIFY(QDir().mkpath(cartella));
        for (const QString &nome : file) {
            if (nome.endsWith('/'))
                QVERIFY(QDir(cartella).mkdir(nome.chopped(1)));
            else
                tocca(QDir(cartella).filePath(nome));
        }
        QCOMPARE(SuoniProgramma::fileScelto(cartella, r), QDir(cartella).filePath(atteso));
    }

    void cartellaMancanteNomina1()
    {
        QTemporaryDir radice;
        const QString cartella = radice.filePath(QStringLiteral("non/esiste"));
        QCOMPARE(SuoniProgramma::fileScelto(cartella, 0.5), QDir(cartella).filePath(QStringLiteral("1.wav")));
    }

    void ogniFileEScelto_data()
    {
        QTest::addColumn<bool>("si");
        QTest::newRow("SuonoSi") << true;
        QTest::newRow("SuonoNo") << false;
    }
    void ogniFileEScelto()
    {
        QFETCH(bool, si);
        QTemporaryDir radice;
        const QString sotto = si ? QStringLiteral("suoni/si") : QStringLiteral("suoni/no");
        const QString cartella = radice.filePath(sotto);
        QVERIFY(QDir().mkpath(cartella));
        for (int i = 1; i <= 5; ++i)
            tocca(QDir(cartella).filePath(QStringLiteral("%1.wav").arg(i)));

        StatoProgramma stato;
        GeneratoreOrologio casuale(12345);
        UscitaFinta uscita;
        SuoniProgramma suoni(stato, casuale, radice.path(), uscita);
        const int prove = 2000;
        for (int i = 0; i < prove; ++i)
            si ? suoni.SuonoSi() : suoni.SuonoNo();
        QCOMPARE(uscita.effetti.size(), prove);
        QMap<QString, int> volte;
        for (const QString &f : uscita.effetti)
            ++volte[f];
        QCOMPARE(volte.size(), 5);
        for (int i = 1; i <= 5; ++i) {
            const int n = volte.value(QDir(cartella).filePath(QStringLiteral("%1.wav").arg(i)));
            // Equal chances: each near 400 of 2000.
            QVERIFY2(n > 300 && n < 500, qPrintable(QStringLiteral("%1.wav: %2").arg(i).arg(n)));
        }
    }

    void suoniSpentiNienteEstrazione()
    {
        QTemporaryDir radice;
        StatoProgramma stato;
        stato.SuoniAttivati = false;
        GeneratoreScriptato casuale;
        casuale.imposta({0.5});
        UscitaFinta uscita;
        SuoniProgramma suoni(stato, casuale, radice.path(), uscita);
        suoni.SuonoSi();
        suoni.SuonoNo();
        QCOMPARE(casuale.prossimo, 0);
        QVERIFY(uscita.effetti.isEmpty());
    }

    void unaEstrazioneACiascunSuono()
    {
        QTemporaryDir radice;
        StatoProgramma stato;
        GeneratoreScriptato casuale;
        casuale.imposta({0.0, 0.5});
        UscitaFinta uscita;
        SuoniProgramma suoni(stato, casuale, radice.path(), uscita);
        suoni.SuonoSi();
        suoni.SuonoNo();
        QCOMPARE(casuale.prossimo, 2);
        QCOMPARE(uscita.effetti, (QStringList{radice.filePath(QStringLiteral("suoni/si/1.wav")),
                                              radice.filePath(QStringLiteral("suoni/no/1.wav"))}));
    }

    void fileAggiuntiVistiSubito()
    {
        QTemporaryDir radice;
        const QString cartella = radice.filePath(QStringLiteral("suoni/si"));
        QVERIFY(QDir().mkpath(cartella));
        tocca(QDir(cartella).filePath(QStringLiteral("1.wav")));
        StatoProgramma stato;
        GeneratoreScriptato casuale;
        casuale.imposta({0.9});
        UscitaFinta uscita;
        SuoniProgramma suoni(stato, casuale, radice.path(), uscita);
        suoni.SuonoSi();
        tocca(QDir(cartella).filePath(QStringLiteral("2.wav")));
        suoni.SuonoSi();
        QCOMPARE(uscita.effetti, (QStringList{QDir(cartella).filePath(QStringLiteral("1.wav")),
                                              QDir(cartella).filePath(QStringLiteral("2.wav"))}));
    }

    // The sounds shipped with the program.
    void suoniDelProgramma_data()
    {
        QTest::addColumn<QString>("cartella");
        QTest::addColumn<int>("almeno");
        QTest::newRow("premi") << QStringLiteral("si") << 5;
        QTest::newRow("errori") << QStringLiteral("no") << 4;
    }
    void suoniDelProgramma()
    {
        QFETCH(QString, cartella);
        QFETCH(int, almeno);
        const QDir dir(QStringLiteral(CALCOLOTTI_SOURCE_DATA "/suoni/") + cartella);
        const int n = dir.entryList({QStringLiteral("*.wav")}, QDir::Files).size();
        QVERIFY(n >= almeno);
        for (int i = 1; i <= n; ++i) {
            QFile f(dir.filePath(QStringLiteral("%1.wav").arg(i)));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
            const QByteArray testa = f.read(44);
            QVERIFY(testa.startsWith("RIFF") && testa.mid(8, 4) == "WAVE");
            // 16-bit mono: bytes per second at offset 28.
            const quint32 byteAlSecondo = qFromLittleEndian<quint32>(testa.constData() + 28);
            const double secondi = double(f.size() - 44) / byteAlSecondo;
            QVERIFY2(secondi > 0.2 && secondi < 1.5, qPrintable(QString::number(secondi)));
        }
    }
};

QTEST_MAIN(TestSuoni)
#include "tst_suoni.moc"
