// Buckling of a longitudinal stiffener with its effective shell plating,
// DNV-RP-C202 ch. 3.6.3: the shell sequence with the torsional buckling
// strength fT in place of the yield strength, stiffened-shell coefficients
// and a fixed material factor.

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc/fmt_util.h"
#include "calc/sections.h"

namespace tamrel {

using namespace detail;

void CalcStiffenerBuckling(DesignState& ds) {
  // Section and torsional strength (eta from the shell or panel check).
  CalcStiffSection(ds, ds.stifftype);
  CalcStiffTorsion(ds);
  const double fT = ds.fTors;

  const double t = ds.cylt;
  const double r = ds.cylr;
  const double l = ds.ringspacing;
  const double s = ds.stiffspacing;
  const double E = ds.emod;
  const double sigx = ds.Sigx;

  // Effective width of shell plating se (eq. 3.6.x), with fks and sigj
  // of the shell or panel check; never wider than the stiffener spacing.
  if (sigx >= 0) {
    ds.les = Sng(s);
  } else {
    const double se = s * static_cast<double>(ds.fks) * std::fabs(sigx) / ds.sigj / fT;
    ds.les = (PositiveFinite(fT) && std::isfinite(se)) ? Sng(std::min(se, s)) : Sng(s);
  }
  const double les = ds.les;

  // Stiffener with effective plating.
  CalcStiffEffective(ds);

  // Axial stress of stiffener with effective plating.
  const double As = StiffSection(ds).A;
  ds.sa = (sigx * t * s + sigx * As) / (As + les * t);
  const double sa = ds.sa;

  // Effective moment of inertia and stiffness ratio gamma.
  ds.Isef = Sng(ds.Ieff);
  const double gamma = OneMinusNu2() * 12 * static_cast<double>(ds.Isef) / s / (t * t * t);

  // Curvature parameter over the ring spacing.
  ds.Z = l * l / r / t * std::sqrt(OneMinusNu2());
  const double Z = ds.Z;

  // Elastic buckling strengths of the stiffened shell, evaluated from
  // left to right as C * pi^2 * E / 12 / (1 - nu^2) * (t / l)^2, pi^2 formed
  // first.
  const double pi2 = kPi * kPi;
  auto fE = [&](double psi, double xi, double rho) {
    return BucklingCoefficient(psi, xi, rho) * pi2 * E / 12 / OneMinusNu2() * std::pow(t / l, 2);
  };
  const double fEa = fE((1 + gamma) / (1 + As / (les * t)), 0.702 * Z, 0.5);
  const double fEtau = fE(5.34 + 1.82 * std::pow(l / s, 4.0 / 3.0) * std::pow(gamma, 1.0 / 3.0),
                          0.856 * std::pow(Z, 0.75), 0.6);
  const double fEh = fE(2 * (1 + std::sqrt(1 + gamma)), 1.04 * std::sqrt(Z), 0.6);

  // Compressive parts and equivalent design stress.
  const double sh = ds.sh;
  const double sa0 = sigx < 0 ? -sa : 0.0;
  const double sh0 = sh < 0 ? -sh : 0.0;
  const double tau0 = std::fabs(static_cast<double>(ds.Tau));
  ds.sigj = EquivalentStress(sa, sh, tau0);
  const double sigj = ds.sigj;

  // Stiffener slenderness and characteristic strength.
  const double lam =
      sigj == 0 ? 0.0 : std::sqrt(fT / sigj * (sa0 / fEa + sh0 / fEh + tau0 / fEtau));
  ds.fks = Sng(fT / std::sqrt(1 + std::pow(lam, 4)));

  // Fixed material factor; permitted and actual usage factor.
  ds.gM = 1.15;
  ds.beta = 1.0f;
  ds.UFpermst = (ds.lrfd == kLRFD) ? ds.UF : Variant(ds.UF * static_cast<double>(ds.beta) * ds.gM);
  const float fksd = Sng(ds.fks / ds.gM);
  ds.UFst = sigj / static_cast<double>(fksd);
  // The stiffened shell is not defined, or the stiffener has no torsional
  // strength (a zero or negative yield strength, or no section): never a
  // pass, even unloaded.
  if (!(PositiveFinite(t) && PositiveFinite(r) && PositiveFinite(l) && PositiveFinite(s) &&
        PositiveFinite(E) && PositiveFinite(fT))) {
    ds.UFst = kNaN;
  }

  // Fill the result rows.
  ResultTable& tab = ds.stiffTable;
  tab.txt[0] = "Stiffener Buckling: (Ch 3.6.3)";
  // Under compression se is worked out from fT: a stiffener without a
  // section has none to show (the calculation goes on with se = s). se is
  // a single and is shown at a single's precision.
  const float seShown =
      (sigx < 0 && ds.stiffdegenerate) ? std::numeric_limits<float>::quiet_NaN() : ds.les;
  SetRow(tab, 1, "se =", Fmt(ds, seShown, "0.0"), "  mm");
  SetRow(tab, 2, "Isef =", Fmt(ds, ds.Isef, "0.000E+0"), "  mm4");
  SetRow(tab, 3, "fEa =", Fmt(ds, fEa, "0.0"), "  MPa");
  SetRow(tab, 4, "fEtau = ", Fmt(ds, fEtau, "0.0"), "  MPa");
  SetRow(tab, 5, "fEh = ", Fmt(ds, fEh, "0.0"), "  MPa");
  SetRow(tab, 6, "fT = ", Fmt(ds, static_cast<float>(fT), "0.0"), "  MPa");
  SetRow(tab, 7, "SighSd = ", Fmt(ds, ds.shp, "0.0"), "  MPa (only lateral pressure)");
  SetRow(tab, 8, "SigjSd = ", Fmt(ds, ds.sigj, "0.0"), "  MPa ");
  SetRow(tab, 9, "lamdas = ", Fmt(ds, lam, "0.00"), " ");
  SetRow(tab, 10, "fks = ", Fmt(ds, ds.fks, "0.0"), "  MPa");
  SetRow(tab, 11, "gm = ", Fmt(ds, ds.gM, "0.00"), " ");
  const double fksdShown = static_cast<double>(ds.fks) / ds.gM;
  SetRow(tab, 12, "fksd = ", Fmt(ds, fksdShown, "0.0"), "  MPa");
  SetRow(tab, 13,
         "UF = SigjSd/fksd = " + Fmt(ds, ds.sigj, "0.0") + "/" + Fmt(ds, fksdShown, "0.0") + " = ",
         Fmt(ds, ds.UFst, "0.00"), " <= " + Fmt(ds, ds.UFpermst, "0.00"));
  tab.last = 13;
}

}  // namespace tamrel
