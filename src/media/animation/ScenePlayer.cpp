#include "media/animation/ScenePlayer.h"

#include "core/Avvisi.h"
#include "core/Registri.h"
#include "media/animation/Orologio.h"

#include <QFileInfo>
#include <QPaintEvent>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>

ScenePlayer::ScenePlayer(QWidget *parent, Orologio *orologio)
    : AnimationPlayer(parent), m_orologio(orologio)
{
    if (!m_orologio) {
        m_orologioProprio = std::make_unique<OrologioReale>();
        m_orologio = m_orologioProprio.get();
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Animazione della storia"));
    m_fotogrammi.setInterval(16);
    m_fotogrammi.setTimerType(Qt::PreciseTimer);
    connect(&m_fotogrammi, &QTimer::timeout, this, &ScenePlayer::fotogramma);
}

ScenePlayer::~ScenePlayer() = default;

void ScenePlayer::Movie(const QString &percorso)
{
    if (!m_scena.carica(percorso)) {
        // The story goes on without its picture; the adult must be able to find out why.
        qCWarning(lcEsercizio).noquote() << "scena mancante o danneggiata:" << percorso;
        Avvisi::programma().aggiungi(QStringLiteral("scena"),
                                     QStringLiteral("Manca o è danneggiata la scena %1: le storie "
                                                    "restano senza figure.")
                                         .arg(QFileInfo(percorso).fileName()));
    }
    m_stati = QVector<Stato>(m_scena.clip().size());
    m_cache = Cache();
    m_cacheEsterna = Cache();
    aggiorna();
    update();
}

void ScenePlayer::BGColor(const QString &rrggbb)
{
    static const QRegularExpression forma(QStringLiteral("^#?[0-9A-Fa-f]{6}$"));
    const QString testo = rrggbb.trimmed();
    if (!forma.match(testo).hasMatch())
        return;
    m_sfondo = QColor::fromRgb(QStringView(testo).right(6).toUInt(nullptr, 16));
    update();
}

void ScenePlayer::TSetProperty(const QString &clip, int proprieta, const QString &valore)
{
    const int i = indiceDi(clip);
    bool ok = false;
    const double numero = valore.trimmed().toDouble(&ok);
    if (i < 0 || !ok || !std::isfinite(numero))
        return;
    if (proprieta == ProprietaVisibilita)
        m_stati[i].visibile = numero != 0;
    else if (proprieta == ProprietaOpacita)
        m_stati[i].opacita = std::clamp(numero, 0.0, 100.0) / 100;
    else
        return;
    aggiorna();
    update();
}

void ScenePlayer::TStopPlay(const QString &clip)
{
    const int i = indiceDi(clip);
    if (i < 0 || !m_stati[i].inCorsa)
        return;
    m_stati[i].secondi = secondiDi(m_stati[i]);
    m_stati[i].inCorsa = false;
    aggiorna();
    update();
}

void ScenePlayer::TPlay(const QString &clip)
{
    const int i = indiceDi(clip);
    if (i < 0 || m_stati[i].inCorsa || m_stati[i].secondi >= m_scena.clip()[i].azione.fine())
        return;
    // The first frame must also clear where the clip stood still.
    if (m_stati[i].visibile && m_cache.scala > 0)
        m_disegnateInMoto += areaClip(i, m_stati[i].secondi);
    m_stati[i].inCorsa = true;
    m_stati[i].avvio = m_orologio->millisecondi();
    aggiorna();
}

int ScenePlayer::indiceDi(const QString &nome) const
{
    static const QString radice = QStringLiteral("_root.");
    const QString id = nome.startsWith(radice) ? nome.mid(radice.size()) : nome;
    return m_scena.indice(id);
}

double ScenePlayer::secondiDi(const Stato &stato) const
{
    if (!stato.inCorsa)
        return stato.secondi;
    return stato.secondi + (m_orologio->millisecondi() - stato.avvio) / 1000.0;
}

bool ScenePlayer::siMuove(int i) const
{
    const Stato &stato = m_stati[i];
    return stato.inCorsa && stato.visibile && stato.opacita > 0
           && secondiDi(stato) < m_scena.clip()[i].azione.fine();
}

// Only what the moving clips covered and are about to cover gets repainted:
// a full 1920x1080 repaint per frame would cost several times more.
void ScenePlayer::fotogramma()
{
    if (m_cache.scala <= 0) {
        update();
    } else {
        QRegion regione = m_disegnateInMoto;
        for (int i = 0; i < m_stati.size(); ++i) {
            if (!siMuove(i))
                continue;
            const double adesso = secondiDi(m_stati[i]);
            regione += areaClip(i, adesso);
            regione += areaClip(i, adesso + 0.05);   // the paint comes a little later
        }
        update(regione);
    }
    aggiorna();
}

QTransform ScenePlayer::trasformazione(int i, const Posa &posa, double scala) const
{
    QTransform t;
    if (!qFuzzyIsNull(posa.gradi) || !qFuzzyCompare(posa.scala, 1.0)) {
        const QPointF centro = m_scena.clip()[i].centro * scala;
        t.translate(posa.dx * scala + centro.x(), posa.dy * scala + centro.y());
        t.rotate(posa.gradi);
        t.scale(posa.scala, posa.scala);
        t.translate(-centro.x(), -centro.y());
    } else {
        // Whole pixels keep a moving picture as sharp as a still one.
        t.translate(std::round(posa.dx * scala), std::round(posa.dy * scala));
    }
    return t;
}

// The widget pixels a clip covers at a moment of its action.
QRect ScenePlayer::areaClip(int i, double secondi) const
{
    if (i >= m_cache.clip.size() || !m_cache.pronte[i])
        return rect();
    const auto &parti = m_cache.clip[i];
    QRectF area;
    for (int p = 1; p < 3; ++p)
        if (!parti[p].immagine.isNull())
            area |= QRectF(parti[p].origine, parti[p].immagine.deviceIndependentSize());
    const QTransform t = trasformazione(i, posaAl(m_scena.clip()[i].azione, secondi), m_cache.scala);
    return t.mapRect(area).translated(m_angolo).toAlignedRect().adjusted(-2, -2, 2, 2);
}

// Settles clips whose action is over and runs the frame timer only while a
// visible clip still moves.
void ScenePlayer::aggiorna()
{
    bool moto = false;
    for (int i = 0; i < m_stati.size(); ++i) {
        Stato &stato = m_stati[i];
        if (!stato.inCorsa)
            continue;
        const double fine = m_scena.clip()[i].azione.fine();
        if (secondiDi(stato) >= fine) {
            stato.secondi = fine;
            stato.inCorsa = false;
            if (stato.visibile)
                update(areaClip(i, fine));
        } else if (stato.visibile && stato.opacita > 0) {
            moto = true;
        }
    }
    if (moto && !m_fotogrammi.isActive())
        m_fotogrammi.start();
    else if (!moto && m_fotogrammi.isActive()) {
        m_fotogrammi.stop();
        update(); // the final pose
    }
}

void ScenePlayer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    dipingi(painter, rect());
}

