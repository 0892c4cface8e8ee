// Cost of the special calculation of Ih under external pressure: the
// stringer-stiffened cylinder of the new project recalculated with it off
// and on at pressures from -0.01 to -3 MPa, with the number of 1 % steps of
// Ih it took (counter "passes"); and one step alone (the pressure ratio of
// the ring frame for a given Ih).

#include <benchmark/benchmark.h>

#include <cmath>

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc/defaults.h"
#include "files/table_loaders.h"

namespace {

using namespace tamrel;

DesignState Project(double pd, bool specialIh) {
  DesignState ds;
  ds.apppath = TAMREL_DATA_DIR;
  SetDefaults(ds);
  LoadAllTables(ds);
  ds.hring = 1;
  ds.pd = static_cast<float>(pd);
  ds.ih = specialIh ? 1 : 0;
  return ds;
}

void BM_SpecialIhRecalculate(benchmark::State& state) {
  const double pd = static_cast<double>(state.range(0)) / 1000.0;
  DesignState ds = Project(pd, state.range(1) != 0);
  Recalculate(ds);
  const double ih = ds.Ih;
  for (auto _ : state) {
    Recalculate(ds);
    benchmark::DoNotOptimize(ds.UFinertia);
  }
  if (ds.ih == 0) return;
  // Each pass lowers Ih by 1 %: the passes from the Ih before and after.
  DesignState plain = Project(pd, false);
  Recalculate(plain);
  state.counters["passes"] =
      std::round(std::log(ih / static_cast<double>(plain.Ih)) / std::log(0.99));
}

void BM_SpecialIhPass(benchmark::State& state) {
  DesignState ds = Project(-0.3, false);
  Recalculate(ds);
  const detail::RingStrengthTerms terms = detail::RingFrameStrengthTerms(ds);
  const double ih = ds.Ih;
  for (auto _ : state) {
    ds.Ih = 0.99 * ih;
    detail::CalcRingFrameStrength(ds, terms);
    benchmark::DoNotOptimize(ds.pratio);
  }
}

void Pressures(benchmark::internal::Benchmark* b) {
  b->ArgNames({"pd_kPa", "specialIh"});
  for (int pd : {-10, -30, -100, -300, -3000}) {
    b->Args({pd, 0});
    b->Args({pd, 1});
  }
}

BENCHMARK(BM_SpecialIhRecalculate)->Apply(Pressures);
BENCHMARK(BM_SpecialIhPass);

}  // namespace
