// Moment-of-inertia requirement of a heavy ring frame: the panel-ring
// formulas with the cylinder length L in place of the ring spacing. The
// result is one line of the ring-frame table, shown under external pressure.

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc/fmt_util.h"

namespace tamrel {

using namespace detail;

void CalcHeavyRingFrame(DesignState& ds) {
  ResultTable& tab = ds.ringTable;
  tab.txt[12] = " ";
  const double L = ds.cyll;
  const float a = StiffenerAreaRatio(ds);
  const double Ix = AxialInertia(ds, a, L);
  const double Ixh = ShearInertia(ds, L);  // the length enters twice, both times as L
  ds.delta0 = 0.005 * static_cast<double>(ds.cylr);
  RaiseTorsionalStrength(ds);
  const double Ih = PressureInertia(ds, L);
  const double Ihr = Ix + Ixh + Ih;
  tab.last = 12;
  tab.txt[12] = "Heavy ringframe Ihr>= " + Fmt(ds, Ihr, "0.000E+0") + "  mm4";
}

}  // namespace tamrel
