#pragma once
// Tests that run part of their body in a child process of its own: where
// file permissions hold (a child that has given up root), or under a
// file-size limit that nothing else of the test run may meet.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tamrel::testing {

inline bool RunningAsRoot() {
  return ::geteuid() == 0;
}

// What a body run in a child reports.
enum Outcome : int {
  kAsExpected = 0,
  kUnexpected = 1,
  kCannotTest = 2,     // the scratch folder is out of reach of an ordinary user
  kEndedBySignal = 3,  // the child did not end by itself (SIGXFSZ, SIGSEGV, ...)
};

// Runs body in a child process of its own and returns what it returned:
// kUnexpected when body throws, kEndedBySignal when a signal ends the
// child, kCannotTest when no child can be started.
inline int RunInChild(const std::function<int()>& body) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return kCannotTest;
  if (pid == 0) {
    int code = kUnexpected;
    try {
      code = body();
    } catch (...) {
    }
    std::_Exit(code);
  }
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid) return kUnexpected;
  if (WIFSIGNALED(status)) return kEndedBySignal;
  return WIFEXITED(status) ? WEXITSTATUS(status) : int{kUnexpected};
}

// Gives up root for the user and group "nobody" (65534); false when that
// cannot be done.
inline bool BecomeNobody() {
  return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
         ::geteuid() != 0;
}

// Runs body where file permissions hold: in the test process, or, when the
// tests run as root (who may write anything), in a child process that has
// become nobody. Returns kCannotTest when that cannot be arranged.
inline int RunWithoutRoot(const std::function<int()>& body) {
  if (!RunningAsRoot()) return body();
  return RunInChild([&] { return BecomeNobody() ? body() : int{kCannotTest}; });
}

// Runs body in a child process under a file-size limit of `bytes`, with
// SIGXFSZ at its default action, as a program finds it when it starts:
// unless the code under test sees to it, a write past the limit ends the
// child (kEndedBySignal). asNobody: the child gives up root first (only
// when the tests run as root).
inline int RunUnderFileSizeLimit(rlim_t bytes, bool asNobody, const std::function<int()>& body) {
  return RunInChild([&] {
    if (std::signal(SIGXFSZ, SIG_DFL) == SIG_ERR) return int{kCannotTest};
    if (asNobody && RunningAsRoot() && !BecomeNobody()) return int{kCannotTest};
    const rlimit limit{bytes, bytes};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return int{kCannotTest};
    return body();
  });
}

}  // namespace tamrel::testing
