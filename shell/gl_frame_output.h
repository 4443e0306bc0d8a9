#pragma once
// The display half of a frame on OpenGL: clearing, the particle batch, the text
// overlay and the presentation.

#include "shell/frame_loop.h"

class GlFrameOutput : public FrameOutput {
 public:
  void beginFrame() override;
  void drawParticles(ParticleSystem& system) override;
  void beginText() override;
  void drawOverlay(const std::vector<OverlayLine>& lines) override;
  void present() override;
};
