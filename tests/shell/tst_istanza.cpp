#include "shell/Istanza.h"

#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class TestIstanza : public QObject
{
    Q_OBJECT

private slots:
    void unaSecondaCopiaVieneRifiutataFinoAllaMorteDellaPrima();
    void avvioSenzaImpostazioniNonCreaNulla();
};

void TestIstanza::unaSecondaCopiaVieneRifiutataFinoAllaMorteDellaPrima()
{
    QTemporaryDir dir;
    const QString percorso = dir.filePath(QStringLiteral("calcolotti.lock"));
    QProcess prima;
    prima.start(QStringLiteral(CALCOLOTTI_HELPER_DIR "/helper_blocco"), {percorso});
    QVERIFY(prima.waitForReadyRead(10000));
    QCOMPARE(prima.readAllStandardOutput().trimmed(), QByteArray("preso"));

    QVERIFY(!bloccaIstanza(percorso));
    QProcess seconda;
    seconda.start(QStringLiteral(CALCOLOTTI_HELPER_DIR "/helper_blocco"), {percorso});
    QVERIFY(seconda.waitForFinished(10000));
    QCOMPARE(seconda.readAllStandardOutput().trimmed(), QByteArray("rifiutato"));

    // Killed without a chance to clean up: its lock stays on disk, and is
    // taken over at once instead of refusing every later start.
    ::kill(pid_t(prima.processId()), SIGKILL);
    QVERIFY(prima.waitForFinished(10000));
    QVERIFY(QFileInfo::exists(percorso));
    const auto presa = bloccaIstanza(percorso);
    QVERIFY(presa);
    QVERIFY(presa->isLocked());
}

void TestIstanza::avvioSenzaImpostazioniNonCreaNulla()
{
    QTemporaryDir dir;
    QProcess programma;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    ambiente.insert(QStringLiteral("TMPDIR"), dir.path());
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    programma.setProcessEnvironment(ambiente);
    programma.start(QStringLiteral(CALCOLOTTI_BUILD_DIR "/calcolotti"));
    QVERIFY(programma.waitForStarted());
    // Running with its splash open, not refused and not crashed.
    QVERIFY(!programma.waitForFinished(1500));
    programma.kill();
    programma.waitForFinished();
    // The sound server's client may keep files of its own there; the program
    // writes nothing until "Esci".
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("config/ImpostazioniProgrammiLumba"))));
}

QTEST_GUILESS_MAIN(TestIstanza)
#include "tst_istanza.moc"
