#pragma once
// The text drawn over each frame: the frame rate, the particle count and, while
// help is on, twelve lines of controls with their current values. The texts are
// composed anew every frame into storage that is reused, so composing allocates
// nothing.

#include <array>
#include <string_view>
#include <vector>

struct Scene;

struct OverlayLine {
  std::string_view text;  // valid until the next compose
  int x;                  // pixels from the viewport's left edge
  int y;                  // pixels from the viewport's top edge to the top of the cell
};

class Overlay {
 public:
  static constexpr int kMaxLines = 14;

  Overlay();

  // The lines of this frame in drawing order.
  const std::vector<OverlayLine>& compose(const Scene& scene, int shownFps, int showHelp);
  const std::vector<OverlayLine>& lines() const { return lines_; }

 private:
  std::array<std::array<char, 128>, kMaxLines> text_{};
  std::vector<OverlayLine> lines_;
};
