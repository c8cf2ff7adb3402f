#include "config/AreaCliente.h"

#include <QMenuBar>
#include <QVBoxLayout>

AreaCliente::AreaCliente(QWidget *schermata, QMenuBar *menu, const QSize &progetto)
    : QWidget(schermata)
    , m_menu(menu)
    , m_progetto(progetto)
    , m_ridimensionatore(this)
{
    auto *layout = new QVBoxLayout(schermata);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu);
    layout->addWidget(this);
    resize(progetto);
}

void AreaCliente::registra()
{
    // The designed size is named: the window's layout may not have given it to
    // this area yet, and the controls stand at their designed places already.
    resize(m_progetto);
    m_ridimensionatore.registra(m_progetto);
    m_registrato = true;
}

QSize AreaCliente::dimensioneFinestra() const
{
    return m_progetto + QSize(0, m_menu->sizeHint().height());
}

void AreaCliente::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_registrato)
        m_ridimensionatore.ridimensiona();
}
