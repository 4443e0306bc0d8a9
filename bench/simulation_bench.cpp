// The simulation against its floor: the particle system's update beside a kernel
// that performs only the arithmetic the update must do (the attractor pull,
// damping and the move, with the same libm calls in double) over plain arrays.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "bench/ratio_reporter.h"
#include "particles/particle_system.h"
#include "shell/scene.h"

namespace {

const Colour kWhite{1.0f, 1.0f, 1.0f};

struct SceneAttractors {
  Attractor first, second;
  SceneAttractors() {
    for (Attractor* a : {&first, &second}) {
      a->mass = 4.0f;
      a->radius = 10.0f;
      a->strength = 1.1f;
      a->polarity = 1.0f;
    }
    first.position.x = -10.0f;
    second.position.x = 10.0f;
  }
};

// A system whose pool is full of particles spread around the attractors, each with
// a life long enough to outlast the benchmark.
std::unique_ptr<ParticleSystem> filledSystem(int n, SceneAttractors& attractors) {
  auto system = std::make_unique<ParticleSystem>();
  system->init(n, Vector2{}, Vector2{});
  system->damping = 0.93f;
  system->addAttractor(attractors.first);
  system->addAttractor(attractors.second);
  std::mt19937 random(7);
  std::uniform_real_distribution<float> place(-30.0f, 30.0f);
  std::uniform_real_distribution<double> angle(0.0, 360.0), speed(-0.2, 0.2);
  for (int i = 0; i < n; ++i) {
    Vector2 p;
    p.x = place(random);
    p.y = place(random);
    system->emit(p, angle(random), speed(random), 1 << 30, kWhite);
  }
  return system;
}

// The floor: the same particle states in plain contiguous arrays.
struct Floor {
  struct Pull {
    float x, y, radius, polarity;
    double strengthTimesMass;
  };
  std::vector<float> px, py, vx, vy;
  std::vector<int> life;
  Pull pulls[2];
  double damping;

  Floor(const ParticleSystem& system, const SceneAttractors& a) : damping(system.damping) {
    forEachLive(system, [&](const Body& b) {
      px.push_back(b.position.x);
      py.push_back(b.position.y);
      vx.push_back(b.velocity.x);
      vy.push_back(b.velocity.y);
      life.push_back(b.life);
    });
    int k = 0;
    for (const Attractor* at : {&a.first, &a.second}) {
      pulls[k++] = {at->position.x, at->position.y, at->radius, at->polarity,
                    static_cast<double>(at->strength) * at->mass};
    }
  }

  static void pull(const Pull& a, float x, float y, float& velocityX, float& velocityY) {
    const float dx = static_cast<float>(static_cast<double>(a.x) - x);
    const float dy = static_cast<float>(static_cast<double>(a.y) - y);
    if (dx == 0.0f && dy == 0.0f) return;
    const double at = std::fabs(std::atan(static_cast<double>(dy) / dx) * math::kDegreesPerRadian);
    const double phi = dx < 0.0f ? (dy > 0.0f ? 90.0 - at : dy < 0.0f ? 90.0 + at : 270.0 + at)
                                 : (dx > 0.0f && dy < 0.0f ? 270.0 - at : 270.0 + at);
    const double radians = phi * math::kRadiansPerDegree;
    const float qx = static_cast<float>(static_cast<float>(a.radius * std::cos(radians)) +
                                        static_cast<double>(a.x));
    const float qy = static_cast<float>(static_cast<float>(a.radius * std::sin(radians)) +
                                        static_cast<double>(a.y));
    const double ux = static_cast<double>(qx) - x, uy = static_cast<double>(qy) - y;
    const double dist = std::sqrt(ux * ux + uy * uy);
    if (dist == 0.0) return;
    const auto nx = static_cast<float>(ux), ny = static_cast<float>(uy);
    const double length = std::sqrt(static_cast<double>(nx) * nx + static_cast<double>(ny) * ny);
    const double factor = a.strengthTimesMass / (dist * dist);
    const auto fx = static_cast<float>(static_cast<float>(nx / length) * factor);
    const auto fy = static_cast<float>(static_cast<float>(ny / length) * factor);
    velocityX = static_cast<float>(velocityX + static_cast<double>(static_cast<float>(fx * static_cast<double>(a.polarity))));
    velocityY = static_cast<float>(velocityY + static_cast<double>(static_cast<float>(fy * static_cast<double>(a.polarity))));
  }

