#include "core/Twips.h"
#include "exercises/AspettoEsercizio.h"
#include "exercises/catalog/Catalogo.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QtTest>

using namespace Catalogo;

class TestCatalogo : public QObject
{
    Q_OBJECT

private slots:
    void enunciato_data()
    {
        QTest::addColumn<int>("scena");  // negative: an addition scene
        QTest::addColumn<Quantita>("quantita");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("plurale con le sue parole") << 1 << Quantita::Parte << 3 << "Sono partite 3 locomotive.";
        QTest::newRow("dieci") << 8 << Quantita::Resto << 10 << "Contengono ancora acqua 10 vasche.";
        QTest::newRow("due non e' uno") << 17 << Quantita::Parte << 2 << "Ci sono 2 libri aperti.";
        QTest::newRow("nessuno") << 8 << Quantita::Parte << 0 << "Non sono state svuotate vasche.";
        QTest::newRow("uno") << 1 << Quantita::Resto << 1 << "\u00c8 rimasta ferma una sola locomotiva.";
        QTest::newRow("gruppo A uno") << -18 << Quantita::GruppoA << 1 << "C'\u00e8 un solo disco volante in cielo.";
        QTest::newRow("gruppo B nessuno") << -4 << Quantita::GruppoB << 0 << "Non ci sono tartarughe che sbucano dal guscio.";
        QTest::newRow("intero") << -30 << Quantita::Intero << 7 << "Ci sono 7 strumenti a corda.";
    }
    void enunciato()
    {
        QFETCH(int, scena);
        QFETCH(Quantita, quantita);
        QFETCH(int, n);
        QFETCH(QString, atteso);
        TabellaFrasi tabella;
        LeggiFrasi(scena < 0 ? Famiglia::Addizione : Famiglia::Sottrazione, tabella);
        QCOMPARE(Catalogo::enunciato(tabella, std::abs(scena), quantita, n), atteso);
    }

    void ogniFraseCorretta_data()
    {
        QTest::addColumn<Famiglia>("famiglia");
        QTest::addColumn<int>("scena");
        for (const Famiglia famiglia : {Famiglia::Sottrazione, Famiglia::Addizione})
            for (int s = 1; s <= numeroScene(famiglia); ++s)
                QTest::addRow("%s %d", famiglia == Famiglia::Addizione ? "addizione" : "sottrazione", s) << famiglia << s;
    }
    // Every sentence in every form a screen builds: what a proofreader sees without the story; two lines at most.
    void ogniFraseCorretta()
    {
        QFETCH(Famiglia, famiglia);
        QFETCH(int, scena);
        TabellaFrasi tabella;
        LeggiFrasi(famiglia, tabella);
        const bool sottrazione = famiglia == Famiglia::Sottrazione;
        const auto quantita = sottrazione ? QList<Quantita>{Quantita::Totale, Quantita::Parte, Quantita::Resto}
                                          : QList<Quantita>{Quantita::GruppoA, Quantita::GruppoB, Quantita::Intero};
        static const QRegularExpression errori(QStringLiteral(
            "  |\\b(\\w+) \\1\\b|\\bun solo \\w+i\\b|\\buna solo\\b|\\bun sola\\b|\\bQuanti \\w+e\\b|[^ -~\u00c8\u00e8\u00e9]"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
        for (int i = 0; i < 3; ++i) {
            for (int n = -1; n <= 10; ++n) {
                const bool domanda = n < 0;
                const QString testo = domanda ? tabella.frase(scena, sottrazione ? QList<int>{0, 4, 9}[i] : i * 5)
                                              : Catalogo::enunciato(tabella, scena, quantita[i], n);
                const bool numero = n >= 2 || (n == 0 && (quantita[i] == Quantita::Totale || quantita[i] == Quantita::Intero));
                QVERIFY2(testo.contains(QRegularExpression(QStringLiteral("^\\D+ %1 \\D+$").arg(n))) == numero, qPrintable(testo));
                QVERIFY2(!testo.contains(errori) && testo.at(0).isUpper() && testo.endsWith(domanda ? '?' : '.'), qPrintable(testo));
                const QFontMetrics metrica(AspettoEsercizio::carattere(QStringLiteral("Verdana"), 9.75, !domanda, domanda));
                const QRect riquadro = metrica.boundingRect(QRect(0, 0, Twips::px(4455), 1000), Qt::TextWordWrap, testo);
                QVERIFY2(riquadro.height() <= Twips::px(495), qPrintable(testo));  // the label's height: two lines
            }
        }
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{6}$")).match(tabella.frase(scena, 14)).hasMatch());
    }
};

QTEST_MAIN(TestCatalogo)
#include "tst_catalogo.moc"
