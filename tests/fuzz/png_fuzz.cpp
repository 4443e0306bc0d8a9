// libFuzzer target: any bytes through the PNG decoder. It must return either an
// RGBA image of its stated size or no image with a reason, and never crash, hang
// or leak (the fuzz build runs under AddressSanitizer and UBSan).

#include <cstddef>
#include <cstdint>

#include "platform/png_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ImageLoadResult result = loadPngImage(data, size);
  if (result.image) {
    const Image& image = *result.image;
    const bool sized = image.width > 0 && image.height > 0 && image.width <= kMaxImageDimension &&
                       image.height <= kMaxImageDimension &&
                       image.rgba.size() == static_cast<std::size_t>(image.width) * image.height * 4;
    if (!sized || !result.reason.empty()) __builtin_trap();
  } else if (result.reason.empty()) {
    __builtin_trap();
  }
  return 0;
}
