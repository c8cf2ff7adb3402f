#pragma once

// What the screens' tests share: fake services with a navigator, showing a
// screen until it has run its activation, finding the visible one, tidying up.

#include "Finti.h"
#include "shell/FabbricaSchermate.h"
#include "core/Schermata.h"
#include "core/Tempo.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// Deletes what waits to be deleted, then every window left; a window's menus and
// popups go with it.
inline void chiudiFinestre()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QPointer<QWidget>> finestre;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            finestre << w;
    for (const QPointer<QWidget> &w : finestre)
        delete w.data();
}

// The one screen shown, if it is of that class. Screens that are going away
// (handed over, not yet deleted) are not counted.
template <typename Tipo = Schermata>
Tipo *visibile()
{
    Schermata *trovata = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *s = qobject_cast<Schermata *>(w);
        if (s && s->isVisible() && !s->congedata()) {
            if (trovata)
                return nullptr;  // two screens at once is a fault
            trovata = s;
        }
    }
    return qobject_cast<Tipo *>(trovata);
}

// Fake services, the screen factory and a clock that moves only when told.
struct Banco {
    ServiziFinti finti;
    FabbricaSchermate navigatore{finti.servizi};
    TempoManuale tempo;
    Banco() { finti.servizi.tempo = &tempo; }
    ~Banco() { chiudiFinestre(); }

    // Time passes on the scan's clock in small ticks, with the event loop turning.
    void passa(int ms)
    {
        for (int fatto = 0; fatto < ms; fatto += 10) {
            tempo.avanza(std::min(10, ms - fatto));
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }
    // A switch or key pressed for `ms` and released, as the window system sends it.
    void premi(Qt::Key tasto, int ms = 100)
    {
        QTest::keyPress(destinatario(), tasto);
        passa(ms);
        // The press may have changed screens: the release goes where the focus is now.
        if (QWidget *verso = destinatario())
            QTest::keyRelease(verso, tasto);
        QCoreApplication::processEvents();
    }
    static QWidget *destinatario()
    {
        QWidget *finestra = visibile();
        return finestra && finestra->focusWidget() ? finestra->focusWidget() : finestra;
    }
};

// Shows the screen as the program does and waits for its activation.
inline bool mostraEAttiva(Schermata *schermata)
{
    QSignalSpy attivata(schermata, &Schermata::attivata);
    schermata->show();
    return attivata.wait(2000) && attivata.count() == 1;
}

// The colour a button's face shows, away from its caption and border.
inline QColor coloreFaccia(QPushButton *bottone)
{
    const QImage immagine = bottone->grab().toImage();
    return immagine.pixelColor(4, immagine.height() / 2);
}
