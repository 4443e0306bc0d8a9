#include <string>

#include "particles/particle_system.h"
#include "platform/debug_log.h"
#include "platform/fatal.h"
#include "platform/png_image.h"
#include "platform/texture_upload.h"

void ParticleSystem::loadTexture(const std::string& fileName) {
  ImageLoadResult loaded = loadPngImage(fileName);
  // Without an image there is nothing to upload and draw would sample a texture
  // that was never made, so the program stops here with the file's name.
  if (!loaded.image) {
    fatalError("Unable to load texture \"" + fileName + "\": " + loaded.reason);
  }
  image = std::move(loaded.image);
  debugLog("Loaded texture with dimensions: (" + std::to_string(image->width) + ", " +
           std::to_string(image->height) + ")");
  textureName = uploadTexture(*image, true);
  texMaxU = 1.0f;
  texMaxV = 1.0f;
}
