#include "exercises/catalog/Catalogo.h"

#include <QRegularExpression>
#include <QtTest>

using namespace Catalogo;

class TestCatalogo : public QObject
{
    Q_OBJECT

private slots:
    void enunciatoLetteraPerLettera_data();
    void enunciatoLetteraPerLettera();
    void domandeEColori_data();
    void domandeEColori();
    void ogniScenaHaTuttiITesti_data();
    void ogniScenaHaTuttiITesti();
    void righeFuoriCatalogoRestanoVuote();
};

void TestCatalogo::enunciatoLetteraPerLettera_data()
{
    QTest::addColumn<Famiglia>("famiglia");
    QTest::addColumn<int>("scena");
    QTest::addColumn<Quantita>("quantita");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("atteso");

    const auto S = Famiglia::Sottrazione;
    const auto A = Famiglia::Addizione;
    QTest::newRow("two-digit total keeps one blank each side")
        << S << 1 << Quantita::Totale << 10 << QStringLiteral("Ci sono 10 locomotive.");
    QTest::newRow("part with own lead words") << S << 1 << Quantita::Parte << 3
                                              << QStringLiteral("Sono partite 3 locomotive.");
    QTest::newRow("rest of ten tubs") << S << 8 << Quantita::Resto << 10
                                      << QStringLiteral("Contengono ancora acqua 10 vasche.");
    QTest::newRow("odd noun phrase kept") << S << 17 << Quantita::Parte << 2
                                          << QStringLiteral("Ci sono 2 aperti.");
    QTest::newRow("zero part") << S << 10 << Quantita::Parte << 0
                               << QStringLiteral("Nessun marziano se ne sta andando.");
    QTest::newRow("single rest") << S << 12 << Quantita::Resto << 1
                                 << QStringLiteral("E' rimasta solo una mela intera.");
    QTest::newRow("double blank kept") << S << 19 << Quantita::Resto << 0
                                       << QString::fromUtf8("Non è  rimasto sulla rampa di lancio nessun missile.");
    QTest::newRow("wrong tap kept in zero tubs") << S << 8 << Quantita::Parte << 0
                                                 << QStringLiteral("Non sono state svuotate rubinetti.");
    QTest::newRow("singular typo kept") << S << 2 << Quantita::Totale << 1
                                        << QString::fromUtf8("C'è un solo elefantini.");
    QTest::newRow("group A plural") << A << 1 << Quantita::GruppoA << 3 << QStringLiteral("Ci sono 3 uccelli blu.");
    QTest::newRow("group B plural") << A << 3 << Quantita::GruppoB << 2 << QStringLiteral("Ci sono 2 api che volano.");
    QTest::newRow("whole of ten") << A << 30 << Quantita::Intero << 10
                                  << QStringLiteral("Ci sono 10 strumenti a corda.");
    QTest::newRow("whole of ten birds") << A << 1 << Quantita::Intero << 10 << QStringLiteral("Ci sono 10 uccelli.");
    QTest::newRow("zero without full stop") << A << 4 << Quantita::GruppoB << 0
                                            << QStringLiteral("Non ci sono tartarughe che sbucano dal guscio");
    QTest::newRow("group A one") << A << 13 << Quantita::GruppoA << 1
                                 << QString::fromUtf8("C'è un solo pipistrello appesi al ramo.");
    QTest::newRow("group A zero") << A << 20 << Quantita::GruppoA << 0 << QStringLiteral("Non ci sono pere.");
    QTest::newRow("group B one") << A << 6 << Quantita::GruppoB << 1 << QString::fromUtf8("C'è un solo scimpanzè.");
    QTest::newRow("whole of one") << A << 29 << Quantita::Intero << 1 << QString::fromUtf8("C'è una solo crostaceo.");
}

void TestCatalogo::enunciatoLetteraPerLettera()
{
    QFETCH(Famiglia, famiglia);
    QFETCH(int, scena);
    QFETCH(Quantita, quantita);
    QFETCH(int, n);
    QFETCH(QString, atteso);
    TabellaFrasi tabella;
    LeggiFrasi(famiglia, tabella);
    QCOMPARE(enunciato(tabella, scena, quantita, n), atteso);
}

