#include "platform/font8x16.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string glyph(int c) {
  std::string bits;
  for (int row = 0; row < kFontCellHeight; ++row) {
    for (int col = 0; col < kFontCellWidth; ++col) {
      bits += fontPixel(static_cast<unsigned char>(c), col, row) ? '#' : '.';
    }
  }
  return bits;
}

TEST(Font, GlyphsStayInsideRowsOneToTwelveAndOffTheLastColumn) {
  for (int c = 0; c < 256; ++c) {
    for (int col = -1; col <= kFontCellWidth; ++col) {
      for (int row = -1; row <= kFontCellHeight; ++row) {
        const bool inside = row >= kFontFirstRow && row <= kFontLastRow && col >= 0 && col < 7;
        if (!inside) {
          EXPECT_FALSE(fontPixel(static_cast<unsigned char>(c), col, row))
              << "char " << c << " col " << col << " row " << row;
        }
      }
    }
  }
}

TEST(Font, EveryPrintableCharacterHasItsOwnGlyph) {
  const std::string empty(kFontCellWidth * kFontCellHeight, '.');
  EXPECT_EQ(glyph(' '), empty);
  std::set<std::string> seen;
  for (int c = kFontFirstChar + 1; c <= kFontLastChar; ++c) {
    EXPECT_NE(glyph(c), empty) << "char " << c;
    EXPECT_TRUE(seen.insert(glyph(c)).second) << "char " << c << " looks like another";
  }
  for (int c : {0, 9, 31, 128, 200, 255}) EXPECT_EQ(glyph(c), empty) << "char " << c;
}

}  // namespace
