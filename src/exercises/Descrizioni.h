#pragma once

#include "exercises/Esercizio.h"
#include "exercises/catalog/Catalogo.h"

#include <cstdint>
#include <vector>

// What makes Form1 .. Form9 differ: the family, the level, the partner of a
// mixed level, the look, and the order of the actions inside each step.
namespace Esercizi {

struct Descrizione {
    int numero;                   // 1..9
    Catalogo::Famiglia famiglia;
    int livello;                  // 1, 2 or 3
    int partner;                  // the other screen of a mixed level, 0 if none
    int valoreCambio;             // the draw on "avanti" that hands over to the partner
    uint32_t sfondo;              // 0x00BBGGRR
    int larghezza;                // designed client width, twips
    int sinistraEtichette;        // left of Label1..Label8, twips
    int abbassaEtichette;         // extra top offset of the labels, twips
    const char *nomeLivello;      // the level's name as the menu shows it
};

// numero outside 1..9 gives Form4's description.
const Descrizione &descrizione(int numero);

// The seven levels in the menu's order, each by its first screen (a mixed
// level by its addition screen, which has the partner).
constexpr int LivelliDelMenu[7] = {1, 2, 3, 4, 5, 6, 8};

// Keys of the start-of-exercise sequences in the table below.
namespace Passo {
constexpr int InizioNormale = 0;
constexpr int InizioInverso = 50;
}

// The clips an action works on. Subtraction: the objects that act (1..Parte),
// those that stay (Parte+1..Totale), all of them. Addition: the group asked
// first (1..Resto) and the group asked second (1..Parte).
enum class Clip : uint8_t { Nessuna, Agenti, Fermi, Tutti, Primo, Secondo };

enum class Op : uint8_t {
    Scrivi,        // LabelN gets its text for this exercise
    Parla,         // speak LabelN
    Passo,         // PassoCorrente = n
    PrimoPasso,    // PassoCorrente = 1 or 51, by the order of the exercise
    Pausa,
    Ridipingi,     // number buttons back to the neutral colour
    Evidenzia,     // restart the highlight on the number buttons
    MostraLabel7,
    SegnaScena,    // ScenaPrecedente = Scena
    Mostra,        // visible and still
    MostraTenue,   // visible, opacity 35, still
    Opacita,       // opacity n percent
    Gioca,         // TPlay
};

struct Istruzione {
    Op op;
    int n = 0;
    Clip clip = Clip::Nessuna;
    double secondi = 0;
};

using Sequenza = std::vector<Istruzione>;

// The sequence that a right answer at `passo` runs on screen `numero` (steps 1,
// 2, 3, 51, 52), or the start of an exercise (InizioNormale, InizioInverso).
// nullptr where the screen has none: the operation steps 4 to 8 are code.
const Sequenza *sequenza(int numero, int passo);

}
