// Turns the user guide's Markdown text into the PDF that the program opens:
//   makeguide <guida.md> <screenshot folder> <calcolottisv.pdf> [picture folder]
// A picture line "![caption](file.png)" shows the screenshot with its caption
// when the file is in the screenshot folder, and is left out when it is not, so
// the guide builds before anyone has taken the screenshots. A line naming an
// SVG file shows that picture of the program, from the picture folder, without
// a caption. The headings of the second and third level become the PDF's
// bookmarks.
#include "record/SegnalibriPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextStream>
#include <QTextTable>
#include <QVector>

#include <cstdio>
#include <memory>

namespace {

const QColor Titoli(0x1a, 0x3a, 0x8a);

struct Figure {
    QHash<QString, QImage> immagini;
    QHash<QString, qreal> larghezze;  // of the program's pictures, in the document's pixels
};

// The program's pictures are drawn four times larger than shown, so that they
// stay sharp when the PDF is zoomed or printed.
QImage disegnoDelProgramma(const QString &percorso, qreal &larghezza)
{
    QImageReader lettore(percorso);
    const QSize naturale = lettore.size();
    if (!naturale.isValid())
        return QImage();
    larghezza = 96.0 * naturale.width() / std::max(naturale.width(), naturale.height());
    lettore.setScaledSize(naturale.scaled(QSize(384, 384), Qt::KeepAspectRatio));
    return lettore.read();
}

QString preparaTesto(const QString &sorgente, const QDir &schermate, const QDir &disegni, Figure &figure)
{
    static const QRegularExpression figura(QStringLiteral(R"(^!\[([^\]]*)\]\(([^)\s]+)\)\s*$)"));
    QStringList righe;
    const QStringList originali = sorgente.split(QLatin1Char('\n'));
    for (const QString &riga : originali) {
        const auto m = figura.match(riga);
        if (!m.hasMatch()) {
            righe << riga;
            continue;
        }
        const QString file = m.captured(2);
        QImage immagine;
        if (file.endsWith(QLatin1String(".svg"))) {
            qreal larghezza = 0;
            immagine = disegnoDelProgramma(disegni.filePath(file), larghezza);
            figure.larghezze.insert(file, larghezza);
        } else {
            immagine = QImage(schermate.filePath(file));
        }
        if (immagine.isNull())
            continue;
        figure.immagini.insert(file, immagine);
        // Qt drops a picture whose alternative text is empty.
        righe << (m.captured(1).isEmpty() ? QStringLiteral("![%1](%1)").arg(file) : riga);
        if (!figure.larghezze.contains(file) && !m.captured(1).isEmpty())
            righe << QString() << QStringLiteral("*%1*").arg(m.captured(1));
    }
    return righe.join(QLatin1Char('\n'));
}

// Screenshots are drawn at most three quarters as wide as the text, never
// enlarged, centred.
void adattaFigure(QTextDocument &doc, qreal larghezzaTesto, const Figure &figure)
{
    struct Figura {
        int posizione;
        QTextImageFormat formato;
    };
    // Collected first: changing a format while walking the fragments would
    // split and merge the very fragments being walked.
    QVector<Figura> trovate;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                trovate.push_back({it.fragment().position(), it.fragment().charFormat().toImageFormat()});
        }
    }
    for (Figura &f : trovate) {
        const QImage immagine = figure.immagini.value(f.formato.name());
        if (immagine.isNull())
            continue;
        const qreal larghezza = figure.larghezze.contains(f.formato.name())
            ? figure.larghezze.value(f.formato.name())
            : std::min<qreal>(immagine.width(), larghezzaTesto * 0.75);
        f.formato.setWidth(larghezza);
        f.formato.setHeight(larghezza * immagine.height() / immagine.width());
        QTextCursor c(&doc);
        c.setPosition(f.posizione);
        c.setPosition(f.posizione + 1, QTextCursor::KeepAnchor);
        c.setCharFormat(f.formato);
        QTextBlockFormat centrato = c.blockFormat();
        centrato.setAlignment(Qt::AlignHCenter);
        centrato.setTopMargin(6);
        c.setBlockFormat(centrato);
    }
}

void abbellisci(QTextDocument &doc)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        // No selection across the block's start: that would reach the block before.
        QTextCursor c(b);
        const int livello = b.blockFormat().headingLevel();
        if (livello > 0) {
            QTextBlockFormat spazio = b.blockFormat();
            spazio.setTopMargin(livello == 1 ? 0 : 14);
            spazio.setBottomMargin(6);
            c.setBlockFormat(spazio);
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QTextCharFormat colore;
            colore.setForeground(Titoli);
            c.mergeCharFormat(colore);
        }
        // Captions of the screenshots: centred under their picture.
        if (b.previous().isValid() && b.previous().text() == QString(QChar::ObjectReplacementCharacter)
            && b.charFormat().fontItalic()) {
            QTextBlockFormat centrato = b.blockFormat();
            centrato.setAlignment(Qt::AlignHCenter);
            centrato.setBottomMargin(10);
            c.setBlockFormat(centrato);
        }
    }
    const auto cornici = doc.rootFrame()->childFrames();
    for (QTextFrame *cornice : cornici) {
        auto *tabella = qobject_cast<QTextTable *>(cornice);
        if (!tabella)
            continue;
        QTextTableFormat formato = tabella->format();
        formato.setBorder(0.5);
        formato.setBorderBrush(QColor(0x80, 0x80, 0x80));
        formato.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        formato.setBorderCollapse(true);
        formato.setCellPadding(4);
        formato.setCellSpacing(0);
        formato.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        tabella->setFormat(formato);
        for (int colonna = 0; colonna < tabella->columns(); ++colonna) {
            QTextTableCell cella = tabella->cellAt(0, colonna);
            QTextCharFormat intestazione = cella.format();
            intestazione.setBackground(QColor(0xdd, 0xe8, 0xff));
            cella.setFormat(intestazione);
        }
    }
}

