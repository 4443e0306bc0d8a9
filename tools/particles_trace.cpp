// particles-trace FRAMES [SCRIPT]: runs the demo's frames without a display, with
// the keys of SCRIPT, and prints the whole state after the last frame.

#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "shell/frame_loop.h"
#include "shell/scene.h"
#include "tools/key_script.h"

namespace {

constexpr int kUsageError = 2;

int usage(const char* why) {
  std::fprintf(stderr, "particles-trace: %s\nusage: particles-trace FRAMES [SCRIPT]\n", why);
  return kUsageError;
}

double wide(float v) { return static_cast<double>(v); }

int paletteNumber(const Palette* palette) {
  for (std::size_t i = 0; i < kPalettes.size(); ++i) {
    if (palette == &kPalettes[i]) return static_cast<int>(i) + 1;
  }
  return 0;
}

void printState(const Scene& scene, long long completed, const Overlay& overlay) {
  const ParticleSystem& s = scene.system;
  const Emitter& e = scene.emitter;
  const EmitterSettings& c = scene.settings;
  std::printf("frames %lld\n", completed);
  std::printf("system %d %d %d %d %d %.9g %.9g %.9g\n", s.liveCount, s.freeCount, s.capacity,
              s.attractionEnabled, s.minVisibleAge, wide(s.particleSize), wide(s.depth),
              wide(s.damping));
  std::printf(
      "emitter %.9g %.9g %.9g %.9g %d %d %d %d %.9g %.9g %.9g %.9g %.9g %d %d %d\n",
      wide(e.position.x), wide(e.position.y), wide(e.angle), wide(e.rotationSpeed), e.emitting,
      e.framesSinceEmission, e.particlesPerEmission, e.emissionInterval, wide(e.spread),
      wide(e.spreadStart), wide(e.spreadStep), wide(e.particleSpeed),
      wide(e.particleSpeedVariation), e.particleLife, e.particleLifeVariation,
      paletteNumber(e.palette));
  std::printf("settings %d %d %.9g %.9g %.9g %d %d %d\n", c.particlesPerEmission,
              c.emissionInterval, wide(c.spread), wide(c.particleSpeed),
              wide(c.particleSpeedVariation), c.particleLife, c.particleLifeVariation,
              paletteNumber(c.palette));
  for (const Attractor* a : {&scene.attractor1, &scene.attractor2}) {
    std::printf("attractor %.9g %.9g %.9g %.9g %.9g %.9g %.9g\n", wide(a->position.x),
                wide(a->position.y), wide(a->mass), wide(a->radius), wide(a->strength),
                wide(a->maxForce), wide(a->polarity));
  }
  forEachLive(s, [](const Body& p) {
    std::printf("particle %.9g %.9g %.9g %.9g %.9g %.9g %d %d %.9g %.9g %.9g\n",
                wide(p.position.x), wide(p.position.y), wide(p.previousPosition.x),
                wide(p.previousPosition.y), wide(p.velocity.x), wide(p.velocity.y), p.life,
                p.maxLife, wide((*p.colour)[0]), wide((*p.colour)[1]), wide((*p.colour)[2]));
  });
  if (completed == 0) return;
  for (const OverlayLine& line : overlay.lines()) {
    std::printf("text %d %d %.*s\n", line.x, line.y, static_cast<int>(line.text.size()),
                line.text.data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) return usage("expected FRAMES and an optional SCRIPT");
  long long frames = 0;
  const char* end = argv[1] + std::strlen(argv[1]);
  const auto parsed = std::from_chars(argv[1], end, frames);
  if (parsed.ec != std::errc() || parsed.ptr != end || frames < 0) {
    return usage("FRAMES must be a whole number, 0 or more");
  }

  std::vector<KeyEvent> events;
  if (argc == 3) {
    std::ifstream script(argv[2]);
    if (!script) return usage((std::string("cannot read the script ") + argv[2]).c_str());
    std::string error;
    if (!parseKeyScript(script, events, error)) {
      std::fprintf(stderr, "particles-trace: %s: %s\n", argv[2], error.c_str());
      return kUsageError;
    }
  }

  // The scene holds the 10000-body pool: keep it off the stack.
  auto scene = std::make_unique<Scene>();
  setUpScene(*scene, SceneServices{});
  LoopState loop;
  Overlay overlay;
  ScriptedKeyboard keyboard;
  ScriptedClock clock;
  FrameOutput noDisplay;
  KeyScriptPlayer player(events);

  long long completed = 0;
  for (long long f = 1; f <= frames; ++f) {
    player.apply(f, keyboard);
    clock.now = static_cast<std::uint32_t>(16 * f);
    if (!runFrame(*scene, loop, overlay, keyboard, clock, noDisplay)) break;
    completed = f;
  }
  printState(*scene, completed, overlay);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
