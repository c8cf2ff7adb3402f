#include "BancoSchermate.h"
#include "LeggiScrivi.h"
#include "RigheSql.h"
#include "input/ConfermaScansione.h"
#include "media/animation/Distintivi.h"
#include "record/DiarioSqlite.h"
#include "record/FormProgressi.h"
#include "shell/FormBambini.h"
#include "shell/FormChiGioca.h"
#include "shell/FormMenu.h"
#include "shell/ModuloOpzioni.h"
#include "shell/ModuloPerIni.h"
#include "shell/ProfiliBambini.h"
#include "resources/BottoneColorato.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// Several children on one computer: their folders and files, who plays, the
// chooser, and a child moved to another computer.
namespace {

QString profilo(const QString &file)
{
    QSettings s(file, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("profilo"));
    return QStringLiteral("%1|%2|%3").arg(s.value("nome").toString(), s.value("immagine").toString(), s.value("ordine").toString());
}

// A home with its children, the real files, a real record and fake screens' services.
struct Casa {
    Banco b;
    QString cartella = ModuloPerIni::CartellaImpostazioni();
    QTemporaryDir dati;
    std::unique_ptr<DiarioSqlite> diario;
    std::unique_ptr<ProfiliBambini> profili;
    explicit Casa(bool pulita = true)
    {
        if (pulita)
            QDir(cartella).removeRecursively();
        apri();
    }
    void apri()
    {
        diario = std::make_unique<DiarioSqlite>(dati.filePath(QStringLiteral("diario.sqlite")));
        profili = std::make_unique<ProfiliBambini>(b.finti.stato, cartella);
        b.finti.servizi.salvaImpostazioni = [](const StatoProgramma &s) {
            return ModuloPerIni::SalvaImpostazioni(s) && ModuloOpzioni::SalvaOpzioni(s);
        };
        profili->collega(b.finti.servizi.salvaImpostazioni, [this] { return diario.get(); });
        profili->caricaUltimo();
        b.finti.servizi.bambini = profili.get();
        b.finti.servizi.diario = diario.get();
    }
    QString file(const QString &nome) const { return cartella + QLatin1Char('/') + nome; }
    // A whole exercise of the child who plays, recorded with `risposte` answers.
    void gioca(int risposte)
    {
        const quint64 e = diario->apriEsercizio({1000, QStringLiteral("Sottrazione - 1°"), 3, QStringLiteral("sottrazione")});
        for (int i = 0; i < risposte; ++i)
            diario->rispondi(e, {2000 + i, QStringLiteral("Sottrazione - 1°"), 3, 1, i, i % 2 == 0});
        diario->chiudiEsercizio(e, 9000, true);
        diario->attendi();
    }
};

}

class TestBambini : public QObject
{
    Q_OBJECT
private slots:
    void unBambinoSoloNonCambiaNulla();
    void ogniBambinoConLeSueImpostazioniEIlSuoDiario();
    void chiGioca_data();
    void chiGioca();
    void unBambinoVaSuUnAltroComputer();
};

void TestBambini::unBambinoSoloNonCambiaNulla()
{
    Casa c;
    QCOMPARE(c.profili->elenco().size(), 1);
    QCOMPARE(c.profili->attuale().nome, QStringLiteral("Bambino 1"));
    QCOMPARE(c.b.finti.stato.PercorsoIni, c.file(QStringLiteral("calcolotti.ini")));
    QVERIFY(c.profili->gioca(1));
    c.b.finti.stato.ModalitaInput = Modalita::Frecce;
    QVERIFY(ModuloPerIni::SalvaImpostazioni(c.b.finti.stato) && ModuloOpzioni::SalvaOpzioni(c.b.finti.stato));
    // The files a single child always had, and nothing else.
    QCOMPARE(QDir(c.cartella).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"calcolotti-scansione.ini", "calcolotti.ini", "leggimi.txt"}));
    // The splash leads to the menu, which shows no child.
    QVERIFY(mostraEAttiva(c.b.navigatore.crea(IdSchermata::Avvio)));
    visibile()->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    auto *menu = qobject_cast<FormMenu *>(visibile());
    QVERIFY(menu && !menu->bambino());
}

