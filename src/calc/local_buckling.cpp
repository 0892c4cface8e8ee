// Local-buckling limits of stiffener and ring-frame profiles, DNV-RP-C202
// section 3.10: web height, ring-frame web slenderness, flange outstand and
// flange eccentricity. Each limit is written as one line of text with its
// equation number and its verdict; failing a limit is a result, not an error.

#include <cmath>
#include <string>

#include "calc/fmt_util.h"
#include "calc/sections_internal.h"
#include "calc/window.h"

namespace tamrel::detail {

namespace {

// "<prefix><limit> (Eq x) ==> OK" when value <= limit, else "... ==> NOK".
// The verdict compares with the computed limit, never with its rounded text;
// a degenerate profile or an undefined limit never passes. The line is
// reused from the memo while its limit, verdict and decimal sign stay.
const std::string& LimitLine(TextMemo& memo, const DesignState& ds, const char* prefix,
                             double value, double limit, const char* eq, bool degenerate) {
  const bool ok = !degenerate && std::isfinite(value) && std::isfinite(limit) && value <= limit;
  const std::array<std::uint64_t, 6> key = {reinterpret_cast<std::uintptr_t>(prefix),
                                            reinterpret_cast<std::uintptr_t>(eq),
                                            Bits(limit),
                                            ok ? 1U : 0U,
                                            static_cast<unsigned char>(DecimalSign(ds)),
                                            0};
  return Memoized(memo, key, [&] {
    return std::string(prefix) + Fmt(ds, limit, "0") + " (" + eq + ") ==> " + (ok ? "OK" : "NOK");
  });
}

// Element i of the member's local-buckling texts (stiffclass or girdclass).
void WriteLimit(DesignState& ds, MemberVars& m, std::size_t i, const char* prefix, double value,
                double limit, const char* eq, bool degenerate) {
  m.limitLines[i] = LimitLine(m.texts.limits[i], ds, prefix, value, limit, eq, degenerate);
}

// The equations of the limits both members have, and the element of the
// flange-outstand line: the ring frame's lines 2 and 4 are its own (web
// slenderness and flange eccentricity).
struct CommonLimits {
  const char* flangedWeb;  // h <= 1.35 tw sqrt(E / fy)
  const char* flatBarWeb;  // h <= 0.4 tw sqrt(E / fy)
  const char* flange;      // bf <= 0.4 tf sqrt(E / fy)
  std::size_t flangeLine;
};
constexpr CommonLimits kStiffenerLimits{"Eq 3.10.7", "Eq 3.10.6", "Eq 3.10.9", 2};
constexpr CommonLimits kRingLimits{"Eq 3.10.2", "Eq 3.10.1", "Eq 3.10.3", 3};

}  // namespace

void LocalBuckling(DesignState& ds, MemberKind kind, const ProfileGeometry& g, bool degenerate) {
  MemberVars m = VarsOf(ds, kind);
  const bool ring = kind == MemberKind::Ring;
  const CommonLimits& eq = ring ? kRingLimits : kStiffenerLimits;
  const double E = ds.emod;
  const double fy = m.fy;
  const double r = ds.cylr;
  const double t = ds.cylt;
  const double root = std::sqrt(SafeDiv(E, fy));
  const bool bad = degenerate || !Positive(fy) || !Positive(E);
  // Radius from the cylinder axis to the flange of a ring frame standing
  // inside the shell.
  const double rfc = r - t / 2 - g.H;

  if (HasWebLimitOfFlanged(g.type)) {
    WriteLimit(ds, m, 1, "h <= ", g.hw, 1.35 * g.tw * root, eq.flangedWeb, bad);
  } else if (IsFlatBar(g.type)) {
    WriteLimit(ds, m, 1, "h <= ", g.hw, 0.4 * g.tw * root, eq.flatBarWeb, bad);
  }

  if (ring && HasWebLimitOfFlanged(g.type)) {
    if (rfc > 0) {
      // Eq. 3.10.4: h / tw <= (2/3) sqrt(E tw rfc / (fy B tf))
      const double limit = (2.0 / 3.0) * std::sqrt(SafeDiv(E * g.tw * rfc, fy * g.B * g.tf));
      WriteLimit(ds, m, 2, "h/tw <= ", SafeDiv(g.hw, g.tw), limit, "Eq 3.10.4", bad);
    } else {
      // The flange would lie at or beyond the cylinder axis: such a ring
      // frame cannot exist, so its slenderness line fails.
      WriteLimit(ds, m, 2, "h/tw <= ", 1.0, 0.0, "Eq 3.10.4", true);
      if (ds.mainfrm != nullptr) {
        ds.mainfrm->ShowExclamation(" r > height of ringframe  ");
        ds.mainfrm->FocusRadius();
      }
    }
  }

  if (HasFlangeLimit(g.type)) {
    WriteLimit(ds, m, eq.flangeLine, "bf <= ", g.bf, 0.4 * g.tf * root, eq.flange, bad);
    if (ring) {
      // Eq. 3.10.5: ef / tw <= (1/3) tw rfc / (B tf)
      const double limit = SafeDiv((1.0 / 3.0) * g.tw * rfc, g.B * g.tf);
      WriteLimit(ds, m, 4, "ef/tw <= ", SafeDiv(g.ef, g.tw), limit, "Eq 3.10.5", bad);
    }
  }
}

}  // namespace tamrel::detail
