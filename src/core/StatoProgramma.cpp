#include "core/StatoProgramma.h"

#include <algorithm>

int intervalloScansioneMs(const StatoProgramma &stato)
{
    const int quarti = std::clamp<int>(stato.VelocitaScansione, 4, 60);
    return quarti * 250;
}
