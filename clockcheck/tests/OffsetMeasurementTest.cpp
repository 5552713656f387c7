// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "HttpDate.h"
#include "OffsetMeasurement.h"

namespace clockcheck {
namespace {

constexpr Micros kMs = 1'000, kS = 1'000'000;
constexpr PcMicros kStart = 1'796'692'642 * kS;  // 2026-12-08 01:17:22 UTC

// A server on virtual time, so nothing sleeps: its clock runs `offset` ahead of the PC's (and
// moves by `step` a second after the start); a request takes `beforeStamp` until the server
// stamps its `Date` and the answer `afterStamp` more (and `lateBy` more for a request sent
// `lateFrom` or later after the start). "{date}" in `head` stands for the `Date`.
// `clock` is the PC's step-free clock; its system clock reads kStart at the start, plus the
// `pcSteps` (when, after the start, and by how much) that were due by then.
struct SimulatedServer : TimedTransport {
    Micros offset = 0, beforeStamp = 0, afterStamp = 0, step = 0, lateFrom = 0, lateBy = 0;
    std::vector<std::pair<Micros, Micros>> pcSteps;
    std::string head = "HTTP/1.1 200 OK\r\nDate: {date}\r\n";
    std::string headAnswer;   // what HEAD is answered with, if not `head`
    int cachedAnswers = 0;    // how many answers first carry an `Age`
    int failingRequest = -1;  // 0 is open()
    Failure failure = Failure::None;
    StepFreeMicros clock = 0, start = 0, lastSent = 0;
    PcMicros systemAtStart = 0;
    std::vector<Method> methods;

