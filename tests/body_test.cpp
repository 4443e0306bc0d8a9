#include "motion/body.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

Vector2 vec(float x, float y) {
  Vector2 v;
  v.x = x;
  v.y = y;
  return v;
}

TEST(Body, StartsAtRestWithUnitMass) {
  const Body b;
  EXPECT_EQ(b.mass, 1.0f);
  EXPECT_EQ(b.life, 0);
  EXPECT_EQ(b.maxLife, 0);
  EXPECT_EQ(*b.colour, (Colour{0.0f, 0.0f, 0.0f}));
}

TEST(Body, InitLaunchesAlongTheAngleInDegrees) {
  const Colour red{1.0f, 0.0f, 0.0f};
  Body b;
  b.previousPosition = vec(7, 7);
  b.mass = 3.0f;
  b.init(vec(1, 2), 90.0, 2.0, 40, red);
  EXPECT_EQ(b.position.x, 1.0f);
  EXPECT_EQ(b.position.y, 2.0f);
  // cos(90 degrees) through pi/180 is not exactly zero.
  EXPECT_EQ(b.velocity.x, static_cast<float>(2.0 * 6.123233995736766e-17));
  EXPECT_FLOAT_EQ(b.velocity.x, 1.2246469e-16f);
  EXPECT_EQ(b.velocity.y, 2.0f);
  EXPECT_EQ(b.life, 40);
  EXPECT_EQ(b.maxLife, 40);
  EXPECT_EQ(b.colour, &red) << "the colour is shared, not copied";
  EXPECT_EQ(b.previousPosition.x, 7.0f) << "init leaves the previous position";
  EXPECT_EQ(b.mass, 3.0f) << "init leaves the mass";

  b.init(Vector2{}, 0.0, 0.0, 5, red);
  EXPECT_EQ(b.velocity.x, 0.0f);
  EXPECT_EQ(b.velocity.y, 0.0f);
}

TEST(Body, UpdateMovesOneStepAndAges) {
  Body b;
  b.velocity = vec(1, 0.5f);
  for (int i = 0; i < 3; ++i) b.update();
  EXPECT_EQ(b.position.x, 3.0f);
  EXPECT_EQ(b.position.y, 1.5f);
  EXPECT_EQ(b.previousPosition.x, 2.0f);
  EXPECT_EQ(b.previousPosition.y, 1.0f);
  EXPECT_EQ(b.life, -3) << "life is not clamped at zero";
}

TEST(Body, AccelerateAndScaleVelocity) {
  Body b;
  b.velocity = vec(1, 2);
  b.accelerate(vec(0.5f, -1));
  b.scaleVelocity(2.0);
  EXPECT_EQ(b.velocity.x, 3.0f);
  EXPECT_EQ(b.velocity.y, 2.0f);
}

TEST(Body, LifeStopsAtTheMinimumInsteadOfOverflowing) {
  Body b;
  b.life = INT_MIN + 1;
  b.update();
  EXPECT_EQ(b.life, INT_MIN);
  b.update();
  b.update();
  EXPECT_EQ(b.life, INT_MIN);
  EXPECT_EQ(b.position.x, 0.0f);
}

}  // namespace
