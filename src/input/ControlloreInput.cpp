#include "input/ControlloreInput.h"

#include "core/Schermata.h"
#include "core/StatoProgramma.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace {

bool invio(int tasto) { return tasto == Qt::Key_Return || tasto == Qt::Key_Enter; }

constexpr int IntervalloFuoco = 100;

}

ControlloreInput::ControlloreInput(QWidget *schermata, BersaglioScansione &bersaglio,
                                   TipoSchermata tipo, const StatoProgramma &stato, int attesaRilascioMs)
    : QObject(schermata)
    , m_schermata(schermata)
    , m_bersaglio(bersaglio)
    , m_tipo(tipo)
    , m_stato(stato)
    , m_attesaRilascioMs(std::max(0, attesaRilascioMs))
{
    m_timer.setInterval(IntervalloFuoco);
    connect(&m_timer, &QTimer::timeout, this, &ControlloreInput::Timer1_Timer);
    m_rilascio.setSingleShot(true);
    connect(&m_rilascio, &QTimer::timeout, this, &ControlloreInput::completaRilascio);
    qApp->installEventFilter(this);
}

int16_t ControlloreInput::modalita() const
{
    return m_stato.ModalitaInput;
}

void ControlloreInput::prepara()
{
    m_sospeso = false;
    m_premuti.clear();
    m_rilascio.stop();

    // The screen alone keeps the focus: a button that held it would press
    // itself on Space, a check box would toggle.
    m_schermata->setFocusPolicy(Qt::StrongFocus);
    const auto figli = m_schermata->findChildren<QWidget *>();
    for (QWidget *figlio : figli) {
        if (!figlio->isWindow())
            figlio->setFocusPolicy(Qt::NoFocus);
    }

    switch (modalita()) {
    case Modalita::ScansioneManuale:
    case Modalita::Frecce:
        m_timer.setInterval(IntervalloFuoco);
        m_timer.start();
        tieniFuoco();
        break;
    case Modalita::ScansioneAutomatica:
        m_timer.setInterval(intervalloScansioneMs(m_stato));
        m_timer.start();
        tieniFuoco();
        break;
    default:
        m_timer.stop();
        break;
    }
}

void ControlloreInput::sospendi()
{
    m_sospeso = true;
    m_premuti.clear();
    m_rilascio.stop();
    m_timer.stop();
}

bool ControlloreInput::clicSuSceltaAccettato() const
{
    return modalita() == Modalita::Mouse;
}

bool ControlloreInput::inAscolto() const
{
    if (m_sospeso || !m_schermata->isVisible())
        return false;
    const auto *schermata = qobject_cast<const Schermata *>(m_schermata);
    return !(schermata && schermata->congedata());
}

void ControlloreInput::tieniFuoco()
{
    // Only inside our own active window, and never while a menu is open:
    // the focus must not be pulled out of a dialog or a popup.
    if (!m_schermata->isActiveWindow() || QApplication::activePopupWidget())
        return;
    if (QApplication::focusWidget() != m_schermata)
        m_schermata->setFocus(Qt::OtherFocusReason);
}

bool ControlloreInput::eventFilter(QObject *oggetto, QEvent *evento)
{
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::KeyPress && tipo != QEvent::KeyRelease && tipo != QEvent::ShortcutOverride)
        return false;
    if (!oggetto->isWidgetType() || static_cast<QWidget *>(oggetto)->window() != m_schermata)
        return false;
    const int16_t modo = modalita();
    if (modo < Modalita::ScansioneManuale || modo > Modalita::Frecce || !inAscolto())
        return false;

    auto *tasto = static_cast<QKeyEvent *>(evento);
    if (tipo == QEvent::ShortcutOverride) {
        // Claimed, so that no shortcut of the window fires instead.
        tasto->accept();
        return true;
    }
    if (tipo == QEvent::KeyPress)
        tastoGiu(tasto->key(), tasto->isAutoRepeat());
    else
        tastoSu(tasto->key(), tasto->isAutoRepeat());
    return true;
}

