#pragma once

#include <string>

#include "LocalClock.h"

namespace countdown::testing {

// A local clock that stands at the time it is set to; its long date is "year-month-day".
class FakeLocalClock : public LocalClock {
  public:
    explicit FakeLocalClock(DateValue now = 0) : now_(now) {}
    void set(DateValue now) { now_ = now; }
    DateValue now() const override { return now_; }
    std::string longDate(DateValue when) const override {
        const CivilDateTime c = toCivil(when);
        return std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day);
    }

  private:
    DateValue now_;
};

}  // namespace countdown::testing
