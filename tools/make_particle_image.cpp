// Writes the particle image: a soft, round, white glow whose alpha falls from
// full at the centre smoothly to 0 at the rim, and stays 0 beyond it.
//
//   make_particle_image <output.png> [size]

#include <png.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Alpha at distance d from the centre, d = 1 at the rim: a smoothstep of the
// squared falloff, so both the value and its slope reach 0 at the edge and the
// glow has no visible border.
double glow(double d) {
  if (d >= 1.0) return 0.0;
  const double t = 1.0 - d * d;
  return t * t * (3.0 - 2.0 * t);
}

bool writePng(const char* path, int size, const std::vector<png_byte>& rgba) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, size, size, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < size; ++y) {
    png_write_row(png, rgba.data() + static_cast<std::size_t>(y) * size * 4);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s <output.png> [size]\n", argv[0]);
    return EXIT_FAILURE;
  }
  const int size = argc == 3 ? std::atoi(argv[2]) : 64;
  if (size < 2 || size > 4096) {
    std::fprintf(stderr, "%s: size must be 2 to 4096\n", argv[0]);
    return EXIT_FAILURE;
  }

  std::vector<png_byte> rgba(static_cast<std::size_t>(size) * size * 4);
  const double centre = size / 2.0;
  // The rim lies a pixel inside the border, so the outermost pixels are fully
  // clear and the quad's edge never shows, not even under linear filtering.
  const double radius = centre - 1.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      // Pixel centres, measured in radii from the image's centre.
      const double dx = (x + 0.5 - centre) / radius;
      const double dy = (y + 0.5 - centre) / radius;
      png_byte* p = &rgba[(static_cast<std::size_t>(y) * size + x) * 4];
      p[0] = p[1] = p[2] = 255;
      p[3] = static_cast<png_byte>(std::lround(255.0 * glow(std::sqrt(dx * dx + dy * dy))));
    }
  }
  if (!writePng(argv[1], size, rgba)) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
