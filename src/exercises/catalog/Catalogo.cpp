#include "exercises/catalog/Catalogo.h"

#include "exercises/catalog/CatalogoTesti.h"

namespace Catalogo {

namespace {

// Where the pieces of each quantity's statement sit: the lead words and the
// noun phrase of the plural statement, the statement for one and for none
// (-1 where the quantity is never zero).
struct Posti {
    int guida, nome, uno, nessuno;
};

Posti slotDi(Quantita quantita)
{
    switch (quantita) {
    case Quantita::Totale: return {1, 2, 3, -1};
    case Quantita::Parte: return {5, 6, 7, 8};
    case Quantita::Resto: return {10, 11, 12, 13};
    case Quantita::GruppoA: return {1, 2, 3, 4};
    case Quantita::GruppoB: return {6, 7, 8, 9};
    case Quantita::Intero: return {11, 12, 13, -1};
    }
    return {1, 2, 3, -1};
}

}

const QString &TabellaFrasi::frase(int scena, int slot) const
{
    static const QString vuota;
    if (scena < 0 || scena >= Righe || slot < 0 || slot >= Slot)
        return vuota;
    return m_frasi[scena][slot];
}

void TabellaFrasi::imposta(int scena, int slot, const QString &testo)
{
    if (scena >= 0 && scena < Righe && slot >= 0 && slot < Slot)
        m_frasi[scena][slot] = testo;
}

void LeggiFrasi(Famiglia famiglia, TabellaFrasi &tabella)
{
    const bool addizione = famiglia == Famiglia::Addizione;
    const int scene = addizione ? Addizione::Scene : Sottrazione::Scene;
    for (int scena = 1; scena <= scene; ++scena) {
        for (int slot = 0; slot < TabellaFrasi::Slot; ++slot) {
            const char16_t *testo = addizione ? Addizione::Testi[scena - 1][slot]
                                              : Sottrazione::Testi[scena - 1][slot];
            tabella.imposta(scena, slot, QString::fromUtf16(testo));
        }
    }
}

int numeroScene(Famiglia famiglia)
{
    return famiglia == Famiglia::Sottrazione ? Sottrazione::Scene : Addizione::Scene;
}

QString enunciato(const TabellaFrasi &tabella, int scena, Quantita quantita, int n)
{
    const Posti posti = slotDi(quantita);
    if (n == 0 && posti.nessuno >= 0)
        return tabella.frase(scena, posti.nessuno);
    if (n == 1)
        return tabella.frase(scena, posti.uno);
    return tabella.frase(scena, posti.guida) + QLatin1Char(' ') + QString::number(n) + QLatin1Char(' ')
        + tabella.frase(scena, posti.nome);
}

}
