// The program's start-up with a main routine that, instead of running the demo,
// writes the display and the GL state it finds into the file named by the first
// argument (one "name value..." line each) and returns. The end-to-end tests read
// the file to check what start-up left behind.

#include <GL/gl.h>
#include <SDL.h>

#include <unistd.h>

#include <cstdio>

#include "shell/startup.h"

namespace {

const char* outputPath = nullptr;

void floats(std::FILE* out, const char* name, GLenum what, int count) {
  GLfloat values[16] = {};
  glGetFloatv(what, values);
  std::fprintf(out, "%s", name);
  for (int i = 0; i < count; ++i) std::fprintf(out, " %.9g", static_cast<double>(values[i]));
  std::fprintf(out, "\n");
}

void integers(std::FILE* out, const char* name, GLenum what, int count) {
  GLint values[4] = {};
  glGetIntegerv(what, values);
  std::fprintf(out, "%s", name);
  for (int i = 0; i < count; ++i) std::fprintf(out, " %d", values[i]);
  std::fprintf(out, "\n");
}

void enabled(std::FILE* out, const char* name, GLenum what) {
  std::fprintf(out, "%s %d\n", name, glIsEnabled(what) ? 1 : 0);
}

void dumpState(Keyboard&, Clock&) {
  std::FILE* out = std::fopen(outputPath, "w");
  if (!out) return;
  char cwd[4096] = {};
  std::fprintf(out, "cwd %s\n", getcwd(cwd, sizeof cwd) ? cwd : "?");
  std::fprintf(out, "version %s\n", reinterpret_cast<const char*>(glGetString(GL_VERSION)));
  floats(out, "projection", GL_PROJECTION_MATRIX, 16);
  floats(out, "modelview", GL_MODELVIEW_MATRIX, 16);
  integers(out, "matrix_mode", GL_MATRIX_MODE, 1);
  integers(out, "viewport", GL_VIEWPORT, 4);
  integers(out, "shade_model", GL_SHADE_MODEL, 1);
  floats(out, "clear_colour", GL_COLOR_CLEAR_VALUE, 4);
  floats(out, "clear_depth", GL_DEPTH_CLEAR_VALUE, 1);
  enabled(out, "depth_test", GL_DEPTH_TEST);
  enabled(out, "texture_2d", GL_TEXTURE_2D);
  enabled(out, "blend", GL_BLEND);
  enabled(out, "vertex_array", GL_VERTEX_ARRAY);
  enabled(out, "texture_coord_array", GL_TEXTURE_COORD_ARRAY);
  enabled(out, "colour_array", GL_COLOR_ARRAY);
  integers(out, "blend_src", GL_BLEND_SRC, 1);
  integers(out, "blend_dst", GL_BLEND_DST, 1);
  integers(out, "double_buffer", GL_DOUBLEBUFFER, 1);
  integers(out, "depth_bits", GL_DEPTH_BITS, 1);
  std::fprintf(out, "gl_error %d\n", static_cast<int>(glGetError()));

  SDL_Window* window = SDL_GL_GetCurrentWindow();
  const Uint32 flags = SDL_GetWindowFlags(window);
  std::fprintf(out, "fullscreen %d\n", (flags & SDL_WINDOW_FULLSCREEN) ? 1 : 0);
  std::fprintf(out, "resizable %d\n", (flags & SDL_WINDOW_RESIZABLE) ? 1 : 0);
  SDL_DisplayMode mode;
  if (SDL_GetWindowDisplayMode(window, &mode) == 0)
    std::fprintf(out, "mode %d %d %d\n", mode.w, mode.h, static_cast<int>(SDL_BITSPERPIXEL(mode.format)));
  std::fclose(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: startup_probe OUTPUT\n");
    return 2;
  }
  outputPath = argv[1];
  return runStartup(dumpState);
}
