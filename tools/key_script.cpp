#include "tools/key_script.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace {

bool parseNumber(const std::string& word, long long& value) {
  const char* end = word.data() + word.size();
  const auto result = std::from_chars(word.data(), end, value);
  return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

bool parseKeyScript(std::istream& in, std::vector<KeyEvent>& events, std::string& error) {
  events.clear();
  std::string line;
  for (long long number = 1; std::getline(in, line); ++number) {
    std::istringstream words(line);
    std::string frame, kind, code, extra;
    words >> frame;
    if (frame.empty() || frame[0] == '#') continue;
    words >> kind >> code >> extra;

    KeyEvent event;
    const auto fail = [&](const char* why) {
      error = "line " + std::to_string(number) + ": " + why + ": \"" + line + "\"";
      return false;
    };
    if (!parseNumber(frame, event.frame) || event.frame < 1) {
      return fail("the frame must be a whole number from 1 up");
    }
    if (kind == "focus") {
      if (!code.empty()) return fail("focus takes no key code");
      event.kind = KeyEvent::Kind::kFocus;
    } else if (kind == "down" || kind == "up") {
      long long value = 0;
      if (code.empty() || !extra.empty() || !parseNumber(code, value) || value < 0 ||
          value >= ScriptedKeyboard::kKeys) {
        return fail("expected a key code from 0 to 255 and nothing after it");
      }
      event.kind = kind == "down" ? KeyEvent::Kind::kDown : KeyEvent::Kind::kUp;
      event.code = static_cast<int>(value);
    } else {
      return fail("expected \"F down CODE\", \"F up CODE\" or \"F focus\"");
    }
    events.push_back(event);
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const KeyEvent& a, const KeyEvent& b) { return a.frame < b.frame; });
  return true;
}

void KeyScriptPlayer::apply(long long frame, ScriptedKeyboard& keyboard) {
  while (next_ < events_.size() && events_[next_].frame <= frame) {
    const KeyEvent& event = events_[next_++];
    if (event.frame < frame) continue;  // a frame that was never run
    switch (event.kind) {
      case KeyEvent::Kind::kDown:
        keyboard.down(event.code);
        break;
      case KeyEvent::Kind::kUp:
        keyboard.up(event.code);
        break;
      case KeyEvent::Kind::kFocus:
        keyboard.focus();
        break;
    }
  }
}
