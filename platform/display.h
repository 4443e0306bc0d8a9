#pragma once
// The OpenGL display: one window (or one fullscreen mode) with a double-buffered
// context that stays current for the whole run, and the presentation of frames in
// step with the display's refresh.

#include <optional>
#include <string>

// Starts the window-system connection. Must come before the question dialog and
// the display. Fails (with the reason) when there is no real display: SDL would
// otherwise fall back to an offscreen or dummy driver and pretend to succeed. From
// here on, the end of the process closes the display and restores the desktop's
// mode, whichever way the process ends through exit().
std::optional<std::string> startVideo();

struct DisplayRequest {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;  // 0: a window on the desktop; else a fullscreen mode of this depth
  const char* title = "";
};

enum class DisplayFailure { kNone, kMode, kContext };

struct DisplayOpening {
  DisplayFailure failure = DisplayFailure::kNone;
  std::string reason;  // SDL's reason, when it failed
  // The size the drawable really has, which is what the GL viewport must cover: a
  // window manager need not grant the size asked for.
  int drawableWidth = 0;
  int drawableHeight = 0;
};

// Opens the display with a back buffer and a depth buffer (no alpha, stencil or
// accumulation buffer). A window is centred, titled, closable and not resizable.
// A fullscreen mode is the requested size at the requested depth, or at 24 bits per
// pixel where the server offers none at 32; no refresh rate is asked for.
DisplayOpening openDisplay(const DisplayRequest& request);

// Shows the back buffer. Waits for the vertical refresh; where the driver refuses
// to, the presentation is paced to the display's refresh rate (60 Hz when it is not
// known) so that the frame rate stays the same.
void presentFrame();

// Tests and benchmarks switch the pacing off to run as fast as they can. Where the
// driver does synchronise with the refresh, that stays in force.
void setPresentationPaced(bool paced);

// Whether presentation waits for the vertical refresh in the driver (false under
// Xvfb and some drivers, where the pacing stands in for it).
bool presentationSyncedToRefresh();
