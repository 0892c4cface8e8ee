#pragma once
// The benchmark arguments of the recalculation benchmarks: each cylinder
// type, and the two stiffened types also with the special calculation of Ih.

#include <benchmark/benchmark.h>

namespace tamrel::bench {

inline void CylinderTypes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"cyltype", "specialIh"});
  b->Args({0, 0});
  b->Args({1, 0});
  b->Args({1, 1});
  b->Args({2, 0});
  b->Args({2, 1});
  b->Args({3, 0});
}

}  // namespace tamrel::bench
