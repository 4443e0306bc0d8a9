#include "shell/scene.h"

#include "platform/debug_log.h"

namespace {

void placeAttractor(Attractor& attractor, const Vector2& position) {
  attractor.init(position, 0.0, 0.0, 0, kNoColour);  // attractors are never drawn
  attractor.mass = 4.0f;
  attractor.radius = 10.0f;
  attractor.strength = 1.1f;
  attractor.polarity = 1.0f;  // maxForce stays 0: no limit
}

}  // namespace

void setUpScene(Scene& scene, const SceneServices& services) {
  ParticleSystem& system = scene.system;
  system.init(kPoolSize, Vector2{}, Vector2{});
  if (services.loadTexture) services.loadTexture(system);
  system.particleSize = 1.0f;
  system.depth = -80.0f;
  system.damping = 0.93f;

  scene.emitterPosition = Vector2{};
  EmitterSettings& settings = scene.settings;
  settings.particlesPerEmission = 10;
  settings.emissionInterval = 10;
  settings.spread = 45.0f;
  settings.particleSpeed = 0.01f;
  settings.particleSpeedVariation = 0.2f;
  settings.particleLife = 500;
  settings.particleLifeVariation = 20;
  settings.palette = &kPalettes[0];

  scene.emitter.configure(scene.emitterPosition, 90.0f, 0.0f, 0, settings, system);
  scene.emitter.emitting = 1;
  system.addEmitter(scene.emitter);

  // One vector places both attractors: init copies its components.
  Vector2 place;
  place.x = -10.0f;
  placeAttractor(scene.attractor1, place);
  system.addAttractor(scene.attractor1);
  place.x = 10.0f;
  placeAttractor(scene.attractor2, place);
  system.addAttractor(scene.attractor2);

  debugLog("About to start running");
  if (services.hidePointer) services.hidePointer();
}

void reconfigureEmitter(Scene& scene) {
  scene.emitter.configure(scene.emitterPosition, scene.emitter.angle, 0.0f, 0, scene.settings,
                          scene.system);
}
