// The one recalculation entry: every check the cylinder type and options
// call for, in the order their results depend on each other, then the three
// result tables drawn on the main window's result pictures.

#include <cmath>

#include "calc/checks.h"
#include "calc/fmt_util.h"
#include "calc/result_tables.h"
#include "calc/window.h"
#include "calc/yield.h"

namespace tamrel {

namespace {

void DrawResults(DesignState& ds) {
  ds.ypos = 0;
  Window* w = ds.mainfrm;
  if (w == nullptr) return;
  const double x = 1;
  w->StartResultDrawing();
  TextSurface* shell = w->ResultPictureSurface(ResultPicture::Shell);
  TextSurface* stiff = w->ResultPictureSurface(ResultPicture::Stiffener);
  TextSurface* ringPic = w->ResultPictureSurface(ResultPicture::Ring);
  double y = 0;
  if (shell != nullptr) {
    y = ds.ypos + 0.3;
    PrintShellResults(ds, *shell, y, x, 0);
  }
  // The column table takes the stiffener picture's place: it clears the
  // picture and draws from the same start, so the stiffener table (or note)
  // is not drawn first only to be cleared.
  if (stiff != nullptr && ds.cyltype != kColumnBuckling) {
    y = ds.ypos + 0.3;
    if (PanelCountsAsUnstiffened(ds)) {
      PrintUnstiffenedNote(ds, *stiff, y, x, 0);
    } else {
      PrintStiffenerResults(ds, *stiff, y, x, 0);
    }
  }
  if (ringPic != nullptr) {
    y = ds.ypos + 0.3;
    PrintRingResults(ds, *ringPic, y, x, 0);
  }
  if (ds.cyltype == kColumnBuckling && stiff != nullptr) {
    y = ds.ypos + 0.3;
    PrintColumnResults(ds, *stiff, y, x, 0);
  }
}

}  // namespace

bool PanelCountsAsUnstiffened(const DesignState& ds) {
  const double t = ds.cylt;
  const double s = ds.stiffspacing;
  const double r = ds.cylr;
  return s / t > 3 * std::sqrt(r / t);
}

void Recalculate(DesignState& ds) {
  // A window effect of this recalculation (a message box, a focus move) must
  // not start another one inside it.
  if (ds.recalculating) return;
  ds.recalculating = true;
  struct Reset {
    DesignState& ds;
    ~Reset() { ds.recalculating = false; }
  } reset{ds};

  // A column has no ring frames: its shell length is the column length, so
  // the shell check works on the length the user sees, whatever ring
  // spacing an earlier cylinder type or a project file left.
  if (ds.cyltype == kColumnBuckling && !ds.ringspacing.SameAs(ds.cyll)) {
    ds.ringspacing = ds.cyll;
    if (ds.mainfrm != nullptr) ds.mainfrm->SetRingSpacingText(Fmt(ds, ds.ringspacing, "#00"));
  }

  // Keep the ring-frame tripping length within its limit.
  CheckTrippingLength(ds);

  // The column carries no circumferential or shear stress; clearing them
  // before the design stresses makes one recalculation give the final result.
  if (ds.cyltype == kColumnBuckling) {
    ds.Sigy = 0.0f;
    ds.Tau = 0.0f;
  }

  // Curvature parameter Z = l^2 / (r t) sqrt(1 - nu^2).
  const double l = ds.ringspacing;
  ds.Z = l * l / (static_cast<double>(ds.cylt) * static_cast<double>(ds.cylr)) *
         std::sqrt(1 - 0.3 * 0.3);

  // Design stresses; shell-plate yield strength.
  CalcDesignStresses(ds);
  GetShellYield(ds, ds.matp);

  // Shell check by cylinder type.
  if (ds.cyltype <= kRingStiffened) {
    ds.sm = 0.0f;
    CalcShellBuckling(ds);
  } else if (ds.cyltype == kStringerStiffened) {
    ds.sm = 0.0f;
    if (ds.ringspacing / ds.stiffspacing < 1) {
      CalcShellBuckling(ds);  // ring frames closer than the stringers
    } else {
      ds.sp = ds.stiffspacing;
      CalcPanelShellBuckling(ds);
    }
  }

  // Stiffener or column check.
  if (ds.cyltype == kStringerStiffened) {
    GetStiffenerYield(ds, ds.mats);
    CalcStiffenerBuckling(ds);
  } else if (ds.cyltype == kColumnBuckling) {
    GetStiffenerYield(ds, ds.mats);
    CalcColumnBuckling(ds);
  }

  // Ring-frame yield strength and ring-frame checks. The heavy ring
  // frame works on what the panel-ring check leaves, so it runs only with
  // ring-frame control on.
  GetRingYield(ds, ds.matg);
  if (ds.ring == 1) {
    CalcPanelRingBuckling(ds);
    if (ds.hring == 1) CalcHeavyRingFrame(ds);
  }

  // Draw the result tables on the window's result pictures.
  DrawResults(ds);
}

}  // namespace tamrel
