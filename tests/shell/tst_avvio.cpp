#include "BancoSchermate.h"
#include "SequenzaTasti.h"
#include "shell/FormAvvio.h"
#include "shell/FormInfo.h"
#include "shell/FormMenu.h"
#include "shell/Main.h"
#include "media/animation/ScenePlayer.h"

#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest/qtestspontaneevent.h>

// The splash and the information screen, and what every screen shares: its
// activation and the hand-over.
class TestAvvio : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparaApplicazione(); }
    void sfondoDellAvvio_data();
    void sfondoDellAvvio();
    void caratteriProgettati_data();
    void caratteriProgettati();
    void testiDelleInformazioni_data();
    void testiDelleInformazioni();
    void siTornaAUnMenuNuovo_data();
    void siTornaAUnMenuNuovo();
    void attivazione_data();
    void attivazione();
    void primoSchermoCentratoEGrande();
    void avvisiSulMenu();
};

void TestAvvio::sfondoDellAvvio_data()
{
    QTest::addColumn<QSize>("dimensione");
    QTest::addColumn<bool>("copri");
    QTest::newRow("as designed, covered and uncovered") << QSize() << true;
    QTest::newRow("larger") << QSize(1100, 820) << false;
    QTest::newRow("smaller than 256 bands") << QSize(400, 200) << false;
}

void TestAvvio::sfondoDellAvvio()
{
    QFETCH(QSize, dimensione);
    QFETCH(bool, copri);
    Banco banco;
    auto *avvio = new FormAvvio(banco.finti.servizi);
    QVERIFY(mostraEAttiva(avvio));
    if (dimensione.isValid())
        avvio->resize(dimensione);
    if (copri) {
        QWidget coperta;
        coperta.setGeometry(avvio->geometry());
        coperta.show();
        QVERIFY(QTest::qWaitForWindowExposed(&coperta));
    }
    QCoreApplication::processEvents();
    const QImage immagine = avvio->grab().toImage();
    const int h = immagine.height();
    const auto vicino = [&immagine](int x, int y, QColor atteso) {
        const QColor c = immagine.pixelColor(x, y);
        return qAbs(c.red() - atteso.red()) <= 3 && qAbs(c.green() - atteso.green()) <= 3
            && qAbs(c.blue() - atteso.blue()) <= 3;
    };
    // The left edge is clear of labels, picture and button: white to green.
    QVERIFY(vicino(2, 0, Qt::white));
    QVERIFY(vicino(2, h - 1, QColor(0, 255, 0)));
    QVERIFY(vicino(immagine.width() - 2, h / 2, QColor(127, 255, 127)));
}

void TestAvvio::caratteriProgettati_data()
{
    QTest::addColumn<QString>("progettato");
    QTest::addColumn<QStringList>("accettati");  // the designed font, or its free look-alike
    QTest::newRow("splash") << "Comic Sans MS" << QStringList{"Comic Sans MS", "Comic Neue"};
    QTest::newRow("menu and exercises") << "Verdana" << QStringList{"Verdana", "DejaVu Sans"};
    QTest::newRow("buttons") << "Arial" << QStringList{"Arial", "Liberation Sans"};
}

void TestAvvio::caratteriProgettati()
{
    QFETCH(QString, progettato);
    QFETCH(QStringList, accettati);
    // main() left fontconfig without its own aliases: only the program's
    // substitutions stand between a missing font and a random fallback.
    const QString trovato = QFontInfo(QFont(progettato, 20, QFont::Bold)).family();
    QVERIFY2(accettati.contains(trovato), qPrintable(trovato));
}

void TestAvvio::testiDelleInformazioni_data()
{
    QTest::addColumn<QString>("frammento");
    QTest::addColumn<bool>("presente");
    QTest::newRow("the name and version") << "Calcolotti, versione " CALCOLOTTI_VERSIONE << true;
    QTest::newRow("the guide") << "documentazione" << true;
    QTest::newRow("free software") << "software libero" << true;
    QTest::newRow("the licence") << "GPL-3.0-or-later" << true;
    QTest::newRow("no warranty") << "SENZA ALCUNA GARANZIA" << true;
    QTest::newRow("no invented site") << "example" << false;
    QTest::newRow("no invented mail") << "@" << false;
}

void TestAvvio::testiDelleInformazioni()
{
    QFETCH(QString, frammento);
    QFETCH(bool, presente);
    Banco banco;
    auto *info = new FormInfo(banco.finti.servizi);
    QVERIFY(mostraEAttiva(info));
    const QString testo = info->Label1()->text() + info->Label3()->text();
    QCOMPARE(testo.contains(frammento), presente);
    QCOMPARE((info->Label1()->accessibleName() + info->Label3()->accessibleName()).contains(frammento), presente);
}

void TestAvvio::siTornaAUnMenuNuovo_data()
{
    QTest::addColumn<bool>("informazioni");  // else the splash
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("come");  // a key sequence, "clic" or "cornice"
    QTest::addColumn<bool>("massimizzata");
    QTest::newRow("splash, mouse: click") << false << 0 << "clic" << false;
    QTest::newRow("splash, maximised: close box") << false << 0 << "cornice" << true;
    QTest::newRow("splash, automatic scanning: Space") << false << 2 << "Space" << false;
    QTest::newRow("splash, arrows: Enter, released on the menu") << false << 3 << "Enter+ Enter-" << false;
    QTest::newRow("information, mouse: click") << true << 0 << "clic" << false;
    QTest::newRow("information, arrows: close box") << true << 3 << "cornice" << false;
    QTest::newRow("information, manual scanning: keypad Enter") << true << 1 << "Invio" << true;
}

