#pragma once
// Keyboard polling on SDL's event queue. Every query first drains all pending
// window-system events into the key bookkeeping (platform/key_state.h); events
// other than keys and focus changes, window close and Quit requests among them,
// are dropped. Create it once the display is open; one at a time.

#include <array>

#include "platform/key_state.h"
#include "platform/keyboard.h"

class SdlKeyboard final : public Keyboard {
 public:
  SdlKeyboard();
  ~SdlKeyboard();
  SdlKeyboard(const SdlKeyboard&) = delete;
  SdlKeyboard& operator=(const SdlKeyboard&) = delete;

  int pressed(int code) override;
  bool held(int code) override;

  // Drains the pending events; the queries call it themselves.
  void pump();

 private:
  friend struct FocusWatch;  // SDL's event watch, which calls snapshotKeysDown
  void snapshotKeysDown(unsigned int windowId);

  KeyState keys_;
  // Keys down at the moment focus came back, taken as SDL posts the focus event,
  // and applied when that event is drained (in order with the key events around it).
  std::array<bool, KeyState::kCodes> downAtFocusGain_{};
  unsigned int focusWindowId_ = 0;
};

// The virtual-key code of an SDL scancode (by position on the keyboard, whatever
// the layout), or 0 for a key the program does not know.
int virtualKeyForScancode(int scancode);
