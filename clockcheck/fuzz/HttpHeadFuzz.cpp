// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// libFuzzer target for what a server sends: the answer's head and the `Date` value. Beyond
// crashes and sanitizer reports it checks that an accepted head holds only what its grammar
// allows, and that an accepted date written back as an IMF-fixdate reads as the same second
// (and, for a text in that form, is the text itself, but for a leap second).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "HttpDate.h"
#include "ResponseHead.h"

namespace {

void require(bool condition, const char* what, std::string_view text) {
    if (condition) return;
    std::fprintf(stderr, "clock check parsing: %s for \"%.*s\"\n", what,
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

void checkDate(std::string_view text, std::int64_t referenceSeconds) {
    const auto seconds = clockcheck::parseHttpDate(text, referenceSeconds);
    if (!seconds) return;
    constexpr std::int64_t kLastSecondOf9999 = 253402300799;
    if (*seconds > kLastSecondOf9999) return;  // a two-digit year read past 9999
    const std::string written = clockcheck::formatHttpDate(*seconds);
    require(clockcheck::parseHttpDate(written, referenceSeconds) == seconds,
            "a date written back reads differently", text);
    const bool imfFixdate = text.size() == 29 && text[3] == ',';
    require(!imfFixdate || text.substr(23, 2) == "60" || written == text,
            "an IMF-fixdate is not written back as it came", text);
}

void checkHead(std::string_view text, std::int64_t referenceSeconds) {
    const auto head = clockcheck::parseResponseHead(text);
    if (!head) return;
    require(head->status >= 100 && head->status <= 599, "status code out of range", text);
    for (const auto& [name, value] : head->fields) {
        require(!name.empty() && name.find_first_of(": \t\r\n") == std::string::npos,
                "a field name holds a separator", text);
        require(value.find_first_of("\r\n") == std::string::npos, "a value holds a line break",
                text);
        require(value.empty() || (value.front() != ' ' && value.front() != '\t' &&
                                  value.back() != ' ' && value.back() != '\t'),
                "a value keeps whitespace around it", text);
    }
    if (const auto date = head->field("date")) checkDate(*date, referenceSeconds);
}

}  // namespace

// The first byte picks the time the answer came (a year from 1970 to 2225); the rest is the
// text, read both as a head and as a date.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::int64_t referenceSeconds = data[0] * std::int64_t{31'556'952};
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    checkHead(text, referenceSeconds);
    checkDate(text, referenceSeconds);
    return 0;
}
