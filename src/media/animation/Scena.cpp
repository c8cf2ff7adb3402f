#include "media/animation/Scena.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtMath>
#include <cmath>

bool Scena::idDiClip(const QString &id)
{
    static const QRegularExpression forma(QStringLiteral("^[ab]([1-9]|10)$"));
    return forma.match(id).hasMatch();
}

QTransform Scena::trasformazioneSvg(const QString &testo)
{
    static const QRegularExpression passo(QStringLiteral("(\\w+)\\s*\\(([^)]*)\\)"));
    static const QRegularExpression separatori(QStringLiteral("[\\s,]+"));
    QTransform risultato;
    auto passi = passo.globalMatch(testo);
    while (passi.hasNext()) {
        const auto trovato = passi.next();
        const QString nome = trovato.captured(1);
        QVector<double> n;
        for (const QString &parte : trovato.captured(2).split(separatori, Qt::SkipEmptyParts)) {
            bool ok = false;
            n << parte.toDouble(&ok);
            if (!ok || !std::isfinite(n.last()))
                return QTransform();
        }
        QTransform t;
        if (nome == QLatin1String("translate") && (n.size() == 1 || n.size() == 2))
            t.translate(n[0], n.size() == 2 ? n[1] : 0);
        else if (nome == QLatin1String("scale") && (n.size() == 1 || n.size() == 2))
            t.scale(n[0], n.size() == 2 ? n[1] : n[0]);
        else if (nome == QLatin1String("rotate") && n.size() == 1)
            t.rotate(n[0]);
        else if (nome == QLatin1String("rotate") && n.size() == 3)
            t.translate(n[1], n[2]).rotate(n[0]).translate(-n[1], -n[2]);
        else if (nome == QLatin1String("matrix") && n.size() == 6)
            t.setMatrix(n[0], n[1], 0, n[2], n[3], 0, n[4], n[5], 1);
        else if (nome == QLatin1String("skewX") && n.size() == 1)
            t.shear(std::tan(qDegreesToRadians(n[0])), 0);
        else if (nome == QLatin1String("skewY") && n.size() == 1)
            t.shear(0, std::tan(qDegreesToRadians(n[0])));
        else
            return QTransform();
        // SVG applies the rightmost step first.
        risultato = t * risultato;
    }
    return risultato;
}

bool Scena::carica(const QString &percorso)
{
    m_renderer.reset();
    m_clip.clear();
    m_fondale.clear();
    m_coloreAnteprima.clear();

    // A pipe in a scene's place would wait for a writer for ever.
    QFile file(percorso);
    if (!QFileInfo(percorso).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray testo = file.readAll();

    // The renderer ignores our own attributes, so read the clips' actions separately.
    struct Dichiarata
    {
        QString id;
        Azione azione;
        QTransform gruppo;
    };
    QVector<Dichiarata> dichiarate;
    QXmlStreamReader lettore(testo);
    int profondita = 0;
    while (!lettore.atEnd()) {
        lettore.readNext();
        if (lettore.isStartElement()) {
            ++profondita;
            const QString id = lettore.attributes().value(QStringLiteral("id")).toString();
            if (profondita == 1) {
                m_coloreAnteprima = lettore.attributes()
                    .value(QStringLiteral("urn:calcolotti:scena"), QStringLiteral("sfondo")).toString();
            } else if (profondita == 2 && idDiClip(id)) {
                dichiarate.append({id, Azione::daAttributi(lettore.attributes()),
                                   trasformazioneSvg(lettore.attributes().value(QStringLiteral("transform")).toString())});
            }
        } else if (lettore.isEndElement()) {
            --profondita;
        }
    }
    if (lettore.hasError())
        return false;

    auto renderer = std::make_unique<QSvgRenderer>();
    if (!renderer->load(testo) || !renderer->isValid())
        return false;

    for (const auto &[id, azione, gruppo] : dichiarate) {
        if (indice(id) >= 0 || !renderer->elementExists(id))
            continue;
        Clip clip;
        clip.id = id;
        clip.azione = azione;
        const QString base = id + QStringLiteral("-base");
        const QString prima = id + QStringLiteral("-prima");
        const QString dopo = id + QStringLiteral("-dopo");
        clip.base = renderer->elementExists(base) ? base : QString();
        clip.prima = renderer->elementExists(prima) ? prima : id;
        clip.dopo = renderer->elementExists(dopo) ? dopo : QString();
        // A part rendered by id leaves out its group's transform; the group rendered whole does not.
        clip.gruppo = clip.prima == id ? QTransform() : gruppo;
        clip.centro = clip.gruppo.mapRect(renderer->boundsOnElement(clip.prima)).center();
        m_clip.append(clip);
    }
    for (const QString &id : {QStringLiteral("scenario"), QStringLiteral("ambiente")})
        if (renderer->elementExists(id))
            m_fondale << id;
    m_renderer = std::move(renderer);
    return true;
}

QRectF Scena::tela() const
{
    return m_renderer ? m_renderer->viewBoxF() : QRectF();
}

int Scena::indice(const QString &id) const
{
    for (int i = 0; i < m_clip.size(); ++i)
        if (m_clip[i].id == id)
            return i;
    return -1;
}
