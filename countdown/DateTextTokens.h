// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "RegionalSettings.h"

namespace countdown::date_text {

enum class TokenKind {
    Number,         // value: the number, capped at kNumberCap; digits: how many were written
    Month,          // value: 1 to 12
    TimeSeparator,  // ':' or the locale's time separator
    DotSeparator,   // '.' where the locale uses it for neither dates nor times: a time separator
    DateSeparator,  // '/', '-' or the locale's date separator
    Am,
    Pm,
    Zone,  // PST or PDT; value: its offset from UTC in minutes
    OpenParen,
    CloseParen,
};

inline constexpr int kPstUtcOffsetMinutes = -480;
inline constexpr int kPdtUtcOffsetMinutes = -420;

// Larger than any year, so a capped number is as invalid as the one written.
inline constexpr int kNumberCap = 100000;

struct Token {
    TokenKind kind = TokenKind::Number;
    int value = 0;
    int digits = 0;
};

// The most tokens a date text can hold: three date parts and two separators, a time of three
// parts and two separators, AM/PM, a zone and two parentheses.
inline constexpr std::size_t kMaxTokens = 15;

struct Tokens {
    std::array<Token, kMaxTokens> items{};
    std::size_t count = 0;
};

// Splits a UTF-8 text into tokens. Spaces, commas and one day name only separate tokens; names
// are matched without regard to case. Returns nothing for a character or word that has no place
// in a date, and for more tokens than any date has, so the work stays linear in the length.
std::optional<Tokens> tokenize(std::string_view text, const RegionalSettings& regional);

}  // namespace countdown::date_text
