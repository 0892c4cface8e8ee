#pragma once
// The catalogue of the design-state variables that are inputs of a project:
// each with its name, kind, new-project value, line of the project file, and
// for a dimension of a built-up set its member, profile type, quantity and
// the dialog box that edits it. The defaults, the project file, the section
// routines, the section dialogs and the tools all read it, so a variable is
// named in its declaration, here, and in the formulas that use it.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design_state.h"
#include "calc/var_ref.h"

namespace tamrel {

// The two members that carry a profile.
enum class Member : std::uint8_t { Stiffener, RingFrame };

// A quantity of a member's profile: dimensions, then section properties.
// The trapezoid's a is kept where the bulb's c is.
enum class Quantity : std::uint8_t { H, B, tw, tf, a, c, r, g, A, Iy, Iz };

// The lines of a project file of the current format.
inline constexpr int kProjectFileLines = 59;
// Line 1 holds the format number.
inline constexpr int kVersionLine = 1;

// The box of a built-up dialog that edits a dimension of its set.
struct SetBox {
  const char* control = nullptr;  // "isth", "istb", "ista", "isttw", "isttf"
  const char* caption = nullptr;  // "H ="
  const char* pattern = nullptr;  // text written back when the box is left
  double limit = 0;               // a value below it (strictly) brings the message
  const char* message = nullptr;
  Variant setBack;  // empty: a value below the limit stays stored
};

struct StateVar {
  const char* name = nullptr;
  VarRef ref{};                              // a numeric variable, or
  std::string DesignState::*text = nullptr;  // a text
  Variant init{};                            // new-project value; empty: a New keeps it
  const char* initText = nullptr;            // new-project text
  int fileLine = 0;                          // line of the project file; 0: not in it
  // A dimension of a built-up set: the set's profile type (-1: none), its
  // member, the quantity it gives the current profile and its dialog box.
  std::int16_t setType = -1;
  Member member = Member::Stiffener;
  Quantity quantity = Quantity::H;
  SetBox box{};
};

std::span<const StateVar> StateVars();
const StateVar* FindStateVar(std::string_view name);

// The dimensions of a member's built-up set for a profile type, top to
// bottom as the dialog shows them; empty for a type without a set.
std::vector<const StateVar*> BuiltUpSetOf(Member member, int type);

// The current profile of a member (H, B, tw, tf, c or a, r) and its section
// (g, A, Iy, Iz), as the section routine last computed it.
VarRef CurrentOf(Member member, Quantity q);

}  // namespace tamrel
