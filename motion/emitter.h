#pragma once
// A body that fires bursts of particles from a system's pool: a fan of directions
// starting half the spread below its angle, each particle with a random speed,
// life and palette colour.

#include "motion/body.h"
#include "motion/emission_target.h"
#include "motion/emitter_settings.h"

class Emitter : public Body {
 public:
  float rotationSpeed = 0.0f;          // degrees added to angle per update
  int emitting = 0;                    // flag: bursts are fired while 1
  int particlesPerEmission = 0;        // particles per burst, at most
  int emissionInterval = 0;            // a burst is due when framesSinceEmission exceeds this
  int framesSinceEmission = 0;         // updates since the last burst
  float spread = 0.0f;                 // width of the fan, degrees
  float spreadStart = 0.0f;            // first direction relative to angle: -(spread / 2)
  float spreadStep = 0.0f;             // degrees between neighbouring directions of a burst
  float angle = 0.0f;                  // emission direction, degrees (0 along +x, 90 along +y)
  float particleSpeed = 0.0f;          // centre of the speed range, units per frame
  float particleSpeedVariation = 0.0f; // half-width of the speed range
  int particleLife = 0;                // centre of the life range, updates
  int particleLifeVariation = 0;       // half-width of the life range
  const Palette* palette = &EmitterSettings::kEmptyPalette;  // shared, never changed
  EmissionTarget* system = nullptr;    // not owned: supplies the particles

  // Moves the emitter, turns it, counts the update and fires a burst when due.
  void update() override;

  // Places the emitter and copies the settings; rotationSpeed, emitting and the
  // burst counter are left alone, so configuring again keeps the rhythm.
  void configure(const Vector2& start, float direction, float speed, int lifeSpan,
                 const EmitterSettings& settings, EmissionTarget& target);
  void setSpread(float width);
  void startEmitting() { emitting = 1; }
  void stopEmitting() { emitting = 0; }

 private:
  void fireBurst();
};
