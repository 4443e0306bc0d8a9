#include "motion/attractor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Vector2 vec(float x, float y) {
  Vector2 v;
  v.x = x;
  v.y = y;
  return v;
}

Attractor sceneAttractor(float x, float y) {
  Attractor a;
  a.init(vec(x, y), 0.0, 0.0, 0, kNoColour);
  a.mass = 4.0f;
  a.radius = 10.0f;
  a.strength = 1.1f;
  a.polarity = 1.0f;
  return a;
}

// The velocity change that `a` gives a resting body at `p`.
Vector2 pull(const Attractor& a, Vector2 p) {
  Body b;
  b.position = p;
  a.applyForce(b);
  return b.velocity;
}

// The pull written out with every value in T: double is the rule (float fields,
// double arithmetic, rounded to float where a field is stored), float is the
// shortcut that computes in single precision throughout.
template <class T>
Vector2 model(const Attractor& a, Vector2 p) {
  const T kRad = static_cast<T>(0.017453292519943295);
  const T kDeg = static_cast<T>(57.29577951308232);
  const float dx = static_cast<float>(T(a.position.x) - T(p.x));
  const float dy = static_cast<float>(T(a.position.y) - T(p.y));
  const T t = T(dy) / T(dx);
  const T at = std::fabs(std::atan(t) * kDeg);
  T phi = dx < 0 && dy > 0 ? 90 - at : dx < 0 && dy < 0 ? 90 + at : dx > 0 && dy < 0 ? 270 - at : 270 + at;
  const float px = static_cast<float>(T(static_cast<float>(T(a.radius) * std::cos(phi * kRad))) + T(a.position.x));
  const float py = static_cast<float>(T(static_cast<float>(T(a.radius) * std::sin(phi * kRad))) + T(a.position.y));
  const T ux = T(px) - T(p.x), uy = T(py) - T(p.y);
  const T dist = std::sqrt(ux * ux + uy * uy);
  const float nx = static_cast<float>(ux), ny = static_cast<float>(uy);
  const T len = std::sqrt(T(nx) * T(nx) + T(ny) * T(ny));
  const T factor = T(a.strength) * T(a.mass) / (dist * dist);
  const float fx = static_cast<float>(T(static_cast<float>(T(nx) / len)) * factor);
  const float fy = static_cast<float>(T(static_cast<float>(T(ny) / len)) * factor);
  return vec(static_cast<float>(T(fx) * T(a.polarity)), static_cast<float>(T(fy) * T(a.polarity)));
}

TEST(Attractor, PullTowardThePointAQuarterTurnClockwise) {
  struct Case {
    float ax, ay, px, py;
    double wantX, wantY;  // approximate, from the geometry
  };
  const double k = 0.022 / std::sqrt(2.0);
  const Case cases[] = {
      {10, 0, 0, 0, k, -k},    // phi 270: pull point (10, -10)
      {-10, 0, 0, 0, -k, -k},  // level at larger x: last row, phi 270, pull point (-10, -10)
  };
  for (const Case& c : cases) {
    const Vector2 got = pull(sceneAttractor(c.ax, c.ay), vec(c.px, c.py));
    EXPECT_NEAR(got.x, c.wantX, 1e-6) << c.ax << "," << c.ay;
    EXPECT_NEAR(got.y, c.wantY, 1e-6) << c.ax << "," << c.ay;
  }
  // Just above the axis the table's first rows apply: phi = 90 + 0.0057, pull point
  // near (-10.001, 10), so the pull now points up.
  const Vector2 above = pull(sceneAttractor(-10, 0), vec(0, 0.001f));
  EXPECT_LT(above.x, 0.0f);
  EXPECT_GT(above.y, 0.0f);
}

TEST(Attractor, ZeroComponentRowsOfThePhiTable) {
  // radius 1 at the origin; the pull direction tells which phi was taken.
  Attractor a = sceneAttractor(0, 0);
  a.radius = 1.0f;
  struct Case {
    float px, py;
    bool pullsRight, pullsUp;
  };
  const Case cases[] = {
      {0, 5, true, false},    // dx = 0, dy < 0: phi 360, pull point (1, 0)
      {0, -5, true, true},    // dx = 0, dy > 0: phi 360 as well
      {5, 0, false, false},   // dx < 0, dy = 0: phi 270, pull point (0, -1)
      {-5, 0, true, false},   // dx > 0, dy = 0: phi 270
  };
  for (const Case& c : cases) {
    const Vector2 got = pull(a, vec(c.px, c.py));
    SCOPED_TRACE(testing::Message() << "particle (" << c.px << ", " << c.py << ")");
    EXPECT_EQ(got.x > 0, c.pullsRight) << got.x;
    EXPECT_EQ(got.y > 0, c.pullsUp) << got.y;
    EXPECT_EQ(got.x, model<double>(a, vec(c.px, c.py)).x);
    EXPECT_EQ(got.y, model<double>(a, vec(c.px, c.py)).y);
  }
}

