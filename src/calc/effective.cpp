// A profile acting together with a strip of the shell plate it is welded to:
// area, neutral axis, distance to the profile tip and second moment of area
// of profile plus effective plating; for the ring frame also the radii to the
// neutral axis and to the flange.

#include <cmath>

#include "calc/sections.h"
#include "calc/sections_internal.h"

namespace tamrel {

namespace {

struct Effective {
  double Aeff, zna, ztip, Ieff;
};

// be: effective plating width; A, zc, Iy, H: the bare profile; t: shell thickness.
Effective Combine(double A, double zc, double Iy, double H, double be, double t) {
  Effective e{};
  e.Aeff = A + be * t;
  e.zna = detail::SafeDiv(A * (zc + t / 2), e.Aeff);
  e.ztip = H + t / 2 - e.zna;
  e.Ieff = be * t * t * t / 12 + Iy + A * std::pow(zc + t / 2 - e.zna, 2) + be * t * e.zna * e.zna;
  return e;
}

void Store(DesignState& ds, const Effective& e) {
  ds.Aeff = e.Aeff;
  ds.zna = e.zna;
  ds.ztip = e.ztip;
  ds.Ieff = e.Ieff;
}

}  // namespace

namespace detail {

void CalcEffective(DesignState& ds, MemberKind kind) {
  const bool ring = kind == MemberKind::Ring;
  const double t = ds.cylt;
  const double H = VarsOf(ds, kind).H;
  // Effective plating: les with the stiffener, leg with the ring frame.
  const double be = ring ? ds.leg.value() : static_cast<double>(ds.les);
  const MemberSection s = SectionOf(ds, kind);
  const Effective e = Combine(s.A, s.zc, s.Iy, H, be, t);
  Store(ds, e);
  if (!ring) return;
  // The ring frame's radii to its neutral axis and to its flange.
  const double r = ds.cylr;
  if (ds.outside != 0) {  // ring frames outside the shell
    ds.r0 = r + e.zna;
    ds.rf = static_cast<float>(r + t / 2 + H);
  } else {
    ds.r0 = r - e.zna;
    ds.rf = static_cast<float>(r - t / 2 - H);
  }
}

}  // namespace detail

void CalcStiffEffective(DesignState& ds) {
  detail::CalcEffective(ds, detail::MemberKind::Stiffener);
}

void CalcRingEffective(DesignState& ds) {
  detail::CalcEffective(ds, detail::MemberKind::Ring);
}

}  // namespace tamrel