void TestAvvio::siTornaAUnMenuNuovo()
{
    QFETCH(bool, informazioni);
    QFETCH(int, modo);
    QFETCH(QString, come);
    QFETCH(bool, massimizzata);
    Banco banco;
    banco.finti.stato.ModalitaInput = int16_t(modo);
    QPointer<Schermata> schermata = banco.navigatore.crea(informazioni ? IdSchermata::Info : IdSchermata::Avvio);
    schermata->setGeometry(60, 50, 700, 500);
    if (massimizzata)
        schermata->setWindowState(Qt::WindowMaximized);
    QVERIFY(mostraEAttiva(schermata));
    const QRect posto = schermata->geometry();
    auto *pulsante = schermata->findChild<QPushButton *>(QStringLiteral("Command1"));
    QCOMPARE(QApplication::focusWidget(), pulsante);

    if (come == QLatin1String("clic"))
        QTest::mouseClick(pulsante, Qt::LeftButton);
    else if (come == QLatin1String("cornice"))
        schermata->close();
    else
        SequenzaTasti::riproduci(
            come, [] { return QApplication::focusWidget() ? QApplication::focusWidget() : visibile(); }, [] {});

    auto *menu = qobject_cast<FormMenu *>(visibile());
    QVERIFY(menu);
    QTRY_VERIFY(schermata.isNull());
    QCOMPARE(menu->geometry(), posto);
    QCOMPARE(menu->isMaximized(), massimizzata);
    // The key that left did nothing on the menu.
    QCOMPARE(int(menu->VoceCorrente()), 0);
    QCOMPARE(menu->controllo().timer().isActive(), modo != Modalita::Mouse);
}

namespace {

class Contata : public Schermata
{
public:
    using Schermata::Schermata;
    int attivazioni = 0;

protected:
    void Form_Activate() override { ++attivazioni; }
};

}

void TestAvvio::attivazione_data()
{
    QTest::addColumn<bool>("spontanea");
    QTest::addColumn<int>("attivazioni");
    QTest::newRow("shown again by the window system (un-minimised)") << true << 1;
    QTest::newRow("shown again by the program") << false << 2;
}

void TestAvvio::attivazione()
{
    QFETCH(bool, spontanea);
    QFETCH(int, attivazioni);
    Banco banco;
    auto *schermata = new Contata(banco.finti.servizi);
    QVERIFY(mostraEAttiva(schermata));
    if (spontanea) {
        QShowEvent evento;
        QSpontaneKeyEvent::setSpontaneous(&evento);
        QApplication::instance()->notify(schermata, &evento);
    } else {
        schermata->hide();
        schermata->show();
    }
    QTest::qWait(50);
    QCOMPARE(schermata->attivazioni, attivazioni);
}

void TestAvvio::primoSchermoCentratoEGrande()
{
    Banco banco;
    Schermata *avvio = banco.navigatore.crea(IdSchermata::Avvio);
    const QSize progetto = avvio->size();
    banco.navigatore.mostraPrimo(avvio);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect g = avvio->geometry();
    const QRect f = avvio->frameGeometry();
    QVERIFY(area.contains(g));
    // Centred, give or take the window frame.
    const int cornice = std::max(f.width() - g.width(), f.height() - g.height()) + 1;
    QVERIFY(qAbs(f.center().x() - area.center().x()) <= cornice && qAbs(f.center().y() - area.center().y()) <= cornice);
    // As large as the desktop comfortably allows, in the designed proportions.
    QVERIFY(g.width() >= area.width() * 0.8 || g.height() >= area.height() * 0.8);
    QVERIFY(qAbs(double(g.width()) / g.height() - double(progetto.width()) / progetto.height()) < 0.01);
}

void TestAvvio::avvisiSulMenu()
{
    // Told once, whichever scenes are missing after the first.
    for (const char *scena : {"b7", "b8"})
        ScenePlayer().Movie(QStringLiteral("/manca/%1.svg").arg(QLatin1String(scena)));
    QCOMPARE(Avvisi::programma().testi().size(), 1);
    Banco banco;
    banco.finti.servizi.avvisi = &Avvisi::programma();
    auto *menu = new FormMenu(banco.finti.servizi);
    QVERIFY(mostraEAttiva(menu));
    auto *riga = menu->findChild<QLabel *>(QStringLiteral("Avvisi"));
    QVERIFY(riga->isVisible() && riga->text().contains(QLatin1String("b7.svg")));
    // A notice that comes later shows at once.
    Avvisi::programma().aggiungi(QStringLiteral("voce"), QStringLiteral("Manca la voce italiana."));
    QCOMPARE(riga->text().count(QLatin1Char('\n')), 1);
    // An empty list shows nothing.
    Avvisi nessuno;
    banco.finti.servizi.avvisi = &nessuno;
    QVERIFY(FormMenu(banco.finti.servizi).findChild<QLabel *>(QStringLiteral("Avvisi"))->isHidden());
}

int main(int argc, char **argv)
{
    // fontconfig with the fonts but none of its own aliases.
    QTemporaryDir cartella;
    QFile configurazione(cartella.filePath(QStringLiteral("fonts.conf")));
    if (!configurazione.open(QIODevice::WriteOnly))
        return 1;
    configurazione.write("<?xml version=\"1.0\"?><fontconfig><dir>/usr/share/fonts</dir><cachedir>"
                         + cartella.path().toUtf8() + "</cachedir></fontconfig>");
    configurazione.close();
    qputenv("FONTCONFIG_FILE", configurazione.fileName().toUtf8());
    QApplication app(argc, argv);
    TestAvvio test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_avvio.moc"
