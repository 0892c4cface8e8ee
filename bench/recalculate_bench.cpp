// Speed of one full recalculation, drawing into recording surfaces included,
// for each cylinder type of the new project.

#include <benchmark/benchmark.h>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/recording_surface.h"
#include "calc/window.h"
#include "files/table_loaders.h"

namespace {

using namespace tamrel;

class BenchWindow : public NullWindow {
 public:
  RecordingSurface pictures[3];
  TextSurface* ResultPictureSurface(ResultPicture which) override {
    return &pictures[static_cast<int>(which)];
  }
};

void BM_Recalculate(benchmark::State& state) {
  DesignState ds;
  ds.apppath = TAMREL_DATA_DIR;
  SetDefaults(ds);
  LoadAllTables(ds);
  ds.cyltype = static_cast<std::int16_t>(state.range(0));
  ds.hring = 1;
  ds.ih = state.range(1) != 0 ? 1 : 0;
  BenchWindow w;
  ds.mainfrm = &w;
  for (auto _ : state) {
    // Recording surfaces keep every operation; start each run from a clear
    // so the measurement does not grow with the number of iterations.
    for (auto& p : w.pictures) p = RecordingSurface();
    Recalculate(ds);
    benchmark::DoNotOptimize(ds.UFshell);
  }
}
BENCHMARK(BM_Recalculate)
    ->ArgNames({"cyltype", "specialIh"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({2, 0})
    ->Args({2, 1})
    ->Args({3, 0});

}  // namespace
