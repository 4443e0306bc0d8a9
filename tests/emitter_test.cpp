#include "motion/emitter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/random.h"

namespace {

// Records what an emitter asks of its particle system.
class RecordingTarget : public EmissionTarget {
 public:
  struct Emission {
    float x, y;
    double angle, speed;
    int life;
    const Colour* colour;
  };
  int freeCount = 1000;
  std::vector<Emission> emissions;

  int getFreeCount() const override { return freeCount; }
  void emit(const Vector2& p, double angle, double speed, int life, const Colour& c) override {
    emissions.push_back({p.x, p.y, angle, speed, life, &c});
  }
};

const Palette kPalette{{0.8f, 0.2f, 0.2f}, {0.2f, 0.8f, 0.2f}, {0.2f, 0.8f, 1.0f}};

EmitterSettings sceneSettings() {
  EmitterSettings s;
  s.particlesPerEmission = 10;
  s.emissionInterval = 10;
  s.spread = 45.0f;
  s.particleSpeed = 0.01f;
  s.particleSpeedVariation = 0.2f;
  s.particleLife = 500;
  s.particleLifeVariation = 20;
  s.palette = &kPalette;
  return s;
}

struct EmitterTest : testing::Test {
  RecordingTarget target;
  EmitterSettings settings = sceneSettings();
  Emitter emitter;

