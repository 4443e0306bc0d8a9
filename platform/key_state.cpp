#include "platform/key_state.h"

void KeyState::keyDown(int code, bool repeat) {
  if (!valid(code) || stale_[code]) return;
  down_[code] = true;
  if (!repeat) ++presses_[code];
}

void KeyState::keyUp(int code) {
  if (!valid(code)) return;
  down_[code] = false;
  if (stale_[code]) {
    stale_[code] = false;
    --staleCount_;
  }
}

void KeyState::focusChanged() {
  presses_.fill(0);
  down_.fill(false);
  stale_.fill(false);
  staleCount_ = 0;
}

void KeyState::markStale(int code) {
  if (!valid(code) || stale_[code]) return;
  stale_[code] = true;
  down_[code] = false;
  ++staleCount_;
}

void KeyState::keyFoundUp(int code) {
  if (valid(code) && stale_[code]) keyUp(code);
}

int KeyState::takePresses(int code) {
  if (!valid(code)) return 0;
  const int count = presses_[code];
  presses_[code] = 0;
  return count;
}

bool KeyState::held(int code) const { return valid(code) && down_[code]; }

bool KeyState::stale(int code) const { return valid(code) && stale_[code]; }
