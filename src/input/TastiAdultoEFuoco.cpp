// The input controller's keys for the adult (F7 and F8 for the speed, F10
// for the menu bar) and the focus it keeps for assistive technology.
#include "input/ControlloreInput.h"

#include "core/Italiano.h"
#include "core/Registri.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "input/Evidenziazione.h"
#include "resources/AvvisoBreve.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int VelocitaMinima = 1, VelocitaMassima = 60;  // quarter seconds

}

bool ControlloreInput::tastoDelCuratore(QObject *oggetto, QKeyEvent *tasto)
{
    // Once F10 has opened the menu bar, the adult walks it with the arrows,
    // Enter and Escape; a switch's Space still goes to the scan.
    auto *barra = qobject_cast<QMenuBar *>(oggetto);
    if (!barra || !barra->activeAction())
        return false;
    switch (tasto->key()) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

void ControlloreInput::apriBarraMenu()
{
    // Only a screen's own controller: a confirmation or a trial row has no menu bar.
    if (!m_schermata->isWindow())
        return;
    auto *barra = m_schermata->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (!barra || barra->actions().isEmpty())
        return;
    qCDebug(lcInput).noquote() << Registri::momento() << "menu bar opened with F10";
    QAction *prima = barra->actions().first();
    if (prima->menu()) {
        barra->setActiveAction(prima);
        return;
    }
    // A bar of plain commands (an exercise's) opens as one menu under itself.
    auto *comandi = new QMenu(barra);
    comandi->setObjectName(QStringLiteral("menuDaTastiera"));
    comandi->setAttribute(Qt::WA_DeleteOnClose);
    comandi->addActions(barra->actions());
    comandi->setActiveAction(prima);
    comandi->popup(barra->mapToGlobal(QPoint(0, barra->height())));
}

void ControlloreInput::cambiaVelocita(int quarti)
{
    StatoProgramma &stato = m_servizi.stato;
    const int attuale = std::clamp<int>(stato.VelocitaScansione, VelocitaMinima, VelocitaMassima);
    stato.VelocitaScansione = int16_t(std::clamp(attuale + quarti, VelocitaMinima, VelocitaMassima));
    m_modello.impostaIntervallo(intervalloScansioneMs(stato));
    const QString testo = Italiano::testoVelocitaScansione(stato.VelocitaScansione);
    qCDebug(lcInput).noquote() << Registri::momento() << "speed" << testo;
    AvvisoBreve::mostra(m_schermata, QStringLiteral("avvisoVelocita"), testo);
}

void ControlloreInput::tieniFuoco(QWidget *nascosta)
{
    // A chosen item that hides hands the focus to the next choice on offer,
    // never to the window, whose name a screen reader would read again.
    if (!scansione() || !inAscolto() || !m_schermata->isAncestorOf(nascosta))
        return;
    QVector<QWidget *> candidate;
    for (const QVector<QWidget *> &gruppo : m_bersaglio.scelte())
        candidate += gruppo;
    // Then what was on offer, the last group first: "ripeti" and "menù" stay.
    for (int fine = int(m_scelte.size()), g = int(m_dimensioni.size()) - 1; g >= 0; --g) {
        candidate += m_scelte.mid(fine - m_dimensioni[g], m_dimensioni[g]);
        fine -= m_dimensioni[g];
    }
    for (QWidget *w : std::as_const(candidate)) {
        if (w && w != nascosta && w->isVisible() && !nascosta->isAncestorOf(w)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void ControlloreInput::daiFuoco(QWidget *w)
{
    if (!w)
        return;
    // Without an active window there is no focus to give, and a control that
    // keeps it is not told again: tell assistive technology directly.
    if (m_schermata->window()->isActiveWindow() && !w->hasFocus())
        w->setFocus(Qt::OtherFocusReason);
    else
        Evidenziazione::annunciaEvidenziato(w);
}
