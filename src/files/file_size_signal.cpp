#include "files/file_size_signal.h"

#include <csignal>

namespace tamrel {

void MakeFileSizeLimitAWriteError() {
#if defined(SIGXFSZ)
  struct sigaction now {};
  if (::sigaction(SIGXFSZ, nullptr, &now) != 0) return;
  if ((now.sa_flags & SA_SIGINFO) != 0 || now.sa_handler != SIG_DFL) return;
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGXFSZ, &ignore, nullptr);
#endif
}

}  // namespace tamrel
