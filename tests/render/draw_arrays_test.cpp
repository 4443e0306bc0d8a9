#include "particles/draw_arrays.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "particles/particle_system.h"
#include "tests/alloc_counter.h"

namespace {

const Colour kOrange{1.0f, 0.5f, 0.25f};
const Colour kTeal{0.0f, 0.75f, 0.625f};

Vector2 at(float x, float y) {
  Vector2 v;
  v.x = x;
  v.y = y;
  return v;
}

// A system whose live particles are placed and aged by hand.
class DrawArraysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    system.init(64, Vector2{}, Vector2{});
    system.texMaxU = 0.75f;  // distinct from 1.0 so that the corners show which is which
    system.texMaxV = 0.5f;
  }

  // Emits one particle and gives it `life` of `maxLife` updates remaining.
  Body& add(float x, float y, int maxLife, int life, const Colour& colour = kOrange) {
    system.emit(at(x, y), 0.0, 0.0, maxLife, colour);
    Body& body = system.nodes()[system.liveParticles.last()].body;
    body.life = life;
    return body;
  }

  ParticleSystem system;
  DrawArrays arrays;
};

TEST_F(DrawArraysTest, OneQuadPerParticleInListOrder) {
  system.particleSize = 4.0f;
  system.minVisibleAge = 0;
  add(3.0f, -2.0f, 60, 30);
  add(-1.5f, 0.25f, 10, 10, kTeal);
  fillDrawArrays(system, arrays);

  ASSERT_EQ(arrays.quads, 2);
  ASSERT_EQ(arrays.vertices.size(), 24u);
  ASSERT_EQ(arrays.texCoords.size(), 16u);
  ASSERT_EQ(arrays.colours.size(), 32u);
  // Half life: half the edge. Lower left, upper left, upper right, lower right.
  const std::vector<float> first{1.0f, -4.0f, 0.0f, 1.0f, 0.0f,  0.0f,
                                 5.0f, 0.0f,  0.0f, 5.0f, -4.0f, 0.0f};
  const std::vector<float> second{-5.5f, -3.75f, 0.0f, -5.5f, 4.25f,  0.0f,
                                  2.5f,  4.25f,  0.0f, 2.5f,  -3.75f, 0.0f};
  EXPECT_EQ(std::vector<float>(arrays.vertices.begin(), arrays.vertices.begin() + 12), first);
  EXPECT_EQ(std::vector<float>(arrays.vertices.begin() + 12, arrays.vertices.end()), second);
  const std::vector<float> corners{0.0f, 0.0f, 0.0f, 0.5f, 0.75f, 0.5f, 0.75f, 0.0f};
  EXPECT_EQ(std::vector<float>(arrays.texCoords.begin(), arrays.texCoords.begin() + 8), corners);
  EXPECT_EQ(std::vector<float>(arrays.texCoords.begin() + 8, arrays.texCoords.end()), corners);
  for (int v = 0; v < 4; ++v) {
    const float* c = &arrays.colours[4 * v];
    EXPECT_EQ(std::vector<float>(c, c + 4), (std::vector<float>{1.0f, 0.5f, 0.25f, 0.5f}));
    const float* d = &arrays.colours[16 + 4 * v];
    EXPECT_EQ(std::vector<float>(d, d + 4), (std::vector<float>{0.0f, 0.75f, 0.625f, 1.0f}));
  }
}

// After an update the fill walks the live order as an array, four particles at a
// time; before one it walks the list. Both must write the same bits.
TEST(DrawArraysWalks, FourAtATimeMatchesOneAtATime) {
  struct Case {
    float x, y;
    int maxLife, life;
  };
  // Eleven particles: two groups of four and a remainder of three, with young,
  // half-spent, nearly spent and over-full ones among them.
  const Case cases[] = {{3.0f, -2.0f, 60, 30},   {-1.5f, 0.25f, 10, 10}, {0.3f, 1.0f / 3.0f, 3, 1},
                        {1e-3f, -7.25f, 90, 89}, {5.5f, 5.5f, 7, 2},     {-0.1f, 0.2f, 1000, 1},
                        {2.0f, -2.0f, 40, 45},   {8.0f, 0.0f, 12, 11},   {-3.0f, 4.0f, 5, 5},
                        {0.0f, 0.0f, 100, 37},   {9.75f, -9.75f, 3, 2}};
  ParticleSystem batched, single;
  for (ParticleSystem* s : {&batched, &single}) {
    s->init(64, Vector2{}, Vector2{});
    s->texMaxU = s->texMaxV = 1.0f;
    s->particleSize = 1.3f;
    s->minVisibleAge = 4;
    for (const Case& c : cases) s->emit(at(c.x, c.y), 0.0, 0.0, c.maxLife + 1, kOrange);
  }
  // Still particles with no attractor stay put; the update only ages them.
  batched.update();
  ASSERT_NE(batched.liveOrder(), nullptr);
  ASSERT_EQ(single.liveOrder(), nullptr);
  for (ParticleSystem* s : {&batched, &single}) {
    int k = 0;
    for (std::int32_t i = s->liveParticles.first(); i != kNoIndex;
         i = IndexList::next(s->nodes(), i)) {
      Body& body = s->nodes()[i].body;
      body.maxLife = cases[k].maxLife;
      body.life = cases[k].life;
      body.colour = k % 2 ? &kTeal : &kOrange;
      ++k;
    }
  }
  DrawArrays a, b;
  fillDrawArrays(batched, a);
  fillDrawArrays(single, b);
  ASSERT_EQ(a.quads, 11);
  ASSERT_EQ(b.quads, 11);
  EXPECT_EQ(std::memcmp(a.vertices.data(), b.vertices.data(), a.vertices.size() * sizeof(float)),
            0);
  EXPECT_EQ(std::memcmp(a.colours.data(), b.colours.data(), a.colours.size() * sizeof(float)), 0);
  // And the fill is not trivially equal: particle 0 is half spent, particle 1 young.
  EXPECT_EQ(a.colours[3], 0.5f);
  EXPECT_EQ(a.colours[16 + 3], 0.0f);
  EXPECT_EQ(a.vertices[12 * 3 + 6], static_cast<float>(double(1e-3f) + double(1.3f) * 89.0 / 90.0));
}

