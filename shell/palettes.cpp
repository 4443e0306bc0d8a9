#include "shell/scene.h"

// Built once and never changed: particles keep references to these colours for
// as long as they live, across palette switches.
const std::array<Palette, 6> kPalettes{{
    {{0.8f, 0.2f, 0.2f}, {0.2f, 0.8f, 0.2f}, {0.2f, 0.8f, 1.0f}},
    {{1.0f, 0.0f, 0.0f}, {0.8f, 0.2f, 0.2f}, {0.8f, 0.5f, 0.2f}, {0.8f, 0.2f, 0.5f}},
    {{0.0f, 1.0f, 0.0f}, {0.2f, 0.8f, 0.2f}, {0.5f, 0.8f, 0.2f}, {0.2f, 0.8f, 0.5f}},
    {{1.0f, 0.0f, 1.0f}, {0.2f, 0.2f, 0.8f}, {0.5f, 0.2f, 0.8f}, {0.2f, 0.5f, 0.8f}},
    {{1.0f, 0.0f, 0.0f}, {1.0f, 0.2f, 0.0f}, {1.0f, 0.4f, 0.2f}},
    {{0.6f, 0.6f, 0.6f}},
}};
