// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ClockCheckText.h"

#include <cstdio>
#include <cstdlib>

namespace clockcheck {
namespace {

constexpr Micros kHundredth = 10'000;

// The offset in hundredths of a second, halves rounded away from zero.
Micros hundredths(Micros offset) {
    const Micros magnitude = (std::llabs(offset) + kHundredth / 2) / kHundredth;
    return offset < 0 ? -magnitude : magnitude;
}

std::string seconds(Micros hundredths, bool withSign) {
    const Micros magnitude = std::llabs(hundredths);
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", withSign ? (hundredths < 0 ? "-" : "+") : "",
                  static_cast<long long>(magnitude / 100), static_cast<long long>(magnitude % 100));
    return text;
}

std::string signedOffset(const ClockOffset& offset) {
    return seconds(hundredths(offset.offset), true) + " s";
}

}  // namespace

std::string offsetLine(const ClockOffset& offset) {
    const Micros shown = hundredths(offset.offset);
    const Micros covered = offset.uncertainty + std::llabs(offset.offset - shown * kHundredth);
    const Micros bar = (covered + kHundredth - 1) / kHundredth;
    return "Site clock - PC clock: " + signedOffset(offset) + " \u00b1 " + seconds(bar, false) +
           " s";
}

std::string offsetSentence(const ClockOffset& offset) {
    const Micros shown = hundredths(offset.offset);
    if (shown == 0) return "The site's clock shows the same time as this PC's.";
    return "The site's clock is " + seconds(shown, false) + " s " +
           (shown > 0 ? "ahead of" : "behind") + " this PC's.";
}

std::string roundTripLine(const ClockOffset& offset) {
    return "Round trip: " + std::to_string((offset.roundTrip + 500) / 1000) + " ms";
}

std::string correctionText(const ClockOffset& offset, std::string_view host) {
    return "Corrected by " + signedOffset(offset) + " against " + std::string(host);
}

std::string failureSentence(const CheckFailure& failure, std::string_view host) {
    const std::string name(host);
    switch (failure.kind) {
        case FailureKind::HostNotFound:
            return name + " could not be found.";
        case FailureKind::Refused:
            return name + " refused the connection.";
        case FailureKind::NoAnswer:
            return name + " did not answer within 3 seconds.";
        case FailureKind::TlsError: {
            std::string detail = failure.detail;
            while (!detail.empty() && (detail.back() == '.' || detail.back() == ' ')) {
                detail.pop_back();
            }
            return "The secure connection to " + name + " failed" +
                   (detail.empty() ? "" : ": " + detail) + ".";
        }
        case FailureKind::ConnectionLost:
            return name + " closed the connection before it answered.";
        case FailureKind::NoDate:
            return name + " does not tell its time: its answer has no Date header.";
        case FailureKind::UnreadableDate:
            return name + " tells its time in a form that cannot be read.";
        case FailureKind::UnreadableAnswer:
            return "The answer from " + name + " is not one that HTTP allows.";
        case FailureKind::OnlyCachedAnswers:
            return "Every answer came from a cache on the way to " + name +
                   ", which does not tell the site's time.";
        case FailureKind::InconsistentClock:
            return "The clock of " + name +
                   " is not consistent (several servers behind one name, or a clock stepped "
                   "during the check), so no offset can be given.";
        case FailureKind::Cancelled:
            break;
    }
    return "The check was cancelled.";
}

}  // namespace clockcheck
