#include "record/GraficiProgressi.h"

#include "core/Italiano.h"
#include "exercises/catalog/Catalogo.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QDateTime>
#include <QFontMetrics>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace GraficiProgressi {

namespace {

const QColor ColoriLivelli[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd),
                                QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf),
                                QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22)};

QLocale italiano()
{
    return QLocale(QLocale::Italian, QLocale::Italy);
}

QChart *nuovo(const QString &titolo)
{
    auto *grafico = new QChart;
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    grafico->setLocalizeNumbers(true);
    grafico->setLocale(italiano());
    grafico->setTitle(titolo);
    return grafico;
}

QString perGrana(const Riepilogo &r, const char *giorno, const char *settimana, const char *mese)
{
    return QString::fromUtf8(r.grana == Riepilogo::Giorno ? giorno : r.grana == Riepilogo::Settimana ? settimana : mese);
}

QCategoryAxis *asseColonne(const Riepilogo &r)
{
    auto *asse = new QCategoryAxis;
    asse->setObjectName(QStringLiteral("colonne"));
    asse->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    asse->setRange(-0.5, r.giorni.size() - 0.5);
    asse->setStartValue(-0.5);
    asse->setTruncateLabels(false);
    asse->setGridLineVisible(false);
    asse->setTitleText(perGrana(r, "giorni", "settimane, dal lunedì", "mesi"));
    return asse;
}

QValueAxis *asseValori(double massimo, const QString &titolo, bool interi)
{
    auto *asse = new QValueAxis;
    asse->setRange(0, std::max(interi ? 4.0 : 1.0, massimo * 1.1));
    asse->setTitleText(titolo);
    // Localized labels need a precision: with "%d" Qt Charts writes none at all.
    asse->setLabelFormat(interi ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
    asse->setTruncateLabels(false);
    asse->applyNiceNumbers();
    return asse;
}

QString secondi(int ms)
{
    return ms < 0 ? QStringLiteral("–") : Italiano::decimale(ms / 1000.0, 1);
}

QString percentuale(int parte, int tutto)
{
    return tutto > 0 ? QString::number(qRound(100.0 * parte / tutto)) : QStringLiteral("–");
}

// The story as the child met it: its first question ("Quante locomotive ci sono?").
QString storia(const QString &famiglia, int scena)
{
    static Catalogo::TabellaFrasi addizioni, sottrazioni;
    static const bool lette = [] {
        Catalogo::LeggiFrasi(Catalogo::Famiglia::Addizione, addizioni);
        Catalogo::LeggiFrasi(Catalogo::Famiglia::Sottrazione, sottrazioni);
        return true;
    }();
    Q_UNUSED(lette);
    const bool addizione = famiglia == QLatin1String("addizione");
    if (scena < 1 || scena >= Catalogo::TabellaFrasi::Righe)
        return QStringLiteral("storia %1").arg(scena);
    const QString domanda = addizione ? addizioni.frase(scena, Catalogo::SlotAddizione::DomandaA)
                                      : sottrazioni.frase(scena, Catalogo::SlotSottrazione::DomandaTotale);
    return domanda.isEmpty() ? QStringLiteral("storia %1").arg(scena) : domanda.simplified();
}

// The full name under the pointer where the legend shows a short one.
void nomiInteri(QChart *grafico, const QHash<QAbstractSeries *, QString> &nomi)
{
    const auto segni = grafico->legend()->markers();
    for (QLegendMarker *segno : segni) {
        const QString intero = nomi.value(segno->series());
        if (intero.isEmpty())
            continue;
        QObject::connect(segno, &QLegendMarker::hovered, segno, [intero](bool sopra) {
            if (sopra)
                QToolTip::showText(QCursor::pos(), intero);
            else
                QToolTip::hideText();
        });
    }
}

}

QString colonna(const Riepilogo &r, int indice, bool breve)
{
    const QDate giorno = r.giorni.value(indice);
    const QLocale it = italiano();
    switch (r.grana) {
    case Riepilogo::Giorno:
        return breve ? it.toString(giorno, QStringLiteral("dd/MM")) : it.toString(giorno, QStringLiteral("dddd dd/MM/yyyy"));
    case Riepilogo::Settimana:
        return (breve ? QStringLiteral("sett. ") : QStringLiteral("settimana dal ")) + Italiano::data(giorno);
    case Riepilogo::Mese:
        return it.toString(giorno, breve ? QStringLiteral("MMM yyyy") : QStringLiteral("MMMM yyyy"));
    }
    return {};
}

