// Particles rendered by Mesa's software rasterizer, with the GL state the
// program sets at start-up: perspective projection, additive blending, no depth
// test, 2D texturing.

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

#include "particles/particle_system.h"
#include "platform/texture_upload.h"
#include "tests/render/gl_context.h"

namespace {

constexpr int kSize = 64;
constexpr int kClear = 51;  // 0.2 of 255
const Colour kOrange{1.0f, 0.5f, 0.25f};

class ParticlePixels : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gl.ok());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, 2.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glClearColor(0.2f, 0.2f, 0.2f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    // A white texture of alpha 128 everywhere: every texel scales by 128/255.
    Image texture;
    texture.width = texture.height = 8;
    texture.rgba.assign(8 * 8 * 4, 255);
    for (std::size_t i = 3; i < texture.rgba.size(); i += 4) texture.rgba[i] = 128;
    system.init(16, Vector2{}, Vector2{});
    system.textureName = uploadTexture(texture, true);
    system.texMaxU = system.texMaxV = 1.0f;
    system.minVisibleAge = 0;
  }

  Body& add(float x, float y, int maxLife, int life) {
    Vector2 position;
    position.x = x;
    position.y = y;
    system.emit(position, 0.0, 0.0, maxLife, kOrange);
    Body& body = system.nodes()[system.liveParticles.last()].body;
    body.life = life;
    return body;
  }

  bool lit(int x, int y) const { return !near(gl.pixel(x, y), {kClear, kClear, kClear, 0}); }

  // Lit pixels along the middle row.
  int litWidth() const {
    int count = 0;
    for (int x = 0; x < kSize; ++x) count += lit(x, kSize / 2) ? 1 : 0;
    return count;
  }

  // Where x in the particle plane lands on screen, in pixels from the left edge.
  double screenX(double x) const {
    const double tanHalf = std::tan(22.5 * 3.141592653589793 / 180.0);
    return kSize / 2.0 + x / -system.depth / tanHalf * (kSize / 2.0);
  }

  OffscreenGl gl{kSize, kSize};
  ParticleSystem system;
};

TEST_F(ParticlePixels, ColourAddsScaledByTexelAlphaAndParticleAlpha) {
  system.particleSize = 2.0f;
  add(0.0f, 0.0f, 100, 50);  // alpha 0.5
  system.draw();
  // 255 x colour x 128/255 x 0.5 onto the clear colour.
  const Rgba once{kClear + 64, kClear + 32, kClear + 16, 0};
  EXPECT_TRUE(near(gl.pixel(32, 32), once)) << gl.pixel(32, 32)[0] << " " << gl.pixel(32, 32)[1];
  system.draw();
  const Rgba twice{kClear + 128, kClear + 64, kClear + 32, 0};
  EXPECT_TRUE(near(gl.pixel(32, 32), twice)) << "the second draw adds again";
}

TEST_F(ParticlePixels, HiddenParticlesLeaveTheFrameUnchanged) {
  const std::vector<std::uint8_t> before = gl.readFrame();
  system.particleSize = 3.0f;
  system.minVisibleAge = 10;
  add(0.0f, 0.0f, 100, 91);   // age 9
  add(1.0f, 1.0f, 100, 0);    // life 0
  system.draw();
  EXPECT_EQ(gl.readFrame(), before);

  add(-1.0f, 0.0f, 100, 90);  // age 10: visible
  system.draw();
  EXPECT_NE(gl.readFrame(), before);
}

TEST_F(ParticlePixels, TheQuadShrinksWithLife) {
  system.particleSize = 2.0f;
  Body& particle = add(0.0f, 0.0f, 100, 100);
  for (int life : {100, 50, 25}) {
    glClear(GL_COLOR_BUFFER_BIT);
    particle.life = life;
    system.draw();
    const double half = screenX(2.0 * life / 100.0) - kSize / 2.0;
    EXPECT_NEAR(litWidth(), 2.0 * half, 1.0) << "life " << life;
  }
}

TEST_F(ParticlePixels, DepthMovesEveryParticle) {
  system.particleSize = 1.0f;
  add(-3.0f, 0.0f, 100, 100);
  add(3.0f, 0.0f, 100, 100);
  for (float depth : {-10.0f, -20.0f, -40.0f}) {
    glClear(GL_COLOR_BUFFER_BIT);
    system.depth = depth;
    system.draw();
    const int left = static_cast<int>(screenX(-3.0));
    const int right = static_cast<int>(screenX(3.0));
    EXPECT_TRUE(lit(left, 32)) << "depth " << depth;
    EXPECT_TRUE(lit(right, 32)) << "depth " << depth;
    // Both quads are narrower than the gap between them.
    EXPECT_FALSE(lit((left + right) / 2, 32)) << "depth " << depth;
    const double half = screenX(1.0) - kSize / 2.0;
    EXPECT_NEAR(litWidth(), 4.0 * half, 2.0) << "depth " << depth;
  }
  // The same particles at -10 and at -20 share no lit pixel on the left.
  glClear(GL_COLOR_BUFFER_BIT);
  system.depth = -20.0f;
  system.draw();
  system.depth = -10.0f;
  EXPECT_FALSE(lit(static_cast<int>(screenX(-3.0)), 32));
}

}  // namespace
