#pragma once
// PNG files decoded into 8-bit RGBA images. Every colour type and bit depth is
// converted; a file that cannot be decoded yields no image and a short reason
// that a caller can put into its own message.

#include <cstddef>
#include <memory>
#include <string>

#include "platform/image.h"

// Larger images are refused before any pixel memory is allocated.
inline constexpr int kMaxImageDimension = 16384;

struct ImageLoadResult {
  std::unique_ptr<Image> image;  // null when the file could not be decoded
  std::string reason;            // why there is no image; empty on success
};

ImageLoadResult loadPngImage(const std::string& fileName);
// The same decoder over a PNG file's bytes in memory.
ImageLoadResult loadPngImage(const void* bytes, std::size_t size);
