// Shell buckling of the unstiffened cylinder between ring frames,
// DNV-RP-C202 ch. 3.4.2: elastic buckling strengths per stress component
// (eq. 3.4.2), equivalent design stress, reduced shell slenderness (eq.
// 3.2.4), characteristic and design buckling strength, usage factor.

#include <cmath>

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc/fmt_util.h"

namespace tamrel {

using namespace detail;

namespace detail {

void ShellUsageFactor(DesignState& ds, bool betaUnderLRFD, bool defined) {
  const double lam = ds.lamdas;
  if (ds.lrfd == kLRFD) {
    ds.gM = MaterialFactorLRFD(lam);
    if (betaUnderLRFD) ds.beta = 1.0f;
    ds.UFperm = ds.UF;
  } else {
    ds.gM = 1.15;
    ds.beta = WsdBeta(lam);
    ds.UFperm = ds.UF * static_cast<double>(ds.beta) * ds.gM;
  }
  const float fksd = Sng(ds.fks / ds.gM);
  ds.UFshell = ds.sigj / static_cast<double>(fksd);
  if (!defined) ds.UFshell = kNaN;  // the shell is not defined: never a pass
  // The shell table shows this permitted value; it is coloured against it
  // even when a later check (the column check) rewrites UFperm.
  ds.UFpermShell = ds.UFperm;
}

void FillShellTableTail(DesignState& ds) {
  ResultTable& tab = ds.shellTable;
  SetRow(tab, 4, "SighSd = ", Fmt(ds, ds.shp, "0.0"), "  MPa (only lateral pressure)");
  SetRow(tab, 5, "SigjSd = ", Fmt(ds, ds.sigj, "0.0"), "  MPa ");
  SetRow(tab, 6, "lamdas = ", Fmt(ds, ds.lamdas, "0.00"), " ");
  SetRow(tab, 7, "fks = ", Fmt(ds, ds.fks, "0.0"), "  MPa");
  SetRow(tab, 8, "gm = ", Fmt(ds, ds.gM, "0.00"), " ");
  // The rows show fks / gM as formed; the usage factor uses it rounded to single.
  const double fksdShown = static_cast<double>(ds.fks) / ds.gM;
  SetRow(tab, 9, "fksd = ", Fmt(ds, fksdShown, "0.0"), "  MPa");
  SetRow(tab, 10,
         "UF = SigjSd/fksd = " + Fmt(ds, ds.sigj, "0.0") + "/" + Fmt(ds, fksdShown, "0.0") + " = ",
         Fmt(ds, ds.UFshell, "0.00"), " <= " + Fmt(ds, ds.UFperm, "0.00"));
  tab.last = 10;
}

}  // namespace detail

void CalcShellBuckling(DesignState& ds) {
  const double t = ds.cylt;
  const double r = ds.cylr;
  const double l = ds.ringspacing;
  const double E = ds.emod;
  const double Z = ds.Z;
  const double fy = ds.fyp;
  const double sa = ds.sa;
  const double sm = ds.sm;
  const double sh = ds.sh;
  const double tau = ds.Tau;

  // Elastic buckling strength of each stress component.
  const double rhoA = 0.5 * std::pow(1 + r / (150 * t), -0.5);
  const double rhoM = 0.5 * std::pow(1 + r / (300 * t), -0.5);
  ds.fEa = ElasticShellStrength(BucklingCoefficient(1, 0.702 * Z, rhoA), E, t, l);
  const double fEm = ElasticShellStrength(BucklingCoefficient(1, 0.702 * Z, rhoM), E, t, l);
  double fEtau =
      ElasticShellStrength(BucklingCoefficient(5.34, 0.856 * std::pow(Z, 0.75), 0.6), E, t, l);
  ds.fEh = Sng(ElasticShellStrength(BucklingCoefficient(4, 1.04 * std::sqrt(Z), 0.6), E, t, l));

  // Long cylinders: the shear and hoop strengths of the long-cylinder
  // formulas once l / r exceeds 3.85 and 2.25 sqrt(r / t).
  if (l / r > 3.85 * std::sqrt(r / t)) fEtau = 0.25 * E * std::pow(t / r, 1.5);
  if (l / r > 2.25 * std::sqrt(r / t)) ds.fEh = Sng(0.25 * E * std::pow(t / r, 2));
  const double fEa = ds.fEa;
  const double fEh = ds.fEh;

  // Only compressive parts count towards the slenderness; the sign of the
  // axial part is taken from the axial stress input.
  ds.sa0 = (ds.Sigx < 0) ? -sa : 0.0;
  const double sa0 = ds.sa0;
  const double sm0 = sm < 0 ? -sm : 0.0;
  const double sh0 = sh < 0 ? -sh : 0.0;
  const double tau0 = std::fabs(tau);

  // Equivalent design stress, the bending stress added to the axial one.
  ds.sigj = EquivalentStress(sa + sm, sh, tau0);
  const double sigj = ds.sigj;

  // Reduced slenderness and characteristic buckling strength.
  ds.lamdas = Slenderness(fy, sigj, sa0 / fEa + sm0 / fEm + sh0 / fEh + tau0 / fEtau);
  const double lam = ds.lamdas;
  ds.fks = Sng(fy / std::sqrt(1 + std::pow(lam, 4)));
  ds.eta = sigj / static_cast<double>(ds.fks);

  // Material factor, permitted usage factor, design strength, usage factor.
  // (The ring frames of a ring-stiffened cylinder carry part of the pressure:
  // a ring frame without a section leaves the hoop stress, and all that
  // follows from it, NaN.)
  const bool defined = PositiveFinite(t) && PositiveFinite(r) && PositiveFinite(l) &&
                       PositiveFinite(E) && PositiveFinite(fy);
  ShellUsageFactor(ds, /*betaUnderLRFD=*/false, defined);

  // Fill the result rows.
  ResultTable& tab = ds.shellTable;
  tab.txt[0] = "Shell Buckling: (Ch 3.4.2)";
  SetRow(tab, 1, "fEa = ", Fmt(ds, ds.fEa, "0.0"), "  MPa");
  SetRow(tab, 2, "fEh = ", Fmt(ds, ds.fEh, "0.0"), "  MPa");
  if (ds.cyltype == kColumnBuckling) {
    SetRow(tab, 3, "fEm = ", Fmt(ds, fEm, "0.0"), "  MPa");
  } else {
    SetRow(tab, 3, "fEtau = ", Fmt(ds, fEtau, "0.0"), "  MPa");
  }
  FillShellTableTail(ds);
}

}  // namespace tamrel
