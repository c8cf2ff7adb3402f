#include "media/animation/Scena.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

bool Scena::idDiClip(const QString &id)
{
    static const QRegularExpression forma(QStringLiteral("^[ab]([1-9]|10)$"));
    return forma.match(id).hasMatch();
}

bool Scena::carica(const QString &percorso)
{
    m_renderer.reset();
    m_clip.clear();
    m_fondale.clear();
    m_coloreAnteprima.clear();

    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray testo = file.readAll();

    // The renderer ignores our own attributes, so read the clips' actions separately.
    QVector<QPair<QString, Azione>> dichiarate;
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
                dichiarate.append({id, Azione::daAttributi(lettore.attributes())});
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

    for (const auto &[id, azione] : dichiarate) {
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
        clip.centro = renderer->boundsOnElement(clip.prima).center();
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
