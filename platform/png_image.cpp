#include "platform/png_image.h"

#include <png.h>
#include <sys/stat.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// What the libpng callbacks share with the decoder. libpng reports an error by
// calling onError, which records the message and jumps back to the decoder.
struct DecodeState {
  std::FILE* file = nullptr;
  char message[160] = {};
};

[[noreturn]] void onError(png_structp png, png_const_charp message) {
  auto* state = static_cast<DecodeState*>(png_get_error_ptr(png));
  std::snprintf(state->message, sizeof state->message, "%s", message);
  png_longjmp(png, 1);
}

// Warnings (such as a bad CRC in an ancillary chunk, which libpng skips) do not
// stop decoding, and nothing may be written to the terminal.
void onWarning(png_structp, png_const_charp) {}

void readBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* state = static_cast<DecodeState*>(png_get_io_ptr(png));
  if (std::fread(data, 1, length, state->file) != length) {
    png_error(png, std::ferror(state->file) ? "read error" : "file is truncated");
  }
}

std::string openFailure(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return "no such file";
    case EACCES:
    case EPERM:
      return "permission denied";
    case EISDIR:
      return "is a directory";
    default:
      return std::strerror(error);
  }
}

// Decodes an opened PNG stream whose signature has been read already. Only plain
// values live in this frame across setjmp, so the jump skips no destructor; the
// buffers belong to the caller and are released there.
bool decode(png_structp png, png_infop info, Image& image, std::vector<png_bytep>& rows,
            std::string& reason) {
  if (setjmp(png_jmpbuf(png))) return false;

  png_set_sig_bytes(png, 8);
  png_set_user_limits(png, kMaxImageDimension, kMaxImageDimension);
  png_read_info(png, info);

  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  // libpng refuses these itself; the test stays so that no change of its
  // limits can let an empty or huge image reach the allocation below.
  if (width == 0 || height == 0) {
    reason = "image has no pixels";
    return false;
  }
  if (width > static_cast<png_uint_32>(kMaxImageDimension) ||
      height > static_cast<png_uint_32>(kMaxImageDimension)) {
    reason = "image is larger than 16384 pixels in one direction";
    return false;
  }

  const int colourType = png_get_color_type(png, info);
  // Palette to RGB, grey below 8 bits to 8 bits, tRNS to an alpha channel.
  png_set_expand(png);
  png_set_scale_16(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
    png_set_gray_to_rgb(png);
  }
  if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 && !png_get_valid(png, info, PNG_INFO_tRNS)) {
    png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
  }
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) {
    reason = "unsupported pixel layout";
    return false;
  }

  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.rgba.resize(static_cast<std::size_t>(width) * height * 4);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) {
    rows[y] = image.rgba.data() + static_cast<std::size_t>(y) * width * 4;
  }
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

namespace {

// Decodes the PNG stream `file` from its first byte, and closes it.
ImageLoadResult decodeStream(std::FILE* file) {
  ImageLoadResult result;
  DecodeState state;
  state.file = file;
  png_byte signature[8] = {};
  if (std::fread(signature, 1, sizeof signature, file) != sizeof signature ||
      png_sig_cmp(signature, 0, sizeof signature) != 0) {
    result.reason = std::ferror(file) ? openFailure(errno) : "not a PNG file";
    std::fclose(file);
    return result;
  }

  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, onError, onWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    std::fclose(file);
    result.reason = "out of memory";
    return result;
  }
  png_set_read_fn(png, &state, readBytes);

  auto image = std::make_unique<Image>();
  std::vector<png_bytep> rows;
  std::string reason;
  const bool decoded = decode(png, info, *image, rows, reason);
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(file);

  if (decoded) {
    result.image = std::move(image);
  } else {
    result.reason = reason.empty() ? std::string(state.message) : reason;
    if (result.reason.empty()) result.reason = "cannot be decoded";
  }
  return result;
}

}  // namespace

ImageLoadResult loadPngImage(const std::string& fileName) {
  std::FILE* file = std::fopen(fileName.c_str(), "rb");
  if (file == nullptr) return {nullptr, openFailure(errno)};
  struct stat status {};
  if (fstat(fileno(file), &status) != 0 || S_ISDIR(status.st_mode)) {
    const int error = S_ISDIR(status.st_mode) ? EISDIR : errno;
    std::fclose(file);
    return {nullptr, openFailure(error)};
  }
  return decodeStream(file);
}

ImageLoadResult loadPngImage(const void* bytes, std::size_t size) {
  if (size == 0) return {nullptr, "not a PNG file"};
  // fmemopen only reads from the buffer; the cast drops a const it never uses.
  std::FILE* file = fmemopen(const_cast<void*>(bytes), size, "rb");
  if (file == nullptr) return {nullptr, openFailure(errno)};
  return decodeStream(file);
}
