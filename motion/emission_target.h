#pragma once
// What an emitter needs from the particle system: how many bodies are free, and a
// way to launch one. Keeps motion/ independent of the system that implements it.

#include "motion/colour.h"
#include "motion/vector2.h"

class EmissionTarget {
 public:
  virtual int getFreeCount() const = 0;
  // angle in degrees and speed in units per frame, passed on unrounded.
  virtual void emit(const Vector2& position, double angle, double speed, int life,
                    const Colour& colour) = 0;

 protected:
  ~EmissionTarget() = default;
};
