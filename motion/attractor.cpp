#include "motion/attractor.h"

#include <cmath>

void Attractor::applyForce(Body& body) const {
  Vector2 d = position;
  d.subtract(body.position);  // from the body to the attractor
  if (d.x == 0.0f && d.y == 0.0f) return;

  const double t = static_cast<double>(d.y) / d.x;
  const double a = std::fabs(math::atanDegrees(t));
  double phi;
  if (d.x < 0.0f && d.y > 0.0f) {
    phi = 90.0 - a;
  } else if (d.x < 0.0f && d.y < 0.0f) {
    phi = 90.0 + a;
  } else if (d.x > 0.0f && d.y < 0.0f) {
    phi = 270.0 - a;
  } else {
    phi = 270.0 + a;  // both positive, or a component zero
  }

  d.x = static_cast<float>(radius * math::cosDegrees(phi));
  d.y = static_cast<float>(radius * math::sinDegrees(phi));
  d.add(position);  // the pull point
  // The distance comes from the unrounded differences; the direction below from
  // the rounded ones. They are two computations, not one length reused.
  const double dist = d.distanceTo(body.position);
  if (dist == 0.0) return;
  d.subtract(body.position);
  d.normalize();
  d.scale(static_cast<double>(strength) * mass / (dist * dist));
  if (maxForce != 0.0f) d.clamp(maxForce, -static_cast<double>(maxForce));
  d.scale(polarity);
  body.accelerate(d);
}
