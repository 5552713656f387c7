#include <gtest/gtest.h>

#include <cstdlib>

#include "ClockCheckText.h"

namespace clockcheck {
namespace {

struct OffsetRow {
    Micros offset, uncertainty, roundTrip;
    const char *shown, *bar, *sentence, *roundTripLine;
};

constexpr const char* kSetWrong = " This PC's date, time or time zone is probably set wrong.";

TEST(ClockCheckText, ShowsTheOffsetWithABarThatCoversIt) {
    const std::string wrong = kSetWrong;
    const OffsetRow rows[] = {
        {2'370'000, 40'000, 84'000, "+2.37", "0.04", "is 2.37 s ahead of this PC's.", "84 ms"},
        {-600'000, 1'000, 499, "-0.60", "0.01", "is 0.60 s behind this PC's.", "0 ms"},
        {2'374'900, 30'000, 500, "+2.37", "0.04", "is 2.37 s ahead of this PC's.", "1 ms"},
        {-59'994'999, 0, 0, "-59.99", "0.01", "is 59.99 s behind this PC's.", "0 ms"},
        {-59'995'000, 0, 0, "-60.00", "0.01", "is 1 minute 0.00 s behind this PC's.", "0 ms"},
        {3'599'994'999, 0, 0, "+3599.99", "0.01", "is 59 minutes 59.99 s ahead of this PC's.",
         "0 ms"},
        {3'600'400'000, 10'000, 200'000, "+3600.40", "0.01",
         "is 1 hour 0 minutes 0.40 s ahead of this PC's.", "200 ms"},
        {266'402'370'000, 10'000, 0, "+266402.37", "0.01",
         "is 3 days 2 hours 0 minutes 2.37 s ahead of this PC's.", "0 ms"},
        {-86'400'000'000, 0, 0, "-86400.00", "0.00",
         "is 1 day 0 hours 0 minutes 0.00 s behind this PC's.", "0 ms"},
        {-4'999, 5'000, 0, "+0.00", "0.01", "shows the same time as this PC's.", "0 ms"},
        {-5'000, 1, 0, "-0.01", "0.01", "is 0.01 s behind this PC's.", "0 ms"},
    };
    for (const OffsetRow& row : rows) {
        const ClockOffset offset{row.offset, row.uncertainty, row.roundTrip, {}, 8};
        const std::string shown = std::string(row.shown) + " s";
        EXPECT_EQ(offsetLine(offset),
                  "Site clock - PC clock: " + shown + " \u00b1 " + row.bar + " s");
        EXPECT_EQ(offsetSentence(offset),
                  std::string("The site's clock ") + row.sentence +
                      (std::llabs(row.offset) >= 3'599'995'000 ? wrong : ""));
        EXPECT_EQ(roundTripLine(offset), std::string("Round trip: ") + row.roundTripLine);
        EXPECT_EQ(correctionText(offset, "h"), "Corrected by " + shown + " against h");
    }
}

TEST(ClockCheckText, SaysWhatLimitsTrustInAnOffset) {
    ClockOffset offset{2'370'000, 40'000, 84'000, {}, 5};
    EXPECT_EQ(offsetCaveats(offset, "h", false), "");
    const std::string plain =
        "The time was measured over plain http: anyone on the way could change it.";
    EXPECT_EQ(offsetCaveats(offset, "h", true), plain);
    offset.stoppedAnswering = true;
    const std::string stopped =
        "h stopped answering during the check, so the offset rests on the 5 answers before and "
        "is less precise.";
    EXPECT_EQ(offsetCaveats(offset, "h", false), stopped);
    EXPECT_EQ(offsetCaveats(offset, "h", true), stopped + " " + plain);
}

// Who failed comes first (the site by its name, or the proxy), without jargon; then what to do,
// then the transport's details.
TEST(ClockCheckText, SaysWhyACheckGaveNoOffsetAndWhatToDo) {
    EXPECT_EQ(failureSentence({FailureKind::NoAnswer, ""}, "www.example.com"),
              "www.example.com did not answer within 3 seconds. Check the network connection, "
              "then measure again.");
    EXPECT_EQ(
        failureSentence({FailureKind::TlsError, "The certificate has expired. "}, "a.example"),
        "The secure connection to a.example failed, so its time cannot be trusted. Measure "
        "against another site. Details: The certificate has expired.");
    EXPECT_EQ(failureSentence({FailureKind::ProxyRefused, "Proxy denied connection"}, "a.example"),
              "The proxy server set for this PC would not connect to a.example. Check the proxy "
              "settings, then measure again. Details: Proxy denied connection.");
    for (int kind = 0; kind <= static_cast<int>(FailureKind::Cancelled); ++kind) {
        const FailureKind failure = static_cast<FailureKind>(kind);
        const std::string sentences = failureSentence({failure, ""}, "HOST");
        const auto cut = sentences.find(". ");
        const std::string first =
            cut == std::string::npos ? sentences : sentences.substr(0, cut + 1);
        EXPECT_EQ(sentences.back(), '.') << sentences;
        EXPECT_EQ(first.find("HOST") == std::string::npos,
                  failure == FailureKind::Cancelled || failure == FailureKind::ClockChanged ||
                      failure == FailureKind::ProxyUnreachable)
            << sentences;
        EXPECT_EQ(first.find("Date"), std::string::npos) << sentences;
        EXPECT_EQ(first.find("proxy") != std::string::npos,
                  failure == FailureKind::ProxyUnreachable || failure == FailureKind::ProxyRefused)
            << sentences;
        EXPECT_EQ(first == sentences, failure == FailureKind::Cancelled) << sentences;
        EXPECT_EQ(sentences.find_first_of("0123456789"),
                  failure == FailureKind::NoAnswer ? sentences.find('3') : std::string::npos);
    }
}

}  // namespace
}  // namespace clockcheck
