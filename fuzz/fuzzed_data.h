#pragma once
// libFuzzer's FuzzedDataProvider, which comes with clang. The fuzz build
// (clang) finds it on its own include path; the regular builds (GCC) are
// given its path by CMake, since clang's include folder as a whole would
// stand in for GCC's own headers.

#ifdef TAMREL_FUZZED_DATA_PROVIDER
#include TAMREL_FUZZED_DATA_PROVIDER
#else
#include <fuzzer/FuzzedDataProvider.h>
#endif
