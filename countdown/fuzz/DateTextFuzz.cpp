// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// libFuzzer target for the date text conversion. Beyond crashes and sanitizer reports it checks
// that a conversion is repeatable, that an accepted text gives a real date value, and that the
// value written back as year-month-day hours:minutes:seconds converts to the same value, so the
// check a caller makes and the value it then uses can never disagree. The countdown's conversion
// must accept the same texts, keep those without a zone word as they are, and move those with
// one by exactly the difference between the clock's offset and the word's.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "DateConversion.h"
#include "DateText.h"
#include "GermanSettings.h"

namespace {

void require(bool condition, const char* what, std::string_view text) {
    if (condition) return;
    std::fprintf(stderr, "date text conversion: %s for \"%.*s\"\n", what,
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

// The clock's offsets from UTC that occur: standard and daylight time, and a half-hour shift.
constexpr int kClockUtcOffsets[] = {-480, -420, -450, -540};

void requireZoneWordCounts(std::string_view text, const countdown::RegionalSettings& regional,
                           int currentYear, int clockUtcOffset) {
    const auto reading = countdown::readDateText(text, regional, currentYear);
    const auto converted = countdown::DateConversion{regional, currentYear, clockUtcOffset}(text);
    require(reading.has_value() == converted.has_value(), "the countdown judges differently", text);
    if (!reading) return;
    if (!reading->zoneUtcOffsetMinutes) {
        require(*converted == reading->value, "a text without a zone word moved", text);
        return;
    }
    const int shift = (clockUtcOffset - *reading->zoneUtcOffsetMinutes) * 60;
    const int expected = ((countdown::secondOfDay(reading->value) + shift) % 86400 + 86400) % 86400;
    require(countdown::secondOfDay(*converted) == expected, "the zone word moved the time wrongly",
            text);
    require(reading->hasDate || (*converted >= 0 && *converted < 1), "a time alone left its day",
            text);
}

bool same(const std::optional<countdown::DateValue>& a,
          const std::optional<countdown::DateValue>& b) {
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

}  // namespace

// The first byte picks the conventions (even: US English, odd: German), the current year and
// the clock's offset; the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const countdown::RegionalSettings& regional =
        data[0] % 2 == 0 ? countdown::usEnglishSettings() : countdown::testing::germanSettings();
    const int currentYear = 2000 + (data[0] >> 1) % 50;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto value = countdown::parseDateText(text, regional, currentYear);
    require(same(value, countdown::parseDateText(text, regional, currentYear)),
            "two conversions differ", text);
    requireZoneWordCounts(text, regional, currentYear, kClockUtcOffsets[data[0] >> 6]);
    if (!value) return 0;

    const double earliest = countdown::toDateValue({100, 1, 1, 23, 59, 59});
    const double latest = countdown::toDateValue({9999, 12, 31, 23, 59, 59});
    require(std::isfinite(*value) && *value >= earliest && *value <= latest, "value out of range",
            text);

    const countdown::CivilDateTime when = countdown::toCivil(*value);
    char canonical[48];
    std::snprintf(canonical, sizeof canonical, "%04d-%02d-%02d %d:%02d:%02d", when.year, when.month,
                  when.day, when.hour, when.minute, when.second);
    require(same(value, countdown::parseDateText(canonical, regional, currentYear)),
            "value written back converts differently", text);
    return 0;
}
