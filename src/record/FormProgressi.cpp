#include "record/FormProgressi.h"

#include "core/Bambini.h"
#include "core/Italiano.h"
#include "core/Navigatore.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "record/ConsiglioVelocita.h"
#include "record/GraficiProgressi.h"
#include "record/RelazionePdf.h"
#include "resources/Immagini.h"
#include "shell/ModuloOpzioni.h"
#include "shell/ModuloPerIni.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

void riempiRiga(QTableWidget *tabella, int riga, const QStringList &celle, int primaANumero)
{
    for (int c = 0; c < celle.size(); ++c) {
        auto *cella = new QTableWidgetItem(celle[c]);
        if (c >= primaANumero)
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tabella->setItem(riga, c, cella);
    }
}

QTableWidget *nuovaTabella(const QString &nome, const QStringList &intestazioni, QWidget *genitore)
{
    auto *tabella = new QTableWidget(genitore);
    tabella->setObjectName(nome);
    tabella->setColumnCount(int(intestazioni.size()));
    tabella->setHorizontalHeaderLabels(intestazioni);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->verticalHeader()->hide();
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabella->horizontalHeader()->setStretchLastSection(true);
    tabella->setWordWrap(false);
    return tabella;
}

QChartView *nuovaVista(const QString &nome, QWidget *genitore)
{
    auto *vista = new QChartView(genitore);
    vista->setObjectName(nome);
    vista->setMinimumSize(300, 220);
    vista->setRenderHint(QPainter::Antialiasing);
    vista->setChart(new QChart);
    return vista;
}

// The view's chart replaced: the old one goes with its series and axes.
void cambiaGrafico(QChartView *vista, QChart *grafico)
{
    QChart *vecchio = vista->chart();
    vista->setChart(grafico);
    delete vecchio;
}

