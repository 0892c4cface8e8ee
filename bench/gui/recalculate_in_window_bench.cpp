// Speed of one full recalculation as the main window runs it: the new
// project in the shown main window, the three result tables drawn on its
// own result pictures (their fonts and text measuring, their display lists
// and their repaint requests). The inputs alternate between two states that
// change every drawn value, so no value text repeats from the iteration
// before.
//
// BM_RecalculateInWindow leaves the event loop alone between iterations:
// the recalculation and its drawing with the code and data it uses in the
// processor's caches, asking for its repaint once. BM_RecalculateAfterRepaint
// runs the repaint the drawing asks for between iterations, outside the
// measured time (the field commit benchmark measures it), so each
// recalculation starts, as after a commit in the program, with caches that
// the repaint has filled with other work, and pays for its own repaint
// request.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>

#include "../cylinder_type_args.h"
#include "calc/checks.h"
#include "running_window.h"

namespace {

using namespace tamrel;
using tamrel::bench::CylinderTypes;
using tamrel::bench::RunningWindow;

// Radius, thickness and loads: every check and every result row uses some
// of them. The pressure stays at its default.
struct Inputs {
  float cylr;
  std::int16_t cylt;
  std::int16_t sigx;
  float tau;
  std::int16_t naxial;
  std::int16_t m1a;
};

constexpr Inputs kStates[2] = {{3333.0f, 20, -100, 40.0f, -1000, -200},
                               {3350.0f, 21, -110, 42.0f, -1100, -210}};

void Apply(DesignState& ds, const Inputs& in) {
  ds.cylr = in.cylr;
  ds.cylt = Variant::Int(in.cylt);
  ds.Sigx = Variant::Int(in.sigx);
  ds.Tau = in.tau;
  ds.naxial = Variant::Int(in.naxial);
  ds.M1a = Variant::Int(in.m1a);
}

// The measured work, in a function of its own so that a profiler can be
// told to count it alone (valgrind --toggle-collect=*MeasuredRecalculation*).
[[gnu::noinline]] void MeasuredRecalculation(DesignState& ds, const Inputs& in) {
  Apply(ds, in);
  Recalculate(ds);
}

// repaint: run the event loop between recalculations (outside the time), as
// the program does; without it the pictures ask for their repaint once and
// every later recalculation finds the code and data it uses still in the
// processor's caches.
void RecalculateInWindow(benchmark::State& state, bool repaint) {
  RunningWindow w;
  if (!w.ok) {
    state.SkipWithError("the window did not start");
    return;
  }
  DesignState& ds = w.ds;
  ds.cyltype = static_cast<std::int16_t>(state.range(0));
  ds.hring = 1;
  ds.ih = state.range(1) != 0 ? 1 : 0;
  w.window.ShowDesignState();  // the controls and pictures of the cylinder type
  Apply(ds, kStates[1]);
  Recalculate(ds);
  QCoreApplication::processEvents();
  long i = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    MeasuredRecalculation(ds, kStates[i % 2]);
    benchmark::DoNotOptimize(ds.UFshell);
    const auto end = std::chrono::steady_clock::now();
    if (repaint) QCoreApplication::processEvents();  // the repaint asked for
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    ++i;
  }
  state.counters["messages"] = w.messages.shown;
}

void BM_RecalculateInWindow(benchmark::State& state) {
  RecalculateInWindow(state, false);
}
void BM_RecalculateAfterRepaint(benchmark::State& state) {
  RecalculateInWindow(state, true);
}

// Timed by hand around the recalculation: pausing the benchmark's timers
// reads the process's CPU time, a system call that would cost about as much
// as a recalculation.
BENCHMARK(BM_RecalculateInWindow)->Apply(CylinderTypes)->UseManualTime();
BENCHMARK(BM_RecalculateAfterRepaint)->Apply(CylinderTypes)->UseManualTime();

}  // namespace
