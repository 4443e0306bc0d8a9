// The GL calls of a particle draw and of a texture upload, recorded by the
// stand-in GL of recording_gl.cpp.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "particles/particle_system.h"
#include "platform/text_drawer.h"
#include "platform/texture_upload.h"
#include "tests/alloc_counter.h"
#include "tests/render/recording_gl.h"

namespace {

const Colour kWhite{1.0f, 1.0f, 1.0f};

GlCall call(const char* name, std::vector<double> args, const void* pointer = nullptr) {
  return {name, std::move(args), pointer};
}

// The sixteen calls of one draw of `system`, whose arrays it has just filled.
std::vector<GlCall> drawSequence(const ParticleSystem& system) {
  return {
      call("glBindTexture", {GL_TEXTURE_2D, double(system.textureName)}),
      call("glTexParameteri", {GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR}),
      call("glTexParameteri", {GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR}),
      call("glEnableClientState", {GL_VERTEX_ARRAY}),
      call("glEnableClientState", {GL_TEXTURE_COORD_ARRAY}),
      call("glEnableClientState", {GL_COLOR_ARRAY}),
      call("glPushMatrix", {}),
      call("glVertexPointer", {3, GL_FLOAT, 0}, system.drawArrays.vertices.data()),
      call("glTexCoordPointer", {2, GL_FLOAT, 0}, system.drawArrays.texCoords.data()),
      call("glColorPointer", {4, GL_FLOAT, 0}, system.drawArrays.colours.data()),
      call("glTranslatef", {0.0, 0.0, double(system.depth)}),
      call("glDrawArrays", {GL_QUADS, 0, 4.0 * system.liveCount}),
      call("glPopMatrix", {}),
      call("glDisableClientState", {GL_VERTEX_ARRAY}),
      call("glDisableClientState", {GL_TEXTURE_COORD_ARRAY}),
      call("glDisableClientState", {GL_COLOR_ARRAY}),
  };
}

void printCalls(std::ostream& out, const std::vector<GlCall>& calls) {
  for (const GlCall& c : calls) {
    out << c.name << "(";
    for (double a : c.args) out << a << " ";
    out << (c.pointer ? "ptr" : "") << ")\n";
  }
}

class DrawCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    recording_gl::reset();
    system.init(10, Vector2{}, Vector2{});
    system.textureName = 7;
    system.texMaxU = system.texMaxV = 1.0f;
    system.depth = -23.5f;
  }
  void expectCalls(const std::vector<GlCall>& expected) {
    std::ostringstream actual;
    printCalls(actual, recording_gl::calls());
    EXPECT_EQ(recording_gl::calls(), expected) << actual.str();
  }
  ParticleSystem system;
};

TEST_F(DrawCalls, SixteenCallsInOrderWithOneDrawForAllParticles) {
  for (int i = 0; i < 3; ++i) system.emit(Vector2{}, 0.0, 0.0, 30, kWhite);
  system.draw();
  ASSERT_EQ(system.drawArrays.quads, 3);
  expectCalls(drawSequence(system));
}

TEST_F(DrawCalls, AnEmptyFrameStillIssuesEveryCall) {
  system.draw();
  std::vector<GlCall> expected = drawSequence(system);
  EXPECT_EQ(expected[11], call("glDrawArrays", {GL_QUADS, 0, 0}));
  expectCalls(expected);
}

TEST_F(DrawCalls, EveryFrameSetsTheFiltersAndDrawsOnce) {
  system.emit(Vector2{}, 0.0, 0.0, 30, kWhite);
  system.draw();
  std::vector<GlCall> expected = drawSequence(system);
  system.emit(Vector2{}, 0.0, 0.0, 30, kWhite);
  system.depth = -40.0f;
  system.draw();
  const std::vector<GlCall> second = drawSequence(system);
  EXPECT_EQ(second[11], call("glDrawArrays", {GL_QUADS, 0, 8}));
  expected.insert(expected.end(), second.begin(), second.end());
  expectCalls(expected);
}

TEST_F(DrawCalls, TheSteadyStateAllocatesNothing) {
  for (int i = 0; i < 10; ++i) system.emit(Vector2{}, 0.0, 0.0, 30, kWhite);
  recording_gl::model().quiet = true;
  system.draw();  // grows the arrays
  for (int i = 0; i < 5; ++i) system.update();
  const std::size_t before = alloc_counter::allocations();
  system.draw();
  system.draw();
  EXPECT_EQ(alloc_counter::allocations(), before);
}

TEST(TextCalls, OnlyTheFirstCallAllocates) {
  recording_gl::reset();
  recording_gl::model().quiet = true;
  drawText("first call makes the atlas", 0, 0);
  const std::size_t before = alloc_counter::allocations();
  drawText("FPS : 60", 8, 576);
  drawText("Up/Down: Move emitter away from/towards the camera (-80.0000000)", 8, 75);
  EXPECT_EQ(alloc_counter::allocations(), before);
}

class UploadCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    recording_gl::reset();
    recording_gl::model().boundTexture = 42;
  }
  static Image image(int width, int height) {
    Image im;
    im.width = width;
    im.height = height;
    im.rgba.assign(static_cast<std::size_t>(width) * height * 4, 0x80);
    return im;
  }
  static std::vector<GlCall> named(const char* name) {
    std::vector<GlCall> out;
    for (const GlCall& c : recording_gl::calls()) {
      if (c.name == name) out.push_back(c);
    }
    return out;
  }
  static std::size_t indexOf(const GlCall& wanted, std::size_t from = 0) {
    const auto& calls = recording_gl::calls();
    for (std::size_t i = from; i < calls.size(); ++i) {
      if (calls[i] == wanted) return i;
    }
    return calls.size();
  }
};

TEST_F(UploadCalls, LevelsAndSizes) {
  struct Case {
    int width, height, largestAccepted;
    bool mipmapped;
    std::vector<std::pair<int, int>> levels;
  };
  const Case cases[] = {
      {100, 60, 1 << 20, true,
       {{128, 64}, {64, 32}, {32, 16}, {16, 8}, {8, 4}, {4, 2}, {2, 1}, {1, 1}}},
      // Refused sizes are halved on every side above 1 until accepted.
      {100, 60, 32, true, {{32, 16}, {16, 8}, {8, 4}, {4, 2}, {2, 1}, {1, 1}}},
      {3, 1, 1 << 20, true, {{4, 1}, {2, 1}, {1, 1}}},
      {1, 1, 1 << 20, true, {{1, 1}}},
      {100, 60, 1 << 20, false, {{128, 64}}},
  };
  for (const Case& c : cases) {
    recording_gl::reset();
    recording_gl::model().largestAccepted = c.largestAccepted;
    const Image im = image(c.width, c.height);
    const unsigned int name = uploadTexture(im, c.mipmapped);
    EXPECT_EQ(name, 1u);

    std::vector<std::pair<int, int>> levels;
    int expectedLevel = 0;
    for (const GlCall& t : named("glTexImage2D")) {
      if (t.args[0] != GL_TEXTURE_2D) continue;
      EXPECT_EQ(t.args[1], expectedLevel++);
      EXPECT_EQ(t.args[2], GL_RGBA8);
      EXPECT_EQ(t.args[6], GL_RGBA);
      EXPECT_EQ(t.args[7], GL_UNSIGNED_BYTE);
      EXPECT_NE(t.pointer, nullptr);
      levels.emplace_back(int(t.args[3]), int(t.args[4]));
    }
    EXPECT_EQ(levels, c.levels) << c.width << "x" << c.height;
    // Every level that differs from the image in size is scaled from the image.
    std::size_t scaled = 0;
    for (const GlCall& s : named("gluScaleImage")) {
      EXPECT_EQ(s.pointer, im.rgba.data());
      EXPECT_EQ(s.args[1], c.width);
      EXPECT_EQ(s.args[2], c.height);
      EXPECT_EQ(std::make_pair(int(s.args[4]), int(s.args[5])), c.levels[scaled]);
      ++scaled;
    }
    const bool firstIsImage = c.levels[0] == std::make_pair(c.width, c.height);
    EXPECT_EQ(scaled, c.levels.size() - (firstIsImage ? 1 : 0));
    EXPECT_TRUE(named("glTexParameteri").empty()) << "no texture parameters are set";
  }
}

TEST_F(UploadCalls, PixelStoreAndBindingAreRestored) {
  const Image im = image(100, 60);
  uploadTexture(im, true);
  const auto& calls = recording_gl::calls();
  const std::size_t push = indexOf(call("glPushClientAttrib", {GL_CLIENT_PIXEL_STORE_BIT}));
  const std::size_t pop = indexOf(call("glPopClientAttrib", {}));
  const std::size_t firstScale = indexOf(named("gluScaleImage").front());
  const std::size_t lastTexImage = indexOf(named("glTexImage2D").back());
  ASSERT_LT(push, calls.size());
  EXPECT_LT(indexOf(call("glPixelStorei", {GL_UNPACK_ALIGNMENT, 1}), push), firstScale);
  EXPECT_LT(indexOf(call("glPixelStorei", {GL_PACK_ALIGNMENT, 1}), push), firstScale);
  EXPECT_LT(indexOf(call("glPixelStorei", {GL_UNPACK_ROW_LENGTH, 0}), push), firstScale);
  EXPECT_LT(lastTexImage, pop);
  EXPECT_EQ(calls.back(), call("glBindTexture", {GL_TEXTURE_2D, 42}));
  EXPECT_EQ(recording_gl::model().boundTexture, 42u);
}

TEST(UploadFailure, RefusingEvenOneByOneIsFatal) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        recording_gl::reset();
        recording_gl::model().refuseEverything = 1;
        Image im;
        im.width = 8;
        im.height = 8;
        im.rgba.assign(256, 0);
        uploadTexture(im, true);
      },
      ::testing::ExitedWithCode(EXIT_FAILURE), "^Unable to calculate tex size\n$");
}

}  // namespace
