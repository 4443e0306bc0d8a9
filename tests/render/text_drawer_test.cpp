// Text drawn through the GL: exact glyph pixels and the state left behind.

#include "platform/text_drawer.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/font8x16.h"
#include "shell/overlay_draw.h"
#include "tests/render/gl_context.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 48;

class TextDrawer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gl.ok());
    // The program's state: a perspective projection, additive blending.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, double(kWidth) / kHeight, 2.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1.0f, 2.0f, -3.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
  }

  // Compares the whole frame with `text` set at (x, y) in `colour` on black:
  // every pixel of a lit glyph pixel in that colour, every other pixel black.
  void expectText(const std::string& text, int x, int y, const Rgba& colour) {
    const std::vector<std::uint8_t> frame = gl.readFrame();
    int wrong = 0;
    for (int row = 0; row < kHeight; ++row) {
      const int top = kHeight - 1 - row;  // the frame comes bottom row first
      for (int px = 0; px < kWidth; ++px) {
        const int cell = px >= x ? (px - x) / kFontCellWidth : -1;
        bool on = false;
        if (cell >= 0 && cell < static_cast<int>(text.size())) {
          on = fontPixel(static_cast<unsigned char>(text[cell]), (px - x) % kFontCellWidth,
                         top - y);
        }
        const std::uint8_t* p = &frame[(static_cast<std::size_t>(row) * kWidth + px) * 4];
        const Rgba actual{p[0], p[1], p[2], 0};
        if (!near(actual, on ? colour : Rgba{0, 0, 0, 0}) && ++wrong <= 5) {
          ADD_FAILURE() << "pixel (" << px << ", " << top << ") should be "
                        << (on ? "lit" : "dark") << ", is " << actual[0] << "," << actual[1]
                        << "," << actual[2];
        }
      }
    }
    EXPECT_EQ(wrong, 0);
  }

  OffscreenGl gl{kWidth, kHeight};
};

TEST_F(TextDrawer, LightsExactlyTheGlyphPixelsInTheCurrentColour) {
  std::string all;
  for (int c = kFontFirstChar; c <= kFontLastChar; ++c) all += static_cast<char>(c);
  ASSERT_EQ(all.size() * kFontCellWidth, 768u);
  glColor3f(1.0f, 0.5f, 0.25f);
  drawText(all, 13, 7);
  expectText(all, 13, 7, {255, 128, 64, 0});
}

TEST_F(TextDrawer, OtherCharactersAreEmptyCells) {
  const std::string text = "A\tB\x01" "C\xc8" "D\x7f" "E";
  glColor3f(1.0f, 1.0f, 1.0f);
  drawText(text, 0, 30);
  expectText(text, 0, 30, {255, 255, 255, 0});
}

TEST_F(TextDrawer, AddsUnderTheCurrentBlending) {
  glClearColor(0.2f, 0.2f, 0.2f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glColor3f(0.5f, 0.25f, 0.0f);
  drawText("#", 0, 0);
  // '#' lights (2, 3): cell row 3 is glyph row 2, "..#.#...".
  EXPECT_TRUE(near(gl.pixel(2, kHeight - 1 - 3), {51 + 128, 51 + 64, 51, 0}));
  EXPECT_TRUE(near(gl.pixel(3, kHeight - 1 - 3), {51, 51, 51, 0}));
}

TEST_F(TextDrawer, OverlayLinesAreDrawnWhereTheySay) {
  const std::string first = "FPS : 60";
  const std::string second = "12 particles on screen";
  glColor3f(1.0f, 1.0f, 1.0f);
  drawOverlay({{first, 8, 8}, {second, 8 + 8 * static_cast<int>(first.size()) + 16, 8}});
  const std::string joined = first + "  " + second;
  expectText(joined, 8, 8, {255, 255, 255, 0});
}

// Everything the drawer changes while it works, read back.
struct GlState {
  std::array<float, 16> projection{};
  std::array<float, 16> modelview{};
  GLint matrixMode = 0;
  GLint binding = 0;
  GLint envMode = 0;
  std::array<GLboolean, 5> enables{};

  static GlState read() {
    GlState s;
    glGetFloatv(GL_PROJECTION_MATRIX, s.projection.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, s.modelview.data());
    glGetIntegerv(GL_MATRIX_MODE, &s.matrixMode);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.binding);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &s.envMode);
    const GLenum caps[] = {GL_DEPTH_TEST, GL_CULL_FACE, GL_ALPHA_TEST, GL_TEXTURE_2D, GL_BLEND};
    for (std::size_t i = 0; i < 5; ++i) s.enables[i] = glIsEnabled(caps[i]);
    return s;
  }
  bool operator==(const GlState& o) const {
    return projection == o.projection && modelview == o.modelview &&
           matrixMode == o.matrixMode && binding == o.binding && envMode == o.envMode &&
           enables == o.enables;
  }
};

TEST_F(TextDrawer, WorksWhateverTheStateAndLeavesItAsFound) {
  // Each of these would hide the text if the drawer kept it.
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_NEVER);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_FRONT_AND_BACK);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_NEVER, 0.0f);
  glDisable(GL_TEXTURE_2D);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  GLuint other = 0;
  glGenTextures(1, &other);
  glBindTexture(GL_TEXTURE_2D, other);
  glMatrixMode(GL_TEXTURE);

  for (int pass = 0; pass < 2; ++pass) {  // the first call also makes the atlas
    const GlState before = GlState::read();
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(0.0f, 1.0f, 0.0f);
    drawText("Text 42!", 100, 20);
    EXPECT_TRUE(GlState::read() == before) << "pass " << pass;
    expectText("Text 42!", 100, 20, {0, 255, 0, 0});
  }
  EXPECT_NE(fontTextureName(), 0u);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
