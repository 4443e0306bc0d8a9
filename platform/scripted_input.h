#pragma once
// The scripted twins of the keyboard and the clock: tests, the trace tool and the
// benchmarks drive the simulation with them, frame-exactly and without a window.

#include <array>
#include <cstdint>

#include "platform/clock.h"
#include "platform/keyboard.h"

class ScriptedKeyboard final : public Keyboard {
 public:
  static constexpr int kKeys = 256;

  // The key goes down: one press, and held from now on. A down for a key that is
  // already down is one more press.
  void down(int code) {
    if (!valid(code)) return;
    ++presses_[code];
    held_[code] = true;
  }
  void up(int code) {
    if (valid(code)) held_[code] = false;
  }
  // The application lost and regained focus: everything is forgotten, and a key
  // that was down counts as released until its next down.
  void focus() {
    presses_.fill(0);
    held_.fill(false);
  }

  int pressed(int code) override {
    if (!valid(code)) return 0;
    const int n = presses_[code];
    presses_[code] = 0;
    return n;
  }
  bool held(int code) override { return valid(code) && held_[code]; }

 private:
  static bool valid(int code) { return code >= 0 && code < kKeys; }
  std::array<int, kKeys> presses_{};
  std::array<bool, kKeys> held_{};
};

class ScriptedClock final : public Clock {
 public:
  std::uint32_t now = 0;
  std::uint32_t milliseconds() override { return now; }
};
