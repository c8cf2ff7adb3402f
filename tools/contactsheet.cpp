// Renders scenes side by side, as they stand before and after their clips
// act, so the drawings can be judged at a glance.
//   contactsheet [--prefix b] [--from 1] [--count 23] [--dir scenes] [--panel 240] out.png

#include "exercises/catalog/Catalogo.h"
#include "media/animation/Orologio.h"
#include "media/animation/ScenePlayer.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

enum class Pannello { Prima, Dopo, MetaAttenuata };

// Clips 1..5 act and 6..10 are dimmed to 40 percent, as a subtraction exercise
// shows a part and its rest.
QImage pannello(const QString &file, const QString &colore, QChar gruppo, Pannello tipo, QSize misura)
{
    OrologioManuale orologio;
    ScenePlayer lettore(nullptr, &orologio);
    lettore.Movie(file);
    lettore.BGColor(colore);
    for (int i = 1; i <= 10; ++i) {
        const QString clip = QStringLiteral("_root.%1%2").arg(gruppo).arg(i);
        lettore.TSetProperty(clip, AnimationPlayer::ProprietaVisibilita, QStringLiteral("1"));
        lettore.TStopPlay(clip);
        if (tipo == Pannello::Dopo || (tipo == Pannello::MetaAttenuata && i <= 5))
            lettore.TPlay(clip);
        if (tipo == Pannello::MetaAttenuata && i > 5)
            lettore.TSetProperty(clip, AnimationPlayer::ProprietaOpacita, QStringLiteral("40"));
    }
    orologio.avanza(60 * 1000);
    QImage immagine(misura, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&immagine);
    lettore.dipingi(painter, QRectF(QPointF(0, 0), misura));
    return immagine;
}

bool haGruppoB(const QString &file)
{
    Scena scena;
    return scena.carica(file) && scena.indice(QStringLiteral("b1")) >= 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown on screen, so the tool runs without a display too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser opzioni;
    opzioni.setApplicationDescription(QStringLiteral("Contact sheet of the scenes"));
    opzioni.addHelpOption();
    opzioni.addOption({QStringLiteral("prefix"), QStringLiteral("a or b"), QStringLiteral("lettera"), QStringLiteral("b")});
    opzioni.addOption({QStringLiteral("from"), QStringLiteral("first scene"), QStringLiteral("n"), QStringLiteral("1")});
    opzioni.addOption({QStringLiteral("count"), QStringLiteral("number of scenes"), QStringLiteral("n"), QStringLiteral("23")});
    opzioni.addOption({QStringLiteral("dir"), QStringLiteral("folder of the scene files"), QStringLiteral("cartella"),
                       QCoreApplication::applicationDirPath() + QStringLiteral("/scenes")});
    opzioni.addOption({QStringLiteral("panel"), QStringLiteral("width of one picture"), QStringLiteral("pixel"), QStringLiteral("240")});
    opzioni.addPositionalArgument(QStringLiteral("out.png"), QStringLiteral("the sheet to write"));
    opzioni.process(app);
    if (opzioni.positionalArguments().size() != 1)
        opzioni.showHelp(1);

    const QString prefisso = opzioni.value(QStringLiteral("prefix"));
    const int primo = opzioni.value(QStringLiteral("from")).toInt();
    const int quante = opzioni.value(QStringLiteral("count")).toInt();
    const int larghezza = qBound(60, opzioni.value(QStringLiteral("panel")).toInt(), 2000);
    const QSize misura(larghezza, larghezza * 530 / 550);
    const QDir cartella(opzioni.value(QStringLiteral("dir")));
    if (prefisso.size() != 1 || quante < 1 || primo < 1) {
        std::fprintf(stderr, "contactsheet: bad --prefix, --from or --count\n");
        return 1;
    }

    Catalogo::TabellaFrasi frasi;
    const auto famiglia = prefisso == QLatin1String("a") ? Catalogo::Famiglia::Addizione
                                                          : Catalogo::Famiglia::Sottrazione;
    Catalogo::LeggiFrasi(famiglia, frasi);

    const int margine = 46;   // a line for the scene, a line for each picture
    const int spazio = 6;
    QVector<QVector<QImage>> righe;
    QStringList titoli;
    int colonne = 0;
    for (int n = primo; n < primo + quante; ++n) {
        const QString file = cartella.filePath(QStringLiteral("%1%2.svg").arg(prefisso).arg(n));
        QString colore = frasi.frase(qMin(n, Catalogo::TabellaFrasi::Righe - 1), 14);
        if (colore.isEmpty()) {
            Scena scena;
            scena.carica(file);
            colore = scena.coloreAnteprima();
        }
        QVector<QImage> riga;
        QStringList gruppi{QStringLiteral("a")};
        if (haGruppoB(file))
            gruppi << QStringLiteral("b");
        for (const QString &gruppo : gruppi)
            for (Pannello tipo : {Pannello::Prima, Pannello::Dopo, Pannello::MetaAttenuata})
                riga << pannello(file, colore, gruppo.at(0), tipo, misura);
        colonne = qMax(colonne, int(riga.size()));
        righe << riga;
        titoli << QStringLiteral("%1%2  (%3)").arg(prefisso).arg(n).arg(colore.isEmpty() ? QStringLiteral("?") : colore);
    }

    QImage foglio(colonne * (misura.width() + spazio) + spazio,
                  righe.size() * (misura.height() + margine) + spazio, QImage::Format_RGB32);
    foglio.fill(QColor(0x60, 0x60, 0x60));
    QPainter painter(&foglio);
    QFont carattere = painter.font();
    carattere.setPixelSize(14);
    carattere.setBold(true);
    painter.setFont(carattere);
    painter.setPen(Qt::white);
    const QStringList intestazioni{QStringLiteral("prima"), QStringLiteral("dopo TPlay"),
                                   QStringLiteral("1-5 TPlay, 6-10 al 40%")};
    for (int r = 0; r < righe.size(); ++r) {
        const int y = r * (misura.height() + margine) + margine;
        for (int c = 0; c < righe[r].size(); ++c) {
            const int x = spazio + c * (misura.width() + spazio);
            painter.drawImage(x, y, righe[r][c]);
            QString testo = intestazioni[c % 3];
            if (righe[r].size() > 3)
                testo = (c < 3 ? QStringLiteral("a: ") : QStringLiteral("b: ")) + testo;
            painter.drawText(x, y - 6, painter.fontMetrics().elidedText(testo, Qt::ElideRight, misura.width()));
            if (c == 0)
                painter.drawText(x, y - 26, titoli[r]);
        }
    }
    painter.end();
    if (!foglio.save(opzioni.positionalArguments().constFirst())) {
        std::fprintf(stderr, "contactsheet: cannot write the sheet\n");
        return 1;
    }
    return 0;
}
