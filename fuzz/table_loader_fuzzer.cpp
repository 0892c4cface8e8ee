// Fuzz target: a data-table loader, the one TAMREL_FUZZ_TABLE names (0
// "DNVmat.dat", 1 "bfprof.dat", 2 "lprof.dat", 3 "tprof.dat", 4
// "fprof.dat"). The bytes are the table file read at start-up over the
// shipped table:
//  - a failed load leaves the table as it was;
//  - a loaded table holds whole rows of finite numbers within its capacity;
//  - each loaded row is then used: a profile row as the stiffener and the
//    ring frame of a stringer-stiffened cylinder with ring frames and heavy
//    ring frames (section routines and a recalculation), a grade as the
//    grade of plate, stiffener and ring frame of the stringer-stiffened and
//    the column types; every usage-factor row drawn keeps the colour rule;
//  - a stiffener from a profile row, saved and read back with the same
//    table, finds a row of the same dimensions again.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/table_rows.h"
#include "fuzz_program.h"

#ifndef TAMREL_FUZZ_TABLE
#error "TAMREL_FUZZ_TABLE names the table (0 to 4)"
#endif

namespace tamrel::fuzz {
namespace {

using namespace tamrel::testing;

// ---- Profile tables ----

bool SameTable(const ProfileTable& a, const ProfileTable& b) {
  if (a.last != b.last || a.capacity != b.capacity || a.columns != b.columns) return false;
  for (std::size_t r = 0; r < a.cell.size(); ++r) {
    for (std::size_t c = 0; c < a.cell[r].size(); ++c) {
      if (!SameBits(a.cell[r][c], b.cell[r][c])) return false;
    }
  }
  return true;
}

bool SameRow(const ProfileTable& t, int a, int b, int columns) {
  for (int c = 1; c <= columns; ++c) {
    if (t.cell[static_cast<std::size_t>(a)][static_cast<std::size_t>(c)] !=
        t.cell[static_cast<std::size_t>(b)][static_cast<std::size_t>(c)]) {
      return false;
    }
  }
  return true;
}

void CheckProfileTable(const ProfileUse& use, std::string_view text) {
  DesignState ds = Started();
  ProfileTable& table = ds.*use.table;
  const ProfileTable before = table;
  try {
    ParseProfileTable(text, use.file, table);
  } catch (const TableLoadError& e) {
    TAMREL_FUZZ_REQUIRE(SameTable(before, table),
                        std::string("a failed load changed the table: ") + e.what());
    return;
  }
  TAMREL_FUZZ_REQUIRE(table.capacity == before.capacity && table.columns == before.columns,
                      "the table's shape changed");
  TAMREL_FUZZ_REQUIRE(table.last >= -1 && table.last < table.capacity,
                      "last row " + std::to_string(table.last));
  for (int r = 0; r <= table.last; ++r) {
    for (int c = 1; c <= table.columns; ++c) {
      TAMREL_FUZZ_REQUIRE(
          std::isfinite(table.cell[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]),
          "row " + std::to_string(r) + " column " + std::to_string(c));
    }
  }

  PictureWindow window;
  ds.mainfrm = &window;
  for (int r = 0; r <= table.last; ++r) {
    const std::string row = std::string(use.file) + " row " + std::to_string(r);
    window.Fresh();
    CalculateWithRow(ds, use, r);
    RequireColourRule(ds, window, row);

    // Saved and read back with the same table: the stiffener's row found
    // again holds the same dimensions.
    try {
      const DesignState back = ReadBackText(ds, ProjectFileText(ds));
      const int found = back.*use.stiffRow;
      TAMREL_FUZZ_REQUIRE(table.HasRow(found) && SameRow(table, found, r, use.comparedColumns),
                          row + " read back as row " + std::to_string(found));
    } catch (const ProjectFileError& e) {
      Broken(row + ": a file the program wrote cannot be read back: " + e.what());
    }
  }
}

// ---- Material table ----

bool SameMaterials(const MaterialTable& a, const MaterialTable& b) {
  if (a.matlast != b.matlast || a.matname != b.matname) return false;
  for (std::size_t g = 0; g < a.mattab.size(); ++g) {
    for (std::size_t c = 0; c < a.mattab[g].size(); ++c) {
      if (!SameBits(a.mattab[g][c], b.mattab[g][c])) return false;
    }
  }
  return true;
}

void CheckMaterialTable(std::string_view text) {
  DesignState ds = Started();
  const MaterialTable before = ds.mat;
  try {
    ParseMaterialTable(text, kMaterialFile, ds.mat);
  } catch (const TableLoadError& e) {
    TAMREL_FUZZ_REQUIRE(SameMaterials(before, ds.mat),
                        std::string("a failed load changed the table: ") + e.what());
    return;
  }
  TAMREL_FUZZ_REQUIRE(ds.mat.matlast >= -1 && ds.mat.matlast < MaterialTable::kMaxGrades,
                      "last grade " + std::to_string(ds.mat.matlast));
  for (int g = 0; g <= ds.mat.matlast; ++g) {
    for (int c = 1; c <= 13; ++c) {
      TAMREL_FUZZ_REQUIRE(
          std::isfinite(ds.mat.mattab[static_cast<std::size_t>(g)][static_cast<std::size_t>(c)]),
          "grade " + std::to_string(g) + " column " + std::to_string(c));
    }
  }

  PictureWindow window;
  ds.mainfrm = &window;
  ds.ring = 1;
  ds.hring = 1;
  // The grades the new project names (perhaps past the new table's end),
  // then every grade loaded, the last being the typed yield strength.
  for (int g = -1; g <= ds.mat.matlast; ++g) {
    if (g >= 0) {
      ds.matp = ds.mats = ds.matg = static_cast<std::int16_t>(g);
    }
    for (std::int16_t type : {kStringerStiffened, kColumnBuckling}) {
      ds.cyltype = type;
      window.Fresh();
      GetShellYield(ds, ds.matp);
      CalcStiffSection(ds, ds.stifftype);
      GetStiffenerYield(ds, ds.mats);
      Recalculate(ds);
      RequireColourRule(ds, window,
                        "grade " + std::to_string(g) + ", cylinder type " + std::to_string(type));
    }
  }
}

constexpr int kTable = TAMREL_FUZZ_TABLE;
static_assert(kTable >= 0 && kTable <= 4);

void Check(std::string_view text) {
  if (kTable == 0) {
    CheckMaterialTable(text);
  } else {
    CheckProfileTable(kProfileUses[std::max(kTable - 1, 0)], text);
  }
}

}  // namespace
}  // namespace tamrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tamrel::fuzz::Check(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
