#pragma once

// What the screens' tests share: fake services with a navigator, showing a
// screen until it has run its activation, finding the visible one, tidying up.

#include "Finti.h"
#include "shell/FabbricaSchermate.h"
#include "core/Schermata.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

inline void chiudiFinestre()
{
    QList<QPointer<QWidget>> finestre;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            finestre << w;
    for (const QPointer<QWidget> &w : finestre)
        delete w.data();
}

// Screens that are going away (handed over, not yet deleted) are not counted.
inline Schermata *visibile()
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
    return trovata;
}

// Deletes the screens only: each takes its menus' popups with it.
inline void chiudiSchermate()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QPointer<Schermata>> schermate;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *s = qobject_cast<Schermata *>(w))
            schermate << s;
    for (const QPointer<Schermata> &s : schermate)
        delete s.data();
}

struct Banco {
    ServiziFinti finti;
    FabbricaSchermate navigatore{finti.servizi};
    ~Banco() { chiudiFinestre(); }
};

// Shows the screen as the program does and waits for its activation.
inline bool mostraEAttiva(Schermata *schermata)
{
    QSignalSpy attivata(schermata, &Schermata::attivata);
    schermata->show();
    return attivata.wait(2000) && attivata.count() == 1;
}

// The one visible top-level screen of that class, or null.
template <typename Tipo>
Tipo *unicaVisibile()
{
    Tipo *trovata = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *candidata = qobject_cast<Tipo *>(w); candidata && candidata->isVisible()) {
            if (trovata)
                return nullptr;
            trovata = candidata;
        }
    }
    return trovata;
}

// The colour a button's face shows, away from its caption and border.
inline QColor coloreFaccia(QPushButton *bottone)
{
    const QImage immagine = bottone->grab().toImage();
    return immagine.pixelColor(4, immagine.height() / 2);
}
