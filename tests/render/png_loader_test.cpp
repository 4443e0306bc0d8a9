#include "platform/png_image.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "tests/render/png_writer.h"

namespace {

std::string tempPath(const std::string& name) { return ::testing::TempDir() + "png_loader_" + name; }

int channelsOf(int colourType) {
  switch (colourType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA:
      return 2;
    case PNG_COLOR_TYPE_RGB:
      return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA:
      return 4;
    default:
      return 1;
  }
}

// Sample values that differ from pixel to pixel and channel to channel and use
// the whole range of the bit depth. 16-bit samples are 8-bit values times 257,
// which every correct reduction to 8 bits maps back exactly.
int sampleAt(int index, int bitDepth, int levels) {
  const int v = (index * 37 + 11) % 256;
  if (bitDepth == 16) return v * 257;
  return v % levels;
}

// The 8-bit value of a sample: low depths are scaled to the full range.
int toEight(int sample, int bitDepth) {
  switch (bitDepth) {
    case 1:
      return sample * 255;
    case 2:
      return sample * 85;
    case 4:
      return sample * 17;
    case 16:
      return sample / 257;
    default:
      return sample;
  }
}

struct Case {
  const char* name;
  int colourType;
  int bitDepth;
  bool interlaced;
  bool transparency;  // tRNS chunk: palette alphas, or one transparent grey/RGB value
};

PngPicture makePicture(const Case& c) {
  PngPicture p;
  p.width = 7;  // odd sizes: partial bytes at low depths, short Adam7 passes
  p.height = 5;
  p.colourType = c.colourType;
  p.bitDepth = c.bitDepth;
  p.interlaced = c.interlaced;
  const int perPixel = channelsOf(c.colourType);
  int levels = c.bitDepth == 16 ? 65536 : 1 << c.bitDepth;
  if (c.colourType == PNG_COLOR_TYPE_PALETTE) {
    const int entries = levels < 12 ? levels : 12;
    for (int i = 0; i < entries; ++i) p.palette.push_back({i * 20, 255 - i * 21, (i * 67) % 256});
    if (c.transparency) {
      for (int i = 0; i < entries - 1; ++i) p.paletteAlpha.push_back((i * 45) % 256);
    }
    levels = entries;
  }
  for (int i = 0; i < p.width * p.height * perPixel; ++i) {
    p.samples.push_back(sampleAt(i, c.bitDepth, levels));
  }
  if (c.transparency && c.colourType != PNG_COLOR_TYPE_PALETTE) {
    // The colour of pixel 3, so that at least one pixel turns transparent.
    p.hasTransparentColour = true;
    for (int k = 0; k < perPixel; ++k) p.transparentColour[k] = p.samples[3 * perPixel + k];
  }
  return p;
}

std::vector<std::uint8_t> expectedRgba(const PngPicture& p) {
  std::vector<std::uint8_t> out;
  const int perPixel = channelsOf(p.colourType);
  for (int i = 0; i < p.width * p.height; ++i) {
    const int* s = &p.samples[static_cast<std::size_t>(i) * perPixel];
    int r = 0, g = 0, b = 0, a = 255;
    switch (p.colourType) {
      case PNG_COLOR_TYPE_PALETTE:
        r = p.palette[s[0]][0];
        g = p.palette[s[0]][1];
        b = p.palette[s[0]][2];
        if (s[0] < static_cast<int>(p.paletteAlpha.size())) a = p.paletteAlpha[s[0]];
        break;
      case PNG_COLOR_TYPE_GRAY:
        r = g = b = toEight(s[0], p.bitDepth);
        if (p.hasTransparentColour && s[0] == p.transparentColour[0]) a = 0;
        break;
      case PNG_COLOR_TYPE_GRAY_ALPHA:
        r = g = b = toEight(s[0], p.bitDepth);
        a = toEight(s[1], p.bitDepth);
        break;
      case PNG_COLOR_TYPE_RGB:
        r = toEight(s[0], p.bitDepth);
        g = toEight(s[1], p.bitDepth);
        b = toEight(s[2], p.bitDepth);
        if (p.hasTransparentColour && s[0] == p.transparentColour[0] &&
            s[1] == p.transparentColour[1] && s[2] == p.transparentColour[2]) {
          a = 0;
        }
        break;
      default:
        r = toEight(s[0], p.bitDepth);
        g = toEight(s[1], p.bitDepth);
        b = toEight(s[2], p.bitDepth);
        a = toEight(s[3], p.bitDepth);
    }
    out.insert(out.end(), {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                           static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(a)});
  }
  return out;
}

std::vector<Case> everyFormat() {
  struct Format {
    const char* name;
    int colourType;
    std::vector<int> depths;
    bool canHaveTrns;
  };
  const Format formats[] = {
      {"grey", PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}, true},
      {"rgb", PNG_COLOR_TYPE_RGB, {8, 16}, true},
      {"palette", PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}, true},
      {"greyalpha", PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}, false},
      {"rgba", PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}, false},
  };
  std::vector<Case> cases;
  for (const Format& f : formats) {
    for (int depth : f.depths) {
      for (bool interlaced : {false, true}) {
        for (bool trns : {false, true}) {
          if (trns && !f.canHaveTrns) continue;
          cases.push_back({f.name, f.colourType, depth, interlaced, trns});
        }
      }
    }
  }
  return cases;
}

