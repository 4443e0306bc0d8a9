#include "shell/gl_frame_output.h"

#include <GL/gl.h>

#include "platform/display.h"
#include "shell/overlay_draw.h"

void GlFrameOutput::beginFrame() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();  // the modelview matrix, selected since start-up
}

void GlFrameOutput::drawParticles(ParticleSystem& system) { system.draw(); }

void GlFrameOutput::beginText() { glColor3f(1.0f, 1.0f, 1.0f); }

void GlFrameOutput::drawOverlay(const std::vector<OverlayLine>& lines) { ::drawOverlay(lines); }

void GlFrameOutput::present() { presentFrame(); }
