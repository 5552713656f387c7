// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace clockcheck {

// Reads an HTTP `Date` value in any of the three forms HTTP allows:
//   IMF-fixdate "Sun, 06 Nov 1994 08:49:37 GMT"
//   RFC 850     "Sunday, 06-Nov-94 08:49:37 GMT"
//   asctime     "Sun Nov  6 08:49:37 1994"
// and returns whole seconds since 1970-01-01 00:00 UTC. Gives nothing when the text is not
// exactly one of these (names are case-sensitive, as HTTP defines them), when a field is out of
// range, or when the weekday is not that of the date: a garbled value must not set a clock.
// A leap second :60 reads as :59, the second that the system clock repeats for it.
// RFC 850's two-digit year is the one with those digits among the hundred years that end fifty
// years after the year of `referenceSeconds` (seconds since the epoch, such as when the answer
// came), so a year more than fifty years ahead means the latest past year with those digits.
std::optional<std::int64_t> parseHttpDate(std::string_view text, std::int64_t referenceSeconds);

// Writes seconds since the epoch as an IMF-fixdate, the form servers send (years 0 to 9999).
std::string formatHttpDate(std::int64_t seconds);

}  // namespace clockcheck