QComboBox *scelta(const QString &nome, const QStringList &voci, QWidget *genitore)
{
    auto *casella = new QComboBox(genitore);
    casella->setObjectName(nome);
    casella->addItems(voci);
    return casella;
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
    auto aggiungi = [this, riga](const QString &testo, QComboBox *casella) {
        auto *etichetta = new QLabel(testo, this);
        etichetta->setBuddy(casella);
        riga->addWidget(etichetta);
        riga->addWidget(casella);
        riga->addSpacing(12);
        connect(casella, &QComboBox::currentIndexChanged, this, &FormProgressi::aggiorna);
        return etichetta;
    };
    // One child at a time; the one who plays comes first.
    m_bambino = new QComboBox(this);
    m_bambino->setObjectName(QStringLiteral("bambino"));
    if (servizi.bambini) {
        m_bambinoCheGioca = servizi.bambini->attuale().numero;
        const auto elenco = servizi.bambini->elenco();
        for (const Bambino &b : elenco)
            m_bambino->addItem(b.nome, b.numero);
        m_bambino->setCurrentIndex(std::max(0, m_bambino->findData(m_bambinoCheGioca)));
    }
    QLabel *chi = aggiungi(QStringLiteral("&Bambino:"), m_bambino);
    chi->setVisible(m_bambino->count() > 1);
    m_bambino->setVisible(m_bambino->count() > 1);
    m_periodo = scelta(QStringLiteral("periodo"),
                       {QStringLiteral("Ultimi 7 giorni"), QStringLiteral("Ultimi 30 giorni"),
                        QStringLiteral("Ultimo anno"), QStringLiteral("Tutto")},
                       this);
    m_periodo->setCurrentIndex(Mese);
    aggiungi(QStringLiteral("&Periodo:"), m_periodo);
    m_modalita = scelta(QStringLiteral("modalita"),
                        {QStringLiteral("Tutti"), QStringLiteral("Mouse"), QStringLiteral("Tastiera"),
                         QStringLiteral("Due sensori"), QStringLiteral("Un sensore")},
                        this);
    aggiungi(QStringLiteral("&Modo:"), m_modalita);
    m_passi = scelta(QStringLiteral("passi"),
                     {QStringLiteral("Tutte"), QStringLiteral("Contare (le tre domande)"),
                      QStringLiteral("Scrivere l'operazione")},
                     this);
    aggiungi(QStringLiteral("&Risposte:"), m_passi);
    riga->addStretch();
    layout->addLayout(riga);

    m_avviso = new QLabel(this);
    m_avviso->setObjectName(QStringLiteral("avviso"));
    m_avviso->setWordWrap(true);
    m_avviso->setStyleSheet(QStringLiteral("QLabel { color: #a00000; font-weight: bold; }"));
    layout->addWidget(m_avviso);

    // Charts, levels and exercises each get the whole width: at 800×600 a
    // chart and a table side by side or stacked leave neither readable.
    m_schede = new QTabWidget(this);
    m_schede->setObjectName(QStringLiteral("schede"));
    auto *grafici = new QWidget(m_schede);
    auto *dueGrafici = new QHBoxLayout(grafici);
    dueGrafici->setContentsMargins(0, 0, 0, 0);
    m_giorni = nuovaVista(QStringLiteral("graficoGiorni"), grafici);
    m_tempi = nuovaVista(QStringLiteral("graficoTempi"), grafici);
    dueGrafici->addWidget(m_giorni);
    dueGrafici->addWidget(m_tempi);
    m_giorni->installEventFilter(this);
    m_tempi->installEventFilter(this);
    m_schede->addTab(grafici, QStringLiteral("&Grafici"));
    // Long headings on two lines: every column in view at 800×600.
    QStringList intestazioni = GraficiProgressi::intestazioniLivelli();
    for (QString &testo : intestazioni)
        if (const int spazio = int(testo.indexOf(QLatin1Char(' '), testo.size() / 2 - 2)); testo.size() > 9 && spazio > 0)
            testo[spazio] = QLatin1Char('\n');
    m_tabella = nuovaTabella(QStringLiteral("tabellaLivelli"), intestazioni, m_schede);
    m_schede->addTab(m_tabella, QStringLiteral("&Livelli"));
    m_recenti = nuovaTabella(QStringLiteral("ultimiEsercizi"), GraficiProgressi::intestazioniRecenti(), m_schede);
    m_schede->addTab(m_recenti, QStringLiteral("&Ultimi esercizi"));
    layout->addWidget(m_schede, 1);

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
    auto bottone = [this, bottoni](const QString &testo, const char *nome, void (FormProgressi::*azione)()) {
        auto *b = new QPushButton(testo, this);
        b->setObjectName(QLatin1String(nome));
        bottoni->addWidget(b);
        connect(b, &QPushButton::clicked, this, azione);
        return b;
    };
    const bool diario = servizi.diario != nullptr;
    bottone(QStringLiteral("Esporta CSV…"), "esporta", &FormProgressi::esporta)->setEnabled(diario);
    bottone(QStringLiteral("Stampa relazione…"), "stampa", &FormProgressi::stampa)->setEnabled(diario);
    bottone(QStringLiteral("Cancella diario…"), "cancella", &FormProgressi::cancella)->setEnabled(diario);
    bottoni->addStretch();
    bottone(QStringLiteral("Esci"), "esci", &FormProgressi::esci);
    layout->addLayout(bottoni);

    m_caratteri.registra(this, QSize(1024, 720));
    resize(1024, 720);
    aggiorna();
}

FormProgressi::~FormProgressi()
{
    // The record goes on writing for the child who plays.
    if (servizi().diario && m_bambino->count() > 1)
        servizi().diario->impostaBambino(m_bambinoCheGioca);
}

