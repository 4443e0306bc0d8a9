#include "tests/render/png_writer.h"

#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

int channels(int colourType) {
  switch (colourType) {
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_PALETTE:
      return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
      return 2;
    case PNG_COLOR_TYPE_RGB:
      return 3;
    default:
      return 4;
  }
}

void appendToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void putChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
  put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  put32(out, static_cast<std::uint32_t>(crc32(0, out.data() + start, out.size() - start)));
}

}  // namespace

std::vector<std::uint8_t> pngBytes(const PngPicture& picture) {
  std::vector<std::uint8_t> out;
  const int perPixel = channels(picture.colourType);
  const bool wide = picture.bitDepth == 16;
  // Samples below 8 bits go one to a byte; png_set_packing packs them.
  const std::size_t rowBytes =
      static_cast<std::size_t>(picture.width) * perPixel * (wide ? 2 : 1);
  std::vector<png_byte> pixels(rowBytes * picture.height);
  for (std::size_t i = 0; i < picture.samples.size(); ++i) {
    const int v = picture.samples[i];
    if (wide) {
      pixels[2 * i] = static_cast<png_byte>(v >> 8);
      pixels[2 * i + 1] = static_cast<png_byte>(v & 0xff);
    } else {
      pixels[i] = static_cast<png_byte>(v);
    }
  }
  std::vector<png_bytep> rows(picture.height);
  for (int y = 0; y < picture.height; ++y) rows[y] = pixels.data() + y * rowBytes;

  std::vector<png_color> palette;
  for (const auto& c : picture.palette) {
    palette.push_back({static_cast<png_byte>(c[0]), static_cast<png_byte>(c[1]),
                       static_cast<png_byte>(c[2])});
  }
  std::vector<png_byte> alpha(picture.paletteAlpha.begin(), picture.paletteAlpha.end());
  png_color_16 transparent{};
  // Everything with a destructor exists before setjmp, so an error jump skips none.
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, appendToVector, flushNothing);
  png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colourType,
               picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!alpha.empty()) {
    png_set_tRNS(png, info, alpha.data(), static_cast<int>(alpha.size()), nullptr);
  } else if (picture.hasTransparentColour) {
    transparent.gray = static_cast<png_uint_16>(picture.transparentColour[0]);
    transparent.red = static_cast<png_uint_16>(picture.transparentColour[0]);
    transparent.green = static_cast<png_uint_16>(picture.transparentColour[1]);
    transparent.blue = static_cast<png_uint_16>(picture.transparentColour[2]);
    png_set_tRNS(png, info, nullptr, 0, &transparent);
  }
  png_write_info(png, info);
  if (picture.bitDepth < 8) png_set_packing(png);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool writePng(const std::string& path, const PngPicture& picture) {
  const std::vector<std::uint8_t> bytes = pngBytes(picture);
  if (bytes.empty()) return false;
  writeBytes(path, bytes);
  return true;
}

std::vector<std::uint8_t> headerOnlyPng(std::uint32_t width, std::uint32_t height) {
  std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<std::uint8_t> header;
  put32(header, width);
  put32(header, height);
  header.insert(header.end(), {8, PNG_COLOR_TYPE_RGBA, 0, 0, 0});
  putChunk(out, "IHDR", header);
  putChunk(out, "IEND", {});
  return out;
}

long findChunk(const std::vector<std::uint8_t>& bytes, const char* type) {
  for (std::size_t at = 8; at + 8 <= bytes.size();) {
    if (std::memcmp(&bytes[at + 4], type, 4) == 0) return static_cast<long>(at);
    const std::uint32_t length = (std::uint32_t{bytes[at]} << 24) | (bytes[at + 1] << 16) |
                                 (bytes[at + 2] << 8) | bytes[at + 3];
    at += 12 + length;
  }
  return -1;
}
