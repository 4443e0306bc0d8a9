#include "platform/display.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

namespace {

struct DisplayState {
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
  bool syncedToRefresh = false;
  bool paced = true;
  Uint64 framePeriod = 0;   // performance-counter ticks per refresh
  Uint64 nextDeadline = 0;  // when the next frame may be shown; 0 before the first
};

DisplayState& state() {
  static DisplayState current;
  return current;
}

void closeVideo() {
  DisplayState& s = state();
  if (s.context) SDL_GL_DeleteContext(s.context);
  if (s.window) SDL_DestroyWindow(s.window);  // leaves a fullscreen mode
  s.context = nullptr;
  s.window = nullptr;
  SDL_Quit();
}

bool isRealDriver(const char* driver) {
  return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0 &&
         std::strcmp(driver, "evdev") != 0;
}

// The display mode of the requested size at `bitsPerPixel`, or at 24 bits per pixel
// where the server has none at that depth (X servers report their 32-bit modes as
// depth 24). SDL lists modes from the deepest and fastest down, so the first match
// is the best one.
std::optional<SDL_DisplayMode> fullscreenMode(int display, const DisplayRequest& request) {
  for (int depth : {request.bitsPerPixel, 24}) {
    const int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
      SDL_DisplayMode mode;
      if (SDL_GetDisplayMode(display, i, &mode) != 0) continue;
      if (mode.w == request.width && mode.h == request.height &&
          static_cast<int>(SDL_BITSPERPIXEL(mode.format)) == depth)
        return mode;
    }
  }
  return std::nullopt;
}

DisplayOpening modeFailure(std::string reason) {
  return {DisplayFailure::kMode, std::move(reason), 0, 0};
}

void startPacing(DisplayState& s) {
  SDL_DisplayMode mode;
  int refresh = 0;
  if (SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(s.window), &mode) == 0)
    refresh = mode.refresh_rate;
  if (refresh <= 0) refresh = 60;
  s.framePeriod = SDL_GetPerformanceFrequency() / static_cast<Uint64>(refresh);
  s.nextDeadline = 0;
}

// Sleeps most of the way, then spins the last millisecond: SDL_Delay alone may
// overshoot by a scheduler tick.
void waitUntil(Uint64 deadline) {
  const Uint64 frequency = SDL_GetPerformanceFrequency();
  for (;;) {
    const Uint64 now = SDL_GetPerformanceCounter();
    if (now >= deadline) return;
    const Uint64 leftMs = (deadline - now) * 1000 / frequency;
    if (leftMs > 1) SDL_Delay(static_cast<Uint32>(leftMs - 1));
  }
}

}  // namespace

std::optional<std::string> startVideo() {
  // Ctrl-C and kill keep their ordinary meaning; SDL would turn them into a Quit
  // request, which this program ignores.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return std::string(SDL_GetError());
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!isRealDriver(driver)) {
    std::string reason = std::string("no window system to show it on (SDL fell back to its \"") +
                         (driver ? driver : "") + "\" video driver)";
    SDL_Quit();
    return reason;
  }
  std::atexit(closeVideo);
  return std::nullopt;
}

DisplayOpening openDisplay(const DisplayRequest& request) {
  DisplayState& s = state();
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, 0);

  // Without SDL_WINDOW_RESIZABLE, SDL fixes the window's minimum and maximum size
  // to the requested one. The window is shown only once it is complete, so a
  // fullscreen one never flashes up as a window first.
  s.window = SDL_CreateWindow(request.title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                              request.width, request.height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (!s.window) return modeFailure(SDL_GetError());

  if (request.bitsPerPixel != 0) {
    const int display = SDL_GetWindowDisplayIndex(s.window);
    const std::optional<SDL_DisplayMode> mode = fullscreenMode(display, request);
    if (!mode) {
      return modeFailure("the screen has no " + std::to_string(request.width) + "x" +
                         std::to_string(request.height) + " mode at " +
                         std::to_string(request.bitsPerPixel) + " or 24 bits per pixel");
    }
    if (SDL_SetWindowDisplayMode(s.window, &*mode) != 0 ||
        SDL_SetWindowFullscreen(s.window, SDL_WINDOW_FULLSCREEN) != 0)
      return modeFailure(SDL_GetError());
  }
  SDL_ShowWindow(s.window);

  s.context = SDL_GL_CreateContext(s.window);
  if (!s.context) return {DisplayFailure::kContext, SDL_GetError(), 0, 0};
  if (SDL_GL_MakeCurrent(s.window, s.context) != 0)
    return {DisplayFailure::kContext, SDL_GetError(), 0, 0};

  s.syncedToRefresh = SDL_GL_SetSwapInterval(1) == 0;
  startPacing(s);

  DisplayOpening opened;
  SDL_GL_GetDrawableSize(s.window, &opened.drawableWidth, &opened.drawableHeight);
  return opened;
}

void presentFrame() {
  DisplayState& s = state();
  if (!s.window) return;
  SDL_GL_SwapWindow(s.window);
  if (s.syncedToRefresh || !s.paced) return;

  // Frames are shown on a fixed grid of refresh periods. A frame that comes late
  // by more than a whole period starts the grid afresh instead of letting the
  // following frames race to catch up.
  const Uint64 now = SDL_GetPerformanceCounter();
  if (s.nextDeadline == 0 || now > s.nextDeadline + s.framePeriod) {
    s.nextDeadline = now + s.framePeriod;
    return;
  }
  waitUntil(s.nextDeadline);
  s.nextDeadline += s.framePeriod;
}

void setPresentationPaced(bool paced) {
  state().paced = paced;
  state().nextDeadline = 0;
}

bool presentationSyncedToRefresh() { return state().syncedToRefresh; }
