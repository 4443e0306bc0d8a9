#pragma once
// Colours and palettes. A colour is an array of three floats (red, green, blue,
// each 0..1) that bodies share by reference; palettes are built once and never
// changed, so those references stay valid for the whole run.

#include <array>
#include <vector>

using Colour = std::array<float, 3>;
using Palette = std::vector<Colour>;

// The colour of a body that was never given one, and of bodies that are never
// drawn (emitters and attractors).
inline constexpr Colour kNoColour{0.0f, 0.0f, 0.0f};
