#include "exercises/FormEsercizio.h"
#include "input/Evidenziazione.h"
#include "resources/Immagini.h"
#include "core/Colori.h"
#include "shell/FormInfo.h"
#include "shell/FormMenu.h"
#include "shell/ModuloPerIni.h"
#include "shell/FabbricaSchermate.h"

#include "Finti.h"
#include "SequenzaTasti.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor Verde(128, 255, 128);
const double Giallo = 0x00FFFF;  // 0x00BBGGRR

QList<Schermata *> schermateVive()
{
    QList<Schermata *> vive;
    const auto finestre = QApplication::topLevelWidgets();
    for (QWidget *w : finestre)
        if (auto *s = qobject_cast<Schermata *>(w); s && !s->congedata())
            vive << s;
    return vive;
}

Schermata *visibile()
{
    Schermata *trovata = nullptr;
    for (Schermata *s : schermateVive()) {
        if (s->isVisible()) {
            if (trovata)
                return nullptr;  // two screens at once is a fault
            trovata = s;
        }
    }
    return trovata;
}

QString accese(FormMenu *menu)
{
    QStringList indici;
    const QColor evidenza = Colori::daBGR(0x00FFFF);
    for (int i = 0; i < FormMenu::NumeroVoci; ++i)
        if (Evidenziazione::colore(menu->Label1(i)) == evidenza)
            indici << QString::number(i);
    if (Evidenziazione::colore(menu->Check1()) == evidenza)
        indici << QStringLiteral("C");
    return indici.join(QLatin1Char(','));
}

}

class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void vociEComandi_data();
    void vociEComandi();
    void scansione_data();
    void scansione();
    void tastiAprono_data();
    void tastiAprono();
    void clicAprono_data();
    void clicAprono();
    void livelliMisti_data();
    void livelliMisti();
    void hoverLasciaUnaSolaVoce_data();
    void hoverLasciaUnaSolaVoce();
    void puntatori_data();
    void puntatori();
    void esciSalvaCreandoCartellaELeggimi();
    void soloEsciELaChiusuraDelMenuSalvano_data();
    void soloEsciELaChiusuraDelMenuSalvano();
    void suoniDisattivatiFinisconoNelFile();
    void attivazioneApplicaVoceEVelocita();
    void documentazione();
    void spazioNonToccaLaCasellaNeiModiAScansione();
    void nienteDueSchermateDaUnDoppioClic();
    void ridimensionataTieneLeProporzioni();

private:
    FormMenu *apriMenu();
    void tick(FormMenu *menu);

    QTemporaryDir m_config;
    std::unique_ptr<ServiziFinti> m_finti;
    std::unique_ptr<FabbricaSchermate> m_navigatore;
    int m_terminazioni = 0;
};

void TestMenu::ridimensionataTieneLeProporzioni()
{
    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    const QSize progetto = menu->areaCliente()->size();
    const QRect prima = menu->Label1(5)->geometry();
    const qreal caratterePrima = menu->Label1(5)->font().pointSizeF();
    menu->resize(menu->width() * 2, menu->height() + progetto.height());
    QTRY_COMPARE(menu->areaCliente()->size(), progetto * 2);
    const QRect dopo = menu->Label1(5)->geometry();
    QVERIFY(qAbs(dopo.left() - 2 * prima.left()) <= 2);
    QVERIFY(qAbs(dopo.top() - 2 * prima.top()) <= 2);
    QVERIFY(qAbs(dopo.width() - 2 * prima.width()) <= 2);
    QVERIFY(menu->Label1(5)->font().pointSizeF() > 1.5 * caratterePrima);
}