void TestBambini::ogniBambinoConLeSueImpostazioniEIlSuoDiario()
{
    Casa c;
    StatoProgramma &stato = c.b.finti.stato;
    QCOMPARE(c.profili->aggiungi(QStringLiteral(" Anna "), QStringLiteral("b7")), 2);
    QCOMPARE(c.profili->aggiungi(QStringLiteral("Luca"), QStringLiteral("nessuna")), 3);
    // The first child's profile comes with the second child.
    QCOMPARE(profilo(c.file("profilo.ini")), "Bambino 1|" + Distintivi::perNumero(1) + "|1");
    QCOMPARE(profilo(c.file("bambini/2/profilo.ini")), QStringLiteral("Anna|b7|2"));
    QCOMPARE(profilo(c.file("bambini/3/profilo.ini")), "Luca|" + Distintivi::perNumero(3) + "|3");

    // Each child's settings and scanning options in their own files.
    QVERIFY(c.profili->gioca(2));
    QCOMPARE(stato.PercorsoIni, c.file("bambini/2/calcolotti.ini"));
    stato.ModalitaInput = Modalita::ScansioneAutomatica;
    stato.VelocitaScansione = 6;
    stato.Scansione.voce = true;
    c.gioca(3);
    QVERIFY(c.profili->gioca(3));
    QVERIFY(stato.ModalitaInput == Modalita::Mouse && stato.VelocitaScansione == 4 && !stato.Scansione.voce);
    c.gioca(2);
    QVERIFY(!c.profili->gioca(9) && c.profili->attuale().numero == 3);
    QVERIFY(c.profili->gioca(2));
    QVERIFY(stato.ModalitaInput == Modalita::ScansioneAutomatica && stato.VelocitaScansione == 6 && stato.Scansione.voce);
    QCOMPARE(QSettings(c.file("bambini/ultimo.ini"), QSettings::IniFormat).value("bambini/ultimo").toInt(), 2);

    // The record: each row under its child; the adult reads the one who plays.
    QCOMPARE(righe(c.dati.filePath("diario.sqlite"), "SELECT bambino FROM esercizi ORDER BY id"), (QStringList{"2", "3"}));
    QCOMPARE(righe(c.dati.filePath("diario.sqlite"), "SELECT count(*) FROM risposte WHERE bambino = 3"), QStringList{"2"});
    const Riepilogo r = c.diario->riepilogo(0, 1000);
    QCOMPARE(r.livelli.at(3).giuste + r.livelli.at(3).sbagliate, 3);
    // The adult's screen reads one child at a time, the one who plays first, and
    // the record goes on writing for that child afterwards.
    {
        FormProgressi p(c.b.finti.servizi);
        p.mostraPeriodo(FormProgressi::Tutto);
        auto *chi = p.findChild<QComboBox *>(QStringLiteral("bambino"));
        QCOMPARE(chi->currentText(), QStringLiteral("Anna"));
        auto *consiglio = p.findChild<QLabel *>(QStringLiteral("consiglio"));
        QVERIFY2(consiglio->text().contains(QStringLiteral("a 1,50 secondi")), qPrintable(consiglio->text()));
        chi->setCurrentIndex(chi->findText(QStringLiteral("Luca")));
        QCOMPARE(p.riepilogo().livelli.at(3).giuste + p.riepilogo().livelli.at(3).sbagliate, 2);
        // Luca's own speed, as saved.
        QVERIFY2(consiglio->text().contains(QStringLiteral("a 1,00 secondi")), qPrintable(consiglio->text()));
    }
    c.gioca(1);
    QCOMPARE(righe(c.dati.filePath("diario.sqlite"), "SELECT bambino FROM esercizi ORDER BY id"), (QStringList{"2", "3", "2"}));

    // A folder copied by hand is a child at the next start; the order is the adult's.
    QVERIFY(QDir().mkpath(c.file("bambini/7")) && QFile::copy(c.file("bambini/3/profilo.ini"), c.file("bambini/7/profilo.ini")));
    QVERIFY(QDir().mkpath(c.file("bambini/8")));  // empty: no child
    Bambino primo = c.profili->elenco().first();
    primo.nome = QStringLiteral("Giulia");
    primo.ordine = 9;
    QVERIFY(c.profili->modifica(primo));
    c.apri();
    QCOMPARE(c.profili->attuale().numero, 2);
    QStringList nomi;
    for (const Bambino &b : c.profili->elenco())
        nomi << QStringLiteral("%1 %2").arg(b.numero).arg(b.nome);
    QCOMPARE(nomi, (QStringList{"2 Anna", "3 Luca", "7 Luca", "1 Giulia"}));
}

