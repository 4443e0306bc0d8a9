#pragma once
// An offscreen compatibility GL context on Mesa's software renderer, current
// for the lifetime of the object, with helpers to read the frame back.

#include <GL/osmesa.h>

#include <array>
#include <cstdint>
#include <vector>

using Rgba = std::array<int, 4>;

class OffscreenGl {
 public:
  OffscreenGl(int width, int height);
  ~OffscreenGl();
  OffscreenGl(const OffscreenGl&) = delete;
  OffscreenGl& operator=(const OffscreenGl&) = delete;

  bool ok() const { return ok_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // The whole colour buffer, bottom row first, 4 bytes per pixel.
  std::vector<std::uint8_t> readFrame() const;
  // One pixel, (x, y) from the lower-left corner as GL counts.
  Rgba pixel(int x, int y) const;

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> buffer_;
  OSMesaContext context_ = nullptr;
  bool ok_ = false;
};

// Red, green and blue within ±2 each: the software rasterizer rounds its own
// way. The frame's alpha is not part of the picture and is not compared.
bool near(const Rgba& actual, const Rgba& expected, int tolerance = 2);
