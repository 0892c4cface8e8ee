#pragma once
// Yield strength by steel grade and thickness from the material table. The
// last grade of the table (index matlast) stands for a yield strength typed
// by the user: for it, for any index past it and for a negative index, the
// lookups change nothing.

#include <cstdint>

#include "calc/design_state.h"

namespace tamrel {

// fyp from grade g at the shell thickness cylt.
void GetShellYield(DesignState& ds, std::int16_t g);
// fys from grade g at the lookup thickness tmat.
void GetStiffenerYield(DesignState& ds, std::int16_t g);
// fyg from grade g at the lookup thickness tmat.
void GetRingYield(DesignState& ds, std::int16_t g);

// The yield strength of grade g at thickness t (MPa); g must be a looked-up
// grade (0 <= g < matlast).
float YieldForThickness(const MaterialTable& table, int g, double t);

}  // namespace tamrel
