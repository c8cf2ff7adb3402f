#pragma once

// Replays a recorded input sequence on a widget, as a switch or keyboard user
// would produce it. Tokens, separated by blanks:
//   Space      press and release
//   Space+     press only (the key goes down and stays)
//   Space*     one auto-repeat of a held key: a repeated release and press
//   Space~     the same pair with the repeat mark missing, as a busy window
//              system may deliver it
//   Space-     release
//   T          one tick of the scanning timer, if it is running
//   W          a pause of 150 ms with the event loop running
// Keys: Space, Enter, Invio (keypad Enter), Right, Left, Up, Down, Tab, A.

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace SequenzaTasti {

inline Qt::Key tasto(const QString &nome)
{
    if (nome == QLatin1String("Space"))
        return Qt::Key_Space;
    if (nome == QLatin1String("Enter"))
        return Qt::Key_Return;
    if (nome == QLatin1String("Invio"))
        return Qt::Key_Enter;
    if (nome == QLatin1String("Right"))
        return Qt::Key_Right;
    if (nome == QLatin1String("Left"))
        return Qt::Key_Left;
    if (nome == QLatin1String("Up"))
        return Qt::Key_Up;
    if (nome == QLatin1String("Down"))
        return Qt::Key_Down;
    if (nome == QLatin1String("Tab"))
        return Qt::Key_Tab;
    if (nome == QLatin1String("A"))
        return Qt::Key_A;
    qFatal("unknown key in sequence: %s", qPrintable(nome));
    return Qt::Key_unknown;
}

inline void ripetizione(QWidget *destinatario, Qt::Key k, bool marcata = true)
{
    const QString testo = k == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QKeyEvent su(QEvent::KeyRelease, k, Qt::NoModifier, testo, marcata);
    QApplication::sendEvent(destinatario, &su);
    QKeyEvent giu(QEvent::KeyPress, k, Qt::NoModifier, testo, marcata);
    QApplication::sendEvent(destinatario, &giu);
}

// `tick` runs for each T; `destinatario` may change between tokens (a new
// screen), so it is asked anew for every token.
inline void riproduci(const QString &sequenza, const std::function<QWidget *()> &destinatario,
                      const std::function<void()> &tick)
{
    const QStringList gettoni = sequenza.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &gettone : gettoni) {
        if (gettone == QLatin1String("T")) {
            tick();
            continue;
        }
        if (gettone == QLatin1String("W")) {
            QTest::qWait(150);
            continue;
        }
        QWidget *w = destinatario();
        if (!w)
            return;
        const QChar ultimo = gettone.back();
        if (ultimo == QLatin1Char('+'))
            QTest::keyPress(w, tasto(gettone.chopped(1)));
        else if (ultimo == QLatin1Char('-'))
            QTest::keyRelease(w, tasto(gettone.chopped(1)));
        else if (ultimo == QLatin1Char('*'))
            ripetizione(w, tasto(gettone.chopped(1)));
        else if (ultimo == QLatin1Char('~'))
            ripetizione(w, tasto(gettone.chopped(1)), false);
        else
            QTest::keyClick(w, tasto(gettone));
    }
}

// A tick as the running timer would give it: nothing while it is stopped.
inline std::function<void()> tickSe(QTimer &timer, std::function<void()> azione)
{
    return [&timer, azione] {
        if (timer.isActive())
            azione();
    };
}

}