ScenePlayer::Immagine ScenePlayer::rendi(const QString &id, double scala, qreal rapporto,
                                         const QTransform &gruppo) const
{
    Immagine risultato;
    const QRectF proprio = m_scena.renderer()->boundsOnElement(id);
    const QTransform inPixel = gruppo * QTransform::fromScale(scala, scala);
    const QRect intero = inPixel.mapRect(proprio).toAlignedRect().adjusted(-1, -1, 1, 1);
    if (intero.isEmpty() || proprio.isEmpty())
        return risultato;
    risultato.immagine = QImage(intero.size() * rapporto, QImage::Format_ARGB32_Premultiplied);
    risultato.immagine.setDevicePixelRatio(rapporto);
    risultato.immagine.fill(Qt::transparent);
    risultato.origine = intero.topLeft();
    QPainter painter(&risultato.immagine);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-intero.topLeft());
    painter.setTransform(inPixel, true);
    // Rendered onto its own bounds, the part keeps the file's coordinates.
    m_scena.renderer()->render(&painter, id, proprio);
    return risultato;
}

void ScenePlayer::preparaCache(Cache &cache, double scala, qreal rapporto) const
{
    if (cache.scala == scala && cache.rapporto == rapporto)
        return;
    cache = Cache();
    cache.scala = scala;
    cache.rapporto = rapporto;
    for (const QString &id : m_scena.fondale())
        cache.fondale << rendi(id, scala, rapporto);
    cache.clip.resize(m_scena.clip().size());
    cache.pronte = QVector<bool>(m_scena.clip().size(), false);
}

