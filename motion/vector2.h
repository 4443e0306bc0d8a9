#pragma once
// The two-component vector of the simulation plane. Components are stored as
// 32-bit floats; every operation computes in double and rounds only when it
// stores a component. Scalar arguments are doubles and are not rounded first.

#include <cmath>

#include "platform/math.h"

struct Vector2 {
  float x = 0.0f;
  float y = 0.0f;

  void negate() {
    x = static_cast<float>(x * -1.0);
    y = static_cast<float>(y * -1.0);
  }

  void scale(double factor) {
    x = static_cast<float>(x * factor);
    y = static_cast<float>(y * factor);
  }

  // Upper bound first: both components are limited from above, then from below,
  // so crossed bounds leave both components at `lower`.
  void clamp(double upper, double lower) {
    x = static_cast<float>(math::min(x, upper));
    y = static_cast<float>(math::min(y, upper));
    x = static_cast<float>(math::max(x, lower));
    y = static_cast<float>(math::max(y, lower));
  }

  void subtract(const Vector2& v) {
    x = static_cast<float>(static_cast<double>(x) - v.x);
    y = static_cast<float>(static_cast<double>(y) - v.y);
  }

  void add(const Vector2& v) {
    x = static_cast<float>(static_cast<double>(x) + v.x);
    y = static_cast<float>(static_cast<double>(y) + v.y);
  }

  // The zero vector has no direction and stays zero, instead of turning into NaNs.
  void normalize() {
    const double length = std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y);
    if (length == 0.0) return;
    x = static_cast<float>(x / length);
    y = static_cast<float>(y / length);
  }

  void copyTo(Vector2& target) const {
    target.x = x;
    target.y = y;
  }

  double distanceTo(const Vector2& v) const {
    const double dx = static_cast<double>(x) - v.x;
    const double dy = static_cast<double>(y) - v.y;
    return std::sqrt(dx * dx + dy * dy);
  }
};
