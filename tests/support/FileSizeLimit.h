// A full disk without root: while one lives, writes past a size fail for the
// whole process (EFBIG where a disk would give ENOSPC), the write crossing it
// cut short. Linux only.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace testing_ui {

class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
  }

private:
  rlimit m_old{};
  void (*m_oldHandler)(int) = nullptr;
};

} // namespace testing_ui
