#pragma once
// Pieces shared by the shell, curved-panel, stiffener and column checks.

#include <cmath>
#include <limits>

#include "calc/design_state.h"
#include "calc/numeric.h"

namespace tamrel::detail {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// 1 - nu^2 with Poisson's ratio 0.3.
inline double OneMinusNu2() {
  return 1 - kPoisson * kPoisson;
}

// Buckling coefficient C = psi sqrt(1 + (rho xi / psi)^2), DNV-RP-C202 eq. 3.4.2.
inline double BucklingCoefficient(double psi, double xi, double rho) {
  return psi * std::sqrt(1 + std::pow(rho * xi / psi, 2));
}

// Elastic buckling strength fE = C pi^2 E / (12 (1 - nu^2)) (t / l)^2,
// evaluated as pi^2 * C * E / 12 / (1 - nu^2) * (t / l)^2.
inline double ElasticShellStrength(double C, double E, double t, double l) {
  return kPi * kPi * C * E / 12 / OneMinusNu2() * std::pow(t / l, 2);
}

// Equivalent (von Mises) design stress from the axial stress sa, the hoop
// stress sh and the shear stress tau (DNV-RP-C202 ch. 3.2):
// sqrt(sa^2 - sa sh + sh^2 + 3 tau^2).
inline double EquivalentStress(double sa, double sh, double tau) {
  return std::sqrt(sa * sa - sa * sh + sh * sh + 3 * tau * tau);
}

inline bool PositiveFinite(double x) {
  return std::isfinite(x) && x > 0.0;
}

// Material factor gamma_M and WSD factor beta by the reduced slenderness
// (DNV-RP-C202 eq. 3.1.1; beta for WSD after DNV-OS-C201). An undefined
// slenderness gives an undefined factor, not the one of a slender shell.
inline double MaterialFactorLRFD(double lamdas) {
  if (std::isnan(lamdas)) return lamdas;
  if (lamdas < 0.5) return 1.15;
  if (lamdas <= 1.0) return 0.85 + 0.60 * lamdas;
  return 1.45;
}
inline float WsdBeta(double lamdas) {
  if (std::isnan(lamdas)) return std::numeric_limits<float>::quiet_NaN();
  if (lamdas < 0.5) return 1.0f;
  if (lamdas <= 1.0) return Sng(1.2 - 0.4 * lamdas);
  return 0.8f;
}

// Reduced slenderness lambda = sqrt(fy / sigj * sum), single precision; an
// unloaded shell (sigj = 0) has slenderness 0.
inline float Slenderness(double fy, double sigj, double sum) {
  if (sigj == 0) return 0.0f;
  return Sng(std::sqrt(fy / sigj * sum));
}

// Characteristic column buckling strength fkc from the reduced column
// slenderness and the local strength fak (DNV-RP-C202 eq. 3.8.x).
inline double ColumnStrength(double lamda, double fak) {
  return lamda <= 1.34 ? (1 - 0.28 * lamda * lamda) * fak : 0.9 / (lamda * lamda) * fak;
}

// Material factor, permitted usage factor and usage factor (with the design
// strength fksd = fks / gM rounded to single) of the shell or curved-panel
// check from lamdas, fks and sigj; the usage factor is NaN when the shell is
// not defined.
void ShellUsageFactor(DesignState& ds, bool betaUnderLRFD, bool defined);

// Rows 4 to 10 of the shell table, common to the shell and curved-panel checks.
void FillShellTableTail(DesignState& ds);

// Ring-frame requirement pieces shared by the panel-ring and heavy-ring checks.
void RaiseTorsionalStrength(DesignState& ds);
double PressureInertia(const DesignState& ds, double len);
double AxialInertia(const DesignState& ds, double a, double len);
double ShearInertia(const DesignState& ds, double len);
float StiffenerAreaRatio(const DesignState& ds);

// The terms of the special calculation of Ih (ch. 3.5.2.7) that do not
// depend on the trial Ih: the ring frame, shell and lengths as the panel-ring
// check leaves them, fixed during its passes.
struct RingStrengthTerms {
  double l = 0, t = 0, r = 0, E = 0, le = 0, fT = 0;
  double t3 = 0;            // t^3
  double sectionArea = 0;   // A + le t
  double onePlusAlpha = 0;  // 1 + alpha, alpha = A / le / t
  double ZL = 0;            // L^2 / r / t sqrt(0.91)
  double C1 = 0;            // 2 sqrt(1 + 0.27 ZL)
  double ZL027 = 0;         // 0.27 ZL
  double tOverL2 = 0;       // (t / L)^2
  double ztipDelta0 = 0;    // ztip delta0
  double r2 = 0;            // r^2
};
RingStrengthTerms RingFrameStrengthTerms(const DesignState& ds);
// CalcRingFrameStrength with the Ih-independent terms given.
void CalcRingFrameStrength(DesignState& ds, const RingStrengthTerms& terms);

}  // namespace tamrel::detail
