#pragma once

#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

// What the exercise screen's two source files share about its look.
namespace AspettoEsercizio {

inline const QString TestoLabel7 = QStringLiteral("Ora scrivi l'operazione");
// Designed height of the client area, twips.
constexpr int AltezzaClient = 6810;

inline QFont carattere(const QString &famiglia, double punti, bool grassetto, bool corsivo = false)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    f.setItalic(corsivo);
    return f;
}

inline void sfondo(QWidget *w, const QColor &colore)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colore);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}
