#include "shell/Main.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

// The real program with a child at its switch: once the splash is up, one
// press of Space opens the menu. Nothing else of the program is replaced.
static void bambino()
{
    QTimer::singleShot(800, [] {
        QWidget *verso = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        if (!verso)
            return;
        QKeyEvent giu(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(verso, &giu);
        QKeyEvent su(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(verso, &su);
    });
}
Q_COREAPP_STARTUP_FUNCTION(bambino)

int main(int argc, char **argv)
{
    return Main(argc, argv);
}
