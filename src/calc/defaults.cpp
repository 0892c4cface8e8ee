#include "calc/defaults.h"

#include <cstdint>

#include "calc/state_vars.h"

namespace tamrel {

namespace {
constexpr std::int32_t Rgb(int r, int g, int b) {
  return r | (g << 8) | (b << 16);
}
}  // namespace

void SetDefaults(DesignState& ds) {
  // The inputs of a new project, as the catalogue gives them.
  for (const StateVar& v : StateVars()) {
    if (v.text != nullptr && v.initText != nullptr) ds.*v.text = v.initText;
    if (!v.init.empty()) v.ref.Set(ds, v.init);
  }
  // Program values.
  ds.titlecolor = Rgb(0, 85, 152);
  ds.filename = kNewFile;
}

}  // namespace tamrel
