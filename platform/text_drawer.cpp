#include "platform/text_drawer.h"

#include <GL/gl.h>

#include <vector>

#include "platform/font8x16.h"

namespace {

// The atlas holds the 128 cells of characters 0 to 127, 16 to a row.
constexpr int kAtlasColumns = 16;
constexpr int kAtlasRows = 8;
constexpr int kAtlasWidth = kAtlasColumns * kFontCellWidth;  // 128
constexpr int kAtlasHeight = kAtlasRows * kFontCellHeight;   // 128

GLuint atlas = 0;

// White texels, opaque where the glyph lights a pixel and clear elsewhere: under
// GL_MODULATE the current colour paints the glyph and the rest of the cell adds
// nothing under any blending that weighs by alpha.
void createAtlas() {
  std::vector<GLubyte> texels(static_cast<std::size_t>(kAtlasWidth) * kAtlasHeight * 4, 255);
  for (int c = 0; c < 128; ++c) {
    const int cellX = (c % kAtlasColumns) * kFontCellWidth;
    const int cellY = (c / kAtlasColumns) * kFontCellHeight;
    for (int row = 0; row < kFontCellHeight; ++row) {
      for (int col = 0; col < kFontCellWidth; ++col) {
        const std::size_t at =
            (static_cast<std::size_t>(cellY + row) * kAtlasWidth + cellX + col) * 4;
        texels[at + 3] = fontPixel(static_cast<unsigned char>(c), col, row) ? 255 : 0;
      }
    }
  }
  glGenTextures(1, &atlas);
  glBindTexture(GL_TEXTURE_2D, atlas);
  // Nearest texels: text is drawn at its own size on whole pixels, so each font
  // pixel covers exactly one screen pixel, with no blur from its neighbours.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kAtlasWidth, kAtlasHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               texels.data());
  glPopClientAttrib();
}

}  // namespace

unsigned int fontTextureName() { return atlas; }

void drawText(std::string_view text, int x, int y) {
  // The enable bits, the texture binding and environment, and the matrix mode
  // all come back with the pop at the end.
  glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_TRANSFORM_BIT);
  if (atlas == 0) createAtlas();

  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0.0, viewport[2], viewport[3], 0.0, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();

  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glDisable(GL_ALPHA_TEST);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, atlas);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

  constexpr float kCellU = 1.0f / kAtlasColumns;
  constexpr float kCellV = 1.0f / kAtlasRows;
  glBegin(GL_QUADS);
  int left = x;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    // Characters outside the font are empty cells: they only advance the pen.
    if (c > kFontFirstChar && c <= kFontLastChar) {
      const int column = c % kAtlasColumns;
      const int row = c / kAtlasColumns;  // whole rows of the atlas
      const float u = static_cast<float>(column) * kCellU;
      const float v = static_cast<float>(row) * kCellV;
      const int right = left + kFontCellWidth;
      const int bottom = y + kFontCellHeight;
      glTexCoord2f(u, v);
      glVertex2i(left, y);
      glTexCoord2f(u, v + kCellV);
      glVertex2i(left, bottom);
      glTexCoord2f(u + kCellU, v + kCellV);
      glVertex2i(right, bottom);
      glTexCoord2f(u + kCellU, v);
      glVertex2i(right, y);
    }
    left += kFontCellWidth;
  }
  glEnd();

  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glPopAttrib();
}
