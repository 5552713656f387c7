#pragma once

#include <string>

#include "DateValue.h"

namespace countdown {

// The PC's local clock as the tick reads it.
class LocalClock {
  public:
    virtual ~LocalClock() = default;
    // The local date and time, truncated to the whole second.
    virtual DateValue now() const = 0;
    // The given local date in the system's long-date form.
    virtual std::string longDate(DateValue when) const = 0;
};

}  // namespace countdown
