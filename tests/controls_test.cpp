#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/scene_fixture.h"

namespace {

std::string g9(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v));
  return text;
}

using ControlsTest = SceneTest;

// Guards are tested before the step, in 32-bit floats, so a guarded value can
// pass its bound by less than one step.
TEST_F(ControlsTest, HeldGuardsStopJustPastTheirBounds) {
  struct Case {
    int key;
    float* value;
    int framesToStop;
    const char* stopsAt;
  };
  const Case cases[] = {
      {'Z', &scene.system.particleSize, 9, "0.099999927"},
      {'X', &scene.system.particleSize, 90, "10.000002"},
      {'K', &scene.attractor1.mass, 41, "-0.099998437"},
  };
  for (const Case& c : cases) {
    SetUp();  // a fresh scene per case
    SCOPED_TRACE(testing::Message() << "key " << static_cast<char>(c.key));
    hold(c.key, c.framesToStop - 1);
    const float stop = std::stof(c.stopsAt);  // the nearest float to the text
    EXPECT_NE(*c.value, stop) << "stopped too early";
    hold(c.key, 1);
    EXPECT_EQ(*c.value, stop);
    hold(c.key, 20);
    EXPECT_EQ(*c.value, stop) << "went past the guard";
  }
}

TEST_F(ControlsTest, RadiusStopsAFewMillionthsBelowZero) {
  hold('J', 100);
  const float stopped = scene.attractor1.radius;
  EXPECT_LT(stopped, 0.0f);
  EXPECT_GT(stopped, -1e-5f);
  hold('J', 10);
  EXPECT_EQ(scene.attractor1.radius, stopped);
  EXPECT_EQ(scene.attractor2.radius, stopped) << "both attractors change together";
}

TEST_F(ControlsTest, FloatStepsWidenedToDouble) {
  hold(key::kRight, 1);
  EXPECT_EQ(scene.settings.particleSpeed, 0.0f);
  EXPECT_EQ(scene.emitter.particleSpeed, 0.0f) << "speed changes re-configure the emitter";
  hold(key::kRight, 1);
  EXPECT_EQ(g9(scene.settings.particleSpeed), "-0.00999999978");

  hold('D', 3);
  EXPECT_EQ(g9(scene.emitter.rotationSpeed), "0.300000012");
  hold('A', 3);
  EXPECT_EQ(g9(scene.emitter.rotationSpeed), "1.49011612e-08");

  hold(key::kUp, 5);
  float depth = -80.0f;
  for (int i = 0; i < 5; ++i) depth = static_cast<float>(depth - static_cast<double>(0.2f));
  EXPECT_EQ(scene.system.depth, depth);
  hold(key::kDown, 5);
  EXPECT_EQ(g9(scene.system.depth), g9(-80.0f)) << "five steps up and down return to -80";
}

TEST_F(ControlsTest, PressedControlsActOncePerPress) {
  struct Case {
    int key;
    int* flag;
    int start;
  };
  const Case cases[] = {
      {'H', &loop.showHelp, 0},
      {key::kSpace, &scene.emitter.emitting, 1},
      {'0', &scene.system.attractionEnabled, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.key);
    hold(c.key, 10);
    EXPECT_EQ(*c.flag, 1 - c.start) << "held: toggles once";
    tap(c.key);
    EXPECT_EQ(*c.flag, c.start);
    keyboard.down(c.key);
    keyboard.down(c.key);  // two presses before one frame
    run(1);
    keyboard.up(c.key);
    EXPECT_EQ(*c.flag, 1 - c.start) << "presses between two queries toggle once";
    tap(c.key);
  }
  hold(key::kEquals, 10);
  EXPECT_EQ(scene.attractor1.polarity, -1.0f);
  EXPECT_EQ(scene.attractor2.polarity, -1.0f);
  tap(key::kEquals);
  EXPECT_EQ(scene.attractor1.polarity, 1.0f);
}

