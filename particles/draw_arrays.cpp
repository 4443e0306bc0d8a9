#include "particles/draw_arrays.h"

#include "particles/particle_system.h"

namespace {

// Four or eight floats written with one store (two where the machine has no
// 32-byte stores). The arrays are tightly packed, so the stores are unaligned:
// the types promise only a float's alignment, and may alias the floats.
using Float4 [[gnu::vector_size(16)]] = float;
using Float8 [[gnu::vector_size(32)]] = float;
using Double4 [[gnu::vector_size(32)]] = double;
using Int4 [[gnu::vector_size(16)]] = int;
using Int8 [[gnu::vector_size(32)]] = int;
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

// The vertices of four quads, from their left and bottom edges (leftBottom, lanes
// 0-3 and 4-7) and their top and right edges (topRight): each quad is lower left,
// upper left, upper right, lower right, each vertex (x, y, 0). Indices pick lanes of
// the two vectors side by side; masked lanes are the zero z coordinates.
[[gnu::always_inline]] inline void writeVertices(float* destination, const Float8& leftBottom,
                                                 const Float8& topRight) {
  const Int8 keep036{-1, -1, 0, -1, -1, 0, -1, -1};
  const Int8 keep147{0, -1, -1, 0, -1, -1, 0, -1};
  const Int8 keep258{-1, 0, -1, -1, 0, -1, -1, 0};
  // Not const: clang wants both arms of ?: of one type, qualifiers included.
  Float8 zero{};
  Float8 lb = leftBottom;
  Float8 tr = topRight;
  // l(j) = j, b(j) = 4 + j, t(j) = 8 + j, r(j) = 12 + j; 0 marks a z lane.
  store(destination + 0, keep036 ? __builtin_shufflevector(lb, tr, 0, 4, 0, 0, 8, 0, 12, 8) : zero);
  store(destination + 8, keep147 ? __builtin_shufflevector(lb, tr, 0, 12, 4, 0, 1, 5, 0, 1) : zero);
  store(destination + 16,
        keep258 ? __builtin_shufflevector(lb, tr, 9, 0, 13, 9, 0, 13, 5, 0) : zero);
  store(destination + 24,
        keep036 ? __builtin_shufflevector(lb, tr, 2, 6, 0, 2, 10, 0, 14, 10) : zero);
  store(destination + 32,
        keep147 ? __builtin_shufflevector(lb, tr, 0, 14, 6, 0, 3, 7, 0, 3) : zero);
  store(destination + 40,
        keep258 ? __builtin_shufflevector(lb, tr, 11, 0, 15, 11, 0, 15, 7, 0) : zero);
}

// The colour of one quad: the same RGBA at its four vertices.
[[gnu::always_inline]] inline void writeColour(float* destination, const Colour& paint,
                                               float alpha) {
  const Float8 twice{paint[0], paint[1], paint[2], alpha, paint[0], paint[1], paint[2], alpha};
  store(destination, twice);
  store(destination + 8, twice);
}

}  // namespace

// Where the processor has AVX2 a second copy of the fill uses 32-byte vectors for
// its arithmetic and its stores. Both copies compute the same IEEE roundings.
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
  const double minVisibleAge = system.minVisibleAge;
  const ParticleSystem::Node* nodes = system.nodes();
  const std::int32_t* order = system.liveOrder();
  std::size_t k = 0;
  if (order) {
    // Four particles at a time: the division of the remaining life dominates the
    // fill, and four of them cost about as much as one. Vector arithmetic rounds
    // each lane exactly as the scalar code below does.
    for (; k + 4 <= n; k += 4) {
      const Body* quad[4];
      for (int j = 0; j < 4; ++j) quad[j] = &nodes[order[k + j]].body;
      const Body& p0 = *quad[0];
      const Body& p1 = *quad[1];
      const Body& p2 = *quad[2];
      const Body& p3 = *quad[3];
      // Gathered at their own width and widened four at a time; the widening is exact.
      const Double4 life =
          __builtin_convertvector((Int4{p0.life, p1.life, p2.life, p3.life}), Double4);
      const Double4 maxLife =
          __builtin_convertvector((Int4{p0.maxLife, p1.maxLife, p2.maxLife, p3.maxLife}), Double4);
      const Double4 x = __builtin_convertvector(
          (Float4{p0.position.x, p1.position.x, p2.position.x, p3.position.x}), Double4);
      const Double4 y = __builtin_convertvector(
          (Float4{p0.position.y, p1.position.y, p2.position.y, p3.position.y}), Double4);
      const Double4 zero{}, one{1.0, 1.0, 1.0, 1.0};
      const auto unborn = maxLife == zero;
      const Double4 ratio = unborn ? zero : life / (unborn ? one : maxLife);
      const Double4 s = size * ratio;
      const auto young = maxLife - life < minVisibleAge;
      const Float4 alpha = __builtin_convertvector(young ? zero : ratio, Float4);
      const Float8 leftBottom = __builtin_convertvector(
          __builtin_shufflevector(x - s, y - s, 0, 1, 2, 3, 4, 5, 6, 7), Float8);
      const Float8 topRight = __builtin_convertvector(
          __builtin_shufflevector(y + s, x + s, 0, 1, 2, 3, 4, 5, 6, 7), Float8);
      writeVertices(vertex, leftBottom, topRight);
      for (std::size_t j = 0; j < 4; ++j) writeColour(colour + 16 * j, *quad[j]->colour, alpha[j]);
      vertex += 48;
      colour += 64;
    }
  }
  const auto single = [&](const Body& particle) __attribute__((always_inline)) {
    // A body emitted with life 0 has maxLife 0 too; it is drawn like any other
    // particle at the end of its life (size 0, alpha 0) rather than as 0 / 0.
    const double ratio = particle.maxLife == 0 ? 0.0
                                               : static_cast<double>(particle.life) /
                                                     static_cast<double>(particle.maxLife);
    const double s = size * ratio;
    // The age test does not change the size: a young particle is a full-size,
    // fully transparent quad.
    const double age = static_cast<double>(particle.maxLife) - particle.life;
    const float alpha = age < minVisibleAge ? 0.0f : static_cast<float>(ratio);
    const double x = particle.position.x;
    const double y = particle.position.y;
    const auto left = static_cast<float>(x - s);
    const auto right = static_cast<float>(x + s);
    const auto bottom = static_cast<float>(y - s);
    const auto top = static_cast<float>(y + s);
    // Lower left, upper left, upper right, lower right, each (x, y, 0).
    store(vertex, Float8{left, bottom, 0.0f, left, top, 0.0f, right, top});
    store(vertex + 8, Float4{0.0f, right, bottom, 0.0f});
    writeColour(colour, *particle.colour, alpha);
    vertex += 12;
    colour += 16;
  };
  if (!order) {
    forEachLive(system, single);
    return;
  }
  for (; k < n; ++k) single(nodes[order[k]].body);
}
