#include "resources/Immagini.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QStyle>
#include <QStyleOption>
#include <QGuiApplication>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>
#include <QVector>

#include <memory>

// The pictures live in a static library: without a reference from code the
// linker would leave the compiled-in files behind.
static void caricaRisorse()
{
    static const bool fatto = [] {
        Q_INIT_RESOURCE(immagini);
        return true;
    }();
    Q_UNUSED(fatto);
}

namespace {

struct Disegno {
    const char *file;
    QSize naturale;  // the size the screens were designed around
};

// Frames after the first, in the order they are shown.
QStringList altriFotogrammi(Immagine quale)
{
    switch (quale) {
    case Immagine::FacciaEsatti: return {QStringLiteral("faccia_esatti_2")};
    case Immagine::FacciaErrati: return {QStringLiteral("faccia_errati_2")};
    default: return {};
    }
}

Disegno disegnoDi(Immagine quale)
{
    switch (quale) {
    case Immagine::Orsetto: return {"orsetto", {32, 32}};
    case Immagine::Emblema: return {"emblema", {201, 197}};
    case Immagine::MenuUccelli: return {"menu_uccelli", {282, 240}};
    case Immagine::MenuPereMele: return {"menu_pere_mele", {255, 230}};
    case Immagine::MenuStelleMarine: return {"menu_stelle_marine", {280, 262}};
    case Immagine::MenuLocomotive: return {"menu_locomotive", {293, 256}};
    case Immagine::MenuCandele: return {"menu_candele", {292, 253}};
    case Immagine::MenuLampadine: return {"menu_lampadine", {284, 249}};
    case Immagine::MenuFoche: return {"menu_foche", {280, 258}};
    case Immagine::MenuEsci: return {"menu_esci", {80, 96}};
    case Immagine::FacciaEsatti: return {"faccia_esatti", {49, 32}};
    case Immagine::FacciaErrati: return {"faccia_errati", {37, 32}};
    case Immagine::FrecciaVerde: return {"freccia_verde", {185, 96}};
    case Immagine::FrecciaAvanti: return {"freccia_avanti", {32, 32}};
    case Immagine::Conferma: return {"conferma", {32, 32}};
    case Immagine::Ripeti: return {"ripeti", {48, 48}};
    case Immagine::MenuCasa: return {"menu_casa", {48, 48}};
    case Immagine::Si: return {"si", {48, 48}};
    case Immagine::No: return {"no", {48, 48}};
    case Immagine::Croce: return {"croce", {32, 32}};
    }
    return {"orsetto", {32, 32}};
}

struct Cursore {
    const char *file;
    QPoint punta;  // hot spot, in 32x32 logical pixels
};

Cursore cursoreDi(Puntatore quale)
{
    switch (quale) {
    case Puntatore::Mano: return {"puntatore_mano", {9, 1}};
    case Puntatore::FrecciaBianca: return {"puntatore_freccia_bianca", {3, 1}};
    case Puntatore::ChiaveDiViolino: return {"puntatore_chiave_violino", {16, 16}};
    case Puntatore::FacciaMusica: return {"puntatore_faccia_musica", {16, 16}};
    case Puntatore::Orsetto: return {"orsetto", {16, 16}};
    case Puntatore::Piu: return {"puntatore_piu", {16, 16}};
    case Puntatore::Meno: return {"puntatore_meno", {16, 16}};
    case Puntatore::Uguale: return {"puntatore_uguale", {16, 16}};
    case Puntatore::FrecciaGrigia: return {"puntatore_freccia_grigia", {16, 16}};
    }
    return {"puntatore_freccia_bianca", {3, 1}};
}

constexpr int LatoPuntatore = 32;

QSvgRenderer *renderer(const QString &file)
{
    caricaRisorse();
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    const QString percorso = QStringLiteral(":/pictures/%1.svg").arg(file);
    auto &r = cache[percorso];
    if (!r) {
        r = std::make_shared<QSvgRenderer>(percorso);
    }
    return r.get();
}

// Sharp on high-density screens: drawn at device pixels, sized in logical ones.
qreal densita()
{
    return qGuiApp ? std::max<qreal>(1.0, qGuiApp->devicePixelRatio()) : 1.0;
}

QPixmap disegna(const QString &file, const QSize &logica, qreal dpr,
                Qt::AspectRatioMode modo = Qt::KeepAspectRatio)
{
    QPixmap pixmap(logica * dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QSvgRenderer *r = renderer(file);
    r->setAspectRatioMode(modo);
    r->render(&p, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
    p.end();
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

// An icon drawn from its picture at the size asked, when asked: making one
// costs nothing until a button or the window system shows it.
class MotoreIcona : public QIconEngine
{
public:
    explicit MotoreIcona(QString file) : m_file(std::move(file)) {}
    QIconEngine *clone() const override { return new MotoreIcona(m_file); }
    QString key() const override { return QStringLiteral("calcolotti-svg"); }
    void paint(QPainter *p, const QRect &riquadro, QIcon::Mode modo, QIcon::State stato) override
    {
        p->drawPixmap(riquadro, pixmap(riquadro.size(), modo, stato));
    }
    QPixmap pixmap(const QSize &misura, QIcon::Mode modo, QIcon::State stato) override
    {
        return scaledPixmap(misura, modo, stato, 1.0);
    }
    QPixmap scaledPixmap(const QSize &misura, QIcon::Mode modo, QIcon::State, qreal scala) override
    {
        const QSize lato = QSize(std::max(1, misura.width()), std::max(1, misura.height()));
        const quint64 chiave = (quint64(lato.width()) << 32) | quint64(lato.height() * 16 + int(scala * 4));
        auto trovata = m_cache.constFind(chiave);
        QPixmap figura = trovata != m_cache.constEnd() ? *trovata : (m_cache[chiave] = disegna(m_file, lato, scala));
        if (modo == QIcon::Disabled) {
            QStyleOption opzioni;
            opzioni.palette = QGuiApplication::palette();
            figura = QApplication::style() ? QApplication::style()->generatedIconPixmap(modo, figura, &opzioni) : figura;
        }
        return figura;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        // What the window system asks for a window's icon.
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48)};
    }

private:
    QString m_file;
    QHash<quint64, QPixmap> m_cache;
};

// Lives on the label it serves, so it goes with it.
class FiguraViva : public QObject
{
public:
    static constexpr const char *Nome = "figuraViva";

    FiguraViva(QLabel *etichetta, Immagine quale, Qt::AspectRatioMode modo)
        : QObject(etichetta), m_etichetta(etichetta), m_quale(quale), m_modo(modo)
    {
        setObjectName(QLatin1String(Nome));
        etichetta->installEventFilter(this);
        m_tempo.setInterval(Immagini::DurataFotogramma);
        QObject::connect(&m_tempo, &QTimer::timeout, this, [this] {
            m_fotogramma = (m_fotogramma + 1) % Immagini::numeroFotogrammi(m_quale);
            ridisegna();
        });
        animaSeVisibile();
    }
    void ridisegna()
    {
        const QSize misura = m_etichetta->size();
        if (misura.isEmpty())
            return;
        // Each frame is drawn once per size: the animation then only swaps
        // pixmaps instead of rendering a picture every 600 ms.
        if (misura != m_misuraFotogrammi) {
            m_fotogrammi.clear();
            m_misuraFotogrammi = misura;
        }
        m_fotogrammi.resize(Immagini::numeroFotogrammi(m_quale));
        QPixmap &figura = m_fotogrammi[m_fotogramma];
        if (figura.isNull())
            figura = Immagini::fotogramma(m_quale, m_fotogramma, misura, m_modo);
        m_etichetta->setPixmap(figura);
    }

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        switch (evento->type()) {
        case QEvent::Resize:
            ridisegna();
            break;
        case QEvent::Show:
        case QEvent::Hide:
            animaSeVisibile();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // A hidden face costs nothing: the timer runs only while it is seen.
    void animaSeVisibile()
    {
        if (Immagini::numeroFotogrammi(m_quale) > 1 && m_etichetta->isVisible())
            m_tempo.start();
        else
            m_tempo.stop();
    }

    QLabel *m_etichetta;
    Immagine m_quale;
    Qt::AspectRatioMode m_modo;
    QTimer m_tempo;
    int m_fotogramma = 0;
    QVector<QPixmap> m_fotogrammi;
    QSize m_misuraFotogrammi;
};

}

namespace Immagini {

void mostra(QLabel *etichetta, Immagine quale, Qt::AspectRatioMode modo)
{
    if (!etichetta)
        return;
    // A second call replaces the picture rather than stacking a second filter.
    delete etichetta->findChild<QObject *>(QLatin1String(FiguraViva::Nome), Qt::FindDirectChildrenOnly);
    etichetta->setScaledContents(false);
    etichetta->setAlignment(Qt::AlignCenter);
    auto *figura = new FiguraViva(etichetta, quale, modo);
    figura->ridisegna();
}

int numeroFotogrammi(Immagine quale)
{
    return 1 + int(altriFotogrammi(quale).size());
}

QPixmap fotogramma(Immagine quale, int numero, const QSize &dimensione, Qt::AspectRatioMode modo)
{
    const QStringList altri = altriFotogrammi(quale);
    if (numero <= 0 || numero > altri.size())
        return immagine(quale, dimensione, modo);
    return disegna(altri.at(numero - 1),
                   dimensione.isEmpty() ? disegnoDi(quale).naturale : dimensione, densita(), modo);
}

QSize dimensioneNaturale(Immagine quale)
{
    return disegnoDi(quale).naturale;
}

QPixmap immagine(Immagine quale, const QSize &dimensione, Qt::AspectRatioMode modo)
{
    return disegna(QLatin1String(disegnoDi(quale).file),
                   dimensione.isEmpty() ? disegnoDi(quale).naturale : dimensione, densita(), modo);
}

QIcon icona(Immagine quale)
{
    return QIcon(new MotoreIcona(QLatin1String(disegnoDi(quale).file)));
}

QIcon iconaProgramma()
{
    return icona(Immagine::Orsetto);
}

QPoint puntaDi(Puntatore quale)
{
    return cursoreDi(quale).punta;
}

QCursor puntatore(Puntatore quale)
{
    const Cursore c = cursoreDi(quale);
    return QCursor(disegna(QLatin1String(c.file), QSize(LatoPuntatore, LatoPuntatore), densita()), c.punta.x(),
                   c.punta.y());
}

QPixmap figuraNumero(int numero, qreal dpr)
{
    QPixmap pixmap(QSize(LatoPuntatore, LatoPuntatore) * dpr);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF quadrato(1.5, 1.5, LatoPuntatore - 3, LatoPuntatore - 3);
    p.setPen(QPen(QColor(0x1c, 0x3f, 0x94), 1.5));
    p.setBrush(QColor(0xa8, 0xd8, 0xff));
    p.drawRoundedRect(quadrato, 4, 4);
    QFont carattere(QStringLiteral("DejaVu Sans"));
    carattere.setBold(true);
    // Two digits must fit the square as well as one.
    carattere.setPixelSize(numero >= 10 ? 17 : 22);
    carattere.setStretch(numero >= 10 ? QFont::SemiCondensed : QFont::Unstretched);
    p.setFont(carattere);
    p.setPen(QColor(0x00, 0x1a, 0x7a));
    p.drawText(quadrato, Qt::AlignCenter, QString::number(numero));
    p.end();
    return pixmap;
}

QCursor puntatoreNumero(int numero)
{
    return QCursor(figuraNumero(numero, densita()), LatoPuntatore / 2, LatoPuntatore / 2);
}

}
