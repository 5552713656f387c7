// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "ClockCheckText.h"

namespace clockcheck {
namespace {

struct OffsetRow {
    Micros offset, uncertainty, roundTrip;
    const char *shown, *bar, *sentence, *roundTripLine;
};

TEST(ClockCheckText, ShowsTheOffsetWithABarThatCoversIt) {
    const OffsetRow rows[] = {
        {2'370'000, 40'000, 84'000, "+2.37", "0.04", "2.37 s ahead of", "84 ms"},
        {-600'000, 1'000, 499, "-0.60", "0.01", "0.60 s behind", "0 ms"},
        {2'374'900, 30'000, 500, "+2.37", "0.04", "2.37 s ahead of", "1 ms"},
        {3'600'400'000, 10'000, 200'000, "+3600.40", "0.01", "3600.40 s ahead of", "200 ms"},
        {-4'999, 5'000, 0, "+0.00", "0.01", "", "0 ms"},
        {-5'000, 1, 0, "-0.01", "0.01", "0.01 s behind", "0 ms"},
    };
    for (const OffsetRow& row : rows) {
        const ClockOffset offset{row.offset, row.uncertainty, row.roundTrip, 0, 8};
        const std::string shown = std::string(row.shown) + " s";
        EXPECT_EQ(offsetLine(offset),
                  "Site clock - PC clock: " + shown + " \u00b1 " + row.bar + " s");
        EXPECT_EQ(offsetSentence(offset),
                  *row.sentence ? std::string("The site's clock is ") + row.sentence + " this PC's."
                                : "The site's clock shows the same time as this PC's.");
        EXPECT_EQ(roundTripLine(offset), std::string("Round trip: ") + row.roundTripLine);
        EXPECT_EQ(correctionText(offset, "h"), "Corrected by " + shown + " against h");
    }
}

// One sentence for each kind, naming the host where it helps, and never an offset.
TEST(ClockCheckText, SaysWhyACheckGaveNoOffsetInOneSentenceEach) {
    EXPECT_EQ(failureSentence({FailureKind::NoAnswer, ""}, "www.example.com"),
              "www.example.com did not answer within 3 seconds.");
    EXPECT_EQ(
        failureSentence({FailureKind::TlsError, "The certificate has expired. "}, "a.example"),
        "The secure connection to a.example failed: The certificate has expired.");
    for (int kind = 0; kind <= static_cast<int>(FailureKind::Cancelled); ++kind) {
        const FailureKind failure = static_cast<FailureKind>(kind);
        const std::string sentence = failureSentence({failure, ""}, "HOST");
        EXPECT_EQ(sentence.find('.'), sentence.size() - 1) << sentence;
        EXPECT_EQ(sentence.find("HOST") == std::string::npos, failure == FailureKind::Cancelled);
        EXPECT_EQ(sentence.find_first_of("0123456789"),
                  failure == FailureKind::NoAnswer ? sentence.find('3') : std::string::npos);
    }
}

}  // namespace
}  // namespace clockcheck
