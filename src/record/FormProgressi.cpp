#include "record/FormProgressi.h"

#include "core/Italiano.h"
#include "core/Navigatore.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "record/ConsiglioVelocita.h"
#include "resources/Immagini.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor ColoriLivelli[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd),
                                QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf),
                                QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22)};

QChartView *nuovoGrafico(const QString &nome, QWidget *genitore)
{
    auto *vista = new QChartView(genitore);
    vista->setObjectName(nome);
    vista->setMinimumSize(360, 260);
    vista->setChart(new QChart);
    vista->chart()->setAnimationOptions(QChart::NoAnimation);
    vista->chart()->legend()->setAlignment(Qt::AlignBottom);
    return vista;
}

// A fresh chart for the view: the old one goes with its series and axes.
// A chart's texts are not the widget's: they follow the screen's font by hand.
void caratteriDel(QChart *grafico, const QFont &base)
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

QChart *svuota(QChartView *vista, const QString &titolo)
{
    auto *grafico = new QChart;
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    grafico->setTitle(titolo);
    QChart *vecchio = vista->chart();
    vista->setChart(grafico);
    delete vecchio;
    return grafico;
}

QBarCategoryAxis *assiGiorni(const Riepilogo &r)
{
    auto *asse = new QBarCategoryAxis;
    for (const QDate &giorno : r.giorni)
        asse->append((r.settimane ? QStringLiteral("sett. ") : QString()) + giorno.toString(QStringLiteral("dd/MM")));
    // Many columns leave no room for the dates side by side.
    if (r.giorni.size() > 8)
        asse->setLabelsAngle(-90);
    return asse;
}

QValueAxis *asseValori(double massimo, const QString &titolo, bool interi)
{
    auto *asse = new QValueAxis;
    asse->setRange(0, std::max(1.0, massimo * 1.1));
    asse->setTitleText(titolo);
    if (interi)
        asse->setLabelFormat(QStringLiteral("%d"));
    asse->applyNiceNumbers();
    return asse;
}

QString secondi(int ms)
{
    return ms < 0 ? QStringLiteral("–") : Italiano::decimale(ms / 1000.0, 1);
}

}

FormProgressi::FormProgressi(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
{
    setObjectName(QStringLiteral("FormProgressi"));
    setWindowTitle(QStringLiteral("Calcolotti – Progressi"));
    setAccessibleName(QStringLiteral("Progressi"));
    setWindowIcon(Immagini::iconaProgramma());

    auto *layout = new QVBoxLayout(this);
    auto *riga = new QHBoxLayout;
    auto *etichetta = new QLabel(QStringLiteral("&Periodo:"), this);
    m_periodo = new QComboBox(this);
    m_periodo->setObjectName(QStringLiteral("periodo"));
    m_periodo->addItems({QStringLiteral("Ultimi 7 giorni"), QStringLiteral("Ultimi 30 giorni"), QStringLiteral("Tutto")});
    m_periodo->setCurrentIndex(Mese);
    etichetta->setBuddy(m_periodo);
    riga->addWidget(etichetta);
    riga->addWidget(m_periodo);
    riga->addStretch();
    layout->addLayout(riga);

    m_avviso = new QLabel(this);
    m_avviso->setObjectName(QStringLiteral("avviso"));
    m_avviso->setWordWrap(true);
    m_avviso->setStyleSheet(QStringLiteral("QLabel { color: #a00000; font-weight: bold; }"));
    layout->addWidget(m_avviso);

    auto *grafici = new QHBoxLayout;
    m_giorni = nuovoGrafico(QStringLiteral("graficoGiorni"), this);
    m_tempi = nuovoGrafico(QStringLiteral("graficoTempi"), this);
    grafici->addWidget(m_giorni);
    grafici->addWidget(m_tempi);
    layout->addLayout(grafici, 3);

    m_tabella = new QTableWidget(this);
    m_tabella->setObjectName(QStringLiteral("tabellaLivelli"));
    m_tabella->setColumnCount(8);
    m_tabella->setHorizontalHeaderLabels({QStringLiteral("Livello"), QStringLiteral("Esercizi finiti"),
                                          QStringLiteral("Non finiti"), QStringLiteral("Giuste"),
                                          QStringLiteral("Sbagliate"), QStringLiteral("% giuste"),
                                          QStringLiteral("Tempo di risposta (mediana, s)"),
                                          QStringLiteral("Pressioni ignorate")});
    m_tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabella->verticalHeader()->hide();
    m_tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabella->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_tabella, 1);

    m_consiglio = new QLabel(this);
    m_consiglio->setObjectName(QStringLiteral("consiglio"));
    m_consiglio->setWordWrap(true);
    m_consiglio->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_consiglio);

    m_dove = new QLabel(this);
    m_dove->setWordWrap(true);
    m_dove->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_dove);

    auto *bottoni = new QHBoxLayout;
    auto *esporta = new QPushButton(QStringLiteral("Esporta CSV…"), this);
    esporta->setObjectName(QStringLiteral("esporta"));
    auto *cancella = new QPushButton(QStringLiteral("Cancella diario…"), this);
    cancella->setObjectName(QStringLiteral("cancella"));
    auto *esci = new QPushButton(QStringLiteral("Esci"), this);
    esci->setObjectName(QStringLiteral("esci"));
    bottoni->addWidget(esporta);
    bottoni->addWidget(cancella);
    bottoni->addStretch();
    bottoni->addWidget(esci);
    layout->addLayout(bottoni);

    const bool diario = servizi.diario != nullptr;
    esporta->setEnabled(diario);
    cancella->setEnabled(diario);
    connect(esporta, &QPushButton::clicked, this, &FormProgressi::esporta);
    connect(cancella, &QPushButton::clicked, this, &FormProgressi::cancella);
    connect(esci, &QPushButton::clicked, this, &FormProgressi::esci);
    connect(m_periodo, &QComboBox::currentIndexChanged, this, &FormProgressi::aggiorna);

    m_caratteri.registra(this, QSize(1024, 720));
    resize(1024, 720);
    aggiorna();
}

