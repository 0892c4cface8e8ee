#pragma once
#include "calc/design_state.h"

namespace tamrel {

// Writes the new-project values into the design state. It sets inputs,
// codes, options, profile dimensions and a few program values only; yield
// strengths, ring-frame table rows, results and program values such as the
// program directory survive (a New keeps them).
void SetDefaults(DesignState& ds);

}  // namespace tamrel
