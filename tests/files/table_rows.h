#pragma once
// How the program uses the rows of its four profile tables: each table, the
// profile type that takes its rows and the row index of the stiffener and
// of the ring frame; and one row computed as both members of a
// stringer-stiffened cylinder with ring frames and heavy ring frames.
// Shared by the table-loader fuzz target and the tests of its findings (no
// test framework here).

#include <cstdint>

#include "calc/checks.h"
#include "calc/design_state.h"
#include "calc/sections.h"
#include "files/table_loaders.h"

namespace tamrel::testing {

struct ProfileUse {
  const char* file;
  ProfileTable DesignState::*table;
  std::int16_t type;
  std::int16_t DesignState::*stiffRow;
  std::int16_t DesignState::*ringRow;
  int comparedColumns;  // columns the project reader compares to find the row again
};

inline constexpr ProfileUse kProfileUses[] = {
    {kBulbFlatFile, &DesignState::bfprof, kBulbFlat, &DesignState::stiffhpidx,
     &DesignState::girdhpidx, 2},
    {kLProfileFile, &DesignState::lprof, kLTable, &DesignState::stifflidx, &DesignState::girdlidx,
     3},
    {kTProfileFile, &DesignState::tprof, kTTable, &DesignState::stifftidx, &DesignState::girdtidx,
     4},
    {kFlatbarFile, &DesignState::fprof, kFlatbarTable, &DesignState::stifffidx,
     &DesignState::girdfidx, 2},
};

// Row r as the stiffener and the ring frame, inside stiffening for an even
// row and outside for an odd one: the section routines and a recalculation.
inline void CalculateWithRow(DesignState& ds, const ProfileUse& use, int r) {
  ds.cyltype = kStringerStiffened;
  ds.ring = 1;
  ds.hring = 1;
  ds.stifftype = use.type;
  ds.ringtype = use.type;
  ds.*use.stiffRow = static_cast<std::int16_t>(r);
  ds.*use.ringRow = static_cast<std::int16_t>(r);
  ds.outside = static_cast<std::int16_t>(r % 2);
  CalcStiffSection(ds, ds.stifftype);
  CalcRingSection(ds, ds.ringtype);
  Recalculate(ds);
}

}  // namespace tamrel::testing
