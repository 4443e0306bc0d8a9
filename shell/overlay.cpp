#include "shell/overlay.h"

#include <algorithm>
#include <cstdio>

#include "shell/scene.h"

namespace {

struct HelpLine {
  const char* text;
  enum Value { kNone, kReal, kInteger } value;
};

// Line 1 names Left first: Left raises the speed and Right lowers it.
constexpr HelpLine kHelp[12] = {
    {"Up/Down: Move emitter away from/towards the camera (", HelpLine::kReal},
    {"Left/Right arrows: Increase/Decrease particle velocity (", HelpLine::kReal},
    {"W/S: Widen/Tighten emission angle (", HelpLine::kReal},
    {"A/D: Decrease/Increase emitter rotational velocity (", HelpLine::kReal},
    {"Z/X: Decrease/Increase particle size (", HelpLine::kReal},
    {"P/L: Increase/Decrease number of particles emitted at a time (", HelpLine::kInteger},
    {"O/K: Increase/Decrease attractor mass (", HelpLine::kReal},
    {"I/J: Increase/Decrease attractor radius (", HelpLine::kReal},
    {"SPACE: Toggle emission on and off", HelpLine::kNone},
    {"0: Toggle attraction on and off", HelpLine::kNone},
    {"=: Toggle repulsion/attraction", HelpLine::kNone},
    {"1/2/3/4/5: Change palette", HelpLine::kNone},
};

}  // namespace

Overlay::Overlay() { lines_.reserve(kMaxLines); }

const std::vector<OverlayLine>& Overlay::compose(const Scene& scene, int shownFps, int showHelp) {
  lines_.clear();
  // snprintf into fixed buffers: nothing is allocated per frame. Reals are the
  // float widened to double, printed with every digit "%#.9g" keeps.
  auto add = [this](int x, int y, const char* format, auto... args) {
    auto& buffer = text_[lines_.size()];
    const int n = std::snprintf(buffer.data(), buffer.size(), format, args...);
    const auto length = static_cast<std::size_t>(n < 0 ? 0 : n);
    lines_.push_back({std::string_view(buffer.data(), std::min(length, buffer.size() - 1)), x, y});
  };

  add(kScreenWidth - 96, kScreenHeight - 24, "FPS : %d", shownFps);
  add(8, 8, "%d particles on screen", scene.system.liveCount);
  if (showHelp == 0) return lines_;

  const double reals[8] = {scene.system.depth,       scene.settings.particleSpeed,
                           scene.settings.spread,    scene.emitter.rotationSpeed,
                           scene.system.particleSize, 0.0,
                           scene.attractor1.mass,    scene.attractor1.radius};
  for (int i = 0; i < 12; ++i) {
    const int y = 75 + 15 * i;
    switch (kHelp[i].value) {
      case HelpLine::kReal:
        add(8, y, "%s%#.9g)", kHelp[i].text, reals[i]);
        break;
      case HelpLine::kInteger:
        add(8, y, "%s%d)", kHelp[i].text, scene.settings.particlesPerEmission);
        break;
      case HelpLine::kNone:
        add(8, y, "%s", kHelp[i].text);
        break;
    }
  }
  return lines_;
}