void TestBambini::chiGioca_data()
{
    QTest::addColumn<int>("modo");
    QTest::newRow("one switch") << int(Modalita::ScansioneAutomatica);
    QTest::newRow("two switches") << int(Modalita::ScansioneManuale);
}

void TestBambini::chiGioca()
{
    QFETCH(int, modo);
    Casa c;
    c.profili->aggiungi(QStringLiteral("Anna"), QStringLiteral("b7"));
    c.profili->aggiungi(QStringLiteral("Luca"), QStringLiteral("a12"));
    // Luca, who played last, uses the switches and hears every choice; Anna does too.
    for (int n : {3, 2}) {
        c.profili->gioca(n);
        c.b.finti.stato.ModalitaInput = int16_t(modo);
        c.b.finti.stato.Scansione.voce = true;
        c.b.finti.stato.Scansione.pausaDopoSceltaMs = 0;
    }
    c.profili->gioca(3);
    QVERIFY(mostraEAttiva(c.b.navigatore.crea(IdSchermata::Avvio)));
    visibile()->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    auto *chi = qobject_cast<FormChiGioca *>(visibile());
    QVERIFY(chi && QTest::qWaitFor([chi] { return chi->controllo().evidenziata(); }));
    auto premi = [&c, modo](Qt::Key tasto) { c.b.premi(tasto, 100); };
    auto vaiA = [&](ControlloreInput &controllo, QWidget *voce) {
        for (int i = 0; i < 40 && controllo.evidenziata() != voce; ++i)
            modo == Modalita::ScansioneAutomatica ? c.b.passa(1000) : premi(Qt::Key_Space);
        QCOMPARE(controllo.evidenziata(), voce);
        premi(modo == Modalita::ScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return);
    };
    QVERIFY(c.b.finti.registro.voci.contains(QStringLiteral("speak Bambino 1")));
    vaiA(chi->controllo(), chi->bambini().at(1));  // Anna
    QCOMPARE(c.profili->attuale().nome, QStringLiteral("Anna"));
    auto *menu = qobject_cast<FormMenu *>(visibile());
    QVERIFY(menu && menu->bambino()->accessibleName().contains(QStringLiteral("Anna")));
    // "Cambia bambino", after "Esci", asks first with "No" lit.
    vaiA(menu->controllo(), menu->bambino());
    QVERIFY(menu->conferma());
    QCOMPARE(menu->conferma()->controllo().evidenziata(), menu->conferma()->no());
    vaiA(menu->conferma()->controllo(), menu->conferma()->si());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(qobject_cast<FormChiGioca *>(visibile()));
}

