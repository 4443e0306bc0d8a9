#include "shell/gl_setup.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "shell/scene.h"

void setProjection(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // The real quotient: an integer division (800 / 600 = 1) would stretch the
  // picture by 4:3 and turn round particles into ovals.
  const double aspect = static_cast<double>(width) / static_cast<double>(height);
  gluPerspective(kFieldOfView, aspect, kNearPlane, kFarPlane);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void initGLState() {
  glShadeModel(GL_SMOOTH);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClearDepth(1.0);
  glDisable(GL_DEPTH_TEST);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}
