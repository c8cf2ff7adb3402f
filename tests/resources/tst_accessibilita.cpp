#include "resources/Accessibilita.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <functional>

using Costruttore = std::function<QWidget *(QWidget *)>;
Q_DECLARE_METATYPE(Costruttore)
Q_DECLARE_METATYPE(Immagine)

class TestAccessibilita : public QObject
{
    Q_OBJECT
private slots:
    void unnamedControlsAreFound_data();
    void unnamedControlsAreFound();
    void controlsInsideFramesAreSearchedToo();
    void everyPictureHasASpokenName_data();
    void everyPictureHasASpokenName();
};

void TestAccessibilita::unnamedControlsAreFound_data()
{
    QTest::addColumn<Costruttore>("crea");
    QTest::addColumn<bool>("senzaNome");

    QTest::newRow("button with a caption") << Costruttore([](QWidget *p) {
        return new QPushButton(QStringLiteral("avanti"), p);
    }) << false;
    QTest::newRow("button with a mnemonic only caption") << Costruttore([](QWidget *p) {
        return new QPushButton(QStringLiteral("&"), p);
    }) << true;
    QTest::newRow("picture-only button") << Costruttore([](QWidget *p) {
        auto *b = new QPushButton(p);
        b->setIcon(Immagini::icona(Immagine::Orsetto));
        return b;
    }) << true;
    QTest::newRow("picture-only button, named") << Costruttore([](QWidget *p) {
        auto *b = new QPushButton(p);
        b->setIcon(Immagini::icona(Immagine::Orsetto));
        Accessibilita::nomina(b, Accessibilita::nomeParlato(Immagine::Orsetto));
        return b;
    }) << false;
    QTest::newRow("caption of blanks") << Costruttore([](QWidget *p) {
        return new QPushButton(QStringLiteral("   "), p);
    }) << true;
    QTest::newRow("scroll bar") << Costruttore([](QWidget *p) {
        return new QScrollBar(Qt::Horizontal, p);
    }) << true;
    QTest::newRow("scroll bar, named") << Costruttore([](QWidget *p) {
        auto *s = new QScrollBar(Qt::Horizontal, p);
        Accessibilita::nomina(s, QStringLiteral("Velocità"));
        return s;
    }) << false;
    QTest::newRow("check box") << Costruttore([](QWidget *p) {
        return new QCheckBox(QStringLiteral("Suoni attivati"), p);
    }) << false;
    QTest::newRow("drop-down list") << Costruttore([](QWidget *p) {
        auto *c = new QComboBox(p);
        c->addItem(QStringLiteral("it"));
        return c;
    }) << true;
    QTest::newRow("picture label") << Costruttore([](QWidget *p) {
        auto *l = new QLabel(p);
        l->setPixmap(Immagini::immagine(Immagine::MenuFoche, QSize(81, 73)));
        return l;
    }) << true;
    QTest::newRow("picture label, named") << Costruttore([](QWidget *p) {
        auto *l = new QLabel(p);
        l->setPixmap(Immagini::immagine(Immagine::MenuFoche, QSize(81, 73)));
        Accessibilita::nomina(l, Accessibilita::nomeParlato(Immagine::MenuFoche), QStringLiteral("livello 7"));
        return l;
    }) << false;
    QTest::newRow("text label") << Costruttore([](QWidget *p) {
        return new QLabel(QStringLiteral("Quante locomotive?"), p);
    }) << false;
    // Empty labels are filled at run time; a screen reader skips them.
    QTest::newRow("empty label") << Costruttore([](QWidget *p) { return new QLabel(p); }) << false;
}

void TestAccessibilita::unnamedControlsAreFound()
{
    QFETCH(Costruttore, crea);
    QFETCH(bool, senzaNome);
    QWidget radice;
    QWidget *controllo = crea(&radice);
    controllo->setObjectName(QStringLiteral("Controllo"));
    const QStringList attesi = senzaNome ? QStringList{QStringLiteral("Controllo")} : QStringList();
    QCOMPARE(Accessibilita::senzaNome(&radice), attesi);
}

void TestAccessibilita::controlsInsideFramesAreSearchedToo()
{
    QWidget radice;
    auto *cornice = new QFrame(&radice);
    auto *b = new QPushButton(cornice);
    b->setObjectName(QStringLiteral("BottoneEsci"));
    auto *c = new QComboBox(&radice);
    c->setObjectName(QStringLiteral("Combo1"));
    c->setEditable(true);  // its line edit is the combo's own part
    QCOMPARE(Accessibilita::senzaNome(&radice), (QStringList{QStringLiteral("BottoneEsci"), QStringLiteral("Combo1")}));
    Accessibilita::nomina(b, QStringLiteral("conferma"), QStringLiteral("torna al menù"));
    QCOMPARE(b->accessibleDescription(), QStringLiteral("torna al menù"));
    Accessibilita::nomina(c, QStringLiteral("voce"));
    QVERIFY(Accessibilita::senzaNome(&radice).isEmpty());
}

void TestAccessibilita::everyPictureHasASpokenName_data()
{
    QTest::addColumn<Immagine>("quale");
    for (int i = 0; i <= int(Immagine::Conferma); ++i)
        QTest::newRow(qPrintable(QString::number(i))) << Immagine(i);
}

void TestAccessibilita::everyPictureHasASpokenName()
{
    QFETCH(Immagine, quale);
    const QString nome = Accessibilita::nomeParlato(quale);
    QVERIFY(!nome.trimmed().isEmpty());
    // Spoken words, not identifiers.
    QVERIFY2(nome == nome.toLower() && !nome.contains(QLatin1Char('_')), qPrintable(nome));
}

QTEST_MAIN(TestAccessibilita)
#include "tst_accessibilita.moc"
