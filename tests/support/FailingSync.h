// A disk that cannot write back: after FailSyncs(EIO) (or ENOSPC) every
// fdatasync of the process fails so, as a file system that writes back late
// reports a write it could not complete; FailSyncs(0) ends it. Linux only:
// the test program stands in for the C library's fdatasync.
#pragma once

namespace testing_ui {

void FailSyncs(int error);

} // namespace testing_ui
