#include "record/RelazionePdf.h"

#include "core/Italiano.h"
#include "core/StatoProgramma.h"
#include "record/ConsiglioVelocita.h"
#include "record/GraficiProgressi.h"
#include "record/SegnalibriPdf.h"

#include <QBuffer>
#include <QChart>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStorageInfo>

namespace {

constexpr int Dpi = 300;
const QString Famiglia = QStringLiteral("DejaVu Sans");

qreal mm(qreal millimetri)
{
    return millimetri / 25.4 * Dpi;
}

QFont carattere(qreal punti, bool grassetto = false)
{
    QFont f(Famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    // No ligatures: "fi" stays two letters for whoever copies or searches the text.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QString titoloDi(const DatiRelazione &dati)
{
    return dati.bambino.isEmpty() ? QStringLiteral("Calcolotti – Relazione")
                                  : QStringLiteral("Calcolotti – Relazione di %1").arg(dati.bambino);
}

QString siNo(bool vero)
{
    return vero ? QStringLiteral("sì") : QStringLiteral("no");
}

QString secondi(int ms, const QString &nessuno)
{
    return ms > 0 ? Italiano::decimale(ms / 1000.0, 2) + QStringLiteral(" secondi") : nessuno;
}

// Lays the report out page by page, top to bottom. It runs twice: once only
// measuring, to count the pages for "pagina 1 di 3", then drawing the same
// things in the same places.
class Impaginazione
{
public:
    Impaginazione(QPdfWriter &pdf, QPainter *pittore, const QString &piede, int pagine)
        : m_pdf(pdf), m_pittore(pittore), m_piede(piede), m_pagine(pagine)
        , m_area(QRectF(0, 0, pdf.width(), pdf.height()).adjusted(mm(18), mm(16), -mm(18), -mm(20)))
        , m_y(m_area.top())
    {
    }

    int pagine() const { return m_pagina + 1; }
    const QVector<Segnalibro> &segnalibri() const { return m_segnalibri; }
    qreal larghezza() const { return m_area.width(); }

    qreal altezza(const QFont &f, qreal larghezza, const QString &testo) const
    {
        return QFontMetricsF(f, &m_pdf).boundingRect(QRectF(0, 0, larghezza, 1e6), Qt::TextWordWrap, testo).height();
    }

    // A heading with its bookmark, kept on one page with the first `seguito` dots of what follows.
    void sezione(const QString &titolo, qreal seguito, const QString &segnalibro = QString(), qreal punti = 13)
    {
        const QFont f = carattere(punti, true);
        const qreal h = altezza(f, larghezza(), titolo);
        m_y += m_y > m_area.top() ? mm(6) : 0;
        spazio(h + mm(2) + seguito);
        // A little above the heading, so that the viewer shows all of it.
        const qreal foglio = m_pdf.height() * 72.0 / Dpi;
        m_segnalibri.append({segnalibro.isEmpty() ? titolo : segnalibro, m_pagina,
                             std::min(foglio, foglio - m_y * 72.0 / Dpi + 8), {}});
        testo(titolo, f, mm(2));
    }

    void testo(const QString &testo, const QFont &f = carattere(10), qreal dopo = mm(1.2))
    {
        const qreal h = altezza(f, larghezza(), testo);
        spazio(h);
        if (m_pittore) {
            m_pittore->setFont(f);
            m_pittore->setPen(Qt::black);
            m_pittore->drawText(QRectF(m_area.left(), m_y, larghezza(), h), Qt::TextWordWrap, testo);
        }
        m_y += h + dopo;
    }

    // Each column as wide as its longest cell, or else as its longest word
    // and a share of what is left; a header may always take several lines.
    // What the page has over goes by `pesi`. Rows that do not fit go on the
    // next page under the headers again.
    void tabella(const QStringList &intestazioni, const QVector<QStringList> &righe, const QVector<qreal> &pesi,
                 const QVector<bool> &numeri)
    {
        const QFont normale = carattere(8.5), grassetto = carattere(8.5, true);
        const QFontMetricsF misure(normale, &m_pdf), misureGrassetto(grassetto, &m_pdf);
        const int n = int(intestazioni.size());
        QVector<qreal> minime(n, 0), intere(n, 0);
        for (int c = 0; c < n; ++c) {
            for (const QString &parola : intestazioni[c].split(QLatin1Char(' ')))
                minime[c] = std::max(minime[c], misureGrassetto.horizontalAdvance(parola) + 2 * Spazio + 2);
            intere[c] = minime[c];
            for (const QStringList &celle : righe) {
                for (const QString &parola : celle.value(c).split(QLatin1Char(' ')))
                    minime[c] = std::max(minime[c], misure.horizontalAdvance(parola) + 2 * Spazio + 2);
                intere[c] = std::max(intere[c], misure.horizontalAdvance(celle.value(c)) + 2 * Spazio + 2);
            }
        }
        qreal minima = 0, intera = 0, pesoTotale = 0;
        for (int c = 0; c < n; ++c) {
            minima += minime[c];
            intera += intere[c];
            pesoTotale += pesi.value(c);
        }
        QVector<qreal> larghezze(n);
        for (int c = 0; c < n; ++c)
            larghezze[c] = intera <= larghezza()
                ? intere[c] + (larghezza() - intera) * pesi.value(c) / pesoTotale
                : minime[c] + (larghezza() - minima) * (intere[c] - minime[c]) / std::max(intera - minima, 1.0);
        const qreal testata = altezzaRiga(intestazioni, larghezze, grassetto);
        riga(intestazioni, larghezze, grassetto, numeri, testata, true);
        for (const QStringList &celle : righe) {
            const qreal h = altezzaRiga(celle, larghezze, normale);
            if (m_y + h > m_area.bottom()) {
                nuovaPagina();
                riga(intestazioni, larghezze, grassetto, numeri, testata, true);
            }
            riga(celle, larghezze, normale, numeri, h, false);
        }
        m_y += mm(1.2);
    }

    // The chart laid out in points, as a screen would lay it out in pixels,
    // then drawn scaled to the page.
    void grafico(QChart *grafico, const Riepilogo &r, qreal altezza)
    {
        const QRectF dove(m_area.left(), m_y, larghezza(), altezza);
        if (!m_pittore) {
            delete grafico;
        } else {
            QGraphicsScene scena;
            scena.addItem(grafico);
            const QSizeF misura = dove.size() * (72.0 / Dpi);
            scena.setSceneRect(QRectF(QPointF(0, 0), misura));
            // On paper the section's heading frames it: the screen's margins would only shrink the plot.
            grafico->layout()->setContentsMargins(0, 0, 0, 0);
            grafico->setMargins(QMargins(0, 4, 0, 0));
            grafico->setBackgroundRoundness(0);
            grafico->setGeometry(scena.sceneRect());
            QFont f(Famiglia);
            f.setPixelSize(8);
            f.setStyleStrategy(QFont::PreferNoShaping);
            GraficiProgressi::caratteri(grafico, f);
            // Laid out now, not when an event loop next turns: the labels that fit depend on the plot's width.
            grafico->layout()->activate();
            GraficiProgressi::etichettaColonne(grafico, r, int(grafico->plotArea().width()));
            grafico->layout()->activate();
            scena.render(m_pittore, dove, scena.sceneRect());
        }
        m_y += altezza + mm(1.2);
    }

    void fine() { piede(); }

private:
    void spazio(qreal altezza)
    {
        if (m_y + altezza > m_area.bottom() && m_y > m_area.top())
            nuovaPagina();
    }

    void nuovaPagina()
    {
        piede();
        if (m_pittore)
            m_pdf.newPage();
        ++m_pagina;
        m_y = m_area.top();
    }

    void piede()
    {
        if (!m_pittore)
            return;
        const QRectF riga(m_area.left(), m_area.bottom() + mm(8), larghezza(), mm(6));
        m_pittore->setFont(carattere(8));
        m_pittore->setPen(QColor(0x50, 0x50, 0x50));
        m_pittore->drawText(riga, Qt::AlignLeft | Qt::AlignVCenter, m_piede);
        m_pittore->drawText(riga, Qt::AlignRight | Qt::AlignVCenter,
                            QStringLiteral("pagina %1 di %2").arg(m_pagina + 1).arg(m_pagine));
    }

    qreal altezzaRiga(const QStringList &celle, const QVector<qreal> &larghezze, const QFont &f) const
    {
        qreal h = 0;
        for (int c = 0; c < celle.size(); ++c)
            h = std::max(h, altezza(f, larghezze[c] - 2 * Spazio, celle[c]));
        return h + 2 * Spazio;
    }

    void riga(const QStringList &celle, const QVector<qreal> &larghezze, const QFont &f, const QVector<bool> &numeri,
              qreal h, bool testata)
    {
        if (m_pittore) {
            m_pittore->setFont(f);
            qreal x = m_area.left();
            for (int c = 0; c < celle.size(); ++c) {
                const QRectF cella(x, m_y, larghezze[c], h);
                if (testata)
                    m_pittore->fillRect(cella, QColor(0xdd, 0xe8, 0xff));
                m_pittore->setPen(QPen(QColor(0x80, 0x80, 0x80), mm(0.15)));
                m_pittore->drawRect(cella);
                m_pittore->setPen(Qt::black);
                const Qt::Alignment allineamento = numeri.value(c) ? Qt::AlignRight : Qt::AlignLeft;
                m_pittore->drawText(cella.adjusted(Spazio, Spazio, -Spazio, -Spazio),
                                    int(allineamento | (testata ? Qt::AlignBottom : Qt::AlignTop)) | Qt::TextWordWrap,
                                    celle[c]);
                x += larghezze[c];
            }
        }
        m_y += h;
    }

    static constexpr qreal Spazio = 12;  // a cell's padding, in dots: one millimetre

    QPdfWriter &m_pdf;
    QPainter *m_pittore;
    QString m_piede;
    int m_pagine;
    QRectF m_area;
    qreal m_y;
    int m_pagina = 0;
    QVector<Segnalibro> m_segnalibri;
};

const QString NessunEsercizio = QStringLiteral("Nessun esercizio in questo periodo.");

void componi(Impaginazione &p, const DatiRelazione &dati, const QDateTime &adesso)
{
    const Riepilogo &r = dati.riepilogo;
    const bool vuoto = r.giorni.isEmpty();
    const qreal riga = p.altezza(carattere(10), p.larghezza(), QStringLiteral("X"));

    p.sezione(titoloDi(dati), 2 * riga,
              dati.bambino.isEmpty() ? QStringLiteral("Relazione") : QStringLiteral("Relazione di %1").arg(dati.bambino),
              18);
    p.testo(QStringLiteral("Periodo: %1").arg(dati.periodo));
    p.testo(QStringLiteral("Stampata il %1 alle %2")
                .arg(Italiano::data(adesso.date()), adesso.time().toString(QStringLiteral("HH:mm"))));

    p.sezione(QStringLiteral("Impostazioni"), 3 * riga);
    for (const QString &impostazione : dati.impostazioni)
        p.testo(impostazione);

    const qreal altezzaGrafico = mm(78);
    p.sezione(QStringLiteral("Risposte ed esercizi"), vuoto ? riga : altezzaGrafico);
    if (vuoto)
        p.testo(NessunEsercizio);
    else
        p.grafico(GraficiProgressi::risposte(r), r, altezzaGrafico);
    p.sezione(QStringLiteral("Tempo di risposta"), vuoto ? riga : altezzaGrafico);
    if (vuoto)
        p.testo(NessunEsercizio);
    else
        p.grafico(GraficiProgressi::tempi(r), r, altezzaGrafico);

    // A table's heading goes with its header and first row: some four lines.
    const QVector<QStringList> livelli = GraficiProgressi::righeLivelli(r);
    p.sezione(QStringLiteral("Livelli"), livelli.isEmpty() ? riga : 6 * riga);
    if (livelli.isEmpty())
        p.testo(NessunEsercizio);
    else
        p.tabella(GraficiProgressi::intestazioniLivelli(), livelli, {4, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                  {false, true, true, true, true, true, true, true, true, true});

    // The story's question is the screen's; on paper the columns that count.
    constexpr int Storia = 3;
    QStringList intestazioni = GraficiProgressi::intestazioniRecenti();
    intestazioni.removeAt(Storia);
    QVector<QStringList> recenti;
    for (const EsercizioRecente &e : r.recenti) {
        recenti << GraficiProgressi::rigaRecente(e);
        recenti.last().removeAt(Storia);
    }
    p.sezione(QStringLiteral("Ultimi esercizi"), recenti.isEmpty() ? riga : 4 * riga);
    if (recenti.isEmpty())
        p.testo(NessunEsercizio);
    else
        p.tabella(intestazioni, recenti, {1, 1, 3, 1, 1, 1, 1, 1},
                  {false, false, false, false, true, true, true, false});

    p.sezione(QStringLiteral("Velocità della scansione"), 2 * riga);
    p.testo(QStringLiteral("Scansione automatica (un sensore). ") + dati.consiglio);
    p.fine();
}

// Why the file could not be written, for the adult.
QString motivoScrittura(const QString &file, const QSaveFile &uscita)
{
    const QString cartella = QFileInfo(file).absolutePath();
    if (!QFileInfo(cartella).isDir())
        return QStringLiteral("La cartella %1 non esiste.").arg(QDir::toNativeSeparators(cartella));
    if (QStorageInfo(cartella).bytesAvailable() < (1 << 20))
        return QStringLiteral("Il disco è pieno: %1 non è stato scritto.").arg(QDir::toNativeSeparators(file));
    if (uscita.error() == QFileDevice::OpenError || uscita.error() == QFileDevice::PermissionsError)
        return QStringLiteral("Non si può scrivere il file %1.").arg(QDir::toNativeSeparators(file));
    return QStringLiteral("La scrittura di %1 non è riuscita.").arg(QDir::toNativeSeparators(file));
}

}

namespace RelazionePdf {

DatiRelazione raccogli(Diario &diario, const StatoProgramma &stato, const QString &bambino, qint64 dalMs,
                       const QString &periodo)
{
    DatiRelazione dati;
    dati.bambino = bambino;
    dati.periodo = periodo;
    dati.impostazioni = impostazioniInParole(stato);
    const int intervallo = intervalloScansioneMs(stato);
    dati.riepilogo = diario.riepilogo(dalMs, intervallo);
    dati.consiglio = ConsiglioVelocita::consiglia(dati.riepilogo.campioni, intervallo).frase;
    return dati;
}

QStringList impostazioniInParole(const StatoProgramma &stato)
{
    const OpzioniScansione &o = stato.Scansione;
    QStringList righe;
    switch (stato.ModalitaInput) {
    case Modalita::Mouse:
        righe << QStringLiteral("Modo: mouse") << QStringLiteral("Usa cursore di sistema: %1").arg(siNo(stato.DisabilitaMousePersonalizzato));
        break;
    case Modalita::Frecce:
        righe << QStringLiteral("Modo: tastiera (frecce e Invio)");
        break;
    case Modalita::ScansioneManuale:
        righe << QStringLiteral("Modo: due sensori (scansione manuale: Spazio sposta, Invio sceglie)");
        break;
    case Modalita::ScansioneAutomatica:
        righe << QStringLiteral("Modo: un sensore (scansione automatica: Spazio sceglie)")
              << QStringLiteral("Velocità della scansione: %1").arg(secondi(intervalloScansioneMs(stato), QString()));
        break;
    default:
        righe << QStringLiteral("Modo: sconosciuto (%1)").arg(stato.ModalitaInput);
    }
    righe << QStringLiteral("Suoni: %1").arg(stato.SuoniAttivati ? QStringLiteral("attivati") : QStringLiteral("disattivati"));
    // The scanning options act wherever the keys or the switches move the highlight.
    if (stato.ModalitaInput < Modalita::ScansioneManuale || stato.ModalitaInput > Modalita::Frecce)
        return righe;
    righe << QStringLiteral("Dire il nome di ogni scelta illuminata: %1").arg(siNo(o.voce))
          << QStringLiteral("Un tocco leggero a ogni passo: %1").arg(siNo(o.suono))
          << QStringLiteral("Scansione a gruppi (prima 0-5 e 6-10, poi i numeri): %1").arg(siNo(o.gruppi));
    if (stato.ModalitaInput == Modalita::ScansioneAutomatica)
        righe << QStringLiteral("La prima scelta resta illuminata: %1 volte il passo").arg(Italiano::decimale(o.ritardoPrimo, 1))
              << QStringLiteral("Riposo dopo: %1").arg(o.giri > 0 ? QStringLiteral("%1 giri").arg(o.giri) : QStringLiteral("mai"));
    righe << QStringLiteral("Pressione più breve di così non conta: %1").arg(secondi(o.pressioneMinimaMs, QStringLiteral("no")))
          << QStringLiteral("Ignora una pressione ripetuta entro: %1").arg(secondi(o.ignoraRipetuteMs, QStringLiteral("no")))
          << QStringLiteral("Pausa dopo la scelta: %1").arg(secondi(o.pausaDopoSceltaMs, QStringLiteral("no")))
          << QStringLiteral("Annulla se tenuto più di: %1").arg(secondi(o.pressioneMassimaMs, QStringLiteral("mai")))
          << QStringLiteral("Bordo spesso intorno alla scelta: %1").arg(siNo(o.bordo))
          << QStringLiteral("Scelta illuminata più grande: %1").arg(siNo(o.ingrandisci));
    return righe;
}

qint64 inizioUltimiGiorni(int giorni)
{
    if (giorni <= 0)
        return 0;
    return QDateTime(QDate::currentDate().addDays(1 - giorni), QTime(0, 0)).toMSecsSinceEpoch();
}

QString nomeUltimiGiorni(int giorni)
{
    if (giorni <= 0)
        return QStringLiteral("tutto il diario");
    const QString dal = Italiano::data(QDateTime::fromMSecsSinceEpoch(inizioUltimiGiorni(giorni)).date());
    return giorni == 1 ? QStringLiteral("oggi (%1)").arg(dal) : QStringLiteral("ultimi %1 giorni (dal %2)").arg(giorni).arg(dal);
}

bool scrivi(const QString &file, const DatiRelazione &dati, QString &errore)
{
    // A report of nothing would mislead: the record's own reason instead.
    if (!dati.riepilogo.errore.isEmpty()) {
        errore = dati.riepilogo.errore;
        return false;
    }
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    Aggiunte aggiunte;
    {
        QPdfWriter pdf(&memoria);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        pdf.setResolution(Dpi);
        pdf.setTitle(titoloDi(dati));
        pdf.setCreator(QStringLiteral("Calcolotti"));
        const QDateTime adesso = QDateTime::currentDateTime();
        Impaginazione misura(pdf, nullptr, titoloDi(dati), 0);
        componi(misura, dati, adesso);
        QPainter pittore;
        if (!pittore.begin(&pdf)) {
            errore = QStringLiteral("Il PDF non si può comporre.");
            return false;
        }
        Impaginazione stampa(pdf, &pittore, titoloDi(dati), misura.pagine());
        componi(stampa, dati, adesso);
        pittore.end();
        aggiunte.segnalibri = stampa.segnalibri();
        aggiunte.pagine = stampa.pagine();
    }
    aggiunte.lingua = "it-IT";
    QByteArray byte = memoria.data();
    QString perche;
    if (!completaPdf(byte, aggiunte, perche)) {
        errore = QStringLiteral("Il PDF non è riuscito: %1.").arg(perche);
        return false;
    }
    // Written beside and renamed over an earlier report only once whole.
    QSaveFile uscita(file);
    if (!uscita.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || uscita.write(byte) != byte.size()
        || !uscita.commit()) {
        errore = motivoScrittura(file, uscita);
        uscita.cancelWriting();
        return false;
    }
    return true;
}

}
