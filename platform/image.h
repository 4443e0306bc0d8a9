#pragma once
// A decoded image: rows of RGBA pixels, 8 bits per component, first row first.

#include <cstdint>
#include <vector>

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // width * height * 4 bytes
};
