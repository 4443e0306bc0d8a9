#pragma once
// A fixed body whose inverse-square pull bends particle paths. The pull aims at a
// point `radius` away from the centre, a quarter turn clockwise from the direction
// in which the particle sees the attractor, so particles are deflected past it.

#include "motion/body.h"

class Attractor : public Body {
 public:
  float radius = 0.0f;    // distance of the pull point from position
  float strength = 0.0f;  // constant factor of the pull
  float maxForce = 0.0f;  // per-component limit on the change before polarity; 0 = none
  float polarity = 0.0f;  // +1 attracts, -1 repels; any value scales the result

  // Adds this attractor's pull to the body's velocity. A body exactly on the centre
  // or exactly on the pull point has no direction to be pulled in: it gets nothing.
  void applyForce(Body& body) const;
};
