// The scan on a real X server: what the offscreen platform cannot show.

#include "BancoSchermate.h"
#include "core/Colori.h"
#include "shell/FormMenu.h"

#include <QLabel>
#include <QScreen>

#include <dlfcn.h>
#include <xcb/xcb.h>

// Every wait of Qt's for the X server (a round trip) ends here: counted, then
// passed on to the real libxcb.
static int g_attese = 0;
extern "C" xcb_get_input_focus_reply_t *xcb_get_input_focus_reply(xcb_connection_t *c, xcb_get_input_focus_cookie_t cookie,
                                                                   xcb_generic_error_t **errore)
{
    ++g_attese;
    using Vera = decltype(&xcb_get_input_focus_reply);
    static const auto vera = reinterpret_cast<Vera>(dlsym(RTLD_NEXT, "xcb_get_input_focus_reply"));
    return vera(c, cookie, errore);
}

class TestX11 : public QObject
{
    Q_OBJECT
private slots:
    void ilPassoNonAspettaIlServer();
};

// A highlight move paints over the control the last frame lit. The wait for the
// X server to have read that frame is taken once the frame is out, not inside the
// next move, where the child would wait for it.
void TestX11::ilPassoNonAspettaIlServer()
{
    Banco b;
    b.finti.stato.ModalitaInput = Modalita::ScansioneManuale;
    b.finti.stato.ColoreScansione = 0x0000FF;
    auto *menu = static_cast<FormMenu *>(b.navigatore.crea(IdSchermata::Menu));
    menu->resize(1000, 700);
    QVERIFY(mostraEAttiva(menu));
    QTest::qWait(200);
    for (int passo = 0; passo < 4; ++passo) {
        const int prima = g_attese;
        QTest::keyClick(menu, Qt::Key_Space);
        // The frame that lights the next item, painted and sent.
        QCoreApplication::sendPostedEvents(menu, QEvent::UpdateRequest);
        QCOMPARE(g_attese - prima, 0);
        QTest::qWait(20);
        QVERIFY2(g_attese > prima, "the frame's wait was never taken");
    }
    // And the window on the server shows the light where the scan is.
    QWidget *accesa = menu->controllo().evidenziata();
    const QPoint dove = accesa->mapTo(menu, QPoint(4, accesa->height() / 2));
    const QImage schermo = menu->screen()->grabWindow(menu->winId(), dove.x(), dove.y(), 1, 1).toImage();
    QCOMPARE(schermo.pixelColor(0, 0), Colori::scansione(b.finti.stato.ColoreScansione));
}

QTEST_MAIN(TestX11)
#include "tst_x11.moc"