void ScenePlayer::dipingi(QPainter &painter, const QRectF &area)
{
    painter.fillRect(area, m_sfondo);
    const QRectF tela = m_scena.tela();
    if (!m_scena.valida() || tela.isEmpty() || area.isEmpty())
        return;

    const double scala = std::min(area.width() / tela.width(), area.height() / tela.height());
    const QSizeF occupata = tela.size() * scala;
    const QPointF angolo = area.center() - QPointF(occupata.width(), occupata.height()) / 2
                           - tela.topLeft() * scala;
    const QPointF angoloIntero(std::round(angolo.x()), std::round(angolo.y()));
    // Only a paint on the widget itself tells what is on screen.
    const bool schermo = painter.device() == this;
    Cache &cache = schermo ? m_cache : m_cacheEsterna;
    preparaCache(cache, scala, painter.device()->devicePixelRatioF());
    if (schermo) {
        m_angolo = angoloIntero;
        m_disegnateInMoto = QRegion();
    }

    painter.save();
    painter.translate(angoloIntero);
    for (const Immagine &parte : std::as_const(cache.fondale))
        painter.drawImage(parte.origine, parte.immagine);
    for (int i = 0; i < m_stati.size(); ++i)
        if (m_stati[i].visibile && m_stati[i].opacita > 0)
            disegnaClip(painter, cache, i, schermo);
    painter.restore();
}

void ScenePlayer::disegnaClip(QPainter &painter, Cache &cache, int i, bool schermo)
{
    const Scena::Clip &clip = m_scena.clip()[i];
    auto &parti = cache.clip[i];
    if (!cache.pronte[i]) {
        // Rendered on first sight only: most clips of a scene never show.
        if (!clip.base.isEmpty())
            parti[0] = rendi(clip.base, cache.scala, cache.rapporto, clip.gruppo);
        parti[1] = rendi(clip.prima, cache.scala, cache.rapporto, clip.gruppo);
        if (!clip.dopo.isEmpty())
            parti[2] = rendi(clip.dopo, cache.scala, cache.rapporto, clip.gruppo);
        cache.pronte[i] = true;
    }

    const double secondi = secondiDi(m_stati[i]);
    const Posa posa = posaAl(clip.azione, secondi);
    const double opacita = m_stati[i].opacita * posa.opacita;
    const bool inMoto = siMuove(i);
    if (inMoto && schermo)
        m_disegnateInMoto += areaClip(i, secondi);

    painter.save();
    painter.setOpacity(opacita);
    if (!parti[0].immagine.isNull())
        painter.drawImage(parti[0].origine, parti[0].immagine);

    const QTransform t = trasformazione(i, posa, cache.scala);
    // Smooth sampling of a turned picture costs twice as much; the eye only
    // sees the difference once the clip stands still.
    if (t.type() > QTransform::TxTranslate && !inMoto)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(t, true);
    if (posa.prima > 0) {
        painter.setOpacity(opacita * posa.prima);
        painter.drawImage(parti[1].origine, parti[1].immagine);
    }
    if (posa.dopo > 0 && !parti[2].immagine.isNull()) {
        painter.setOpacity(opacita * posa.dopo);
        painter.drawImage(parti[2].origine, parti[2].immagine);
    }
    painter.restore();
}
