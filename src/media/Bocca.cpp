#include "media/Bocca.h"

#include "media/SpeechEngine.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
// Openings the lips go through while speaking: irregular enough to look like
// syllables, without needing the sound itself.
constexpr double sequenza[] = {0.55, 0.2, 0.8, 0.35, 0.65, 0.1, 0.9, 0.45, 0.25, 0.7, 0.5, 0.15};
constexpr int passi = int(sizeof(sequenza) / sizeof(sequenza[0]));
}

Bocca::Bocca(SpeechEngine &motore, QWidget *parent)
    : QWidget(parent)
    , m_motore(&motore)
{
    setObjectName(QStringLiteral("Bocca"));
    setAccessibleName(QStringLiteral("Bocca: clicca per ascoltare la voce"));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    m_movimento.setInterval(90);
    connect(&m_movimento, &QTimer::timeout, this, &Bocca::muovi);
    connect(&motore, &SpeechEngine::speakingChanged, this, &Bocca::parlaCambiato);
    parlaCambiato(motore.isSpeaking());
}

QSize Bocca::sizeHint() const
{
    return {113, 81};
}

void Bocca::parlaCambiato(bool parla)
{
    if (parla) {
        if (!m_movimento.isActive()) {
            m_passo = 0;
            m_movimento.start();
            muovi();
        }
    } else {
        m_movimento.stop();
        m_apertura = 0.0;
        update();
    }
}

void Bocca::muovi()
{
    if (!m_motore || !m_motore->isSpeaking()) {
        parlaCambiato(false);
        return;
    }
    m_apertura = sequenza[m_passo++ % passi];
    update();
}

void Bocca::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    const double larghezza = qMin(area.width(), area.height() * 1.8);
    const double altezzaMax = larghezza * 0.45;
    const QPointF centro = area.center();
    const double sx = centro.x() - larghezza / 2, dx = centro.x() + larghezza / 2;
    const double labbro = qMax(3.0, larghezza * 0.07);
    const double apri = altezzaMax * m_apertura;

    // Upper lip with a small bow, lower lip as a smile that drops as the mouth opens.
    QPainterPath sopra;
    sopra.moveTo(sx, centro.y());
    sopra.cubicTo(sx + larghezza * 0.2, centro.y() - labbro * 2 - apri * 0.35,
                  centro.x() - larghezza * 0.1, centro.y() - labbro * 2.2 - apri * 0.35,
                  centro.x(), centro.y() - labbro * 1.4 - apri * 0.3);
    sopra.cubicTo(centro.x() + larghezza * 0.1, centro.y() - labbro * 2.2 - apri * 0.35,
                  dx - larghezza * 0.2, centro.y() - labbro * 2 - apri * 0.35, dx, centro.y());
    QPainterPath sotto;
    sotto.moveTo(dx, centro.y());
    sotto.cubicTo(dx - larghezza * 0.15, centro.y() + labbro * 2 + apri,
                  sx + larghezza * 0.15, centro.y() + labbro * 2 + apri, sx, centro.y());

    QPainterPath bocca = sopra;
    bocca.connectPath(sotto);
    bocca.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc6, 0x28, 0x3c));
    p.drawPath(bocca);

    if (m_apertura > 0.0) {
        // The dark inside, with the upper teeth showing.
        QPainterPath interno;
        interno.moveTo(sx + labbro, centro.y());
        interno.cubicTo(sx + larghezza * 0.3, centro.y() - apri * 0.3,
                        dx - larghezza * 0.3, centro.y() - apri * 0.3, dx - labbro, centro.y());
        interno.cubicTo(dx - larghezza * 0.2, centro.y() + apri * 0.9,
                        sx + larghezza * 0.2, centro.y() + apri * 0.9, sx + labbro, centro.y());
        p.setBrush(QColor(0x4a, 0x0d, 0x16));
        p.drawPath(interno);
        p.save();
        p.setClipPath(interno);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(sx, centro.y() - apri * 0.3 - 1, larghezza, apri * 0.28 + 1));
        p.restore();
    } else {
        p.setPen(QPen(QColor(0x7a, 0x14, 0x22), qMax(1.5, labbro * 0.35), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(sx + labbro * 0.5, centro.y()), QPointF(dx - labbro * 0.5, centro.y()));
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 2, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void Bocca::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit cliccata();
}

// Keyboard users reach the mouth in the tab order and "click" it with Space or Enter.
void Bocca::keyPressEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat()
        && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        emit cliccata();
        return;
    }
    QWidget::keyPressEvent(event);
}
