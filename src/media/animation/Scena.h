#pragma once

#include "media/animation/Azione.h"

#include <QRectF>
#include <QString>
#include <QTransform>
#include <QSvgRenderer>
#include <QVector>
#include <memory>

// One scene file: its drawing and its object clips with their declared actions.
class Scena
{
public:
    struct Clip
    {
        QString id;        // "a1" … "a10", "b1" … "b10"
        QString base;      // drawn with the clip but never moved; empty if absent
        QString prima;     // the object as it stands
        QString dopo;      // the object after its action; empty if absent
        QTransform gruppo; // the clip group's own transform, which rendering a part by id leaves out
        QPointF centro;    // turning and scaling happen about this point
        Azione azione;
    };

    // False (and an empty scene) for a missing, unreadable or malformed file.
    bool carica(const QString &percorso);

    bool valida() const { return m_renderer != nullptr; }
    QSvgRenderer *renderer() const { return m_renderer.get(); }
    QRectF tela() const;
    const QVector<Clip> &clip() const { return m_clip; }
    int indice(const QString &id) const;
    // The scenery groups that exist, in drawing order.
    QStringList fondale() const { return m_fondale; }
    // The colour the scene was drawn for, as a hint for previews only; the
    // program sets the real one.
    QString coloreAnteprima() const { return m_coloreAnteprima; }

    static bool idDiClip(const QString &id);
    // An SVG `transform` attribute; anything unreadable counts as no transform.
    static QTransform trasformazioneSvg(const QString &testo);

private:
    std::unique_ptr<QSvgRenderer> m_renderer;
    QVector<Clip> m_clip;
    QStringList m_fondale;
    QString m_coloreAnteprima;
};
