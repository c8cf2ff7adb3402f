#include "core/StatoProgramma.h"

#include <algorithm>
#include <limits>

int intervalloScansioneMs(const StatoProgramma &stato)
{
    // A 16-bit count of quarter seconds always fits the timer's milliseconds.
    const int quarti = std::clamp<int>(stato.VelocitaScansione, 1, std::numeric_limits<int>::max() / 250);
    return quarti * 250;
}
