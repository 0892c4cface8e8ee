// Speed of one display-pattern formatting, for the patterns the result
// tables use most: values as the checks produce them (doubles with all their
// digits, singles as stored), spread over the magnitudes of stresses, lengths,
// usage factors and moments of inertia.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <random>
#include <vector>

#include "calc/format.h"

namespace {

using namespace tamrel;

constexpr std::size_t kValues = 1024;  // a power of two: the index wraps with a mask

// Magnitudes from 1e-3 (usage factors, small stresses) to 1e9 (moments of
// inertia), half of them negative (compressive stresses).
std::vector<double> Values() {
  std::mt19937_64 rng(15);
  std::uniform_real_distribution<double> exponent(-3.0, 9.0);
  std::vector<double> v;
  v.reserve(kValues);
  for (std::size_t i = 0; i < kValues; ++i) {
    const double x = std::pow(10.0, exponent(rng));
    v.push_back(i % 2 == 0 ? x : -x);
  }
  return v;
}

void BM_FormatDouble(benchmark::State& state, const char* pattern) {
  const std::vector<double> values = Values();
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text = FormatNumber(values[i++ & (kValues - 1)], pattern, '.', Precision::Double);
    benchmark::DoNotOptimize(text);
  }
}

void BM_FormatSingle(benchmark::State& state, const char* pattern) {
  std::vector<float> values;
  for (double v : Values()) values.push_back(static_cast<float>(v));
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text = FormatNumber(values[i++ & (kValues - 1)], pattern, '.');
    benchmark::DoNotOptimize(text);
  }
}

BENCHMARK_CAPTURE(BM_FormatDouble, fixed_0_0, "0.0");
BENCHMARK_CAPTURE(BM_FormatDouble, scientific_0_000E_0, "0.000E+0");
BENCHMARK_CAPTURE(BM_FormatDouble, fixed_0_00, "0.00");
BENCHMARK_CAPTURE(BM_FormatDouble, fixed_hash00, "#00");
BENCHMARK_CAPTURE(BM_FormatSingle, fixed_0_0, "0.0");
BENCHMARK_CAPTURE(BM_FormatSingle, scientific_0_000E_0, "0.000E+0");
BENCHMARK_CAPTURE(BM_FormatSingle, fixed_hash_hash0_0, "##0.0");

}  // namespace
