#pragma once

#include "LocalClock.h"

namespace platform {

// The PC's clock and the system locale's long-date form.
class SystemLocalClock : public countdown::LocalClock {
  public:
    countdown::DateValue now() const override;
    std::string longDate(countdown::DateValue when) const override;
};

}  // namespace platform
