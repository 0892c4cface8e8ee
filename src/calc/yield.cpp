#include "calc/yield.h"

namespace tamrel {

// Columns 2, 4, ..., 12 of a grade row are the upper thickness limits of steps
// 1 to 6, each belonging to its own step; columns 1, 3, ..., 13 the minimum
// yield strengths of steps 1 to 7. Every step is tested with both of its
// bounds, in order, so a row whose limits do not increase still gives one
// defined answer; a thickness that passes no test (above the last limit, or
// not a number) takes column 13.
float YieldForThickness(const MaterialTable& table, int g, double t) {
  const auto& row = table.mattab.at(static_cast<std::size_t>(g));
  const auto col = [&row](int c) { return static_cast<double>(row[c]); };
  if (t <= col(2)) return row[1];
  for (int upper = 4; upper <= 12; upper += 2) {
    if (col(upper - 2) < t && t <= col(upper)) return row[upper - 1];
  }
  return row[13];
}

namespace {

// The last grade (matlast) is the entry for a typed strength: it, any index
// past it and a negative index leave the strength as it is.
bool IsLookedUpGrade(const DesignState& ds, std::int16_t g) {
  return g >= 0 && g < ds.mat.matlast && g < MaterialTable::kMaxGrades;
}

}  // namespace

void GetShellYield(DesignState& ds, std::int16_t g) {
  if (!IsLookedUpGrade(ds, g)) return;
  ds.fyp = YieldForThickness(ds.mat, g, ds.cylt.value());
}

void GetStiffenerYield(DesignState& ds, std::int16_t g) {
  if (!IsLookedUpGrade(ds, g)) return;
  ds.fys = YieldForThickness(ds.mat, g, static_cast<double>(ds.tmat));
}

void GetRingYield(DesignState& ds, std::int16_t g) {
  if (!IsLookedUpGrade(ds, g)) return;
  ds.fyg = YieldForThickness(ds.mat, g, static_cast<double>(ds.tmat));
}

}  // namespace tamrel
