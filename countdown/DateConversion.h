// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "DateValue.h"
#include "LocalClock.h"
#include "RegionalSettings.h"

namespace countdown {

// The conversion the countdown applies to the texts of its boxes. A text that ends in PST or
// PDT names its own offset from UTC, which the clock's may not share (a PC in Tokyo in July
// shows UTC-8 while the site says PDT), so it converts to the time the clock shows at that
// moment. Every other text converts as it stands.
struct DateConversion {
    const RegionalSettings& regional;
    int currentYear;                     // of a date written without one
    std::int32_t clockUtcOffsetMinutes;  // the Pacific clock's own, east positive

    std::optional<DateValue> operator()(std::string_view text) const;
};

// The conversion at a reading of the local clock: the local year, and the clock's offset from
// the bias captured at load and the PC's offset in force at that reading.
DateConversion conversionAt(const LocalReading& reading, const RegionalSettings& regional);

}  // namespace countdown
