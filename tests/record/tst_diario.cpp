#include "BancoSchermate.h"
#include "LeggiScrivi.h"
#include "RigheSql.h"
#include "record/ConsiglioVelocita.h"
#include "record/DiarioSqlite.h"
#include "record/FormProgressi.h"
#include "record/GraficiProgressi.h"

#include <QCategoryAxis>
#include <QComboBox>
#include <QChartView>
#include <QLegendMarker>
#include <QProcess>
#include <QTableWidget>
#include <QUrl>
#include <QtSql>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

// The record on a temporary file: what a played exercise leaves, the faults
// that must never stop the child, the export, the speed rule and the charts.
namespace {

QStringList avvisi;  // the record's warnings
QtMessageHandler precedente = nullptr;

const QString Livello = QStringLiteral("Sottrazione - 1°");

void registraEsercizio(Diario &d, qint64 quando, const QVector<bool> &risposte, bool finito = true,
                       const QString &livello = Livello)
{
    const quint64 e = d.apriEsercizio({quando, livello, 3, QStringLiteral("sottrazione")});
    for (int i = 0; i < risposte.size(); ++i) {
        RispostaRegistrata r;
        r.istanteMs = quando + 1000 * (i + 1);
        r.livello = livello;
        r.giusta = risposte[i];
        r.tempoRispostaMs = i == 0 ? -1 : 600 + 300 * (i % 2);
        r.ignorate = i;
        d.rispondi(e, r);
    }
    d.chiudiEsercizio(e, quando + 10000, finito);
}

// Four exercises of one child: days before today, level, mode, finished, seconds
// taken, and answers as step, right, response time (ms, -1: none).
struct Prova {
    int giorniFa;
    const char *livello;
    int modalita;
    bool finito;
    int secondi;
    QVector<std::tuple<int, bool, int>> risposte;
};
const QVector<Prova> Prove{
    {2, "Sottrazione - 1°", Modalita::ScansioneAutomatica, true, 60, {{1, false, 1500}, {1, true, 2500}, {2, true, 1000}, {4, true, 3000}}},
    {1, "Addizione - 1°", Modalita::Mouse, false, 9, {{1, true, 800}, {5, false, -1}, {5, true, 1200}}},
    {400, "Sottrazione - 1°", Modalita::Mouse, true, 30, {{1, true, 2000}}},
    {100, "Sottrazione - 1°", Modalita::Frecce, true, 20, {{1, true, 4000}}},
};

qint64 alle10(int giorniFa)
{
    return QDateTime(QDate::currentDate().addDays(-giorniFa), QTime(10, 0)).toMSecsSinceEpoch();
}

// A level's row: finished, not finished, right, wrong, steps, right at the first
// try, median response time, median time per exercise.
QString livelloIn(const Riepilogo &r, const QString &nome)
{
    for (const LivelloRiepilogo &l : r.livelli)
        if (l.livello == nome)
            return QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8").arg(l.finiti).arg(l.nonFiniti).arg(l.giuste).arg(l.sbagliate)
                .arg(l.domande).arg(l.giusteAlPrimoTentativo).arg(l.medianaMs).arg(l.medianaEsercizioMs);
    return {};
}

enum Caso { Vuoto, Danneggiato, Bloccato, SolaLettura, Recente, Estraneo, Tubo, Dispositivo, Fuori };

}

