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