  void SetUp() override {
    rng::restart();
    emitter.configure(Vector2{}, 90.0f, 0.0f, 0, settings, target);
    emitter.emitting = 1;
  }
};

TEST_F(EmitterTest, ConfigureCopiesTheSettings) {
  EXPECT_EQ(emitter.particlesPerEmission, 10);
  EXPECT_EQ(emitter.emissionInterval, 10);
  EXPECT_EQ(emitter.angle, 90.0f);
  EXPECT_EQ(emitter.spreadStart, -22.5f);
  EXPECT_EQ(emitter.spreadStep, 4.5f);
  EXPECT_EQ(emitter.particleSpeed, 0.01f);
  EXPECT_EQ(emitter.particleLife, 500);
  EXPECT_EQ(emitter.palette, &kPalette);
  EXPECT_EQ(emitter.system, &target);
  EXPECT_EQ(emitter.rotationSpeed, 0.0f);
}

TEST_F(EmitterTest, FirstBurstOnTheEleventhUpdateAsAFan) {
  for (int i = 0; i < 10; ++i) emitter.update();
  EXPECT_TRUE(target.emissions.empty());
  emitter.update();
  ASSERT_EQ(target.emissions.size(), 10u);
  for (int k = 0; k < 10; ++k) {
    const auto& e = target.emissions[k];
    EXPECT_EQ(e.angle, 67.5 + 4.5 * k) << "direction " << k;
    EXPECT_GE(e.speed, 0.01 - static_cast<double>(0.2f) - 1e-9);
    EXPECT_LT(e.speed, static_cast<double>(0.01f) + 0.2f);
    EXPECT_GE(e.life, 480);
    EXPECT_LE(e.life, 520);
    EXPECT_TRUE(e.colour == &kPalette[0] || e.colour == &kPalette[1] || e.colour == &kPalette[2]);
    EXPECT_EQ(e.x, 0.0f);
    EXPECT_EQ(e.y, 0.0f);
  }
  EXPECT_EQ(emitter.framesSinceEmission, 0);
  for (int i = 0; i < 10; ++i) emitter.update();
  EXPECT_EQ(target.emissions.size(), 10u);
  emitter.update();
  EXPECT_EQ(target.emissions.size(), 20u) << "the next burst comes with the 22nd update";
}

TEST_F(EmitterTest, DrawsSpeedLifeAndColourInThatOrder) {
  for (int i = 0; i < 11; ++i) emitter.update();
  rng::restart();
  for (const auto& e : target.emissions) {
    const double speed = rng::real(0.01f - static_cast<double>(0.2f), 0.01f + static_cast<double>(0.2f));
    const int life = rng::integer(480, 520);
    const auto index = static_cast<std::size_t>(rng::real(0.0, 3.0));
    EXPECT_EQ(e.speed, speed);
    EXPECT_EQ(e.life, life);
    EXPECT_EQ(e.colour, &kPalette[index]);
  }
}

TEST_F(EmitterTest, AShortPoolGivesTheFirstDirectionsAndRestartsTheCounter) {
  target.freeCount = 3;
  for (int i = 0; i < 11; ++i) emitter.update();
  ASSERT_EQ(target.emissions.size(), 3u);
  EXPECT_EQ(target.emissions[0].angle, 67.5);
  EXPECT_EQ(target.emissions[1].angle, 72.0);
  EXPECT_EQ(target.emissions[2].angle, 76.5);
  EXPECT_EQ(emitter.framesSinceEmission, 0);

  target.freeCount = 0;
  for (int i = 0; i < 11; ++i) emitter.update();
  EXPECT_EQ(target.emissions.size(), 3u);
  EXPECT_EQ(emitter.framesSinceEmission, 0) << "an empty burst restarts the counter too";
}

TEST_F(EmitterTest, TheFanAccumulatesStepByStep) {
  // A fan far narrower than its angle: each sum rounds, and the running sum
  // drifts away from start + k * step.
  settings.spread = 1e-10f;
  settings.particlesPerEmission = 100;
  emitter.configure(Vector2{}, 90.0f, 0.0f, 0, settings, target);
  for (int i = 0; i < 11; ++i) emitter.update();
  ASSERT_EQ(target.emissions.size(), 100u);
  double a = static_cast<double>(emitter.spreadStart) + emitter.angle;
  bool differsFromProduct = false;
  for (int k = 0; k < 100; ++k) {
    EXPECT_EQ(target.emissions[k].angle, a) << "direction " << k;
    const double product = static_cast<double>(emitter.spreadStart) + emitter.angle +
                           k * static_cast<double>(emitter.spreadStep);
    differsFromProduct |= product != a;
    a += emitter.spreadStep;
  }
  EXPECT_TRUE(differsFromProduct);
}

TEST_F(EmitterTest, ZeroSpreadAndZeroVariation) {
  settings.spread = 0.0f;
  settings.particleSpeedVariation = 0.0f;
  settings.particleLifeVariation = 0;
  const Palette grey{{0.6f, 0.6f, 0.6f}};
  settings.palette = &grey;
  emitter.configure(Vector2{}, 90.0f, 0.0f, 0, settings, target);
  EXPECT_TRUE(std::signbit(emitter.spreadStart)) << "-(0 / 2) is -0.0";
  EXPECT_EQ(emitter.spreadStep, 0.0f);
  for (int i = 0; i < 11; ++i) emitter.update();
  ASSERT_EQ(target.emissions.size(), 10u);
  for (const auto& e : target.emissions) {
    EXPECT_EQ(e.angle, 90.0);
    EXPECT_EQ(e.speed, static_cast<double>(0.01f));
    EXPECT_EQ(e.life, 500);
    EXPECT_EQ(e.colour, &grey[0]);
  }
  // Three draws per particle still take place with one colour and no variation.
  const double after = rng::unit();
  rng::restart();
  for (int i = 0; i < 30; ++i) rng::unit();
  EXPECT_EQ(after, rng::unit());
}

TEST_F(EmitterTest, AngleWrapsAt359ThenAtZero) {
  struct Case {
    float start, rotation;
    std::vector<float> want;
  };
  const Case cases[] = {
      {358.5f, 1.0f, {359.5f, 0.5f}},  // 359.5 -> -0.5 -> 359.5, then 360.5 -> 0.5
      {0.0f, 0.0f, {360.0f, 360.0f}},  // 0 is brought to 360; 360 wraps to 0 and back
      {10.0f, -10.0f, {360.0f, 350.0f}},
  };
  for (const Case& c : cases) {
    Emitter e;
    e.angle = c.start;
    e.rotationSpeed = c.rotation;
    for (float want : c.want) {
      e.update();
      EXPECT_EQ(e.angle, want) << "from " << c.start << " by " << c.rotation;
    }
  }
}

TEST_F(EmitterTest, WhileOffItStillMovesTurnsAndCounts) {
  emitter.emitting = 0;
  emitter.rotationSpeed = 2.0f;
  emitter.velocity.x = 1.0f;
  for (int i = 0; i < 15; ++i) emitter.update();
  EXPECT_TRUE(target.emissions.empty());
  EXPECT_EQ(emitter.framesSinceEmission, 15);
  EXPECT_EQ(emitter.position.x, 15.0f);
  EXPECT_EQ(emitter.angle, 120.0f);
  emitter.emitting = 1;
  emitter.update();
  EXPECT_EQ(target.emissions.size(), 10u) << "switched on after the interval: a burst at once";
}

TEST_F(EmitterTest, ReconfigureRecomputesTheStepAndKeepsTheRhythm) {
  emitter.rotationSpeed = 1.5f;
  for (int i = 0; i < 5; ++i) emitter.update();
  settings.particlesPerEmission = 9;
  emitter.configure(Vector2{}, emitter.angle, 0.0f, 0, settings, target);
  EXPECT_EQ(emitter.spreadStep, 5.0f);
  EXPECT_EQ(emitter.angle, 97.5f);
  EXPECT_EQ(emitter.rotationSpeed, 1.5f);
  EXPECT_EQ(emitter.framesSinceEmission, 5);
  EXPECT_EQ(emitter.emitting, 1);
  for (int i = 0; i < 6; ++i) emitter.update();
  EXPECT_EQ(target.emissions.size(), 9u);
}

TEST_F(EmitterTest, IntervalZeroOrBelowFiresEveryUpdate) {
  for (int interval : {0, -3}) {
    RecordingTarget t;
    settings.emissionInterval = interval;
    settings.particlesPerEmission = 1;
    Emitter e;
    e.configure(Vector2{}, 90.0f, 0.0f, 0, settings, t);
    e.emitting = 1;
    for (int i = 0; i < 4; ++i) e.update();
    EXPECT_EQ(t.emissions.size(), 4u) << "interval " << interval;
  }
}

TEST_F(EmitterTest, NoColoursNoBurst) {
  settings.palette = &EmitterSettings::kEmptyPalette;
  emitter.configure(Vector2{}, 90.0f, 0.0f, 0, settings, target);
  for (int i = 0; i < 11; ++i) emitter.update();
  EXPECT_TRUE(target.emissions.empty());
  EXPECT_EQ(emitter.framesSinceEmission, 0);
}

}  // namespace
