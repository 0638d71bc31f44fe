// A disk that cannot write back: while one lives, every fdatasync of the
// process fails with `error` (EIO, ENOSPC), as a file system that writes back
// late reports a write it could not complete. Linux only; the test program
// that uses it stands in for the C library's fdatasync.
#pragma once

namespace testing_ui {

class FailingSync {
public:
  explicit FailingSync(int error);
  FailingSync(const FailingSync&) = delete;
  FailingSync& operator=(const FailingSync&) = delete;
  ~FailingSync();
};

} // namespace testing_ui
