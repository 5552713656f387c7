#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "HttpDate.h"
#include "ResponseHead.h"

namespace clockcheck {
namespace {

// Two-digit years are read as of 2026-12-08 01:17:22 UTC.
TEST(HttpDate, ReadsTheThreeFormsAndNothingElse) {
    const std::pair<const char*, std::optional<std::int64_t>> rows[] = {
        {"Sun, 06 Nov 1994 08:49:37 GMT", 784111777},
        {"Sunday, 06-Nov-94 08:49:37 GMT", 784111777},
        {"Sun Nov  6 08:49:37 1994", 784111777},
        {"Thu Feb 29 12:00:00 2024", 1709208000},
        {"Sat, 31 Dec 2016 23:59:60 GMT", 1483228799},  // a leap second reads as :59
        {"Friday, 31-Dec-99 23:59:59 GMT", 946684799},
        {"Wednesday, 01-Jan-76 00:00:00 GMT", 3345062400},  // fifty years ahead: 2076
        {"Saturday, 01-Jan-77 00:00:00 GMT", 220924800},    // fifty-one: 1977
        {"Mon, 06 Nov 1994 08:49:37 GMT", {}},              // not that date's weekday
        {"Sun, 06 Nov 1994 08:49:37 UTC", {}},
        {"sun, 06 nov 1994 08:49:37 GMT", {}},
        {"Sun, 6 Nov 1994 08:49:37 GMT", {}},
        {"Sunday, 06 Nov 1994 08:49:37 GMT", {}},
        {"Sun, 06 Nov 1994 08:49:37 GMT ", {}},
        {"Sun Nov 6 08:49:37 1994", {}},
        {"Thu, 31 Nov 1994 08:49:37 GMT", {}},  // no such day
        {"Sun, 06 Nov 1994 24:00:00 GMT", {}},
        {"Sun, 06 Nov 1994 08:49:61 GMT", {}},
    };
    for (const auto& [text, seconds] : rows) {
        EXPECT_EQ(parseHttpDate(text, 1'796'692'642), seconds) << text;
    }
}

TEST(ResponseHead, ReadsTheStatusAndFieldsOfAValidHeadOnly) {
    // The head, its status (0: refused), its Date and Age.
    using Text = std::optional<std::string>;
    const std::tuple<const char*, int, Text, Text> rows[] = {
        {"HTTP/1.1 200 OK\r\nDate: X\r\nAge: 0\r\n", 200, "X", "0"},
        {"HTTP/1.0 404 Not Found\ndate:\t X Y \nServer: a:b\n\n", 404, "X Y", {}},
        {"HTTP/1.1 204\r\nDATE:X\r\n\r\n", 204, "X", {}},
        {"HTTP/1.1 200 OK\r\nAge: 1\r\nage: 2\r\nDate:\r\n", 200, "", "1, 2"},
        {"HTTP/1.1 503 \xc3\xa9t\xc3\xa9\r\nDate: \xff\r\n", 503, "\xff", {}},
        // Odd lines that the check does not read are skipped.
        {"HTTP/1.1 200 OK\r\nX: a\r\n b\r\nDate: X\r\n", 200, "X", {}},
        {"HTTP/1.1 200 OK\r\nX-Odd : value\r\nDate: X\r\n", 200, "X", {}},
        {"HTTP/1.1 200 OK\r\nno colon\r\n: X\r\nY: a\x01z\r\nDate: X\r\n", 200, "X", {}},
        // Odd `Date` and `Age` lines are not.
        {"HTTP/1.1 200 OK\r\nDate: X\r\n b\r\n", 0, {}, {}},
        {"HTTP/1.1 200 OK\r\nDate : X\r\n", 0, {}, {}},
        {"HTTP/1.1 200 OK\r\nage : 3\r\nDate: X\r\n", 0, {}, {}},
        {"HTTP/1.1 200 OK\r\nDate: a\x01z\r\n", 0, {}, {}},
        {"HTTP/1.1 200 OK\r\n\r\nDate: X\r\n", 0, {}, {}},
        {"HTTP/2 200\r\nDate: X\r\n", 0, {}, {}},
        {"HTTP/1.1 600 X\r\n", 0, {}, {}},
        {"HTTP/1.1 200OK\r\n", 0, {}, {}},
        {"", 0, {}, {}},
    };
    for (const auto& [text, status, date, age] : rows) {
        const auto head = parseResponseHead(text);
        EXPECT_EQ(head ? head->status : 0, status) << text;
        if (!head) continue;
        EXPECT_EQ(head->field("Date"), date) << text;
        EXPECT_EQ(head->field("aGe"), age) << text;
    }
}

}  // namespace
}  // namespace clockcheck