void ControlloreInput::tastoGiu(int tasto, bool ripetuto)
{
    if (m_rilascio.isActive()) {
        if (tasto == m_tastoRilasciato) {
            // The key never went up: that release was an auto-repeat.
            m_rilascio.stop();
            ripetuto = true;
        } else {
            QPointer<ControlloreInput> vivo(this);
            completaRilascio();
            if (!vivo || !inAscolto())
                return;
        }
    }
    if (!ripetuto)
        m_premuti.insert(tasto);
    else if (!m_premuti.contains(tasto))
        // Held since before this screen came up (the Enter that opened it):
        // not a stroke meant for it.
        return;
    switch (modalita()) {
    case Modalita::ScansioneManuale:
        PictureScansioneManuale_KeyDown(tasto, ripetuto);
        break;
    case Modalita::ScansioneAutomatica:
        PictureScansioneAutomatica_KeyDown(tasto, ripetuto);
        break;
    case Modalita::Frecce:
        PictureFrecce_KeyDown(tasto, ripetuto);
        break;
    default:
        break;
    }
}

void ControlloreInput::tastoSu(int tasto, bool ripetuto)
{
    // Auto-repeat sends release-press pairs while a key is held: only the
    // last, real release counts. A release whose press went elsewhere (the
    // Enter that opened this screen from the menu) is not ours.
    if (ripetuto || !m_premuti.contains(tasto))
        return;
    if (m_rilascio.isActive()) {
        QPointer<ControlloreInput> vivo(this);
        completaRilascio();
        if (!vivo || !inAscolto())
            return;
    }
    if (m_attesaRilascioMs == 0) {
        m_premuti.remove(tasto);
        rilascia(tasto);
        return;
    }
    m_tastoRilasciato = tasto;
    m_rilascio.start(m_attesaRilascioMs);
}

void ControlloreInput::completaRilascio()
{
    m_rilascio.stop();
    if (!m_premuti.remove(m_tastoRilasciato) || !inAscolto())
        return;
    rilascia(m_tastoRilasciato);
}

void ControlloreInput::rilascia(int tasto)
{
    switch (modalita()) {
    case Modalita::ScansioneAutomatica:
        PictureScansioneAutomatica_KeyUp(tasto);
        break;
    case Modalita::Frecce:
        PictureFrecce_KeyUp(tasto);
        break;
    default:
        break;
    }
}

void ControlloreInput::PictureScansioneManuale_KeyDown(int tasto, bool ripetuto)
{
    if (modalita() != Modalita::ScansioneManuale)
        return;
    if (tasto == Qt::Key_Space)
        m_bersaglio.seguente();
    else if (invio(tasto) && !ripetuto)
        // A switch held down selects once, not at the keyboard's repeat rate.
        m_bersaglio.seleziona();
}

void ControlloreInput::PictureScansioneAutomatica_KeyDown(int, bool)
{
    m_timer.stop();
}

void ControlloreInput::PictureScansioneAutomatica_KeyUp(int tasto)
{
    if (modalita() != Modalita::ScansioneAutomatica)
        return;
    QPointer<ControlloreInput> vivo(this);
    if (tasto == Qt::Key_Space)
        m_bersaglio.seleziona();
    // The selection may have closed or hidden the screen; then it stays still.
    if (!vivo || m_tipo != TipoSchermata::Esercizio || !inAscolto()
        || modalita() != Modalita::ScansioneAutomatica)
        return;
    m_timer.start();
}

void ControlloreInput::PictureFrecce_KeyDown(int tasto, bool ripetuto)
{
    if (modalita() != Modalita::Frecce || m_tipo != TipoSchermata::Menu)
        return;
    switch (tasto) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        m_bersaglio.seguente();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        m_bersaglio.precedente();
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!ripetuto)
            m_bersaglio.seleziona();
        break;
    default:
        break;
    }
}

void ControlloreInput::PictureFrecce_KeyUp(int tasto)
{
    if (modalita() != Modalita::Frecce || m_tipo != TipoSchermata::Esercizio)
        return;
    switch (tasto) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        m_bersaglio.seguente();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        m_bersaglio.precedente();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_bersaglio.seleziona();
        break;
    default:
        break;
    }
}

void ControlloreInput::Timer1_Timer()
{
    if (!inAscolto())
        return;
    switch (modalita()) {
    case Modalita::ScansioneManuale:
    case Modalita::Frecce:
        tieniFuoco();
        break;
    case Modalita::ScansioneAutomatica:
        tieniFuoco();
        // An exercise stands still while "avanti" waits to be chosen.
        if (m_tipo == TipoSchermata::Menu || !m_bersaglio.scansioneSospesa())
            m_bersaglio.seguente();
        break;
    default:
        break;
    }
}
