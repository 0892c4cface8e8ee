#pragma once
// The routines that draw a result table of the design state on a text
// surface: a result picture after each recalculation (clear flag 0) or the
// printed page (clear flag not 0, drawing over what is there). y is the
// vertical position of the title; it is advanced row by row and left at the
// position of the last row drawn.

#include "calc/design_state.h"
#include "calc/text_surface.h"

namespace tamrel {

void PrintShellResults(const DesignState& ds, TextSurface& surface, double& y, double x,
                       int clearFlag);
void PrintStiffenerResults(const DesignState& ds, TextSurface& surface, double& y, double x,
                           int clearFlag);
void PrintUnstiffenedNote(const DesignState& ds, TextSurface& surface, double& y, double x,
                          int clearFlag);
void PrintColumnResults(const DesignState& ds, TextSurface& surface, double& y, double x,
                        int clearFlag);
// Also shows the main window's check box check_ih under external pressure
// (pd < 0) and hides it otherwise, through ds.mainfrm when there is one.
void PrintRingResults(const DesignState& ds, TextSurface& surface, double& y, double x,
                      int clearFlag);

// The colour rule of every usage-factor row, on screen and on the printed
// page alike: a usage factor is a pass (drawn green) only when it is a finite
// number not below zero, the permitted value it is compared with is a finite
// number above zero, and the usage factor does not exceed it. Anything else
// is red: above the permitted value, negative, NaN or infinite, or compared
// with a permitted value that is zero, negative, NaN or infinite.
bool UsageFactorPasses(double usageFactor, double permitted);

}  // namespace tamrel
