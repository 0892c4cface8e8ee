#pragma once
// The DNV-RP-C202 checks. Each reads its inputs from the design state, writes
// its results back and fills its result table; Recalculate runs them in the
// order the results depend on.

#include "calc/design_state.h"

namespace tamrel {

// Ring-frame tripping length lt <= pi sqrt(r h) (DNV-RP-C202 B.5.9), h the
// ring height less its flange thickness: the limit in single precision, the
// length a longer one is corrected to (1 mm below the limit) and the message
// of the correction.
float TrippingLengthLimit(const DesignState& ds);
float TrippingLengthBelowLimit(const DesignState& ds);
inline constexpr const char* kTrippingMessage = " lt<=pi*Sqr(r*h), ref ch B.5.9 ";
// Corrects ringlt to 1 mm below the limit with the message when it is longer.
void CheckTrippingLength(DesignState& ds);
// le, shp, sh, sa (and Sigx for the column type).
void CalcDesignStresses(DesignState& ds);

void CalcShellBuckling(DesignState& ds);       // unstiffened shell, ch. 3.4.2
void CalcPanelShellBuckling(DesignState& ds);  // curved panel, ch. 3.3.2
void CalcStiffenerBuckling(DesignState& ds);   // stiffener, ch. 3.6.3
void CalcColumnBuckling(DesignState& ds);      // column, ch. 3.8
void CalcPanelRingBuckling(DesignState& ds);   // panel ring, ch. 3.5.2
void CalcHeavyRingFrame(DesignState& ds);      // heavy ring frame
void CalcRingFrameStrength(DesignState& ds);   // pressure ratio, ch. 3.5.2.7

// A stiffener panel with s/t > 3 sqrt(r/t) is calculated as an unstiffened
// shell (DNV-RP-C202 ch. 3.6.1): the stiffener results give way to a note.
bool PanelCountsAsUnstiffened(const DesignState& ds);

// The one recalculation entry: every check the cylinder type and options call
// for, then the three result tables drawn on the window's result pictures.
void Recalculate(DesignState& ds);

}  // namespace tamrel
