#include "particles/draw_arrays.h"

#include "particles/particle_system.h"

void fillDrawArrays(const ParticleSystem& system, DrawArrays& arrays) {
  const auto n = static_cast<std::size_t>(system.liveCount);
  arrays.vertices.resize(12 * n);
  arrays.texCoords.resize(8 * n);
  arrays.colours.resize(16 * n);
  arrays.quads = system.liveCount;

  float* vertex = arrays.vertices.data();
  float* texCoord = arrays.texCoords.data();
  float* colour = arrays.colours.data();
  const double size = system.particleSize;
  const float maxU = system.texMaxU;
  const float maxV = system.texMaxV;
  forEachLive(system, [&](const Body& particle) {
    // A body emitted with life 0 has maxLife 0 too; it is drawn like any other
    // particle at the end of its life (size 0, alpha 0) rather than as 0 / 0.
    const double ratio = particle.maxLife == 0 ? 0.0
                                               : static_cast<double>(particle.life) /
                                                     static_cast<double>(particle.maxLife);
    const double s = size * ratio;
    const bool young = particle.maxLife - particle.life < system.minVisibleAge;
    const auto alpha = young ? 0.0f : static_cast<float>(ratio);
    const double x = particle.position.x;
    const double y = particle.position.y;
    const auto left = static_cast<float>(x - s);
    const auto right = static_cast<float>(x + s);
    const auto bottom = static_cast<float>(y - s);
    const auto top = static_cast<float>(y + s);

    // Lower left, upper left, upper right, lower right.
    const float corners[12] = {left, bottom, 0.0f, left, top, 0.0f,
                               right, top, 0.0f, right, bottom, 0.0f};
    const float coords[8] = {0.0f, 0.0f, 0.0f, maxV, maxU, maxV, maxU, 0.0f};
    const Colour& paint = *particle.colour;
    for (int k = 0; k < 12; ++k) vertex[k] = corners[k];
    for (int k = 0; k < 8; ++k) texCoord[k] = coords[k];
    for (int v = 0; v < 4; ++v) {
      colour[4 * v + 0] = paint[0];
      colour[4 * v + 1] = paint[1];
      colour[4 * v + 2] = paint[2];
      colour[4 * v + 3] = alpha;
    }
    vertex += 12;
    texCoord += 8;
    colour += 16;
  });
}
