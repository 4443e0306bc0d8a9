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

// Whether more than `ms` milliseconds lie between the readings `start` and `now`.
// The difference is taken modulo 2^32, so it stays right across the clock's wrap
// (as long as the real interval is shorter than the wrap period itself); adding to
// `start` and comparing raw readings would go wrong, or overflow, near the wrap.
inline bool elapsedMoreThan(std::uint32_t start, std::uint32_t now, std::uint32_t ms) {
  return static_cast<std::uint32_t>(now - start) > ms;
}
