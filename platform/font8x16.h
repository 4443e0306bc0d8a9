#pragma once
// The project's own fixed-pitch bitmap font: 8x16-pixel cells for the
// characters 32 to 127, glyphs drawn within rows 1 to 12 of the cell (capitals
// on rows 2 to 10, descenders on 11 and 12). Every other character is an empty
// cell. Plain data without GL, so tests can decode pictures with the same font.

inline constexpr int kFontCellWidth = 8;
inline constexpr int kFontCellHeight = 16;
inline constexpr int kFontFirstRow = 1;  // first cell row a glyph may use
inline constexpr int kFontLastRow = 12;  // last cell row a glyph may use
inline constexpr int kFontFirstChar = 32;
inline constexpr int kFontLastChar = 127;

// Whether the glyph of `c` lights pixel (col, row) of its cell, row 0 at the top.
// False outside the cell.
bool fontPixel(unsigned char c, int col, int row);
