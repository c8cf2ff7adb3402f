#pragma once

#include "media/AnimationPlayer.h"
#include "media/animation/Scena.h"

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QVector>
#include <memory>

class Orologio;
class QPainter;

// The animation player over the SVG scenes. Clips rest at their initial state
// until played; the widget repaints only while a visible clip moves.
class ScenePlayer : public AnimationPlayer
{
    Q_OBJECT
public:
    // The player reads the time from `orologio` (not owned) or, without one,
    // from a clock of its own.
    explicit ScenePlayer(QWidget *parent = nullptr, Orologio *orologio = nullptr);
    ~ScenePlayer() override;

    void Movie(const QString &percorso) override;
    void BGColor(const QString &rrggbb) override;
    void TSetProperty(const QString &clip, int proprieta, const QString &valore) override;
    void TStopPlay(const QString &clip) override;
    void TPlay(const QString &clip) override;

    // Paints the scene as it stands now, fitted into `area` with proportions kept.
    void dipingi(QPainter &painter, const QRectF &area);
    // True while frames are being drawn.
    bool inMovimento() const { return m_fotogrammi.isActive(); }
    const Scena &scena() const { return m_scena; }
    QColor sfondo() const { return m_sfondo; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Stato
    {
        bool visibile = false;
        double opacita = 1;
        bool inCorsa = false;
        double secondi = 0;   // action time reached when last stopped
        qint64 avvio = 0;     // clock reading when last played
    };
    struct Immagine
    {
        QImage immagine;
        QPointF origine;      // device-independent pixels from the scene's corner
    };
    struct Cache
    {
        double scala = 0;
        qreal rapporto = 0;
        QVector<Immagine> fondale;
        QVector<std::array<Immagine, 3>> clip;   // base, prima, dopo
        QVector<bool> pronte;
    };

    int indiceDi(const QString &nome) const;
    bool siMuove(int i) const;
    QTransform trasformazione(int i, const Posa &posa, double scala) const;
    QRect areaClip(int i, double secondi) const;
    void fotogramma();
    double secondiDi(const Stato &stato) const;
    void aggiorna();
    Immagine rendi(const QString &id, double scala, qreal rapporto,
                   const QTransform &gruppo = QTransform()) const;
    void preparaCache(Cache &cache, double scala, qreal rapporto) const;
    void disegnaClip(QPainter &painter, Cache &cache, int i, bool schermo);

    Orologio *m_orologio;
    std::unique_ptr<Orologio> m_orologioProprio;
    Scena m_scena;
    QVector<Stato> m_stati;
    QColor m_sfondo = Qt::white;
    QTimer m_fotogrammi;
    Cache m_cache;              // for the widget itself
    Cache m_cacheEsterna;       // for pictures painted elsewhere (previews, tests)
    QPointF m_angolo;           // where the scene's corner fell at the last paint on screen
    QRegion m_disegnateInMoto;  // what the moving clips covered at the last paint on screen
};