void TestMenu::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void TestMenu::init()
{
    QDir(ModuloPerIni::CartellaImpostazioni()).removeRecursively();
    QVERIFY(ModuloPerIni::CartellaImpostazioni().startsWith(m_config.path()));
    m_finti = std::make_unique<ServiziFinti>();
    m_finti->stato.PercorsoIni = ModuloPerIni::PercorsoIniPredefinito();
    m_finti->servizi.salvaImpostazioni = &ModuloPerIni::SalvaImpostazioni;
    m_finti->servizi.termina = [this] { ++m_terminazioni; };
    m_finti->stato.ColoreScansione = Giallo;
    m_navigatore = std::make_unique<FabbricaSchermate>(m_finti->servizi);
    m_terminazioni = 0;
}

void TestMenu::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qDeleteAll(schermateVive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_navigatore.reset();
    m_finti.reset();
}

FormMenu *TestMenu::apriMenu()
{
    auto *menu = qobject_cast<FormMenu *>(m_navigatore->crea(IdSchermata::Menu));
    if (!menu)
        return nullptr;
    menu->show();
    menu->activateWindow();
    if (!QTest::qWaitForWindowExposed(menu))
        return nullptr;
    QCoreApplication::processEvents();
    return menu;
}

void TestMenu::tick(FormMenu *menu)
{
    if (menu->controllo().timer().isActive())
        menu->controllo().Timer1_Timer();
}

void TestMenu::vociEComandi_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("testo");
    const char *didascalie[] = {"Addizione - 1°", "Addizione - 2°", "Addizione - 3°", "Sottrazione - 1°",
                                "Sottrazione - 2°", "Addizione e sottrazione - 1°",
                                "Addizione e sottrazione - 2°", "Esci"};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("Label1_%d", i) << QStringLiteral("Label1_%1").arg(i) << QString::fromUtf8(didascalie[i]);
    QTest::newRow("Check1") << "Check1" << "Suoni attivati";
    QTest::newRow("mnuImposta") << "mnuImposta" << "Impostazioni";
    QTest::newRow("mnuVoce") << "mnuVoce" << "Voce";
    QTest::newRow("mnuConf") << "mnuConf" << QString::fromUtf8("Modalità di input");
    QTest::newRow("mnuInf") << "mnuInf" << "Informazioni";
    QTest::newRow("mnuDoc") << "mnuDoc" << "documentazione";
    QTest::newRow("mnuabout") << "mnuabout" << "about";
}

void TestMenu::vociEComandi()
{
    QFETCH(QString, nome);
    QFETCH(QString, testo);
    FormMenu menu(m_finti->servizi);
    QObject *oggetto = menu.findChild<QObject *>(nome);
    QVERIFY2(oggetto, qPrintable(nome));
    QString trovato;
    if (auto *l = qobject_cast<QLabel *>(oggetto))
        trovato = l->text();
    else if (auto *c = qobject_cast<QCheckBox *>(oggetto))
        trovato = c->text();
    else if (auto *m = qobject_cast<QMenu *>(oggetto))
        trovato = m->title();
    else if (auto *a = qobject_cast<QAction *>(oggetto))
        trovato = a->text();
    QCOMPARE(trovato, testo);
    if (auto *w = qobject_cast<QWidget *>(oggetto); w && !qobject_cast<QMenu *>(w)) {
        QVERIFY(!w->accessibleName().isEmpty());
        QCOMPARE(w->palette().color(QPalette::Window), Verde);
    }
}

void TestMenu::scansione_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("sequenza");
    QTest::addColumn<QString>("evidenziata");
    QTest::addColumn<bool>("timerAcceso");

    QTest::newRow("m2: item 0 on arrival") << 2 << "" << "0" << true;
    QTest::newRow("m2: one tick to item 1") << 2 << "T" << "1" << true;
    QTest::newRow("m2: after Esci back to item 0") << 2 << "T T T T T T T T" << "0" << true;
    QTest::newRow("m2: Enter freezes the scan") << 2 << "T T Enter T T T" << "2" << false;
    QTest::newRow("m2: held A freezes the scan too") << 2 << "T A+ T T A- T" << "1" << false;
    QTest::newRow("m3: Up on item 0 wraps to Esci") << 3 << "Up" << "7" << true;
    QTest::newRow("m3: Down Down Left") << 3 << "Down Down Left" << "1" << true;
    QTest::newRow("m3: held Down repeats") << 3 << "Down+ Down* Down* Down-" << "3" << true;
    QTest::newRow("m3: ticks do not move") << 3 << "T T T" << "0" << true;
    QTest::newRow("m1: nine Spaces wrap to item 1") << 1 << "Space Space Space Space Space Space Space Space Space"
                                                    << "1" << true;
    QTest::newRow("m1: arrows do nothing") << 1 << "Down Right Up" << "0" << true;
    QTest::newRow("m0: nothing highlighted, keys do nothing") << 0 << "Down Space T" << "" << false;
    QTest::newRow("mode 12: nothing at all") << 12 << "Down Space Enter T" << "" << false;
}

