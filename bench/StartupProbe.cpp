// startup_probe: starts a program and reports how long it took until a
// top-level window of a given name was mapped, then closes that window as the
// close box would and waits for the program to end.
//
//   startup_probe [--settle MS] [--timeout MS] WINDOW_NAME -- COMMAND [ARGS...]
//
// Prints "mapped_ms <milliseconds>" on success. The clock starts just before
// the fork and stops when the X server reports the window mapped (MapNotify on
// the root window); nothing polls. --settle waits that long after the map
// before closing, so the program gets to paint its first frame, which counts
// towards its peak memory. Meant for an X server without a window manager
// (Xvfb), where top-level windows are children of the root window.
//
// Exit status: 0 mapped and ended, 1 not mapped in time, 2 usage or X error,
// 3 mapped but had to be killed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// _NET_WM_NAME (UTF-8) if set, else WM_NAME.
std::string WindowName(Display* display, Window window) {
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                         &after, &data) == Success &&
      data != nullptr) {
    std::string name(reinterpret_cast<const char*>(data), count);
    XFree(data);
    if (type == utf8)
      return name;
  }
  char* legacy = nullptr;
  std::string name;
  if (XFetchName(display, window, &legacy) != 0 && legacy != nullptr) {
    name = legacy;
    XFree(legacy);
  }
  return name;
}

// What a window manager's close box sends: WM_DELETE_WINDOW.
void RequestClose(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

// Waits up to `ms` for the child to end; true if it did.
bool WaitChild(pid_t child, double ms) {
  const double end = NowMs() + ms;
  while (NowMs() < end) {
    int status = 0;
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child || (done < 0 && errno == ECHILD))
      return true;
    usleep(5000);
  }
  return false;
}

// A window can be gone by the time its name is asked for; that is no error here.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

int Usage() {
  std::fprintf(stderr, "usage: startup_probe [--settle MS] [--timeout MS] WINDOW_NAME -- COMMAND "
                       "[ARGS...]\n");
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  double settleMs = 1000;
  double timeoutMs = 30000;
  int i = 1;
  for (; i + 1 < argc; i += 2) {
    const std::string_view option = argv[i];
    if (option == "--settle")
      settleMs = std::atof(argv[i + 1]);
    else if (option == "--timeout")
      timeoutMs = std::atof(argv[i + 1]);
    else
      break;
  }
  if (i + 2 >= argc || std::string_view(argv[i + 1]) != "--")
    return Usage();
  const std::string wanted = argv[i];
  char** command = argv + i + 2;

  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup_probe: cannot open the display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreXError);
  const int fd = ConnectionNumber(display);
  fcntl(fd, F_SETFD, FD_CLOEXEC);
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double start = NowMs();
  const pid_t child = fork();
  if (child < 0) {
    std::perror("startup_probe: fork");
    return 2;
  }
  if (child == 0) {
    // A group of its own, so a wrapper (/usr/bin/time) and the program can
    // be ended together.
    setpgid(0, 0);
    execvp(command[0], command);
    std::perror("startup_probe: exec");
    _exit(127);
  }
  setpgid(child, child);

  Window found = None;
  double mappedMs = 0;
  while (found == None) {
    while (XPending(display) > 0 && found == None) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && WindowName(display, event.xmap.window) == wanted) {
        mappedMs = NowMs() - start;
        found = event.xmap.window;
      }
    }
    if (found != None)
      break;
    const double left = start + timeoutMs - NowMs();
    if (left <= 0)
      break;
    pollfd pfd{fd, POLLIN, 0};
    poll(&pfd, 1, static_cast<int>(left) + 1);
  }

  if (found == None) {
    std::fprintf(stderr, "startup_probe: no window named \"%s\" mapped within %.0f ms\n",
                 wanted.c_str(), timeoutMs);
    kill(-child, SIGKILL);
    WaitChild(child, 5000);
    return 1;
  }
  std::printf("mapped_ms %.3f\n", mappedMs);
  std::fflush(stdout);

  usleep(static_cast<useconds_t>(settleMs * 1000));
  RequestClose(display, found);
  if (WaitChild(child, 10000))
    return 0;
  std::fprintf(stderr, "startup_probe: the program did not end after the close request\n");
  kill(-child, SIGTERM);
  if (!WaitChild(child, 2000))
    kill(-child, SIGKILL);
  WaitChild(child, 2000);
  return 3;
}
