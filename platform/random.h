#pragma once
// The one random number generator of the program. Every run draws the same
// sequence: the generator starts from a fixed seed and nothing reseeds it, except
// tests that need to start the sequence again.

#include <random>

namespace rng {

inline constexpr unsigned kSeed = 4660;

// std::minstd_rand is exactly the Lehmer step x := 48271 * x mod 2147483647.
std::minstd_rand& generator();

// Starts the sequence again from the seed (for tests and tools that replay runs).
void restart();

// A draw in [0, 1) built from two steps: bits 2..28 of the first give the high
// part, bits 3..28 of the second the low part.
double unit();

// low + r * (high - low), uniform in [low, high); the bounds are swapped when low > high.
double real(double low, double high);

// Truncation toward zero of low + r * (1 + high - low): uniform over low..high,
// both included, for non-negative bounds; the bounds are swapped when low > high.
int integer(int low, int high);

}  // namespace rng
