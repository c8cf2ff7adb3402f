#include "LeggiScrivi.h"
#include "core/StatoProgramma.h"
#include "record/DiarioSqlite.h"
#include "record/RelazionePdf.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The printed report read back as an adult's viewer reads it: its text and
// properties through poppler's tools, its language and bookmarks from the file.
namespace {

const QStringList Sezioni{"Relazione di Anna", "Impostazioni", "Risposte ed esercizi", "Tempo di risposta",
                          "Livelli", "Ultimi esercizi", "Velocità della scansione"};

// Answer i is step i; with one switch at 1,5 s, the first eight came after a whole loop.
void esercizio(Diario &d, qint64 quando, const QString &livello, int modalita, const QVector<bool> &risposte, bool finito)
{
    const quint64 e = d.apriEsercizio({quando, livello, 3, QStringLiteral("sottrazione")});
    for (int i = 0; i < risposte.size(); ++i) {
        const bool sensore = modalita == Modalita::ScansioneAutomatica;
        d.rispondi(e, {quando + 1000 * (i + 1), livello, 3, i, 0, risposte[i], modalita, 1500, 1000 + 500 * i,
                       sensore ? 1 : 0, sensore ? int(i < 8) : -1, sensore ? 600 : -1});
    }
    d.chiudiEsercizio(e, quando + 20000, finito);
}

// What a poppler tool prints for the PDF.
QString poppler(const QString &strumento, const QStringList &argomenti)
{
    QProcess p;
    p.start(strumento, argomenti);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString data(int giorniFa)
{
    return QDate::currentDate().addDays(-giorniFa).toString(QStringLiteral("dd/MM/yyyy"));
}

}

class TestRelazione : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdftotext and pdfinfo (poppler-utils) read the report back: not installed");
    }

    void relazioneLeggibile_data()
    {
        QTest::addColumn<bool>("esercizi");
        QTest::addColumn<QStringList>("testi");  // one after the other in the text, blanks made single
        QTest::newRow("one switch, two levels, a suggestion")
            << true
            << QStringList{"Addizione - 2° 1 1 13 11 2 85 3,5 20,0 13", "Sottrazione - 1° 1 0 3 2 1 67 1,5 20,0 0",
                           data(1) + " 12:00 Sottrazione - 1° finito 2 1 20,0 mouse",
                           "Modo: un sensore (scansione automatica: Spazio sceglie) Velocità della scansione: 1,50 secondi",
                           "Scansione a gruppi (prima 0-5 e 6-10, poi i numeri): sì",
                           "Pressione più breve di così non conta: 0,15 secondi",
                           "Scansione automatica (un sensore). Il bambino sceglie spesso al secondo giro o dopo "
                           "(9 risposte su 13): prova 2,00 secondi invece di 1,50."};
        QTest::newRow("mouse, nothing in the period")
            << false << QStringList{"Modo: mouse Usa cursore di sistema: no Suoni: disattivati",
                                    "Risposte ed esercizi Nessun esercizio in questo periodo.",
                                    "Servono almeno 10 risposte con la scansione automatica a 1,50 secondi per un "
                                    "consiglio (finora 0)."};
    }

    void relazioneLeggibile()
    {
        QFETCH(bool, esercizi);
        QFETCH(QStringList, testi);
        QTemporaryDir dir;
        DiarioSqlite diario(dir.filePath(QStringLiteral("diario.sqlite")));
        const QDateTime mezzogiorno(QDate::currentDate(), QTime(12, 0));
        // Something before the period too, which the report leaves out.
        esercizio(diario, mezzogiorno.addDays(-40).toMSecsSinceEpoch(), QStringLiteral("Addizione - 3°"), 0, {true}, true);
        if (esercizi) {
            esercizio(diario, mezzogiorno.addDays(-1).toMSecsSinceEpoch(), QStringLiteral("Sottrazione - 1°"),
                      Modalita::Mouse, {true, false, true}, true);
            esercizio(diario, mezzogiorno.toMSecsSinceEpoch(), QStringLiteral("Addizione - 2°"), Modalita::ScansioneAutomatica,
                      {true, true, true, false, true, true, true, true, true, true, true, true}, true);
            esercizio(diario, mezzogiorno.addSecs(60).toMSecsSinceEpoch(), QStringLiteral("Addizione - 2°"),
                      Modalita::ScansioneAutomatica, {false}, false);
        }
        StatoProgramma stato;
        stato.ModalitaInput = esercizi ? Modalita::ScansioneAutomatica : Modalita::Mouse;
        stato.SuoniAttivati = esercizi;
        stato.VelocitaScansione = 6;
        stato.Scansione.gruppi = true;
        stato.Scansione.pressioneMinimaMs = 150;
        const DatiRelazione dati = RelazionePdf::raccogli(diario, stato, QStringLiteral("Anna"), RelazionePdf::inizioUltimiGiorni(30),
                                                          RelazionePdf::nomeUltimiGiorni(30));
        const QString pdf = dir.filePath(QStringLiteral("relazione.pdf"));
        QString errore;
        QVERIFY2(RelazionePdf::scrivi(pdf, dati, errore), qPrintable(errore));

        const QString testo = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}).simplified();
        testi << "Calcolotti – Relazione di Anna Periodo: ultimi 30 giorni (dal " + data(29) + ") Stampata il " + data(0);
        for (const QString &atteso : std::as_const(testi) + Sezioni)
            QVERIFY2(testo.contains(atteso), qPrintable(atteso + QStringLiteral("\n---\n") + testo));
        QVERIFY(!testo.contains(QStringLiteral("Addizione - 3°")));
        const QString proprieta = poppler(QStringLiteral("pdfinfo"), {pdf});
        auto campo = [&proprieta](const char *nome) {
            return proprieta.section(QLatin1String(nome) + QLatin1Char(':'), 1).section(QLatin1Char('\n'), 0, 0).trimmed();
        };
        QCOMPARE(campo("Title"), QStringLiteral("Calcolotti – Relazione di Anna"));
        QCOMPARE(campo("Creator"), QStringLiteral("Calcolotti"));
        QCOMPARE(campo("Page size"), QStringLiteral("595 x 842 pts (A4)"));
        const QString pagine = campo("Pages");
        QCOMPARE(pagine, QLatin1String(esercizi ? "2" : "1"));
        QVERIFY(testo.contains(QStringLiteral("Calcolotti – Relazione di Anna pagina %1 di %1").arg(pagine)));
        const QByteArray byte = leggi(pdf);
        QCOMPARE(byte.count("/Lang (it-IT)"), 1);
        QCOMPARE(byte.count("/Dest ["), Sezioni.size());
    }

    void unFileNonScrittoLasciaQuelloDiPrima_data()
    {
        QTest::addColumn<QString>("dove");    // the file, in a folder of the test's
        QTest::addColumn<QString>("diario");  // why the record could not be read; empty: it was
        QTest::addColumn<QString>("motivo");
        QTest::newRow("a folder that is not there") << "manca/relazione.pdf" << "" << "La cartella";
        QTest::newRow("the record unreadable") << "relazione.pdf" << "Il diario non si può leggere: è danneggiato."
                                               << "Il diario non si può leggere: è danneggiato.";
        QTest::newRow("a full disk") << "piccola/relazione.pdf" << "" << "Il disco è pieno";
    }

    void unFileNonScrittoLasciaQuelloDiPrima()
    {
        QFETCH(QString, dove);
        QFETCH(QString, diario);
        QFETCH(QString, motivo);
        QTemporaryDir dir;
        const QString file = dir.filePath(dove), piccola = dir.filePath(QStringLiteral("piccola"));
        const bool pieno = dove.startsWith(QStringLiteral("piccola")), manca = dove.startsWith(QStringLiteral("manca"));
        if (pieno && (!QDir().mkpath(piccola)
                      || ::system(("mount -t tmpfs -o size=64k calcolotti " + QFile::encodeName(piccola) + " 2>/dev/null").constData()) != 0))
            QSKIP("a small file system for a full disk needs mount (root): not tried");
        QVERIFY(manca || scrivi(file, "la relazione di prima"));
        QFile riempi(piccola + QStringLiteral("/riempi"));
        while (pieno && (riempi.isOpen() || riempi.open(QIODevice::WriteOnly)) && riempi.write(QByteArray(4096, 'x')) == 4096) {
        }
        riempi.close();  // an open file would keep the file system from unmounting
        DatiRelazione dati;
        dati.riepilogo.errore = diario;
        QString errore;
        QVERIFY(!RelazionePdf::scrivi(file, dati, errore));
        QVERIFY2(errore.startsWith(motivo), qPrintable(errore));
        QCOMPARE(leggi(file), manca ? QByteArray("(assente)") : QByteArray("la relazione di prima"));
        QVERIFY(!pieno || ::system(("umount " + QFile::encodeName(piccola)).constData()) == 0);
    }
};

QTEST_MAIN(TestRelazione)
#include "tst_relazione.moc"
