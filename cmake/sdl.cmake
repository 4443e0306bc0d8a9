# The platform layer on SDL2, OpenGL and GLU, and the program built on it.

find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
set(OpenGL_GL_PREFERENCE GLVND)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)

add_library(particles_sdl STATIC
  platform/display.cpp
  platform/dialog.cpp
  platform/cursor.cpp
  platform/key_state.cpp
  platform/sdl_keyboard.cpp
  platform/sdl_clock.cpp
  platform/program_directory.cpp
)
target_include_directories(particles_sdl PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
# SDL and X11 stay private: no header of the layer names their types.
target_link_libraries(particles_sdl PUBLIC particles_base PRIVATE PkgConfig::SDL2 PkgConfig::X11)

# Start-up and the GL state it sets, shared by the program and its tests.
add_library(particles_startup STATIC
  shell/startup.cpp
  shell/gl_setup.cpp
)
target_link_libraries(particles_startup PUBLIC particles_sdl particles_core OpenGL::GL OpenGL::GLU)

# The frame loop's display half, shared by the program and the tools that run
# the same frames on a screen or offscreen.
add_library(particles_frame STATIC
  shell/main_routine.cpp
  shell/gl_frame_output.cpp
)
target_link_libraries(particles_frame PUBLIC particles_startup particles_shell particles_gl)

add_executable(particles shell/main.cpp)
target_link_libraries(particles PRIVATE particles_frame)