void TestMenu::scansione()
{
    QFETCH(int, modo);
    QFETCH(QString, sequenza);
    QFETCH(QString, evidenziata);
    QFETCH(bool, timerAcceso);

    m_finti->stato.ModalitaInput = int16_t(modo);
    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    SequenzaTasti::riproduci(
        sequenza, [&] { return menu->Label1(3); }, [&] { tick(menu); });
    QCOMPARE(visibile(), menu);
    QCOMPARE(accese(menu), evidenziata);
    if (!evidenziata.isEmpty())
        QCOMPARE(int(menu->VoceCorrente()), evidenziata.toInt());
    QCOMPARE(menu->controllo().timer().isActive(), timerAcceso);
}

void TestMenu::tastiAprono_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("sequenza");
    QTest::addColumn<int>("form");  // 0: the program ended

    QTest::newRow("m3: Down Space opens Form2") << 3 << "Down Space" << 2;
    QTest::newRow("m3: Enter opens Form1") << 3 << "Enter" << 1;
    QTest::newRow("m3: Up Enter ends the program") << 3 << "Up Enter" << 0;
    QTest::newRow("m1: three Spaces and Enter open Form4") << 1 << "Space Space Space Enter" << 4;
    QTest::newRow("m2: four ticks and Space open Form5") << 2 << "T T T T Space" << 5;
    QTest::newRow("m2: frozen by Enter, Space opens Form1") << 2 << "Enter T T Space" << 1;
    QTest::newRow("m2: held Space opens once") << 2 << "T T Space+ Space* Space* Space-" << 3;
}

void TestMenu::tastiAprono()
{
    QFETCH(int, modo);
    QFETCH(QString, sequenza);
    QFETCH(int, form);

    m_finti->stato.ModalitaInput = int16_t(modo);
    QPointer<FormMenu> menu = apriMenu();
    QVERIFY(menu);
    // Keys go to whatever widget of the screen has the focus now.
    SequenzaTasti::riproduci(
        sequenza, [&]() -> QWidget * { return visibile(); },
        [&] {
            if (menu)
                tick(menu);
        });

    if (form == 0) {
        QCOMPARE(m_terminazioni, 1);
        QVERIFY(QFile::exists(m_finti->stato.PercorsoIni));
        return;
    }
    QCOMPARE(m_terminazioni, 0);
    QVERIFY(menu->congedata());
    auto *esercizio = qobject_cast<FormEsercizio *>(visibile());
    QVERIFY(esercizio);
    QCOMPARE(esercizio->numero(), form);
    int esercizi = 0;
    for (Schermata *s : schermateVive())
        esercizi += qobject_cast<FormEsercizio *>(s) ? 1 : 0;
    QCOMPARE(esercizi, 1);
    QVERIFY(!QFile::exists(m_finti->stato.PercorsoIni));
}

void TestMenu::clicAprono_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("immagine");
    QTest::addColumn<int>("indice");

    for (int modo = 0; modo <= 3; ++modo) {
        QTest::addRow("m%d caption 2", modo) << modo << false << 2;
        QTest::addRow("m%d picture 4", modo) << modo << true << 4;
    }
    QTest::newRow("mode 8: a click still works") << 8 << false << 0;
}

