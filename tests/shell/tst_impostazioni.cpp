#include "LeggiScrivi.h"
#include "core/StatoProgramma.h"
#include "shell/Istanza.h"
#include "shell/ModuloPerIni.h"
#include "shell/Percorsi.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The seven settings in the file's order.
using Valori = QList<double>;
const Valori Predefiniti{1, 0, 255, 1, 135, 4, 0};

QByteArray righe(const QList<QByteArray> &campi)
{
    return campi.join("\r\n") + "\r\n";
}

// What stands at a path, to see that a refused save touched nothing.
QString impronta(const QString &percorso)
{
    const QFileInfo info(percorso);
    if (info.isSymLink())
        return QStringLiteral("collegamento a %1 %2").arg(info.symLinkTarget(), impronta(info.symLinkTarget()));
    return info.isFile() ? QString::fromLatin1(leggi(percorso)) : info.isDir() ? "cartella" : info.exists() ? "speciale" : "niente";
}

}

// The settings file, the single-instance lock, and the whole program run as a
// process of its own.
class TestImpostazioni : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString file(const char *nome) { return m_dir->filePath(QString::fromLatin1(nome)); }
    QProcess *avvia(const QStringList &argomenti)  // with its settings and runtime folder in m_dir
    {
        auto *processo = new QProcess(this);
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), file("config"));
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir->path());
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), file("data"));
        processo->setProcessEnvironment(ambiente);
        processo->start(QStringLiteral(CALCOLOTTI_HELPER_DIR "/helper_programma"), argomenti);
        return processo;
    }

