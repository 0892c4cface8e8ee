// Panel ring buckling, DNV-RP-C202 ch. 3.5.2: the cross-sectional area
// requirement of a ring frame (eq. 3.5.1) and its moment-of-inertia
// requirement IR = Ix + Ixh + Ih (eq. 3.5.4 to 3.5.7), with the optional
// special calculation of Ih (ch. 3.5.2.7).

#include <cmath>
#include <limits>

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc/fmt_util.h"
#include "calc/sections.h"

namespace tamrel {

using namespace detail;

namespace {

constexpr const char* kGeneralCalc = " (General calc, ref ch 3.5.2.6)";
constexpr const char* kSpecialCalc = " (Special Calc, ref ch 3.5.2.7)";
// Upper bound of the passes of the special calculation: Ih falls by 1 % a
// pass, and even the largest double reaches 100000 within about 70000 passes.
constexpr int kMaxSpecialPasses = 100000;

void WriteInertiaRows(DesignState& ds, const char* note) {
  ResultTable& tab = ds.ringTable;
  SetRow(tab, 8, "Ih =", Fmt(ds, ds.Ih, "0.000E+0"), std::string("  mm4") + note);
  SetRow(tab, 9, "IR =", Fmt(ds, ds.IR, "0.000E+0"), "  mm4");
  SetRow(tab, 10, "I =", Fmt(ds, ds.Ieff, "0.000E+0"), "  mm4");
  SetRow(tab, 11,
         "UF = IR/I = " + Fmt(ds, ds.IR, "0.000E+0") + "/" + Fmt(ds, ds.Ieff, "0.000E+0") + " = ",
         Fmt(ds, ds.UFinertia, "0.00"), " ");
}

}  // namespace

namespace detail {

// Raise fT so that fT / 2 - |shR| stays positive (the pressure term divides by it).
void RaiseTorsionalStrength(DesignState& ds) {
  const double shR = std::fabs(static_cast<double>(ds.shR));
  if (Sng(2 * shR) > ds.fTors) ds.fTors = Sng(2.001 * shR);
}

// Ring-frame moment of inertia requirement from lateral pressure (eq. 3.5.7)
// over the length len (the ring spacing, or the cylinder length for a heavy
// ring frame).
double PressureInertia(const DesignState& ds, double len) {
  if (!(ds.pd < 0)) return 0;
  const double r = ds.cylr;
  const double E = ds.emod;
  const double r0 = ds.r0;
  const double threeE = ToSingle(3 * E);
  const double pr = ToSingle(std::fabs(static_cast<double>(ds.pd)) * r);
  const double margin =
      ToSingle(static_cast<double>(ds.fTors) / 2 - std::fabs(static_cast<double>(ds.shR)));
  return pr * r0 * r0 * len / threeE * (1.5 + threeE * ds.ztip * ds.delta0 / (r0 * r0) / margin);
}

// Requirements from axial compression (eq. 3.5.5) and shear (eq. 3.5.6); the
// length lAxial divides the axial part, lShear multiplies the shear part.
double AxialInertia(const DesignState& ds, double a, double len) {
  const double sigx = ds.Sigx;
  if (!(sigx < 0)) return 0;
  const double r0 = ds.r0;
  return std::fabs(sigx) * ds.cylt * ToSingle(1 + a) * std::pow(r0, 4) /
         (ToSingle(500 * static_cast<double>(ds.emod)) * len);
}

double ShearInertia(const DesignState& ds, double len) {
  const double tau = ds.Tau;
  if (tau == 0) return 0;
  const double r0 = ds.r0;
  const double L = ds.cyll;
  return std::pow(std::fabs(tau) / static_cast<double>(ds.emod), 1.6) * std::pow(r0 / L, 0.2) * L *
         r0 * static_cast<double>(ds.cylt) * len;
}

// Stiffener area ratio a = As / (s t) of the stringers that the ring frames
// also carry. Only the stringer-stiffened cylinder has stringers: for the
// other types no stiffener section is computed in the recalculation, and the
// area left by an earlier stiffener computation (another cylinder type, a
// project opened before) must not change their results.
float StiffenerAreaRatio(const DesignState& ds) {
  if (ds.cyltype != kStringerStiffened) return 0.0f;
  // A stiffener profile that cannot exist has no area to add (NaN).
  return Sng(StiffSection(ds).A / ds.stiffspacing / ds.cylt);
}

}  // namespace detail

void CalcPanelRingBuckling(DesignState& ds) {
  const double Z = ds.Z;
  const double l = ds.ringspacing;
  const double t = ds.cylt;
  const double r = ds.cylr;
  const double L = ds.cyll;
  const double E = ds.emod;

  // Area requirement, eq. 3.5.1.
  ds.Areq = (2 / (Z * Z) + 0.06) * l * t;

  // Effective width of shell acting with the ring frame.
  ds.leg = 1.56 * std::sqrt(r * t) / (1 + 12 * t / r);
  if (ds.leg > l) ds.leg = ds.ringspacing;

  // Ring-frame section, with its effective shell, and its torsional strength.
  CalcRingSection(ds, ds.ringtype);
  CalcRingEffective(ds);
  CalcRingTorsion(ds);
  const double A = RingSection(ds).A;
  const double I = ds.Ieff;

  // Area ratio of the ring frame.
  const float alpha = ds.cyltype == kRingStiffened ? Sng(A / ds.le / t) : Sng(A / l / t);

  // Hoop stress at the ring flange.
  const double rf = ds.outside != 0 ? r + t / 2 + ds.hg : r - t / 2 - ds.hg;
  const double pr = ToSingle(static_cast<double>(ds.pd) * r);
  ds.shR = Sng((pr / t - 0.3 * ds.Sigx) / ToSingle(1 + static_cast<double>(alpha)) * r / rf +
               static_cast<double>(ds.Sigy));

  // Usage factor of the area requirement.
  ds.UFarea = ds.Areq / A;

  // Inertia requirements from axial compression and shear.
  const float a = StiffenerAreaRatio(ds);
  ds.Ix = AxialInertia(ds, a, l);
  ds.Ixh = ShearInertia(ds, l);

  // Out-of-roundness and the raise of fT.
  ds.delta0 = 0.005 * r;
  RaiseTorsionalStrength(ds);

  // Requirement from lateral pressure; total; usage factor.
  ds.Ih = PressureInertia(ds, l);
  ds.IR = ds.Ix + ds.Ixh + ds.Ih;
  ds.UFinertia = Sng(ds.IR / I);

  // Undefined inputs never pass: the area requirement needs r, t and l; the
  // inertia requirement also L and E. A ring frame whose flange would lie at
  // or beyond the cylinder axis has neither usage factor. (A ring frame or a
  // stiffener without a section leaves what is worked out from it NaN.)
  const bool ringExists = rf > 0;
  const bool areaDefined =
      PositiveFinite(r) && PositiveFinite(t) && PositiveFinite(l) && ringExists;
  const bool defined = areaDefined && PositiveFinite(L) && PositiveFinite(E);
  if (!areaDefined) ds.UFarea = kNaN;
  if (!defined) ds.UFinertia = std::numeric_limits<float>::quiet_NaN();

  // Fill the result rows.
  ResultTable& tab = ds.ringTable;
  tab.txt[0] = "Panel Ring Buckling: (Ch 3.5.2)";
  SetRow(tab, 1, "Area requirement:", "", "");
  SetRow(tab, 2,
         "UF = Areq/A = " + Fmt(ds, ds.Areq, "0.000E+0") + "/" + Fmt(ds, A, "0.000E+0") + " = ",
         Fmt(ds, ds.UFarea, "0.00"), "  ");
  SetRow(tab, 3, "Moment of inertia requirement:", "", "");
  SetRow(tab, 4, "le =", Fmt(ds, ds.leg, "0.0"), "  mm");
  SetRow(tab, 5, "fT = ", Fmt(ds, ds.fTors, "0.0"), "  MPa");
  SetRow(tab, 6, "Ix =", Fmt(ds, ds.Ix, "0.000E+0"), "  mm4  ");
  SetRow(tab, 7, "Ixh =", Fmt(ds, ds.Ixh, "0.000E+0"), "  mm4  ");
  WriteInertiaRows(ds, kGeneralCalc);
  tab.txt[12] = " ";
  tab.last = 12;

  // Special calculation of Ih: lower Ih in steps of 1 % while the
  // pressure ratio stays below 1 and Ih above 100000 mm4. An Ih that is not
  // a finite number is not lowered, and the passes are bounded.
  if (ds.pd < 0 && ds.ih == 1) {
    ds.pratio = 0.0f;
    const RingStrengthTerms terms = RingFrameStrengthTerms(ds);  // fixed during the passes
    for (int pass = 0; pass < kMaxSpecialPasses && ds.pratio < 1 && ds.Ih > 100000 &&
                       std::isfinite(ds.Ih.value());
         ++pass) {
      const double before = ds.Ih;
      ds.Ih = 0.99 * before;
      CalcRingFrameStrength(ds, terms);
      if (std::isinf(ds.pratio)) {
        // No pressure resistance for this Ih: keep the Ih before this pass.
        ds.Ih = before;
        break;
      }
    }
    ds.IR = ds.Ix + ds.Ixh + ds.Ih;
    ds.UFinertia = defined ? Sng(ds.IR / I) : std::numeric_limits<float>::quiet_NaN();
    WriteInertiaRows(ds, kSpecialCalc);
  }
}

}  // namespace tamrel
