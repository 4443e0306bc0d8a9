#include "shell/main_routine.h"

#include <GL/gl.h>

#include "platform/cursor.h"
#include "platform/display.h"
#include "platform/keyboard.h"

// For now only blank frames until Escape; the scene and the frame loop take its
// place.
void runMainRoutine(Keyboard& keyboard, Clock& /*clock*/) {
  hidePointer();
  while (keyboard.pressed(key::kEscape) == 0) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    presentFrame();
  }
  showPointer();
}
