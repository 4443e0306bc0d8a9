#include "shell/main_routine.h"

#include <memory>

#include "platform/cursor.h"
#include "shell/frame_loop.h"
#include "shell/gl_frame_output.h"
#include "shell/scene.h"

void runMainRoutine(Keyboard& keyboard, Clock& clock) {
  // The scene holds the 10000-body pool: keep it off the stack.
  const auto scene = std::make_unique<Scene>();
  SceneServices services;
  services.loadTexture = [](ParticleSystem& system) { system.loadTexture("particle2.png"); };
  services.hidePointer = hidePointer;
  setUpScene(*scene, services);

  LoopState loop;
  Overlay overlay;
  GlFrameOutput output;
  while (runFrame(*scene, loop, overlay, keyboard, clock, output)) {
  }
  showPointer();
}
