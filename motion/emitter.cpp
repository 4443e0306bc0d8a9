#include "motion/emitter.h"

#include <algorithm>

#include "platform/random.h"

const Palette EmitterSettings::kEmptyPalette{};

void Emitter::update() {
  Body::update();
  angle = static_cast<float>(static_cast<double>(angle) + rotationSpeed);
  // The wrap tests 359, not 360: an angle in [359, 360) is brought to [-1, 0) and
  // then back up by the second test.
  if (angle >= 359.0f) angle = static_cast<float>(angle - 360.0);
  if (angle <= 0.0f) angle = static_cast<float>(angle + 360.0);
  ++framesSinceEmission;
  if (emitting != 0 && framesSinceEmission > emissionInterval) {
    fireBurst();
    framesSinceEmission = 0;
  }
}

void Emitter::fireBurst() {
  // Without colours there is nothing to paint a particle with: the burst is skipped.
  if (system == nullptr || palette->empty()) return;
  const int count = std::min(particlesPerEmission, system->getFreeCount());
  // The direction accumulates in double step by step, as a running sum.
  double direction = static_cast<double>(spreadStart) + angle;
  const double speedLow = static_cast<double>(particleSpeed) - particleSpeedVariation;
  const double speedHigh = static_cast<double>(particleSpeed) + particleSpeedVariation;
  const int lifeLow = particleLife - particleLifeVariation;
  const int lifeHigh = particleLife + particleLifeVariation;
  const double colours = static_cast<double>(palette->size());
  for (int i = 0; i < count; ++i) {
    const double speed = rng::real(speedLow, speedHigh);
    const int lifeSpan = rng::integer(lifeLow, lifeHigh);
    const auto index = static_cast<std::size_t>(rng::real(0.0, colours));
    system->emit(position, direction, speed, lifeSpan, (*palette)[index]);
    direction += spreadStep;
  }
}

void Emitter::configure(const Vector2& start, float direction, float speed, int lifeSpan,
                        const EmitterSettings& settings, EmissionTarget& target) {
  init(start, direction, speed, lifeSpan, kNoColour);
  particlesPerEmission = settings.particlesPerEmission;
  emissionInterval = settings.emissionInterval;
  angle = direction;
  setSpread(settings.spread);
  particleSpeed = settings.particleSpeed;
  particleSpeedVariation = settings.particleSpeedVariation;
  particleLife = settings.particleLife;
  particleLifeVariation = settings.particleLifeVariation;
  palette = settings.palette;
  system = &target;
}

void Emitter::setSpread(float width) {
  // A count below 1 fires no burst, so its step is never used; 0 keeps it finite.
  spreadStep = particlesPerEmission > 0
                   ? static_cast<float>(width / static_cast<double>(particlesPerEmission))
                   : 0.0f;
  spreadStart = static_cast<float>(-(width / 2.0));
  spread = width;
}
