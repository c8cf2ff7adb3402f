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
    // The resizer takes the current size as the designed one.
    resize(m_progetto);
    m_ridimensionatore.registra();
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
