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

// Profile plus effective shell plating (les for the stiffener, leg for the ring frame).
void CalcStiffEffective(DesignState& ds);
void CalcRingEffective(DesignState& ds);

// Torsional buckling strength fTors.
void CalcStiffTorsion(DesignState& ds);
void CalcRingTorsion(DesignState& ds);

}  // namespace tamrel
