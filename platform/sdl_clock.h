#pragma once
// The millisecond clock of the SDL layer: milliseconds since SDL's timer started.

#include "platform/clock.h"

class SdlClock final : public Clock {
 public:
  std::uint32_t milliseconds() override;
};
