#include <SDL_scancode.h>
#include <gtest/gtest.h>

#include "platform/keyboard.h"
#include "platform/sdl_keyboard.h"

namespace {

struct ScancodeCase {
  int scancode;
  int code;
};

class ScancodeTest : public testing::TestWithParam<ScancodeCase> {};

TEST_P(ScancodeTest, MapsToTheVirtualKeyCode) {
  EXPECT_EQ(virtualKeyForScancode(GetParam().scancode), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ScancodeTest,
    testing::Values(ScancodeCase{SDL_SCANCODE_A, 'A'}, ScancodeCase{SDL_SCANCODE_H, 'H'},
                    ScancodeCase{SDL_SCANCODE_Z, 'Z'}, ScancodeCase{SDL_SCANCODE_1, '1'},
                    ScancodeCase{SDL_SCANCODE_6, '6'}, ScancodeCase{SDL_SCANCODE_9, '9'},
                    // SDL puts 0 after 9, as on the keyboard.
                    ScancodeCase{SDL_SCANCODE_0, '0'},
                    ScancodeCase{SDL_SCANCODE_ESCAPE, key::kEscape},
                    ScancodeCase{SDL_SCANCODE_SPACE, key::kSpace},
                    ScancodeCase{SDL_SCANCODE_LEFT, key::kLeft},
                    ScancodeCase{SDL_SCANCODE_UP, key::kUp},
                    ScancodeCase{SDL_SCANCODE_RIGHT, key::kRight},
                    ScancodeCase{SDL_SCANCODE_DOWN, key::kDown},
                    ScancodeCase{SDL_SCANCODE_EQUALS, key::kEquals},
                    // Keys the program has no code for.
                    ScancodeCase{SDL_SCANCODE_UNKNOWN, 0}, ScancodeCase{SDL_SCANCODE_RETURN, 0},
                    ScancodeCase{SDL_SCANCODE_MINUS, 0}, ScancodeCase{SDL_SCANCODE_KP_0, 0},
                    ScancodeCase{SDL_SCANCODE_LSHIFT, 0}, ScancodeCase{-1, 0},
                    ScancodeCase{SDL_NUM_SCANCODES, 0}));

}  // namespace