void TestMenu::clicAprono()
{
    QFETCH(int, modo);
    QFETCH(bool, immagine);
    QFETCH(int, indice);

    m_finti->stato.ModalitaInput = int16_t(modo);
    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    QWidget *bersaglio = immagine ? static_cast<QWidget *>(menu->Image1(indice)) : menu->Label1(indice);
    QTest::mouseClick(bersaglio, Qt::LeftButton, {}, bersaglio->rect().center());
    auto *esercizio = qobject_cast<FormEsercizio *>(visibile());
    QVERIFY(esercizio);
    QCOMPARE(esercizio->numero(), indice + 1);
}

void TestMenu::livelliMisti_data()
{
    QTest::addColumn<int>("voce");
    QTest::addColumn<double>("estratto");
    QTest::addColumn<int>("mostrato");
    QTest::addColumn<int>("nascosto");
    QTest::addColumn<int>("casuale");

    QTest::newRow("item 5, draw 0: Form6") << 5 << 0.2 << 6 << 7 << 0;
    QTest::newRow("item 5, draw 1: Form7") << 5 << 0.7 << 7 << 6 << 1;
    QTest::newRow("item 6, draw 0: Form8") << 6 << 0.49 << 8 << 9 << 0;
    QTest::newRow("item 6, draw 1: Form9") << 6 << 0.5 << 9 << 8 << 1;
}

void TestMenu::livelliMisti()
{
    QFETCH(int, voce);
    QFETCH(double, estratto);
    QFETCH(int, mostrato);
    QFETCH(int, nascosto);
    QFETCH(int, casuale);

    m_finti->casuale.imposta({estratto});
    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    menu->AvviaEsercizi(int16_t(voce));
    QCOMPARE(int(m_finti->stato.Casuale), casuale);
    QMap<int, bool> esercizi;  // number -> visible
    for (Schermata *s : schermateVive())
        if (auto *e = qobject_cast<FormEsercizio *>(s))
            esercizi.insert(e->numero(), e->isVisible());
    QCOMPARE(esercizi.size(), 2);
    QCOMPARE(esercizi.value(mostrato, false), true);
    QVERIFY(esercizi.contains(nascosto));
    QCOMPARE(esercizi.value(nascosto), false);
    QVERIFY(menu->congedata());
}

void TestMenu::hoverLasciaUnaSolaVoce_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("percorso");  // L<i> caption, I<i> picture, C check box, F background
    QTest::addColumn<QString>("evidenziate");

    QTest::newRow("caption to caption") << 0 << "L2 L5" << "5";
    QTest::newRow("picture highlights its caption") << 0 << "L1 I3" << "3";
    QTest::newRow("check box keeps the caption") << 0 << "L6 C" << "6,C";
    QTest::newRow("background clears everything") << 0 << "L6 C F" << "";
    QTest::newRow("back and forth") << 0 << "I0 L7 I0 L4 L4" << "4";
    QTest::newRow("arrows mode: hover does nothing") << 3 << "L4 C I6" << "0";
    QTest::newRow("automatic mode: background leaves the scan") << 2 << "L4 F" << "0";
}

void TestMenu::hoverLasciaUnaSolaVoce()
{
    QFETCH(int, modo);
    QFETCH(QString, percorso);
    QFETCH(QString, evidenziate);

    m_finti->stato.ModalitaInput = int16_t(modo);
    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    const QStringList tappe = percorso.split(QLatin1Char(' '));
    for (const QString &tappa : tappe) {
        QWidget *dove = nullptr;
        QPoint punto;
        switch (tappa.at(0).toLatin1()) {
        case 'L':
            dove = menu->Label1(tappa.mid(1).toInt());
            break;
        case 'I':
            dove = menu->Image1(tappa.mid(1).toInt());
            break;
        case 'C':
            dove = menu->Check1();
            break;
        default:
            dove = menu->areaCliente();
            // Between the two columns, where nothing stands.
            punto = QPoint(menu->Label1(0)->geometry().right() + 8, menu->Check1()->geometry().top() - 40);
            break;
        }
        // Through the window, as the window system delivers a pointer move.
        const QPoint nelWidget = punto.isNull() ? dove->rect().center() : punto;
        QTest::mouseMove(menu->windowHandle(), dove->mapTo(menu, nelWidget));
    }
    QCOMPARE(accese(menu), evidenziate);
    QCOMPARE(int(menu->VoceCorrente()), 0);
}

