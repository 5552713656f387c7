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
// A firm end even when the PC's clock is set back during a check.
constexpr int kMostRequests = 32;

Micros floorDiv(Micros a, Micros b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

CheckFailure failureOf(const Exchange& exchange) {
    switch (exchange.failure) {
        case Failure::HostNotFound:
            return {FailureKind::HostNotFound, exchange.detail};
        case Failure::Refused:
            return {FailureKind::Refused, exchange.detail};
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
    const auto second = parseHttpDate(*date, floorDiv(exchange.received, kSecond));
    if (!second) return CheckFailure{FailureKind::UnreadableDate, {}};
    return *second;
}

class Measurement {
  public:
    explicit Measurement(TimedTransport& transport) : transport_(transport) {}

    CheckOutcome run() {
        const PcMicros start = transport_.now();
        const Exchange opened = transport_.open();
        if (opened.failure != Failure::None) return failureOf(opened);
        PcMicros sendAt = transport_.now();
        int aimedSteps = 0;
        for (int request = 0; request < kMostRequests; ++request) {
            const bool aimed = !bounds_.empty();
            const Exchange exchange = transport_.exchange(sendAt, method_);
            const Answer answer = read(exchange, method_);
            if (const auto* failure = std::get_if<CheckFailure>(&answer)) return *failure;
            if (std::holds_alternative<MethodRefused>(answer)) {
                method_ = Method::Get;
                sendAt = transport_.now();
                continue;
            }
            if (const auto* dateSecond = std::get_if<std::int64_t>(&answer)) {
                bounds_.add(*dateSecond, exchange.sent, exchange.received);
                if (!bounds_.consistent()) return CheckFailure{FailureKind::InconsistentClock, {}};
                roundTrip_ =
                    std::min(roundTrip_, std::max<Micros>(0, exchange.received - exchange.sent));
                measuredAt_ = exchange.received;
                aimedSteps += aimed;
            }
            if (aimedSteps >= kAimedSteps && bounds_.width() - roundTrip_ <= kNarrowEnough) break;
            sendAt = nextSendTime(exchange.sent);
            const Micros roundTrip =
                bounds_.empty() ? exchange.received - exchange.sent : roundTrip_;
            if (sendAt + roundTrip > start + kLongest) break;
        }
        if (bounds_.empty()) return CheckFailure{FailureKind::OnlyCachedAnswers, {}};
        const Micros middle = this->middle();
        return ClockOffset{middle, bounds_.upper() - middle, roundTrip_, measuredAt_,
                           bounds_.answers()};
    }

  private:
    Micros middle() const { return bounds_.lower() + bounds_.width() / 2; }

    // Without bounds yet (only cached answers so far) requests leave a second apart.
    PcMicros nextSendTime(PcMicros lastSent) {
        const PcMicros earliest = transport_.now() + kAimLead;
        if (bounds_.empty()) return std::max(earliest, lastSent + kSecond);
        // Leaving at PC time s, a request reaches the server half a round trip later, when the
        // site's clock reads about s + lead: aim at the first whole second after `earliest`.
        const Micros lead = middle() + roundTrip_ / 2;
        return -floorDiv(-(earliest + lead), kSecond) * kSecond - lead;
    }

    TimedTransport& transport_;
    Method method_ = Method::Head;
    OffsetBounds bounds_;
    Micros roundTrip_ = std::numeric_limits<Micros>::max();
    PcMicros measuredAt_ = 0;
};

}  // namespace

CheckOutcome measureOffset(TimedTransport& transport) { return Measurement(transport).run(); }

}  // namespace clockcheck