// Where print() puts each heading of the second and third level. It says
// nothing of it, so a copy of the document is laid out here as print() lays
// out its own: on the printer, inside margins of 2 cm in the screen's pixels,
// in pages as tall as the printer's. Called after print(), which sets the
// printer's margins.
Aggiunte segnalibriDellaGuida(const QTextDocument &doc, QPdfWriter &pdf, qreal dpiSchermo)
{
    std::unique_ptr<QTextDocument> copia(doc.clone());
    copia->documentLayout()->setPaintDevice(&pdf);
    const int margine = int(2 / 2.54 * qRound(dpiSchermo));
    QTextFrameFormat cornice = copia->rootFrame()->frameFormat();
    cornice.setLeftMargin(margine);
    cornice.setRightMargin(margine);
    cornice.setTopMargin(margine);
    cornice.setBottomMargin(margine);
    copia->rootFrame()->setFrameFormat(cornice);
    const qreal altezzaPagina = pdf.height();
    copia->setPageSize(QSizeF(pdf.width(), altezzaPagina));

    Aggiunte aggiunte;
    aggiunte.pagine = copia->pageCount();  // lays the whole copy out
    const qreal punti = 72.0 / pdf.resolution();
    const qreal foglio = pdf.pageLayout().fullRect(QPageLayout::Point).height();
    const qreal bordo = pdf.pageLayout().paintRect(QPageLayout::Point).top();
    for (QTextBlock b = copia->begin(); b.isValid(); b = b.next()) {
        const int livello = b.blockFormat().headingLevel();
        if ((livello != 2 && livello != 3) || b.layout()->lineCount() == 0)
            continue;
        // Headings sit in the root frame: their layout's position is the page's.
        // The first line's own top: that line is what moves to the next page
        // when the heading does not fit at the bottom of one.
        const qreal y = b.layout()->position().y() + b.layout()->lineAt(0).y();
        Segnalibro s;
        s.titolo = b.text().simplified();
        s.pagina = int(y / altezzaPagina);
        // A little above the heading, so that the viewer shows all of it.
        s.altezza = std::min(foglio, foglio - bordo - (y - s.pagina * altezzaPagina) * punti + 8);
        if (livello == 3 && !aggiunte.segnalibri.isEmpty())
            aggiunte.segnalibri.last().figli << s;
        else
            aggiunte.segnalibri << s;
    }
    return aggiunte;
}

}

int main(int argc, char **argv)
{
    // Runs during the build, where there may be no display at all.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "uso: makeguide <guida.md> <cartella delle schermate> <uscita.pdf> [cartella dei disegni]\n");
        return 2;
    }
    QFile sorgente(QString::fromLocal8Bit(argv[1]));
    if (!sorgente.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "makeguide: non posso leggere %s\n", argv[1]);
        return 1;
    }
    const QString testo = QString::fromUtf8(sorgente.readAll());
    const QDir cartella(QString::fromLocal8Bit(argv[2]));
    const QDir disegni(argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString());
    const QString uscita = QString::fromLocal8Bit(argv[3]);

    QTextDocument doc;
    QFont carattere(QStringLiteral("DejaVu Sans"));
    carattere.setPointSizeF(10.5);
    doc.setDefaultFont(carattere);
    Figure figure;
    doc.setMarkdown(preparaTesto(testo, cartella, disegni, figure), QTextDocument::MarkdownDialectGitHub);
    // After the text: setMarkdown() clears the document's resources.
    for (auto it = figure.immagini.cbegin(); it != figure.immagini.cend(); ++it)
        doc.addResource(QTextDocument::ImageResource, QUrl(it.key()), it.value());

    // Written to a temporary name: a failed run never leaves half a guide.
    const QString provvisorio = uscita + QStringLiteral(".part");
    QFile::remove(provvisorio);
    Aggiunte aggiunte;
    {
        QPdfWriter pdf(provvisorio);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        // QTextDocument::print() adds margins of 2 cm of its own and the page number.
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Calcolotti \u2013 Guida per genitori e insegnanti"));
        pdf.setCreator(QStringLiteral("Calcolotti"));
        const qreal dpi = app.primaryScreen() ? app.primaryScreen()->logicalDotsPerInchX() : 96.0;
        adattaFigure(doc, (210.0 - 40.0) / 25.4 * dpi, figure);
        abbellisci(doc);
        doc.print(&pdf);
        aggiunte = segnalibriDellaGuida(doc, pdf, dpi);
    }
    aggiunte.lingua = "it-IT";
    aggiunte.autore = QStringLiteral("Gli autori di Calcolotti");
    QString errore;
    if (QFileInfo(provvisorio).size() > 0 && !completaPdf(provvisorio, aggiunte, errore)) {
        std::fprintf(stderr, "makeguide: %s: %s\n", argv[3], qPrintable(errore));
        QFile::remove(provvisorio);
        return 1;
    }
    QFile::remove(uscita);
    if (QFileInfo(provvisorio).size() == 0 || !QFile::rename(provvisorio, uscita)) {
        std::fprintf(stderr, "makeguide: non posso scrivere %s\n", argv[3]);
        return 1;
    }
    return 0;
}
