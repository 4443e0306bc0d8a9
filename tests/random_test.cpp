#include "platform/random.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// The Lehmer step written out, independent of std::minstd_rand.
std::uint64_t lehmer(std::uint64_t x) { return x * 48271u % 2147483647u; }

TEST(Random, UnitDrawFollowsTheTwoStepFormula) {
  rng::restart();
  std::uint64_t state = 4660;
  for (int i = 0; i < 1000; ++i) {
    const std::uint64_t s1 = state = lehmer(state);
    const std::uint64_t s2 = state = lehmer(state);
    const double want = (static_cast<double>(s1 & 0x1FFFFFFCu) +
                         static_cast<double>(s2 & 0x1FFFFFF8u) / 134217728.0) /
                        536870912.0;
    const double got = rng::unit();
    ASSERT_EQ(got, want) << "draw " << i;
    ASSERT_GE(got, 0.0);
    ASSERT_LT(got, 1.0);
  }
}

TEST(Random, RestartRepeatsTheSequence) {
  rng::restart();
  const double first = rng::unit();
  rng::unit();
  rng::restart();
  EXPECT_EQ(rng::unit(), first);
}

TEST(Random, RangesSwapCrossedBounds) {
  rng::restart();
  const double r = rng::unit();
  struct Case {
    double low, high, want;
  };
  const Case reals[] = {{2.0, 5.0, 2.0 + r * 3.0}, {5.0, 2.0, 2.0 + r * 3.0}, {4.0, 4.0, 4.0}};
  for (const Case& c : reals) {
    rng::restart();
    EXPECT_EQ(rng::real(c.low, c.high), c.want) << c.low << ".." << c.high;
  }
  rng::restart();
  const int up = rng::integer(480, 520);
  rng::restart();
  EXPECT_EQ(rng::integer(520, 480), up);
  EXPECT_EQ(up, static_cast<int>(480 + r * 41.0));
}

TEST(Random, IntegerDrawCoversBothEnds) {
  rng::restart();
  bool seen[3] = {};
  for (int i = 0; i < 200; ++i) {
    const int v = rng::integer(0, 2);
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 2);
    seen[v] = true;
  }
  EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

TEST(Random, IntegerDrawOverTheWholeIntRangeStaysDefined) {
  // The span 2^32 does not fit an int; the draw must neither overflow nor leave the range.
  for (int i = 0; i < 100; ++i) {
    rng::restart();
    for (int k = 0; k < i; ++k) rng::unit();
    const double r = rng::unit();
    rng::restart();
    for (int k = 0; k < i; ++k) rng::unit();
    const auto want = static_cast<long long>(-2147483648.0 + r * 4294967296.0);
    ASSERT_EQ(rng::integer(-2147483647 - 1, 2147483647), want) << "draw " << i;
  }
}

}  // namespace
