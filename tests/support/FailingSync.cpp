#include "FailingSync.h"

#include <atomic>
#include <cerrno>
#include <dlfcn.h>

static std::atomic<int> failWith{0};

// The program's own fdatasync comes before the C library's, for Qt's calls
// too; while no failure is asked for, it hands over to the real one.
// (The C library's declaration names its parameter __fildes.)
// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
extern "C" int fdatasync(int fd) {
  if (const int error = failWith.load()) {
    errno = error;
    return -1;
  }
  static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fdatasync"));
  return real(fd);
}

void testing_ui::FailSyncs(int error) { failWith = error; }
