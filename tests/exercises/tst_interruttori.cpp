#include "BancoSchermate.h"
#include "exercises/FormEsercizio.h"
#include "core/Colori.h"
#include "input/ConfermaScansione.h"
#include "input/Evidenziazione.h"
#include "shell/FormMenu.h"

#include <QLabel>
#include <QLoggingCategory>

// A child with one switch (automatic scanning, Space only) or two switches
// (Space moves, Enter chooses) plays whole levels and goes back, on a clock
// that moves only when the test says: everything a mouse user can do.
namespace {

QStringList righe;
QtMessageHandler precedente = nullptr;

void registra(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo)
{
    if (QByteArray(contesto.category).startsWith("calcolotti."))
        righe << QString::fromLatin1(contesto.category) + QLatin1Char(' ') + testo;
    else if (precedente)
        precedente(tipo, contesto, testo);
}

// What the scan lights now: the confirmation's, when one is open.
ControlloreInput *controllo()
{
    if (auto *menu = visibile<FormMenu>())
        return menu->conferma() ? &menu->conferma()->controllo() : &menu->controllo();
    if (auto *e = visibile<FormEsercizio>())
        return e->conferma() ? &e->conferma()->controllo() : &e->controllo();
    return nullptr;
}

// A press as long as the minimum press asks.
int tenuta(const Banco &b) { return std::max(100, b.finti.stato.Scansione.pressioneMinimaMs); }

QPushButton *bottone(FormEsercizio *s, int scelta)
{
    const bool segno = s->modello().gruppo() == Esercizi::Gruppo::Segni;
    return s->findChild<QPushButton *>(QStringLiteral("Command%1_%2").arg(segno ? 2 : 1).arg(scelta));
}

}

class TestInterruttori : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void unLivelloEIndietro_data();
    void unLivelloEIndietro();
    void unaPressioneDoppiaContaUnaVolta_data();
    void unaPressioneDoppiaContaUnaVolta();
    void ilBordoSpessoSiVedeFuori_data();
    void ilBordoSpessoSiVedeFuori();

private:
    // Lights `scelta` the way the mode does (and chooses it).
    void illumina(Banco &b, QWidget *scelta);
    void scegli(Banco &b, QWidget *scelta);
    void rispondi(Banco &b, FormEsercizio *s, bool primaSbagliata);
    int m_modo = 0;
};

void TestInterruttori::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("calcolotti.*=true"));
    precedente = qInstallMessageHandler(registra);
}

void TestInterruttori::illumina(Banco &b, QWidget *scelta)
{
    QVERIFY(scelta);
    for (int i = 0; i < 1000 && controllo()->evidenziata() != scelta; ++i) {
        if (m_modo == Modalita::ScansioneAutomatica) {
            b.passa(50);
        } else {
            b.premi(Qt::Key_Space, tenuta(b));
            b.passa(b.finti.servizi.attesaRilascioMs);
        }
    }
    QCOMPARE(controllo()->evidenziata(), scelta);
    // Assistive technology is told where the highlight stands.
    QCOMPARE(QApplication::focusWidget(), scelta);
    // A child sees what is lit before pressing; sooner would be a bounce.
    b.passa(b.finti.stato.Scansione.pausaDopoSceltaMs);
}

void TestInterruttori::scegli(Banco &b, QWidget *scelta)
{
    illumina(b, scelta);
    b.premi(m_modo == Modalita::ScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return, tenuta(b));
    b.passa(b.finti.servizi.attesaRilascioMs);
}

void TestInterruttori::rispondi(Banco &b, FormEsercizio *s, bool primaSbagliata)
{
    // Every choice is followed by a bounce of the switch 100 ms later, which
    // must not count: the fake sounds take no time, so no sound covers it.
    auto scegliERimbalza = [&](int scelta) {
        const int risposte = b.finti.stato.Esatti + b.finti.stato.Errati;
        scegli(b, bottone(s, scelta));
        b.passa(100);
        b.premi(m_modo == Modalita::ScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return, tenuta(b));
        b.passa(b.finti.servizi.attesaRilascioMs);
        QCOMPARE(b.finti.stato.Esatti + b.finti.stato.Errati, risposte + 1);
    };
    for (int passi = 0; !s->modello().completo() && passi < 8; ++passi) {
        const int giusta = s->modello().rispostaGiusta();
        if (primaSbagliata) {
            const int sbagliata = (giusta + 1) % (s->modello().gruppo() == Esercizi::Gruppo::Segni ? 3 : 11);
            scegliERimbalza(sbagliata);
            QVERIFY(FormEsercizio::segnatoSbagliato(bottone(s, sbagliata)));
        }
        scegliERimbalza(giusta);
    }
    QVERIFY(s->modello().completo());
    QVERIFY(!righe.filter(QRegularExpression(QStringLiteral("ignored: \\d+ ms after a choice"))).isEmpty());
}

