#pragma once
// A 32-bit millisecond count with an arbitrary origin. It wraps after about 49.7
// days; readers compare differences, never raw values.

#include <cstdint>

class Clock {
 public:
  virtual std::uint32_t milliseconds() = 0;

 protected:
  ~Clock() = default;
};

// Whether more than `ms` milliseconds have passed from `start` to `now`. The
// difference is taken modulo 2^32, so the answer stays right across the clock's
// wrap (and signed overflow never happens).
inline bool elapsedMoreThan(std::uint32_t start, std::uint32_t now, std::uint32_t ms) {
  return static_cast<std::uint32_t>(now - start) > ms;
}
