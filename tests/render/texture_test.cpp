// The particle texture: loading, the uploaded levels, the state the upload
// leaves behind, and the fatal error for a missing file.

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "particles/particle_system.h"
#include "platform/debug_log.h"
#include "tests/render/gl_context.h"
#include "tests/render/png_writer.h"

namespace {

// 100 x 60, in four quadrants: red top left, green top right, blue bottom left,
// white bottom right (top meaning the file's first rows).
std::string writeQuadrants() {
  PngPicture p;
  p.width = 100;
  p.height = 60;
  p.colourType = PNG_COLOR_TYPE_RGB;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      const bool right = x >= 50;
      const bool bottom = y >= 30;
      const int r = (!right && !bottom) || (right && bottom) ? 255 : 0;
      const int g = right ? 255 : 0;
      const int b = bottom ? 255 : 0;
      p.samples.insert(p.samples.end(), {r, g, b});
    }
  }
  const std::string path = ::testing::TempDir() + "texture_quadrants.png";
  writePng(path, p);
  return path;
}

Rgba texel(const std::vector<std::uint8_t>& level, int width, int x, int y) {
  const std::uint8_t* p = &level[(static_cast<std::size_t>(y) * width + x) * 4];
  return {p[0], p[1], p[2], p[3]};
}

GLint levelParameter(int level, GLenum name) {
  GLint value = -1;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
  return value;
}

class ParticleTexture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gl.ok());
    setDebugLogSink([this](std::string_view line) { log.emplace_back(line); });
    path = writeQuadrants();
  }
  void TearDown() override {
    setDebugLogSink({});
    std::remove(path.c_str());
  }

  OffscreenGl gl{16, 16};
  ParticleSystem system;
  std::vector<std::string> log;
  std::string path;
};

TEST_F(ParticleTexture, APowerOfTwoTextureHoldsTheWholeImage) {
  system.loadTexture(path);
  ASSERT_NE(system.image, nullptr);
  EXPECT_EQ(system.image->width, 100);
  EXPECT_EQ(system.image->height, 60);
  EXPECT_EQ(system.texMaxU, 1.0f);
  EXPECT_EQ(system.texMaxV, 1.0f);
  EXPECT_EQ(log, std::vector<std::string>{"Loaded texture with dimensions: (100, 60)"});
  ASSERT_NE(system.textureName, 0u);

  glBindTexture(GL_TEXTURE_2D, system.textureName);
  // A complete chain: every level down to 1 x 1.
  for (int level = 0; level <= 7; ++level) {
    EXPECT_EQ(levelParameter(level, GL_TEXTURE_WIDTH), std::max(128 >> level, 1)) << level;
    EXPECT_EQ(levelParameter(level, GL_TEXTURE_HEIGHT), std::max(64 >> level, 1)) << level;
    EXPECT_EQ(levelParameter(level, GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA8) << level;
  }

  // Scaled, not padded: the corners of the texture are the corners of the image,
  // and the quadrants' border lies in the middle. The outermost texels are left
  // out: gluScaleImage treats the image as periodic and blends a little of the
  // opposite edge into them, as the draw's GL_REPEAT sampling does anyway.
  std::vector<std::uint8_t> level0(128 * 64 * 4);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, level0.data());
  const struct {
    int x, y;
    Rgba colour;
  } probes[] = {
      {1, 1, {255, 0, 0, 255}},     {126, 1, {0, 255, 0, 255}},
      {1, 62, {0, 0, 255, 255}},    {126, 62, {255, 255, 255, 255}},
      {61, 10, {255, 0, 0, 255}},   {66, 10, {0, 255, 0, 255}},
      {10, 30, {255, 0, 0, 255}},   {10, 33, {0, 0, 255, 255}},
  };
  for (const auto& p : probes) {
    const Rgba t = texel(level0, 128, p.x, p.y);
    EXPECT_TRUE(near(t, p.colour)) << p.x << "," << p.y << ": " << t[0] << " " << t[1] << " " << t[2];
    EXPECT_EQ(texel(level0, 128, p.x, p.y)[3], 255);
  }
  // The smallest level is the image's average.
  std::vector<std::uint8_t> level7(4);
  glGetTexImage(GL_TEXTURE_2D, 7, GL_RGBA, GL_UNSIGNED_BYTE, level7.data());
  EXPECT_TRUE(near(texel(level7, 1, 0, 0), {128, 128, 128, 255}));
}

TEST_F(ParticleTexture, UploadLeavesBindingPixelStoreAndParametersAlone) {
  GLuint other = 0;
  glGenTextures(1, &other);
  glBindTexture(GL_TEXTURE_2D, other);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 3);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
  glPixelStorei(GL_PACK_ALIGNMENT, 2);

  system.loadTexture(path);

  GLint value = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &value);
  EXPECT_EQ(value, static_cast<GLint>(other));
  glGetIntegerv(GL_UNPACK_ROW_LENGTH, &value);
  EXPECT_EQ(value, 3);
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &value);
  EXPECT_EQ(value, 8);
  glGetIntegerv(GL_PACK_ALIGNMENT, &value);
  EXPECT_EQ(value, 2);

  // The new texture keeps GL's defaults: each draw sets its own filters.
  glBindTexture(GL_TEXTURE_2D, system.textureName);
  const struct {
    GLenum name;
    GLint value;
  } defaults[] = {{GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_LINEAR},
                  {GL_TEXTURE_MAG_FILTER, GL_LINEAR},
                  {GL_TEXTURE_WRAP_S, GL_REPEAT},
                  {GL_TEXTURE_WRAP_T, GL_REPEAT}};
  for (const auto& d : defaults) {
    glGetTexParameteriv(GL_TEXTURE_2D, d.name, &value);
    EXPECT_EQ(value, d.value) << std::hex << d.name;
  }
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ParticleTexture, ASecondLoadReplacesImageAndName) {
  system.loadTexture(path);
  const unsigned int first = system.textureName;
  const Image* firstImage = system.image.get();
  system.loadTexture(path);
  EXPECT_NE(system.textureName, first);
  EXPECT_NE(system.image.get(), firstImage);
  EXPECT_EQ(glIsTexture(first), GL_TRUE) << "the earlier texture is not deleted";
  EXPECT_EQ(log.size(), 2u);
}

TEST(ParticleTextureFailure, AMissingOrBrokenFileEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::string broken = ::testing::TempDir() + "broken_particle.png";
  writeBytes(broken, {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0});
  const struct {
    std::string file;
    std::string message;
  } cases[] = {
      {"particle2-missing.png", "^Unable to load texture \"particle2-missing.png\": no such file\n$"},
      {broken, "^Unable to load texture \".*broken_particle.png\": not a PNG file\n$"},
  };
  for (const auto& c : cases) {
    // No GL context is current: the failure comes before any GL call.
    EXPECT_EXIT(
        {
          ParticleSystem system;
          system.loadTexture(c.file);
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), c.message);
  }
  std::remove(broken.c_str());
}

}  // namespace
