#include "shell/scene.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/debug_log.h"

namespace {

TEST(Scene, SetUpInOrderWithItsTwoLogLines) {
  std::vector<std::string> log;
  setDebugLogSink([&](std::string_view line) { log.emplace_back(line); });
  int textures = 0, hidden = 0;
  Scene scene;
  SceneServices services;
  services.loadTexture = [&](ParticleSystem& system) {
    ++textures;
    EXPECT_EQ(system.freeCount, kPoolSize) << "the texture loads after the pool exists";
    EXPECT_EQ(system.depth, -10.0f) << "and before the drawing fields are set";
    log.emplace_back("texture");
  };
  services.hidePointer = [&] {
    ++hidden;
    EXPECT_EQ(log.size(), 2u) << "the pointer is hidden last";
  };
  setUpScene(scene, services);
  setDebugLogSink(nullptr);

  EXPECT_EQ(log, (std::vector<std::string>{"texture", "About to start running"}));
  EXPECT_EQ(textures, 1);
  EXPECT_EQ(hidden, 1);

  const ParticleSystem& s = scene.system;
  EXPECT_EQ(s.liveCount, 0);
  EXPECT_EQ(s.freeCount, 10000);
  EXPECT_EQ(s.capacity, 10000);
  EXPECT_EQ(s.attractionEnabled, 1);
  EXPECT_EQ(s.particleSize, 1.0f);
  EXPECT_EQ(s.depth, -80.0f);
  EXPECT_EQ(s.damping, 0.93f);
  ASSERT_EQ(s.emitters.size(), 1u);
  EXPECT_EQ(s.emitters[0], &scene.emitter);
  ASSERT_EQ(s.attractors.size(), 2u);
  EXPECT_EQ(s.attractors[0], &scene.attractor1);
  EXPECT_EQ(s.attractors[1], &scene.attractor2);

  for (const Attractor* a : {&scene.attractor1, &scene.attractor2}) {
    EXPECT_EQ(a->position.y, 0.0f);
    EXPECT_EQ(a->mass, 4.0f);
    EXPECT_EQ(a->radius, 10.0f);
    EXPECT_EQ(a->strength, 1.1f);
    EXPECT_EQ(a->polarity, 1.0f);
    EXPECT_EQ(a->maxForce, 0.0f);
  }
  EXPECT_EQ(scene.attractor1.position.x, -10.0f);
  EXPECT_EQ(scene.attractor2.position.x, 10.0f);

  const Emitter& e = scene.emitter;
  EXPECT_EQ(e.position.x, 0.0f);
  EXPECT_EQ(e.position.y, 0.0f);
  EXPECT_EQ(e.angle, 90.0f);
  EXPECT_EQ(e.rotationSpeed, 0.0f);
  EXPECT_EQ(e.emitting, 1);
  EXPECT_EQ(e.palette, &kPalettes[0]);
  EXPECT_EQ(e.system, &scene.system);
  EXPECT_EQ(scene.settings.particlesPerEmission, 10);
  EXPECT_EQ(scene.settings.particleSpeedVariation, 0.2f);
  EXPECT_EQ(scene.settings.particleLife, 500);
  EXPECT_EQ(scene.settings.particleLifeVariation, 20);
}

TEST(Scene, SixPalettes) {
  const std::size_t sizes[6] = {3, 4, 4, 4, 3, 1};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(kPalettes[i].size(), sizes[i]) << "palette " << i + 1;
  EXPECT_EQ(kPalettes[0][2], (Colour{0.2f, 0.8f, 1.0f}));
  EXPECT_EQ(kPalettes[3][0], (Colour{1.0f, 0.0f, 1.0f}));
  EXPECT_EQ(kPalettes[5][0], (Colour{0.6f, 0.6f, 0.6f}));
}

}  // namespace
