#pragma once
// A write past the file-size limit (RLIMIT_FSIZE, "ulimit -f") raises
// SIGXFSZ, whose default action ends the program in the middle of the
// write: no message, the file cut at the limit. Ignored, the same write
// fails with EFBIG, and the writers handle it as they handle a full disk.

namespace tamrel {

// Makes a write past the file-size limit an ordinary write error: SIGXFSZ
// is ignored where it still has its default action. A handler that the
// program or whoever started it set stays; calling it again changes nothing.
void MakeFileSizeLimitAWriteError();

}  // namespace tamrel
