#include "exercises/Descrizioni.h"

#include <initializer_list>
#include <map>
#include <utility>

namespace Esercizi {

namespace {

constexpr uint32_t bgr(int r, int g, int b) { return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16); }

using Catalogo::Famiglia;

const Descrizione descrizioni[9] = {
    // n  famiglia               liv partner cambio  sfondo                larghezza sinistra abbassa nome
    {1, Famiglia::Addizione,   1, 0, -1, bgr(128, 128, 255), 10620, 5880, 0, "Addizione - 1°"},
    {2, Famiglia::Addizione,   2, 0, -1, bgr(0, 128, 0),     10620, 6000, 120, "Addizione - 2°"},
    {3, Famiglia::Addizione,   3, 0, -1, bgr(0, 128, 128),   10620, 6000, 0, "Addizione - 3°"},
    {4, Famiglia::Sottrazione, 1, 0, -1, bgr(0, 192, 0),     10515, 6000, 120, "Sottrazione - 1°"},
    {5, Famiglia::Sottrazione, 2, 0, -1, bgr(0, 0, 192),     10515, 6000, 0, "Sottrazione - 2°"},
    {6, Famiglia::Addizione,   1, 7, 1,  bgr(255, 192, 128), 10620, 6000, 0, "Addizione e sottrazione - 1°"},
    {7, Famiglia::Sottrazione, 1, 6, 0,  bgr(255, 192, 128), 10515, 6000, 0, "Addizione e sottrazione - 1°"},
    {8, Famiglia::Addizione,   3, 9, 0,  bgr(192, 0, 192),   10620, 6000, 0, "Addizione e sottrazione - 2°"},
    {9, Famiglia::Sottrazione, 2, 8, 0,  bgr(192, 0, 192),   10515, 6000, 0, "Addizione e sottrazione - 2°"},
};

// Short names so that the sequences below read as one line per screen.
Istruzione Scrivi(int etichetta) { return {Op::Scrivi, etichetta}; }
Istruzione Parla(int etichetta) { return {Op::Parla, etichetta}; }
Istruzione Vai(int passo) { return {Op::Passo, passo}; }
Istruzione Pausa(double secondi) { return {Op::Pausa, 0, Clip::Nessuna, secondi}; }
Istruzione Opacita(Clip clip, int percento) { return {Op::Opacita, percento, clip}; }
Istruzione Gioca(Clip clip) { return {Op::Gioca, 0, clip}; }
Istruzione Mostra(Clip clip) { return {Op::Mostra, 0, clip}; }
Istruzione MostraTenue(Clip clip) { return {Op::MostraTenue, 35, clip}; }
const Istruzione Ridipingi{Op::Ridipingi};
const Istruzione Evidenzia{Op::Evidenzia};
const Istruzione Label7{Op::MostraLabel7};
const Istruzione SegnaScena{Op::SegnaScena};
const Istruzione PrimoPasso{Op::PrimoPasso};

constexpr Clip Agenti = Clip::Agenti, Fermi = Clip::Fermi, Tutti = Clip::Tutti;
constexpr Clip Primo = Clip::Primo, Secondo = Clip::Secondo;

struct Riga {
    std::initializer_list<int> schermate;
    int passo;
    Sequenza azioni;
};

std::map<std::pair<int, int>, Sequenza> costruisci()
{
    const Riga righe[] = {
        // Start of an exercise: clips, first question, first step.
        {{4, 5, 7, 9}, Passo::InizioNormale,
         {Mostra(Tutti), SegnaScena, Scrivi(1), Parla(1), PrimoPasso, Evidenzia}},
        {{1, 6}, Passo::InizioNormale,
         {Mostra(Primo), MostraTenue(Secondo), SegnaScena, Scrivi(1), Parla(1), PrimoPasso, Evidenzia}},
        {{1, 6}, Passo::InizioInverso,
         {Mostra(Primo), MostraTenue(Secondo), SegnaScena, Scrivi(1), Parla(1), PrimoPasso, Evidenzia}},
        {{2}, Passo::InizioNormale, {Mostra(Primo), SegnaScena, Scrivi(1), Parla(1), PrimoPasso, Evidenzia}},
        {{2}, Passo::InizioInverso, {Mostra(Primo), SegnaScena, Scrivi(1), Parla(1), PrimoPasso, Evidenzia}},
        // Level 3 moves on to step 1 before the second group appears and before the question is spoken.
        {{3, 8}, Passo::InizioNormale,
         {Mostra(Primo), SegnaScena, Scrivi(1), PrimoPasso, Mostra(Secondo), Parla(1), Evidenzia}},
        {{3, 8}, Passo::InizioInverso,
         {Mostra(Primo), Mostra(Secondo), SegnaScena, Scrivi(1), Parla(1), PrimoPasso, Evidenzia}},

        // Subtraction, step 1: the total was counted.
        {{4}, 1, {Scrivi(2), Parla(2), Vai(2), Ridipingi, Gioca(Agenti), Opacita(Fermi, 40), Pausa(0.5), Scrivi(3), Parla(3), Evidenzia}},
        {{5}, 1, {Scrivi(2), Vai(2), Parla(2), Ridipingi, Gioca(Agenti), Pausa(0.5), Scrivi(3), Parla(3), Evidenzia}},
        {{7}, 1, {Scrivi(2), Vai(2), Ridipingi, Parla(2), Pausa(0.3), Gioca(Agenti), Opacita(Fermi, 40), Scrivi(3), Parla(3), Evidenzia}},
        {{9}, 1, {Scrivi(2), Vai(2), Parla(2), Pausa(0.3), Ridipingi, Gioca(Agenti), Scrivi(3), Parla(3), Evidenzia}},
        // Subtraction, step 2: the part was counted.
        {{4}, 2, {Scrivi(4), Parla(4), Vai(3), Ridipingi, Opacita(Fermi, 100), Opacita(Agenti, 40), Pausa(0.5), Scrivi(5), Parla(5), Evidenzia}},
        {{5}, 2, {Scrivi(4), Parla(4), Vai(3), Ridipingi, Pausa(0.5), Scrivi(5), Parla(5), Evidenzia}},
        {{7}, 2, {Scrivi(4), Vai(3), Parla(4), Pausa(0.5), Ridipingi, Opacita(Fermi, 100), Opacita(Agenti, 40), Scrivi(5), Parla(5), Evidenzia}},
        {{9}, 2, {Scrivi(4), Parla(4), Pausa(0.5), Vai(3), Ridipingi, Scrivi(5), Parla(5), Evidenzia}},
        // Subtraction, step 3: the rest was counted.
        {{4, 7}, 3, {Scrivi(6), Vai(4), Ridipingi, Parla(6), Pausa(0.5), Label7, Parla(7), Opacita(Tutti, 100), Evidenzia}},
        {{5, 9}, 3, {Scrivi(6), Vai(4), Ridipingi, Parla(6), Pausa(0.5), Label7, Parla(7), Evidenzia}},

        // Addition, step 1 (normal order): group A was counted.
        {{1}, 1, {Scrivi(2), Vai(2), Parla(2), Ridipingi, Pausa(0.5), Opacita(Secondo, 100), Opacita(Primo, 35), Scrivi(3), Parla(3), Evidenzia}},
        {{6}, 1, {Scrivi(2), Vai(2), Parla(2), Ridipingi, Pausa(0.5), Scrivi(3), Parla(3), Opacita(Secondo, 100), Opacita(Primo, 35), Evidenzia}},
        {{2}, 1, {Scrivi(2), Vai(2), Parla(2), Ridipingi, Mostra(Secondo), Pausa(0.5), Scrivi(3), Parla(3), Evidenzia}},
        {{3}, 1, {Scrivi(2), Parla(2), Vai(2), Ridipingi, Pausa(0.5), Scrivi(3), Parla(3), Evidenzia}},
        {{8}, 1, {Scrivi(2), Vai(2), Parla(2), Ridipingi, Pausa(0.5), Scrivi(3), Parla(3), Evidenzia}},
        // Addition, step 2 (normal order): group B was counted.
        {{1}, 2, {Scrivi(4), Vai(3), Ridipingi, Parla(4), Pausa(0.5), Opacita(Primo, 100), Scrivi(5), Parla(5), Evidenzia}},
        {{6}, 2, {Scrivi(4), Vai(3), Parla(4), Ridipingi, Opacita(Primo, 100), Pausa(0.5), Scrivi(5), Parla(5), Evidenzia}},
        {{2, 3, 8}, 2, {Scrivi(4), Vai(3), Parla(4), Ridipingi, Pausa(0.5), Scrivi(5), Parla(5), Evidenzia}},
        // Addition, step 51 (reversed order): group B was counted.
        {{1}, 51, {Scrivi(2), Vai(52), Parla(2), Ridipingi, Pausa(0.5), Opacita(Secondo, 100), Opacita(Primo, 35), Scrivi(3), Parla(3), Evidenzia}},
        {{6}, 51, {Scrivi(2), Parla(2), Vai(52), Ridipingi, Scrivi(3), Opacita(Secondo, 100), Opacita(Primo, 35), Pausa(0.5), Parla(3), Evidenzia}},
        {{2}, 51, {Scrivi(2), Vai(52), Parla(2), Ridipingi, Pausa(0.5), Scrivi(3), Mostra(Secondo), Parla(3), Evidenzia}},
        {{3}, 51, {Scrivi(2), Parla(2), Vai(52), Ridipingi, Pausa(0.5), Scrivi(3), Parla(3), Evidenzia}},
        {{8}, 51, {Scrivi(2), Parla(2), Vai(52), Pausa(0.5), Ridipingi, Scrivi(3), Parla(3), Evidenzia}},
        // Addition, step 52 (reversed order): group A was counted.
        {{1}, 52, {Scrivi(4), Vai(3), Ridipingi, Parla(4), Opacita(Primo, 100), Pausa(0.5), Scrivi(5), Parla(5), Evidenzia}},
        {{6}, 52, {Scrivi(4), Parla(4), Vai(3), Ridipingi, Opacita(Primo, 100), Pausa(0.5), Scrivi(5), Parla(5), Evidenzia}},
        {{2}, 52, {Scrivi(4), Vai(3), Parla(4), Ridipingi, Pausa(0.5), Scrivi(5), Parla(5), Evidenzia}},
        {{3, 8}, 52, {Scrivi(4), Parla(4), Vai(3), Ridipingi, Pausa(0.5), Scrivi(5), Parla(5), Evidenzia}},
        // Addition, step 3: the whole was counted.
        {{1, 2, 3, 6, 8}, 3, {Scrivi(6), Vai(4), Ridipingi, Parla(6), Pausa(0.5), Label7, Parla(7), Evidenzia}},
    };
    std::map<std::pair<int, int>, Sequenza> tabella;
    for (const Riga &riga : righe)
        for (int schermata : riga.schermate)
            tabella[{schermata, riga.passo}] = riga.azioni;
    return tabella;
}

}

const Descrizione &descrizione(int numero)
{
    if (numero < 1 || numero > 9)
        numero = 4;
    return descrizioni[numero - 1];
}

const Sequenza *sequenza(int numero, int passo)
{
    static const std::map<std::pair<int, int>, Sequenza> tabella = costruisci();
    const auto trovata = tabella.find({numero, passo});
    return trovata == tabella.end() ? nullptr : &trovata->second;
}

}
