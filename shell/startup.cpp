#include "shell/startup.h"

#include <string>

#include "platform/debug_log.h"
#include "platform/dialog.h"
#include "platform/display.h"
#include "platform/fatal.h"
#include "platform/program_directory.h"
#include "platform/sdl_clock.h"
#include "platform/sdl_keyboard.h"
#include "shell/gl_setup.h"
#include "shell/scene.h"

namespace {

// Returns the size of the drawable, which the viewport must cover.
DisplayOpening openDisplay(bool fullscreen) {
  DisplayRequest request;
  request.width = kScreenWidth;
  request.height = kScreenHeight;
  request.bitsPerPixel = fullscreen ? kScreenDepth : 0;
  request.title = kApplicationTitle;
  DisplayOpening opened = ::openDisplay(request);
  switch (opened.failure) {
    case DisplayFailure::kNone: break;
    case DisplayFailure::kMode: fatalError("Unable to set display mode: " + opened.reason);
    case DisplayFailure::kContext: fatalError("Unable to create GL Context: " + opened.reason);
  }
  return opened;
}

}  // namespace

int runStartup(MainRoutine mainRoutine) {
  // Without it the particle image is not found beside the program, and loading
  // it ends the program with a message naming the file; here it is only logged.
  if (const auto reason = enterProgramDirectory())
    debugLog("cannot enter the program's directory: " + *reason);

  // Checked before the question, so that a run without a display fails the same
  // way whichever step would have noticed first.
  if (const auto reason = startVideo()) fatalError("Unable to set display mode: " + *reason);

  const QuestionAnswer question =
      askYesNoCancel(kApplicationTitle, "Would You Like To Run In Fullscreen Mode?");
  if (!question.answer) fatalError("Unable to show the fullscreen question: " + question.reason);
  if (*question.answer == -1) return 0;

  const DisplayOpening display = openDisplay(*question.answer == 1);
  // Normally 800 by 600; if the window manager granted another size, the picture
  // fills what was granted, undistorted.
  setProjection(display.drawableWidth, display.drawableHeight);
  initGLState();

  SdlKeyboard keyboard;
  SdlClock clock;
  mainRoutine(keyboard, clock);
  return 0;
}