    Micros pcStepped(StepFreeMicros until) const {
        Micros sum = 0;
        for (const auto& [at, by] : pcSteps) sum += until - start >= at ? by : 0;
        return sum;
    }
    ClockReading reading() const {
        return {systemAtStart + clock - start + pcStepped(clock), clock};
    }
    ClockReading now() override { return reading(); }
    Exchange open() override { return failingRequest == 0 ? failed() : Exchange{}; }
    Exchange exchange(StepFreeMicros sendAt, Method method) override {
        methods.push_back(method);
        const int request = static_cast<int>(methods.size());
        if (request == failingRequest) return failed();
        EXPECT_GE(sendAt, clock) << "a request aimed at a moment that had passed";
        Exchange answer;
        clock = std::max(clock, sendAt);
        answer.sent = reading();
        lastSent = clock;
        clock += beforeStamp;
        const Micros site =
            systemAtStart + clock - start + offset + (clock - start >= kS ? step : 0);
        clock += afterStamp + (answer.sent.stepFree - start >= lateFrom ? lateBy : 0);
        answer.received = reading();
        answer.head = method == Method::Head && !headAnswer.empty() ? headAnswer : head;
        const auto at = answer.head.find("{date}");
        if (at != std::string::npos) answer.head.replace(at, 6, formatHttpDate(site / kS));
        if (request <= cachedAnswers) answer.head += "Age: 5\r\n";
        return answer;
    }
    Exchange failed() const {
        return {failure, reading(), reading(), {}, "The certificate has expired."};
    }
};

using S = SimulatedServer;

struct Row {
    const char* name;
    Micros offset, beforeStamp, afterStamp;  // in milliseconds
    void (*twist)(S&);                       // what else the server does, if anything
    std::optional<FailureKind> expected;
};

constexpr std::optional<FailureKind> kMeasures;  // the check gives an offset
using enum FailureKind;

template <int request, Failure failure>
void failing(S& s) {
    s.failingRequest = request, s.failure = failure;
}

// The PC's system clock stepped `by` milliseconds `at` ms into the check, and `by2` at `at2`.
template <Micros at, Micros by, Micros at2 = 0, Micros by2 = 0>
void pcStepping(S& s) {
    s.pcSteps = {{at * kMs, by * kMs}, {at2 * kMs, by2 * kMs}};
}

const Row kRows[] = {
    {"AheadNoDelay", 2'370, 0, 0, nullptr, kMeasures},
    {"Behind80ms", -600, 40, 40, nullptr, kMeasures},
    {"HourAhead200ms", 3'600'400, 100, 100, nullptr, kMeasures},
    {"StampsAtOnce80ms", 2'370, 0, 80, nullptr, kMeasures},
    {"StampsLate10ms", -600, 10, 0, nullptr, kMeasures},
    {"Lopsided200ms", 3'600'400, 150, 50, nullptr, kMeasures},
    {"StampsAtOnce200ms", -600, 0, 200, nullptr, kMeasures},
    {"TooSlowForAllSteps", 2'370, 700, 700, nullptr, kMeasures},
    {"Head405", 2'370, 40, 40, [](S& s) { s.headAnswer = "HTTP/1.1 405 No\r\n"; }, kMeasures},
    {"Head501", -600, 5, 5, [](S& s) { s.headAnswer = "HTTP/1.1 501 No\r\n"; }, kMeasures},
    {"CachedFirst", 2'370, 40, 40, [](S& s) { s.cachedAnswers = 1; }, kMeasures},
    {"SmallStep", 2'370, 40, 40, [](S& s) { s.step = 300 * kMs; }, kMeasures},
    {"StepAhead", 2'370, 40, 40, [](S& s) { s.step = 1'500 * kMs; }, InconsistentClock},
    {"OnlyCached", 0, 40, 40, [](S& s) { s.cachedAnswers = 99; }, OnlyCachedAnswers},
    {"NoDate", 0, 40, 40, [](S& s) { s.head = "HTTP/1.1 200 OK\r\n"; }, NoDate},
    {"MalformedDate", 0, 0, 0, [](S& s) { s.head = "HTTP/1.1 200 OK\r\nDate: {date}+01\r\n"; },
     UnreadableDate},
    {"NotHttp", 0, 0, 0, [](S& s) { s.head = "ICY 200 OK\r\nDate: {date}\r\n"; }, UnreadableAnswer},
    {"HostNotFound", 0, 0, 0, failing<0, Failure::HostNotFound>, HostNotFound},
    {"TlsError", 0, 0, 0, failing<0, Failure::TlsError>, TlsError},
    {"RefusedMidway", 0, 0, 0, failing<3, Failure::Refused>, Refused},
    {"NoAnswerAfterTwo", 0, 80, 0, failing<3, Failure::NoAnswer>, NoAnswer},
    {"NoAnswerAfterSix", 2'370, 80, 0, failing<7, Failure::NoAnswer>, kMeasures},
    {"PcSteppedBack", 2'370, 40, 40, pcStepping<1'200, -300>, kMeasures},
    {"PcSteppedAhead", -600, 100, 100, pcStepping<1'200, 300>, kMeasures},
    {"PcSetBackAnHourWhileWaiting", 2'370, 0, 500, pcStepping<700, -3'600'000>, kMeasures},
    {"PcSlewed", 2'370, 40, 40, pcStepping<2'000, 1, 6'000, -1>, kMeasures},
    {"PcSteppedTwice", 2'370, 40, 40, pcStepping<1'200, -300, 4'000, 300>, ClockChanged},
    // Slower from 8 s on, a step seen only after the 12 s: nothing is left to start over with.
    {"PcSteppedAsTimeRanOut", 2'370, 700, 700,
     [](S& s) { pcStepping<12'000, -300>(s), s.lateFrom = 8 * kS, s.lateBy = 2'900 * kMs; },
     ClockChanged},
    {"PcSetBackTwice", 0, 0, 500, pcStepping<100, -3'600'000, 5'000, -3'600'000>, ClockChanged},
    {"Lost", 0, 0, 0, failing<1, Failure::ConnectionLost>, ConnectionLost},
    {"Cancelled", 0, 0, 0, failing<4, Failure::Cancelled>, Cancelled},
};

void check(const Row& row, Micros startFraction) {
    SCOPED_TRACE(testing::Message() << row.name << " from +" << startFraction << " µs");
    SimulatedServer server;
    server.offset = row.offset * kMs, server.beforeStamp = row.beforeStamp * kMs;
    server.afterStamp = row.afterStamp * kMs;
    if (row.twist) row.twist(server);
    server.clock = server.start = 5'000 * kS + startFraction;
    server.systemAtStart = kStart + startFraction;

    const CheckOutcome outcome = measureOffset(server);
    const Micros roundTrip = server.beforeStamp + server.afterStamp;
    // A step beyond slewing starts the check over; it still ends within its 12 s (and a late
    // answer's delay), and no request leaves after them.
    const bool startsOver =
        std::any_of(server.pcSteps.begin(), server.pcSteps.end(),
                    [](const auto& step) { return std::llabs(step.second) > kMs; });
    EXPECT_LE(
        server.clock - server.start,
        (roundTrip <= 80 * kMs && !row.expected && !startsOver ? 10 : 12) * kS + server.lateBy);
    EXPECT_LE(server.lastSent - server.start, 12 * kS);
    if (row.expected) {
        ASSERT_TRUE(std::holds_alternative<CheckFailure>(outcome));
        EXPECT_EQ(std::get<CheckFailure>(outcome).kind, *row.expected);
        EXPECT_EQ(std::get<CheckFailure>(outcome).detail,
                  server.failingRequest >= 0 ? "The certificate has expired." : "");
        return;
    }
    ASSERT_TRUE(std::holds_alternative<ClockOffset>(outcome));
    const ClockOffset& measured = std::get<ClockOffset>(outcome);
    // Every answer's bounds hold the offset the server's clock had when it answered, so
    // their intersection meets the span of the offsets it had during the check; after a step
    // of the PC's clock, the offset from the stepped clock.
    const Micros offset = server.offset - server.pcStepped(server.clock);
    EXPECT_LE(measured.offset - measured.uncertainty, offset + std::max(server.step, Micros{0}));
    EXPECT_GE(measured.offset + measured.uncertainty, offset + std::min(server.step, Micros{0}));
    if (row.beforeStamp == row.afterStamp && server.step == 0) {
        EXPECT_LE(std::llabs(measured.offset - offset), 20 * kMs);
    }
    EXPECT_EQ(measured.roundTrip, roundTrip);
    EXPECT_EQ(measured.measuredAt.stepFree, server.clock);
    EXPECT_EQ(measured.measuredAt.system, server.reading().system);
    // One answer at once and at least 7 aimed ones bound it, unless the time runs out first or
    // the server stops answering; HEAD refused, cached answers, the request left unanswered and
    // the answers before a step bound nothing.
    const int refused = !server.headAnswer.empty();
    const bool stopped = server.failingRequest > 0;
    EXPECT_EQ(measured.stoppedAnswering, stopped);
    EXPECT_GE(measured.answers, stopped ? server.failingRequest - 1 : roundTrip < kS ? 8 : 2);
    const int unused =
        int(server.methods.size()) - refused - server.cachedAnswers - stopped - measured.answers;
    EXPECT_EQ(unused > 0, startsOver);
    EXPECT_GE(unused, 0);
    EXPECT_EQ(std::count(server.methods.begin(), server.methods.end(), Method::Head),
              refused ? 1 : int(server.methods.size()));
}

// Each row runs from several points within a second, since the aim depends on where the check
// starts relative to the server's second.
TEST(OffsetMeasurement, BoundsTheOffsetOrSaysWhyNot) {
    for (const Row& row : kRows) {
        for (const Micros start : {Micros{0}, 310 * kMs, Micros{999'999}}) check(row, start);
    }
}

}  // namespace
}  // namespace clockcheck