  void step() {
    const std::size_t n = px.size();
    for (std::size_t i = 0; i < n; ++i) {
      float x = px[i], y = py[i], u = vx[i], v = vy[i];
      pull(pulls[0], x, y, u, v);
      pull(pulls[1], x, y, u, v);
      u = static_cast<float>(u * damping);
      v = static_cast<float>(v * damping);
      px[i] = static_cast<float>(static_cast<double>(x) + u);
      py[i] = static_cast<float>(static_cast<double>(y) + v);
      vx[i] = u;
      vy[i] = v;
      --life[i];
    }
  }

  static std::uint32_t bits(float v) {
    std::uint32_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
  }

  // Whether the system holds exactly the floor's states, bit for bit.
  bool matches(const ParticleSystem& system) const {
    std::size_t i = 0;
    bool same = true;
    forEachLive(system, [&](const Body& b) {
      same = same && bits(b.position.x) == bits(px[i]) && bits(b.position.y) == bits(py[i]) &&
             bits(b.velocity.x) == bits(vx[i]) && bits(b.velocity.y) == bits(vy[i]) &&
             b.life == life[i];
      ++i;
    });
    return same && i == px.size();
  }
};

void benchUpdate(benchmark::State& state) {
  SceneAttractors attractors;
  const auto system = filledSystem(static_cast<int>(state.range(0)), attractors);
  for (auto _ : state) {
    system->update();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void benchFloor(benchmark::State& state) {
  SceneAttractors attractors;
  const auto system = filledSystem(static_cast<int>(state.range(0)), attractors);
  Floor floor(*system, attractors);
  // The floor must do exactly the update's arithmetic, or the ratio means nothing.
  for (int i = 0; i < 3; ++i) {
    floor.step();
    system->update();
  }
  if (!floor.matches(*system)) {
    state.SkipWithError("the floor kernel and the update disagree");
    return;
  }
  for (auto _ : state) {
    floor.step();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void benchFillDrawArrays(benchmark::State& state) {
  SceneAttractors attractors;
  const auto system = filledSystem(static_cast<int>(state.range(0)), attractors);
  system->texMaxU = system->texMaxV = 1.0f;
  system->update();  // the draw follows an update, which leaves the live order as an array
  DrawArrays arrays;
  fillDrawArrays(*system, arrays);
  for (auto _ : state) {
    fillDrawArrays(*system, arrays);
    benchmark::DoNotOptimize(arrays.vertices.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0) * 36 * 4);
}

// The same bytes, written as plainly as the machine can.
void benchStreamingWrite(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  std::vector<float> vertices(12 * n), texCoords(8 * n), colours(16 * n);
  for (auto _ : state) {
    std::memset(vertices.data(), 1, vertices.size() * 4);
    std::memset(texCoords.data(), 1, texCoords.size() * 4);
    std::memset(colours.data(), 1, colours.size() * 4);
    benchmark::DoNotOptimize(vertices.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0) * 36 * 4);
}

constexpr int kRepetitions = 5;

BENCHMARK(benchUpdate)->Arg(10000)->Repetitions(kRepetitions)->ReportAggregatesOnly(false);
BENCHMARK(benchFloor)->Arg(10000)->Repetitions(kRepetitions);
BENCHMARK(benchUpdate)->Arg(1000)->Arg(100000)->Arg(1000000)->Repetitions(kRepetitions);
BENCHMARK(benchFillDrawArrays)->Arg(10000)->Repetitions(kRepetitions);
BENCHMARK(benchStreamingWrite)->Arg(10000)->Repetitions(kRepetitions);

}  // namespace

void printSimulationRatios(const RatioReporter& r) {
  printRatio("update / floor, per particle (10000 live)", r.best("benchUpdate/10000"),
             r.best("benchFloor/10000"), 1.3);
  printRatio("update per particle, 1000000 / 10000", r.bestPer("benchUpdate/1000000", 1e6),
             r.bestPer("benchUpdate/10000", 1e4), 1.5);
  printRatio("update per particle, 100000 / 10000", r.bestPer("benchUpdate/100000", 1e5),
             r.bestPer("benchUpdate/10000", 1e4), 1.5);
  printRatio("update per particle, 1000 / 10000", r.bestPer("benchUpdate/1000", 1e3),
             r.bestPer("benchUpdate/10000", 1e4), 1.5);
  printRatio("draw-array fill / streaming write (10000)", r.best("benchFillDrawArrays/10000"),
             r.best("benchStreamingWrite/10000"), 2.0);
}
