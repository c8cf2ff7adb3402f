#include "shell/Istanza.h"
#include "shell/Percorsi.h"

#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

const QString Helper = QStringLiteral(CALCOLOTTI_HELPER_DIR "/helper_programma");

// The helper in a home of its own: settings, runtime folder and lock inside cartella.
QProcess *avvia(const QTemporaryDir &cartella, const QStringList &argomenti, QObject *genitore)
{
    auto *processo = new QProcess(genitore);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), cartella.filePath(QStringLiteral("config")));
    ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), cartella.path());
    processo->setProcessEnvironment(ambiente);
    processo->start(Helper, argomenti);
    return processo;
}

}

class TestIstanza : public QObject
{
    Q_OBJECT

private slots:
    void blocco_data();
    void blocco();
    void bloccoNellaCartellaDiRuntime();
    void programmaIntero_data();
    void programmaIntero();
    void dueAvviiEstraggonoDiverso();
};

void TestIstanza::blocco_data()
{
    QTest::addColumn<QString>("prima");  // what holds the lock's place before the start
    QTest::addColumn<bool>("altraCopia");
    QTest::addColumn<bool>("preso");
    QTest::newRow("nothing") << "" << false << true;
    QTest::newRow("a live copy: refused") << "viva" << true << false;
    QTest::newRow("a copy killed without tidying up") << "uccisa" << false << true;
    QTest::newRow("an empty lock file") << "vuoto" << false << true;
    QTest::newRow("a lock written on another host") << "altrove" << false << true;
    QTest::newRow("a lock that cannot be read: starts without") << "cartella" << false << false;
    QTest::newRow("a missing folder: starts without") << "mancante" << false << false;
}

void TestIstanza::blocco()
{
    QFETCH(QString, prima);
    QFETCH(bool, altraCopia);
    QFETCH(bool, preso);
    QTemporaryDir dir;
    QString percorso = dir.filePath(QStringLiteral("calcolotti.lock"));
    QProcess copia;
    if (prima == QLatin1String("viva") || prima == QLatin1String("uccisa")) {
        copia.start(Helper, {QStringLiteral("blocca"), percorso});
        QVERIFY(copia.waitForReadyRead(10000));
        QCOMPARE(copia.readAllStandardOutput(), QByteArray("preso\n"));
        if (prima == QLatin1String("uccisa")) {
            ::kill(pid_t(copia.processId()), SIGKILL);
            QVERIFY(copia.waitForFinished(10000));
        }
    }
    QFile file(percorso);
    if (prima == QLatin1String("vuoto"))
        QVERIFY(file.open(QIODevice::WriteOnly));
    if (prima == QLatin1String("altrove"))
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("4242\ncalcolotti\naltrove\naltrove-id\n") > 0);
    file.close();
    if (prima == QLatin1String("cartella"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("calcolotti.lock")));
    if (prima == QLatin1String("mancante"))
        percorso = dir.filePath(QStringLiteral("manca/calcolotti.lock"));

    const Istanza istanza = bloccaIstanza(percorso);
    QCOMPARE(istanza.altraCopia, altraCopia);
    QCOMPARE(bool(istanza.blocco), preso);
    if (preso)
        QVERIFY(istanza.blocco->isLocked());
    copia.kill();
    copia.waitForFinished();
}

void TestIstanza::bloccoNellaCartellaDiRuntime()
{
    QTemporaryDir dir;
    const QByteArray prima = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    QCOMPARE(QFileInfo(Percorsi::fileBlocco()).path(), dir.path());
    qputenv("XDG_RUNTIME_DIR", dir.filePath(QStringLiteral("manca")).toLocal8Bit());
    QCOMPARE(QFileInfo(Percorsi::fileBlocco()).path(), QDir::tempPath());
    qputenv("XDG_RUNTIME_DIR", prima);
}

void TestIstanza::programmaIntero_data()
{
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QStringList>("righe");  // the helper's output, line by line
    QTest::addColumn<bool>("salvate");
    QTest::newRow("a second copy is refused")
        << "copia" << QStringList{"errore Calcolotti: E' già stata avviata una copia di questo programma!", "esito 0"}
        << false;
    QTest::newRow("Esci saves and ends the program")
        << "" << QStringList{"impostazioni assenti", "esito 0"} << true;
    QTest::newRow("a save that fails is told, then the program ends")
        << "file" << QStringList{"impostazioni presenti",
                                 "errore Calcolotti: Non è stato possibile salvare le impostazioni: al posto della "
                                 "cartella %1/config/ImpostazioniProgrammiLumba c'è un file.", "esito 0"}
        << false;
}

void TestIstanza::programmaIntero()
{
    QFETCH(QString, prima);
    QFETCH(QStringList, righe);
    QFETCH(bool, salvate);
    QTemporaryDir dir;
    const QString impostazioni = dir.filePath(QStringLiteral("config/ImpostazioniProgrammiLumba"));
    QProcess *copia = nullptr;
    if (prima == QLatin1String("copia")) {
        copia = avvia(dir, {QStringLiteral("blocca"), dir.filePath(QStringLiteral("calcolotti-%1.lock").arg(::getuid()))}, this);
        QVERIFY(copia->waitForReadyRead(10000));
    }
    if (prima == QLatin1String("file")) {
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("config"))));
        QFile intruso(impostazioni);
        QVERIFY(intruso.open(QIODevice::WriteOnly));
    }
    QProcess *programma = avvia(dir, {QStringLiteral("avvia"), QStringLiteral("esci")}, this);
    QVERIFY(programma->waitForFinished(30000));
    QCOMPARE(programma->exitStatus(), QProcess::NormalExit);
    QCOMPARE(programma->exitCode(), 0);
    const QString uscita = QString::fromUtf8(programma->readAllStandardOutput());
    QCOMPARE(uscita.split(QLatin1Char('\n'), Qt::SkipEmptyParts), righe.replaceInStrings(QStringLiteral("%1"), dir.path()));
    QFile ini(impostazioni + QStringLiteral("/calcolotti.ini"));
    QCOMPARE(ini.open(QIODevice::ReadOnly) && ini.readAll().count('\n') == 7, salvate);
    if (copia)
        copia->kill();
}

void TestIstanza::dueAvviiEstraggonoDiverso()
{
    QByteArray estratti[2];
    for (QByteArray &uscita : estratti) {
        QTemporaryDir dir;
        QProcess *programma = avvia(dir, {QStringLiteral("avvia"), QStringLiteral("estrai")}, this);
        QVERIFY(programma->waitForFinished(30000));
        uscita = programma->readAllStandardOutput();
        QVERIFY2(uscita.endsWith("esito 0\n"), uscita.constData());
    }
    QVERIFY(estratti[0] != estratti[1]);
}

QTEST_GUILESS_MAIN(TestIstanza)
#include "tst_istanza.moc"