void TestInterruttori::unLivelloEIndietro_data()
{
    QTest::addColumn<int>("modo");
    QTest::newRow("one switch") << int(Modalita::ScansioneAutomatica);
    QTest::newRow("two switches") << int(Modalita::ScansioneManuale);
}

void TestInterruttori::unLivelloEIndietro()
{
    QFETCH(int, modo);
    m_modo = modo;
    righe.clear();
    Banco b;
    b.finti.stato.ModalitaInput = int16_t(modo);
    b.finti.stato.ColoreScansione = 0x00FF00;
    // Subtraction 7 - 3 = 4, then addition 2 + 5 = 7.
    b.finti.casuale.imposta({estrai(5, 9), estrai(1, 3), estrai(3, 8), estrai(4, 23),
                             estrai(5, 9), estrai(1, 3), estrai(5, 8), estrai(2, 30), estrai(0, 2)});
    QVERIFY(mostraEAttiva(b.navigatore.crea(IdSchermata::Menu)));

    // While the first question is spoken, nothing is lit and presses are not answers.
    QPointer<QWidget> accesaDuranteLaDomanda;
    bool domandaSentita = false;
    b.finti.voce.durante = [&](const QString &) {
        if (domandaSentita)
            return;
        domandaSentita = true;
        accesaDuranteLaDomanda = controllo()->evidenziata();
        b.premi(modo == Modalita::ScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return);
    };
    auto *menu = visibile<FormMenu>();
    scegli(b, menu->Label1(3));  // "Sottrazione - 1°"
    auto *s = visibile<FormEsercizio>();
    QVERIFY(s);
    QCOMPARE(s->accessibleName(), QStringLiteral("Calcolotti – Sottrazione - 1°"));
    QVERIFY(!accesaDuranteLaDomanda);
    QVERIFY(righe.filter(QStringLiteral("ignored: the program is speaking")).size() >= 1);
    // From now on, whatever the program says, the focus stays on a choice, never on the window.
    int sullaFinestra = 0;
    b.finti.voce.durante = [&](const QString &) { sullaFinestra += QApplication::focusWidget() == s ? 1 : 0; };
    QCOMPARE(controllo()->evidenziata(), s->findChild<QWidget *>(QStringLiteral("Command1_0")));

    // At the second question "ripeti" says the last statement and the question again, and scores nothing.
    scegli(b, bottone(s, s->modello().rispostaGiusta()));
    b.finti.registro.svuota();
    scegli(b, s->findChild<QWidget *>(QStringLiteral("ripeti")));
    auto testo = [s](int n) { return QStringLiteral("Parla ") + s->findChild<QLabel *>(QStringLiteral("Label%1").arg(n))->text(); };
    QCOMPARE(b.finti.registro.voci.filter(QStringLiteral("Parla ")), (QStringList{testo(2), testo(3)}));

    rispondi(b, s, true);
    QCOMPARE(b.finti.stato.Esatti, int16_t(8));
    QCOMPARE(b.finti.stato.Errati, int16_t(7));
    QCOMPARE(s->findChild<QLabel *>(QStringLiteral("Label8"))->text(), QStringLiteral(" 7 - 3 = 4"));
    QCOMPARE(righe.filter(QRegularExpression(QStringLiteral("^calcolotti.esercizio \\d+ Form4 step \\d+ answer"))).size(), 15);
    QCOMPARE(sullaFinestra, 0);
    b.finti.voce.durante = nullptr;

    // "menù", then "No": the exercise goes on where it was.
    scegli(b, s->findChild<QWidget *>(QStringLiteral("menu")));
    QVERIFY(s->conferma());
    QCOMPARE(controllo()->evidenziata(), s->conferma()->no());
    scegli(b, s->conferma()->no());
    QCOMPARE(visibile(), s);
    QVERIFY(!s->conferma() || s->conferma()->isHidden());
    QVERIFY(s->modello().completo());

    // "avanti" draws the next exercise; then "menù", "Sì" goes back to a fresh menu.
    scegli(b, s->findChild<QWidget *>(QStringLiteral("Command3")));
    QCOMPARE(s->modello().PassoCorrente(), int16_t(Esercizi::Passo::Totale));
    scegli(b, s->findChild<QWidget *>(QStringLiteral("menu")));
    scegli(b, s->conferma()->si());
    // The pause holds on the screen the choice opened: a bounce starts no level.
    b.passa(100);
    b.premi(modo == Modalita::ScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    menu = visibile<FormMenu>();
    QVERIFY(menu);

    // A mixed level: Form6 (addition) starts, after its exercise the turn draw
    // gives 1 and "avanti" hands over to Form7; then "Esci", "Sì": the settings
    // are saved and the program ends.
    b.finti.casuale.imposta({estrai(0, 2), estrai(5, 9), estrai(1, 3), estrai(5, 8), estrai(2, 30), estrai(0, 2),
                             estrai(1, 2), estrai(5, 9), estrai(1, 3), estrai(3, 8), estrai(4, 23)});
    scegli(b, menu->Label1(5));
    s = visibile<FormEsercizio>();
    QCOMPARE(s->numero(), 6);
    rispondi(b, s, false);
    QCOMPARE(s->findChild<QLabel *>(QStringLiteral("Label8"))->text(), QStringLiteral(" 2 + 5 = 7"));
    QSignalSpy attivata(s->partner(), &Schermata::attivata);
    scegli(b, s->findChild<QWidget *>(QStringLiteral("Command3")));
    QVERIFY(attivata.count() == 1 || attivata.wait(2000));
    s = visibile<FormEsercizio>();
    QCOMPARE(s->numero(), 7);
    scegli(b, s->findChild<QWidget *>(QStringLiteral("menu")));
    scegli(b, s->conferma()->si());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    menu = visibile<FormMenu>();
    QVERIFY(menu);
    scegli(b, menu->Label1(FormMenu::VoceEsci));
    QCOMPARE(b.finti.terminazioni, 0);  // asked first, "No" lit
    QCOMPARE(controllo()->evidenziata(), menu->conferma()->no());
    scegli(b, menu->conferma()->si());
    QCOMPARE(b.finti.salvataggi, 1);
    QCOMPARE(b.finti.terminazioni, 1);
    QVERIFY(righe.filter(QStringLiteral("calcolotti.input")).filter(QStringLiteral("highlight Torna al menù")).size() >= 1);
}

void TestInterruttori::unaPressioneDoppiaContaUnaVolta_data()
{
    QTest::addColumn<int>("modo");
    QTest::newRow("two switches") << int(Modalita::ScansioneManuale);
    QTest::newRow("one switch") << int(Modalita::ScansioneAutomatica);
}

// The release waits for an auto-repeat as in the program; sounds off.
void TestInterruttori::unaPressioneDoppiaContaUnaVolta()
{
    QFETCH(int, modo);
    m_modo = modo;
    Banco b;
    b.finti.servizi.attesaRilascioMs = 30;
    b.finti.stato.ModalitaInput = int16_t(modo);
    b.finti.stato.SuoniAttivati = false;
    b.finti.stato.Scansione.pressioneMinimaMs = 200;
    b.finti.casuale.imposta({estrai(5, 9), estrai(1, 3), estrai(3, 8), estrai(4, 23)});
    auto *s = static_cast<FormEsercizio *>(b.navigatore.creaEsercizio(4));
    QVERIFY(mostraEAttiva(s));
    QPushButton *sbagliato = bottone(s, (s->modello().rispostaGiusta() + 1) % 11);
    // The minimum press, from the key going down to its going up.
    illumina(b, sbagliato);
    b.premi(modo == Modalita::ScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return, 199);
    b.passa(40);
    QCOMPARE(int(b.finti.stato.Errati), 0);
    scegli(b, sbagliato);
    QCOMPARE(int(b.finti.stato.Errati), 1);

    // A chosen number hides when the signs come up: the focus goes to them, never
    // to the window, also while a reward sound plays.
    b.finti.suoni.durata = 1000;
    while (s->modello().PassoCorrente() != Esercizi::Passo::PrimoSegno)
        scegli(b, bottone(s, s->modello().rispostaGiusta()));
    QCOMPARE(QApplication::focusWidget(), bottone(s, Esercizi::Segno::Piu));
}

void TestInterruttori::ilBordoSpessoSiVedeFuori_data()
{
    QTest::addColumn<QString>("dove");
    QTest::addColumn<QSize>("finestra");
    QTest::newRow("number button") << "Command1_0" << QSize();
    QTest::newRow("menu caption, maximised") << "Label1_0" << QSize(1366, 768 - 30);
    QTest::newRow("confirmation button, portrait") << "confermaNo" << QSize(600, 1000);
}

void TestInterruttori::ilBordoSpessoSiVedeFuori()
{
    QFETCH(QString, dove);
    QFETCH(QSize, finestra);
    m_modo = Modalita::ScansioneManuale;
    Banco b;
    b.finti.stato.ModalitaInput = Modalita::ScansioneManuale;
    b.finti.stato.Scansione.bordo = true;
    b.finti.casuale.imposta({estrai(5, 9), estrai(1, 3), estrai(3, 8), estrai(4, 23)});
    Schermata *schermata = dove == QLatin1String("Command1_0") ? b.navigatore.creaEsercizio(4)
                                                               : b.navigatore.crea(IdSchermata::Menu);
    QVERIFY(mostraEAttiva(schermata));
    if (finestra.isValid())
        schermata->resize(finestra);
    if (dove == QLatin1String("confermaNo"))
        static_cast<FormMenu *>(schermata)->AvviaEsercizi(FormMenu::VoceEsci);
    b.passa(300);
    QWidget *accesa = controllo()->evidenziata();
    QVERIFY(accesa);
    QCOMPARE(accesa->objectName(), dove);

    const QImage immagine = schermata->grab().toImage();
    const QRect faccia(accesa->mapTo(schermata, QPoint(0, 0)), accesa->size());
    const QColor evidenza = Colori::scansione(b.finti.stato.ColoreScansione);
    const QWidget *sotto = accesa->parentWidget();
    const QColor sfondo = sotto->palette().color(sotto->backgroundRole());
    const QColor bordo = Evidenziazione::coloreBordo(evidenza, sfondo);
    QVERIFY(Evidenziazione::contrasto(bordo, evidenza) >= 3.0 && Evidenziazione::contrasto(bordo, sfondo) >= 3.0);
    // Around the face, at least 4 px and growing with the window; the face keeps the highlight.
    const int spessore = Evidenziazione::spessoreBordo(schermata->height());
    QVERIFY(spessore >= (schermata->height() >= 700 ? 5 : 4));
    const QPoint centro = faccia.center();
    for (int d = 1; d <= spessore; ++d) {
        QCOMPARE(immagine.pixelColor(faccia.left() - d, centro.y()), bordo);
        QCOMPARE(immagine.pixelColor(faccia.right() + d, centro.y()), bordo);
        QCOMPARE(immagine.pixelColor(centro.x(), faccia.top() - d), bordo);
        QCOMPARE(immagine.pixelColor(centro.x(), faccia.bottom() + d), bordo);
    }
    QCOMPARE(immagine.pixelColor(faccia.left() + 4, faccia.top() + faccia.height() / 4), evidenza);
    // Caption and picture fit their button, "Sì" and "No" alike, and the question its panel.
    if (auto *menu = qobject_cast<FormMenu *>(schermata); menu && menu->conferma()) {
        for (QPushButton *b : {menu->conferma()->no(), menu->conferma()->si()})
            QVERIFY2(b->sizeHint().width() <= b->width() && b->sizeHint().height() <= b->height(), qPrintable(b->text()));
        auto *domanda = menu->conferma()->findChild<QLabel *>();
        QVERIFY(domanda->heightForWidth(domanda->width()) <= domanda->height());
    }
}

QTEST_MAIN(TestInterruttori)
#include "tst_interruttori.moc"
