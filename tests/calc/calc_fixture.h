#pragma once
// A small design state for the core's tests: the new-project defaults with
// a few in-memory table rows and a material table of known values, so the
// expected numbers do not depend on the shipped data files.

#include <initializer_list>
#include <string>

#include "calc/defaults.h"
#include "calc/design_state.h"
#include "calc/format.h"

namespace tamrel::testing {

inline void SetRowValues(ProfileTable& t, int row, std::initializer_list<float> values) {
  int col = 1;
  for (float v : values) t.cell[static_cast<std::size_t>(row)][static_cast<std::size_t>(col++)] = v;
  if (row > t.last) t.last = static_cast<std::int16_t>(row);
}

// Grade rows: fy for all thicknesses (limits 16, 40, 63, 80, 100, 150).
inline void SetGrade(MaterialTable& m, int g, const std::string& name,
                     std::initializer_list<float> fy) {
  m.matname[static_cast<std::size_t>(g)] = name;
  const float limits[6] = {16, 40, 63, 80, 100, 150};
  int i = 0;
  for (float v : fy) {
    m.mattab[static_cast<std::size_t>(g)][static_cast<std::size_t>(1 + 2 * i)] = v;
    if (i < 6)
      m.mattab[static_cast<std::size_t>(g)][static_cast<std::size_t>(2 + 2 * i)] = limits[i];
    ++i;
  }
}

// Defaults plus: grades 0 S235, 1 S275, 2 S355 (355 at every thickness), 3
// S420, 4 "fy336" (336 MPa, so that sqrt(E/fy) = 25 exactly), 5 typed value;
// lprof rows 0..1, tprof rows 0..1, fprof rows 0..1, bfprof row 0.
inline DesignState SmallProject() {
  DesignState ds;
  SetDefaults(ds);
  SetGrade(ds.mat, 0, "S235", {235, 225, 215, 215, 215, 195, 185});
  SetGrade(ds.mat, 1, "S275", {275, 265, 255, 245, 235, 225, 215});
  SetGrade(ds.mat, 2, "S355", {355, 355, 355, 355, 355, 355, 355});
  SetGrade(ds.mat, 3, "S420", {420, 420, 420, 420, 420, 420, 420});
  SetGrade(ds.mat, 4, "fy336", {336, 336, 336, 336, 336, 336, 336});
  ds.mat.matname[5] = "User defined";
  ds.mat.matlast = 5;
  ds.lprof.last = -1;
  ds.tprof.last = -1;
  ds.fprof.last = -1;
  ds.bfprof.last = -1;
  SetRowValues(ds.lprof, 0, {100, 50, 6, 6});
  SetRowValues(ds.lprof, 1, {200, 100, 10, 10});
  SetRowValues(ds.tprof, 0, {100, 100, 5.6f, 8.5f});
  SetRowValues(ds.tprof, 1, {200, 90, 9, 12});
  SetRowValues(ds.fprof, 0, {100, 10});
  SetRowValues(ds.fprof, 1, {200, 12});
  SetRowValues(ds.bfprof, 0, {200, 10, 28, 8, 2566});
  return ds;
}

// The small project with another cylinder type.
inline DesignState Project(std::int16_t cyltype) {
  DesignState ds = SmallProject();
  ds.cyltype = cyltype;
  return ds;
}

// A value under "0.0" with a decimal point.
inline std::string Format1(double v) {
  return FormatNumber(v, "0.0", '.', Precision::Double);
}

// A value under "0.00" with a decimal point.
inline std::string Format2(double v) {
  return FormatNumber(v, "0.00", '.', Precision::Double);
}

}  // namespace tamrel::testing
