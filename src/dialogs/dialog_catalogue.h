#pragma once
// The twenty section dialogs written as data: for each member (stiffener,
// ring frame) and profile type code 0..9 its name, caption, placement factor,
// design size, sketch and frame captions; for the eight rolled-section
// dialogs their profile table, remembered row and list entry; for the twelve
// built-up dialogs their dimension boxes with the set variable each box
// writes, its display pattern, lower limit, message and set-back, and the
// boxes that OK and closing read back.
//
// Two classes (RolledSectionDialog, BuiltUpDialog) run these descriptions.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design_state.h"
#include "calc/state_vars.h"
#include "platform/profile_sketches.h"

namespace tamrel {

// Profile drawn by a dialog, which decides its rows and labels.
enum class Shape : std::uint8_t { AngleOrTee, Flatbar, BulbFlat, RHS, Trapezoid, IBeam };

// The current profile of a member and its section (what the section routine
// last computed), its local-buckling texts and its profile type code.
struct MemberVars {
  Member member;
  std::array<std::string, 6> DesignState::*classes;
  std::int16_t DesignState::*type;

  VarRef Of(Quantity q) const { return CurrentOf(member, q); }
};
const MemberVars& VarsOf(Member m);

// A row of the profile frame: caption label, value control, and how the
// value is shown (pattern, unit) when the control is a label.
struct RowEntry {
  const char* caption;  // "H ="
  const char* control;  // "sth", "isth"
  Quantity quantity;
  const char* pattern;
  const char* unit;
};

// A local-buckling label: its control and the element of stiffclass or
// girdclass it shows; under the heading "Web:" or "Flange:".
struct ClassLabel {
  const char* control;
  int element;
  bool flange;
};

// What every dialog has.
struct DialogEntry {
  const char* name;  // "stiffl", "girdib"
  Member member;
  std::int16_t code;    // ProfileType
  const char* caption;  // window title
  float f;              // horizontal placement factor
  int widthTwips;       // client area at design time
  int heightTwips;
  Shape shape;
  const char* frameName;     // "Frame3", "Frame5" (bulb flats)
  const char* frameCaption;  // "Stiffener", "Profile", "Girder"
  ProfileSketch sketch;
};

struct RolledEntry {
  DialogEntry d;
  ProfileTable DesignState::*table;
  std::int16_t DesignState::*row;
  const char* prefix;   // "L", "T", "Fb", "BF "
  int entryColumns;     // columns 1.. listed in an entry
  bool sectionOnPick;   // computes the stiffener section before recalculating
  bool recalcAfterOk;   // OK recalculates after closing
  bool okFirstInTab;    // the OK button comes first in the tab order
  bool widthFromFrame;  // the dialog's width follows its frame fr21
  std::vector<RowEntry> rows;
};

// A dimension box and what leaving it does (from the catalogue's set).
struct BoxEntry {
  Quantity quantity;
  const char* control;  // "isth", "istb", "ista", "isttw", "isttf"
  const char* caption;  // "H ="
  VarRef set;           // variable of the dialog's built-up set
  const char* pattern;  // text written back when the box is left
  double limit;         // a value below it (strictly) brings the message
  const char* message;
  Variant setBack;  // empty: a value below the limit stays stored
};

struct BuiltUpEntry {
  DialogEntry d;
  std::vector<BoxEntry> boxes;         // rows top to bottom, also the Enter order
  std::vector<Quantity> confirmBoxes;  // read back by OK before closing
  std::vector<Quantity> closeBoxes;    // read back by closing
  bool recalcAfterOk;
  bool showsOwnSet;  // boxes show the set rather than the current profile
};

// The check that OK and closing make when reading a box back.
struct ReadBackCheck {
  const char* pattern;
  double limit;
  const char* message;
};
const ReadBackCheck& ReadBackCheckOf(Quantity q);

// Pattern in which a built-up dialog's display routine writes a box.
const char* BoxDisplayPattern(Quantity q);

// The property rows under the input rows of a built-up dialog.
std::vector<RowEntry> PropertyRows(Shape shape);

std::vector<ClassLabel> ClassLabels(Shape shape, Member member);

const std::vector<RolledEntry>& RolledDialogs();
const std::vector<BuiltUpEntry>& BuiltUpDialogs();

// The dialog of a member and code; nullptr for a code outside 0..9.
const RolledEntry* FindRolled(Member member, int code);
const BuiltUpEntry* FindBuiltUp(Member member, int code);
const DialogEntry* FindDialog(Member member, int code);

// Opening a project closes the dialogs in this order (by name).
const std::array<const char*, 20>& UnloadOrder();

}  // namespace tamrel
