#include "resources/AvvisoBreve.h"

#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace AvvisoBreve {

namespace {
constexpr int DurataMs = 2000;
}

void mostra(QWidget *schermata, const QString &nome, const QString &testo)
{
    auto *avviso = schermata->findChild<QLabel *>(nome, Qt::FindDirectChildrenOnly);
    if (!avviso) {
        avviso = new QLabel(schermata);
        avviso->setObjectName(nome);
        avviso->setStyleSheet(QStringLiteral(
            "QLabel { background: #ffffe0; color: black; border: 2px solid #404040; padding: 6px; }"));
        avviso->setFocusPolicy(Qt::NoFocus);
        auto *nascondi = new QTimer(avviso);
        nascondi->setObjectName(QStringLiteral("nascondi"));
        nascondi->setSingleShot(true);
        QObject::connect(nascondi, &QTimer::timeout, avviso, &QWidget::hide);
    }
    // Readable from the child's distance at any window size.
    QFont carattere = avviso->font();
    carattere.setBold(true);
    carattere.setPixelSize(std::max(16, schermata->height() / 28));
    avviso->setFont(carattere);
    avviso->setText(testo);
    avviso->adjustSize();
    avviso->move(schermata->width() - avviso->width() - 8, 8);
    avviso->show();
    avviso->raise();
    avviso->findChild<QTimer *>(QStringLiteral("nascondi"))->start(DurataMs);
}

}
