// After warm-up a frame allocates nothing: controls, update, array fill and overlay
// composition, with the pool full and emission running.

#include <gtest/gtest.h>

#include "tests/alloc_counter.h"
#include "tests/scene_fixture.h"

namespace {

// The display half without GL: fills the draw arrays as the renderer does.
struct ArrayFill : FrameOutput {
  void drawParticles(ParticleSystem& system) override { fillDrawArrays(system, system.drawArrays); }
};

struct FrameAllocTest : SceneTest {
  ArrayFill fill;
  void runFilled(int n) {
    for (int i = 0; i < n; ++i) {
      clock.now = static_cast<std::uint32_t>(16 * ++frame);
      ASSERT_TRUE(runFrame(scene, loop, overlay, keyboard, clock, fill));
    }
  }
};

TEST_F(FrameAllocTest, NoAllocationPerFrame) {
  for (int i = 0; i < 400; ++i) tap('P');  // 410 per burst: the pool fills
  tap('H');
  runFilled(600);
  ASSERT_EQ(scene.system.freeCount, 0) << "the pool is full";
  keyboard.down('W');
  keyboard.down('D');
  keyboard.down(key::kLeft);
  const std::size_t before = alloc_counter::allocations();
  runFilled(300);
  for (int i = 0; i < 20; ++i) {
    keyboard.down('P');
    keyboard.down('1' + i % 6);
    runFilled(1);
  }
  EXPECT_EQ(alloc_counter::allocations(), before);
  EXPECT_GT(scene.system.liveCount, 9000);
  EXPECT_EQ(overlay.lines().size(), 14u);
}

}  // namespace