QString livelloBreve(const QString &livello)
{
    const QString grado = livello.section(QStringLiteral(" - "), -1);
    if (livello.startsWith(QStringLiteral("Addizione e sottrazione")))
        return QStringLiteral("Misto ") + grado;
    if (livello.startsWith(QStringLiteral("Addizione")))
        return QStringLiteral("Add ") + grado;
    if (livello.startsWith(QStringLiteral("Sottrazione")))
        return QStringLiteral("Sott ") + grado;
    return livello;
}

QChart *risposte(const Riepilogo &r)
{
    if (r.giorni.isEmpty())
        return nuovo(QStringLiteral("Nessun esercizio in questo periodo"));
    QChart *grafico = nuovo(perGrana(r, "Risposte ed esercizi finiti per giorno", "Risposte ed esercizi finiti per settimana",
                                     "Risposte ed esercizi finiti per mese"));
    auto *giuste = new QBarSet(QStringLiteral("Giuste"));
    auto *sbagliate = new QBarSet(QStringLiteral("Sbagliate"));
    giuste->setColor(coloreGiuste());
    sbagliate->setColor(coloreSbagliate());
    for (QBarSet *insieme : {giuste, sbagliate})
        insieme->setBorderColor(Qt::transparent);
    int massimo = 0, massimoFiniti = 0;
    for (int i = 0; i < r.giorni.size(); ++i) {
        *giuste << r.giuste[i];
        *sbagliate << r.sbagliate[i];
        massimo = std::max(massimo, r.giuste[i] + r.sbagliate[i]);
        massimoFiniti = std::max(massimoFiniti, r.finiti[i]);
    }
    auto *barre = new QStackedBarSeries;
    barre->append(giuste);
    barre->append(sbagliate);
    auto *finiti = new QLineSeries;
    finiti->setName(QStringLiteral("Esercizi finiti"));
    finiti->setPointsVisible(true);
    finiti->setPen(QPen(coloreEsercizi(), 2));
    for (int i = 0; i < r.giorni.size(); ++i)
        finiti->append(i, r.finiti[i]);
    grafico->addSeries(barre);
    grafico->addSeries(finiti);
    QCategoryAxis *x = asseColonne(r);
    QValueAxis *y = asseValori(massimo, QStringLiteral("risposte"), true);
    // The exercises have their own scale: a few a day beside dozens of answers.
    QValueAxis *destra = asseValori(massimoFiniti, QStringLiteral("esercizi finiti"), true);
    destra->setLinePenColor(coloreEsercizi());
    destra->setLabelsColor(coloreEsercizi());
    destra->setGridLineVisible(false);
    grafico->addAxis(x, Qt::AlignBottom);
    grafico->addAxis(y, Qt::AlignLeft);
    grafico->addAxis(destra, Qt::AlignRight);
    barre->attachAxis(x);
    barre->attachAxis(y);
    finiti->attachAxis(x);
    finiti->attachAxis(destra);
    return grafico;
}

QChart *tempi(const Riepilogo &r)
{
    if (r.giorni.isEmpty())
        return nuovo(QStringLiteral("Nessun esercizio in questo periodo"));
    QChart *grafico = nuovo(perGrana(r, "Tempo di risposta per livello (mediana del giorno)",
                                     "Tempo di risposta per livello (mediana della settimana)",
                                     "Tempo di risposta per livello (mediana del mese)"));
    QCategoryAxis *x = asseColonne(r);
    int massimo = 0;
    QVector<QLineSeries *> linee;
    QHash<QAbstractSeries *, QString> nomi;
    for (int l = 0; l < r.mediane.size(); ++l) {
        const QVector<int> &mediane = r.mediane[l].second;
        if (std::all_of(mediane.begin(), mediane.end(), [](int v) { return v < 0; }))
            continue;
        auto *linea = new QLineSeries;
        linea->setName(livelloBreve(r.mediane[l].first));
        nomi.insert(linea, r.mediane[l].first);
        linea->setPointsVisible(true);
        linea->setPen(QPen(ColoriLivelli[l % std::size(ColoriLivelli)], 2));
        for (int i = 0; i < mediane.size(); ++i) {
            if (mediane[i] >= 0) {
                linea->append(i, mediane[i] / 1000.0);
                massimo = std::max(massimo, mediane[i]);
            }
        }
        linee << linea;
    }
    QValueAxis *y = asseValori(massimo / 1000.0, QStringLiteral("secondi"), false);
    grafico->addAxis(x, Qt::AlignBottom);
    grafico->addAxis(y, Qt::AlignLeft);
    for (QLineSeries *linea : std::as_const(linee)) {
        grafico->addSeries(linea);
        linea->attachAxis(x);
        linea->attachAxis(y);
    }
    nomiInteri(grafico, nomi);
    return grafico;
}

