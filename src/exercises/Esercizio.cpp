#include "exercises/Esercizio.h"

#include "core/Generatore.h"
#include "core/StatoProgramma.h"

namespace Esercizi {

namespace {

int16_t piuUno(int16_t conteggio)
{
    return conteggio < Esercizio::ConteggioMassimo ? int16_t(conteggio + 1) : conteggio;
}

}

Gruppo gruppoDelPasso(int passo)
{
    switch (passo) {
    case Passo::Totale:
    case Passo::Secondo:
    case Passo::Intero:
    case Passo::PrimoTermine:
    case Passo::SecondoTermine:
    case Passo::Risultato:
    case Passo::PrimoInverso:
    case Passo::SecondoInverso:
        return Gruppo::Numeri;
    case Passo::PrimoSegno:
    case Passo::Uguale:
        return Gruppo::Segni;
    default:
        return Gruppo::Nessuno;
    }
}

Esercizio::Esercizio(Catalogo::Famiglia famiglia, Generatore &casuale, StatoProgramma &stato)
    : m_famiglia(famiglia)
    , m_casuale(casuale)
    , m_stato(stato)
    , m_numeroScene(int16_t(Catalogo::numeroScene(famiglia)))
{
}

void Esercizio::genera()
{
    Generatore &rnd = m_casuale;
    m_passo = Passo::Nessuno;
    m_completo = false;
    m_usato = Addendo::Nessuno;
    m_operazione.clear();

    m_totale = int16_t(rnd.Int(9) + 2);
    // One exercise in three may have an empty part or rest.
    m_stato.Casuale = int16_t(rnd.Int(3));
    m_parte = int16_t(rnd.Int(m_totale + 1));
    m_resto = int16_t(m_totale - m_parte);
    if (m_stato.Casuale != 0) {
        while (m_resto == 0 || m_parte == 0) {
            m_parte = int16_t(rnd.Int(m_totale + 1));
            m_resto = int16_t(m_totale - m_parte);
        }
    }
    // Two exercises in a row never tell the same story.
    do {
        m_scena = int16_t(rnd.Int(m_numeroScene) + 1);
    } while (m_scena == m_scenaPrecedente && m_numeroScene > 1);
    m_ordineInverso = addizione() && rnd.Int(2) == 1;
}

void Esercizio::primoPasso()
{
    m_passo = m_ordineInverso ? Passo::PrimoInverso : Passo::Totale;
}

void Esercizio::vaiAlPasso(int passo)
{
    m_passo = int16_t(passo);
}

int Esercizio::giustaAlPasso(int passo) const
{
    if (addizione()) {
        switch (passo) {
        case Passo::Totale: case Passo::PrimoInverso: return m_resto;
        case Passo::Secondo: case Passo::SecondoInverso: return m_parte;
        case Passo::Intero: case Passo::Risultato: return m_totale;
        case Passo::PrimoTermine:
        case Passo::SecondoTermine: return m_usato == Addendo::Resto ? m_parte : m_resto;
        case Passo::PrimoSegno: return Segno::Piu;
        case Passo::Uguale: return Segno::Uguale;
        }
        return -1;
    }
    switch (passo) {
    case Passo::Totale: case Passo::PrimoTermine: return m_totale;
    case Passo::Secondo: case Passo::SecondoTermine: return m_parte;
    case Passo::Intero: case Passo::Risultato: return m_resto;
    case Passo::PrimoSegno: return Segno::Meno;
    case Passo::Uguale: return Segno::Uguale;
    }
    return -1;
}

int Esercizio::rispostaGiusta() const
{
    return m_completo ? -1 : giustaAlPasso(m_passo);
}

bool Esercizio::giusta(int scelta) const
{
    if (m_completo)
        return false;
    if (addizione() && (m_passo == Passo::PrimoTermine || m_passo == Passo::SecondoTermine)) {
        return (scelta == m_resto && m_usato != Addendo::Resto)
            || (scelta == m_parte && m_usato != Addendo::Parte);
    }
    return scelta == giustaAlPasso(m_passo);
}

Esercizio::Esito Esercizio::scegli(int scelta)
{
    if (m_completo || gruppo() == Gruppo::Nessuno)
        return Esito::Ignorata;
    if (!giusta(scelta)) {
        m_stato.Errati = piuUno(m_stato.Errati);
        return Esito::Sbagliata;
    }
    m_stato.Esatti = piuUno(m_stato.Esatti);
    switch (m_passo) {
    case Passo::PrimoTermine:
        m_operazione = QLatin1Char(' ') + QString::number(scelta);
        if (addizione())
            m_usato = scelta == m_resto ? Addendo::Resto : Addendo::Parte;
        m_passo = Passo::PrimoSegno;
        break;
    case Passo::PrimoSegno:
        m_operazione += addizione() ? QStringLiteral(" + ") : QStringLiteral(" - ");
        m_passo = Passo::SecondoTermine;
        break;
    case Passo::SecondoTermine:
        m_operazione += QString::number(scelta);
        m_passo = Passo::Uguale;
        break;
    case Passo::Uguale:
        m_operazione += QStringLiteral(" = ");
        m_passo = Passo::Risultato;
        break;
    case Passo::Risultato:
        m_operazione += QString::number(scelta);
        m_completo = true;
        break;
    default:
        break;
    }
    return Esito::Giusta;
}

void Esercizio::azzeraPunteggio()
{
    m_stato.Esatti = 0;
    m_stato.Errati = 0;
}

bool Esercizio::turnoAlPartner(int valoreCambio)
{
    m_stato.Casuale = int16_t(m_casuale.Int(2));
    return m_stato.Casuale == valoreCambio;
}

}