void TestBambini::unBambinoVaSuUnAltroComputer()
{
    QTemporaryDir viaggio;
    const QString file = viaggio.filePath(QStringLiteral("Anna.calcolotti"));
    {
        Casa scuola;
        scuola.profili->aggiungi(QStringLiteral("Anna"), QStringLiteral("b7"));
        scuola.profili->gioca(2);
        scuola.b.finti.stato.ModalitaInput = Modalita::ScansioneManuale;
        scuola.b.finti.stato.Scansione.giri = 3;
        scuola.gioca(4);
        FormBambini schermo(scuola.b.finti.servizi);
        QVERIFY(schermo.esporta(2, file));
        // Removing a child says that the record goes too, and it does.
        schermo.elenco()->setCurrentRow(1);
        scuola.b.finti.dialoghi.risposta = true;
        schermo.rimuovi(2);
        QVERIFY(scuola.b.finti.registro.voci.filter(QStringLiteral("domanda")).last().contains(QStringLiteral("diario")));
        QCOMPARE(righe(scuola.dati.filePath("diario.sqlite"), "SELECT count(*) FROM risposte"), QStringList{"0"});
        QVERIFY(!QFileInfo::exists(scuola.file("bambini/2")) && scuola.profili->elenco().size() == 1);
    }
    Casa casa;  // another computer: a fresh home and record
    FormBambini schermo(casa.b.finti.servizi);
    // A damaged file or one not from the program changes nothing.
    QFile rovinato(viaggio.filePath(QStringLiteral("rovinato.calcolotti")));
    QVERIFY(rovinato.open(QIODevice::WriteOnly) && rovinato.write(QByteArray("non sono un bambino ").repeated(300)));
    rovinato.close();
    QVERIFY(!schermo.importa(rovinato.fileName()));
    QVERIFY(casa.b.finti.registro.voci.last().startsWith(QStringLiteral("errore Calcolotti: Il file")));
    QCOMPARE(casa.profili->elenco().size(), 1);

    // A child moved by the previous version comes in brought up to date; its file stays as it was.
    const QString vecchio = viaggio.filePath(QStringLiteral("Bruno.calcolotti"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v2"));
        db.setDatabaseName(vecchio);
        QSqlQuery q(db);
        QVERIFY(db.open() && DiarioSqlite::creaSchema(db, 2));
        for (const QString &sql : {"ATTACH DATABASE '" + file + "' AS nuovo", QStringLiteral("CREATE TABLE formato AS SELECT * FROM nuovo.formato"),
                                   QStringLiteral("CREATE TABLE documenti AS SELECT * FROM nuovo.documenti"),
                                   QStringLiteral("UPDATE documenti SET dati = CAST('Bruno' AS BLOB) WHERE nome = 'nome'"),
                                   QStringLiteral("INSERT INTO esercizi (id, inizio, fine, livello, scena, famiglia, finito) VALUES (1, 1000, 9000, 'Addizione - 1°', 3, 'addizione', 1)"),
                                   QStringLiteral("INSERT INTO risposte (esercizio, istante, livello, scena, passo, scelta, giusta, modalita, intervallo_ms, ignorate)"
                                                  " VALUES (1, 2000, 'Addizione - 1°', 3, 4, 0, 0, 2, 1000, 1), (1, 3000, 'Addizione - 1°', 3, 4, 1, 1, 2, 1000, 0)")})
            QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v2"));
    const QByteArray comEra = leggi(vecchio);
    QVERIFY(schermo.importa(vecchio));
    QCOMPARE(leggi(vecchio), comEra);
    const int bruno = casa.profili->elenco().last().numero;
    QCOMPARE(righe(casa.dati.filePath("diario.sqlite"), QStringLiteral("SELECT modalita || '|' || operazione || '|' || giuste || '|' || sbagliate || '|' ||"
                                                                      " ignorate || '|' || finiti || '|' || domande || '|' || giuste_al_primo"
                                                                      " FROM giorni WHERE bambino = %1").arg(bruno)),
             (QStringList{"2|0|0|0|0|1|0|0", "2|1|1|1|1|0|1|0"}));  // the exercise, then its answers
    QString errore;
    QVERIFY(casa.diario->cancellaBambino(bruno, errore) && casa.profili->rimuovi(bruno));

    QVERIFY(schermo.importa(file));
    QCOMPARE(casa.profili->elenco().size(), 2);
    const Bambino anna = casa.profili->elenco().at(1);
    QVERIFY(anna.nome == QStringLiteral("Anna") && anna.immagine == QStringLiteral("b7"));
    StatoProgramma letto;
    letto.PercorsoIni = casa.profili->percorsoImpostazioni(anna.numero);
    ModuloPerIni::LeggiImpostazioni(letto);
    ModuloOpzioni::LeggiOpzioni(letto);
    QVERIFY(letto.ModalitaInput == Modalita::ScansioneManuale && letto.Scansione.giri == 3);
    const QString dati = casa.dati.filePath("diario.sqlite");
    QCOMPARE(righe(dati, QStringLiteral("SELECT count(*) FROM risposte WHERE bambino = %1").arg(anna.numero)), QStringList{"4"});
    // Again, into the Anna already there when the adult says so; a new child otherwise.
    casa.b.finti.dialoghi.risposta = true;
    QVERIFY(schermo.importa(file));
    QCOMPARE(righe(dati, QStringLiteral("SELECT count(*) FROM risposte WHERE bambino = %1").arg(anna.numero)), QStringList{"8"});
    QCOMPARE(righe(dati, "SELECT sum(giuste) FROM giorni"), QStringList{"4"});
    casa.b.finti.dialoghi.risposta = false;
    QVERIFY(schermo.importa(file));
    QCOMPARE(casa.profili->elenco().size(), 3);
}

QTEST_MAIN(TestBambini)
#include "tst_bambini.moc"
