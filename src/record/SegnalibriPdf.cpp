#include "record/SegnalibriPdf.h"

#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>

namespace {

// Text strings go in UTF-16BE with the byte order mark, in hex: viewers then
// show accents and «» right, and no character needs escaping.
QByteArray testoPdf(const QString &testo)
{
    QByteArray esadecimale = "<FEFF";
    for (const QChar c : testo)
        esadecimale += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return esadecimale + '>';
}

QByteArray riferimento(int numero)
{
    return QByteArray::number(numero) + " 0 R";
}

// The file as QPdfWriter writes it: one uncompressed cross-reference table and
// plain dictionaries for the catalog, the page tree and the Info.
struct Pdf {
    QByteArray dati;
    QHash<int, qint64> posizioni;  // where each object starts
    int dimensione = 0;            // the trailer's /Size
    int radice = 0;                // the catalog
    int info = 0;                  // 0: none
    qint64 tabella = 0;            // where the cross-reference table starts
    QByteArray identificativo;     // the trailer's /ID, carried into the new trailer

    // An object up to its "endobj": only for objects without a stream.
    QByteArray oggetto(int numero) const
    {
        const qint64 inizio = posizioni.value(numero, -1);
        const qint64 fine = inizio < 0 ? -1 : dati.indexOf("endobj", inizio);
        return fine < 0 ? QByteArray() : dati.mid(inizio, fine - inizio);
    }
};

qint64 numeroIn(const QString &testo, const QString &schema)
{
    const auto m = QRegularExpression(schema).match(testo);
    return m.hasMatch() ? m.captured(1).toLongLong() : 0;
}

bool leggi(Pdf &pdf)
{
    const qsizetype trailer = pdf.dati.lastIndexOf("trailer");
    if (trailer < 0)
        return false;
    const QString coda = QString::fromLatin1(pdf.dati.mid(trailer));
    pdf.dimensione = int(numeroIn(coda, QStringLiteral(R"(/Size\s+(\d+))")));
    pdf.radice = int(numeroIn(coda, QStringLiteral(R"(/Root\s+(\d+)\s+0\s+R)")));
    pdf.info = int(numeroIn(coda, QStringLiteral(R"(/Info\s+(\d+)\s+0\s+R)")));
    pdf.tabella = numeroIn(coda, QStringLiteral(R"(startxref\s+(\d+))"));
    // A file updated before would have older tables to follow as well.
    if (pdf.dimensione <= 0 || pdf.radice <= 0 || pdf.tabella <= 0 || coda.contains(QLatin1String("/Prev")))
        return false;
    const auto id = QRegularExpression(QStringLiteral(R"(/ID\s*\[[^\]]*\])")).match(coda);
    pdf.identificativo = id.captured(0).toLatin1();

    // Subsections "first count", then twenty bytes per object.
    if (!pdf.dati.mid(pdf.tabella, 4).startsWith("xref"))
        return false;
    qint64 pos = pdf.tabella + 4;
    while (pos < trailer) {
        const qint64 finePrima = pdf.dati.indexOf('\n', pos);
        if (finePrima < 0)
            return false;
        const QList<QByteArray> intestazione = pdf.dati.mid(pos, finePrima - pos).simplified().split(' ');
        pos = finePrima + 1;
        if (intestazione.size() == 1 && intestazione[0].isEmpty())
            continue;
        if (intestazione.size() != 2)
            return false;
        const int primo = intestazione[0].toInt();
        const int quanti = intestazione[1].toInt();
        for (int i = 0; i < quanti; ++i, pos += 20) {
            const QByteArray voce = pdf.dati.mid(pos, 20);
            if (voce.size() != 20)
                return false;
            if (voce[17] == 'n')
                pdf.posizioni.insert(primo + i, voce.left(10).toLongLong());
        }
    }
    return pdf.posizioni.contains(pdf.radice);
}

// The page objects in reading order, down the page tree.
bool leggiPagine(const Pdf &pdf, int nodo, QVector<int> &uscita, int profondita = 0)
{
    static const QRegularExpression albero(QStringLiteral(R"(/Type\s*/Pages\b)"));
    static const QRegularExpression figli(QStringLiteral(R"(/Kids\s*\[([^\]]*)\])"));
    static const QRegularExpression rif(QStringLiteral(R"((\d+)\s+0\s+R)"));
    const QString testo = QString::fromLatin1(pdf.oggetto(nodo));
    if (testo.isEmpty() || profondita > 32)
        return false;
    if (!albero.match(testo).hasMatch()) {
        uscita << nodo;
        return true;
    }
    const auto elenco = figli.match(testo);
    auto it = rif.globalMatch(elenco.captured(1));
    while (it.hasNext()) {
        if (!leggiPagine(pdf, it.next().captured(1).toInt(), uscita, profondita + 1))
            return false;
    }
    return elenco.hasMatch();
}

// The same dictionary with more entries, to write it again under its number.
QByteArray conVoci(const QByteArray &oggetto, const QByteArray &voci)
{
    const qsizetype inizio = oggetto.indexOf("<<");
    const qsizetype fine = oggetto.lastIndexOf(">>");
    if (inizio < 0 || fine < inizio)
        return {};
    return oggetto.mid(inizio, fine - inizio) + voci + ">>";
}

// The update being written after the file's last byte.
struct Aggiornamento {
    qint64 base = 0;
    QByteArray testo;
    QMap<int, qint64> posizioni;

