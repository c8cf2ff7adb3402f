#include "resources/Ridimensionatore.h"

#include "Finti.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A screen built the way the program's are: a menu bar in the window's layout
// and a client area holding controls at designed positions.
class Finestra : public QWidget
{
public:
    Finestra()
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        menu = new QMenuBar(this);
        menu->addMenu(QStringLiteral("Esci"));
        layout->setMenuBar(menu);
        layout->addWidget(client);
        metti(new QLabel(QStringLiteral("Calcolotti"), client), {20, 10, 300, 60}, 20);
        metti(new QLabel(QStringLiteral("eredita il carattere"), client), {20, 80, 300, 30}, 0);
        pulsante = metti(new QPushButton(QStringLiteral("avanti"), client), {330, 10, 120, 60}, 14);
        pulsante->setIcon(QIcon(QPixmap(32, 32)));
        pulsante->setIconSize(QSize(24, 20));
        metti(new QCheckBox(QStringLiteral("Suoni attivati"), client), {330, 80, 250, 30}, -18);  // in pixels
        combo = metti(new QComboBox(client), {20, 120, 200, 26}, 12);
        cornice = metti(new QWidget(client), {20, 160, 280, 200}, 0);
        interno = new QLabel(QStringLiteral("dentro"), cornice);
        interno->setGeometry(40, 40, 200, 100);
        lettore = metti(new LettoreFinto(registro, client), {320, 160, 200, 200}, 0);
        auto *barra = metti(new QStatusBar(client), {0, 370, 600, 30}, 12);
        pannello = new QLabel(QStringLiteral("Esatti  0"));
        barra->addWidget(pannello, 1);
        resize(600, 400 + menu->sizeHint().height());
        ridimensionatore.registra();
        client->installEventFilter(this);
    }

    template <typename W>
    W *metti(W *w, const QRect &g, int punti)
    {
        w->setGeometry(g);
        if (punti)
            w->setFont(punti > 0 ? QFont(QStringLiteral("DejaVu Sans"), punti) : [&] {
                QFont f(QStringLiteral("DejaVu Sans"));
                f.setPixelSize(-punti);
                return f;
            }());
        controlli << w;
        return w;
    }

    QWidget *client = new QWidget(this);
    QMenuBar *menu;
    QPushButton *pulsante;
    QComboBox *combo;
    QWidget *cornice;
    QLabel *interno, *pannello;
    Registro registro;
    LettoreFinto *lettore;
    QList<QWidget *> controlli;
    Ridimensionatore ridimensionatore{client};

protected:
    // As the program's screens do: the client area's every new size.
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (oggetto == client && evento->type() == QEvent::Resize)
            ridimensionatore.ridimensiona();
        return false;
    }
};

QRect atteso(const QRect &g, double sx, double sy)
{
    return QRect(QPoint(qRound(g.left() * sx), qRound(g.top() * sy)),
                 QPoint(qRound((g.left() + g.width()) * sx) - 1, qRound((g.top() + g.height()) * sy) - 1));
}

}

class TestRidimensionatore : public QObject
{
    Q_OBJECT
private slots:
    void inProporzione_data();
    void inProporzione();
    void controlliDistruttiSonoSaltati();
};

void TestRidimensionatore::inProporzione_data()
{
    QTest::addColumn<double>("sx");
    QTest::addColumn<double>("sy");
    QTest::newRow("designed size") << 1.0 << 1.0;
    QTest::newRow("twice") << 2.0 << 2.0;
    QTest::newRow("three quarters") << 0.75 << 0.75;
    QTest::newRow("wide") << 1.6 << 1.0;
    QTest::newRow("narrow and tall") << 0.6 << 1.3;
    QTest::newRow("odd factors") << 1.37 << 1.13;
    QTest::newRow("below half: held at half") << 0.3 << 0.4;
}

void TestRidimensionatore::inProporzione()
{
    QFETCH(double, sx);
    QFETCH(double, sy);
    Finestra f;
    const QList<QWidget *> tutti = QList<QWidget *>(f.controlli) << f.interno << f.pannello << f.menu;
    QHash<QWidget *, QRect> progetto;
    QHash<QWidget *, QFont> caratteri;
    for (QWidget *w : tutti) {
        progetto.insert(w, w->geometry());
        caratteri.insert(w, w->font());
    }
    const QSize finestra = f.size();
    f.show();
    f.resize(qRound(600 * sx), qRound(400 * sy) + f.menu->height());
    QCoreApplication::processEvents();
    // The menu bar takes its share of the height; the window never goes below half.
    QCOMPARE(f.client->width(), qRound(600 * std::max(0.5, sx)));
    QVERIFY(f.client->height() >= 200);
    const double csx = f.client->width() / 600.0, csy = f.client->height() / 400.0, sf = std::min(csx, csy);

    for (QWidget *w : std::as_const(f.controlli)) {
        const QRect g = w->geometry();
        const QRect box = atteso(progetto[w], csx, csy);
        if (w == f.lettore) {  // keeps its aspect, centred in its proportional box
            QVERIFY(box.contains(g) && qAbs(g.width() - g.height()) <= 1 && qAbs(g.center().x() - box.center().x()) <= 1);
            QVERIFY(qAbs(std::min(g.width(), g.height()) - 200 * sf) <= 1.5);
        } else {
            QCOMPARE(g, box);
        }
        for (QWidget *altro : std::as_const(f.controlli))
            QVERIFY(altro == w || !g.intersects(altro->geometry()));
    }
    // Children of a container follow the container.
    QCOMPARE(f.interno->geometry(), atteso(progetto[f.interno], f.cornice->width() / 280.0, f.cornice->height() / 200.0));
    // Every font follows the smaller factor, inherited ones and layout-placed panels too.
    for (QWidget *w : tutti) {
        const QFont &prima = caratteri[w];
        // The menu bar's text grows with the window, not with the area below it.
        const double s = w != f.menu ? sf
                                     : std::min(double(f.width()) / finestra.width(), double(f.height()) / finestra.height());
        if (prima.pixelSize() > 0)
            QCOMPARE(w->font().pixelSize(), std::max(5, qRound(prima.pixelSize() * s)));
        else
            QVERIFY2(qAbs(w->font().pointSizeF() - std::max(4.0, prima.pointSizeF() * s)) < 0.05,
                     qPrintable(QString::number(w->font().pointSizeF())));
    }
    QCOMPARE(f.pulsante->iconSize(), QSize(std::max(8, qRound(24 * sf)), std::max(8, qRound(20 * sf))));
    // The open list of a combo box is a window of its own: it gets the font too.
    QCOMPARE(f.combo->view()->font(), f.combo->font());

    // Back at the designed size, everything is as designed.
    f.resize(finestra);
    QCoreApplication::processEvents();
    for (QWidget *w : tutti)
        QVERIFY((!f.controlli.contains(w) || w->geometry() == progetto[w])
                && w->font().pointSizeF() == caratteri[w].pointSizeF());
}

void TestRidimensionatore::controlliDistruttiSonoSaltati()
{
    Finestra f;
    delete f.pulsante;
    f.show();
    f.resize(900, 700);
    QCoreApplication::processEvents();
    QCOMPARE(f.combo->width(), 300);
}

QTEST_MAIN(TestRidimensionatore)
#include "tst_ridimensionatore.moc"