TEST(Attractor, PlainInverseSquareWithoutRadius) {
  Attractor a;
  a.strength = 1.0f;
  a.polarity = 1.0f;
  Vector2 got = pull(a, vec(3, 4));
  EXPECT_FLOAT_EQ(got.x, -0.024f);
  EXPECT_FLOAT_EQ(got.y, -0.032f);

  a.polarity = -1.0f;
  got = pull(a, vec(3, 4));
  EXPECT_FLOAT_EQ(got.x, 0.024f);
  EXPECT_FLOAT_EQ(got.y, 0.032f);

  for (int which = 0; which < 3; ++which) {
    Attractor z = a;
    z.polarity = 1.0f;
    (which == 0 ? z.polarity : which == 1 ? z.strength : z.mass) = 0.0f;
    got = pull(z, vec(3, 4));
    EXPECT_EQ(got.x, 0.0f);
    EXPECT_EQ(got.y, 0.0f);
  }
}

TEST(Attractor, MaxForceClampsEachComponentBeforePolarity) {
  Attractor a;
  a.strength = 1.0f;
  a.polarity = -1.0f;
  a.maxForce = 0.01f;
  // Raw change (-0.25, 0): clamped to (-0.01, 0), then reversed by the polarity.
  const Vector2 got = pull(a, vec(2, 0));
  EXPECT_EQ(got.x, static_cast<float>(-static_cast<double>(-0.01f)));
  EXPECT_EQ(got.y, 0.0f);
  a.maxForce = 0.0f;
  EXPECT_EQ(pull(a, vec(2, 0)).x, 0.25f) << "maxForce 0 means no limit";
}

TEST(Attractor, ABodyOnTheCentreGetsNoPull) {
  for (float radius : {10.0f, 0.0f}) {
    Attractor a = sceneAttractor(10, 0);
    a.radius = radius;
    Body b;
    b.position = vec(10, 0);
    b.velocity = vec(1, 2);
    a.applyForce(b);
    EXPECT_EQ(b.velocity.x, 1.0f) << "radius " << radius;
    EXPECT_EQ(b.velocity.y, 2.0f) << "radius " << radius;
  }
}

TEST(Attractor, BodiesNextToTheCentreStayFinite) {
  const float tiny = std::nextafter(0.0f, 1.0f);
  const Attractor a = sceneAttractor(0, 0);
  for (float dx : {-tiny, 0.0f, tiny, -1e-20f, 1e-20f}) {
    for (float dy : {-tiny, 0.0f, tiny, -1e-20f, 1e-20f}) {
      const Vector2 got = pull(a, vec(dx, dy));
      EXPECT_TRUE(std::isfinite(got.x) && std::isfinite(got.y)) << dx << "," << dy;
    }
  }
}

TEST(Attractor, ComputedInDoubleNotFloat) {
  // Over a grid of positions the rule and the single-precision shortcut store
  // different bits somewhere; the pull must match the rule everywhere.
  const Attractor a = sceneAttractor(-10, 0);
  int differences = 0;
  for (int i = -20; i <= 20; ++i) {
    for (int j = -20; j <= 20; ++j) {
      const Vector2 p = vec(i * 0.73f, j * 0.41f);
      if (p.x == -10.0f && p.y == 0.0f) continue;
      const Vector2 got = pull(a, p);
      const Vector2 want = model<double>(a, p);
      ASSERT_EQ(got.x, want.x) << p.x << "," << p.y;
      ASSERT_EQ(got.y, want.y) << p.x << "," << p.y;
      const Vector2 shortcut = model<float>(a, p);
      differences += shortcut.x != want.x || shortcut.y != want.y;
    }
  }
  EXPECT_GT(differences, 0);
}

}  // namespace
