#pragma once

#include "exercises/catalog/Catalogo.h"

// The catalogs' texts as the stories tell them. They are shown and spoken
// letter for letter to children learning to read: every one must be correct
// Italian in each form the statements take (tools/frasi prints them all).
namespace Catalogo::Addizione {
constexpr int Scene = 30;
extern const char16_t *const Testi[Scene][TabellaFrasi::Slot];
}

namespace Catalogo::Sottrazione {
constexpr int Scene = 23;
extern const char16_t *const Testi[Scene][TabellaFrasi::Slot];
}