qint64 FormProgressi::inizioPeriodo(Periodo periodo)
{
    if (periodo == Tutto)
        return 0;
    const QDate primo = QDate::currentDate().addDays(periodo == Settimana ? -6 : -29);
    return QDateTime(primo, QTime(0, 0)).toMSecsSinceEpoch();
}

void FormProgressi::mostraPeriodo(Periodo periodo)
{
    m_periodo->setCurrentIndex(periodo);
}

void FormProgressi::aggiorna()
{
    Diario *diario = servizi().diario;
    Riepilogo r;
    if (diario)
        r = diario->riepilogo(inizioPeriodo(Periodo(m_periodo->currentIndex())),
                              intervalloScansioneMs(servizi().stato));
    else
        r.errore = QStringLiteral("In questa sessione il diario non è tenuto.");

    QStringList avvisi;
    if (diario && !diario->avviso().isEmpty())
        avvisi << diario->avviso();
    if (!r.errore.isEmpty())
        avvisi << r.errore;
    m_avviso->setText(avvisi.join(QLatin1Char(' ')));
    m_avviso->setVisible(!avvisi.isEmpty());

    disegnaGiorni(r);
    disegnaTempi(r);
    riempiTabella(r);

    const Consiglio consiglio = ConsiglioVelocita::consiglia(r.campioni, intervalloScansioneMs(servizi().stato));
    m_consiglio->setText(QStringLiteral("<b>Scansione automatica (un sensore).</b> ") + consiglio.frase.toHtmlEscaped());
    QString dove = diario ? QDir::toNativeSeparators(diario->percorso()) : QString();
    const QString casa = QDir::toNativeSeparators(QDir::homePath() + QLatin1Char('/'));
    if (!QDir::homePath().isEmpty() && dove.startsWith(casa))
        dove = QStringLiteral("~") + QDir::separator() + dove.mid(casa.size());
    m_dove->setText(diario ? QStringLiteral("Il diario è nel file %1 e non esce mai da questo computer.").arg(dove)
                           : QString());
}

void FormProgressi::disegnaGiorni(const Riepilogo &r)
{
    QChart *grafico = svuota(m_giorni, r.settimane ? QStringLiteral("Risposte ed esercizi finiti per settimana")
                                                   : QStringLiteral("Risposte ed esercizi finiti per giorno"));
    auto *giuste = new QBarSet(QStringLiteral("Giuste"));
    auto *sbagliate = new QBarSet(QStringLiteral("Sbagliate"));
    giuste->setColor(coloreGiuste());
    sbagliate->setColor(coloreSbagliate());
    for (QBarSet *insieme : {giuste, sbagliate})
        insieme->setBorderColor(Qt::transparent);
    int massimo = 0;
    for (int i = 0; i < r.giorni.size(); ++i) {
        *giuste << r.giuste[i];
        *sbagliate << r.sbagliate[i];
        massimo = std::max({massimo, r.giuste[i] + r.sbagliate[i], r.finiti[i]});
    }
    auto *barre = new QStackedBarSeries;
    barre->append(giuste);
    barre->append(sbagliate);
    auto *finiti = new QLineSeries;
    finiti->setName(QStringLiteral("Esercizi finiti"));
    finiti->setPointsVisible(true);
    finiti->setPen(QPen(QColor(0x1f, 0x4e, 0xb4), 2));
    for (int i = 0; i < r.giorni.size(); ++i)
        finiti->append(i, r.finiti[i]);
    grafico->addSeries(barre);
    grafico->addSeries(finiti);
    QBarCategoryAxis *x = assiGiorni(r);
    QValueAxis *y = asseValori(massimo, QString(), true);
    grafico->addAxis(x, Qt::AlignBottom);
    grafico->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries *serie : {static_cast<QAbstractSeries *>(barre), static_cast<QAbstractSeries *>(finiti)}) {
        serie->attachAxis(x);
        serie->attachAxis(y);
    }
    caratteriDel(grafico, font());
}