std::string label(const Case& c) {
  return std::string(c.name) + std::to_string(c.bitDepth) + (c.interlaced ? "_adam7" : "") +
         (c.transparency ? "_trns" : "");
}

void PrintTo(const Case& c, std::ostream* out) { *out << label(c); }

class PngFormats : public ::testing::TestWithParam<Case> {};

TEST_P(PngFormats, LoadsAsRgba8WithTheRightPixels) {
  const Case& c = GetParam();
  const PngPicture picture = makePicture(c);
  const std::string file = tempPath(label(c) + ".png");
  ASSERT_TRUE(writePng(file, picture));

  const ImageLoadResult loaded = loadPngImage(file);
  ASSERT_NE(loaded.image, nullptr) << loaded.reason;
  EXPECT_TRUE(loaded.reason.empty());
  EXPECT_EQ(loaded.image->width, picture.width);
  EXPECT_EQ(loaded.image->height, picture.height);
  EXPECT_EQ(loaded.image->rgba, expectedRgba(picture));
  std::remove(file.c_str());
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) { return label(info.param); }

INSTANTIATE_TEST_SUITE_P(EveryColourTypeAndDepth, PngFormats, ::testing::ValuesIn(everyFormat()),
                         caseName);

// A valid 8-bit RGBA picture to break in various ways.
std::vector<std::uint8_t> goodPng() {
  return pngBytes(makePicture({"rgba", PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false}));
}

std::vector<std::uint8_t> withFlippedByte(std::vector<std::uint8_t> bytes, long at) {
  bytes[static_cast<std::size_t>(at)] ^= 0x5a;
  return bytes;
}

