#pragma once
// Turns an image into a 2D RGBA8 OpenGL texture whose sides are powers of two.
// Needs a current GL context.

#include "platform/image.h"

// The smallest power of two that is at least `n` (1 for n below 2).
int nextPowerOfTwo(int n);

// Creates a texture holding the whole image, scaled (not padded) to the largest
// power-of-two size the GL accepts, with every mipmap level down to 1x1 when
// `mipmapped` is true. Leaves the 2D binding, the pixel-store settings and all
// texture parameters as they were. Ends the program with "Unable to calculate
// tex size" if the GL refuses even a 1x1 texture. Returns the texture's name.
unsigned int uploadTexture(const Image& image, bool mipmapped);