void etichettaColonne(QChart *grafico, const Riepilogo &r, int larghezza)
{
    const auto assi = grafico->axes(Qt::Horizontal);
    auto *asse = assi.isEmpty() ? nullptr : qobject_cast<QCategoryAxis *>(assi.first());
    if (!asse)
        return;
    const QStringList vecchie = asse->categoriesLabels();
    for (const QString &etichetta : vecchie)
        asse->remove(etichetta);
    const int n = int(r.giorni.size());
    const QFontMetrics misure(asse->labelsFont());
    int piuLarga = 1;
    for (int i = 0; i < n; ++i)
        piuLarga = std::max(piuLarga, misure.horizontalAdvance(colonna(r, i, true)));
    // A label and a blank as wide as two letters, every so many columns.
    const double perColonna = double(std::max(larghezza, 1)) / std::max(n, 1);
    const int passo = std::max(1, int(std::ceil((piuLarga + misure.horizontalAdvance(QStringLiteral("mm"))) / perColonna)));
    for (int i = 0; i < n; i += passo)
        asse->append(colonna(r, i, true), i);
}

void caratteri(QChart *grafico, const QFont &base)
{
    QFont titolo = base;
    titolo.setBold(true);
    grafico->setTitleFont(titolo);
    grafico->legend()->setFont(base);
    const auto assi = grafico->axes();
    for (QAbstractAxis *asse : assi) {
        asse->setLabelsFont(base);
        asse->setTitleFont(base);
    }
}

QStringList intestazioniLivelli()
{
    return {QStringLiteral("Livello"), QStringLiteral("Esercizi finiti"), QStringLiteral("Non finiti"),
            QStringLiteral("Risposte"), QStringLiteral("Giuste"), QStringLiteral("Sbagliate"),
            QStringLiteral("% giuste al primo tentativo"), QStringLiteral("Tempo di risposta (mediana, s)"),
            QStringLiteral("Tempo per esercizio (mediana, s)"), QStringLiteral("Pressioni ignorate")};
}

QVector<QStringList> righeLivelli(const Riepilogo &r)
{
    QVector<QStringList> righe;
    for (const LivelloRiepilogo &l : r.livelli) {
        if (l.finiti + l.nonFiniti + l.giuste + l.sbagliate == 0)
            continue;
        righe << QStringList{l.livello, QString::number(l.finiti), QString::number(l.nonFiniti),
                             QString::number(l.giuste + l.sbagliate), QString::number(l.giuste),
                             QString::number(l.sbagliate), percentuale(l.giusteAlPrimoTentativo, l.domande),
                             secondi(l.medianaMs), secondi(l.medianaEsercizioMs), QString::number(l.ignorate)};
    }
    return righe;
}

QStringList intestazioniRecenti()
{
    return {QStringLiteral("Data"), QStringLiteral("Ora"), QStringLiteral("Livello"), QStringLiteral("Storia"),
            QStringLiteral("Esito"), QStringLiteral("Giuste"), QStringLiteral("Sbagliate"),
            QStringLiteral("Durata (s)"), QStringLiteral("Modo")};
}

QStringList rigaRecente(const EsercizioRecente &e)
{
    const QLocale it = italiano();
    const QDateTime quando = QDateTime::fromMSecsSinceEpoch(e.inizioMs);
    return {Italiano::data(quando.date()), it.toString(quando.time(), QStringLiteral("HH:mm")),
            e.livello, storia(e.famiglia, e.scena), e.finito ? QStringLiteral("finito") : QStringLiteral("non finito"),
            QString::number(e.giuste), QString::number(e.sbagliate), secondi(e.durataMs),
            e.modalita < 0 ? QStringLiteral("–") : Italiano::nomeModalita(e.modalita)};
}

}
