#pragma once
// The three client-side arrays that draw hands to GL, tightly packed, four
// vertices per live particle. Buffers are reused: their length follows the live
// count, and once grown they are not allocated again.

#include <cstddef>
#include <vector>

class ParticleSystem;

struct DrawArrays {
  std::vector<float> vertices;   // x, y, z per vertex: 12 floats per particle
  std::vector<float> texCoords;  // s, t per vertex: 8 floats per particle
  std::vector<float> colours;    // red, green, blue, alpha per vertex: 16 floats per particle
  int quads = 0;

  // Quads whose texture coordinates already hold (texMaxU, texMaxV): they are the
  // same for every quad, so they are written once per slot, not once per frame.
  std::size_t texCoordQuads = 0;
  float texMaxU = 0.0f;
  float texMaxV = 0.0f;
};

// Fills `arrays` with one quad per live particle: size and alpha follow the
// remaining life, and particles younger than minVisibleAge get alpha 0.
void fillDrawArrays(const ParticleSystem& system, DrawArrays& arrays);
