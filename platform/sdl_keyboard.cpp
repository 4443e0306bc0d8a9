#include "platform/sdl_keyboard.h"

#include <SDL.h>
#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace {

#if defined(SDL_VIDEO_DRIVER_X11)
// The SDL key code of an X keysym, for the keys that the program knows: Latin-1
// printable keysyms are their characters, which SDL uses as key codes in lower case.
SDL_Keycode sdlKeycodeForKeysym(KeySym keysym) {
  if (keysym >= XK_A && keysym <= XK_Z) return static_cast<SDL_Keycode>(keysym - XK_A + 'a');
  if (keysym >= XK_space && keysym <= XK_asciitilde) return static_cast<SDL_Keycode>(keysym);
  switch (keysym) {
    case XK_Escape: return SDLK_ESCAPE;
    case XK_Left: return SDLK_LEFT;
    case XK_Up: return SDLK_UP;
    case XK_Right: return SDLK_RIGHT;
    case XK_Down: return SDLK_DOWN;
    default: return SDLK_UNKNOWN;
  }
}

// X keycodes are the server's own numbering. Going through the keysym and SDL's
// keymap (built from the same server keymap) lands on the scancode that SDL gives
// the key's events. The shifted level covers layouts whose digits are shifted.
int virtualKeyForXKeycode(Display* display, int keycode) {
  for (int level = 0; level < 2; ++level) {
    const KeySym keysym = XkbKeycodeToKeysym(display, static_cast<KeyCode>(keycode), 0, level);
    const SDL_Keycode key = sdlKeycodeForKeysym(keysym);
    if (key == SDLK_UNKNOWN) continue;
    const int code = virtualKeyForScancode(SDL_GetScancodeFromKey(key));
    if (code != 0) return code;
  }
  return 0;
}

Display* x11Display(unsigned int windowId) {
  SDL_Window* window = SDL_GetWindowFromID(windowId);
  if (!window) return nullptr;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
  return info.info.x11.display;
}
#endif

// Marks in `down` the keys that the window system reports down now. SDL's own state
// misses keys pressed while another application had the focus (it only brings the
// modifiers up to date), so on X11 the server's keymap is asked as well.
void keysDownNow(unsigned int windowId, std::array<bool, KeyState::kCodes>& down) {
  int count = 0;
  const Uint8* sdlState = SDL_GetKeyboardState(&count);
  for (int scancode = 0; scancode < count; ++scancode)
    if (sdlState[scancode]) down[virtualKeyForScancode(scancode)] = true;
#if defined(SDL_VIDEO_DRIVER_X11)
  if (Display* display = x11Display(windowId)) {
    char keymap[32];
    XQueryKeymap(display, keymap);
    for (int keycode = 8; keycode < 256; ++keycode)
      if (keymap[keycode / 8] & (1 << (keycode % 8)))
        down[virtualKeyForXKeycode(display, keycode)] = true;
  }
#else
  (void)windowId;
#endif
  down[0] = false;  // where unknown keys landed
}

}  // namespace

int virtualKeyForScancode(int scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'A' + (scancode - SDL_SCANCODE_A);
  // SDL orders the digit row as on the keyboard: 1 to 9, then 0.
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
  switch (scancode) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_ESCAPE: return key::kEscape;
    case SDL_SCANCODE_SPACE: return key::kSpace;
    case SDL_SCANCODE_LEFT: return key::kLeft;
    case SDL_SCANCODE_UP: return key::kUp;
    case SDL_SCANCODE_RIGHT: return key::kRight;
    case SDL_SCANCODE_DOWN: return key::kDown;
    case SDL_SCANCODE_EQUALS: return key::kEquals;
    default: return 0;
  }
}

// Runs while SDL posts an event, before it reaches the queue: the moment to see
// which keys are down as focus returns, ahead of any key events that follow.
struct FocusWatch {
  static int onEvent(void* keyboard, SDL_Event* event) {
    if (event->type == SDL_WINDOWEVENT && event->window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
      static_cast<SdlKeyboard*>(keyboard)->snapshotKeysDown(event->window.windowID);
    return 0;
  }
};

SdlKeyboard::SdlKeyboard() { SDL_AddEventWatch(&FocusWatch::onEvent, this); }

SdlKeyboard::~SdlKeyboard() { SDL_DelEventWatch(&FocusWatch::onEvent, this); }

void SdlKeyboard::snapshotKeysDown(unsigned int windowId) {
  focusWindowId_ = windowId;
  downAtFocusGain_.fill(false);
  keysDownNow(focusWindowId_, downAtFocusGain_);
}

void SdlKeyboard::pump() {
  SDL_PumpEvents();
  // A stale key whose key-up SDL dropped (it had forgotten the key was down) would
  // stay stale forever; asking the window system lets it go once it is really up.
  if (keys_.anyStale()) {
    std::array<bool, KeyState::kCodes> down{};
    keysDownNow(focusWindowId_, down);
    for (int code = 1; code < KeyState::kCodes; ++code)
      if (!down[code]) keys_.keyFoundUp(code);
  }

  SDL_Event events[32];
  for (;;) {
    const int count = SDL_PeepEvents(events, SDL_arraysize(events), SDL_GETEVENT,
                                     SDL_FIRSTEVENT, SDL_LASTEVENT);
    if (count <= 0) break;
    for (int i = 0; i < count; ++i) {
      const SDL_Event& event = events[i];
      switch (event.type) {
        case SDL_KEYDOWN:
          keys_.keyDown(virtualKeyForScancode(event.key.keysym.scancode), event.key.repeat != 0);
          break;
        case SDL_KEYUP:
          keys_.keyUp(virtualKeyForScancode(event.key.keysym.scancode));
          break;
        case SDL_WINDOWEVENT:
          if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            keys_.focusChanged();
          } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
            keys_.focusChanged();
            for (int code = 1; code < KeyState::kCodes; ++code)
              if (downAtFocusGain_[code]) keys_.markStale(code);
          }
          break;
        default:
          break;  // window close and Quit requests end nothing
      }
    }
  }
}

int SdlKeyboard::pressed(int code) {
  pump();
  return keys_.takePresses(code);
}

bool SdlKeyboard::held(int code) {
  pump();
  return keys_.held(code);
}
