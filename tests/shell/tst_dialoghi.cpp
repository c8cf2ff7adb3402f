#include "config/SceltaColoreDialogo.h"
#include "shell/Main.h"
#include "shell/Piattaforma.h"

#include <QApplication>
#include <QColorDialog>
#include <QDirIterator>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Qt's own dialogs as the program opens them: in Italian, and writing nothing.
class TestDialoghi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sceltaColore_data();
    void sceltaColore();
    void domandaInItaliano();

private:
    QTemporaryDir m_casa;
};

namespace {

enum class Risposta { Ok, Annulla, Chiudi, VaViaLaFinestra };

// Runs once the modal dialog of that class is open.
template <typename Dialogo>
void quandoAperto(const std::function<void(Dialogo *)> &azione)
{
    if (auto *dialogo = qobject_cast<Dialogo *>(QApplication::activeModalWidget()))
        return azione(dialogo);
    QTimer::singleShot(10, [azione] { quandoAperto<Dialogo>(azione); });
}

QStringList testiDeiPulsanti(QWidget *dialogo)
{
    QStringList testi;
    for (QPushButton *pulsante : dialogo->findChildren<QPushButton *>())
        testi << pulsante->text().remove(QLatin1Char('&'));
    return testi;
}

}

void TestDialoghi::initTestCase()
{
    // Qt keeps its user settings under these; nothing may appear there.
    for (const char *variabile : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variabile, m_casa.path().toLocal8Bit());
    PreparaApplicazione();
}

void TestDialoghi::sceltaColore_data()
{
    QTest::addColumn<int>("risposta");
    QTest::addColumn<bool>("esito");
    QTest::addColumn<QColor>("portatoreDopo");
    QTest::newRow("OK writes the pick into the carrier") << int(Risposta::Ok) << true << QColor(12, 34, 56);
    QTest::newRow("Annulla changes nothing") << int(Risposta::Annulla) << false << QColor(0, 0, 128);
    QTest::newRow("closing changes nothing") << int(Risposta::Chiudi) << false << QColor(0, 0, 128);
    QTest::newRow("the owner going away while open") << int(Risposta::VaViaLaFinestra) << false << QColor();
}

void TestDialoghi::sceltaColore()
{
    QFETCH(int, risposta);
    QFETCH(bool, esito);
    QFETCH(QColor, portatoreDopo);
    // Colours an earlier user left behind must not show.
    QColorDialog::setCustomColor(0, QColor(255, 0, 0));
    QPointer<QWidget> finestra = new QWidget;
    QPointer<QLabel> portatore = new QLabel(finestra);
    QPalette palette = portatore->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    portatore->setPalette(palette);
    finestra->show();

    QStringList visto;
    quandoAperto<QColorDialog>([&](QColorDialog *dialogo) {
        visto << dialogo->currentColor().name() << testiDeiPulsanti(dialogo);
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            visto << QColorDialog::customColor(i).name();
        dialogo->setCurrentColor(QColor(12, 34, 56));
        switch (Risposta(risposta)) {
        case Risposta::Ok: return dialogo->accept();
        case Risposta::Annulla: return dialogo->reject();
        case Risposta::Chiudi: dialogo->close(); return;
        case Risposta::VaViaLaFinestra: delete finestra.data();
        }
    });
    QCOMPARE(SceltaColoreDialogo().ScegliColore(finestra, portatore), esito);

    // It opens on black, with black custom colours, speaking Italian.
    QCOMPARE(visto.value(0), QStringLiteral("#000000"));
    QVERIFY2(visto.contains(QStringLiteral("Annulla")), qPrintable(visto.join(u',')));
    QCOMPARE(visto.count(QStringLiteral("#000000")), QColorDialog::customCount() + 1);
    if (portatoreDopo.isValid())
        QCOMPARE(portatore->palette().color(QPalette::WindowText), portatoreDopo);
    else
        QVERIFY(!portatore);
    delete finestra.data();
    // The user's files, Qt's shared QtProject.conf among them, are left alone.
    QStringList scritti;
    for (QDirIterator i(m_casa.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
         i.hasNext();)
        scritti << i.next();
    QCOMPARE(scritti, QStringList());
}

void TestDialoghi::domandaInItaliano()
{
    QStringList pulsanti;
    quandoAperto<QMessageBox>([&pulsanti](QMessageBox *scatola) {
        pulsanti = testiDeiPulsanti(scatola);
        scatola->button(QMessageBox::No)->click();
    });
    QVERIFY(!DialoghiMessaggi().domanda(nullptr, QStringLiteral("Calcolotti"), QStringLiteral("Vuoi tornare al menù?")));
    pulsanti.sort();
    QCOMPARE(pulsanti, (QStringList{QStringLiteral("No"), QStringLiteral("Sì")}));
}

QTEST_MAIN(TestDialoghi)
#include "tst_dialoghi.moc"
