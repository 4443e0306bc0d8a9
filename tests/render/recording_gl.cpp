#include "tests/render/recording_gl.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstring>
#include <initializer_list>

namespace recording_gl {

std::vector<GlCall>& calls() {
  static std::vector<GlCall> list;
  return list;
}

Model& model() {
  static Model state;
  return state;
}

void reset() {
  calls().clear();
  model() = Model{};
}

}  // namespace recording_gl

namespace {

void record(const char* name, std::initializer_list<double> args, const void* pointer = nullptr) {
  if (recording_gl::model().quiet) return;
  recording_gl::calls().push_back({name, args, pointer});
}

int proxyWidth = 0;

}  // namespace

void glBindTexture(GLenum target, GLuint texture) {
  record("glBindTexture", {double(target), double(texture)});
  if (target == GL_TEXTURE_2D) recording_gl::model().boundTexture = texture;
}
void glTexParameteri(GLenum target, GLenum pname, GLint param) {
  record("glTexParameteri", {double(target), double(pname), double(param)});
}
void glEnableClientState(GLenum array) { record("glEnableClientState", {double(array)}); }
void glDisableClientState(GLenum array) { record("glDisableClientState", {double(array)}); }
void glPushMatrix() { record("glPushMatrix", {}); }
void glPopMatrix() { record("glPopMatrix", {}); }
void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* ptr) {
  record("glVertexPointer", {double(size), double(type), double(stride)}, ptr);
}
void glTexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* ptr) {
  record("glTexCoordPointer", {double(size), double(type), double(stride)}, ptr);
}
void glColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* ptr) {
  record("glColorPointer", {double(size), double(type), double(stride)}, ptr);
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
  record("glTranslatef", {double(x), double(y), double(z)});
}
void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
  record("glDrawArrays", {double(mode), double(first), double(count)});
}

void glGetIntegerv(GLenum pname, GLint* params) {
  record("glGetIntegerv", {double(pname)});
  *params = pname == GL_TEXTURE_BINDING_2D ? GLint(recording_gl::model().boundTexture) : 0;
}
void glPushClientAttrib(GLbitfield mask) { record("glPushClientAttrib", {double(mask)}); }
void glPopClientAttrib() { record("glPopClientAttrib", {}); }
void glPixelStorei(GLenum pname, GLint param) {
  record("glPixelStorei", {double(pname), double(param)});
}
void glGenTextures(GLsizei n, GLuint* textures) {
  record("glGenTextures", {double(n)});
  for (GLsizei i = 0; i < n; ++i) textures[i] = recording_gl::model().nextName++;
}
void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                  GLsizei height, GLint border, GLenum format, GLenum type, const GLvoid* pixels) {
  record("glTexImage2D",
         {double(target), double(level), double(internalFormat), double(width), double(height),
          double(border), double(format), double(type)},
         pixels);
  if (target == GL_PROXY_TEXTURE_2D) {
    const recording_gl::Model& m = recording_gl::model();
    const bool accepted =
        !m.refuseEverything && width <= m.largestAccepted && height <= m.largestAccepted;
    proxyWidth = accepted ? width : 0;
  }
}
void glGetTexLevelParameteriv(GLenum target, GLint level, GLenum pname, GLint* params) {
  record("glGetTexLevelParameteriv", {double(target), double(level), double(pname)});
  *params = (target == GL_PROXY_TEXTURE_2D && level == 0 && pname == GL_TEXTURE_WIDTH) ? proxyWidth
                                                                                       : 0;
}
GLint gluScaleImage(GLenum format, GLsizei wIn, GLsizei hIn, GLenum typeIn, const void* dataIn,
                    GLsizei wOut, GLsizei hOut, GLenum typeOut, GLvoid* dataOut) {
  record("gluScaleImage",
         {double(format), double(wIn), double(hIn), double(typeIn), double(wOut), double(hOut),
          double(typeOut)},
         dataIn);
  std::memset(dataOut, 0, static_cast<std::size_t>(wOut) * hOut * 4);
  return 0;
}

// What the text drawer calls besides the above.
void glPushAttrib(GLbitfield mask) { record("glPushAttrib", {double(mask)}); }
void glPopAttrib() { record("glPopAttrib", {}); }
void glMatrixMode(GLenum mode) { record("glMatrixMode", {double(mode)}); }
void glLoadIdentity() { record("glLoadIdentity", {}); }
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble near,
             GLdouble far) {
  record("glOrtho", {left, right, bottom, top, near, far});
}
void glEnable(GLenum cap) { record("glEnable", {double(cap)}); }
void glDisable(GLenum cap) { record("glDisable", {double(cap)}); }
void glTexEnvi(GLenum target, GLenum pname, GLint param) {
  record("glTexEnvi", {double(target), double(pname), double(param)});
}
void glBegin(GLenum mode) { record("glBegin", {double(mode)}); }
void glEnd() { record("glEnd", {}); }
void glTexCoord2f(GLfloat s, GLfloat t) { record("glTexCoord2f", {double(s), double(t)}); }
void glVertex2i(GLint x, GLint y) { record("glVertex2i", {double(x), double(y)}); }
