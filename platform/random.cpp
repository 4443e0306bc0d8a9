#include "platform/random.h"

namespace rng {

std::minstd_rand& generator() {
  static std::minstd_rand engine(kSeed);
  return engine;
}

void restart() { generator().seed(kSeed); }

double unit() {
  auto& engine = generator();
  const auto high = static_cast<double>(engine() & 0x1FFFFFFCu);  // bits 2..28
  const auto low = static_cast<double>(engine() & 0x1FFFFFF8u);   // bits 3..28
  return (high + low / 134217728.0) / 536870912.0;
}

double real(double low, double high) {
  const double r = unit();
  return high > low ? low + r * (high - low) : high + r * (low - high);
}

int integer(int low, int high) {
  const double r = unit();
  // The span is formed in double: 1 + high - low overflows an int for wide bounds.
  // The result lies in [min, max + 1), so the truncation always fits an int.
  const double value = high > low ? low + r * (1.0 + high - low) : high + r * (1.0 + low - high);
  return static_cast<int>(value);
}

}  // namespace rng