TEST_F(DrawArraysTest, CoordinatesAreWorkedInDoubleAndStoredAsFloat) {
  system.particleSize = 0.1f;
  system.minVisibleAge = 0;
  add(0.3f, 1.0f / 3.0f, 3, 1);
  fillDrawArrays(system, arrays);
  const double s = static_cast<double>(0.1f) * (1.0 / 3.0);
  EXPECT_EQ(arrays.vertices[0], static_cast<float>(static_cast<double>(0.3f) - s));
  EXPECT_EQ(arrays.vertices[4], static_cast<float>(static_cast<double>(1.0f / 3.0f) + s));
  EXPECT_EQ(arrays.colours[3], static_cast<float>(1.0 / 3.0));
}

TEST_F(DrawArraysTest, AlphaFollowsLifeAndTheVisibleAge) {
  struct Case {
    int minVisibleAge;
    int maxLife;
    int life;
    float alpha;
  };
  const Case cases[] = {
      {10, 100, 91, 0.0f},                      // age 9: still hidden
      {10, 100, 90, 0.9f},                      // age 10: visible (strictly-less test)
      {1, 100, 99, 0.99f},                      // every drawn particle has age 1 or more
      {0, 100, 100, 1.0f},                      // age 0 shows at 0 or below
      {-5, 100, 100, 1.0f},                     // signed comparison
      {101, 100, 0, 0.0f},                      // above maxLife: never visible
      {101, 100, 50, 0.0f}, {0, 100, 0, 0.0f},  // life 0: alpha 0 whatever the age rule
  };
  for (const Case& c : cases) {
    ParticleSystem fresh;
    fresh.init(1, Vector2{}, Vector2{});
    fresh.particleSize = 2.0f;
    fresh.minVisibleAge = c.minVisibleAge;
    fresh.emit(at(0.0f, 0.0f), 0.0, 0.0, c.maxLife, kOrange);
    fresh.nodes()[0].body.life = c.life;
    fillDrawArrays(fresh, arrays);
    const float size = static_cast<float>(2.0 * c.life / c.maxLife);
    for (int v = 0; v < 4; ++v) {
      EXPECT_EQ(arrays.colours[4 * v + 3], c.alpha)
          << "minVisibleAge " << c.minVisibleAge << " life " << c.life;
    }
    // Hiding a young particle leaves its size alone.
    EXPECT_EQ(arrays.vertices[6], size) << "life " << c.life;
  }
}

TEST_F(DrawArraysTest, LifeZeroIsAPointWithAlphaZero) {
  system.minVisibleAge = 0;
  add(2.5f, -7.0f, 40, 0);
  add(1.0f, 1.0f, 0, 0);  // emitted with life 0: maxLife 0 as well
  fillDrawArrays(system, arrays);
  for (int v = 0; v < 4; ++v) {
    EXPECT_EQ(arrays.vertices[3 * v], 2.5f);
    EXPECT_EQ(arrays.vertices[3 * v + 1], -7.0f);
    EXPECT_EQ(arrays.colours[4 * v + 3], 0.0f);
    EXPECT_EQ(arrays.vertices[12 + 3 * v], 1.0f);
    EXPECT_EQ(arrays.vertices[12 + 3 * v + 1], 1.0f);
    EXPECT_EQ(arrays.colours[16 + 4 * v + 3], 0.0f);
  }
}

TEST_F(DrawArraysTest, BuffersFollowTheCountWithoutReallocating) {
  for (int i = 0; i < 50; ++i) add(0.0f, 0.0f, 20, 20);
  fillDrawArrays(system, arrays);  // grows the buffers once
  ASSERT_EQ(arrays.vertices.size(), 600u);

  ParticleSystem few;
  few.init(3, Vector2{}, Vector2{});
  for (int i = 0; i < 3; ++i) few.emit(Vector2{}, 0.0, 0.0, 5, kOrange);
  ParticleSystem none;

  const std::size_t before = alloc_counter::allocations();
  fillDrawArrays(few, arrays);
  EXPECT_EQ(arrays.quads, 3);
  EXPECT_EQ(arrays.vertices.size(), 36u);
  EXPECT_EQ(arrays.texCoords.size(), 24u);
  EXPECT_EQ(arrays.colours.size(), 48u);
  fillDrawArrays(none, arrays);
  EXPECT_EQ(arrays.quads, 0);
  EXPECT_TRUE(arrays.vertices.empty());
  fillDrawArrays(system, arrays);
  EXPECT_EQ(arrays.quads, 50);
  EXPECT_EQ(arrays.colours.size(), 800u);
  EXPECT_EQ(alloc_counter::allocations(), before);
}

}  // namespace
