#include "motion/vector2.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Vector2 vec(float x, float y) {
  Vector2 v;
  v.x = x;
  v.y = y;
  return v;
}

void expectVec(const Vector2& v, float x, float y) {
  EXPECT_EQ(v.x, x) << "x";
  EXPECT_EQ(v.y, y) << "y";
}

TEST(Vector2, StartsAtZero) { expectVec(Vector2{}, 0.0f, 0.0f); }

TEST(Vector2, InPlaceOperations) {
  Vector2 v = vec(1, 3);
  v.scale(0.5);
  expectVec(v, 0.5f, 1.5f);

  v = vec(1, -2);
  v.negate();
  expectVec(v, -1.0f, 2.0f);

  v = vec(3, 4);
  v.subtract(vec(1, 6));
  expectVec(v, 2.0f, -2.0f);
  v.add(vec(0.5f, 0.25f));
  expectVec(v, 2.5f, -1.75f);

  v = vec(3, 4);
  v.normalize();
  expectVec(v, 0.6f, 0.8f);
  EXPECT_EQ(vec(3, 4).distanceTo(Vector2{}), 5.0);
}

TEST(Vector2, ClampLimitsFromAboveThenBelow) {
  struct Case {
    float x, y;
    double upper, lower;
    float wantX, wantY;
  };
  const Case cases[] = {
      {5, -7, 2, -2, 2, -2},
      {1, -1, 2, -2, 1, -1},
      {5, -7, -1, 1, 1, 1},  // crossed bounds: both end at the lower bound
      {-3, 9, -1, 1, 1, 1},
  };
  for (const Case& c : cases) {
    Vector2 v = vec(c.x, c.y);
    v.clamp(c.upper, c.lower);
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ") clamp(" << c.upper << ", "
                                    << c.lower << ")");
    expectVec(v, c.wantX, c.wantY);
  }
}

TEST(Vector2, CopyToCopiesValuesNotIdentity) {
  Vector2 a = vec(1.5f, -2.5f);
  a.copyTo(a);
  expectVec(a, 1.5f, -2.5f);
  Vector2 b;
  a.copyTo(b);
  a.x = 9;
  expectVec(b, 1.5f, -2.5f);
}

TEST(Vector2, NormalizeOfZeroStaysZero) {
  Vector2 v;
  v.normalize();
  expectVec(v, 0.0f, 0.0f);
}

TEST(Vector2, DistanceIsUnrounded) {
  const double d = vec(1, 1).distanceTo(Vector2{});
  EXPECT_EQ(d, std::sqrt(2.0));
  EXPECT_NE(d, static_cast<double>(static_cast<float>(d)));
}

}  // namespace
