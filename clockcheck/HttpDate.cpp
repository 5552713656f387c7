// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "HttpDate.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

namespace clockcheck {
namespace {

using namespace std::chrono;

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::array<std::string_view, 7> kShortDays{"Sun", "Mon", "Tue", "Wed",
                                                     "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 7> kLongDays{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                    "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

struct Fields {
    int weekday = 0;  // 0 is Sunday
    int day = 0;
    int month = 0;  // 1 is January
    int year = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Reads a text from left to right; a step that does not match consumes nothing.
class Reader {
  public:
    explicit Reader(std::string_view text) : rest_(text) {}

    bool literal(std::string_view expected) {
        if (!rest_.starts_with(expected)) return false;
        rest_.remove_prefix(expected.size());
        return true;
    }

    // Exactly `count` decimal digits.
    bool number(int count, int& value) {
        if (rest_.size() < static_cast<std::size_t>(count)) return false;
        int read = 0;
        for (int i = 0; i < count; ++i) {
            if (rest_[i] < '0' || rest_[i] > '9') return false;
            read = read * 10 + (rest_[i] - '0');
        }
        rest_.remove_prefix(count);
        value = read;
        return true;
    }

    // One of `names` (none of which begins another); `index` is its place in the list.
    template <std::size_t N>
    bool name(const std::array<std::string_view, N>& names, int& index) {
        for (std::size_t i = 0; i < N; ++i) {
            if (literal(names[i])) {
                index = static_cast<int>(i);
                return true;
            }
        }
        return false;
    }

    bool atEnd() const { return rest_.empty(); }

  private:
    std::string_view rest_;
};

bool readTime(Reader& reader, Fields& f) {
    return reader.number(2, f.hour) && reader.literal(":") && reader.number(2, f.minute) &&
           reader.literal(":") && reader.number(2, f.second);
}

bool readImfFixdate(std::string_view text, Fields& f) {
    Reader r(text);
    return r.name(kShortDays, f.weekday) && r.literal(", ") && r.number(2, f.day) &&
           r.literal(" ") && r.name(kMonths, f.month) && r.literal(" ") && r.number(4, f.year) &&
           r.literal(" ") && readTime(r, f) && r.literal(" GMT") && r.atEnd();
}

int yearOf(std::int64_t seconds) {
    const auto days = sys_days{std::chrono::days{seconds / kSecondsPerDay}};
    return static_cast<int>(year_month_day{days}.year());
}

// The year ending in `twoDigits` among the hundred years that end fifty years after
// `referenceYear`.
int fullYear(int twoDigits, int referenceYear) {
    const int year = referenceYear - referenceYear % 100 + twoDigits;
    if (year > referenceYear + 50) return year - 100;
    if (year <= referenceYear - 50) return year + 100;
    return year;
}

bool readRfc850(std::string_view text, Fields& f, std::int64_t referenceSeconds) {
    Reader r(text);
    int twoDigitYear = 0;
    if (!(r.name(kLongDays, f.weekday) && r.literal(", ") && r.number(2, f.day) && r.literal("-") &&
          r.name(kMonths, f.month) && r.literal("-") && r.number(2, twoDigitYear) &&
          r.literal(" ") && readTime(r, f) && r.literal(" GMT") && r.atEnd())) {
        return false;
    }
    f.year = fullYear(twoDigitYear, yearOf(referenceSeconds));
    return true;
}

bool readAsctime(std::string_view text, Fields& f) {
    Reader r(text);
    return r.name(kShortDays, f.weekday) && r.literal(" ") && r.name(kMonths, f.month) &&
           r.literal(" ") && (r.literal(" ") ? r.number(1, f.day) : r.number(2, f.day)) &&
           r.literal(" ") && readTime(r, f) && r.literal(" ") && r.number(4, f.year) && r.atEnd();
}

std::optional<std::int64_t> toSeconds(const Fields& f) {
    const year_month_day date{year{f.year}, month{static_cast<unsigned>(f.month + 1)},
                              day{static_cast<unsigned>(f.day)}};
    if (!date.ok() || f.hour > 23 || f.minute > 59 || f.second > 60) return std::nullopt;
    const sys_days days{date};
    if (weekday{days}.c_encoding() != static_cast<unsigned>(f.weekday)) return std::nullopt;
    return days.time_since_epoch().count() * kSecondsPerDay + f.hour * 3600 + f.minute * 60 +
           std::min(f.second, 59);
}

}  // namespace

std::optional<std::int64_t> parseHttpDate(std::string_view text, std::int64_t referenceSeconds) {
    // Only a broken clock reads outside these years; keeping the reference inside them keeps
    // the calendar arithmetic in range.
    constexpr std::int64_t kLastSecondOf9999 = 253402300799;
    referenceSeconds = std::clamp<std::int64_t>(referenceSeconds, 0, kLastSecondOf9999);
    Fields fields;
    if (readImfFixdate(text, fields) || readRfc850(text, fields, referenceSeconds) ||
        readAsctime(text, fields)) {
        return toSeconds(fields);
    }
    return std::nullopt;
}

std::string formatHttpDate(std::int64_t seconds) {
    const std::int64_t dayNumber =
        (seconds >= 0 ? seconds : seconds - (kSecondsPerDay - 1)) / kSecondsPerDay;
    const sys_days days{std::chrono::days{dayNumber}};
    const year_month_day date{days};
    const std::int64_t secondOfDay = seconds - dayNumber * kSecondsPerDay;
    char text[32];
    std::snprintf(text, sizeof text, "%s, %02u %s %04d %02d:%02d:%02d GMT",
                  kShortDays[weekday{days}.c_encoding()].data(), static_cast<unsigned>(date.day()),
                  kMonths[static_cast<unsigned>(date.month()) - 1].data(),
                  static_cast<int>(date.year()), static_cast<int>(secondOfDay / 3600),
                  static_cast<int>(secondOfDay / 60 % 60), static_cast<int>(secondOfDay % 60));
    return text;
}

}  // namespace clockcheck
