#include "tests/render/gl_context.h"

#include <GL/gl.h>

#include <cstdlib>

OffscreenGl::OffscreenGl(int width, int height)
    : width_(width), height_(height), buffer_(static_cast<std::size_t>(width) * height * 4) {
  const int attributes[] = {OSMESA_FORMAT,     OSMESA_RGBA,
                            OSMESA_DEPTH_BITS, 24,
                            OSMESA_PROFILE,    OSMESA_COMPAT_PROFILE,
                            OSMESA_CONTEXT_MAJOR_VERSION, 2,
                            OSMESA_CONTEXT_MINOR_VERSION, 1,
                            0};
  context_ = OSMesaCreateContextAttribs(attributes, nullptr);
  ok_ = context_ != nullptr &&
        OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width, height) != 0;
  if (ok_) glViewport(0, 0, width, height);
}

OffscreenGl::~OffscreenGl() {
  if (context_ == nullptr) return;
  OSMesaMakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
  OSMesaDestroyContext(context_);
}

std::vector<std::uint8_t> OffscreenGl::readFrame() const {
  std::vector<std::uint8_t> frame(static_cast<std::size_t>(width_) * height_ * 4);
  // Rows of 4-byte pixels meet any pack alignment, so the pixel-store state
  // under test is left alone.
  glFinish();
  glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
  return frame;
}

Rgba OffscreenGl::pixel(int x, int y) const {
  std::uint8_t p[4] = {};
  glFinish();
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
  return {p[0], p[1], p[2], p[3]};
}

bool near(const Rgba& actual, const Rgba& expected, int tolerance) {
  for (int i = 0; i < 3; ++i) {
    if (std::abs(actual[i] - expected[i]) > tolerance) return false;
  }
  return true;
}