void TestCatalogo::domandeEColori_data()
{
    QTest::addColumn<Famiglia>("famiglia");
    QTest::addColumn<int>("scena");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("atteso");
    const auto S = Famiglia::Sottrazione;
    const auto A = Famiglia::Addizione;
    QTest::newRow("sub total question") << S << 2 << int(SlotSottrazione::DomandaTotale) << QStringLiteral("Quanti elefantini?");
    QTest::newRow("sub same question other story") << S << 6 << int(SlotSottrazione::DomandaTotale) << QStringLiteral("Quanti elefantini?");
    QTest::newRow("sub part typo") << S << 15 << int(SlotSottrazione::DomandaParte) << QStringLiteral("In quandi vasi spunta il fiore?");
    QTest::newRow("sub rest question") << S << 1 << int(SlotSottrazione::DomandaResto) << QStringLiteral("Quante locomotive rimangono ferme?");
    QTest::newRow("sub colour 15") << S << 15 << int(SlotSottrazione::Colore) << QStringLiteral("0033CC");
    QTest::newRow("sub colour 16") << S << 16 << int(SlotSottrazione::Colore) << QStringLiteral("0033CC");
    QTest::newRow("sub colour 22") << S << 22 << int(SlotSottrazione::Colore) << QStringLiteral("FFFFFF");
    QTest::newRow("add question A") << A << 17 << int(SlotAddizione::DomandaA) << QStringLiteral("Quante aeroplani?");
    QTest::newRow("add question B") << A << 17 << int(SlotAddizione::DomandaB) << QStringLiteral("Quanti elicotteri?");
    QTest::newRow("add whole question") << A << 12 << int(SlotAddizione::DomandaIntero) << QStringLiteral("Quanti animali?");
    QTest::newRow("add lower-case colour") << A << 2 << int(SlotAddizione::Colore) << QStringLiteral("66ffff");
    QTest::newRow("add colour 29") << A << 29 << int(SlotAddizione::Colore) << QStringLiteral("000066");
}

void TestCatalogo::domandeEColori()
{
    QFETCH(Famiglia, famiglia);
    QFETCH(int, scena);
    QFETCH(int, slot);
    QFETCH(QString, atteso);
    TabellaFrasi tabella;
    LeggiFrasi(famiglia, tabella);
    QCOMPARE(tabella.frase(scena, slot), atteso);
}

void TestCatalogo::ogniScenaHaTuttiITesti_data()
{
    QTest::addColumn<Famiglia>("famiglia");
    QTest::addColumn<int>("scena");
    for (int s = 1; s <= 23; ++s)
        QTest::addRow("sottrazione %d", s) << Famiglia::Sottrazione << s;
    for (int s = 1; s <= 30; ++s)
        QTest::addRow("addizione %d", s) << Famiglia::Addizione << s;
}

// Over every scene: questions end with a question mark, plural statements put
// the number between single blanks, the colour is six hex digits, and the only
// letter outside plain ASCII is è.
void TestCatalogo::ogniScenaHaTuttiITesti()
{
    QFETCH(Famiglia, famiglia);
    QFETCH(int, scena);
    TabellaFrasi tabella;
    LeggiFrasi(famiglia, tabella);
    const bool sottrazione = famiglia == Famiglia::Sottrazione;
    const QList<int> domande = sottrazione ? QList<int>{0, 4, 9} : QList<int>{0, 5, 10};
    for (int slot : domande)
        QVERIFY2(tabella.frase(scena, slot).endsWith(QLatin1Char('?')), qPrintable(tabella.frase(scena, slot)));
    const QList<Quantita> quantita = sottrazione
        ? QList<Quantita>{Quantita::Totale, Quantita::Parte, Quantita::Resto}
        : QList<Quantita>{Quantita::GruppoA, Quantita::GruppoB, Quantita::Intero};
    for (Quantita q : quantita) {
        for (int n : {0, 1, 2, 10}) {
            const QString testo = enunciato(tabella, scena, q, n);
            QVERIFY(!testo.isEmpty());
            QCOMPARE(testo.trimmed(), testo);
            // The total and the whole are never zero and have no zero statement.
            const bool senzaZero = q == Quantita::Totale || q == Quantita::Intero;
            if (n >= 2 || (n == 0 && senzaZero))
                QVERIFY2(testo.contains(QStringLiteral(" %1 ").arg(n)), qPrintable(testo));
            else
                QVERIFY2(!testo.contains(QRegularExpression(QStringLiteral("\\d"))), qPrintable(testo));
        }
    }
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{6}$")).match(tabella.frase(scena, 14)).hasMatch());
    for (int slot = 0; slot < TabellaFrasi::Slot; ++slot) {
        for (QChar c : tabella.frase(scena, slot))
            QVERIFY(c.unicode() < 128 || c == QChar(0x00E8));
    }
}

void TestCatalogo::righeFuoriCatalogoRestanoVuote()
{
    TabellaFrasi tabella;
    LeggiFrasi(Famiglia::Sottrazione, tabella);
    QVERIFY(tabella.frase(0, 0).isEmpty());
    QVERIFY(tabella.frase(24, 0).isEmpty());
    QVERIFY(!tabella.frase(23, 0).isEmpty());
    QVERIFY(tabella.frase(101, 0).isEmpty());
    QVERIFY(tabella.frase(5, 15).isEmpty());
    LeggiFrasi(Famiglia::Addizione, tabella);
    QVERIFY(!tabella.frase(30, 14).isEmpty());
    QVERIFY(tabella.frase(31, 0).isEmpty());
}

QTEST_APPLESS_MAIN(TestCatalogo)
#include "tst_catalogo.moc"
