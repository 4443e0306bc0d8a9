#pragma once
// Puts the composed overlay lines on the frame with the text drawer, in the
// current colour and blending. Needs a current GL context.

#include <vector>

#include "shell/overlay.h"

void drawOverlay(const std::vector<OverlayLine>& lines);
