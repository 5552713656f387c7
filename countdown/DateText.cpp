// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "DateText.h"

#include <array>
#include <span>
#include <utility>

#include "DateTextTokens.h"

namespace countdown {
namespace {

using date_text::Token;
using date_text::TokenKind;
using TokenSpan = std::span<const Token>;

bool is(TokenSpan tokens, std::size_t at, TokenKind kind) {
    return at < tokens.size() && tokens[at].kind == kind;
}

bool isTimeSeparator(TokenSpan tokens, std::size_t at) {
    return is(tokens, at, TokenKind::TimeSeparator) || is(tokens, at, TokenKind::DotSeparator);
}

bool isAmPm(TokenSpan tokens, std::size_t at) {
    return is(tokens, at, TokenKind::Am) || is(tokens, at, TokenKind::Pm);
}

struct TimePart {
    int hour = 0;
    int minute = 0;
    int second = 0;
    std::size_t length = 0;  // tokens used
};

// Where a time starts: the first number that a time separator or AM/PM follows.
std::optional<std::size_t> findTime(TokenSpan tokens) {
    for (std::size_t at = 0; at < tokens.size(); ++at)
        if (is(tokens, at, TokenKind::Number) &&
            (isTimeSeparator(tokens, at + 1) || isAmPm(tokens, at + 1)))
            return at;
    return std::nullopt;
}

// Hours, minutes and seconds joined by one kind of time separator, or an hour alone followed by
// AM/PM, starting at `at`.
std::optional<TimePart> readTime(TokenSpan tokens, std::size_t at) {
    std::array<int, 3> parts{tokens[at].value, 0, 0};
    std::size_t count = 1;
    std::size_t next = at + 1;
    if (isTimeSeparator(tokens, next)) {
        const TokenKind separator = tokens[next].kind;
        while (count < parts.size() && is(tokens, next, separator) &&
               is(tokens, next + 1, TokenKind::Number)) {
            parts[count++] = tokens[next + 1].value;
            next += 2;
        }
        // A fourth part, a fraction of a second, a mix of separators or a dangling one make no
        // time.
        if (count == 1 || isTimeSeparator(tokens, next)) return std::nullopt;
    }
    const bool am = is(tokens, next, TokenKind::Am);
    const bool pm = is(tokens, next, TokenKind::Pm);
    if (am || pm) ++next;

    TimePart time{parts[0], parts[1], parts[2], next - at};
    if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
    // PM adds 12 below 12 and 12 AM is midnight; above 12 the designator is ignored.
    if (pm && time.hour < 12) time.hour += 12;
    if (am && time.hour == 12) time.hour = 0;
    return time;
}

struct DateItem {
    int value = 0;
    int digits = 0;
    bool isMonthName = false;
};

// Index of the day, month and year among three date items.
struct Positions {
    std::size_t day, month, year;
};

constexpr Positions kMonthDayYear{1, 0, 2};
constexpr Positions kDayMonthYear{0, 1, 2};
constexpr Positions kYearMonthDay{2, 1, 0};
constexpr Positions kYearDayMonth{1, 2, 0};

// The locale's order first, then day and month swapped, then the orders that start with the year.
std::array<Positions, 4> ordersToTry(DateOrder order) {
    switch (order) {
        case DateOrder::MonthDayYear:
            return {kMonthDayYear, kDayMonthYear, kYearMonthDay, kYearDayMonth};
        case DateOrder::DayMonthYear:
            return {kDayMonthYear, kMonthDayYear, kYearMonthDay, kYearDayMonth};
        case DateOrder::YearMonthDay:
            break;
    }
    return {kYearMonthDay, kYearDayMonth, kMonthDayYear, kDayMonthYear};
}

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Two-digit years: 0-29 are 2000-2029, 30-99 are 1930-1999.
int fullYear(int year) { return year < 30 ? 2000 + year : year < 100 ? 1900 + year : year; }

// A number written with three or more digits can only be the year; a month name only the month.
bool fits(const DateItem& item, bool yearPosition, bool monthPosition) {
    if (item.isMonthName) return monthPosition;
    return yearPosition || item.digits <= 2;
}

std::optional<CivilDateTime> dateInOrder(std::span<const DateItem> items, Positions order,
                                         int currentYear) {
    const bool hasYear = items.size() == 3;
    if (!hasYear && order.year != 2) return std::nullopt;
    const DateItem& day = items[order.day];
    const DateItem& month = items[order.month];
    if (!fits(day, false, false) || !fits(month, false, true)) return std::nullopt;
    if (hasYear && !fits(items[order.year], true, false)) return std::nullopt;

    CivilDateTime date;
    date.year = hasYear ? fullYear(items[order.year].value) : currentYear;
    date.month = month.value;
    date.day = day.value;
    if (date.year < 100 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > daysInMonth(date.year, date.month))
        return std::nullopt;
    return date;
}

bool isMonth(const DateItem& item) {
    return fits(item, false, true) && item.value >= 1 && item.value <= 12;
}

// Whether two date items can be a month and a day in either order, in some year: the day at
// most the month's length, February's being 29.
bool couldBeMonthAndDay(std::span<const DateItem> items) {
    constexpr int kLeapYear = 2000;
    for (const auto& [month, day] : {std::pair{items[0], items[1]}, std::pair{items[1], items[0]}})
        if (isMonth(month) && fits(day, false, false) && day.value >= 1 &&
            day.value <= daysInMonth(kLeapYear, month.value))
            return true;
    return false;
}

// Two date items that can be no month and day are a month and a year in either order, on the
// first of the month: "Mar 47", "4 52", "2026 Dec". 29 February can be a day, so outside a leap
// year it stays refused rather than turning into February 2029.
std::optional<CivilDateTime> monthAndYear(std::span<const DateItem> items) {
    if (couldBeMonthAndDay(items)) return std::nullopt;
    for (const auto& [month, year] : {std::pair{items[0], items[1]}, std::pair{items[1], items[0]}})
        if (isMonth(month) && fits(year, true, false)) {
            const CivilDateTime date{fullYear(year.value), month.value, 1};
            if (date.year >= 100 && date.year <= 9999) return date;
        }
    return std::nullopt;
}

// Two or three numbers or month names, single date separators only between them.
std::optional<CivilDateTime> readDate(TokenSpan tokens, DateOrder order, int currentYear) {
    std::array<DateItem, 3> items;
    std::size_t count = 0;
    int monthNames = 0;
    bool afterItem = false;
    for (const Token& token : tokens) {
        if (token.kind == TokenKind::Number || token.kind == TokenKind::Month) {
            if (count == items.size()) return std::nullopt;
            const bool isMonthName = token.kind == TokenKind::Month;
            monthNames += isMonthName ? 1 : 0;
            items[count++] = {token.value, token.digits, isMonthName};
            afterItem = true;
        } else if (token.kind == TokenKind::DateSeparator && afterItem) {
            afterItem = false;
        } else {
            return std::nullopt;
        }
    }
    if (!afterItem || count < 2 || monthNames > 1) return std::nullopt;

    const std::span<const DateItem> parts(items.data(), count);
    for (const Positions& positions : ordersToTry(order))
        if (auto date = dateInOrder(parts, positions, currentYear)) return date;
    return count == 2 ? monthAndYear(parts) : std::nullopt;
}

struct Undecorated {
    TokenSpan content;
    std::optional<int> zoneUtcOffsetMinutes;
};

// Drops enclosing parentheses and a trailing PST or PDT, keeping the zone's offset; none may
// stand anywhere else.
std::optional<Undecorated> withoutDecoration(TokenSpan tokens) {
    if (is(tokens, 0, TokenKind::OpenParen)) {
        if (tokens.size() < 2 || tokens.back().kind != TokenKind::CloseParen) return std::nullopt;
        tokens = tokens.subspan(1, tokens.size() - 2);
    }
    Undecorated undecorated{tokens, std::nullopt};
    if (!tokens.empty() && tokens.back().kind == TokenKind::Zone)
        undecorated = {tokens.first(tokens.size() - 1), tokens.back().value};
    for (const Token& token : undecorated.content)
        if (token.kind == TokenKind::OpenParen || token.kind == TokenKind::CloseParen ||
            token.kind == TokenKind::Zone)
            return std::nullopt;
    return undecorated;
}

}  // namespace

std::optional<DateValue> parseDateText(std::string_view text, const RegionalSettings& regional,
                                       int currentYear) {
    const auto reading = readDateText(text, regional, currentYear);
    if (!reading) return std::nullopt;
    return reading->value;
}

std::optional<DateTextReading> readDateText(std::string_view text, const RegionalSettings& regional,
                                            int currentYear) {
    const auto tokens = date_text::tokenize(text, regional);
    if (!tokens) return std::nullopt;
    const auto undecorated = withoutDecoration(TokenSpan(tokens->items.data(), tokens->count));
    if (!undecorated || undecorated->content.empty()) return std::nullopt;
    const TokenSpan content = undecorated->content;

    // The time stands before or after the date, never inside it.
    TokenSpan dateTokens = content;
    TimePart time;
    if (const auto start = findTime(content)) {
        const auto found = readTime(content, *start);
        if (!found) return std::nullopt;
        time = *found;
        if (*start == 0)
            dateTokens = content.subspan(time.length);
        else if (*start + time.length == content.size())
            dateTokens = content.first(*start);
        else
            return std::nullopt;
    }

    CivilDateTime when;
    if (!dateTokens.empty()) {
        const auto date = readDate(dateTokens, regional.dateOrder, currentYear);
        if (!date) return std::nullopt;
        when = *date;
    } else if (time.length == 0) {
        return std::nullopt;
    }
    when.hour = time.hour;
    when.minute = time.minute;
    when.second = time.second;
    return DateTextReading{toDateValue(when), !dateTokens.empty(),
                           undecorated->zoneUtcOffsetMinutes};
}

}  // namespace countdown
