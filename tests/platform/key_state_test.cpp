#include <gtest/gtest.h>

#include "platform/key_state.h"

namespace {

constexpr int kA = 'A';
constexpr int kB = 'B';

class KeyStateTest : public testing::Test {
 protected:
  KeyState keys;
};

TEST_F(KeyStateTest, ATapInOnePumpCountsOnePressAndLeavesTheKeyUp) {
  keys.keyDown(kA, false);
  keys.keyUp(kA);
  EXPECT_FALSE(keys.held(kA));
  EXPECT_EQ(keys.takePresses(kA), 1);
}

TEST_F(KeyStateTest, TakingPressesResetsTheCountOfThatKeyOnly) {
  for (int i = 0; i < 3; ++i) {
    keys.keyDown(kA, false);
    keys.keyUp(kA);
  }
  keys.keyDown(kB, false);
  EXPECT_EQ(keys.takePresses(kA), 3);
  EXPECT_EQ(keys.takePresses(kA), 0);
  EXPECT_EQ(keys.takePresses(kB), 1);
}

TEST_F(KeyStateTest, RepeatsKeepTheKeyHeldButCountNothing) {
  keys.keyDown(kA, false);
  for (int i = 0; i < 5; ++i) keys.keyDown(kA, true);
  EXPECT_TRUE(keys.held(kA));
  EXPECT_EQ(keys.takePresses(kA), 1);
  keys.keyUp(kA);
  EXPECT_FALSE(keys.held(kA));
}

TEST_F(KeyStateTest, FocusChangeForgetsPressesAndHeldKeys) {
  keys.keyDown(kA, false);
  keys.keyDown(kB, false);
  keys.keyUp(kB);
  keys.focusChanged();
  EXPECT_FALSE(keys.held(kA));
  EXPECT_EQ(keys.takePresses(kA), 0);
  EXPECT_EQ(keys.takePresses(kB), 0);
}

// A key held while focus comes back: its key-downs (the server's auto-repeat after
// the reset, or keys the event layer synthesises) are not presses, until a key-up.
TEST_F(KeyStateTest, StaleKeyIgnoresKeyDownsUntilItsKeyUp) {
  keys.focusChanged();
  keys.markStale(kA);
  keys.keyDown(kA, false);
  keys.keyDown(kA, true);
  EXPECT_FALSE(keys.held(kA));
  EXPECT_EQ(keys.takePresses(kA), 0);

  keys.keyUp(kA);
  EXPECT_FALSE(keys.stale(kA));
  keys.keyDown(kA, false);
  EXPECT_TRUE(keys.held(kA));
  EXPECT_EQ(keys.takePresses(kA), 1);
}

TEST_F(KeyStateTest, StaleMarkLeavesOtherKeysAlone) {
  keys.markStale(kA);
  keys.keyDown(kB, false);
  EXPECT_TRUE(keys.held(kB));
  EXPECT_EQ(keys.takePresses(kB), 1);
}

// When the key-up never reaches the stream (the event layer had forgotten the key
// was down), finding the key up ends the staleness so the next press counts.
TEST_F(KeyStateTest, StaleKeyFoundUpCountsItsNextPress) {
  keys.markStale(kA);
  EXPECT_TRUE(keys.anyStale());
  keys.keyFoundUp(kA);
  EXPECT_FALSE(keys.anyStale());
  keys.keyDown(kA, false);
  EXPECT_EQ(keys.takePresses(kA), 1);
}

TEST_F(KeyStateTest, FindingAFreshlyHeldKeyUpDoesNotReleaseIt) {
  keys.keyDown(kA, false);
  keys.keyFoundUp(kA);  // only stale keys are corrected this way
  EXPECT_TRUE(keys.held(kA));
}

TEST_F(KeyStateTest, NextFocusChangeClearsStaleMarks) {
  keys.markStale(kA);
  keys.focusChanged();
  EXPECT_FALSE(keys.anyStale());
  keys.keyDown(kA, false);
  EXPECT_EQ(keys.takePresses(kA), 1);
}

TEST_F(KeyStateTest, CodesOutsideTheTableAndNoKeyAreIgnored) {
  for (int code : {0, -1, KeyState::kCodes, 100000}) {
    keys.keyDown(code, false);
    keys.markStale(code);
    EXPECT_FALSE(keys.held(code)) << code;
    EXPECT_EQ(keys.takePresses(code), 0) << code;
  }
  EXPECT_FALSE(keys.anyStale());
}

}  // namespace
