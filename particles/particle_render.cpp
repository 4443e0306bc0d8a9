#include <GL/gl.h>

#include "particles/particle_system.h"

// One batch for every live particle. This file holds the only GL calls of the
// draw, so a test can build it against a recording stand-in for GL.
void ParticleSystem::draw() {
  fillDrawArrays(*this, drawArrays);
  glBindTexture(GL_TEXTURE_2D, textureName);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glPushMatrix();
  glVertexPointer(3, GL_FLOAT, 0, drawArrays.vertices.data());
  glTexCoordPointer(2, GL_FLOAT, 0, drawArrays.texCoords.data());
  glColorPointer(4, GL_FLOAT, 0, drawArrays.colours.data());
  glTranslatef(0.0f, 0.0f, depth);
  glDrawArrays(GL_QUADS, 0, 4 * drawArrays.quads);
  glPopMatrix();
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
}
