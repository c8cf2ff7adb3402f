#include "BancoSchermate.h"
#include "config/SceltaColoreDialogo.h"
#include "media/animation/ScenePlayer.h"
#include "shell/FormInfo.h"
#include "shell/FormMenu.h"
#include "shell/Main.h"
#include "shell/Piattaforma.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QDirIterator>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest/qtestspontaneevent.h>

namespace {

// Runs once a modal dialog of that class is open.
template <typename Dialogo>
void quandoAperto(const std::function<void(Dialogo *)> &azione)
{
    if (auto *dialogo = qobject_cast<Dialogo *>(QApplication::activeModalWidget()))
        return azione(dialogo);
    QTimer::singleShot(10, [azione] { quandoAperto<Dialogo>(azione); });
}

QStringList pulsanti(QWidget *dialogo)
{
    QStringList testi;
    for (QPushButton *pulsante : dialogo->findChildren<QPushButton *>())
        testi << pulsante->text().remove(QLatin1Char('&'));
    return testi;
}

}

// The splash and information screens, what every screen shares (activation,
// hand-over), and Qt's dialogs as Main prepares them: in Italian, writing nothing.
class TestAvvio : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparaApplicazione(); }

    void sfondoDellAvvio()
    {
        Banco banco;
        Schermata *avvio = banco.navigatore.crea(IdSchermata::Avvio);
        QVERIFY(mostraEAttiva(avvio));
        // At any size, white at the top to green at the bottom, down the edge clear of the controls.
        for (const QSize &dimensione : {avvio->size(), QSize(1100, 820), QSize(400, 200)}) {
            avvio->resize(dimensione);
            QCoreApplication::processEvents();
            const QImage immagine = avvio->grab().toImage();
            const QRgb alto = immagine.pixel(2, 0), basso = immagine.pixel(2, immagine.height() - 1);
            QVERIFY(qRed(alto) > 250 && qGreen(alto) == 255 && qBlue(alto) > 250 && qRed(basso) < 5 && qGreen(basso) == 255 && qBlue(basso) < 5);
        }
    }

    void testiDelleInformazioni()
    {
        Banco banco;
        auto *info = qobject_cast<FormInfo *>(banco.navigatore.crea(IdSchermata::Info));
        QVERIFY(mostraEAttiva(info));
        const QString testo = info->Label1()->text() + info->Label3()->text();
        for (const char *c : {"realizzato dagli autori di Calcolotti", "documentazione", "GPL-3.0-or-later", "SENZA ALCUNA GARANZIA"})
            QVERIFY2(testo.contains(QString::fromUtf8(c)), c);
        // The version once, on its own line.
        QCOMPARE(testo.count(QStringLiteral(CALCOLOTTI_VERSIONE)), 0);
        QCOMPARE(info->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("Versione " CALCOLOTTI_VERSIONE));
        QVERIFY(!testo.contains(QLatin1String("example")) && !testo.contains(QLatin1Char('@')));  // no invented site or mail
    }

    void siTornaAUnMenuNuovo_data()
    {
        QTest::addColumn<int>("schermata");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("come");  // a key sequence, "clic" or "cornice"; the information screen is maximised
        const int avvio = int(IdSchermata::Avvio), info = int(IdSchermata::Info);
        QTest::newRow("splash, mouse: click") << avvio << 0 << "clic";
        QTest::newRow("splash, automatic scanning: Space") << avvio << 2 << "Space";
        QTest::newRow("splash, arrows: Enter, released on the menu") << avvio << 3 << "Enter+ Enter-";
        QTest::newRow("splash: close box") << avvio << 0 << "cornice";
        QTest::newRow("information, arrows: close box") << info << 3 << "cornice";
        QTest::newRow("information, manual scanning: keypad Enter") << info << 1 << "Invio";
    }

    void siTornaAUnMenuNuovo()
    {
        QFETCH(int, schermata);
        QFETCH(int, modo);
        QFETCH(QString, come);
        const bool massimizzata = schermata == int(IdSchermata::Info);
        Banco banco;
        banco.finti.stato.ModalitaInput = int16_t(modo);
        QPointer<Schermata> prima = banco.navigatore.crea(IdSchermata(schermata));
        prima->setGeometry(60, 50, 700, 500);
        prima->setWindowState(massimizzata ? Qt::WindowMaximized : Qt::WindowNoState);
        QVERIFY(mostraEAttiva(prima));
        const QRect posto = prima->geometry();
        auto *pulsante = prima->findChild<QPushButton *>(QStringLiteral("Command1"));
        QCOMPARE(QApplication::focusWidget(), pulsante);
        if (come == QLatin1String("clic"))
            QTest::mouseClick(pulsante, Qt::LeftButton);
        else if (come == QLatin1String("cornice"))
            prima->close();
        else {
            // The release goes where the focus is then: the menu, when the press opened it.
            const Qt::Key tasto = come.startsWith(QLatin1String("Enter")) ? Qt::Key_Return
                                  : come == QLatin1String("Invio")      ? Qt::Key_Enter
                                                                         : Qt::Key_Space;
            QTest::keyPress(Banco::destinatario(), tasto);
            QTest::keyRelease(Banco::destinatario(), tasto);
        }
        // A fresh menu in the same place and state, untouched by the key that left.
        auto *menu = visibile<FormMenu>();
        QVERIFY(menu && menu->geometry() == posto && menu->isMaximized() == massimizzata);
        QTRY_VERIFY(prima.isNull());
        QCOMPARE(int(menu->VoceCorrente()), modo != Modalita::Mouse ? 0 : -1);
    }

    void soloIlProgrammaAttiva()
    {
        // A show from the window system (un-minimising) is no activation; one
        // by the program is.
        Banco banco;
        Schermata *schermata = banco.navigatore.crea(IdSchermata::Info);
        QVERIFY(mostraEAttiva(schermata));
        QSignalSpy attivata(schermata, &Schermata::attivata);
        QShowEvent spontanea;
        QSpontaneKeyEvent::setSpontaneous(&spontanea);
        QApplication::instance()->notify(schermata, &spontanea);
        QTest::qWait(20);
        QCOMPARE(attivata.count(), 0);
        schermata->hide();
        schermata->show();
        QTRY_COMPARE(attivata.count(), 1);
    }

    void avvisiSulMenu()
    {
        // Told once, whichever scenes go missing after the first; shown on the menu as they come.
        Banco banco;
        auto *menu = new FormMenu(banco.finti.servizi);
        QVERIFY(mostraEAttiva(menu));
        auto *riga = menu->findChild<QLabel *>(QStringLiteral("Avvisi"));
        QVERIFY(riga->isHidden());
        banco.finti.avvisi.aggiungi(QStringLiteral("voce"), QStringLiteral("Manca la voce italiana."));
        QVERIFY(riga->isVisible());
        for (const char *scena : {"b7", "b8"})
            ScenePlayer().Movie(QStringLiteral("/manca/%1.svg").arg(QLatin1String(scena)));
        QCOMPARE(Avvisi::programma().testi(), QStringList{"Manca o è danneggiata la scena b7.svg: le storie restano senza figure."});
    }

    void dialoghiInItaliano()
    {
        QStringList testi;
        quandoAperto<QMessageBox>([&testi](QMessageBox *scatola) {
            testi = pulsanti(scatola);
            scatola->button(QMessageBox::No)->click();
        });
        QVERIFY(!DialoghiMessaggi().domanda(nullptr, QStringLiteral("Calcolotti"), QStringLiteral("Vuoi tornare al menù?")));
        QCOMPARE(testi, (QStringList{QStringLiteral("Sì"), QStringLiteral("No")}));
        // Qt's file dialog keeps its history and last folder nowhere.
        const QString scelto = QDir::home().filePath(QStringLiteral("diario.csv"));
        quandoAperto<QFileDialog>([&scelto](QFileDialog *dialogo) {
            dialogo->selectFile(scelto);
            QMetaObject::invokeMethod(dialogo, "accept");
        });
        QCOMPARE(QFileDialog::getSaveFileName(nullptr, QStringLiteral("Esporta"), QDir::homePath()), scelto);
        for (const bool ok : {false, true}) {
            QColorDialog::setCustomColor(0, Qt::red);  // an earlier user's pick must not show
            QWidget finestra;
            auto *portatore = new QLabel(&finestra);
            QStringList visto;
            quandoAperto<QColorDialog>([&](QColorDialog *dialogo) {
                visto << dialogo->currentColor().name() << pulsanti(dialogo);
                for (int i = 0; i < QColorDialog::customCount(); ++i)
                    visto << QColorDialog::customColor(i).name();
                dialogo->setCurrentColor(QColor(12, 34, 56));
                ok ? dialogo->accept() : dialogo->reject();
            });
            const QColor prima = portatore->palette().color(QPalette::WindowText);
            QCOMPARE(SceltaColoreDialogo().ScegliColore(&finestra, portatore), ok);
            QCOMPARE(portatore->palette().color(QPalette::WindowText), ok ? QColor(12, 34, 56) : prima);
            // It opens on black, all custom colours black, in Italian.
            QVERIFY2(visto.count("#000000") == QColorDialog::customCount() + 1 && visto.contains("Annulla"), qPrintable(visto.join(',')));
        }
        // The user's files, Qt's shared QtProject.conf among them, are left alone.
        QStringList scritti;
        for (QDirIterator i(QDir::homePath(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories); i.hasNext();)
            scritti << i.next();
        QCOMPARE(scritti, QStringList());
    }
};

int main(int argc, char **argv)
{
    // A home of our own, to see that nothing is written there; caches (fontconfig's) apart.
    QTemporaryDir casa, cache;
    for (const char *variabile : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(variabile, casa.path().toLocal8Bit());
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    QApplication app(argc, argv);
    TestAvvio test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_avvio.moc"