qint64 FormProgressi::inizioPeriodo(Periodo periodo)
{
    if (periodo == Anno)
        return QDateTime(QDate::currentDate().addYears(-1).addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
    return RelazionePdf::inizioUltimiGiorni(periodo == Settimana ? 7 : periodo == Mese ? 30 : 0);
}

QString FormProgressi::nomePeriodo(Periodo periodo)
{
    if (periodo != Anno)
        return RelazionePdf::nomeUltimiGiorni(periodo == Settimana ? 7 : periodo == Mese ? 30 : 0);
    const QString dal = Italiano::data(QDateTime::fromMSecsSinceEpoch(inizioPeriodo(periodo)).date());
    return QStringLiteral("ultimo anno (dal %1)").arg(dal);
}

void FormProgressi::mostraPeriodo(Periodo periodo)
{
    m_periodo->setCurrentIndex(periodo);
}

FiltroDiario FormProgressi::filtro() const
{
    // The modes in the order an adult thinks of them, not as stored.
    constexpr int Modi[] = {-1, Modalita::Mouse, Modalita::Frecce, Modalita::ScansioneManuale,
                            Modalita::ScansioneAutomatica};
    FiltroDiario f;
    f.modalita = Modi[std::clamp(m_modalita->currentIndex(), 0, 4)];
    f.passi = FiltroDiario::Passi(std::clamp(m_passi->currentIndex(), 0, 2));
    return f;
}

const StatoProgramma &FormProgressi::impostazioniDelBambino()
{
    const int numero = m_bambino->count() > 1 ? m_bambino->currentData().toInt() : m_bambinoCheGioca;
    if (numero == m_bambinoCheGioca || !servizi().bambini)
        return servizi().stato;
    // Another child's speed and options, as saved: the suggestion and the report are theirs.
    if (!m_altro || m_altroNumero != numero) {
        m_altro = std::make_unique<StatoProgramma>();
        m_altro->PercorsoIni = servizi().bambini->percorsoImpostazioni(numero);
        ModuloPerIni::LeggiImpostazioni(*m_altro);
        ModuloOpzioni::LeggiOpzioni(*m_altro);
        m_altroNumero = numero;
    }
    return *m_altro;
}

QString FormProgressi::nomeBambino() const
{
    if (m_bambino->count() > 0)
        return m_bambino->currentText();
    return servizi().bambini ? servizi().bambini->attuale().nome : QString();
}

void FormProgressi::aggiorna()
{
    Diario *diario = servizi().diario;
    Riepilogo &r = m_riepilogo;
    r = {};
    if (diario) {
        if (m_bambino->count() > 1)
            diario->impostaBambino(m_bambino->currentData().toInt());
        r = diario->riepilogo(inizioPeriodo(Periodo(m_periodo->currentIndex())),
                              intervalloScansioneMs(impostazioniDelBambino()), filtro());
    } else {
        r.errore = QStringLiteral("In questa sessione il diario non è tenuto.");
    }

    QStringList avvisi;
    if (diario && !diario->avviso().isEmpty())
        avvisi << diario->avviso();
    if (!r.errore.isEmpty())
        avvisi << r.errore;
    m_avviso->setText(avvisi.join(QLatin1Char(' ')));
    m_avviso->setVisible(!avvisi.isEmpty());

    cambiaGrafico(m_giorni, GraficiProgressi::risposte(r));
    cambiaGrafico(m_tempi, GraficiProgressi::tempi(r));
    ridisegna();
    riempiLivelli();
    riempiRecenti();

    const Consiglio consiglio = ConsiglioVelocita::consiglia(r.campioni, intervalloScansioneMs(impostazioniDelBambino()));
    m_consiglio->setText(QStringLiteral("<b>Scansione automatica (un sensore).</b> ") + consiglio.frase.toHtmlEscaped());
    QString dove = diario ? QDir::toNativeSeparators(diario->percorso()) : QString();
    const QString casa = QDir::toNativeSeparators(QDir::homePath() + QLatin1Char('/'));
    if (!QDir::homePath().isEmpty() && dove.startsWith(casa))
        dove = QStringLiteral("~") + QDir::separator() + dove.mid(casa.size());
    m_dove->setText(diario ? QStringLiteral("Il diario è nel file %1 e non esce mai da questo computer.").arg(dove)
                           : QString());
}

// Fonts and column labels follow the window's size.
void FormProgressi::ridisegna()
{
    for (QChartView *vista : {m_giorni, m_tempi}) {
        GraficiProgressi::caratteri(vista->chart(), font());
        // The plot is the view less its axes' labels and titles, some eight letters a side.
        const int assi = 8 * QFontMetrics(font()).averageCharWidth() * (vista == m_giorni ? 2 : 1);
        GraficiProgressi::etichettaColonne(vista->chart(), m_riepilogo, vista->width() - assi - 40);
    }
}

void FormProgressi::riempiLivelli()
{
    const QVector<QStringList> righe = GraficiProgressi::righeLivelli(m_riepilogo);
    m_tabella->setRowCount(int(righe.size()));
    for (int i = 0; i < righe.size(); ++i)
        riempiRiga(m_tabella, i, righe[i], 1);
}

void FormProgressi::riempiRecenti()
{
    m_recenti->setRowCount(int(m_riepilogo.recenti.size()));
    for (int i = 0; i < m_riepilogo.recenti.size(); ++i) {
        riempiRiga(m_recenti, i, GraficiProgressi::rigaRecente(m_riepilogo.recenti[i]), 5);
        m_recenti->item(i, 8)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

QString FormProgressi::fileDaScrivere(const QString &titolo, const QString &nome, const QString &filtro)
{
    return QFileDialog::getSaveFileName(this, titolo, QDir::home().filePath(nome), filtro);
}

void FormProgressi::esito(bool fatto, const QString &comeFatto, const QString &comeNonFatto)
{
    if (fatto)
        servizi().dialoghi.avviso(this, QStringLiteral("Calcolotti"), comeFatto);
    else
        servizi().dialoghi.errore(this, QStringLiteral("Calcolotti"), comeNonFatto);
}

void FormProgressi::esporta()
{
    Diario *diario = servizi().diario;
    if (!diario)
        return;
    const QString file = fileDaScrivere(QStringLiteral("Esporta il diario"),
                                        QStringLiteral("diario-calcolotti-%1.csv").arg(QDate::currentDate().toString(Qt::ISODate)),
                                        QStringLiteral("File CSV (*.csv)"));
    if (file.isEmpty())
        return;
    QString errore;
    const bool fatto = diario->esporta(file, errore);
    esito(fatto, QStringLiteral("Il diario è stato esportato in %1.").arg(QDir::toNativeSeparators(file)),
          QStringLiteral("Il diario non è stato esportato: %1").arg(errore));
}

void FormProgressi::stampa()
{
    Diario *diario = servizi().diario;
    if (!diario)
        return;
    const QString nome = nomeBambino().isEmpty() ? QStringLiteral("calcolotti") : nomeBambino();
    const QString file = fileDaScrivere(QStringLiteral("Stampa la relazione"),
                                        QStringLiteral("relazione-%1-%2.pdf").arg(nome, QDate::currentDate().toString(Qt::ISODate)),
                                        QStringLiteral("Documento PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    const Periodo periodo = Periodo(m_periodo->currentIndex());
    const DatiRelazione dati = RelazionePdf::raccogli(*diario, impostazioniDelBambino(), nomeBambino(), inizioPeriodo(periodo),
                                                      nomePeriodo(periodo));
    QString errore;
    const bool fatto = RelazionePdf::scrivi(file, dati, errore);
    esito(fatto, QStringLiteral("La relazione è stata scritta in %1.").arg(QDir::toNativeSeparators(file)),
          QStringLiteral("La relazione non è stata scritta: %1").arg(errore));
}

void FormProgressi::cancella()
{
    Diario *diario = servizi().diario;
    const QString chi = m_bambino->count() > 1 ? QStringLiteral(" di %1").arg(nomeBambino()) : QString();
    if (!diario || !servizi().dialoghi.domanda(this, QStringLiteral("Calcolotti"),
                                                QStringLiteral("Cancellare tutto il diario%1? Tutti gli esercizi e le "
                                                               "risposte registrati andranno persi.").arg(chi)))
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
    ridisegna();
}

bool FormProgressi::eventFilter(QObject *oggetto, QEvent *evento)
{
    // The labels that fit depend on the chart's own width, known once laid out.
    if (evento->type() == QEvent::Resize && (oggetto == m_giorni || oggetto == m_tempi))
        ridisegna();
    return Schermata::eventFilter(oggetto, evento);
}
