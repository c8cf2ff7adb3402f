#include "resources/Accessibilita.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace Accessibilita {

void nomina(QWidget *controllo, const QString &nome, const QString &descrizione)
{
    if (!controllo)
        return;
    controllo->setAccessibleName(nome);
    if (!descrizione.isEmpty())
        controllo->setAccessibleDescription(descrizione);
}

QString nomeParlato(Immagine quale)
{
    switch (quale) {
    case Immagine::Orsetto: return QStringLiteral("orsetto");
    case Immagine::Emblema: return QStringLiteral("tastiera, sensore e voce");
    case Immagine::MenuUccelli: return QStringLiteral("uccellini");
    case Immagine::MenuPereMele: return QStringLiteral("pere e mele");
    case Immagine::MenuStelleMarine: return QStringLiteral("stelle marine");
    case Immagine::MenuLocomotive: return QStringLiteral("locomotive");
    case Immagine::MenuCandele: return QStringLiteral("candele");
    case Immagine::MenuLampadine: return QStringLiteral("lampadine");
    case Immagine::MenuFoche: return QStringLiteral("foche con la palla");
    case Immagine::MenuEsci: return QStringLiteral("esci");
    case Immagine::FacciaEsatti: return QStringLiteral("risposte giuste");
    case Immagine::FacciaErrati: return QStringLiteral("risposte sbagliate");
    case Immagine::FrecciaVerde: return QStringLiteral("avanti");
    case Immagine::FrecciaAvanti: return QStringLiteral("avanti");
    case Immagine::Conferma: return QStringLiteral("conferma");
    case Immagine::Ripeti: return QStringLiteral("ripeti");
    case Immagine::MenuCasa: return QStringLiteral("menù");
    case Immagine::Si: return QStringLiteral("sì");
    case Immagine::No: return QStringLiteral("no");
    case Immagine::Croce: return QStringLiteral("risposta sbagliata");
    }
    return QString();
}

namespace {

bool daNominare(const QWidget *w)
{
    if (qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QAbstractSlider *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const QLineEdit *>(w))
        return true;
    // A label showing only a picture is a picture to a screen reader.
    if (auto *etichetta = qobject_cast<const QLabel *>(w))
        return etichetta->text().isEmpty() && !etichetta->pixmap().isNull();
    return false;
}

bool haNome(QWidget *w)
{
    if (!w->accessibleName().trimmed().isEmpty())
        return true;
    // What Qt reads for these is their value (the chosen voice, the speed),
    // not what they are for.
    if (qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSlider *>(w) || qobject_cast<QLineEdit *>(w))
        return false;
    if (QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w)) {
        // "&Esci" reads as "Esci"; a caption of blanks reads as nothing.
        if (!i->text(QAccessible::Name).remove(QLatin1Char('&')).trimmed().isEmpty())
            return true;
    }
    return false;
}

void cerca(const QWidget *contenitore, QStringList &mancanti)
{
    const auto figli = contenitore->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *w : figli) {
        if (w->isWindow() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (daNominare(w) && !haNome(w))
            mancanti << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                   : w->objectName());
        // The inner parts of a combo box or a spin box are named by their owner.
        if (!qobject_cast<QComboBox *>(w))
            cerca(w, mancanti);
    }
}

}

QStringList senzaNome(const QWidget *radice)
{
    QStringList mancanti;
    if (radice)
        cerca(radice, mancanti);
    return mancanti;
}

}
