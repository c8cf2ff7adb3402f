#include "exercises/FormEsercizio.h"

#include "core/Colori.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "exercises/EtichettaParlante.h"
#include "input/ConfermaScansione.h"
#include "media/SpeechEngine.h"
#include "media/Voce.h"
#include "resources/Immagini.h"

#include "resources/BottoneColorato.h"

// How an exercise screen offers its choices to the scan, and the two choices
// a switch user has besides the answers: hear the question again, go back to
// the menu.

using namespace Esercizi;

namespace {

const char *const ProprietaColore = "coloreBGR";
const char *const ProprietaSbagliato = "sbagliato";

template <typename Bottoni>
int indiceDi(const Bottoni &bottoni, const QWidget *w)
{
    for (int i = 0; i < int(bottoni.size()); ++i)
        if (bottoni[i] == w)
            return i;
    return -1;
}

}

uint32_t FormEsercizio::colore(const QWidget *bottone)
{
    return bottone ? bottone->property(ProprietaColore).toUInt() : 0;
}

bool FormEsercizio::segnatoSbagliato(const QWidget *bottone)
{
    return bottone && bottone->property(ProprietaSbagliato).toBool();
}

void FormEsercizio::dipingiSbagliato(QWidget *bottone)
{
    dipingi(bottone, Colori::Sbagliato, true);
}

void FormEsercizio::dipingi(QWidget *bottone, uint32_t colore, bool sbagliato)
{
    // A wrong answer shows a cross too, so it never depends on telling red apart;
    // the mark is its own, since the highlight may be red as well.
    if (segnatoSbagliato(bottone) != sbagliato) {
        bottone->setProperty(ProprietaSbagliato, sbagliato);
        if (auto *b = qobject_cast<QAbstractButton *>(bottone))
            b->setIcon(sbagliato ? Immagini::icona(Immagine::Croce) : QIcon());
        bottone->setAccessibleDescription(sbagliato ? QStringLiteral("sbagliato") : QString());
    }
    if (bottone->property(ProprietaColore).isValid() && FormEsercizio::colore(bottone) == colore)
        return;
    bottone->setProperty(ProprietaColore, colore);
    if (auto *b = qobject_cast<BottoneColorato *>(bottone))
        b->impostaColore(Colori::daBGR(colore));
}

uint32_t FormEsercizio::coloreScansione() const
{
    return Colori::daDouble(servizi().stato.ColoreScansione);
}

QVector<QVector<QWidget *>> FormEsercizio::scelte() const
{
    QVector<QVector<QWidget *>> gruppi;
    if (m_modello.completo() && !m_command3->isHidden()) {
        gruppi << QVector<QWidget *>{m_command3};
    } else {
        switch (m_modello.gruppo()) {
        case Gruppo::Numeri:
            // With group scanning: 0 to 5, then 6 to 10.
            gruppi << QVector<QWidget *>(m_command1.begin(), m_command1.begin() + 6)
                   << QVector<QWidget *>(m_command1.begin() + 6, m_command1.end());
            break;
        case Gruppo::Segni:
            for (BottoneColorato *b : m_command2)
                gruppi << QVector<QWidget *>{b};
            break;
        case Gruppo::Nessuno:
            return {};
        }
    }
    gruppi << QVector<QWidget *>{m_ripeti, m_menu};
    return gruppi;
}

void FormEsercizio::colora(QWidget *scelta, bool evidenziata)
{
    // When the highlight moves on, a wrong answer's red and cross go too.
    if (evidenziata) {
        for (BottoneColorato *b : m_command1)
            if (segnatoSbagliato(b))
                dipingi(b, Colori::Neutro);
        for (BottoneColorato *b : m_command2)
            if (segnatoSbagliato(b))
                dipingi(b, Colori::Neutro);
    }
    dipingi(scelta, evidenziata ? coloreScansione() : Colori::Neutro);
}

void FormEsercizio::scegli(QWidget *scelta)
{
    if (!m_inTurno)
        return;
    StatoProgramma &stato = servizi().stato;
    if (const int numero = indiceDi(m_command1, scelta); numero >= 0) {
        stato.SceltaCorrente = int16_t(numero);
        SelezionaScelte();
    } else if (const int segno = indiceDi(m_command2, scelta); segno >= 0) {
        stato.SceltaCorrente = int16_t(segno);
        SelezionaScelte();
    } else if (scelta == m_command3) {
        SelezionaScelte();
    } else if (scelta == m_ripeti) {
        ripeti();
    } else if (scelta == m_menu) {
        chiediMenu();
    }
}

void FormEsercizio::ricominciaEvidenziazione()
{
    servizi().stato.SceltaCorrente = 0;
    m_input->ricomincia();
}

void FormEsercizio::parlaEtichetta(int etichetta)
{
    // What the program says is not answered: presses wait for its end.
    const auto occupato = m_input->occupa();
    servizi().voce.Parla(m_label[etichetta]->text());
}

void FormEsercizio::ripeti()
{
    if (!m_inTurno)
        return;
    // What the child may have missed: the last statement, then the question.
    QVector<int> etichette;
    if (m_modello.completo()) {
        etichette = {8};
    } else {
        switch (m_modello.PassoCorrente()) {
        case Passo::Nessuno: return;
        case Passo::Totale: case Passo::PrimoInverso: etichette = {1}; break;
        case Passo::Secondo: case Passo::SecondoInverso: etichette = {2, 3}; break;
        case Passo::Intero: etichette = {4, 5}; break;
        default: etichette = {6, 7}; break;  // the operation's steps: "Ora scrivi l'operazione"
        }
    }
    QPointer<FormEsercizio> io(this);
    const unsigned esercizio = m_esercizio;
    const auto occupato = m_input->occupa();
    for (int etichetta : std::as_const(etichette))
        if (!servizi().voce.Parla(m_label[etichetta]->text()) || !proseguibile(io, esercizio))
            return;
}

void FormEsercizio::chiediMenu()
{
    if (!m_inTurno || m_conferma)
        return;
    servizi().voce.motore().stop();
    if (!m_input->scansione()) {
        TornaAlMenu();
        return;
    }
    m_input->sospendi();
    m_conferma = new ConfermaScansione(this, servizi(), QStringLiteral("Vuoi tornare al menù?"));
    connect(m_conferma, &ConfermaScansione::risposta, this, [this](bool si) {
        m_conferma->deleteLater();
        m_conferma = nullptr;
        if (!m_inTurno || congedata())
            return;
        if (si) {
            lascia();
        } else {
            m_input->prepara();
            m_input->ricomincia();
        }
    });
    m_conferma->apri();
}

void FormEsercizio::Command1_Click(int indice)
{
    if (indice >= 0 && indice < int(m_command1.size()))
        clicSuScelta(m_command1[indice], indice);
}

void FormEsercizio::Command2_Click(int indice)
{
    if (indice >= 0 && indice < int(m_command2.size()))
        clicSuScelta(m_command2[indice], indice);
}

void FormEsercizio::clicSuScelta(QWidget *bottone, int indice)
{
    if (!m_inTurno || !m_input->clicPreso(bottone))
        return;
    servizi().stato.SceltaCorrente = int16_t(indice);
    SelezionaScelte();
}

void FormEsercizio::Command3_Click()
{
    if (!m_inTurno)
        return;
    m_command3->hide();
    avanti();
}

void FormEsercizio::Label_Click(int etichetta)
{
    if (etichetta >= 1 && etichetta <= 8 && etichetta != 7 && m_inTurno)
        parlaEtichetta(etichetta);
}

ConfermaScansione *FormEsercizio::conferma() const
{
    return m_conferma;
}
