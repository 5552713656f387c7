#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "TimedTransport.h"

// Passes a check's requests on to a transport, with the PC's system clock stepped as a time
// service or a user would step it: each step moves every later system reading by `by` µs from
// `at` µs after the first reading on the step-free clock. The step-free clock and the server's
// clock go on untouched, so the true offset after the steps is the server's less their sum.
class SteppedClock : public clockcheck::TimedTransport {
  public:
    struct Step {
        clockcheck::StepFreeMicros at = 0;
        clockcheck::PcMicros by = 0;
    };

    SteppedClock(clockcheck::TimedTransport& transport, std::vector<Step> steps)
        : transport_(transport), steps_(std::move(steps)) {}

    clockcheck::ClockReading now() override { return stepped(transport_.now()); }
    clockcheck::Exchange open() override { return transport_.open(); }
    clockcheck::Exchange exchange(clockcheck::StepFreeMicros sendAt,
                                  clockcheck::Method method) override {
        clockcheck::Exchange exchange = transport_.exchange(sendAt, method);
        exchange.sent = stepped(exchange.sent);
        exchange.received = stepped(exchange.received);
        return exchange;
    }

    // The steps made by the step-free moment `until`.
    clockcheck::PcMicros steppedBy(clockcheck::StepFreeMicros until) const {
        clockcheck::PcMicros sum = 0;
        for (const Step& step : steps_)
            sum += until - start_.value_or(until) >= step.at ? step.by : 0;
        return sum;
    }

  private:
    clockcheck::ClockReading stepped(clockcheck::ClockReading reading) {
        if (!start_) start_ = reading.stepFree;
        reading.system += steppedBy(reading.stepFree);
        return reading;
    }

    clockcheck::TimedTransport& transport_;
    const std::vector<Step> steps_;
    std::optional<clockcheck::StepFreeMicros> start_;
};
