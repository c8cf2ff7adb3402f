#include "core/Schermata.h"

#include "core/Navigatore.h"
#include "core/Servizi.h"

#include <QCloseEvent>
#include <QPointer>
#include <QShowEvent>
#include <QTimer>

Schermata::Schermata(Servizi &servizi, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_servizi(servizi)
{
    setWindowTitle(QString());
}

void Schermata::cediA(Schermata *altra, Cessione modo)
{
    if (!altra || altra == this)
        return;
    altra->m_congedata = false;
    altra->setGeometry(geometry());
    altra->setWindowState(windowState());
    altra->show();
    altra->raise();
    altra->activateWindow();
    hide();
    if (modo == Cessione::Distruggi) {
        m_congedata = true;
        deleteLater();
    }
}

void Schermata::richiestaChiusura()
{
    if (m_servizi.navigatore)
        cediA(m_servizi.navigatore->crea(IdSchermata::Menu));
}

void Schermata::showEvent(QShowEvent *event)
{
    // The program's name where a screen has no title of its own; the window
    // system adds nothing to a title ("Calcolotti – Progressi" stays as it is).
    if (windowTitle().isEmpty())
        setWindowTitle(QStringLiteral("Calcolotti"));
    QWidget::showEvent(event);
    // A spontaneous show comes from the window system (un-minimising): that is
    // not an activation. Activation is queued so the hand-over completes first.
    if (event->spontaneous() || m_attivazioneInAttesa)
        return;
    m_attivazioneInAttesa = true;
    QTimer::singleShot(0, this, [this] {
        m_attivazioneInAttesa = false;
        if (isVisible() && !m_congedata) {
            // Activation may speak and wait; the screen can be closed meanwhile.
            QPointer<Schermata> io(this);
            Form_Activate();
            if (io)
                emit attivata();
        }
    });
}

void Schermata::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!m_congedata)
        richiestaChiusura();
}
