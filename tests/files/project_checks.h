#pragma once
// Checks of what a project read leaves, shared by the project-file
// robustness sweep and the project-reader fuzz target (no test framework
// here): the program as started, the calculation the Open command makes,
// a written text read back, and comparisons bit for bit.

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/design_state.h"
#include "calc/sections.h"
#include "calc/yield.h"
#include "files/project_file.h"
#include "files/project_inputs.h"
#include "files/table_loaders.h"

namespace tamrel::testing {

// The program after start-up: the new-project defaults and the tables of
// the program directory.
inline DesignState StartedProgram(const std::string& programDir) {
  DesignState ds;
  ds.apppath = programDir;
  SetDefaults(ds);
  LoadAllTables(ds);
  return ds;
}

// A project just read, computed as the Open command does it, with the
// ring-frame section too whatever the options: codes and row indices of
// any value.
inline void CalculateAsOpenDoes(DesignState& ds) {
  GetShellYield(ds, ds.matp);
  CalcStiffSection(ds, ds.stifftype);
  GetStiffenerYield(ds, ds.mats);
  CalcRingSection(ds, ds.ringtype);
  Recalculate(ds);
}

// The text the program wrote, read back over the started program as
// ReadProjectFile reads a file's content (without the caption). Throws
// ProjectFileError when it cannot be read.
inline DesignState ReadBackText(const DesignState& started, std::string_view text) {
  DesignState ds = started;
  ParseProjectFileText(ds, text, "back.tmr");
  RepairStiffenerRow(ds);
  RefillBuiltUpSets(ds);
  return ds;
}

inline bool SameBits(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}
inline bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}
inline bool SameBits(const Variant& a, const Variant& b) {
  return a.kind() == b.kind() && SameBits(a.value(), b.value());
}

// The first of everything a read may change that differs bit for bit
// between a and b (the file's variables, the built-up sets, stiffnote,
// fileverin, filename); empty when none does.
inline std::string ProjectBitsDiffer(const DesignState& a, const DesignState& b) {
  const FileInputs in;
  for (const auto& [name, m] : in.texts) {
    if (a.*m != b.*m) return name;
  }
  for (const auto& [name, m] : in.integers) {
    if (a.*m != b.*m) return name;
  }
  for (const auto& [name, m] : in.singles) {
    if (!SameBits(a.*m, b.*m)) return name;
  }
  for (const auto& [name, m] : in.numbers) {
    if (!SameBits(a.*m, b.*m)) return name;
  }
  for (const auto* sets : {&StiffenerSets(), &RingSets()}) {
    for (const auto& set : *sets) {
      for (auto m : set.variants) {
        if (!SameBits(a.*m, b.*m)) return set.name;
      }
      if (!SameBits(a.*set.last, b.*set.last)) return set.name;
    }
  }
  if (a.filename != b.filename) return "filename";
  return {};
}

// The first line where two file texts differ, with both versions of it;
// empty when the texts are the same.
inline std::string FirstDifferentLine(const std::string& a, const std::string& b) {
  if (a == b) return {};
  const auto x = SplitCrLf(a);
  const auto y = SplitCrLf(b);
  std::size_t n = 0;
  while (n < x.size() && n < y.size() && x[n] == y[n]) ++n;
  return "line " + std::to_string(n + 1) + ": \"" + (n < x.size() ? x[n] : "(none)") +
         "\" then \"" + (n < y.size() ? y[n] : "(none)") + "\"";
}

}  // namespace tamrel::testing
