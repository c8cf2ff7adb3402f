#include "shell/FormBambini.h"

#include "core/Bambini.h"
#include "core/Navigatore.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "media/animation/Distintivi.h"
#include "record/Diario.h"
#include "resources/Immagini.h"
#include "shell/ModuloOpzioni.h"
#include "shell/ModuloPerIni.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Ruolo = Qt::UserRole;  // the child's number on each row

QByteArray leggi(const QString &percorso)
{
    QFile file(percorso);
    return QFileInfo(percorso).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

FormBambini::FormBambini(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
{
    setObjectName(QStringLiteral("FormBambini"));
    setAccessibleName(QStringLiteral("Bambini"));
    setWindowIcon(Immagini::iconaProgramma());
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPointSizeF(12);
    setFont(carattere);

    auto *colonna = new QVBoxLayout(this);
    auto *titolo = new QLabel(QStringLiteral("I bambini che giocano su questo computer"), this);
    QFont grande = carattere;
    grande.setPointSizeF(16);
    grande.setBold(true);
    titolo->setFont(grande);
    colonna->addWidget(titolo);
    auto *riga = new QHBoxLayout;
    m_elenco = new QListWidget(this);
    m_elenco->setObjectName(QStringLiteral("elencoBambini"));
    m_elenco->setAccessibleName(QStringLiteral("Bambini"));
    m_elenco->setIconSize(QSize(48, 48));
    riga->addWidget(m_elenco, 1);

    auto *bottoni = new QVBoxLayout;
    auto bottone = [this, bottoni](const QString &testo, const char *nome, auto &&azione) {
        auto *b = new QPushButton(testo, this);
        b->setObjectName(QString::fromLatin1(nome));
        connect(b, &QPushButton::clicked, this, azione);
        bottoni->addWidget(b);
        return b;
    };
    bottone(QStringLiteral("Aggiungi…"), "aggiungi", [this] { aggiungi(); });
    bottone(QStringLiteral("Rinomina…"), "rinomina", [this] { rinomina(selezionato()); });
    bottone(QStringLiteral("Immagine…"), "immagine", [this] { sceltaImmagine(selezionato()); });
    bottone(QStringLiteral("Su"), "su", [this] { sposta(selezionato(), -1); });
    bottone(QStringLiteral("Giù"), "giu", [this] { sposta(selezionato(), +1); });
    m_rimuovi = bottone(QStringLiteral("Rimuovi…"), "rimuovi", [this] { rimuovi(selezionato()); });
    bottone(QStringLiteral("Imposta…"), "imposta", [this] { imposta(selezionato()); });
    bottone(QStringLiteral("Esporta bambino…"), "esporta", [this] {
        const int numero = selezionato();
        const QString nome = m_elenco->currentItem() ? m_elenco->currentItem()->text() : QString();
        const QString file = QFileDialog::getSaveFileName(
            this, QStringLiteral("Esporta bambino"),
            QDir(QStandardPaths::writableLocation(QStandardPaths::HomeLocation)).filePath(nome + QStringLiteral(".calcolotti")),
            QStringLiteral("Bambino di Calcolotti (*.calcolotti)"));
        if (!file.isEmpty() && esporta(numero, file))
            this->servizi().dialoghi.avviso(this, QStringLiteral("Calcolotti"),
                                      QStringLiteral("%1 è stato esportato in %2.").arg(nome, QDir::toNativeSeparators(file)));
    });
    bottone(QStringLiteral("Importa bambino…"), "importa", [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Importa bambino"),
                                                          QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
                                                          QStringLiteral("Bambino di Calcolotti (*.calcolotti)"));
        if (!file.isEmpty())
            importa(file);
    });
    bottoni->addStretch();
    bottone(QStringLiteral("Esci"), "esci", [this] { esci(); });
    riga->addLayout(bottoni);
    colonna->addLayout(riga, 1);
    connect(m_elenco, &QListWidget::currentRowChanged, this, [this] {
        m_rimuovi->setEnabled(selezionato() != 1);
    });

    riempi(servizi.bambini ? servizi.bambini->attuale().numero : 1);
    m_caratteri.registra(this, QSize(720, 520));
    resize(720, 520);
}

void FormBambini::resizeEvent(QResizeEvent *evento)
{
    Schermata::resizeEvent(evento);
    m_caratteri.ridimensiona();
    const int lato = std::max(32, QFontMetrics(font()).height() * 2);
    m_elenco->setIconSize(QSize(lato, lato));
}

void FormBambini::Form_Activate()
{
    riempi(selezionato());
}

void FormBambini::riempi(int selezionare)
{
    m_elenco->clear();
    if (!servizi().bambini)
        return;
    const int gioca = servizi().bambini->attuale().numero;
    for (const Bambino &b : servizi().bambini->elenco()) {
        auto *voce = new QListWidgetItem(QIcon(Distintivi::disegna(servizi().cartellaProgramma, b.immagine, 96)), b.nome);
        voce->setData(Ruolo, b.numero);
        voce->setToolTip(b.numero == gioca ? QStringLiteral("Gioca adesso") : QString());
        m_elenco->addItem(voce);
        if (b.numero == selezionare)
            m_elenco->setCurrentItem(voce);
    }
    if (!m_elenco->currentItem())
        m_elenco->setCurrentRow(0);
}

int FormBambini::selezionato() const
{
    return m_elenco->currentItem() ? m_elenco->currentItem()->data(Ruolo).toInt() : 0;
}

void FormBambini::aggiungi()
{
    QString nome;
    if (!servizi().bambini || !servizi().dialoghi.testo(this, QStringLiteral("Nuovo bambino"),
                                                        QStringLiteral("Il nome del bambino:"), nome)
        || nome.trimmed().isEmpty())
        return;
    const int numero = servizi().bambini->aggiungi(nome, Distintivi::perNumero(int(servizi().bambini->elenco().size()) + 1));
    if (numero == 0)
        servizi().dialoghi.errore(this, QStringLiteral("Calcolotti"),
                                  QStringLiteral("Non è stato possibile aggiungere %1: la cartella delle impostazioni "
                                                 "non si può scrivere.").arg(nome.trimmed()));
    riempi(numero);
}

void FormBambini::rinomina(int numero)
{
    for (Bambino b : servizi().bambini ? servizi().bambini->elenco() : QVector<Bambino>{}) {
        if (b.numero != numero)
            continue;
        QString nome = b.nome;
        if (!servizi().dialoghi.testo(this, QStringLiteral("Rinomina"), QStringLiteral("Il nome del bambino:"), nome)
            || nome.trimmed().isEmpty())
            return;
        b.nome = nome.trimmed();
        servizi().bambini->modifica(b);
        riempi(numero);
    }
}

void FormBambini::cambiaImmagine(int numero, const QString &immagine)
{
    for (Bambino b : servizi().bambini ? servizi().bambini->elenco() : QVector<Bambino>{}) {
        if (b.numero == numero && Distintivi::nomi().contains(immagine)) {
            b.immagine = immagine;
            servizi().bambini->modifica(b);
            riempi(numero);
        }
    }
}

void FormBambini::sceltaImmagine(int numero)
{
    QDialog dialogo(this);
    dialogo.setWindowTitle(QStringLiteral("Immagine"));
    auto *layout = new QVBoxLayout(&dialogo);
    auto *immagini = new QListWidget(&dialogo);
    immagini->setViewMode(QListView::IconMode);
    immagini->setIconSize(QSize(72, 72));
    immagini->setResizeMode(QListView::Adjust);
    for (const QString &nome : Distintivi::nomi()) {
        auto *voce = new QListWidgetItem(QIcon(Distintivi::disegna(servizi().cartellaProgramma, nome, 144)), QString(), immagini);
        voce->setData(Ruolo, nome);
        voce->setToolTip(nome);
    }
    auto *conferma = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    connect(conferma, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    connect(conferma, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    connect(immagini, &QListWidget::itemDoubleClicked, &dialogo, &QDialog::accept);
    layout->addWidget(immagini);
    layout->addWidget(conferma);
    dialogo.resize(640, 480);
    if (dialogo.exec() == QDialog::Accepted && immagini->currentItem())
        cambiaImmagine(numero, immagini->currentItem()->data(Ruolo).toString());
}

void FormBambini::sposta(int numero, int verso)
{
    if (!servizi().bambini)
        return;
    QVector<Bambino> elenco = servizi().bambini->elenco();
    const auto trovato = std::find_if(elenco.begin(), elenco.end(), [numero](const Bambino &b) { return b.numero == numero; });
    const int da = int(trovato - elenco.begin()), a = da + verso;
    if (trovato == elenco.end() || a < 0 || a >= elenco.size())
        return;
    std::swap(elenco[da], elenco[a]);
    // The order is written as places, 1 to N: the list reads the same everywhere.
    for (int i = 0; i < elenco.size(); ++i) {
        if (elenco[i].ordine != i + 1) {
            elenco[i].ordine = i + 1;
            servizi().bambini->modifica(elenco[i]);
        }
    }
    riempi(numero);
}

void FormBambini::rimuovi(int numero)
{
    if (!servizi().bambini || numero <= 0)
        return;
    if (numero == 1) {
        servizi().dialoghi.avviso(this, QStringLiteral("Calcolotti"),
                                  QStringLiteral("Il primo bambino non si può togliere: si può dargli un altro nome "
                                                 "e un'altra immagine."));
        return;
    }
    const QString nome = m_elenco->currentItem() ? m_elenco->currentItem()->text() : QString();
    if (!servizi().dialoghi.domanda(this, QStringLiteral("Calcolotti"),
                                    QStringLiteral("Togliere %1? Vengono cancellati anche le sue impostazioni e il suo "
                                                   "diario dei progressi.").arg(nome)))
        return;
    QString errore;
    if (servizi().diario && !servizi().diario->cancellaBambino(numero, errore)) {
        servizi().dialoghi.errore(this, QStringLiteral("Calcolotti"),
                                  QStringLiteral("%1 non è stato tolto: %2").arg(nome, errore));
        return;
    }
    servizi().bambini->rimuovi(numero);
    riempi(servizi().bambini->attuale().numero);
}

void FormBambini::imposta(int numero)
{
    // The settings screens work on the child who plays: this child, from now on.
    if (!servizi().bambini || !servizi().bambini->gioca(numero) || congedata() || !servizi().navigatore)
        return;
    cediA(servizi().navigatore->crea(IdSchermata::Configura));
}

bool FormBambini::esporta(int numero, const QString &file)
{
    if (!servizi().bambini)
        return false;
    const auto elenco = servizi().bambini->elenco();
    const auto b = std::find_if(elenco.begin(), elenco.end(), [numero](const Bambino &x) { return x.numero == numero; });
    if (b == elenco.end())
        return false;
    // The child who plays may have changes not yet saved.
    if (numero == servizi().bambini->attuale().numero && servizi().salvaImpostazioni)
        servizi().salvaImpostazioni(servizi().stato);
    const QString impostazioni = servizi().bambini->percorsoImpostazioni(numero);
    StatoProgramma letto;
    letto.PercorsoIni = impostazioni;
    ModuloPerIni::LeggiImpostazioni(letto);
    ModuloOpzioni::LeggiOpzioni(letto);
    QMap<QString, QByteArray> documenti;
    documenti.insert(QStringLiteral("nome"), b->nome.toUtf8());
    documenti.insert(QStringLiteral("immagine"), b->immagine.toUtf8());
    documenti.insert(QStringLiteral("calcolotti.ini"), ModuloPerIni::ScriviInTesto(letto));
    documenti.insert(QStringLiteral("calcolotti-scansione.ini"), leggi(ModuloOpzioni::percorso(letto)));
    QString errore = QStringLiteral("Il diario non è disponibile: il bambino non si può esportare.");
    if (servizi().diario && servizi().diario->esportaBambino(file, numero, documenti, errore))
        return true;
    servizi().dialoghi.errore(this, QStringLiteral("Calcolotti"), errore);
    return false;
}

bool FormBambini::importa(const QString &file)
{
    QMap<QString, QByteArray> documenti;
    QString errore = QStringLiteral("Il diario non è disponibile: il bambino non si può importare.");
    if (!servizi().bambini || !servizi().diario || !servizi().diario->leggiBambino(file, documenti, errore)) {
        servizi().dialoghi.errore(this, QStringLiteral("Calcolotti"), errore);
        return false;
    }
    const QString nome = QString::fromUtf8(documenti.value(QStringLiteral("nome"))).trimmed();
    int numero = 0;
    for (const Bambino &b : servizi().bambini->elenco()) {
        if (b.nome.compare(nome, Qt::CaseInsensitive) == 0
            && servizi().dialoghi.domanda(this, QStringLiteral("Calcolotti"),
                                          QStringLiteral("Su questo computer c'è già %1. Aggiungere il diario che arriva "
                                                         "a quello di %1? Con «No» arriva come un bambino nuovo.").arg(b.nome)))
            numero = b.numero;
    }
    if (numero == 0) {
        numero = servizi().bambini->aggiungi(nome, QString::fromUtf8(documenti.value(QStringLiteral("immagine"))));
        // The new child's settings and scanning options, as they left.
        const QString impostazioni = servizi().bambini->percorsoImpostazioni(numero);
        StatoProgramma arrivato;
        arrivato.PercorsoIni = impostazioni;
        const bool letti = numero > 0 && ModuloPerIni::LeggiDaTesto(documenti.value(QStringLiteral("calcolotti.ini")), arrivato)
                           && ModuloPerIni::ScriviSostituendo(impostazioni, ModuloPerIni::ScriviInTesto(arrivato)).isEmpty();
        const QByteArray opzioni = documenti.value(QStringLiteral("calcolotti-scansione.ini"));
        if (letti && !opzioni.isEmpty())
            ModuloPerIni::ScriviSostituendo(ModuloOpzioni::percorso(arrivato), opzioni);
        if (!letti) {
            servizi().dialoghi.errore(this, QStringLiteral("Calcolotti"),
                                      QStringLiteral("%1 non è stato importato: la cartella delle impostazioni non si "
                                                     "può scrivere.").arg(nome));
            if (numero > 0)
                servizi().bambini->rimuovi(numero);
            riempi(0);
            return false;
        }
    }
    const bool fatto = servizi().diario->importaBambino(file, numero, errore);
    if (!fatto)
        servizi().dialoghi.errore(this, QStringLiteral("Calcolotti"), errore);
    riempi(numero);
    return fatto;
}

void FormBambini::esci()
{
    if (servizi().navigatore && !congedata())
        cediA(servizi().navigatore->crea(IdSchermata::Menu));
}

void FormBambini::richiestaChiusura()
{
    esci();
}
