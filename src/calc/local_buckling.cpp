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

enum class Member { Stiffener, Ring };

// Element i of the member's local-buckling texts (stiffclass or girdclass).
void WriteLimit(DesignState& ds, Member member, std::size_t i, const char* prefix, double value,
                double limit, const char* eq, bool degenerate) {
  const bool ring = member == Member::Ring;
  TextMemo& memo = (ring ? ds.girdTexts : ds.stiffTexts).limits[i];
  (ring ? ds.girdclass : ds.stiffclass)[i] =
      LimitLine(memo, ds, prefix, value, limit, eq, degenerate);
}

}  // namespace

void StiffLocalBuckling(DesignState& ds, const ProfileGeometry& g, bool degenerate) {
  const double E = ds.emod;
  const double fy = ds.fys;
  const double root = std::sqrt(SafeDiv(E, fy));
  const bool bad = degenerate || !Positive(fy) || !Positive(E);
  if (HasWebLimitOfFlanged(g.type)) {
    // Eq. 3.10.7: h <= 1.35 tw sqrt(E / fy)
    WriteLimit(ds, Member::Stiffener, 1, "h <= ", g.hw, 1.35 * g.tw * root, "Eq 3.10.7", bad);
  } else if (IsFlatBar(g.type)) {
    // Eq. 3.10.6: h <= 0.4 tw sqrt(E / fy)
    WriteLimit(ds, Member::Stiffener, 1, "h <= ", g.hw, 0.4 * g.tw * root, "Eq 3.10.6", bad);
  }
  if (HasFlangeLimit(g.type)) {
    // Eq. 3.10.9: bf <= 0.4 tf sqrt(E / fy)
    WriteLimit(ds, Member::Stiffener, 2, "bf <= ", g.bf, 0.4 * g.tf * root, "Eq 3.10.9", bad);
  }
}

void RingLocalBuckling(DesignState& ds, const ProfileGeometry& g, bool degenerate) {
  const double E = ds.emod;
  const double fy = ds.fyg;
  const double r = ds.cylr;
  const double t = ds.cylt;
  const double root = std::sqrt(SafeDiv(E, fy));
  const bool bad = degenerate || !Positive(fy) || !Positive(E);
  // Radius from the cylinder axis to the flange of a ring frame standing
  // inside the shell.
  const double rfc = r - t / 2 - g.H;

  if (HasWebLimitOfFlanged(g.type)) {
    // Eq. 3.10.2: h <= 1.35 tw sqrt(E / fy)
    WriteLimit(ds, Member::Ring, 1, "h <= ", g.hw, 1.35 * g.tw * root, "Eq 3.10.2", bad);
  } else if (IsFlatBar(g.type)) {
    // Eq. 3.10.1: h <= 0.4 tw sqrt(E / fy)
    WriteLimit(ds, Member::Ring, 1, "h <= ", g.hw, 0.4 * g.tw * root, "Eq 3.10.1", bad);
  }

  if (HasWebLimitOfFlanged(g.type)) {
    if (rfc > 0) {
      // Eq. 3.10.4: h / tw <= (2/3) sqrt(E tw rfc / (fy B tf))
      const double limit = (2.0 / 3.0) * std::sqrt(SafeDiv(E * g.tw * rfc, fy * g.B * g.tf));
      WriteLimit(ds, Member::Ring, 2, "h/tw <= ", SafeDiv(g.hw, g.tw), limit, "Eq 3.10.4", bad);
    } else {
      // The flange would lie at or beyond the cylinder axis: such a ring
      // frame cannot exist, so its slenderness line fails.
      WriteLimit(ds, Member::Ring, 2, "h/tw <= ", 1.0, 0.0, "Eq 3.10.4", true);
      if (ds.mainfrm != nullptr) {
        ds.mainfrm->ShowExclamation(" r > height of ringframe  ");
        ds.mainfrm->FocusRadius();
      }
    }
  }

  if (HasFlangeLimit(g.type)) {
    // Eq. 3.10.3: bf <= 0.4 tf sqrt(E / fy)
    WriteLimit(ds, Member::Ring, 3, "bf <= ", g.bf, 0.4 * g.tf * root, "Eq 3.10.3", bad);
    // Eq. 3.10.5: ef / tw <= (1/3) tw rfc / (B tf)
    const double limit = SafeDiv((1.0 / 3.0) * g.tw * rfc, g.B * g.tf);
    WriteLimit(ds, Member::Ring, 4, "ef/tw <= ", SafeDiv(g.ef, g.tw), limit, "Eq 3.10.5", bad);
  }
}

}  // namespace tamrel::detail
