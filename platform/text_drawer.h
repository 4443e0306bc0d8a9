#pragma once
// Text over the picture in the 8x16 font: pixel coordinates of the viewport,
// y downward, in the current colour and under the current blending. Needs a
// current GL context; the font's texture is made on the first call.

#include <string_view>

// Draws `text` with the top-left corner of its first cell at (x, y), one cell
// every 8 pixels to the right. Leaves the matrices, the matrix mode, the enables,
// the 2D texture binding and the texture environment as they were.
void drawText(std::string_view text, int x, int y);

// The font texture's GL name, 0 until the first drawText.
unsigned int fontTextureName();
