#pragma once
// Writes PNG test files with libpng: any colour type, bit depth and interlace,
// with or without tRNS, and raw byte files for the broken cases.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct PngPicture {
  int width = 0;
  int height = 0;
  int colourType = 0;  // PNG_COLOR_TYPE_*
  int bitDepth = 8;
  bool interlaced = false;
  // One sample per channel per pixel, row by row, each within the bit depth
  // (palette images: one index per pixel).
  std::vector<int> samples;
  std::vector<std::array<int, 3>> palette;
  std::vector<int> paletteAlpha;  // tRNS of a palette image
  bool hasTransparentColour = false;
  std::array<int, 3> transparentColour{};  // tRNS of grey (first value) or RGB
};

bool writePng(const std::string& path, const PngPicture& picture);
std::vector<std::uint8_t> pngBytes(const PngPicture& picture);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// A file of the signature, one IHDR chunk with a correct CRC and IEND: enough
// for a decoder to read the header and nothing more.
std::vector<std::uint8_t> headerOnlyPng(std::uint32_t width, std::uint32_t height);

// Offset of the first byte of the chunk `type` (its length field), or -1.
long findChunk(const std::vector<std::uint8_t>& bytes, const char* type);