class TestDiario : public QObject
{
    Q_OBJECT
    QTemporaryDir m_cartella;

private slots:
    void initTestCase()
    {
        precedente = qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo) {
            if (tipo != QtWarningMsg || QByteArray(contesto.category) != "calcolotti.esercizio")
                return precedente(tipo, contesto, testo);
            avvisi << testo;
        });
    }

    void esercizioGiocatoColMouse()
    {
        const QString file = m_cartella.filePath(QStringLiteral("mouse.sqlite"));
        QStringList attese;
        DiarioSqlite diario(file);
        Banco b;
        b.finti.servizi.diario = &diario;
        b.finti.casuale.imposta({estrai(5, 9), estrai(1, 3), estrai(3, 8), estrai(4, 23)});
        auto *s = b.navigatore.creaEsercizio(4);
        QVERIFY(mostraEAttiva(s));
        // A wrong answer first, then every step right, each after its own wait.
        QVector<int> scelte{(s->modello().rispostaGiusta() + 1) % 11};
        for (int attesa = 700; !s->modello().completo(); attesa += 100) {
            const int scelta = scelte.isEmpty() ? s->modello().rispostaGiusta() : scelte.takeFirst();
            // The wrong answer is clicked twice: the second click counts with the next answer.
            const int doppio = attesa == 800 ? 1 : 0;
            attese << QStringLiteral("%1|%2|%3|%4|5|").arg(s->modello().PassoCorrente()).arg(scelta)
                              .arg(s->modello().giusta(scelta)).arg(attesa)
                    + Livello + QStringLiteral("|0|1000|%1|1|1|1").arg(doppio);
            b.passa(attesa - 100 * doppio);
            s->Command1_Click(scelta);
            if (attesa == 700) {
                b.passa(100);
                s->Command1_Click(scelta);
            }
        }
        // The next exercise begins and is left half-way.
        s->Command3_Click();
        s->TornaAlMenu();
        chiudiFinestre();
        // Only what the writer has committed shows to another connection.
        diario.attendi();
        QCOMPARE(righe(file, QStringLiteral("SELECT passo, scelta, giusta, tempo_risposta_ms, scena, livello, modalita,"
                                            " intervallo_ms, ignorate, giri IS NULL, reazione_ms IS NULL, esercizio"
                                            " FROM risposte ORDER BY id")), attese);
        QCOMPARE(righe(file, QStringLiteral("SELECT livello, famiglia, scena > 0, giuste, sbagliate, finito, fine >= inizio"
                                            " FROM esercizi ORDER BY id")),
                 (QStringList{Livello + QStringLiteral("|sottrazione|1|8|1|1|1"), Livello + QStringLiteral("|sottrazione|1|0|0|0|1")}));
    }

    void unSensoreSceglieAlSecondoGiro()
    {
        const QString file = m_cartella.filePath(QStringLiteral("sensore.sqlite"));
        DiarioSqlite diario(file);
        Banco b;
        b.finti.servizi.diario = &diario;
        b.finti.stato.ModalitaInput = Modalita::ScansioneAutomatica;
        b.finti.stato.Scansione.pressioneMinimaMs = 50;
        b.finti.stato.Scansione.pausaDopoSceltaMs = 0;  // the steps fall on whole seconds
        b.finti.casuale.imposta({estrai(5, 9), estrai(1, 3), estrai(3, 8), estrai(4, 23)});
        auto *s = b.navigatore.creaEsercizio(4);
        QVERIFY(mostraEAttiva(s));
        b.premi(Qt::Key_Space, 20);  // too short: ignored, the scan keeps its pace
        for (int giri : {1, 0}) {
            auto *giusta = s->findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(s->modello().rispostaGiusta()));
            for (int i = 0; i < 40 && s->controllo().evidenziata() != giusta; ++i)
                b.passa(1000);
            for (int i = 0; i < giri * s->controllo().modello().quanteVoci(); ++i)
                b.passa(1000);
            b.passa(300 + 100 * giri);
            b.premi(Qt::Key_Space);
        }
        chiudiFinestre();
        diario.attendi();
        QCOMPARE(righe(file, QStringLiteral("SELECT giusta, modalita, giri, reazione_ms, ignorate FROM risposte ORDER BY id")),
                 (QStringList{QStringLiteral("1|2|1|420|1"), QStringLiteral("1|2|0|300|0")}));
    }

    void guastiNonFermanoIlBambino_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<QString>("avviso");  // part of the one warning; empty for none
        QTest::newRow("an empty file is migrated") << int(Vuoto) << QString();
        QTest::newRow("a damaged file goes aside") << int(Danneggiato) << QStringLiteral("messo da parte");
        QTest::newRow("locked by another program for a while") << int(Bloccato) << QStringLiteral("bloccato");
        QTest::newRow("read-only folder") << int(SolaLettura) << QStringLiteral("sola lettura");
        QTest::newRow("a newer schema") << int(Recente) << QStringLiteral("più recente");
        QTest::newRow("another program's database goes aside, unchanged") << int(Estraneo) << QStringLiteral("un altro programma");
        QTest::newRow("a named pipe, which must not hang") << int(Tubo) << QStringLiteral("non è un file normale");
        QTest::newRow("a link to a device") << int(Dispositivo) << QStringLiteral("collegamento");
        QTest::newRow("a link out of its folder") << int(Fuori) << QStringLiteral("collegamento");
    }

    void guastiNonFermanoIlBambino()
    {
        QFETCH(int, caso);
        QFETCH(QString, avviso);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("diario.sqlite"));
        const QByteArray rovinato = QByteArray("non sono un database, ").repeated(200);
        if (caso == Vuoto || caso == Danneggiato)
            QVERIFY(scrivi(file, caso == Danneggiato ? rovinato : QByteArray()));
        if (caso == Bloccato || caso == Recente)
            DiarioSqlite{file};
        if (caso == Recente)
            righe(file, QStringLiteral("UPDATE versione SET numero = 99"));
        const QString fuori = m_cartella.filePath(QStringLiteral("fuori.sqlite"));
        if (QFile altro(caso == Estraneo ? file : fuori); caso == Estraneo || caso == Fuori) {
            QVERIFY(altro.open(QIODevice::WriteOnly));
            altro.close();
            righe(altro.fileName(), QStringLiteral("CREATE TABLE altro (x)"));
        }
        const QByteArray estraneo = caso == Estraneo || caso == Fuori ? leggi(caso == Estraneo ? file : fuori) : QByteArray();
        QVERIFY(caso != Tubo || ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        QVERIFY(caso != Dispositivo || QFile::link(QStringLiteral("/dev/null"), file));
        QVERIFY(caso != Fuori || QFile::link(fuori, file));
        QSqlDatabase blocco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("blocco"));
        blocco.setDatabaseName(file);
        if (caso == Bloccato)
            QVERIFY(blocco.open() && QSqlQuery(blocco).exec(QStringLiteral("BEGIN IMMEDIATE")));
        if (caso == SolaLettura)
            QVERIFY(chmod(QFile::encodeName(dir.path()).constData(), 0555) == 0);
        avvisi.clear();
        {
            // Root writes anywhere: the writer's thread takes a plain user's file rights.
            setfsuid(caso == SolaLettura ? 65534 : geteuid());
            DiarioSqlite diario(file, 100);
            setfsuid(geteuid());
            registraEsercizio(diario, QDateTime::currentMSecsSinceEpoch(), {true, false});
            registraEsercizio(diario, QDateTime::currentMSecsSinceEpoch(), {true});
            diario.attendi();
            QVERIFY2(diario.avviso().contains(avviso) && diario.avviso().isEmpty() == avviso.isEmpty(),
                     qPrintable(diario.avviso()));
            // The answers wait while the file is locked, and go once it is free.
            if (caso == Bloccato) {
                QSqlQuery(blocco).exec(QStringLiteral("ROLLBACK"));
                QTRY_VERIFY_WITH_TIMEOUT((diario.attendi(), diario.avviso().isEmpty()), 5000);
            }
        }
        chmod(QFile::encodeName(dir.path()).constData(), 0755);
        blocco.close();
        blocco = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("blocco"));
        QCOMPARE(avvisi.size(), caso == Bloccato ? 2 : avviso.isEmpty() ? 0 : 1);  // locked, then free again
        // Nothing was opened or written beside a device or a file outside.
        QVERIFY(!QFileInfo::exists(QStringLiteral("/dev/null-journal")) && !QFileInfo::exists(QStringLiteral("/dev/null-wal")));
        if (caso == Fuori)
            QCOMPARE(leggi(fuori), estraneo);
        if (caso == Tubo || caso == Dispositivo || caso == Fuori)
            return;
        const int registrate = caso == Vuoto || caso == Danneggiato || caso == Bloccato || caso == Estraneo ? 2 : 0;
        QCOMPARE(righe(file, QStringLiteral("SELECT count(*) FROM risposte WHERE esercizio = 1")).value(0).toInt(), registrate);
        const QStringList daParte = QDir(dir.path()).entryList({QStringLiteral("diario-danneggiato-*.sqlite")});
        QCOMPARE(daParte.size(), caso == Danneggiato || caso == Estraneo ? 1 : 0);
        if (caso == Danneggiato || caso == Estraneo)
            QCOMPARE(leggi(dir.filePath(daParte.value(0))), caso == Danneggiato ? rovinato : estraneo);
        if (caso == Recente)
            QCOMPARE(righe(file, QStringLiteral("SELECT numero FROM versione")), QStringList{QStringLiteral("99")});
    }

    void esportaRileggiCancella()
    {
        const QString file = m_cartella.filePath(QStringLiteral("esporta.sqlite")), csv = file + QStringLiteral(".csv");
        // The rows show the local clock: here five and a half hours ahead of UTC.
        const auto fuso = qScopeGuard([tz = qgetenv("TZ")] { tz.isNull() ? qunsetenv("TZ") : qputenv("TZ", tz); });
        qputenv("TZ", "XST-5:30");
        const qint64 quando = QDateTime(QDate(2024, 3, 5), QTime(4, 0, 15, 250), Qt::UTC).toMSecsSinceEpoch(), giorno = 90061000;
        DiarioSqlite diario(file);
        // Every field differs from the other rows' and from its neighbours: each mode, a sign and "=", times or none.
        const quint64 primo = diario.apriEsercizio({quando, Livello, 7, QStringLiteral("sottrazione")});
        diario.rispondi(primo, {quando + 1000, Livello, 7, 5, 1, false, 2, 1250, 2300, 3, 1, 640});
        diario.chiudiEsercizio(primo, quando + 5000, true);
        // A text a spreadsheet would take for a formula, with the separator, quotes and a carriage return.
        const QString virgolette = QStringLiteral("=Livello; \"tra virgolette\"\r");
        const quint64 secondo = diario.apriEsercizio({quando + giorno, virgolette, 12, QStringLiteral("addizione")});
        diario.rispondi(secondo, {quando + giorno, virgolette, 12, 52, 9, true, 0, 1000, -1, 0, -1, -1});
        diario.rispondi(secondo, {quando + 2 * giorno, virgolette, 11, 5, 0, true, 1, 2000, 15000, 2, 0, 0});
        diario.rispondi(secondo, {quando + 3 * giorno, virgolette, 10, 7, 2, false, 3, 3000, 800, 1, 2, 1500});
        diario.chiudiEsercizio(secondo, quando + 5 * giorno, false);
        QString errore;
        QVERIFY2(diario.esporta(csv, errore), qPrintable(errore));
        const QString tra = QStringLiteral("\"'=Livello; \"\"tra virgolette\"\"\r\"");
        QVERIFY(leggi(csv).startsWith("\xEF\xBB\xBF" "Data;"));  // UTF-8 to a spreadsheet, which reads Latin-1 otherwise
        QCOMPARE(QString::fromUtf8(leggi(csv)).split(QLatin1Char('\n')),
                 (QStringList{"Data;Ora;Livello;Storia;Passo;Scelta;Risposta;Modo di comando;Velocità della scansione (s);"
                              "Tempo di risposta (s);Pressioni ignorate;Giri della scansione;Reazione (s);Esercizio",
                              "05/03/2024;09:30:16;" + Livello + ";7;operazione: segno;\"-\";sbagliata;scansione automatica (un sensore);1,25;2,3;3;1;0,64;1",
                              "06/03/2024;10:31:16;" + tra + ";12;domanda 2 (ordine inverso);9;giusta;mouse;;;0;;;2",
                              "07/03/2024;11:32:17;" + tra + ";11;operazione: segno;\"+\";giusta;scansione manuale (due sensori);;15;2;0;0;2",
                              "08/03/2024;12:33:18;" + tra + ";10;operazione: uguale;\"=\";sbagliata;tastiera (frecce e Invio);;0,8;1;2;1,5;2",
                              ""}));
        // The file as LibreOffice opens it with Italian numbers and dates, saved again with '|' between cells and
        // quotes round every text: numbers, dates and times bare, in its English formats.
        QProcess lo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("HOME"), m_cartella.path());  // with its profile below: nothing goes elsewhere
        ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        lo.setProcessEnvironment(ambiente);
        lo.start(QStringLiteral("soffice"), {"-env:UserInstallation=" + QUrl::fromLocalFile(m_cartella.filePath("lo")).toString(),
                                             "--headless", "--infilter=CSV:59,34,76,1,,1040", "--convert-to",
                                             "txt:Text - txt - csv (StarCalc):124,34,76,1,,0,true,true,true", "--outdir", m_cartella.path(), csv});
        const bool conLibreOffice = lo.waitForStarted() && lo.waitForFinished(120000);

        QVERIFY(diario.cancella(errore));
        QVERIFY(diario.riepilogo(0, 1000).giorni.isEmpty());
        QVERIFY(diario.esporta(csv, errore));
        QCOMPARE(leggi(csv).count('\n'), 1);
        if (!conLibreOffice)
            QSKIP("LibreOffice (soffice) is not installed: the export was not opened in a spreadsheet");
        const QByteArray foglio = leggi(m_cartella.filePath(QStringLiteral("esporta.sqlite.txt")));
        // No byte-order mark in the first cell; the signs are texts, the times numbers.
        QVERIFY2(foglio.startsWith("\"Data\"|\"Ora\"|\"Livello\"|") && foglio.contains("|11|\"operazione: segno\"|\"+\"|")
                     && foglio.contains("|10|\"operazione: uguale\"|\"=\"|"), foglio.constData());
        QCOMPARE(foglio.split('\n').value(1), "03/05/2024|09:30:16|\"" + Livello.toUtf8() + "\"|7|\"operazione: segno\"|\"-\"|\"sbagliata\"|"
                 "\"scansione automatica (un sensore)\"|1.25|2.3|3|1|0.64|1");
    }

    void unDiscoPienoNonCancellaLEsportazione()
    {
        QTemporaryDir piccola;
        const QByteArray dove = QFile::encodeName(piccola.path());
        if (::system(("mount -t tmpfs -o size=64k calcolotti " + dove + " 2>/dev/null").constData()) != 0)
            QSKIP("a small file system for a full disk needs mount (root): not tried");
        const QString file = m_cartella.filePath(QStringLiteral("pieno.sqlite")), csv = piccola.filePath(QStringLiteral("diario.csv"));
        {
            DiarioSqlite diario(file);
            for (int i = 0; i < 40; ++i)
                registraEsercizio(diario, 1000000 * i, {true, false, true, false, true, false, true, false});
            diario.attendi();
            QFile prima(csv), riempi(piccola.filePath(QStringLiteral("riempi")));
            QVERIFY(prima.open(QIODevice::WriteOnly) && prima.write("l'esportazione di prima\n") > 0);
            prima.close();
            QVERIFY(riempi.open(QIODevice::WriteOnly));
            while (riempi.write(QByteArray(1024, 'x')) == 1024) {
            }
            QString errore;
            QVERIFY(!diario.esporta(csv, errore));
            QVERIFY2(errore.contains(QStringLiteral("disco è pieno")), qPrintable(errore));
        }
        QCOMPARE(leggi(csv), QByteArray("l'esportazione di prima\n"));
        QCOMPARE(::system(("umount " + dove).constData()), 0);
    }

    void consiglio_data()
    {
        QTest::addColumn<int>("recenti");
        QTest::addColumn<int>("dopo");      // of the recent ones, chosen after a whole loop
        QTest::addColumn<int>("reazione");  // ms, every recent answer
        QTest::addColumn<int>("vecchie");   // older answers after a loop, beyond the 50 read
        QTest::addColumn<int>("intervallo");
        QTest::addColumn<QString>("frase");
        QTest::newRow("too few") << 9 << 9 << 500 << 0 << 1000 << QStringLiteral("Servono almeno 10 risposte");
        QTest::newRow("mostly second loop") << 10 << 8 << 500 << 0 << 1000
            << QStringLiteral("quasi sempre al secondo giro o dopo (8 risposte su 10): prova 1,50 secondi invece di 1,00.");
        QTest::newRow("half on a later loop") << 10 << 5 << 100 << 0 << 2000 << QStringLiteral("prova 2,50 secondi invece di 2,00");
        QTest::newRow("a fifth later") << 10 << 2 << 100 << 0 << 2000 << QStringLiteral("prova 2,25 secondi invece di 2,00");
        QTest::newRow("first loop, late press") << 20 << 3 << 750 << 0 << 1000 << QStringLiteral("prova 1,25 secondi invece di 1,00");
        QTest::newRow("first loop, early press") << 20 << 1 << 800 << 0 << 2000 << QStringLiteral("prova 1,75 secondi invece di 2,00");
        QTest::newRow("fits") << 20 << 2 << 800 << 0 << 2000 << QStringLiteral("va bene");
        QTest::newRow("fits, a middling press") << 20 << 0 << 1000 << 0 << 2000 << QStringLiteral("va bene");
        QTest::newRow("fastest already") << 10 << 0 << 100 << 0 << 1000 << QStringLiteral("resta a 1,00 secondi");
        QTest::newRow("slowest already") << 10 << 10 << 100 << 0 << 15000 << QStringLiteral("resta a 15,00 secondi");
        QTest::newRow("only the newest 50") << 50 << 0 << 300 << 10 << 2000 << QStringLiteral("prova 1,75 secondi");
    }

    void consiglio()
    {
        QFETCH(int, recenti);
        QFETCH(int, dopo);
        QFETCH(int, reazione);
        QFETCH(int, vecchie);
        QFETCH(int, intervallo);
        QFETCH(QString, frase);
        QVector<CampioneScansione> campioni;
        for (int i = 0; i < recenti + vecchie; ++i)
            campioni.append({i < dopo || i >= recenti ? 1 : 0, i < recenti ? reazione + (i % 3 - 1) * 50 : 0});  // around the median
        const Consiglio c = ConsiglioVelocita::consiglia(campioni, intervallo);
        QVERIFY2(c.frase.contains(frase), qPrintable(c.frase));
        const int proposto = int(c.frase.section(QStringLiteral("prova "), 1).section(QLatin1Char(' '), 0, 0).replace(QLatin1Char(','), QLatin1Char('.')).toDouble() * 1000);
        QCOMPARE(c.intervalloMs, c.frase.contains(QStringLiteral("prova ")) ? proposto : intervallo);
    }

    void riepilogoPerPeriodoEFiltro_data()
    {
        QTest::addColumn<int>("periodo");
        QTest::addColumn<int>("modalita");  // as the screen lists them: all, mouse, keys, two switches, one switch
        QTest::addColumn<int>("passi");
        QTest::addColumn<int>("grana");
        QTest::addColumn<QString>("colonne");  // days before today: right/wrong/finished, or the days only
        QTest::addColumn<QString>("sottrazione");
        QTest::addColumn<QString>("addizione");
        QTest::addColumn<QString>("recenti");
        const int G = Riepilogo::Giorno;
        QTest::newRow("30 days") << int(FormProgressi::Mese) << 0 << 0 << G << "2:3/1/1 1:2/1/0"
                                 << "1,0,3,1,3,2,2000,60000" << "0,1,2,1,2,1,1000,-1" << "1:2 2:3";
        QTest::newRow("one switch") << int(FormProgressi::Mese) << 4 << 0 << G
                                    << "2:3/1/1" << "1,0,3,1,3,2,2000,60000" << "0,0,0,0,0,0,-1,-1" << "2:3";
        QTest::newRow("the operation") << int(FormProgressi::Mese) << 0 << int(FiltroDiario::Operazione) << G
                                       << "2:1/0/1 1:1/1/0" << "1,0,1,0,1,1,3000,60000" << "0,1,1,1,1,0,1200,-1" << "1:2 2:3";
        QTest::newRow("counting") << int(FormProgressi::Mese) << 0 << int(FiltroDiario::Conteggio) << G
                                  << "2:2/1/1 1:1/0/0" << "1,0,2,1,2,1,1500,60000" << "0,1,1,0,1,1,800,-1" << "1:2 2:3";
        QTest::newRow("a year, by week") << int(FormProgressi::Anno) << 0 << 0 << int(Riepilogo::Settimana) << "100 2 1"
                                         << "2,0,4,1,4,3,2500,40000" << "0,1,2,1,2,1,1000,-1" << "1:2 2:3 100:1";
        QTest::newRow("all, by month") << int(FormProgressi::Tutto) << 0 << 0 << int(Riepilogo::Mese) << "400 100 2 1"
                                       << "3,0,5,1,5,4,2250,30000" << "0,1,2,1,2,1,1000,-1" << "1:2 2:3 100:1 400:1";
        QTest::newRow("all, keys") << int(FormProgressi::Tutto) << 2 << 0 << int(Riepilogo::Mese)
                                   << "100" << "1,0,1,0,1,1,4000,20000" << "0,0,0,0,0,0,-1,-1" << "100:1";
    }

    // The same for a record written now and one of the previous version
    // (answers only) brought up to date.
    void riepilogoPerPeriodoEFiltro()
    {
        QFETCH(int, periodo);
        QFETCH(int, modalita);
        QFETCH(int, passi);
        QFETCH(int, grana);
        QFETCH(QString, colonne);
        QFETCH(QString, sottrazione);
        QFETCH(QString, addizione);
        QFETCH(QString, recenti);
        const QString nuovo = m_cartella.filePath(QStringLiteral("nuovo-%1.sqlite").arg(QTest::currentDataTag()));
        const QString vecchio = m_cartella.filePath(QStringLiteral("vecchio-%1.sqlite").arg(QTest::currentDataTag()));
        {
            DiarioSqlite diario(nuovo);
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v2"));
            db.setDatabaseName(vecchio);
            QVERIFY(db.open() && DiarioSqlite::creaSchema(db, 2));
            QSqlQuery q(db);
            for (int e = 0; e < Prove.size(); ++e) {
                const Prova &p = Prove[e];
                const QString famiglia = QString::fromUtf8(p.livello).startsWith(QStringLiteral("Add")) ? "addizione" : "sottrazione";
                const quint64 chiave = diario.apriEsercizio({alle10(p.giorniFa), QString::fromUtf8(p.livello), 3, famiglia, p.modalita});
                int giuste = 0;
                for (int i = 0; i < p.risposte.size(); ++i) {
                    const auto [passo, giusta, tempo] = p.risposte[i];
                    RispostaRegistrata r{alle10(p.giorniFa) + 1000 * (i + 1), QString::fromUtf8(p.livello), 3, passo, 0, giusta, p.modalita, 1000, tempo};
                    diario.rispondi(chiave, r);
                    giuste += giusta;
                    QVERIFY(q.exec(QStringLiteral("INSERT INTO risposte (esercizio, istante, livello, scena, passo, scelta, giusta, modalita,"
                                                  " intervallo_ms, tempo_risposta_ms, ignorate) VALUES (%1, %2, '%3', 3, %4, 0, %5, %6, 1000, %7, 0)")
                                   .arg(e + 1).arg(r.istanteMs).arg(r.livello).arg(passo).arg(int(giusta)).arg(p.modalita)
                                   .arg(tempo < 0 ? QStringLiteral("NULL") : QString::number(tempo))));
                }
                diario.chiudiEsercizio(chiave, alle10(p.giorniFa) + 1000 * p.secondi, p.finito);
                QVERIFY(q.exec(QStringLiteral("INSERT INTO esercizi (id, inizio, fine, livello, scena, famiglia, giuste, sbagliate, finito)"
                                              " VALUES (%1, %2, %3, '%4', 3, '%5', %6, %7, %8)")
                               .arg(e + 1).arg(alle10(p.giorniFa)).arg(alle10(p.giorniFa) + 1000 * p.secondi)
                               .arg(QString::fromUtf8(p.livello), famiglia).arg(giuste).arg(p.risposte.size() - giuste).arg(int(p.finito))));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("v2"));
        for (const QString &file : {nuovo, vecchio}) {
            // As the adult picks them on the screen.
            DiarioSqlite diario(file);
            Banco b;
            b.finti.servizi.diario = &diario;
            FormProgressi schermata(b.finti.servizi);
            schermata.mostraPeriodo(FormProgressi::Periodo(periodo));
            schermata.findChild<QComboBox *>(QStringLiteral("modalita"))->setCurrentIndex(modalita);
            schermata.findChild<QComboBox *>(QStringLiteral("passi"))->setCurrentIndex(passi);
            const Riepilogo r = schermata.riepilogo();
            QVERIFY2(r.errore.isEmpty(), qPrintable(r.errore));
            QCOMPARE(int(r.grana), grana);
            // Each column under the first day of its day, week (a Monday) or month.
            QStringList attese, viste;
            for (const QString &c : colonne.split(QLatin1Char(' '))) {
                const QDate giorno = QDate::currentDate().addDays(-c.section(QLatin1Char(':'), 0, 0).toInt());
                const QDate primo = grana == Riepilogo::Mese ? QDate(giorno.year(), giorno.month(), 1)
                                    : grana == Riepilogo::Settimana ? giorno.addDays(1 - giorno.dayOfWeek()) : giorno;
                const QString conti = c.section(QLatin1Char(':'), 1);
                if (!attese.contains(primo.toString(Qt::ISODate)))
                    attese << primo.toString(Qt::ISODate) + (conti.isEmpty() ? QString() : QLatin1Char(':') + conti);
            }
            for (int i = 0; i < r.giorni.size(); ++i)
                viste << r.giorni[i].toString(Qt::ISODate)
                             + (grana == Riepilogo::Giorno ? QStringLiteral(":%1/%2/%3").arg(r.giuste[i]).arg(r.sbagliate[i]).arg(r.finiti[i]) : QString());
            QCOMPARE(viste, attese);
            QCOMPARE(livelloIn(r, QStringLiteral("Sottrazione - 1°")), sottrazione);
            QCOMPARE(livelloIn(r, QStringLiteral("Addizione - 1°")), addizione);
            // The newest first: days before today and the right answers.
            QStringList ultimi;
            for (const EsercizioRecente &e : r.recenti)
                ultimi << QStringLiteral("%1:%2").arg(QDateTime::fromMSecsSinceEpoch(e.inizioMs).date().daysTo(QDate::currentDate())).arg(e.giuste);
            QCOMPARE(ultimi.join(QLatin1Char(' ')), recenti);
            const EsercizioRecente &primo = r.recenti.first();
            const Prova &p = *std::find_if(Prove.begin(), Prove.end(), [&](const Prova &x) { return alle10(x.giorniFa) == primo.inizioMs; });
            QCOMPARE(QStringList({primo.livello, QString::number(primo.durataMs), QString::number(primo.finito), QString::number(primo.modalita),
                                  QString::number(primo.sbagliate), QString::number(primo.scena)}),
                     QStringList({QString::fromUtf8(p.livello), QString::number(1000 * p.secondi), QString::number(p.finito),
                                  QString::number(p.modalita), QString::number(p.risposte.size() - primo.giuste), "3"}));
        }
    }

    void etichetteLeggibili_data()
    {
        QTest::addColumn<int>("periodo");
        QTest::addColumn<QSize>("finestra");
        QTest::addColumn<int>("grana");
        QTest::newRow("30 days at 800x600") << int(FormProgressi::Mese) << QSize(800, 600) << int(Riepilogo::Giorno);
        QTest::newRow("a year at 800x600") << int(FormProgressi::Anno) << QSize(800, 600) << int(Riepilogo::Mese);
        QTest::newRow("three years at 1366x768") << int(FormProgressi::Tutto) << QSize(1366, 768) << int(Riepilogo::Mese);
        QTest::newRow("150 days at 1920x1080") << int(FormProgressi::Tutto) << QSize(1920, 1080) << int(Riepilogo::Settimana);
    }

    // Every label on the axes and in the legends is whole and has room of its own.
    void etichetteLeggibili()
    {
        QFETCH(int, periodo);
        QFETCH(QSize, finestra);
        QFETCH(int, grana);
        const bool breve = grana == Riepilogo::Settimana;
        const QString file = m_cartella.filePath(QStringLiteral("etichette-%1.sqlite").arg(breve));
        DiarioSqlite diario(file);
        if (!QFileInfo::exists(file)) {
            const QStringList livelli{"Addizione - 1°", "Sottrazione - 2°", "Addizione e sottrazione - 1°"};
            for (int giorno = breve ? 150 : 1095; giorno >= 0; --giorno)
                registraEsercizio(diario, QDateTime(QDate::currentDate().addDays(-giorno), QTime(9, 0)).toMSecsSinceEpoch(),
                                  {giorno % 3 > 0, true}, true, livelli[giorno % 3]);
        }
        Banco b;
        b.finti.servizi.diario = &diario;
        auto *p = new FormProgressi(b.finti.servizi);
        p->mostraPeriodo(FormProgressi::Periodo(periodo));
        p->resize(finestra);
        p->show();
        QVERIFY(QTest::qWaitForWindowExposed(p));
        QTest::qWait(50);
        QCOMPARE(int(p->riepilogo().grana), grana);
        for (const char *nome : {"graficoGiorni", "graficoTempi"}) {
            QChart *grafico = p->findChild<QChartView *>(QLatin1String(nome))->chart();
            auto *asse = qobject_cast<QCategoryAxis *>(grafico->axes(Qt::Horizontal).value(0));
            QVERIFY(asse);
            const QStringList etichette = asse->categoriesLabels();
            const QFontMetrics misure(asse->labelsFont());
            const double perColonna = grafico->plotArea().width() / p->riepilogo().giorni.size();
            QVERIFY2(etichette.size() >= 3, qPrintable(etichette.join(',')));
            for (int i = 0; i < etichette.size(); ++i) {
                QVERIFY2(!etichette[i].contains(QChar(0x2026)) && !etichette[i].contains(QChar(0x22ee)), qPrintable(etichette[i]));
                if (i > 0)  // the room between a label's column and the next label's
                    QVERIFY2((asse->endValue(etichette[i]) - asse->endValue(etichette[i - 1])) * perColonna
                                 > misure.horizontalAdvance(etichette[i - 1]),
                             qPrintable(etichette[i - 1]));
            }
            const auto segni = grafico->legend()->markers();
            for (QLegendMarker *segno : segni)
                QVERIFY2(misure.horizontalAdvance(segno->label()) < grafico->size().width() / 4, qPrintable(segno->label()));
        }
        QStringList legenda;
        for (QLegendMarker *segno : p->findChild<QChartView *>(QStringLiteral("graficoTempi"))->chart()->legend()->markers())
            legenda << segno->label();
        QCOMPARE(legenda, (QStringList{"Add 1°", "Sott 2°", "Misto 1°"}));
        delete p;
    }

    void graficoDisegnaLeBarre()
    {
        const QString file = m_cartella.filePath(QStringLiteral("grafico.sqlite"));
        DiarioSqlite diario(file);
        const qint64 mezzogiorno = QDateTime(QDate::currentDate(), QTime(12, 0)).toMSecsSinceEpoch();
        registraEsercizio(diario, mezzogiorno - 3 * 86400000LL, {true, true, true, false});
        registraEsercizio(diario, mezzogiorno - 86400000LL, {true, true});
        registraEsercizio(diario, mezzogiorno, {false, false}, false);
        Banco b;
        b.finti.servizi.diario = &diario;
        auto *p = new FormProgressi(b.finti.servizi);
        p->mostraPeriodo(FormProgressi::Settimana);
        p->show();
        QVERIFY(QTest::qWaitForWindowExposed(p));
        auto *vista = p->findChild<QChartView *>(QStringLiteral("graficoGiorni"));
        const QImage immagine = vista->grab().toImage();
        const QRect area = vista->chart()->plotArea().toRect();
        auto barre = [&](const QColor &colore) {
            QVector<int> altezze;  // one run of columns per bar; its height is its tallest column
            for (int x = area.left(), prima = 0; x <= area.right(); ++x) {
                int n = 0;
                for (int y = area.top(); y <= area.bottom(); ++y)
                    n += immagine.pixelColor(x, y) == colore ? 1 : 0;
                if (n > 0 && prima == 0)
                    altezze << 0;
                if (n > 0)
                    altezze.last() = std::max(altezze.last(), n);
                prima = n;
            }
            return altezze;
        };
        const QVector<int> verdi = barre(GraficiProgressi::coloreGiuste()), rosse = barre(GraficiProgressi::coloreSbagliate());
        QCOMPARE(verdi.size(), 2);
        QCOMPARE(rosse.size(), 2);
        // 3 and 2 right answers, 1 and 2 wrong ones: the same height per answer, give or take a pixel.
        QVERIFY2(qAbs(verdi[0] / 3.0 - verdi[1] / 2.0) < 2 && qAbs(rosse[0] - rosse[1] / 2.0) < 2,
                 qPrintable(QStringLiteral("%1 %2 %3 %4").arg(verdi[0]).arg(verdi[1]).arg(rosse[0]).arg(rosse[1])));
        auto *tabella = p->findChild<QTableWidget *>(QStringLiteral("tabellaLivelli"));
        QCOMPARE(tabella->rowCount(), 1);
        QStringList celle;
        for (int c = 0; c < tabella->columnCount(); ++c)
            celle << tabella->item(0, c)->text();
        // Response times 900, 600, 900, 900, 900 ms; ignored presses 0+1+2+3, 0+1, 0+1.
        QCOMPARE(celle, (QStringList{Livello, "2", "1", "8", "5", "3", "67", "0,9", "10,0", "8"}));
        // The newest exercises, newest first, as the adult reads them.
        auto *ultimi = p->findChild<QTableWidget *>(QStringLiteral("ultimiEsercizi"));
        QStringList visti;
        for (int r = 0; r < ultimi->rowCount(); ++r) {
            QStringList riga;
            for (int c = 0; c < ultimi->columnCount(); ++c)
                riga << ultimi->item(r, c)->text();
            visti << riga.join(QLatin1Char('|'));
        }
        auto giorno = [](int fa) { return QDate::currentDate().addDays(-fa).toString(QStringLiteral("dd/MM/yyyy")) + "|12:00|" + Livello; };
        QCOMPARE(visti, (QStringList{giorno(0) + "|Quante uova di Pasqua?|non finito|0|2|10,0|mouse", giorno(1) + "|Quante uova di Pasqua?|finito|2|0|10,0|mouse",
                                     giorno(3) + "|Quante uova di Pasqua?|finito|3|1|10,0|mouse"}));
    }
};

QTEST_MAIN(TestDiario)
#include "tst_diario.moc"
