#include "particles/particle_system.h"

void ParticleSystem::init(int poolSize, const Vector2& a, const Vector2& b) {
  capacity = poolSize;
  a.copyTo(vectorA);
  b.copyTo(vectorB);
  if (poolSize > 0) {
    nodes_.resize(static_cast<std::size_t>(poolSize));
    liveOrder_.resize(static_cast<std::size_t>(poolSize));
    for (std::int32_t i = 0; i < poolSize; ++i) freePool.pushBack(nodes_.data(), i);
  }
  freeCount = poolSize;
}

void ParticleSystem::emit(const Vector2& position, double angle, double speed, int life,
                          const Colour& colour) {
  if (freeCount <= 0) return;
  const std::int32_t i = freePool.popBack(nodes_.data());
  // Recycled bodies are not cleared: init sets every field the next frame reads.
  nodes_[i].body.init(position, angle, speed, life, colour);
  liveParticles.pushBack(nodes_.data(), i);
  liveOrderValid_ = false;
  ++liveCount;
  --freeCount;
}

void ParticleSystem::update() {
  for (Emitter* emitter : emitters) emitter->update();

  Node* nodes = nodes_.data();
  std::int32_t* order = liveOrder_.data();
  int visited = 0;
  std::int32_t i = liveParticles.first();
  while (i != kNoIndex) {
    Body& particle = nodes[i].body;
    if (particle.life == 0) {
      const std::int32_t next = liveParticles.unlink(nodes, i);
      freePool.pushBack(nodes, i);
      --liveCount;
      ++freeCount;
      i = next;
      continue;
    }
    if (attractionEnabled != 0) {
      for (const Attractor* attractor : attractors) attractor->applyForce(particle);
    }
    particle.velocity.scale(damping);
    particle.Body::update();  // pool bodies are plain Bodies
    order[visited++] = i;
    i = nodes[i].links.next;
  }
  liveOrderValid_ = true;
}
