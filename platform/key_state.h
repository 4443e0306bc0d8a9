#pragma once
// The bookkeeping behind keyboard polling, fed with key and focus events in the
// order they happened. It knows nothing of where the events come from, so every
// rule can be exercised without a window system.
//
// - A key-down that is not a repeat counts one press; repeats count nothing.
// - Taking the presses of a key returns their count and resets it.
// - A change of focus, either way, forgets every press and every held key.
// - A key that is down when focus comes back is stale: it stays released, and its
//   key-downs are ignored, until it goes up. The key was pressed for another
//   application, and whatever key-downs follow (the server's auto-repeat after the
//   reset, keys synthesised by the event layer) are not presses made here.

#include <array>
#include <cstdint>

class KeyState {
 public:
  static constexpr int kCodes = 256;  // virtual-key codes are below this; 0 is no key

  void keyDown(int code, bool repeat);
  void keyUp(int code);
  void focusChanged();
  // After focusChanged, for each key that is down at that moment.
  void markStale(int code);
  // A stale key that is known to be up again stops being stale, so its next press
  // counts even when its key-up never reached the event stream.
  void keyFoundUp(int code);

  int takePresses(int code);
  bool held(int code) const;
  bool stale(int code) const;
  bool anyStale() const { return staleCount_ > 0; }

 private:
  static bool valid(int code) { return code > 0 && code < kCodes; }

  std::array<std::int32_t, kCodes> presses_{};
  std::array<bool, kCodes> down_{};
  std::array<bool, kCodes> stale_{};
  int staleCount_ = 0;
};