    void oggetto(int numero, const QByteArray &corpo)
    {
        posizioni.insert(numero, base + testo.size());
        testo += QByteArray::number(numero) + " 0 obj\n" + corpo + "\nendobj\n";
    }

    // One subsection for each run of consecutive numbers.
    QByteArray tabella() const
    {
        QByteArray uscita = "xref\n";
        for (auto it = posizioni.cbegin(); it != posizioni.cend();) {
            auto fine = it;
            int quanti = 0;
            while (fine != posizioni.cend() && fine.key() == it.key() + quanti) {
                ++fine;
                ++quanti;
            }
            uscita += QByteArray::number(it.key()) + ' ' + QByteArray::number(quanti) + '\n';
            for (; it != fine; ++it)
                uscita += QByteArray::number(it.value()).rightJustified(10, '0') + " 00000 n \n";
        }
        return uscita;
    }
};

// How many bookmarks show under these when all are open.
int aperti(const QVector<Segnalibro> &voci)
{
    int n = voci.size();
    for (const Segnalibro &v : voci)
        n += aperti(v.figli);
    return n;
}

bool pagineGiuste(const QVector<Segnalibro> &voci, int pagine)
{
    for (const Segnalibro &v : voci) {
        if (v.pagina < 0 || v.pagina >= pagine || !pagineGiuste(v.figli, pagine))
            return false;
    }
    return true;
}

// Writes one level of bookmarks under `genitore`, numbered from `prossimo`,
// each one before its children; gives back their numbers.
QVector<int> scriviLivello(const QVector<Segnalibro> &voci, int genitore, int &prossimo,
                           const QVector<int> &pagine, Aggiornamento &agg)
{
    QVector<int> numeri;
    for (int i = 0; i < voci.size(); ++i)
        numeri << prossimo++;
    for (int i = 0; i < voci.size(); ++i) {
        const Segnalibro &v = voci[i];
        QByteArray corpo = "<<\n/Title " + testoPdf(v.titolo) + "\n/Parent " + riferimento(genitore)
            + "\n/Dest [" + riferimento(pagine[v.pagina]) + " /XYZ null "
            + QByteArray::number(v.altezza, 'f', 1) + " null]\n";
        if (i > 0)
            corpo += "/Prev " + riferimento(numeri[i - 1]) + '\n';
        if (i + 1 < voci.size())
            corpo += "/Next " + riferimento(numeri[i + 1]) + '\n';
        if (!v.figli.isEmpty()) {
            const QVector<int> figli = scriviLivello(v.figli, numeri[i], prossimo, pagine, agg);
            corpo += "/First " + riferimento(figli.first()) + "\n/Last " + riferimento(figli.last())
                + "\n/Count " + QByteArray::number(aperti(v.figli)) + '\n';
        }
        agg.oggetto(numeri[i], corpo + ">>");
    }
    return numeri;
}

}

