#pragma once

#include "exercises/catalog/Catalogo.h"

#include <QString>
#include <cstdint>

class Generatore;
struct StatoProgramma;

namespace Esercizi {

// Steps with a name of their own in the program's numbering.
namespace Passo {
constexpr int Nessuno = 0;         // no question asked yet
constexpr int Totale = 1;          // also: first group, normal order
constexpr int Secondo = 2;
constexpr int Intero = 3;
constexpr int PrimoTermine = 4;
constexpr int PrimoSegno = 5;
constexpr int SecondoTermine = 6;
constexpr int Uguale = 7;
constexpr int Risultato = 8;
constexpr int PrimoInverso = 51;   // addition, reversed order
constexpr int SecondoInverso = 52;
// The steps that write the operation; the others are the counting questions.
constexpr bool dellOperazione(int passo) { return passo >= PrimoTermine && passo <= Risultato; }
}

// Indices of the sign buttons.
namespace Segno {
constexpr int Piu = 0, Meno = 1, Uguale = 2;
}

// Which buttons a step offers: the numbers at the counting and result steps,
// the signs where the operation's sign is asked.
enum class Gruppo { Nessuno, Numeri, Segni };
Gruppo gruppoDelPasso(int passo);

// The rules of one exercise screen's run, without widgets: the draw, the
// current step, the right answer of every step, the operation the child
// writes, the score and the turn of a mixed level. The screen asks it and
// paints what it says.
class Esercizio
{
public:
    enum class Esito { Ignorata, Giusta, Sbagliata };

    Esercizio(Catalogo::Famiglia famiglia, Generatore &casuale, StatoProgramma &stato);

    bool addizione() const { return m_famiglia == Catalogo::Famiglia::Addizione; }
    Catalogo::Famiglia famiglia() const { return m_famiglia; }

    int16_t Totale() const { return m_totale; }
    int16_t Parte() const { return m_parte; }
    int16_t Resto() const { return m_resto; }
    int16_t Scena() const { return m_scena; }
    int16_t NumeroScene() const { return m_numeroScene; }
    int16_t ScenaPrecedente() const { return m_scenaPrecedente; }
    int16_t PassoCorrente() const { return m_passo; }
    // Addition only: group B is asked before group A (steps 51, 52).
    bool ordineInverso() const { return m_ordineInverso; }
    // The operation as the child has written it so far, e.g. « 7 - 3 = 4».
    const QString &operazione() const { return m_operazione; }
    // The last step was answered: what comes next is "avanti".
    bool completo() const { return m_completo; }
    Gruppo gruppo() const { return gruppoDelPasso(m_passo); }

    // A new exercise: quantities, scene, order. No step holds until the first
    // question has been asked (primoPasso).
    void genera();
    void primoPasso();
    void vaiAlPasso(int passo);
    void segnaScena() { m_scenaPrecedente = m_scena; }

    // Whether `scelta` (a number, or a sign index at the sign steps) answers
    // the current step. The addends of an addition may come in either order,
    // but each only once.
    bool giusta(int scelta) const;
    // One right answer to the current step (the first-asked addend first).
    int rispostaGiusta() const;
    // The child's choice at the current step: counted right or wrong; a right
    // answer in the operation also writes it and moves to the next step (the
    // counting steps move on through the screen's action lists).
    Esito scegli(int scelta);

    void azzeraPunteggio();
    // A mixed level's "avanti": draws whether the turn goes to the partner.
    bool turnoAlPartner(int valoreCambio);

    static constexpr int16_t ConteggioMassimo = 32767;

private:
    enum class Addendo { Nessuno, Resto, Parte };
    int giustaAlPasso(int passo) const;

    Catalogo::Famiglia m_famiglia;
    Generatore &m_casuale;
    StatoProgramma &m_stato;
    int16_t m_totale = 0;
    int16_t m_parte = 0;
    int16_t m_resto = 0;
    int16_t m_scena = 0;
    int16_t m_numeroScene = 0;
    int16_t m_scenaPrecedente = 0;
    int16_t m_passo = Passo::Nessuno;
    bool m_ordineInverso = false;
    bool m_completo = false;
    // The addend written at the operation's first term: it cannot be the second.
    Addendo m_usato = Addendo::Nessuno;
    QString m_operazione;
};

}
