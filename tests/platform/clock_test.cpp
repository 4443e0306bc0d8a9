#include <gtest/gtest.h>

#include <cstdint>

#include "platform/clock.h"

namespace {

// A fake clock that a test sets to any reading, the wrap included.
class FakeClock final : public Clock {
 public:
  std::uint32_t now = 0;
  std::uint32_t milliseconds() override { return now; }
};

struct ElapsedCase {
  const char* name;
  std::uint32_t start;
  std::uint32_t now;
  bool moreThan1001;
};

class ElapsedMoreThanTest : public testing::TestWithParam<ElapsedCase> {};

TEST_P(ElapsedMoreThanTest, ComparesTheDifferenceModuloTheWrap) {
  const ElapsedCase& c = GetParam();
  EXPECT_EQ(elapsedMoreThan(c.start, c.now, 1001), c.moreThan1001);
}

constexpr std::uint32_t k2p31 = 0x80000000u;
constexpr std::uint32_t kMax = 0xFFFFFFFFu;

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ElapsedMoreThanTest,
    testing::Values(
        ElapsedCase{"Zero", 0, 0, false},
        ElapsedCase{"ExactlyTheLimitIsNotMore", 5000, 6001, false},
        ElapsedCase{"OneMoreThanTheLimit", 5000, 6002, true},
        // Where start + 1001 would pass the signed 32-bit maximum.
        ElapsedCase{"BelowSigned31BitEdgeNotYet", k2p31 - 500, k2p31 + 501, false},
        ElapsedCase{"AcrossSigned31BitEdge", k2p31 - 500, k2p31 + 502, true},
        ElapsedCase{"JustAfterSigned31BitEdge", k2p31 - 1, k2p31 + 10, false},
        // Where the 32-bit reading itself wraps to 0.
        ElapsedCase{"BeforeWrapNotYet", kMax - 499, 501, false},
        ElapsedCase{"AcrossWrap", kMax - 499, 502, true},
        ElapsedCase{"StartAtMaximum", kMax, 1001, true},
        ElapsedCase{"StartAtMaximumNotYet", kMax, 1000, false},
        ElapsedCase{"LongAfterWrap", kMax - 10, 100000, true}),
    [](const testing::TestParamInfo<ElapsedCase>& info) { return info.param.name; });

// A measuring interval of about a second, run as the frame-rate code runs it: the
// interval must keep ending once per second of clock time across the wrap, where a
// raw comparison of start + 1001 with the reading would never fire again (or fire
// every frame).
TEST(ElapsedMoreThanTest, IntervalsKeepEndingAcrossTheWrap) {
  FakeClock clock;
  clock.now = kMax - 5000;
  std::uint32_t intervalStart = clock.milliseconds();
  int intervalsEnded = 0;
  for (int frame = 0; frame < 600; ++frame) {  // 10 s at 60 frames a second
    clock.now += 1000 / 60;
    if (elapsedMoreThan(intervalStart, clock.milliseconds(), 1001)) {
      ++intervalsEnded;
      intervalStart = clock.milliseconds();
    }
  }
  EXPECT_EQ(intervalsEnded, 9);
}

}  // namespace