bool completaPdf(QByteArray &dati, const Aggiunte &aggiunte, QString &errore)
{
    Pdf pdf;
    pdf.dati = dati;
    QVector<int> numeriPagine;
    if (!leggi(pdf) || !leggiPagine(pdf, int(numeroIn(QString::fromLatin1(pdf.oggetto(pdf.radice)),
                                                 QStringLiteral(R"(/Pages\s+(\d+)\s+0\s+R)"))),
                               numeriPagine)) {
        errore = QStringLiteral("il PDF non è fatto come previsto");
        return false;
    }
    if (numeriPagine.size() != aggiunte.pagine || !pagineGiuste(aggiunte.segnalibri, aggiunte.pagine)) {
        errore = QStringLiteral("il PDF ha %1 pagine, i titoli ne occupano %2")
                     .arg(numeriPagine.size()).arg(aggiunte.pagine);
        return false;
    }
    const QByteArray catalogo = pdf.oggetto(pdf.radice);
    if (conVoci(catalogo, {}).isEmpty() || catalogo.contains("/Outlines") || catalogo.contains("/Lang")) {
        errore = QStringLiteral("il PDF ha già segnalibri o lingua");
        return false;
    }

    Aggiornamento agg;
    agg.base = pdf.dati.size();
    if (!pdf.dati.endsWith('\n'))
        agg.testo = "\n";
    int prossimo = pdf.dimensione;
    QByteArray voci;
    if (!aggiunte.segnalibri.isEmpty()) {
        const int radice = prossimo++;
        const QVector<int> primi = scriviLivello(aggiunte.segnalibri, radice, prossimo, numeriPagine, agg);
        agg.oggetto(radice, "<<\n/Type /Outlines\n/First " + riferimento(primi.first()) + "\n/Last "
                                + riferimento(primi.last()) + "\n/Count "
                                + QByteArray::number(aperti(aggiunte.segnalibri)) + "\n>>");
        voci += "/Outlines " + riferimento(radice) + "\n/PageMode /UseOutlines\n";
    }
    if (!aggiunte.lingua.isEmpty())
        voci += "/Lang (" + aggiunte.lingua + ")\n";
    agg.oggetto(pdf.radice, conVoci(catalogo, voci));
    const QByteArray info = pdf.info > 0 && !aggiunte.autore.isEmpty()
        ? conVoci(pdf.oggetto(pdf.info), "/Author " + testoPdf(aggiunte.autore) + '\n')
        : QByteArray();
    if (!info.isEmpty())
        agg.oggetto(pdf.info, info);

    const qint64 tabella = agg.base + agg.testo.size();
    agg.testo += agg.tabella() + "trailer\n<<\n/Size " + QByteArray::number(prossimo) + "\n/Root "
        + riferimento(pdf.radice) + '\n';
    if (pdf.info > 0)
        agg.testo += "/Info " + riferimento(pdf.info) + '\n';
    if (!pdf.identificativo.isEmpty())
        agg.testo += pdf.identificativo + '\n';
    agg.testo += "/Prev " + QByteArray::number(pdf.tabella) + "\n>>\nstartxref\n" + QByteArray::number(tabella)
        + "\n%%EOF\n";
    dati += agg.testo;
    return true;
}

bool completaPdf(const QString &percorso, const Aggiunte &aggiunte, QString &errore)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        errore = QStringLiteral("non posso leggere il PDF");
        return false;
    }
    const QByteArray prima = file.readAll();
    file.close();
    QByteArray dati = prima;
    if (!completaPdf(dati, aggiunte, errore))
        return false;
    const QByteArray aggiunta = dati.mid(prima.size());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(aggiunta) != aggiunta.size()
        || !file.flush()) {
        errore = QStringLiteral("non posso aggiungere i segnalibri al PDF");
        return false;
    }
    return true;
}
