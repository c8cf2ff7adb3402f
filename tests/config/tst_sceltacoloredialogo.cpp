#include "config/SceltaColoreDialogo.h"

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

// The real chooser, driven through Qt's own dialog while it is open.
class TestSceltaColoreDialogo : public QObject
{
    Q_OBJECT

private slots:
    void answersAndStartsAfresh_data();
    void answersAndStartsAfresh();
};

namespace {

enum class Risposta { Ok, Annulla, Chiudi, VaViaLaFinestra };

struct Osservato {
    bool aperto = false;
    QColor iniziale;
    QList<QColor> personalizzati;
};

// Waits for the modal colour dialog, notes what it shows, then answers.
void rispondi(Risposta risposta, const QColor &scelta, Osservato &visto, QWidget *finestra)
{
    auto *dialogo = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
    if (!dialogo) {
        QTimer::singleShot(10, [=, &visto] { rispondi(risposta, scelta, visto, finestra); });
        return;
    }
    visto.aperto = true;
    visto.iniziale = dialogo->currentColor();
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        visto.personalizzati << QColorDialog::customColor(i);
    switch (risposta) {
    case Risposta::Ok:
        dialogo->setCurrentColor(scelta);
        dialogo->accept();
        break;
    case Risposta::Annulla:
        dialogo->reject();
        break;
    case Risposta::Chiudi:
        dialogo->close();
        break;
    case Risposta::VaViaLaFinestra:
        dialogo->setCurrentColor(scelta);
        delete finestra;
        break;
    }
}

}

void TestSceltaColoreDialogo::answersAndStartsAfresh_data()
{
    QTest::addColumn<int>("risposta");
    QTest::addColumn<QColor>("scelta");
    QTest::addColumn<bool>("esito");
    QTest::addColumn<QColor>("portatoreDopo");

    const QColor prima(0, 0, 128);
    QTest::newRow("OK writes the pick into the carrier")
        << int(Risposta::Ok) << QColor(12, 34, 56) << true << QColor(12, 34, 56);
    QTest::newRow("OK on pure red") << int(Risposta::Ok) << QColor(255, 0, 0) << true << QColor(255, 0, 0);
    QTest::newRow("cancel changes nothing") << int(Risposta::Annulla) << QColor(12, 34, 56) << false << prima;
    QTest::newRow("closing changes nothing") << int(Risposta::Chiudi) << QColor(12, 34, 56) << false << prima;
    QTest::newRow("owner going away while open answers no")
        << int(Risposta::VaViaLaFinestra) << QColor(12, 34, 56) << false << QColor();
}

void TestSceltaColoreDialogo::answersAndStartsAfresh()
{
    QFETCH(int, risposta);
    QFETCH(QColor, scelta);
    QFETCH(bool, esito);
    QFETCH(QColor, portatoreDopo);

    // Colours an earlier user left behind must not show.
    QColorDialog::setCustomColor(0, QColor(255, 0, 0));
    QColorDialog::setCustomColor(QColorDialog::customCount() - 1, QColor(0, 255, 0));

    QPointer<QWidget> finestra = new QWidget;
    QPointer<QLabel> portatore = new QLabel(QStringLiteral("LabelPerColore"), finestra);
    QPalette palette = portatore->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    portatore->setPalette(palette);
    finestra->show();

    Osservato visto;
    QTimer::singleShot(0, [&] { rispondi(Risposta(risposta), scelta, visto, finestra); });
    SceltaColoreDialogo scelta_;
    QCOMPARE(scelta_.ScegliColore(finestra, portatore), esito);

    QVERIFY(visto.aperto);
    QCOMPARE(visto.iniziale, QColor(Qt::black));
    QCOMPARE(visto.personalizzati.size(), QColorDialog::customCount());
    for (const QColor &colore : std::as_const(visto.personalizzati))
        QCOMPARE(colore, QColor(Qt::black));
    if (portatoreDopo.isValid())
        QCOMPARE(portatore->palette().color(QPalette::WindowText), portatoreDopo);
    else
        QVERIFY(!portatore);
    delete finestra.data();
}

QTEST_MAIN(TestSceltaColoreDialogo)
#include "tst_sceltacoloredialogo.moc"
