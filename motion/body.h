#pragma once
// A movable point: the particles themselves, and the base of emitters and
// attractors. Motion is explicit Euler with a step of one frame.

#include "motion/colour.h"
#include "motion/vector2.h"

class Body {
 public:
  Body() = default;
  Body(const Body&) = default;
  Body& operator=(const Body&) = default;
  virtual ~Body() = default;

  Vector2 position;          // current position in the simulation plane
  Vector2 previousPosition;  // position before the latest update
  Vector2 velocity;          // units added to position by each update
  float mass = 1.0f;         // read only by the attractor force law, for the attractor
  int life = 0;              // remaining updates; counts below zero, saturating at INT_MIN
  int maxLife = 0;           // the life given to the latest init
  const Colour* colour = &kNoColour;  // shared, never modified through the body

  // Places and launches the body; angle in degrees. Allocates nothing: the
  // position is copied and the colour is kept by reference.
  void init(const Vector2& start, double angle, double speed, int lifeSpan, const Colour& paint) {
    start.copyTo(position);
    velocity.x = static_cast<float>(speed * math::cosDegrees(angle));
    velocity.y = static_cast<float>(speed * math::sinDegrees(angle));
    life = lifeSpan;
    maxLife = lifeSpan;
    colour = &paint;
  }

  void accelerate(const Vector2& v) { velocity.add(v); }
  void scaleVelocity(double factor) { velocity.scale(factor); }

  // Callers that know the object is a plain Body (the particle pool) call
  // Body::update() directly and skip the dispatch.
  virtual void update() {
    position.copyTo(previousPosition);
    position.add(velocity);
    // A body that is never recycled (the emitter) counts down forever; stopping at
    // the minimum keeps the count defined instead of overflowing.
    if (life != kMinLife) --life;
  }

  static constexpr int kMinLife = -2147483647 - 1;
};
