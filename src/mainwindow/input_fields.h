#pragma once
// The numeric input boxes of the main window as data: the design-state
// variable each box stores, its display pattern, and its range tests with
// their messages (texts exact, blanks included) and whether the focus goes
// back to the box.

#include <array>
#include <span>
#include <string_view>

#include "calc/checks.h"  // the tripping-length limit and its message
#include "calc/design_state.h"
#include "calc/var_ref.h"

namespace tamrel {

struct RangeTest {
  bool (*fails)(const DesignState& ds);
  const char* message;
  bool focusBack;
};

struct FieldSpec {
  enum class Kind {
    Plain,           // parse, store, rewrite, range tests, recalculate
    UsageFactor,     // recalculated only within range
    Modulus,         // range test on the rewritten text read back
    TrippingLength,  // corrected to 1 mm below pi sqrt(r h)
  };
  const char* name;
  VarRef variable;
  const char* pattern;
  std::array<RangeTest, 2> tests;  // in order; unused entries have no message
  Kind kind = Kind::Plain;
};

// The 25 numeric boxes.
std::span<const FieldSpec> NumericFields();
const FieldSpec* FindField(std::string_view name);

// The two message texts every box may show besides its own.
inline constexpr const char* kInputStringMismatch = "Input string mismatch ";
inline constexpr const char* kModulusMessage = " 1000 <= E-modulus ";
inline constexpr const char* kTrippingLowMessage = " 50 <= lt ";

}  // namespace tamrel
