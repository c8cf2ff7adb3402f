#include "core/Fotogramma.h"

#include <QBackingStore>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QVector>
#include <QWidget>

namespace {

// One per window: waits for the window's next frame, then asks for the
// confirmation on the areas that frame painted.
class Conferma : public QObject
{
public:
    explicit Conferma(QWidget *finestra)
        : QObject(finestra)
        , m_finestra(finestra)
    {
        setObjectName(nome());
        finestra->installEventFilter(this);
    }

    static QString nome() { return QStringLiteral("conferma-fotogramma"); }

    void aggiungi(QWidget *dipinto)
    {
        if (!m_dipinti.contains(dipinto))
            m_dipinti << dipinto;
    }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        // The frame is painted and sent while this event is handled: the
        // confirmation goes in the next turn of the event loop.
        if (oggetto == m_finestra && evento->type() == QEvent::UpdateRequest && !m_dipinti.isEmpty()
            && !m_inAttesa) {
            m_inAttesa = true;
            QTimer::singleShot(0, this, [this] { conferma(); });
        }
        return false;
    }

private:
    void conferma()
    {
        m_inAttesa = false;
        QRegion zona;
        for (const QPointer<QWidget> &w : std::as_const(m_dipinti))
            if (w && w->isVisible() && w->window() == m_finestra)
                zona += QRect(w->mapTo(m_finestra, QPoint(0, 0)), w->size());
        m_dipinti.clear();
        QBackingStore *memoria = m_finestra->backingStore();
        if (zona.isEmpty() || !memoria || !m_finestra->isVisible())
            return;
        // An empty paint over areas the last frame painted: nothing in the
        // image changes, and the shared-memory wait is taken now.
        memoria->beginPaint(zona);
        memoria->endPaint();
    }

    QWidget *m_finestra;
    QVector<QPointer<QWidget>> m_dipinti;
    bool m_inAttesa = false;
};

}

namespace Fotogramma {

void confermaDopoIlFotogramma(QWidget *dipinto)
{
    static const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    if (!x11 || !dipinto)
        return;
    QWidget *finestra = dipinto->window();
    auto *conferma = static_cast<Conferma *>(finestra->findChild<QObject *>(Conferma::nome(), Qt::FindDirectChildrenOnly));
    if (!conferma)
        conferma = new Conferma(finestra);
    conferma->aggiungi(dipinto);
}

}
