// The floor of start-up on a machine: a bare Qt window with the splash's
// gradient and a 72-point title, and a window of the menu's green on any key,
// so that bench_avvio times it exactly as it times the program. Built by hand
// (see docs/performance.md), linked with Qt Widgets alone.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

class Menu : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), QColor(128, 255, 128)); }
};

class Copertina : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter pittore(this);
        for (int i = 0; i < 256; ++i) {
            const int alto = height() * i / 256, basso = height() * (i + 1) / 256;
            if (basso > alto)
                pittore.fillRect(0, alto, width(), basso - alto, QColor(255 - i, 255, 255 - i));
        }
    }
    void keyPressEvent(QKeyEvent *) override
    {
        auto *menu = new Menu;
        menu->resize(size());
        menu->show();
        hide();
    }
};

}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Copertina copertina;
    copertina.resize(871, 653);
    auto *titolo = new QLabel(QStringLiteral("Calcolotti"), &copertina);
    titolo->setFont(QFont(QStringLiteral("Comic Neue"), 72, QFont::Bold));
    titolo->setGeometry(60, 60, 760, 200);
    copertina.show();
    return app.exec();
}
