// Starts a program and reports how long it took until a top-level window with a given title was
// mapped on the X display: the moment it is on screen. With no window manager (Xvfb) top-level
// windows are children of the root window, so their MapNotify events arrive on the root window.
//
//   first_window [--timeout SECONDS] [--keep] TITLE PROGRAM [ARGS...]
//
// Prints "<milliseconds> <pid> <cpu milliseconds>", the last being the CPU time the program's
// threads had used by then. Without --keep the program is then ended (SIGTERM) and reaped.
// Exits 1 when the window did not appear in time or the program ended first.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
double nowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

std::string property(Display* d, Window w, Atom name) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string text;
  if (XGetWindowProperty(d, w, name, 0, 1024, False, AnyPropertyType, &type, &format, &count,
                         &after, &data) == Success &&
      data) {
    if (format == 8) text.assign(reinterpret_cast<const char*>(data), count);
    XFree(data);
  }
  return text;
}

// A window's title: _NET_WM_NAME (UTF-8), else WM_NAME.
std::string title(Display* d, Window w) {
  std::string t = property(d, w, XInternAtom(d, "_NET_WM_NAME", False));
  return t.empty() ? property(d, w, XA_WM_NAME) : t;
}

// CPU time the program's threads have used so far, in milliseconds (from the scheduler's
// nanosecond counts): its own work, whatever else the machine is doing.
double cpuMs(pid_t pid) {
  double total = 0;
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  if (DIR* dir = opendir(tasks.c_str())) {
    while (const dirent* e = readdir(dir)) {
      if (e->d_name[0] == '.') continue;
      if (FILE* f = std::fopen((tasks + "/" + e->d_name + "/schedstat").c_str(), "r")) {
        unsigned long long ns = 0;
        if (std::fscanf(f, "%llu", &ns) == 1) total += double(ns) / 1e6;
        std::fclose(f);
      }
    }
    closedir(dir);
  }
  return total;
}

int ignoreErrors(Display*, XErrorEvent*) {
  return 0;  // a window may be gone by the time its title is read
}
}  // namespace

int main(int argc, char** argv) {
  double timeout = 30;
  bool keep = false;
  int i = 1;
  for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
    if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc)
      timeout = std::atof(argv[++i]);
    else if (std::strcmp(argv[i], "--keep") == 0)
      keep = true;
  }
  if (argc - i < 2) {
    std::fprintf(stderr, "usage: first_window [--timeout S] [--keep] TITLE PROGRAM [ARGS...]\n");
    return 2;
  }
  const std::string wanted = argv[i];
  char** command = argv + i + 1;

  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "first_window: cannot open the display\n");
    return 2;
  }
  XSetErrorHandler(ignoreErrors);
  XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  XSync(d, False);

  const double start = nowMs();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(command[0], command);
    _exit(127);
  }

  double seen = -1, cpu = -1;
  const int fd = ConnectionNumber(d);
  while (seen < 0) {
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == MapNotify && title(d, e.xmap.window) == wanted) {
        seen = nowMs();
        cpu = cpuMs(pid);
        break;
      }
    }
    if (seen >= 0) break;
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      std::fprintf(stderr, "first_window: %s ended before its window appeared\n", command[0]);
      return 1;
    }
    if (nowMs() - start > timeout * 1e3) {
      std::fprintf(stderr, "first_window: no window titled \"%s\" in time\n", wanted.c_str());
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      return 1;
    }
    pollfd p{fd, POLLIN, 0};
    poll(&p, 1, 20);
  }
  std::printf("%.3f %d %.3f\n", seen - start, int(pid), cpu);
  std::fflush(stdout);
  if (!keep) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
  XCloseDisplay(d);
  return 0;
}