TEST(PngLoader, RefusesBrokenFilesWithAReason) {
  const std::vector<std::uint8_t> good = goodPng();
  const long idat = findChunk(good, "IDAT");
  const long iend = findChunk(good, "IEND");
  ASSERT_GT(idat, 0);
  ASSERT_GT(iend, idat);

  struct Broken {
    const char* name;
    std::vector<std::uint8_t> bytes;
  };
  const Broken cases[] = {
      {"empty", {}},
      {"text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'}},
      {"signature_only", std::vector<std::uint8_t>(good.begin(), good.begin() + 8)},
      {"cut_in_header", std::vector<std::uint8_t>(good.begin(), good.begin() + 20)},
      {"cut_in_pixels", std::vector<std::uint8_t>(good.begin(), good.begin() + idat + 12)},
      {"no_end_chunk", std::vector<std::uint8_t>(good.begin(), good.begin() + iend)},
      {"header_crc", withFlippedByte(good, 8 + 8 + 13)},
      {"pixel_crc", withFlippedByte(good, iend - 1)},
      {"zero_width", headerOnlyPng(0, 10)},
      {"zero_height", headerOnlyPng(10, 0)},
      {"wide_20000", headerOnlyPng(20000, 1)},
      {"tall_16385", headerOnlyPng(1, 16385)},
      {"huge", headerOnlyPng(0x7fffffff, 0x7fffffff)},
      {"no_pixels", headerOnlyPng(4, 4)},
  };
  for (const Broken& b : cases) {
    const std::string path = tempPath(b.name);
    writeBytes(path, b.bytes);
    const ImageLoadResult loaded = loadPngImage(path);
    EXPECT_EQ(loaded.image, nullptr) << b.name;
    EXPECT_FALSE(loaded.reason.empty()) << b.name;
    std::remove(path.c_str());
  }
}

TEST(PngLoader, NamesTheReason) {
  const std::string dir = tempPath("a_directory");
  ::mkdir(dir.c_str(), 0700);
  const std::string text = tempPath("not_png.txt");
  writeBytes(text, {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g', '!'});
  const std::string cut = tempPath("cut.png");
  const std::vector<std::uint8_t> good = goodPng();
  writeBytes(cut, std::vector<std::uint8_t>(good.begin(), good.begin() + findChunk(good, "IDAT") + 12));

  const struct {
    std::string path;
    const char* reason;
  } cases[] = {
      {tempPath("does_not_exist.png"), "no such file"},
      {tempPath("no_dir/x.png"), "no such file"},
      {dir, "is a directory"},
      {text, "not a PNG file"},
      {cut, "file is truncated"},
  };
  for (const auto& c : cases) {
    const ImageLoadResult loaded = loadPngImage(c.path);
    EXPECT_EQ(loaded.image, nullptr) << c.path;
    EXPECT_EQ(loaded.reason, c.reason) << c.path;
  }
  ::rmdir(dir.c_str());
  std::remove(text.c_str());
  std::remove(cut.c_str());
}

TEST(PngLoader, SizeLimitIsInclusive) {
  PngPicture wide;
  wide.width = kMaxImageDimension;
  wide.height = 1;
  wide.colourType = PNG_COLOR_TYPE_GRAY;
  wide.bitDepth = 8;
  wide.samples.assign(static_cast<std::size_t>(kMaxImageDimension), 200);
  const std::string path = tempPath("wide_16384.png");
  ASSERT_TRUE(writePng(path, wide));
  const ImageLoadResult loaded = loadPngImage(path);
  ASSERT_NE(loaded.image, nullptr) << loaded.reason;
  EXPECT_EQ(loaded.image->width, kMaxImageDimension);
  EXPECT_EQ(loaded.image->rgba.size(), static_cast<std::size_t>(kMaxImageDimension) * 4);
  EXPECT_EQ(loaded.image->rgba[4 * 100], 200);
  EXPECT_EQ(loaded.image->rgba[4 * 100 + 3], 255);
  std::remove(path.c_str());
}

TEST(PngLoader, SkipsADamagedAncillaryChunk) {
  // A text chunk with a wrong CRC before the pixels: libpng warns and skips it,
  // and the picture itself is intact.
  std::vector<std::uint8_t> bytes = goodPng();
  const long idat = findChunk(bytes, "IDAT");
  const std::vector<std::uint8_t> text{0, 0, 0, 3, 't', 'E', 'X', 't', 'a', 0, 'b', 1, 2, 3, 4};
  bytes.insert(bytes.begin() + idat, text.begin(), text.end());
  const std::string path = tempPath("bad_text_crc.png");
  writeBytes(path, bytes);
  const ImageLoadResult loaded = loadPngImage(path);
  ASSERT_NE(loaded.image, nullptr) << loaded.reason;
  const PngPicture picture = makePicture({"rgba", PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false});
  EXPECT_EQ(loaded.image->rgba, expectedRgba(picture));
  std::remove(path.c_str());
}

}  // namespace

namespace {

// The image the program draws every particle with, as the build placed it.
TEST(ParticleImage, IsASoftRoundWhiteGlow) {
  const ImageLoadResult loaded = loadPngImage(PARTICLE_IMAGE);
  ASSERT_NE(loaded.image, nullptr) << loaded.reason;
  const Image& im = *loaded.image;
  ASSERT_EQ(im.width, im.height);
  ASSERT_GE(im.width, 16);
  const int n = im.width;
  auto alpha = [&](int x, int y) { return int(im.rgba[(std::size_t(y) * n + x) * 4 + 3]); };
  for (std::size_t i = 0; i < im.rgba.size(); i += 4) {
    EXPECT_EQ(im.rgba[i] + im.rgba[i + 1] + im.rgba[i + 2], 3 * 255) << "white everywhere";
  }
  EXPECT_GE(alpha(n / 2, n / 2), 250);
  // Nothing at the rim or beyond it: the corners and the middle of each edge.
  for (const auto& [x, y] : {std::pair{0, 0}, {n - 1, 0}, {0, n - 1}, {n - 1, n - 1},
                             {0, n / 2}, {n / 2, 0}, {n - 1, n / 2}, {n / 2, n - 1}}) {
    EXPECT_EQ(alpha(x, y), 0) << x << "," << y;
  }
  // Round: the same falloff along a row and along a column; soft: alpha never
  // rises outward from the centre and never jumps by much between neighbours.
  for (int x = n / 2; x + 1 < n; ++x) {
    EXPECT_EQ(alpha(x, n / 2), alpha(n / 2, x));
    EXPECT_LE(alpha(x + 1, n / 2), alpha(x, n / 2));
    EXPECT_LE(alpha(x, n / 2) - alpha(x + 1, n / 2), 40) << "at " << x;
  }
}

}  // namespace
