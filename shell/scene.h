#pragma once
// The scene the frame loop runs: one particle system with its pool, one emitter
// configured from a settings record, two attractors, and the palette table. Built
// once, never replaced; the controls only change fields.

#include <array>
#include <functional>

#include "motion/attractor.h"
#include "motion/colour.h"
#include "motion/emitter.h"
#include "motion/emitter_settings.h"
#include "particles/particle_system.h"

inline constexpr int kScreenWidth = 800;   // pixels, of the window or the fullscreen mode
inline constexpr int kScreenHeight = 600;
inline constexpr int kScreenDepth = 32;    // bits per pixel of the fullscreen mode
inline constexpr float kFieldOfView = 45.0f;  // vertical, degrees
inline constexpr float kNearPlane = 2.0f;
inline constexpr float kFarPlane = 100.0f;
inline constexpr int kPoolSize = 10000;

// The six palettes, selected by the digit keys 1 to 6.
extern const std::array<Palette, 6> kPalettes;

struct Scene {
  ParticleSystem system;
  Emitter emitter;
  EmitterSettings settings;
  Vector2 emitterPosition;  // handed to every configure; never changed
  Attractor attractor1;     // at (-10, 0); the overlay shows its mass and radius
  Attractor attractor2;     // at (10, 0)
};

// What set-up needs from the display side; the trace tool leaves both empty.
struct SceneServices {
  std::function<void(ParticleSystem&)> loadTexture;
  std::function<void()> hidePointer;
};

// Builds the scene in place (its objects refer to each other, so it never moves).
void setUpScene(Scene& scene, const SceneServices& services);

// Configures the emitter again from the settings, keeping its direction.
void reconfigureEmitter(Scene& scene);
