// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "OffsetMeasurement.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <variant>

#include "HttpDate.h"
#include "OffsetBounds.h"
#include "ResponseHead.h"

namespace clockcheck {
namespace {

constexpr Micros kSecond = 1'000'000;
constexpr Micros kLongest = 12 * kSecond;
// An aimed request leaves at least this long after its aim is chosen, so that the transport is
// never asked for a moment that has passed.
constexpr Micros kAimLead = 5'000;
constexpr int kAimedSteps = 7;
// What may be left of the width beyond the round trip: 1/128 s, plus the microsecond by which
// each step's halving may round up.
constexpr Micros kNarrowEnough = kSecond / 128 + kAimedSteps;
// A firm end for a server that answers at once and never narrows the bounds.
constexpr int kMostRequests = 32;
// How many answers must have bounded the offset for a check to end with them when the server
// then stops answering.
constexpr int kEnoughBeforeSilence = 3;

Micros floorDiv(Micros a, Micros b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

CheckFailure failureOf(const Exchange& exchange) {
    switch (exchange.failure) {
        case Failure::HostNotFound:
            return {FailureKind::HostNotFound, exchange.detail};
        case Failure::Refused:
            return {FailureKind::Refused, exchange.detail};
        case Failure::ProxyUnreachable:
            return {FailureKind::ProxyUnreachable, exchange.detail};
        case Failure::ProxyRefused:
            return {FailureKind::ProxyRefused, exchange.detail};
        case Failure::NoAnswer:
            return {FailureKind::NoAnswer, exchange.detail};
        case Failure::TlsError:
            return {FailureKind::TlsError, exchange.detail};
        case Failure::ConnectionLost:
            return {FailureKind::ConnectionLost, exchange.detail};
        case Failure::None:  // not a failure; never asked for
        case Failure::Cancelled:
            break;
    }
    return {FailureKind::Cancelled, exchange.detail};
}

// `Age` is a count of seconds; anything but 0 (or a repeated or unreadable count) means the
// answer was stored earlier and says nothing about the server's clock now.
bool fromCache(const std::optional<std::string>& age) {
    return age && (age->empty() || age->find_first_not_of('0') != std::string::npos);
}

// What one exchange tells: why the check ends, that the server refuses HEAD (405 or 501), that
// the answer came from a cache, or the second its `Date` names.
struct MethodRefused {};
struct Cached {};
using Answer = std::variant<CheckFailure, MethodRefused, Cached, std::int64_t>;

Answer read(const Exchange& exchange, Method method) {
    if (exchange.failure != Failure::None) return failureOf(exchange);
    const auto head = parseResponseHead(exchange.head);
    if (!head) return CheckFailure{FailureKind::UnreadableAnswer, {}};
    if (method == Method::Head && (head->status == 405 || head->status == 501)) {
        return MethodRefused{};
    }
    if (fromCache(head->field("Age"))) return Cached{};
    const auto date = head->field("Date");
    if (!date) return CheckFailure{FailureKind::NoDate, {}};
    const auto second = parseHttpDate(*date, floorDiv(exchange.received.system, kSecond));
    if (!second) return CheckFailure{FailureKind::UnreadableDate, {}};
    return *second;
}

// How far the system clock may drift from the step-free clock by the time service's slewing:
// 1 ms plus 0.5 ms per second. A larger change is a step.
bool stepped(const ClockReading& from, const ClockReading& to) {
    const Micros drift = to.systemAhead() - from.systemAhead();
    const Micros allowed = 1'000 + (to.stepFree - from.stepFree) / 2'000;
    return drift > allowed || -drift > allowed;
}

class Measurement {
  public:
    explicit Measurement(TimedTransport& transport) : transport_(transport) {}

    CheckOutcome run() {
        start_ = transport_.now();
        const Exchange opened = transport_.open();
        if (opened.failure != Failure::None) return failureOf(opened);
        for (bool again = false;; again = true) {
            if (std::optional<CheckOutcome> outcome = attempt()) return *outcome;
            if (again) return CheckFailure{FailureKind::ClockChanged, {}};
        }
    }

  private:
    // One pass of requests against a system clock that did not step; nothing when it stepped.
    // The second pass gets what is left of the check's 12 s, so that a check started over ends
    // no later than one that was not: no request leaves after them.
    std::optional<CheckOutcome> attempt() {
        bounds_ = {};
        roundTrip_ = std::numeric_limits<Micros>::max();
        base_ = transport_.now();
        StepFreeMicros sendAt = base_.stepFree;
        int aimedSteps = 0;
        for (int request = 0; request < kMostRequests; ++request) {
            if (sendAt > start_.stepFree + kLongest) {
                // A pass started over when nothing was left of the 12 s (the first pass always
                // has time: open() ends within 3 s): the step ends the check.
                if (request == 0) return CheckFailure{FailureKind::ClockChanged, {}};
                break;
            }
            const bool aimed = !bounds_.empty();
            const Exchange exchange = transport_.exchange(sendAt, method_);
            if (exchange.failure == Failure::None &&
                (stepped(base_, exchange.sent) || stepped(base_, exchange.received))) {
                return std::nullopt;
            }
            // A request left without an answer after at least three answers: the server stopped
            // answering, and what the answers before bound is still true.
            if (exchange.failure == Failure::NoAnswer &&
                bounds_.answers() >= kEnoughBeforeSilence) {
                stoppedAnswering_ = true;
                break;
            }
            const Answer answer = read(exchange, method_);
            if (const auto* failure = std::get_if<CheckFailure>(&answer)) return *failure;
            if (std::holds_alternative<MethodRefused>(answer)) {
                method_ = Method::Get;
                const ClockReading now = transport_.now();
                if (stepped(base_, now)) return std::nullopt;
                sendAt = now.stepFree;
                continue;
            }
            if (const auto* dateSecond = std::get_if<std::int64_t>(&answer)) {
                bounds_.add(*dateSecond, exchange.sent.system, exchange.received.system);
                if (!bounds_.consistent()) return CheckFailure{FailureKind::InconsistentClock, {}};
                roundTrip_ = std::min(roundTrip_, std::max<Micros>(0, exchange.received.stepFree -
                                                                          exchange.sent.stepFree));
                measuredAt_ = exchange.received;
                aimedSteps += aimed;
            }
            if (aimedSteps >= kAimedSteps && bounds_.width() - roundTrip_ <= kNarrowEnough) break;
            const ClockReading now = transport_.now();
            if (stepped(base_, now)) return std::nullopt;
            sendAt = nextSendTime(now, exchange.sent.stepFree);
            const Micros roundTrip =
                bounds_.empty() ? exchange.received.stepFree - exchange.sent.stepFree : roundTrip_;
            if (sendAt + roundTrip > start_.stepFree + kLongest) break;
        }
        if (bounds_.empty()) return CheckFailure{FailureKind::OnlyCachedAnswers, {}};
        const Micros middle = this->middle();
        return ClockOffset{middle,      bounds_.upper() - middle, roundTrip_,
                           measuredAt_, bounds_.answers(),        stoppedAnswering_};
    }

    Micros middle() const { return bounds_.lower() + bounds_.width() / 2; }

    // When the next request leaves, on the step-free clock. Without bounds yet (only cached
    // answers so far) requests leave a second apart.
    StepFreeMicros nextSendTime(const ClockReading& now, StepFreeMicros lastSent) const {
        const StepFreeMicros earliest = now.stepFree + kAimLead;
        if (bounds_.empty()) return std::max(earliest, lastSent + kSecond);
        // Leaving at system time s, a request reaches the server half a round trip later, when
        // the site's clock reads about s + lead: aim at the first whole second after `earliest`
        // in system time, then convert the aim to the step-free clock by the pair read now.
        const Micros lead = middle() + roundTrip_ / 2;
        const PcMicros earliestSystem = earliest + now.systemAhead();
        const PcMicros aim = -floorDiv(-(earliestSystem + lead), kSecond) * kSecond - lead;
        return aim - now.systemAhead();
    }

    TimedTransport& transport_;
    ClockReading start_;  // when the check began: its 12 s run on the step-free clock from here
    ClockReading base_;   // when this pass began: the pair every later reading is held against
    Method method_ = Method::Head;
    OffsetBounds bounds_;
    Micros roundTrip_ = std::numeric_limits<Micros>::max();
    ClockReading measuredAt_;
    bool stoppedAnswering_ = false;
};

}  // namespace

CheckOutcome measureOffset(TimedTransport& transport) { return Measurement(transport).run(); }

}  // namespace clockcheck
