#pragma once

#include "LocalClock.h"

namespace platform {

// The PC's clock with its current offset from UTC, and the system locale's long-date form.
class SystemLocalClock : public countdown::LocalClock {
  public:
    countdown::LocalReading read() const override;
    std::string longDate(countdown::DateValue when) const override;
};

}  // namespace platform
