#pragma once

#include <QColor>
#include <cstdint>

// Colours travel through the program as whole numbers in 0x00BBGGRR order.
namespace Colori {
constexpr uint32_t Neutro = 0xE0E0E0;    // rest colour of the exercise buttons
constexpr uint32_t Sbagliato = 0x0000FF; // a wrong answer: red

inline QColor daBGR(uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline uint32_t aBGR(const QColor &c)
{
    return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
}

// ColoreScansione is kept as a double; it is rounded to a colour when painted.
inline uint32_t daDouble(double valore)
{
    const long long intero = llround(valore);
    return uint32_t(intero) & 0xFFFFFF;
}

inline QColor scansione(double coloreScansione) { return daBGR(daDouble(coloreScansione)); }
}
