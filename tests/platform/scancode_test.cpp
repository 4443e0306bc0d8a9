#include <SDL_scancode.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/keyboard.h"
#include "platform/sdl_keyboard.h"

namespace {

struct ScancodeCase {
  const char* name;
  int scancode;
  int code;
};

void PrintTo(const ScancodeCase& c, std::ostream* out) { *out << c.name; }

class ScancodeTest : public testing::TestWithParam<ScancodeCase> {};

TEST_P(ScancodeTest, MapsToTheVirtualKeyCode) {
  EXPECT_EQ(virtualKeyForScancode(GetParam().scancode), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ScancodeTest,
    testing::Values(ScancodeCase{"A", SDL_SCANCODE_A, 'A'}, ScancodeCase{"H", SDL_SCANCODE_H, 'H'},
                    ScancodeCase{"Z", SDL_SCANCODE_Z, 'Z'}, ScancodeCase{"1", SDL_SCANCODE_1, '1'},
                    ScancodeCase{"6", SDL_SCANCODE_6, '6'}, ScancodeCase{"9", SDL_SCANCODE_9, '9'},
                    // SDL puts 0 after 9, as on the keyboard.
                    ScancodeCase{"0", SDL_SCANCODE_0, '0'},
                    ScancodeCase{"Escape", SDL_SCANCODE_ESCAPE, key::kEscape},
                    ScancodeCase{"Space", SDL_SCANCODE_SPACE, key::kSpace},
                    ScancodeCase{"Left", SDL_SCANCODE_LEFT, key::kLeft},
                    ScancodeCase{"Up", SDL_SCANCODE_UP, key::kUp},
                    ScancodeCase{"Right", SDL_SCANCODE_RIGHT, key::kRight},
                    ScancodeCase{"Down", SDL_SCANCODE_DOWN, key::kDown},
                    ScancodeCase{"Equals", SDL_SCANCODE_EQUALS, key::kEquals},
                    // Keys the program has no code for.
                    ScancodeCase{"Unknown", SDL_SCANCODE_UNKNOWN, 0},
                    ScancodeCase{"Return", SDL_SCANCODE_RETURN, 0},
                    ScancodeCase{"Minus", SDL_SCANCODE_MINUS, 0},
                    ScancodeCase{"Kp0", SDL_SCANCODE_KP_0, 0},
                    ScancodeCase{"Lshift", SDL_SCANCODE_LSHIFT, 0}, ScancodeCase{"Negative", -1, 0},
                    ScancodeCase{"PastTheLast", SDL_NUM_SCANCODES, 0}),
    [](const testing::TestParamInfo<ScancodeCase>& info) { return std::string(info.param.name); });

}  // namespace
