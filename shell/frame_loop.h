#pragma once
// One frame of the demo: the Escape test, the controls, the simulation step, the
// particles, the frame-rate measurement, the overlay and the presentation. The
// program and the trace tool run the same frames; only the display half differs.

#include <cstdint>
#include <vector>

#include "platform/clock.h"
#include "platform/keyboard.h"
#include "shell/overlay.h"
#include "shell/scene.h"

struct LoopState {
  int framesCounted = 0;            // frames in the current measuring interval
  std::uint32_t intervalStart = 0;  // clock reading at the interval's start; 0 until first read
  int shownFps = 0;                 // frames of the last completed interval
  int showHelp = 0;                 // flag: the help lines are drawn
};

// The display half of a frame. The base class draws nothing, which is what the
// trace tool and the tests run with.
class FrameOutput {
 public:
  virtual ~FrameOutput() = default;
  virtual void beginFrame() {}  // clear colour and depth, identity modelview
  virtual void drawParticles(ParticleSystem&) {}
  virtual void beginText() {}   // white as the current colour
  virtual void drawOverlay(const std::vector<OverlayLine>&) {}
  virtual void present() {}
};

// Applies every keyboard control, in table order. Each control's key is queried
// once per frame, before its guard is tested, so a press meeting a guard is
// consumed and does nothing.
void applyControls(Keyboard& keyboard, Scene& scene, LoopState& loop);

// Counts the frame; an interval ends with the first frame read more than 1001 ms
// after its start, and shownFps becomes its frame count.
void measureFrameRate(Clock& clock, LoopState& loop);

// Runs one frame. Returns false, without running it, when Escape was pressed.
bool runFrame(Scene& scene, LoopState& loop, Overlay& overlay, Keyboard& keyboard, Clock& clock,
              FrameOutput& output);
