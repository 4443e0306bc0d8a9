#include "shell/frame_loop.h"

#include <climits>

namespace {

// The steps are float constants widened to double: a step of 0.01 is
// 0.00999999977648258, which is what makes one frame of Right arrow land on 0.
float stepped(float value, float step) {
  return static_cast<float>(static_cast<double>(value) + static_cast<double>(step));
}

int toggled(int flag) { return flag == 0 ? 1 : 0; }

// Counts with no upper limit still stop at INT_MAX instead of overflowing.
int incremented(int value) { return value == INT_MAX ? value : value + 1; }

void stepBothAttractors(Scene& scene, float Attractor::*field, float step) {
  scene.attractor1.*field = stepped(scene.attractor1.*field, step);
  scene.attractor2.*field = stepped(scene.attractor2.*field, step);
}

}  // namespace

void applyControls(Keyboard& keyboard, Scene& scene, LoopState& loop) {
  ParticleSystem& system = scene.system;
  Emitter& emitter = scene.emitter;
  EmitterSettings& settings = scene.settings;
  Attractor& first = scene.attractor1;
  Attractor& second = scene.attractor2;

  if (keyboard.pressed('H') > 0) loop.showHelp = toggled(loop.showHelp);
  for (int k = 1; k <= 6; ++k) {
    if (keyboard.pressed('0' + k) > 0) {
      settings.palette = &kPalettes[k - 1];
      emitter.palette = &kPalettes[k - 1];
    }
  }
  if (keyboard.held(key::kUp)) system.depth = stepped(system.depth, -0.2f);
  if (keyboard.held(key::kDown)) system.depth = stepped(system.depth, 0.2f);
  if (keyboard.held('A')) emitter.rotationSpeed = stepped(emitter.rotationSpeed, -0.1f);
  if (keyboard.held('D')) emitter.rotationSpeed = stepped(emitter.rotationSpeed, 0.1f);
  if (keyboard.held(key::kLeft)) {
    settings.particleSpeed = stepped(settings.particleSpeed, 0.01f);
    reconfigureEmitter(scene);
  }
  if (keyboard.held(key::kRight)) {
    settings.particleSpeed = stepped(settings.particleSpeed, -0.01f);
    reconfigureEmitter(scene);
  }
  if (keyboard.pressed('P') > 0) {
    settings.particlesPerEmission = incremented(settings.particlesPerEmission);
    reconfigureEmitter(scene);
  }
  if (keyboard.pressed('L') > 0 && settings.particlesPerEmission > 1) {
    settings.particlesPerEmission -= 1;
    reconfigureEmitter(scene);
  }
  if (keyboard.held('W') && settings.spread < 360.0f) {
    settings.spread = stepped(settings.spread, 1.0f);
    reconfigureEmitter(scene);
  }
  if (keyboard.held('S') && settings.spread > 0.0f) {
    settings.spread = stepped(settings.spread, -1.0f);
    reconfigureEmitter(scene);
  }
  if (keyboard.held('Z') && system.particleSize > 0.1f) {
    system.particleSize = stepped(system.particleSize, -0.1f);
  }
  if (keyboard.held('X') && system.particleSize < 10.0f) {
    system.particleSize = stepped(system.particleSize, 0.1f);
  }
  if (keyboard.held('O')) stepBothAttractors(scene, &Body::mass, 0.1f);
  if (keyboard.held('K') && first.mass > 0.0f && second.mass > 0.0f) {
    stepBothAttractors(scene, &Body::mass, -0.1f);
  }
  if (keyboard.held('I')) stepBothAttractors(scene, &Attractor::radius, 0.1f);
  if (keyboard.held('J') && first.radius > 0.0f && second.radius > 0.0f) {
    stepBothAttractors(scene, &Attractor::radius, -0.1f);
  }
  if (keyboard.held('M')) system.minVisibleAge = incremented(system.minVisibleAge);
  if (keyboard.held('N') && system.minVisibleAge > 0) system.minVisibleAge -= 1;
  if (keyboard.pressed(key::kSpace) > 0) emitter.emitting = toggled(emitter.emitting);
  if (keyboard.pressed('0') > 0) system.attractionEnabled = toggled(system.attractionEnabled);
  if (keyboard.pressed(key::kEquals) > 0) {
    first.polarity = static_cast<float>(first.polarity * -1.0);
    second.polarity = static_cast<float>(second.polarity * -1.0);
  }
}

void measureFrameRate(Clock& clock, LoopState& loop) {
  loop.framesCounted += 1;
  if (loop.intervalStart == 0) loop.intervalStart = clock.milliseconds();
  if (elapsedMoreThan(loop.intervalStart, clock.milliseconds(), 1001)) {
    loop.shownFps = loop.framesCounted;
    loop.framesCounted = 0;
    loop.intervalStart = clock.milliseconds();
  }
}

bool runFrame(Scene& scene, LoopState& loop, Overlay& overlay, Keyboard& keyboard, Clock& clock,
              FrameOutput& output) {
  if (keyboard.pressed(key::kEscape) > 0) return false;
  applyControls(keyboard, scene, loop);
  output.beginFrame();
  scene.system.update();
  output.drawParticles(scene.system);
  output.beginText();
  measureFrameRate(clock, loop);
  output.drawOverlay(overlay.compose(scene, loop.shownFps, loop.showHelp));
  output.present();
  return true;
}
