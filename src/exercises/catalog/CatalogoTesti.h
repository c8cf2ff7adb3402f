#pragma once

#include "exercises/catalog/Catalogo.h"

// The catalogs' texts exactly as the stories tell them, typos and all: they are
// shown and spoken letter for letter.
namespace Catalogo::Addizione {
constexpr int Scene = 30;
extern const char16_t *const Testi[Scene][TabellaFrasi::Slot];
}

namespace Catalogo::Sottrazione {
constexpr int Scene = 23;
extern const char16_t *const Testi[Scene][TabellaFrasi::Slot];
}