private slots:
    void init()
    {
        // Never the real user's folder: every path below comes from here.
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", file("config").toLocal8Bit());
    }
    void cleanup() { qDeleteAll(findChildren<QProcess *>()); }

    void letturaEScrittura_data()
    {
        QTest::addColumn<QByteArray>("contenuto");  // of calcolotti.ini, or what stands in its place
        QTest::addColumn<Valori>("attesi");
        QTest::addColumn<int>("scansioneMs");
        QTest::addColumn<bool>("comeScritto");  // the values saved give these very bytes
        QTest::newRow("defaults") << righe({"T", "F", " 255 ", " 1 ", " 135 ", " 4 ", " 0 "}) << Predefiniti << 1000 << true;
        QTest::newRow("a step of two quarters scans every 500 ms")
            << righe({"F", "T", " 65280 ", " 3 ", " 70 ", " 2 ", " 2 "}) << Valori{0, 1, 65280, 3, 70, 2, 2} << 500 << true;
        QTest::newRow("16-bit ends; negatives take the sign place") << righe({"T", "T", " 16777215 ", " 32767 ", "-32768 ", " 32767 ", "-1 "})
                                                                   << Valori{1, 1, 16777215, 32767, -32768, 32767, -1} << 32767 * 250 << true;
        QTest::newRow("commas, blanks before fields, LF ends") << QByteArray("  F,T,\t16711680\n 2\n 90\n 60\n 1")
                                                             << Valori{0, 1, 16711680, 2, 90, 60, 1} << 15000 << false;
        QTest::newRow("only an upper-case T is true") << righe({"t", "True", "1", "2", "3", "4", "1"}) << Valori{0, 1, 1, 2, 3, 4, 1} << 1000 << false;
        QTest::newRow("halves round to even") << righe({"T", "F", "255", "2.5", "3.5", "-2.5", "0.5"}) << Valori{1, 0, 255, 2, 4, -2, 0} << 250 << false;
        QTest::newRow("out-of-range values stay; no step is a quarter second")
            << righe({"T", "F", "255", "-1", "-5", "0", "9"}) << Valori{1, 0, 255, -1, -5, 0, 9} << 250 << false;
        QTest::newRow("a byte-order mark is skipped") << "\xEF\xBB\xBF" + righe({"T", "T", "1", "2", "3", "4", "1"})
                                                      << Valori{1, 1, 1, 2, 3, 4, 1} << 1000 << false;
        // Every failure gives all seven defaults, also for the fields already read:
        // 32768, -32769, five lines, letters, digits then letters, an empty number, 1e400, binary.
        const QList<QList<QByteArray>> guasti{{"F", "T", "1", "32768", "7", "2", "2"}, {"F", "T", "1", "1", "-32769", "2", "2"},
                                              {"F", "T", "1", "1", "7"}, {"F", "T", "rosso", "1", "7", "2", "2"},
                                              {"F", "T", "1", "12abc", "7", "2", "2"}, {"F", "T", "1", "", "7", "2", "2"},
                                              {"F", "T", "1e400", "1", "2", "2", "2"}, {"\x01\xff\xfe", ",\x7f"}};
        for (int i = 0; i < guasti.size(); ++i)
            QTest::addRow("broken %d", i) << righe(guasti[i]) << Predefiniti << 1000 << false;
        // Only an ordinary file is opened: a named pipe would wait for a writer for ever.
        for (const char *altro : {"nessun file", "fifo", "cartella"})
            QTest::addRow("%s", altro) << QByteArray(altro) << Predefiniti << 1000 << false;
    }

    void letturaEScrittura()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(Valori, attesi);
        QFETCH(int, scansioneMs);
        QFETCH(bool, comeScritto);
        StatoProgramma s;
        s.NumeroVoce = 7;  // unlike the defaults, so a fallback shows
        s.PercorsoIni = ModuloPerIni::PercorsoIniPredefinito();
        QVERIFY(QDir().mkpath(ModuloPerIni::CartellaImpostazioni()));
        if (contenuto == "fifo")
            QCOMPARE(::mkfifo(qPrintable(s.PercorsoIni), 0600), 0);
        else if (contenuto == "cartella")
            QVERIFY(QDir().mkdir(s.PercorsoIni));
        else if (contenuto != "nessun file")
            QVERIFY(scrivi(s.PercorsoIni, contenuto));
        ModuloPerIni::LeggiImpostazioni(s);
        QCOMPARE((Valori{double(s.SuoniAttivati), double(s.DisabilitaMousePersonalizzato), s.ColoreScansione, double(s.NumeroVoce),
                         double(s.VelocitaVoce), double(s.VelocitaScansione), double(s.ModalitaInput)}),
                 attesi);
        QCOMPARE(intervalloScansioneMs(s), scansioneMs);
        if (comeScritto) {
            QVERIFY(ModuloPerIni::SalvaImpostazioni(s));
            QCOMPARE(leggi(s.PercorsoIni), contenuto);
        }
    }

    void salvataggioImpedito_data()
    {
        QTest::addColumn<QString>("prima");   // what stands at calcolotti.ini
        QTest::addColumn<QString>("motivo");  // empty: saved
        QTest::newRow("a link to an ordinary file is saved through") << "collegamento a vero" << "";
        QTest::newRow("a link to a named pipe") << "collegamento a fifo" << "non porta a un file normale";
        QTest::newRow("a dangling link") << "collegamento a niente" << "non porta a un file normale";
        QTest::newRow("a named pipe") << "fifo" << "non è un file normale";
        QTest::newRow("a folder") << "cartella" << "c'è una cartella";
    }

    void salvataggioImpedito()
    {
        QFETCH(QString, prima);
        QFETCH(QString, motivo);
        StatoProgramma stato;
        stato.PercorsoIni = file("calcolotti.ini");
        const QString bersaglio = prima.startsWith(QLatin1String("collegamento")) ? file("bersaglio") : stato.PercorsoIni;
        if (prima.endsWith(QLatin1String("vero")))
            QVERIFY(scrivi(bersaglio, ""));
        if (prima.endsWith(QLatin1String("fifo")))
            QCOMPARE(::mkfifo(qPrintable(bersaglio), 0600), 0);
        if (prima == QLatin1String("cartella"))
            QVERIFY(QDir().mkdir(bersaglio));
        if (bersaglio != stato.PercorsoIni)
            QVERIFY(QFile::link(bersaglio, stato.PercorsoIni));
        const QString vista = impronta(stato.PercorsoIni);
        const QString perche = ModuloPerIni::SalvaImpostazioniOMotivo(stato);
        QVERIFY2(perche.contains(motivo) && perche.isEmpty() == motivo.isEmpty(), qPrintable(perche));
        // Refused, nothing is touched; saved through a link, the link stays and leads to the new settings.
        QCOMPARE(impronta(stato.PercorsoIni), vista + (motivo.isEmpty() ? QString::fromLatin1(ModuloPerIni::ScriviInTesto(stato)) : ""));
    }

    void leggimi()
    {
        StatoProgramma stato;
        stato.PercorsoIni = ModuloPerIni::PercorsoIniPredefinito();
        const QString percorso = ModuloPerIni::PercorsoLeggimi();
        QVERIFY(ModuloPerIni::SalvaImpostazioni(stato));  // the folder and its parents are made
        const QByteArray intero = leggi(percorso);
        QVERIFY(intero.startsWith("Questa cartella contiene i files di impostazione di Calcolotti") && intero.count("\r\n") == 5);
        QVERIFY(!intero.contains("example") && !intero.contains('@') && !intero.contains("http"));
        // Left empty or cut short by an earlier save: written whole again. Changed or deleted: left alone.
        for (const auto &[prima, dopo] : QList<QPair<QByteArray, QByteArray>>{
                 {"", intero}, {intero.left(40), intero}, {"mie note", "mie note"}, {"(assente)", "(assente)"}}) {
            QVERIFY(prima == "(assente)" ? QFile::remove(percorso) : scrivi(percorso, prima));
            QVERIFY(ModuloPerIni::SalvaImpostazioni(stato));
            QCOMPARE(leggi(percorso), dopo);
        }
    }

    void salvataggioInterrotto()
    {
        StatoProgramma vecchio;
        vecchio.PercorsoIni = ModuloPerIni::PercorsoIniPredefinito();
        QVERIFY(ModuloPerIni::SalvaImpostazioni(vecchio));
        // Killed in the middle of the write, or a short write seen: the old file stays whole.
        for (const char *modo : {"crash", "errore"}) {
            QProcess *figlio = avvia({"salva", modo, vecchio.PercorsoIni});
            QVERIFY(figlio->waitForFinished(10000));
            QCOMPARE(figlio->exitStatus() == QProcess::NormalExit && figlio->exitCode() == 1, modo == QByteArray("errore"));
            QCOMPARE(leggi(vecchio.PercorsoIni), ModuloPerIni::ScriviInTesto(vecchio));
        }
    }

    void blocco_data()
    {
        QTest::addColumn<QString>("prima");  // what holds the lock's place before the start; file:content
        QTest::addColumn<int>("esito");      // 0 taken, 1 a second copy, 2 starts without a lock
        QTest::newRow("nothing") << "" << 0;
        QTest::newRow("a live copy") << "viva" << 1;
        QTest::newRow("a copy killed without tidying up") << "uccisa" << 0;
        QTest::newRow("an empty lock file") << "file:" << 0;
        QTest::newRow("a lock written on another host") << "file:4242\ncalcolotti\naltrove\naltrove-id\n" << 0;
        QTest::newRow("a live process of another program") << "altro" << 0;
        QTest::newRow("another user's lock file") << "altrui" << 0;
        QTest::newRow("a lock that cannot be read") << "cartella" << 2;
        QTest::newRow("a named pipe, which must not hang the start") << "fifo" << 2;
        QTest::newRow("no data folder can be made") << "manca" << 2;
    }

    void blocco()
    {
        QFETCH(QString, prima);
        QFETCH(int, esito);
        const QByteArray dati = qgetenv("XDG_DATA_HOME");
        if (prima == QLatin1String("manca")) {
            QVERIFY(scrivi(file("manca"), ""));
            qputenv("XDG_DATA_HOME", file("manca").toLocal8Bit());
        }
        const QString percorso = prima == QLatin1String("manca") ? Percorsi::fileBlocco() : file("calcolotti.lock");
        if (prima == QLatin1String("viva") || prima == QLatin1String("uccisa")) {
            QProcess *copia = avvia({QStringLiteral("blocca"), percorso});
            QVERIFY(copia->waitForReadyRead(10000) && copia->readAll() == "preso\n");
            if (prima == QLatin1String("uccisa")) {
                ::kill(pid_t(copia->processId()), SIGKILL);
                QVERIFY(copia->waitForFinished(10000) && QFileInfo::exists(percorso));
            }
        }
        QVERIFY(prima != QLatin1String("cartella") || QDir().mkdir(percorso));
        QVERIFY(prima != QLatin1String("fifo") || ::mkfifo(QFile::encodeName(percorso).constData(), 0600) == 0);
        QVERIFY(!prima.startsWith(QLatin1String("file:")) || scrivi(percorso, prima.mid(5).toUtf8()));
        if (prima == QLatin1String("altrui")) {  // naming a live copy, but another account's file
            QProcess *copia = avvia({QStringLiteral("blocca"), file("altrove.lock")});
            QVERIFY(copia->waitForReadyRead(10000) && scrivi(percorso, QByteArray::number(copia->processId())
                                                                            + "\nhelper_programma\n"
                                                                            + QSysInfo::machineHostName().toUtf8() + "\n"));
            if (::chown(QFile::encodeName(percorso).constData(), 65534, 65534) != 0)
                QSKIP("giving a file to another account needs root");
        }
        if (prima == QLatin1String("altro")) {  // a live process that is no copy, named in the lock as itself
            auto *altro = new QProcess(this);
            altro->start(QStringLiteral("sleep"), {QStringLiteral("30")});
            QVERIFY(altro->waitForStarted() && scrivi(percorso, QByteArray::number(altro->processId()) + "\nsleep\n"
                                                          + QSysInfo::machineHostName().toUtf8() + "\n"));
        }
        // Checked by a second process, as a second start would be.
        QProcess *prova = avvia({QStringLiteral("prova"), percorso});
        QVERIFY(prova->waitForFinished(10000));
        if (dati.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", dati);
        QCOMPARE(prova->readAllStandardOutput(), QByteArray(esito == 0 ? "preso\n" : esito == 1 ? "altra copia\n" : "senza\n"));
    }

    void programmaIntero_data()
    {
        // The lock lives in the data folder: the copy in m_dir holds the program's own.
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("uscita");  // the helper's, %1 for the folder it runs in
        QTest::newRow("a second copy is refused")
            << "copia" << "errore Calcolotti: E' già stata avviata una copia di questo programma!\nesito 0\n";
        QTest::newRow("Esci saves and ends the program") << "" << "impostazioni assenti\nesito 0\n";
        QTest::newRow("a failed save is told, then the program ends")
            << "file" << "impostazioni presenti\nerrore Calcolotti: Non è stato possibile salvare le impostazioni: al posto "
                         "della cartella %1/config/ImpostazioniProgrammiLumba c'è un file. Nemmeno le opzioni di "
                         "scansione sono state salvate.\nesito 0\n";
    }

    void programmaIntero()
    {
        QFETCH(QString, prima);
        QFETCH(QString, uscita);
        const QString impostazioni = m_dir->filePath(QStringLiteral("config/ImpostazioniProgrammiLumba"));
        if (prima == QLatin1String("copia"))
            QVERIFY(avvia({"blocca", file("data/calcolotti/calcolotti.lock")})->waitForReadyRead(10000));
        if (prima == QLatin1String("file"))
            QVERIFY(scrivi(impostazioni, ""));
        QProcess *programma = avvia({QStringLiteral("avvia"), QStringLiteral("esci")});
        QVERIFY(programma->waitForFinished(30000));
        QVERIFY(programma->exitStatus() == QProcess::NormalExit && programma->exitCode() == 0);
        QCOMPARE(QString::fromUtf8(programma->readAllStandardOutput()), uscita.replace(QStringLiteral("%1"), m_dir->path()));
        QCOMPARE(leggi(impostazioni + QStringLiteral("/calcolotti.ini")).count('\n'), prima.isEmpty() ? 7 : 0);
        // A fresh home gets the folder's readme and the scanning options beside the settings.
        QCOMPARE(leggi(impostazioni + QStringLiteral("/leggimi.txt")).startsWith("Questa cartella"), prima.isEmpty());
        QCOMPARE(leggi(impostazioni + QStringLiteral("/calcolotti-scansione.ini")).startsWith("[scansione]\nvoce=false"),
                 prima.isEmpty());
    }

    void unProgrammaFinitoNonPerdeRisposte_data()
    {
        QTest::addColumn<int>("segnale");
        QTest::addColumn<int>("dopo");  // answers given before it
        QTest::newRow("killed after two answers") << int(SIGKILL) << 2;
        QTest::newRow("killed after six answers") << int(SIGKILL) << 6;
        QTest::newRow("ended by the session after four answers") << int(SIGTERM) << 4;
        QTest::newRow("Ctrl+C after three answers") << int(SIGINT) << 3;
    }

    void unProgrammaFinitoNonPerdeRisposte()
    {
        QFETCH(int, segnale);
        QFETCH(int, dopo);
        // Mouse, sounds off, a quick voice: an answer is taken every few tenths of a second.
        QVERIFY(QDir().mkpath(file("config/ImpostazioniProgrammiLumba"))
                && scrivi(file("config/ImpostazioniProgrammiLumba/calcolotti.ini"), "F\r\nF\r\n 255 \r\n 1 \r\n 250 \r\n 4 \r\n 0 \r\n"));
        QProcess *programma = avvia({QStringLiteral("avvia"), QStringLiteral("gioca")});
        int date = 0;
        while (date < dopo && programma->waitForReadyRead(30000))
            date += int(programma->readAll().count("risposta"));
        // Every answer given a tenth of a second before the end is in the record.
        QTest::qWait(100);
        date += int(programma->readAll().count("risposta"));
        ::kill(pid_t(programma->processId()), segnale);
        QVERIFY(programma->waitForFinished(10000));
        QVERIFY(date >= dopo);
        if (segnale != SIGKILL)
            QVERIFY(programma->exitStatus() == QProcess::NormalExit && programma->exitCode() == 0);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("verifica"));
        db.setDatabaseName(file("data/calcolotti/diario.sqlite"));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("SELECT (SELECT count(*) FROM risposte), count(*), sum(finito), sum(sbagliate),"
                                          " count(fine), (SELECT sum(non_finiti) FROM giorni) FROM esercizi"))
                && query.next());
        const int registrate = query.value(0).toInt();
        QVERIFY2(registrate >= date && registrate <= date + 1, qPrintable(QStringLiteral("%1 of %2").arg(registrate).arg(date)));
        // One exercise, not finished, its answers counted; closed with its end only when the program could.
        QCOMPARE(query.value(1).toInt(), 1);
        QCOMPARE(query.value(2).toInt(), 0);
        QCOMPARE(query.value(3).toInt(), registrate);
        QCOMPARE(query.value(4).toInt(), segnale == SIGKILL ? 0 : 1);
        QCOMPARE(query.value(5).toInt(), 1);
        query = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("verifica"));
    }

    void dueAvviiEstraggonoDiverso()
    {
        QByteArray estratti[2];
        for (QByteArray &uscita : estratti) {
            QProcess *programma = avvia({QStringLiteral("avvia"), QStringLiteral("estrai")});
            QVERIFY(programma->waitForFinished(30000));
            uscita = programma->readAllStandardOutput();
            QVERIFY2(uscita.endsWith(" esito 0\n"), uscita.constData());
        }
        QVERIFY(estratti[0] != estratti[1]);
    }
};

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
