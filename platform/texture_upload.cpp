#include "platform/texture_upload.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <vector>

#include "platform/fatal.h"

int nextPowerOfTwo(int n) {
  int size = 1;
  while (size < n && size < (1 << 30)) size *= 2;
  return size;
}

namespace {

bool proxyAccepts(int width, int height) {
  glTexImage2D(GL_PROXY_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               nullptr);
  GLint acceptedWidth = 0;
  glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &acceptedWidth);
  return acceptedWidth != 0;
}

// Halves every side above 1 until the GL accepts the size.
void fitTextureSize(int& width, int& height) {
  while (!proxyAccepts(width, height)) {
    if (width == 1 && height == 1) fatalError("Unable to calculate tex size");
    if (width > 1) width /= 2;
    if (height > 1) height /= 2;
  }
}

}  // namespace

unsigned int uploadTexture(const Image& image, bool mipmapped) {
  int width = nextPowerOfTwo(image.width);
  int height = nextPowerOfTwo(image.height);
  fitTextureSize(width, height);

  GLint previousBinding = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousBinding);
  // gluScaleImage honours the pack and unpack settings, and rows whose byte
  // width is not a multiple of the alignment would be read past their end;
  // tightly packed rows everywhere, and the caller's settings back afterwards.
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_PACK_SKIP_ROWS, 0);
  glPixelStorei(GL_PACK_SKIP_PIXELS, 0);

  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);

  // Each level is scaled from the image itself rather than from the level
  // above, so no level inherits the blur of another.
  std::vector<std::uint8_t> level(static_cast<std::size_t>(width) * height * 4);
  for (int lod = 0;; ++lod) {
    const bool sameSize = width == image.width && height == image.height;
    const void* pixels = image.rgba.data();
    if (!sameSize) {
      gluScaleImage(GL_RGBA, image.width, image.height, GL_UNSIGNED_BYTE, image.rgba.data(),
                    width, height, GL_UNSIGNED_BYTE, level.data());
      pixels = level.data();
    }
    glTexImage2D(GL_TEXTURE_2D, lod, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels);
    if (!mipmapped || (width == 1 && height == 1)) break;
    if (width > 1) width /= 2;
    if (height > 1) height /= 2;
  }

  glPopClientAttrib();
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previousBinding));
  return name;
}
