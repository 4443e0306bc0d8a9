#include "shell/overlay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scene_fixture.h"

namespace {

using OverlayTest = SceneTest;

std::vector<std::string> texts(const std::vector<OverlayLine>& lines) {
  std::vector<std::string> out;
  for (const OverlayLine& line : lines) out.emplace_back(line.text);
  return out;
}

TEST_F(OverlayTest, FrameRateAndParticleLinesWithoutHelp) {
  const auto& lines = overlay.compose(scene, 0, 0);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, "FPS : 0");
  EXPECT_EQ(lines[0].x, 704);
  EXPECT_EQ(lines[0].y, 576);
  EXPECT_EQ(lines[1].text, "0 particles on screen");
  EXPECT_EQ(lines[1].x, 8);
  EXPECT_EQ(lines[1].y, 8);
  EXPECT_EQ(overlay.compose(scene, -7, 0)[0].text, "FPS : -7");
}

TEST_F(OverlayTest, HelpLinesWithTheStartValues) {
  const auto& lines = overlay.compose(scene, 60, 1);
  ASSERT_EQ(lines.size(), 14u);
  const std::vector<std::string> want = {
      "FPS : 60",
      "0 particles on screen",
      "Up/Down: Move emitter away from/towards the camera (-80.0000000)",
      "Left/Right arrows: Increase/Decrease particle velocity (0.00999999978)",
      "W/S: Widen/Tighten emission angle (45.0000000)",
      "A/D: Decrease/Increase emitter rotational velocity (0.00000000)",
      "Z/X: Decrease/Increase particle size (1.00000000)",
      "P/L: Increase/Decrease number of particles emitted at a time (10)",
      "O/K: Increase/Decrease attractor mass (4.00000000)",
      "I/J: Increase/Decrease attractor radius (10.0000000)",
      "SPACE: Toggle emission on and off",
      "0: Toggle attraction on and off",
      "=: Toggle repulsion/attraction",
      "1/2/3/4/5: Change palette",
  };
  EXPECT_EQ(texts(lines), want);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(lines[2 + i].x, 8);
    EXPECT_EQ(lines[2 + i].y, 75 + 15 * i);
  }
  EXPECT_EQ(lines[3].text.size(), 70u) << "the longest line ends at x = 568";
}

TEST_F(OverlayTest, RealsShowEveryDigitOfTheirFloat) {
  struct Case {
    float value;
    const char* shown;
  };
  const Case cases[] = {
      {123456789.0f, "123456792."},   // nine digits before the point keep the point
      {1.49011612e-08f, "1.49011612e-08"},
      {-0.0f, "-0.00000000"},
      {0.0001f, "9.99999975e-05"},
      {1e9f, "1.00000000e+09"},
  };
  for (const Case& c : cases) {
    scene.system.depth = c.value;
    const std::string line(overlay.compose(scene, 0, 1)[2].text);
    EXPECT_EQ(line, std::string("Up/Down: Move emitter away from/towards the camera (") + c.shown + ")");
  }
}

TEST_F(OverlayTest, ShowsTheSettingsAndTheFirstAttractor) {
  scene.settings.particleSpeed = 0.5f;
  scene.emitter.particleSpeed = 9.0f;  // the emitter's own copy is not shown
  scene.attractor1.mass = 2.0f;
  scene.attractor2.mass = 7.0f;
  scene.settings.particlesPerEmission = -3;
  const auto& lines = overlay.compose(scene, 0, 1);
  EXPECT_EQ(lines[3].text, "Left/Right arrows: Increase/Decrease particle velocity (0.500000000)");
  EXPECT_EQ(lines[7].text, "P/L: Increase/Decrease number of particles emitted at a time (-3)");
  EXPECT_EQ(lines[8].text, "O/K: Increase/Decrease attractor mass (2.00000000)");
}

TEST_F(OverlayTest, FrameRateReadsZeroUntilTheFirstIntervalEnds) {
  run(63);
  EXPECT_EQ(overlay.lines()[0].text, "FPS : 0");
  run(1);
  EXPECT_EQ(overlay.lines()[0].text, "FPS : 64");
  EXPECT_EQ(overlay.lines()[1].text, "50 particles on screen");  // five bursts
  tap('H');
  EXPECT_EQ(overlay.lines().size(), 14u);
  tap('H');
  EXPECT_EQ(overlay.lines().size(), 2u) << "help off removes the lines in the same frame";
}

}  // namespace
