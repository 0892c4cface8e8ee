// Shell buckling of the curved panel between two stringers, DNV-RP-C202
// ch. 3.3.2: the unstiffened-shell sequence with the panel width s in place
// of the ring spacing and the curved-panel coefficients.

#include <cmath>

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc/fmt_util.h"

namespace tamrel {

using namespace detail;

void CalcPanelShellBuckling(DesignState& ds) {
  const double t = ds.cylt;
  const double r = ds.cylr;
  const double l = ds.ringspacing;
  const double s = ds.sp;
  const double E = ds.emod;
  const double fy = ds.fyp;
  const double sa = ds.sa;
  const double sh = ds.sh;
  const double tau = ds.Tau;

  // Panel curvature parameter.
  const double Zs = s * s / (r * t) * std::sqrt(OneMinusNu2());

  // Elastic buckling strengths (eq. 3.3.2 coefficients).
  const double rhoA = 0.5 * std::pow(1 + r / (150 * t), -0.5);
  const double sl = s / l;
  ds.fEa = ElasticShellStrength(BucklingCoefficient(4, 0.702 * Zs, rhoA), E, t, s);
  const double fEtau = ElasticShellStrength(
      BucklingCoefficient(5.34 + 4 * sl * sl, 0.856 * std::sqrt(sl) * std::pow(Zs, 0.75), 0.6), E,
      t, s);
  ds.fEh = Sng(ElasticShellStrength(
      BucklingCoefficient(std::pow(1 + sl * sl, 2), 1.04 * sl * std::sqrt(Zs), 0.6), E, t, s));
  const double fEa = ds.fEa;
  const double fEh = ds.fEh;

  // Compressive parts (local to this check).
  const double sa0 = (ds.Sigx < 0) ? -sa : 0.0;
  const double sh0 = sh < 0 ? -sh : 0.0;
  const double tau0 = std::fabs(tau);

  // Equivalent design stress (no bending term).
  ds.sigj = EquivalentStress(sa, sh, tau0);
  const double sigj = ds.sigj;

  // Slenderness, characteristic strength, factors.
  ds.lamdas = Slenderness(fy, sigj, sa0 / fEa + sh0 / fEh + tau0 / fEtau);
  const double lam = ds.lamdas;
  ds.fks = Sng(fy / std::sqrt(1 + std::pow(lam, 4)));
  ds.eta = sigj / static_cast<double>(ds.fks);
  const bool defined = PositiveFinite(t) && PositiveFinite(r) && PositiveFinite(l) &&
                       PositiveFinite(s) && PositiveFinite(E) && PositiveFinite(fy);
  ShellUsageFactor(ds, /*betaUnderLRFD=*/true, defined);

  // Fill the result rows.
  ResultTable& tab = ds.shellTable;
  tab.txt[0] = "Shell Buckling: (Ch 3.3.2)";
  SetRow(tab, 1, "fEa = ", Fmt(ds, ds.fEa, "0.0"), "  MPa");
  SetRow(tab, 2, "fEtau = ", Fmt(ds, fEtau, "0.0"), "  MPa");
  SetRow(tab, 3, "fEh = ", Fmt(ds, ds.fEh, "0.0"), "  MPa");
  FillShellTableTail(ds);
}

}  // namespace tamrel
