#pragma once
// Profile sections of the stiffener and the ring frame: dimensions from a
// table row or a built-up set, lookup thickness and yield strength, local-
// buckling texts, caption and icon, section properties; the profile with its
// effective shell plating; the torsional buckling strength.

#include <cstdint>
#include <string>

#include "calc/design_state.h"
#include "calc/variant.h"

namespace tamrel {

// Caption of a profile, e.g. "T200x90x9.0x12.0", "Fb100x10.0", "BF 200x10.0",
// "RHS200x90x9.0". Returns an empty text for a code outside 0..9.
std::string ProfileCaption(std::int16_t type, const Variant& H, const Variant& B, const Variant& tw,
                           float tf, char decimalSign);

// The ten item texts of the profile-type lists; ring frames read "I-profile" for 9.
const char* StiffProfileTypeText(int type);
const char* RingProfileTypeText(int type);

void CalcStiffSection(DesignState& ds, std::int16_t type);
void CalcRingSection(DesignState& ds, std::int16_t type);

// The section properties the checks read (mm, mm^2, mm^4). A member whose
// profile cannot exist has no section: every property reads NaN, so every
// value worked out from it is undefined ("n/a") and every usage factor that
// uses it fails, while a value whose formula reads none of them stays as
// computed. The design state keeps the properties as computed, for the
// dialogs and the report's profile blocks.
struct MemberSection {
  double A;   // area
  double Aw;  // web area
  double Af;  // flange area
  double zc;  // centroid height above the plate side
  double Iy;  // second moment about the axis parallel to the shell
  double Iz;  // second moment about the web axis
};
MemberSection StiffSection(const DesignState& ds);
MemberSection RingSection(const DesignState& ds);

// Profile plus effective shell plating (les for the stiffener, leg for the ring frame).
void CalcStiffEffective(DesignState& ds);
void CalcRingEffective(DesignState& ds);

// Torsional buckling strength fTors (NaN for a member without a section).
void CalcStiffTorsion(DesignState& ds);
void CalcRingTorsion(DesignState& ds);

}  // namespace tamrel
