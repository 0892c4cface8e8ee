// Fuzz target: random design states. The bytes give every input of the
// design state (any value: not a number, infinities, huge, tiny, negative;
// any code, in range or not) and the decimal sign; the state is computed as
// Open computes a project, then recalculated a second time, unchanged or
// with inputs drawn afresh over what the first recalculation left. After
// each recalculation every usage-factor row drawn keeps the colour rule.

#include <bit>
#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "calc/colour_rule.h"
#include "calc/picture_window.h"
#include "calc/random_design_state.h"
#include "files/project_checks.h"
#include "fuzz_program.h"
#include "fuzzed_data.h"

namespace tamrel::fuzz {
namespace {

using namespace tamrel::testing;

constexpr double kAwkward[] = {0.0,
                               -0.0,
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN(),
                               FLT_MAX,
                               -FLT_MAX,
                               FLT_TRUE_MIN,
                               DBL_MAX,
                               std::numeric_limits<double>::denorm_min(),
                               1e30,
                               -1e30,
                               1e-30,
                               1e300};

// The inputs drawn from the fuzzer's bytes.
class ByteSource {
 public:
  explicit ByteSource(FuzzedDataProvider& in) : in_(in) {}

  double Number(double typical) {
    switch (in_.ConsumeIntegralInRange<int>(0, 9)) {
      case 0: return std::bit_cast<double>(in_.ConsumeIntegral<std::uint64_t>());
      case 1:
        return static_cast<double>(std::bit_cast<float>(in_.ConsumeIntegral<std::uint32_t>()));
      case 2: return kAwkward[in_.ConsumeIntegralInRange<std::size_t>(0, std::size(kAwkward) - 1)];
      case 3: return -typical * Factor();
      default: return typical * Factor();
    }
  }
  float Single(double typical) { return static_cast<float>(Number(typical)); }
  Variant VariantNumber(double typical) {
    switch (in_.ConsumeIntegralInRange<int>(0, 3)) {
      case 0: return Variant::Int(in_.ConsumeIntegral<std::int16_t>());
      case 1: return Variant(Single(typical));
      default: return Variant(Number(typical));
    }
  }
  std::int16_t Code(int lo, int hi) {
    if (in_.ConsumeIntegralInRange<int>(0, 7) == 0) return in_.ConsumeIntegral<std::int16_t>();
    return static_cast<std::int16_t>(in_.ConsumeIntegralInRange<int>(lo, hi));
  }

 private:
  double Factor() { return in_.ConsumeFloatingPointInRange<double>(0.0, 4.0); }

  FuzzedDataProvider& in_;
};

void Check(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  ByteSource source(in);
  PictureWindow window;
  DesignState ds = Started();
  ds.mainfrm = &window;
  ds.decflag = Variant::Int(in.ConsumeBool() ? 0 : -1);
  const bool drawAgain = in.ConsumeBool();
  Randomise(ds, source);

  CalculateAsOpenDoes(ds);
  TAMREL_FUZZ_REQUIRE(!ds.recalculating, "still recalculating");
  RequireColourRule(ds, window, "first recalculation");

  if (drawAgain) Randomise(ds, source);
  window.Fresh();
  Recalculate(ds);
  TAMREL_FUZZ_REQUIRE(!ds.recalculating, "still recalculating");
  RequireColourRule(ds, window, "second recalculation");
}

}  // namespace
}  // namespace tamrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tamrel::fuzz::Check(data, size);
  return 0;
}
