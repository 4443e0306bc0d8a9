// Small X11 chores for the end-to-end tests, which the stock tools do not do:
//   x11_tool close WINDOW  asks WINDOW to close, as a window manager's close button
//                          does (WM_DELETE_WINDOW), without destroying it
//   x11_tool window        maps a plain window of another client, prints its id,
//                          and keeps it until standard input closes
//   x11_tool watch         prints "create WINDOW WIDTHxHEIGHT" for every top-level
//                          window created from now on, until standard input closes

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fail(const char* message) {
  std::fprintf(stderr, "x11_tool: %s\n", message);
  std::exit(2);
}

bool stdinClosed(int timeoutMs) {
  pollfd in{STDIN_FILENO, POLLIN, 0};
  if (poll(&in, 1, timeoutMs) <= 0) return false;
  char buffer[64];
  return read(STDIN_FILENO, buffer, sizeof buffer) <= 0;
}

int closeWindow(Display* display, const char* id) {
  const Window window = std::strtoul(id, nullptr, 0);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  if (!XSendEvent(display, window, False, NoEventMask, &event)) fail("XSendEvent failed");
  XSync(display, False);
  return 0;
}

int otherWindow(Display* display) {
  const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 200, 200, 0,
                                            0, 0);
  XStoreName(display, window, "other client");
  XSelectInput(display, window, ExposureMask);
  XMapWindow(display, window);
  XSync(display, False);
  std::printf("0x%lx\n", window);
  std::fflush(stdout);
  while (!stdinClosed(100)) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
    }
  }
  return 0;
}

int watchCreations(Display* display) {
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  std::printf("watching\n");
  std::fflush(stdout);
  const int connection = ConnectionNumber(display);
  for (;;) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == CreateNotify) {
        std::printf("create 0x%lx %dx%d\n", event.xcreatewindow.window, event.xcreatewindow.width,
                    event.xcreatewindow.height);
        std::fflush(stdout);
      }
    }
    pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {connection, POLLIN, 0}};
    if (poll(fds, 2, 1000) < 0) return 1;
    if (fds[0].revents) {
      char buffer[64];
      if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0) return 0;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) fail("usage: x11_tool close WINDOW | window | watch");
  Display* display = XOpenDisplay(nullptr);
  if (!display) fail("cannot open the display");
  if (std::strcmp(argv[1], "close") == 0 && argc == 3) return closeWindow(display, argv[2]);
  if (std::strcmp(argv[1], "window") == 0) return otherWindow(display);
  if (std::strcmp(argv[1], "watch") == 0) return watchCreations(display);
  fail("unknown command");
}
