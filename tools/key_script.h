#pragma once
// Key scripts: one event per line, "F down CODE", "F up CODE" or "F focus", where F
// is the frame (from 1) before which the event happens and CODE a virtual-key code.
// Blank lines and lines starting with '#' are ignored.

#include <istream>
#include <string>
#include <vector>

#include "platform/scripted_input.h"

struct KeyEvent {
  enum class Kind { kDown, kUp, kFocus };
  long long frame = 0;
  Kind kind = Kind::kDown;
  int code = 0;
};

// Reads a whole script, events ordered by frame (file order within a frame). On a
// malformed line returns false with `error` naming the line.
bool parseKeyScript(std::istream& in, std::vector<KeyEvent>& events, std::string& error);

// Feeds a script to a keyboard frame by frame.
class KeyScriptPlayer {
 public:
  explicit KeyScriptPlayer(const std::vector<KeyEvent>& events) : events_(events) {}
  // Applies the events of `frame` (frames must be asked for in increasing order).
  void apply(long long frame, ScriptedKeyboard& keyboard);

 private:
  const std::vector<KeyEvent>& events_;
  std::size_t next_ = 0;
};
