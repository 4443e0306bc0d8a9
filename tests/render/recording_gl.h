#pragma once
// A stand-in for the GL entry points that the particle draw and the texture
// upload call: each call is recorded with its arguments, and the few queries
// answer from a small model of the GL state that a test can set.

#include <string>
#include <vector>

struct GlCall {
  std::string name;
  std::vector<double> args;       // numbers and enums in call order
  const void* pointer = nullptr;  // the data pointer of calls that take one

  bool operator==(const GlCall& other) const {
    return name == other.name && args == other.args && pointer == other.pointer;
  }
};

namespace recording_gl {

std::vector<GlCall>& calls();

struct Model {
  int largestAccepted = 1 << 20;  // the proxy accepts sides up to this
  int refuseEverything = 0;       // the proxy accepts no size at all
  unsigned int boundTexture = 0;  // GL_TEXTURE_BINDING_2D
  unsigned int nextName = 1;
  bool quiet = false;  // record nothing, so that a test can count allocations
};
Model& model();

// Forgets the calls and restores the default model.
void reset();

}  // namespace recording_gl
