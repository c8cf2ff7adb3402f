#include "core/Generatore.h"

#include <chrono>

GeneratoreOrologio::GeneratoreOrologio()
    : GeneratoreOrologio(static_cast<unsigned long long>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

GeneratoreOrologio::GeneratoreOrologio(unsigned long long seme)
    : m_motore(seme)
{
}

double GeneratoreOrologio::Rnd()
{
    return m_uniforme(m_motore);
}