void TestMenu::puntatori_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("sistema");
    QTest::addColumn<int>("voci");
    QTest::addColumn<int>("immagini");
    QTest::addColumn<int>("casella");

    const int mano = Immagini::puntatore(Puntatore::Mano).shape();
    const int chiave = Immagini::puntatore(Puntatore::ChiaveDiViolino).shape();
    const int freccia = Qt::ArrowCursor;
    QTest::newRow("mouse, program pointers") << 0 << false << mano << mano << chiave;
    QTest::newRow("mouse, system pointer") << 0 << true << freccia << freccia << freccia;
    QTest::newRow("manual scanning") << 1 << false << freccia << freccia << freccia;
    QTest::newRow("automatic scanning, system pointer") << 2 << true << freccia << freccia << freccia;
    QTest::newRow("arrows") << 3 << false << freccia << freccia << freccia;
}

void TestMenu::puntatori()
{
    QFETCH(int, modo);
    QFETCH(bool, sistema);
    QFETCH(int, voci);
    QFETCH(int, immagini);
    QFETCH(int, casella);

    m_finti->stato.ModalitaInput = int16_t(modo);
    m_finti->stato.DisabilitaMousePersonalizzato = sistema;
    FormMenu menu(m_finti->servizi);
    for (int i = 0; i < FormMenu::NumeroVoci; ++i) {
        QCOMPARE(int(menu.Label1(i)->cursor().shape()), voci);
        QCOMPARE(int(menu.Image1(i)->cursor().shape()), immagini);
    }
    QCOMPARE(int(menu.Check1()->cursor().shape()), casella);
}

void TestMenu::esciSalvaCreandoCartellaELeggimi()
{
    m_finti->stato.ModalitaInput = Modalita::Frecce;
    m_finti->stato.VelocitaScansione = 9;
    QVERIFY(!QFileInfo::exists(ModuloPerIni::CartellaImpostazioni()));
    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    menu->AvviaEsercizi(FormMenu::VoceEsci);
    QCOMPARE(m_terminazioni, 1);
    QVERIFY(QFileInfo(ModuloPerIni::PercorsoLeggimi()).isFile());
    QFile file(m_finti->stato.PercorsoIni);
    QVERIFY(file.open(QIODevice::ReadOnly));
    StatoProgramma letto;
    QVERIFY(ModuloPerIni::LeggiDaTesto(file.readAll(), letto));
    QCOMPARE(int(letto.ModalitaInput), int(Modalita::Frecce));
    QCOMPARE(int(letto.VelocitaScansione), 9);
    // Once on its way out the menu takes nothing more.
    QVERIFY(!menu->controllo().timer().isActive());
    menu->AvviaEsercizi(0);
    QCOMPARE(visibile(), menu);
    QCOMPARE(m_terminazioni, 1);
}

void TestMenu::soloEsciELaChiusuraDelMenuSalvano_data()
{
    QTest::addColumn<QString>("come");
    QTest::addColumn<bool>("salva");

    QTest::newRow("Esci") << "esci" << true;
    QTest::newRow("the menu's close box") << "chiudi" << true;
    QTest::newRow("a level") << "livello" << false;
    QTest::newRow("about") << "about" << false;
    QTest::newRow("voice screen") << "voce" << false;
    QTest::newRow("about, then its close box") << "about-chiudi" << false;
}

