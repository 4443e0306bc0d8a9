#include "shell/overlay_draw.h"

#include "platform/text_drawer.h"

void drawOverlay(const std::vector<OverlayLine>& lines) {
  for (const OverlayLine& line : lines) drawText(line.text, line.x, line.y);
}
