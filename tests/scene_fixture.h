#pragma once
// A freshly set-up scene with the scripted keyboard and clock, run frame by frame.

#include <gtest/gtest.h>

#include <memory>

#include "platform/random.h"
#include "platform/scripted_input.h"
#include "shell/frame_loop.h"
#include "shell/scene.h"

struct SceneTest : testing::Test {
  std::unique_ptr<Scene> scenePtr = std::make_unique<Scene>();
  Scene& scene = *scenePtr;
  LoopState loop;
  Overlay overlay;
  ScriptedKeyboard keyboard;
  ScriptedClock clock;
  FrameOutput noDisplay;
  long long frame = 0;

  void SetUp() override {
    rng::restart();
    setUpScene(scene, SceneServices{});
  }

  // Runs `n` frames; the clock reads 16 ms per frame.
  void run(int n) {
    for (int i = 0; i < n; ++i) {
      clock.now = static_cast<std::uint32_t>(16 * ++frame);
      ASSERT_TRUE(runFrame(scene, loop, overlay, keyboard, clock, noDisplay));
    }
  }

  // Holds `code` down for `n` frames, then releases it.
  void hold(int code, int n) {
    keyboard.down(code);
    run(n);
    keyboard.up(code);
  }

  // One press and release before the next frame.
  void tap(int code) {
    keyboard.down(code);
    keyboard.up(code);
    run(1);
  }
};
