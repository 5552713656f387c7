#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "TimedTransport.h"

namespace clockcheck {

// A duration or an offset in microseconds.
using Micros = std::int64_t;

// How far the site's clock is from the PC's, as the answers of one check bound it.
struct ClockOffset {
    Micros offset = 0;       // site clock - PC clock: the middle of the interval the answers leave
    Micros uncertainty = 0;  // half its width, rounded up: the truth is within offset ± uncertainty
    Micros roundTrip = 0;    // the quickest round trip among the answers used
    ClockReading measuredAt;  // when the last answer used came, on both of the PC's clocks
    int answers = 0;          // how many answers bounded the offset
    // The server stopped answering during the check (a request got no answer within 3 s): the
    // offset rests on the answers before, and its uncertainty is as wide as they leave it.
    bool stoppedAnswering = false;
};

// Why a check gives no offset.
enum class FailureKind {
    HostNotFound,
    Refused,  // by the server
    ProxyUnreachable,
    ProxyRefused,
    NoAnswer,  // a request got no answer within 3 s
    TlsError,
    ConnectionLost,
    NoDate,             // an answer had no `Date` header
    UnreadableDate,     // an answer's `Date` is none of the forms HTTP allows
    UnreadableAnswer,   // an answer's head is not HTTP/1.x
    OnlyCachedAnswers,  // every answer came from a cache (`Age` above 0)
    InconsistentClock,  // the answers' bounds do not overlap
    ClockChanged,       // the PC's system clock was stepped during the check, and again after
                        // the check started over
    Cancelled,
};

struct CheckFailure {
    FailureKind kind = FailureKind::Cancelled;
    std::string detail;  // the transport's own words, such as the TLS error; may be empty
};

using CheckOutcome = std::variant<ClockOffset, CheckFailure>;

}  // namespace clockcheck
