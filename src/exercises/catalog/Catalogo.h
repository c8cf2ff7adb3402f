#pragma once

#include <QString>
#include <array>

// The two story catalogs: for every scene the questions, the pieces of the
// statements and the background colour, addressed by scene and slot.
namespace Catalogo {

enum class Famiglia { Addizione, Sottrazione };

// What a statement is about.
enum class Quantita {
    Totale, Parte, Resto,       // subtraction stories
    GruppoA, GruppoB, Intero,   // addition stories
};

// Slots of a subtraction scene.
namespace SlotSottrazione {
constexpr int DomandaTotale = 0, DomandaParte = 4, DomandaResto = 9, Colore = 14;
}
// Slots of an addition scene.
namespace SlotAddizione {
constexpr int DomandaA = 0, DomandaB = 5, DomandaIntero = 10, Colore = 14;
}

// A screen's sentence table: scenes 0 to 100, slots 0 to 14. Unfilled cells are empty.
class TabellaFrasi
{
public:
    static constexpr int Righe = 101;
    static constexpr int Slot = 15;

    const QString &frase(int scena, int slot) const;
    void imposta(int scena, int slot, const QString &testo);

private:
    std::array<std::array<QString, Slot>, Righe> m_frasi;
};

// Fills rows 1..23 (subtraction) or 1..30 (addition) with the catalog's texts.
void LeggiFrasi(Famiglia famiglia, TabellaFrasi &tabella);
int numeroScene(Famiglia famiglia);

// The statement on a quantity of scene `scena` with count n: the zero or
// singular statement for 0 and 1 where the quantity has one, otherwise the lead
// words, the number and the noun phrase joined by single blanks.
QString enunciato(const TabellaFrasi &tabella, int scena, Quantita quantita, int n);

}
