// Global (column) buckling of the whole cylinder as a tubular column about
// two axes, DNV-RP-C202 ch. 3.8, with the dimensioning end moments of NORSOK
// N-004 (Table 6-2, Note 1) when the reduced value is chosen.

#include <algorithm>
#include <cmath>

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc/fmt_util.h"

namespace tamrel {

using namespace detail;

namespace {

// End stresses of one axis: the larger magnitude, the end-stress ratio and
// the mean stress.
struct AxisStress {
  double mx = 0;
  double ratio = 0;
  double mean = 0;
};

AxisStress EndStresses(double sa, double sb) {
  AxisStress a;
  a.mx = std::fabs(sa) > std::fabs(sb) ? std::fabs(sa) : std::fabs(sb);
  if (sa == 0 && sb == 0) {
    a.ratio = 0;
  } else if (std::fabs(sa) > std::fabs(sb)) {
    a.ratio = sb / sa;
  } else {
    a.ratio = sa / sb;
  }
  a.mean = (sa + sb) / 2;
  return a;
}

}  // namespace

void CalcColumnBuckling(DesignState& ds) {
  // The column carries no circumferential or shear stress of its own.
  ds.Sigy = 0.0f;
  ds.Tau = 0.0f;

  const double r = ds.cylr;
  const double t = ds.cylt;
  const double L = ds.cyll;
  const double E = ds.emod;
  const double fy = ds.fyp;

  // Tube properties: diameters, area, second moment, radius of gyration and
  // section modulus.
  const double Do = 2 * r + t;
  const double Di = 2 * r - t;
  const double A = kTwoPi * r * t;
  const double I = kPi * (std::pow(Do, 4) - std::pow(Di, 4)) / 64;
  const double i = std::sqrt(I / A);
  const double W = kPi * (r * r) * t;  // pi r^2 t, r^2 formed first

  // End bending stresses (MPa) per axis.
  const AxisStress ax1 = EndStresses(ds.M1a / W * 1000000, ds.M1b / W * 1000000);
  const AxisStress ax2 =
      EndStresses(ds.M2a / W * 1000000, static_cast<double>(ds.M2b) / W * 1000000);

  // Bending stress for the shell check: the largest of the two mean
  // stresses and their combination (|m1| + |m2|) / sqrt(2), by magnitude, so
  // that moments of either sign count alike; stored as compression.
  const double m1 = std::fabs(ax1.mean);
  const double m2 = std::fabs(ax2.mean);
  double sm = std::max(m1, m2);
  const double combined = m1 / std::sqrt(2.0) + m2 / std::sqrt(2.0);
  if (combined > sm) sm = combined;
  ds.sm = Sng(-sm);

  // Local shell strengths with this bending stress.
  CalcShellBuckling(ds);
  const double fEa = ds.fEa;
  const double fEh = ds.fEh;
  const double sa0 = ds.sa0;
  const double sh = ds.sh;

  // Moment factors and dimensioning bending stresses and moments.
  const bool reduced = ds.odmom == kReducedMoment;
  const double Cm1 = reduced ? 0.6 + 0.4 * ax1.ratio : 1.0;
  const double Cm2 = reduced ? 0.6 + 0.4 * ax2.ratio : 1.0;
  const double sm1 = Cm1 * ax1.mx;
  const double sm2 = Cm2 * ax2.mx;
  const double M1Sd = Cm1 * ax1.mx * W / 1000000;
  const double M2Sd = Cm2 * ax2.mx * W / 1000000;

  // Characteristic local strength of the shell in interaction with the
  // hoop stress; the root of a*fak^2 - b*fak + c = 0.
  const double a = 1 + fy * fy / (fEa * fEa);
  const double b = (2 * fy * fy / fEa / fEh - 1) * sh;
  const double c = sh * sh + fy * fy * sh * sh / (fEh * fEh) - fy * fy;
  const double fak = (b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
  const double gM = ds.gM;
  const double fakd = fak / gM;

  // Column slenderness, column strength and Euler strength per axis.
  struct Axis {
    double lamda, fkcd, fE;
  };
  auto axis = [&](double k) {
    Axis x{};
    x.lamda = k * L / kPi / i * std::sqrt(fak / E);
    x.fkcd = ColumnStrength(x.lamda, fak) / gM;
    x.fE = kPi * kPi * E * I / std::pow(k * L, 2) / A;
    return x;
  };
  const Axis a1 = axis(ds.k1);
  const Axis a2 = axis(ds.k2);

  // Usage factors; both share the bending term.
  const double bending = (1 / fakd) * std::sqrt(std::pow(sm1 / (1 - sa0 / a1.fE), 2) +
                                                std::pow(sm2 / (1 - sa0 / a2.fE), 2));
  double UF1 = sa0 / a1.fkcd + bending;
  double UF2 = sa0 / a2.fkcd + bending;
  // No real or no positive local strength, an axial stress at or beyond an
  // Euler strength (where the amplification 1 / (1 - sa0 / fE) is infinite or
  // negative), or a tube that is not defined: the column fails outright.
  const bool defined = PositiveFinite(r) && PositiveFinite(t) && PositiveFinite(L) &&
                       PositiveFinite(E) && PositiveFinite(fy) && PositiveFinite(ds.k1) &&
                       PositiveFinite(ds.k2);
  if (!defined || !PositiveFinite(fak) || !(sa0 < a1.fE) || !(sa0 < a2.fE)) {
    UF1 = kInf;
    UF2 = kInf;
  }
  ds.UF1 = UF1;
  ds.UF2 = UF2;

  // Permitted usage factor.
  if (ds.lrfd == kLRFD) {
    ds.UFperm = ds.UF;
  } else {
    ds.beta = 1.0f;
    ds.gM = 1.15;
    ds.UFperm = ds.UF * static_cast<double>(ds.beta) * ds.gM;
  }

  // Fill the result rows.
  ResultTable& tab = ds.stiffTable;
  tab.txt[0] = "Global Buckling: (Ch 3.8)";
  SetRow(tab, 1, "fkcd1 = ", Fmt(ds, a1.fkcd, "0.0"), " MPa (Column buckl. axis 1)");
  SetRow(tab, 2, "lamda1 = ", Fmt(ds, a1.lamda, "0.00"), "");
  SetRow(tab, 3, "fkcd2 = ", Fmt(ds, a2.fkcd, "0.0"), " MPa (Column buckl. axis 2)");
  SetRow(tab, 4, "lamda2 = ", Fmt(ds, a2.lamda, "0.00"), "");
  SetRow(tab, 5, "fakd = ", Fmt(ds, fakd, "0.0"), " MPa (local buckling)");
  SetRow(tab, 6, "fE1 = ", Fmt(ds, a1.fE, "0.0"), " MPa (Euler buckling axis 1)");
  SetRow(tab, 7, "fE2 = ", Fmt(ds, a2.fE, "0.0"), " MPa (Euler buckling axis 2)");
  SetRow(tab, 8, "gm = ", Fmt(ds, ds.gM, "0.00"), " ");
  SetRow(tab, 9, "Siga0Sd = ", Fmt(ds, ds.sa0, "0.0"), " MPa");
  SetRow(tab, 10, "M1Sd/M2Sd = ", Fmt(ds, M1Sd, "0.0") + "/" + Fmt(ds, M2Sd, "0.0"),
         reduced ? " kNm (Reduced value)" : " kNm (Max value)");
  SetRow(tab, 11, "Sigm1Sd = ", Fmt(ds, sm1, "0.0"), " MPa");
  SetRow(tab, 12, "Sigm2Sd = ", Fmt(ds, sm2, "0.0"), " MPa  ");
  SetRow(tab, 13, "UF1 = ", Fmt(ds, ds.UF1, "0.00"), " <= " + Fmt(ds, ds.UFperm, "0.00"));
  SetRow(tab, 14, "UF2 =  ", Fmt(ds, ds.UF2, "0.00"), " <= " + Fmt(ds, ds.UFperm, "0.00"));
  tab.last = 14;
}

}  // namespace tamrel