void TestMenu::soloEsciELaChiusuraDelMenuSalvano()
{
    QFETCH(QString, come);
    QFETCH(bool, salva);

    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    if (come == QLatin1String("esci")) {
        QTest::mouseClick(menu->Image1(7), Qt::LeftButton, {}, menu->Image1(7)->rect().center());
    } else if (come == QLatin1String("chiudi")) {
        menu->close();
    } else if (come == QLatin1String("livello")) {
        menu->AvviaEsercizi(1);
    } else if (come == QLatin1String("voce")) {
        menu->findChild<QAction *>(QStringLiteral("mnuVoce"))->trigger();
    } else {
        menu->findChild<QAction *>(QStringLiteral("mnuabout"))->trigger();
        QVERIFY(qobject_cast<FormInfo *>(visibile()));
        if (come == QLatin1String("about-chiudi")) {
            visibile()->close();
            QVERIFY(qobject_cast<FormMenu *>(visibile()));
        }
    }
    QCOMPARE(QFile::exists(m_finti->stato.PercorsoIni), salva);
    QCOMPARE(m_terminazioni, salva ? 1 : 0);
    if (!salva)
        QVERIFY(visibile());
}

void TestMenu::suoniDisattivatiFinisconoNelFile()
{
    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    QVERIFY(menu->Check1()->isChecked());
    QTest::mouseClick(menu->Check1(), Qt::LeftButton, {}, QPoint(8, menu->Check1()->height() / 2));
    QVERIFY(!menu->Check1()->isChecked());
    QCOMPARE(m_finti->stato.SuoniAttivati, false);
    menu->AvviaEsercizi(FormMenu::VoceEsci);
    QFile file(m_finti->stato.PercorsoIni);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readLine(), QByteArray("F\r\n"));
}

void TestMenu::attivazioneApplicaVoceEVelocita()
{
    m_finti->stato.NumeroVoce = 2;
    m_finti->stato.VelocitaVoce = 170;
    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    QCOMPARE(m_finti->registro.voci, (QStringList{QStringLiteral("voice 2"), QStringLiteral("rate 170")}));

    // A new menu after the voice screen brings the new choice.
    m_finti->registro.svuota();
    m_finti->stato.NumeroVoce = 1;
    m_finti->stato.VelocitaVoce = 90;
    menu->findChild<QAction *>(QStringLiteral("mnuabout"))->trigger();
    qobject_cast<FormInfo *>(visibile())->close();
    QTRY_COMPARE(m_finti->registro.voci, (QStringList{QStringLiteral("voice 1"), QStringLiteral("rate 90")}));
}

void TestMenu::documentazione()
{
    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    menu->findChild<QAction *>(QStringLiteral("mnuDoc"))->trigger();
    QCOMPARE(m_finti->documenti.aperti,
             QStringList{m_finti->servizi.cartellaProgramma + QStringLiteral("/calcolottisv.pdf")});
    QCOMPARE(visibile(), menu);
}

void TestMenu::spazioNonToccaLaCasellaNeiModiAScansione()
{
    m_finti->stato.ModalitaInput = Modalita::ScansioneManuale;
    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    // Clicked last, the check box would toggle on Space if it saw the key.
    QTest::mouseClick(menu->Check1(), Qt::LeftButton, {}, QPoint(8, menu->Check1()->height() / 2));
    QCOMPARE(m_finti->stato.SuoniAttivati, false);
    QTest::keyClick(menu->Check1(), Qt::Key_Space);
    QTest::keyClick(menu->Check1(), Qt::Key_Space);
    QCOMPARE(m_finti->stato.SuoniAttivati, false);
    QCOMPARE(int(menu->VoceCorrente()), 2);
}

void TestMenu::nienteDueSchermateDaUnDoppioClic()
{
    FormMenu *menu = apriMenu();
    QVERIFY(menu);
    menu->AvviaEsercizi(0);
    menu->AvviaEsercizi(3);
    menu->AvviaEsercizi(5);
    int esercizi = 0;
    for (Schermata *s : schermateVive())
        esercizi += qobject_cast<FormEsercizio *>(s) ? 1 : 0;
    QCOMPARE(esercizi, 1);
    QCOMPARE(qobject_cast<FormEsercizio *>(visibile())->numero(), 1);
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
