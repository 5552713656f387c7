// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "CorrectionNote.h"

namespace clockcheck {
namespace {

// The note is formed again only when its minutes change, and then reads the new age.
TEST(CorrectionNote, ReadsItsAgeInMinutesAndIsDueOncePerMinute) {
    constexpr Micros kSecond = 1'000'000;
    CorrectionNote note("Corrected by +2.37 s", 7'000 * kSecond);
    for (const auto& [since, due, age] : {
             std::tuple<Micros, bool, const char*>{0, true, "less than a minute"},
             {59 * kSecond, false, "less than a minute"},
             {60 * kSecond, true, "1 min"},
             {14 * 60 * kSecond + 1, true, "14 min"},  // a suspend skips minutes
             {14 * 60 * kSecond + 59 * kSecond, false, "14 min"},
             {125 * 60 * kSecond, true, "2 h 5 min"},
         }) {
        EXPECT_EQ(note.due(7'000 * kSecond + since), due) << since;
        EXPECT_EQ(note.at(7'000 * kSecond + since),
                  std::string("Corrected by +2.37 s, measured ") + age + " ago");
    }
}

}  // namespace
}  // namespace clockcheck