void FormProgressi::disegnaTempi(const Riepilogo &r)
{
    QChart *grafico = svuota(m_tempi, r.settimane ? QStringLiteral("Tempo di risposta per livello (mediana settimanale)")
                                                  : QStringLiteral("Tempo di risposta per livello (mediana)"));
    QBarCategoryAxis *x = assiGiorni(r);
    int massimo = 0;
    QVector<QLineSeries *> linee;
    for (int l = 0; l < r.mediane.size(); ++l) {
        const QVector<int> &mediane = r.mediane[l].second;
        if (std::all_of(mediane.begin(), mediane.end(), [](int v) { return v < 0; }))
            continue;
        auto *linea = new QLineSeries;
        linea->setName(r.mediane[l].first);
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
    caratteriDel(grafico, font());
}

void FormProgressi::riempiTabella(const Riepilogo &r)
{
    QVector<LivelloRiepilogo> righe;
    for (const LivelloRiepilogo &l : r.livelli)
        if (l.finiti + l.nonFiniti + l.giuste + l.sbagliate > 0)
            righe << l;
    m_tabella->setRowCount(int(righe.size()));
    for (int i = 0; i < righe.size(); ++i) {
        const LivelloRiepilogo &l = righe[i];
        const int risposte = l.giuste + l.sbagliate;
        const QStringList celle{l.livello,
                                QString::number(l.finiti),
                                QString::number(l.nonFiniti),
                                QString::number(l.giuste),
                                QString::number(l.sbagliate),
                                risposte ? QString::number(qRound(100.0 * l.giuste / risposte)) : QStringLiteral("–"),
                                secondi(l.medianaMs),
                                QString::number(l.ignorate)};
        for (int c = 0; c < celle.size(); ++c) {
            auto *cella = new QTableWidgetItem(celle[c]);
            if (c > 0)
                cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_tabella->setItem(i, c, cella);
        }
    }
}

void FormProgressi::esporta()
{
    Diario *diario = servizi().diario;
    if (!diario)
        return;
    const QString proposto = QDir::homePath() + QStringLiteral("/diario-calcolotti-%1.csv")
                                                    .arg(QDate::currentDate().toString(Qt::ISODate));
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Esporta il diario"), proposto,
                                                      QStringLiteral("File CSV (*.csv)"));
    if (file.isEmpty())
        return;
    QString errore;
    if (diario->esporta(file, errore))
        servizi().dialoghi.avviso(this, QStringLiteral("Calcolotti"),
                                  QStringLiteral("Il diario è stato esportato in %1.").arg(QDir::toNativeSeparators(file)));
    else
        servizi().dialoghi.errore(this, QStringLiteral("Calcolotti"),
                                  QStringLiteral("Il diario non è stato esportato: %1").arg(errore));
}

void FormProgressi::cancella()
{
    Diario *diario = servizi().diario;
    if (!diario || !servizi().dialoghi.domanda(this, QStringLiteral("Calcolotti"),
                                                QStringLiteral("Cancellare tutto il diario? Tutti gli esercizi e le "
                                                               "risposte registrati andranno persi.")))
        return;
    QString errore;
    if (!diario->cancella(errore))
        servizi().dialoghi.errore(this, QStringLiteral("Calcolotti"),
                                  QStringLiteral("Il diario non è stato cancellato: %1").arg(errore));
    aggiorna();
}

void FormProgressi::esci()
{
    if (servizi().navigatore && !congedata())
        cediA(servizi().navigatore->crea(IdSchermata::Menu));
}

void FormProgressi::resizeEvent(QResizeEvent *evento)
{
    Schermata::resizeEvent(evento);
    m_caratteri.ridimensiona();
    for (QChartView *vista : {m_giorni, m_tempi})
        if (vista && vista->chart())
            caratteriDel(vista->chart(), font());
}
