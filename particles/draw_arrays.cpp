#include "particles/draw_arrays.h"

#include "particles/particle_system.h"

namespace {

// Four or eight floats written with one store (two where the machine has no
// 32-byte stores). The arrays are tightly packed, so the stores are unaligned:
// the types promise only a float's alignment, and may alias the floats.
using Float4 [[gnu::vector_size(16)]] = float;
using Float8 [[gnu::vector_size(32)]] = float;
using UnalignedFloat4 [[gnu::aligned(4), gnu::may_alias]] = Float4;
using UnalignedFloat8 [[gnu::aligned(4), gnu::may_alias]] = Float8;

// Taken by reference and always inlined: a 32-byte vector passed by value would
// have a different calling convention in the AVX2 copy of the fill.
[[gnu::always_inline]] inline void store(float* destination, const Float4& value) {
  *reinterpret_cast<UnalignedFloat4*>(destination) = value;
}
[[gnu::always_inline]] inline void store(float* destination, const Float8& value) {
  *reinterpret_cast<UnalignedFloat8*>(destination) = value;
}

}  // namespace

// The fill is bound by its stores: where the processor has AVX2 a second copy of
// it uses 32-byte ones. Both copies compute the same IEEE roundings.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void fillDrawArrays(const ParticleSystem& system, DrawArrays& arrays) {
  const auto n = static_cast<std::size_t>(system.liveCount);
  arrays.vertices.resize(12 * n);
  arrays.texCoords.resize(8 * n);
  arrays.colours.resize(16 * n);
  arrays.quads = system.liveCount;

  // Every quad has the same texture coordinates: only slots not yet written with
  // the current ones are filled.
  const float maxU = system.texMaxU;
  const float maxV = system.texMaxV;
  if (maxU != arrays.texMaxU || maxV != arrays.texMaxV) {
    arrays.texCoordQuads = 0;
    arrays.texMaxU = maxU;
    arrays.texMaxV = maxV;
  }
  if (arrays.texCoordQuads > n) arrays.texCoordQuads = n;
  for (std::size_t q = arrays.texCoordQuads; q < n; ++q) {
    store(&arrays.texCoords[8 * q], Float4{0.0f, 0.0f, 0.0f, maxV});
    store(&arrays.texCoords[8 * q + 4], Float4{maxU, maxV, maxU, 0.0f});
  }
  arrays.texCoordQuads = n;

  float* vertex = arrays.vertices.data();
  float* colour = arrays.colours.data();
  const double size = system.particleSize;
  const int minVisibleAge = system.minVisibleAge;
  forEachLive(system, [&](const Body& particle) __attribute__((always_inline)) {
    // A body emitted with life 0 has maxLife 0 too; it is drawn like any other
    // particle at the end of its life (size 0, alpha 0) rather than as 0 / 0.
    const double ratio = particle.maxLife == 0 ? 0.0
                                               : static_cast<double>(particle.life) /
                                                     static_cast<double>(particle.maxLife);
    const double s = size * ratio;
    // The age test does not change the size: a young particle is a full-size,
    // fully transparent quad.
    const float alpha = particle.maxLife - particle.life < minVisibleAge ? 0.0f : static_cast<float>(ratio);
    const double x = particle.position.x;
    const double y = particle.position.y;
    const auto left = static_cast<float>(x - s);
    const auto right = static_cast<float>(x + s);
    const auto bottom = static_cast<float>(y - s);
    const auto top = static_cast<float>(y + s);

    // Lower left, upper left, upper right, lower right, each (x, y, 0).
    store(vertex, Float8{left, bottom, 0.0f, left, top, 0.0f, right, top});
    store(vertex + 8, Float4{0.0f, right, bottom, 0.0f});
    const Colour& paint = *particle.colour;
    const float red = paint[0], green = paint[1], blue = paint[2];
    const Float8 twice{red, green, blue, alpha, red, green, blue, alpha};
    store(colour, twice);
    store(colour + 8, twice);
    vertex += 12;
    colour += 16;
  });
}
