#pragma once
// What a fuzz target does when an invariant breaks: it names the invariant
// and stops with abort(), so that libFuzzer keeps the input as a crash and
// the replay program fails.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace tamrel::fuzz {

[[noreturn]] inline void Broken(const std::string& what) {
  std::fprintf(stderr, "\n*** invariant broken: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

// Problems found by a check (empty: none), reported all at once.
inline void RequireNone(const std::vector<std::string>& problems, const std::string& when) {
  if (problems.empty()) return;
  std::string text = when + ":";
  for (const auto& p : problems) text += "\n    " + p;
  Broken(text);
}

}  // namespace tamrel::fuzz

// The message is built only when the condition fails.
#define TAMREL_FUZZ_REQUIRE(condition, message)                                           \
  do {                                                                                    \
    if (!(condition)) ::tamrel::fuzz::Broken(std::string(#condition) + ": " + (message)); \
  } while (false)
