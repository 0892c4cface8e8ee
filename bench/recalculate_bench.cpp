// Speed of one full recalculation for each cylinder type of the new project
// (with ring-frame and heavy ring-frame control on, and with the special
// calculation of Ih where it applies): once with a window that draws nothing,
// once drawing the three tables into recording surfaces.
//
// This is the calculation core's own cost. It leaves out what the program
// adds when it runs: the main window's real result pictures (their display
// lists, fonts and Qt strings), Qt's repaint bookkeeping, the measuring of
// texts that change from one recalculation to the next (a recording surface
// counts characters, and the inputs here never change), and the event loop
// with the repaint. bench/gui measures those: the recalculation drawn in the
// shown main window, and a field commit run to the end of its repaint.

#include <benchmark/benchmark.h>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/recording_surface.h"
#include "calc/window.h"
#include "cylinder_type_args.h"
#include "files/table_loaders.h"

namespace {

using namespace tamrel;
using tamrel::bench::CylinderTypes;

class RecordingWindow : public NullWindow {
 public:
  RecordingSurface pictures[3];
  TextSurface* ResultPictureSurface(ResultPicture which) override {
    return &pictures[static_cast<int>(which)];
  }
};

DesignState Project(const benchmark::State& state) {
  DesignState ds;
  ds.apppath = TAMREL_DATA_DIR;
  SetDefaults(ds);
  LoadAllTables(ds);
  ds.cyltype = static_cast<std::int16_t>(state.range(0));
  ds.hring = 1;
  ds.ih = state.range(1) != 0 ? 1 : 0;
  return ds;
}

void BM_RecalculateNoOpWindow(benchmark::State& state) {
  DesignState ds = Project(state);
  NullWindow w;
  ds.mainfrm = &w;
  for (auto _ : state) {
    Recalculate(ds);
    benchmark::DoNotOptimize(ds.UFshell);
  }
}

void BM_RecalculateRecording(benchmark::State& state) {
  DesignState ds = Project(state);
  RecordingWindow w;
  ds.mainfrm = &w;
  for (auto _ : state) {
    // Recording surfaces keep every operation; start each run from a clear
    // so the measurement does not grow with the number of iterations.
    for (auto& p : w.pictures) p = RecordingSurface();
    Recalculate(ds);
    benchmark::DoNotOptimize(ds.UFshell);
  }
}

BENCHMARK(BM_RecalculateNoOpWindow)->Apply(CylinderTypes);
BENCHMARK(BM_RecalculateRecording)->Apply(CylinderTypes);

}  // namespace
