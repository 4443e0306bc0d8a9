#pragma once
// Keyboard polling by virtual-key code: letters and digits are their ASCII
// upper-case codes, Escape 27, Space 32, Left 37, Up 38, Right 39, Down 40, '=' 187.

namespace key {
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kEquals = 187;
}  // namespace key

class Keyboard {
 public:
  // Presses of the key since the previous pressed-query of it; the query resets the
  // count. Key repeat does not count.
  virtual int pressed(int code) = 0;
  // Whether the key is down now.
  virtual bool held(int code) = 0;

 protected:
  ~Keyboard() = default;
};
