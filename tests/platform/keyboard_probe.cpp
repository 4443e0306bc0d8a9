// Opens the display as a window and answers keyboard queries read from standard
// input, one per line, with one line each on standard output, so that a test can
// type into the real window-system queue (xdotool) and check what the program would
// see:
//   window            the X window id
//   sync              waits until the X server has delivered every event so far
//   pressed CODE      SdlKeyboard::pressed(CODE)
//   held CODE         SdlKeyboard::held(CODE)
//   focus 0|1         pumps until the window has lost (0) or gained (1) the focus;
//                     answers "ok" or "timeout"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/display.h"
#include "platform/sdl_keyboard.h"

namespace {

Display* x11Display(SDL_Window* window, unsigned long* id) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
  *id = info.info.x11.window;
  return info.info.x11.display;
}

}  // namespace

int main() {
  if (const auto reason = startVideo()) {
    std::fprintf(stderr, "keyboard_probe: %s\n", reason->c_str());
    return 1;
  }
  DisplayRequest request;
  request.width = 320;
  request.height = 240;
  request.title = "keyboard probe";
  const DisplayOpening opened = openDisplay(request);
  if (opened.failure != DisplayFailure::kNone) {
    std::fprintf(stderr, "keyboard_probe: %s\n", opened.reason.c_str());
    return 1;
  }
  SDL_Window* window = SDL_GL_GetCurrentWindow();
  unsigned long windowId = 0;
  Display* display = x11Display(window, &windowId);
  if (!display) {
    std::fprintf(stderr, "keyboard_probe: not on X11\n");
    return 1;
  }

  SdlKeyboard keyboard;
  char line[128];
  while (std::fgets(line, sizeof line, stdin)) {
    char command[32] = {};
    int argument = 0;
    std::sscanf(line, "%31s %d", command, &argument);
    std::string answer;
    if (std::strcmp(command, "window") == 0) {
      answer = std::to_string(windowId);
    } else if (std::strcmp(command, "sync") == 0) {
      XSync(display, False);
      keyboard.pump();
      answer = "ok";
    } else if (std::strcmp(command, "pressed") == 0) {
      answer = std::to_string(keyboard.pressed(argument));
    } else if (std::strcmp(command, "held") == 0) {
      answer = keyboard.held(argument) ? "1" : "0";
    } else if (std::strcmp(command, "focus") == 0) {
      answer = "timeout";
      for (int tries = 0; tries < 500; ++tries) {
        keyboard.pump();
        if ((SDL_GetKeyboardFocus() == window) == (argument == 1)) {
          answer = "ok";
          break;
        }
        SDL_Delay(10);
        XSync(display, False);
      }
    } else {
      answer = "unknown";
    }
    std::printf("%s\n", answer.c_str());
    std::fflush(stdout);
  }
  return 0;
}
