#include "particles/particle_system.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/random.h"
#include "tests/alloc_counter.h"

namespace {

const Colour kRed{1.0f, 0.0f, 0.0f};

Vector2 vec(float x, float y) {
  Vector2 v;
  v.x = x;
  v.y = y;
  return v;
}

std::vector<const Body*> live(const ParticleSystem& s) {
  std::vector<const Body*> out;
  forEachLive(s, [&](const Body& b) { out.push_back(&b); });
  return out;
}

void expectBalanced(const ParticleSystem& s) {
  EXPECT_EQ(s.liveCount, s.liveParticles.size());
  EXPECT_EQ(s.freeCount, s.freePool.size());
  EXPECT_EQ(s.liveCount + s.freeCount, s.capacity);
}

TEST(ParticleSystem, ConstructionDefaults) {
  const ParticleSystem s;
  EXPECT_EQ(s.liveCount, 0);
  EXPECT_EQ(s.freeCount, 0);
  EXPECT_EQ(s.capacity, 0);
  EXPECT_EQ(s.attractionEnabled, 1);
  EXPECT_EQ(s.minVisibleAge, 10);
  EXPECT_EQ(s.particleSize, 4.0f);
  EXPECT_EQ(s.depth, -10.0f);
  EXPECT_EQ(s.damping, 1.0f);
  EXPECT_EQ(s.texMaxU, 0.0f);
  EXPECT_EQ(s.texMaxV, 0.0f);
  EXPECT_EQ(s.textureName, 0u);
  EXPECT_EQ(s.baseColour, (std::array<float, 4>{0.2f, 0.4f, 1.0f, 0.4f}));
  EXPECT_EQ(s.image, nullptr);
}

TEST(ParticleSystem, InitFillsThePool) {
  ParticleSystem s;
  s.init(10000, vec(1, 2), vec(3, 4));
  EXPECT_EQ(s.freeCount, 10000);
  EXPECT_EQ(s.getFreeCount(), 10000);
  EXPECT_EQ(s.capacity, 10000);
  EXPECT_EQ(s.liveCount, 0);
  EXPECT_EQ(s.vectorA.x, 1.0f);
  EXPECT_EQ(s.vectorB.y, 4.0f);
  expectBalanced(s);

  for (int capacity : {0, -5}) {
    ParticleSystem empty;
    empty.init(capacity, Vector2{}, Vector2{});
    EXPECT_EQ(empty.freeCount, capacity);
    empty.emit(Vector2{}, 0, 1, 5, kRed);
    EXPECT_EQ(empty.liveCount, 0) << "capacity " << capacity;
  }
}

TEST(ParticleSystem, ThePoolIsAStack) {
  ParticleSystem s;
  s.init(3, Vector2{}, Vector2{});
  s.emit(Vector2{}, 0, 1, 5, kRed);
  EXPECT_EQ(live(s).front(), &s.nodes()[2].body) << "the body created last goes first";
  s.emit(Vector2{}, 0, 1, 0, kRed);  // life 0: recycled in the next update
  const Body* second = live(s).back();
  s.update();
  ASSERT_EQ(s.liveCount, 1);
  s.emit(vec(7, 8), 0, 1, 5, kRed);
  EXPECT_EQ(live(s).back(), second) << "the body recycled last is emitted first";
  EXPECT_EQ(second->position.x, 7.0f);
  expectBalanced(s);
}

TEST(ParticleSystem, EmitOnAnEmptyPoolChangesNothing) {
  ParticleSystem s;
  s.init(1, Vector2{}, Vector2{});
  s.emit(Vector2{}, 0, 1, 5, kRed);
  s.emit(vec(9, 9), 0, 1, 5, kRed);
  EXPECT_EQ(s.liveCount, 1);
  EXPECT_EQ(s.freeCount, 0);
  EXPECT_EQ(live(s).front()->position.x, 0.0f);
  expectBalanced(s);
}

TEST(ParticleSystem, LifeOrderMoveThenRecycle) {
  // A particle with life L moves in L updates and is recycled in update L + 1;
  // life 0 is recycled in its own update, before it moves.
  for (int life : {0, 1, 3}) {
    ParticleSystem s;
    s.init(1, Vector2{}, Vector2{});
    s.emit(Vector2{}, 0, 1, life, kRed);
    for (int u = 1; u <= life; ++u) {
      s.update();
      ASSERT_EQ(s.liveCount, 1) << "life " << life << " update " << u;
    }
    EXPECT_EQ(s.nodes()[0].body.position.x, static_cast<float>(life));
    EXPECT_EQ(s.nodes()[0].body.life, 0);
    s.update();
    EXPECT_EQ(s.liveCount, 0) << "life " << life;
    EXPECT_EQ(s.nodes()[0].body.position.x, static_cast<float>(life)) << "recycling does not move";
    expectBalanced(s);
  }
}

TEST(ParticleSystem, RecyclingInTheMiddleSkipsNoParticle) {
  ParticleSystem s;
  s.init(4, Vector2{}, Vector2{});
  for (int life : {5, 0, 0, 5}) s.emit(Vector2{}, 0, 1, life, kRed);
  const auto before = live(s);
  s.update();
  ASSERT_EQ(s.liveCount, 2);
  EXPECT_EQ(live(s), (std::vector<const Body*>{before[0], before[3]}));
  EXPECT_EQ(before[0]->position.x, 1.0f);
  EXPECT_EQ(before[3]->position.x, 1.0f) << "the particle after the recycled ones still moves";
  expectBalanced(s);
}

TEST(ParticleSystem, NegativeLifeNeverReturns) {
  ParticleSystem s;
  s.init(1, Vector2{}, Vector2{});
  s.emit(Vector2{}, 0, 1, -1, kRed);
  for (int i = 0; i < 50; ++i) s.update();
  EXPECT_EQ(s.liveCount, 1);
}

// Counts the attractors' calls by the change they make: strength 0 gives a zero pull,
// so an attractor is seen through a body it would move.
TEST(ParticleSystem, AttractionDampingAndMovement) {
  Attractor a;
  a.init(vec(10, 0), 0, 0, 0, kNoColour);
  a.strength = 1.0f;
  a.polarity = 1.0f;

  for (int enabled : {1, 0}) {
    ParticleSystem s;
    s.init(1, Vector2{}, Vector2{});
    s.addAttractor(a);
    s.attractionEnabled = enabled;
    s.damping = 0.5f;
    s.emit(Vector2{}, 0, 2, 10, kRed);
    s.update();
    const Body& p = s.nodes()[0].body;
    // The pull of a radius-0 attractor at distance 10 is (0.01, 0); then damping.
    const float want = enabled ? static_cast<float>(static_cast<float>(2.0 + 0.01f) * 0.5) : 1.0f;
    EXPECT_EQ(p.velocity.x, want) << "attraction " << enabled;
    EXPECT_EQ(p.position.x, want);
    EXPECT_EQ(p.life, 9);
  }
}

TEST(ParticleSystem, DampingOneKeepsTheEmissionVelocity) {
  ParticleSystem s;
  s.init(1, Vector2{}, Vector2{});
  s.emit(Vector2{}, 30, 0.5, 100, kRed);
  const Vector2 v0 = s.nodes()[0].body.velocity;
  for (int i = 0; i < 99; ++i) s.update();
  EXPECT_EQ(s.nodes()[0].body.velocity.x, v0.x);
  EXPECT_EQ(s.nodes()[0].body.velocity.y, v0.y);
}

TEST(ParticleSystem, ParticlesEmittedInTheEmitterPassMoveInTheSameUpdate) {
  const Palette palette{kRed};
  EmitterSettings settings;
  settings.particlesPerEmission = 2;
  settings.particleSpeed = 1.0f;
  settings.particleLife = 7;
  settings.palette = &palette;
  ParticleSystem s;
  s.init(10, Vector2{}, Vector2{});
  Emitter e;
  e.configure(Vector2{}, 0.0f, 0.0f, 0, settings, s);
  e.emitting = 1;
  s.addEmitter(e);
  rng::restart();
  s.update();
  ASSERT_EQ(s.liveCount, 2);
  for (const Body* p : live(s)) {
    EXPECT_EQ(p->life, 6);
    EXPECT_EQ(p->position.x, p->velocity.x);
    EXPECT_EQ(p->previousPosition.x, 0.0f);
  }
}

TEST(ParticleSystem, NothingIsAllocatedAfterInit) {
  const Palette palette{kRed, {0.0f, 1.0f, 0.0f}};
  EmitterSettings settings;
  settings.particlesPerEmission = 10;
  settings.emissionInterval = 0;
  settings.spread = 45.0f;
  settings.particleSpeed = 0.01f;
  settings.particleSpeedVariation = 0.2f;
  settings.particleLife = 50;
  settings.particleLifeVariation = 20;
  settings.palette = &palette;
  ParticleSystem s;
  s.init(300, Vector2{}, Vector2{});
  Emitter e;
  e.configure(Vector2{}, 90.0f, 0.0f, 0, settings, s);
  e.emitting = 1;
  Attractor a1, a2;
  for (Attractor* a : {&a1, &a2}) {
    a->radius = 10.0f;
    a->strength = 1.1f;
    a->polarity = 1.0f;
    a->mass = 4.0f;
    s.addAttractor(*a);
  }
  a1.position.x = -10.0f;
  a2.position.x = 10.0f;
  s.addEmitter(e);
  fillDrawArrays(s, s.drawArrays);
  for (int i = 0; i < 60; ++i) {  // fill the pool and grow the draw buffers
    s.update();
    fillDrawArrays(s, s.drawArrays);
  }
  const std::size_t before = alloc_counter::allocations();
  for (int i = 0; i < 500; ++i) {  // pool full, emission and recycling running
    s.update();
    fillDrawArrays(s, s.drawArrays);
    expectBalanced(s);
  }
  EXPECT_EQ(alloc_counter::allocations(), before);
  EXPECT_GT(s.liveCount, 0);
}

}  // namespace
