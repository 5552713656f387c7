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

constexpr Micros kMinuteHundredths = 60 * 100;
constexpr Micros kHourHundredths = 60 * kMinuteHundredths;
constexpr Micros kDayHundredths = 24 * kHourHundredths;

std::string count(Micros amount, const char* unit) {
    return std::to_string(amount) + " " + unit + (amount == 1 ? "" : "s") + " ";
}

// "2.37 s" below a minute; above, from the largest unit that is not zero on:
// "3 days 2 hours 0 minutes 2.37 s".
std::string inWords(Micros hundredths) {
    std::string words;
    if (hundredths >= kDayHundredths) words += count(hundredths / kDayHundredths, "day");
    if (hundredths >= kHourHundredths) {
        words += count(hundredths % kDayHundredths / kHourHundredths, "hour");
    }
    if (hundredths >= kMinuteHundredths) {
        words += count(hundredths % kHourHundredths / kMinuteHundredths, "minute");
    }
    return words + seconds(hundredths % kMinuteHundredths, false) + " s";
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
    const Micros magnitude = std::llabs(shown);
    std::string sentence = "The site's clock is " + inWords(magnitude) + " " +
                           (shown > 0 ? "ahead of" : "behind") + " this PC's.";
    if (magnitude >= kHourHundredths) {
        sentence += " This PC's date, time or time zone is probably set wrong.";
    }
    return sentence;
}

std::string roundTripLine(const ClockOffset& offset) {
    return "Round trip: " + std::to_string((offset.roundTrip + 500) / 1000) + " ms";
}

std::string correctionText(const ClockOffset& offset, std::string_view host) {
    return "Corrected by " + signedOffset(offset) + " against " + std::string(host);
}

std::string offsetCaveats(const ClockOffset& offset, std::string_view host, bool plainHttp) {
    std::string caveats;
    if (offset.stoppedAnswering) {
        caveats += std::string(host) +
                   " stopped answering during the check, so the offset rests on the " +
                   std::to_string(offset.answers) + " answers before and is less precise.";
    }
    if (plainHttp) {
        if (!caveats.empty()) caveats += ' ';
        caveats += "The time was measured over plain http: anyone on the way could change it.";
    }
    return caveats;
}

std::string failureSentence(const CheckFailure& failure, std::string_view host) {
    const std::string name(host);
    std::string detail = failure.detail;
    while (!detail.empty() && (detail.back() == '.' || detail.back() == ' ')) detail.pop_back();
    const std::string details = detail.empty() ? "" : " Details: " + detail + ".";
    switch (failure.kind) {
        case FailureKind::HostNotFound:
            return name +
                   " could not be found. Check the address and the network connection, "
                   "then measure again.";
        case FailureKind::Refused:
            return name + " refused the connection. Measure again later, or against another site.";
        case FailureKind::ProxyUnreachable:
            return "The proxy server set for this PC could not be reached. Check the proxy "
                   "settings and the network connection, then measure again." +
                   details;
        case FailureKind::ProxyRefused:
            return "The proxy server set for this PC would not connect to " + name +
                   ". Check the proxy settings, then measure again." + details;
        case FailureKind::NoAnswer:
            return name +
                   " did not answer within 3 seconds. Check the network connection, then "
                   "measure again.";
        case FailureKind::TlsError:
            return "The secure connection to " + name +
                   " failed, so its time cannot be trusted. Measure against another site." +
                   details;
        case FailureKind::ConnectionLost:
            return name + " broke off the connection before it answered. Measure again.";
        case FailureKind::NoDate:
            return name +
                   " does not tell its time. Measure against another site (its answer "
                   "has no Date header).";
        case FailureKind::UnreadableDate:
            return name +
                   " tells its time in a form that cannot be read. Measure against "
                   "another site.";
        case FailureKind::UnreadableAnswer:
            return name +
                   " answered in a form that cannot be read. Measure against another "
                   "site.";
        case FailureKind::OnlyCachedAnswers:
            return "Only stored copies answered on the way to " + name +
                   ", and they do not tell the site's time. Measure again later, or against "
                   "another site.";
        case FailureKind::InconsistentClock:
            return name +
                   " gave times that do not agree (several servers behind one name, or "
                   "its clock set during the check). Measure again, or against another "
                   "site.";
        case FailureKind::ClockChanged:
            return "This PC's clock was changed during the check. Measure again.";
        case FailureKind::Cancelled:
            break;
    }
    return "The check was cancelled.";
}

}  // namespace clockcheck
