#pragma once
// The emission parameters an emitter is configured from. The emitter copies them
// at each configure and keeps no reference to the record.

#include "motion/colour.h"

struct EmitterSettings {
  int particlesPerEmission = 0;        // particles per burst; at least 1 whenever configure runs
  int emissionInterval = 0;            // a burst is due when more updates than this have passed
  float spread = 0.0f;                 // width of the fan of directions, degrees
  float particleSpeed = 0.0f;          // centre of the speed range, units per frame
  float particleSpeedVariation = 0.0f; // half-width of the speed range
  int particleLife = 0;                // centre of the life range, updates
  int particleLifeVariation = 0;       // half-width of the life range
  const Palette* palette = &kEmptyPalette;  // shared, never changed

  static const Palette kEmptyPalette;
};
