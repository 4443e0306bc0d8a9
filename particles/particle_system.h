#pragma once
// The fixed pool of particles and the list of live ones. All bodies are created
// once by init, in one contiguous array; afterwards they only move between the free
// pool and the live list, whose links sit beside each body.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "motion/attractor.h"
#include "motion/body.h"
#include "motion/emission_target.h"
#include "motion/emitter.h"
#include "particles/draw_arrays.h"
#include "platform/image.h"
#include "platform/index_list.h"

class ParticleSystem final : public EmissionTarget {
 public:
  struct Node {
    Body body;
    ListLinks links;
  };

  IndexList liveParticles;  // in emission order: emission appends at the end
  IndexList freePool;       // a stack: the body recycled last is emitted first
  std::vector<Attractor*> attractors;  // not owned; act on live particles in this order
  std::vector<Emitter*> emitters;      // not owned
  Vector2 vectorA;          // the components of init's first vector; nothing reads it
  Vector2 vectorB;          // the components of init's second vector; nothing reads it
  int liveCount = 0;        // bodies in liveParticles; shown on screen
  int capacity = 0;         // pool size given to init
  int freeCount = 0;        // bodies in freePool; the limit on emission
  int attractionEnabled = 1;              // flag: attractors act during update
  std::unique_ptr<Image> image;           // the particle image, kept for the system's life
  unsigned int textureName = 0;           // GL name of the particle texture
  float texMaxU = 0.0f;                   // largest s of a quad; 1.0 once the texture is loaded
  float texMaxV = 0.0f;                   // largest t of a quad; 1.0 once the texture is loaded
  float particleSize = 4.0f;              // half the edge of a quad at full life
  float depth = -10.0f;                   // z translation of every particle when drawn
  float damping = 1.0f;                   // velocity factor per update
  std::array<float, 4> baseColour{0.2f, 0.4f, 1.0f, 0.4f};  // nothing reads it
  int minVisibleAge = 10;                 // younger particles are drawn fully transparent

  // Creates the pool; called once, on a fresh system. Nothing is allocated for
  // particles after it.
  void init(int poolSize, const Vector2& a, const Vector2& b);

  int getFreeCount() const override { return freeCount; }
  void emit(const Vector2& position, double angle, double speed, int life,
            const Colour& colour) override;
  void addEmitter(Emitter& emitter) { emitters.push_back(&emitter); }
  void addAttractor(Attractor& attractor) { attractors.push_back(&attractor); }

  // One step: every emitter, then every live particle is recycled (life exactly
  // 0) or pulled, damped, moved and aged.
  void update();

  // Loads the particle image and makes its mipmapped texture; needs a GL context.
  void loadTexture(const std::string& fileName);
  // Draws every live particle in one batch; needs a GL context.
  void draw();

  // The bodies in pool order (the order init created them).
  const Node* nodes() const { return nodes_.data(); }
  Node* nodes() { return nodes_.data(); }

  // The live list as a plain array of node indices, as the latest update walked
  // it, or null once an emission outside update has changed the list since.
  // Readers that only need the order (the draw) use it instead of chasing links:
  // each hop of a list walk waits for the load before it.
  const std::int32_t* liveOrder() const { return liveOrderValid_ ? liveOrder_.data() : nullptr; }

  // The arrays of the latest draw, reused from frame to frame.
  DrawArrays drawArrays;

 private:
  std::vector<Node> nodes_;
  std::vector<std::int32_t> liveOrder_;
  bool liveOrderValid_ = false;
};

// Calls f(body) for each live particle, in live-list order. Always inlined, so
// that a caller compiled for a wider instruction set gets the loop in that set.
template <class F>
__attribute__((always_inline)) inline void forEachLive(const ParticleSystem& system, F&& f) {
  const ParticleSystem::Node* nodes = system.nodes();
  if (const std::int32_t* order = system.liveOrder()) {
    for (int k = 0; k < system.liveCount; ++k) f(nodes[order[k]].body);
    return;
  }
  for (std::int32_t i = system.liveParticles.first(); i != kNoIndex;
       i = IndexList::next(nodes, i)) {
    f(nodes[i].body);
  }
}
