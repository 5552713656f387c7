// libFuzzer target for the date text conversion. Beyond crashes and sanitizer reports it checks
// that a conversion is repeatable, that an accepted text gives a real date value, and that the
// value written back as year-month-day hours:minutes:seconds converts to the same value, so the
// check a caller makes and the value it then uses can never disagree.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "DateText.h"
#include "GermanSettings.h"

namespace {

void require(bool condition, const char* what, std::string_view text) {
    if (condition) return;
    std::fprintf(stderr, "date text conversion: %s for \"%.*s\"\n", what,
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

bool same(const std::optional<countdown::DateValue>& a,
          const std::optional<countdown::DateValue>& b) {
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

}  // namespace

// The first byte picks the conventions (even: US English, odd: German) and the current year;
// the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const countdown::RegionalSettings& regional =
        data[0] % 2 == 0 ? countdown::usEnglishSettings() : countdown::testing::germanSettings();
    const int currentYear = 2000 + (data[0] >> 1) % 50;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto value = countdown::parseDateText(text, regional, currentYear);
    require(same(value, countdown::parseDateText(text, regional, currentYear)),
            "two conversions differ", text);
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