TEST_F(ControlsTest, CountControlsAndTheirGuards) {
  tap('P');
  tap('P');
  EXPECT_EQ(scene.settings.particlesPerEmission, 12);
  EXPECT_EQ(scene.emitter.particlesPerEmission, 12);
  EXPECT_EQ(scene.emitter.spreadStep, 3.75f);
  for (int i = 0; i < 11; ++i) tap('L');
  EXPECT_EQ(scene.settings.particlesPerEmission, 1);

  // A press of L at 1 is consumed and re-configures nothing, now or later.
  scene.emitter.position.x = 5.0f;  // a re-configuration would put it back at 0
  scene.emitter.velocity.x = 0.0f;
  keyboard.down('L');
  run(1);
  keyboard.up('L');
  run(1);
  EXPECT_EQ(scene.settings.particlesPerEmission, 1);
  EXPECT_EQ(scene.emitter.position.x, 5.0f);
  tap('P');
  EXPECT_EQ(scene.settings.particlesPerEmission, 2) << "the consumed press left nothing behind";

  hold('N', 15);
  EXPECT_EQ(scene.system.minVisibleAge, 0);
  hold('M', 3);
  EXPECT_EQ(scene.system.minVisibleAge, 3);
}

TEST_F(ControlsTest, SpreadStaysWithinItsBounds) {
  hold('W', 400);
  EXPECT_EQ(scene.settings.spread, 360.0f);
  EXPECT_EQ(scene.emitter.spread, 360.0f);
  hold('S', 400);
  EXPECT_EQ(scene.settings.spread, 0.0f);
  scene.emitter.position.x = 5.0f;
  hold('S', 3);
  EXPECT_EQ(scene.emitter.position.x, 5.0f) << "S at 0 does not re-configure";
}

TEST_F(ControlsTest, ReconfigurationKeepsTheEmittersDirection) {
  hold('D', 10);  // rotate: 0.1, 0.2, ... degrees per update
  const float angle = scene.emitter.angle;
  const int counter = scene.emitter.framesSinceEmission;
  ASSERT_NE(angle, 90.0f);
  scene.emitter.rotationSpeed = 0.0f;
  tap('P');
  EXPECT_EQ(scene.emitter.angle, angle);
  EXPECT_EQ(scene.emitter.framesSinceEmission, (counter + 1) % 11);
  EXPECT_EQ(scene.emitter.emitting, 1);
}

TEST_F(ControlsTest, APaletteChangeAffectsOnlyLaterParticles) {
  run(11);  // the first burst, in palette 1
  ASSERT_EQ(scene.system.liveCount, 10);
  keyboard.down('2');
  keyboard.down('5');  // digits are queried 1 to 6: the last one wins
  run(1);
  EXPECT_EQ(scene.settings.palette, &kPalettes[4]);
  EXPECT_EQ(scene.emitter.palette, &kPalettes[4]);
  run(10);
  ASSERT_EQ(scene.system.liveCount, 20);
  int index = 0;
  forEachLive(scene.system, [&](const Body& p) {
    const Palette& expected = kPalettes[index++ < 10 ? 0 : 4];
    bool found = false;
    for (const Colour& c : expected) found |= p.colour == &c;
    EXPECT_TRUE(found) << "particle " << index;
  });
}

TEST_F(ControlsTest, FocusClearsPressesAndHeldKeys) {
  keyboard.down('H');
  keyboard.down(key::kUp);
  keyboard.focus();
  run(2);
  EXPECT_EQ(loop.showHelp, 0);
  EXPECT_EQ(scene.system.depth, -80.0f);
}

TEST_F(ControlsTest, EscapeEndsTheLoopBeforeTheFrame) {
  run(3);
  keyboard.down(key::kEscape);
  const int live = scene.system.liveCount;
  EXPECT_FALSE(runFrame(scene, loop, overlay, keyboard, clock, noDisplay));
  EXPECT_EQ(scene.emitter.framesSinceEmission, 3) << "the frame did not run";
  EXPECT_EQ(scene.system.liveCount, live);
}

TEST(FrameRate, ShowsTheFramesOfEachIntervalAcrossTheClocksWrap) {
  for (std::uint32_t start : {16u, 0x7FFFFF00u, 0xFFFFFE00u}) {
    SCOPED_TRACE(testing::Message() << "clock starts at " << start);
    LoopState loop;
    ScriptedClock clock;
    int frames = 0;
    for (std::uint32_t t = start; frames < 200; t += 16, ++frames) {
      clock.now = t;
      measureFrameRate(clock, loop);
      // An interval ends with the first frame read more than 1001 ms after its start.
      if (frames < 63) {
        ASSERT_EQ(loop.shownFps, 0) << "frame " << frames;
      }
    }
    EXPECT_EQ(loop.shownFps, 63) << "64 frames in the first interval, 63 in the next ones";
  }
}

}  // namespace
