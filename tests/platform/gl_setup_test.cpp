// setProjection and initGLState on an offscreen Mesa context: the state they leave
// is read back from GL itself.

#include <GL/gl.h>
#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "shell/gl_setup.h"

namespace {

class GlSetupTest : public testing::Test {
 protected:
  void SetUp() override {
    context_ = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    ASSERT_NE(context_, nullptr);
    ASSERT_TRUE(OSMesaMakeCurrent(context_, pixels_.data(), GL_UNSIGNED_BYTE, kWidth, kHeight));
  }
  void TearDown() override {
    if (context_) OSMesaDestroyContext(context_);
  }

  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;
  OSMesaContext context_ = nullptr;
  std::vector<unsigned char> pixels_ = std::vector<unsigned char>(kWidth * kHeight * 4);
};

// gluPerspective(45, aspect, 2, 100), column by column.
std::vector<double> perspective(double aspect) {
  const double f = 1.0 / std::tan(45.0 / 2.0 * 3.141592653589793 / 180.0);
  const double n = 2.0, far = 100.0;
  return {f / aspect, 0, 0, 0, 0, f, 0, 0, 0, 0, (far + n) / (n - far), -1, 0, 0,
          2 * far * n / (n - far), 0};
}

TEST_F(GlSetupTest, ProjectionUsesTheRealAspectRatio) {
  setProjection(kWidth, kHeight);
  GLdouble projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  const std::vector<double> expected = perspective(4.0 / 3.0);
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(projection[i], expected[i], 1e-6) << "element " << i;
  // The integer quotient 800 / 600 = 1 would make these two equal.
  EXPECT_NEAR(projection[5] / projection[0], 4.0 / 3.0, 1e-6);  // GL keeps floats
}

TEST_F(GlSetupTest, ProjectionFollowsAnotherSize) {
  setProjection(640, 400);
  GLdouble projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  EXPECT_NEAR(projection[5] / projection[0], 1.6, 1e-6);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 640);
  EXPECT_EQ(viewport[3], 400);
}

TEST_F(GlSetupTest, ProjectionLeavesTheModelviewSelectedAndIdentity) {
  glMatrixMode(GL_MODELVIEW);
  glTranslatef(1, 2, 3);  // to see that setProjection resets it
  setProjection(kWidth, kHeight);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
  GLfloat modelview[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(modelview[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[0], 0);
  EXPECT_EQ(viewport[1], 0);
  EXPECT_EQ(viewport[2], kWidth);
  EXPECT_EQ(viewport[3], kHeight);
}

TEST_F(GlSetupTest, InitGlStateSetsTheRunsDrawingState) {
  // Start from the opposite of what is wanted, so each line is seen to act.
  glShadeModel(GL_FLAT);
  glClearColor(1, 1, 1, 1);
  glClearDepth(0.5);
  glEnable(GL_DEPTH_TEST);
  initGLState();

  GLint value = 0;
  glGetIntegerv(GL_SHADE_MODEL, &value);
  EXPECT_EQ(value, GL_SMOOTH);
  GLfloat clear[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  EXPECT_EQ(clear[0], 0.0f);
  EXPECT_EQ(clear[1], 0.0f);
  EXPECT_EQ(clear[2], 0.0f);
  EXPECT_EQ(clear[3], 0.0f);
  GLfloat depth = 0;
  glGetFloatv(GL_DEPTH_CLEAR_VALUE, &depth);
  EXPECT_EQ(depth, 1.0f);
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
  for (GLenum array : {GL_VERTEX_ARRAY, GL_TEXTURE_COORD_ARRAY, GL_COLOR_ARRAY})
    EXPECT_TRUE(glIsEnabled(array)) << array;
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  glGetIntegerv(GL_BLEND_SRC, &value);
  EXPECT_EQ(value, GL_SRC_ALPHA);
  glGetIntegerv(GL_BLEND_DST, &value);
  EXPECT_EQ(value, GL_ONE);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
