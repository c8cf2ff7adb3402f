#include "shell/RigaAvvisi.h"

#include "core/Avvisi.h"
#include "core/Twips.h"

#include <QLabel>

QLabel *RigaAvvisi::crea(QWidget *area, Avvisi *avvisi)
{
    auto *riga = new QLabel(area);
    riga->setObjectName(QStringLiteral("Avvisi"));
    QFont carattere(QStringLiteral("Verdana"));
    carattere.setPointSizeF(8);
    riga->setFont(carattere);
    riga->setWordWrap(true);
    riga->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    riga->setFocusPolicy(Qt::NoFocus);
    // Moving over it is moving over the menu's background.
    riga->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette tavolozza = riga->palette();
    tavolozza.setColor(QPalette::WindowText, QColor(96, 64, 0));
    riga->setPalette(tavolozza);
    // Below the right-hand column's second level, above "Suoni attivati".
    riga->setGeometry(Twips::rect(4920, 2640, 4365, 1320));
    const auto aggiorna = [riga, avvisi] {
        const QString testo = avvisi ? avvisi->testi().join(QLatin1Char('\n')) : QString();
        riga->setText(testo);
        riga->setAccessibleName(testo);
        riga->setVisible(!testo.isEmpty());
    };
    aggiorna();
    if (avvisi)
        QObject::connect(avvisi, &Avvisi::cambiati, riga, aggiorna);
    return riga;
}
