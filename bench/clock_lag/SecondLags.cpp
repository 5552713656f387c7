// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "SecondLags.h"

#include <QStringList>

namespace {

constexpr std::int64_t kNsPerSecond = 1'000'000'000;

int secondOfDay(const QString& hms) {
    const QStringList parts = hms.split(u':');
    if (parts.size() != 3) return -1;
    return parts[0].toInt() * 3600 + parts[1].toInt() * 60 + parts[2].toInt();
}

std::int64_t floorMod(std::int64_t value, std::int64_t divisor) {
    return ((value % divisor) + divisor) % divisor;
}

}  // namespace

SecondLags secondLags(const std::vector<ShownTexts::Shown>& shown, std::int64_t fromNs) {
    SecondLags result;
    for (std::size_t i = 1; i < shown.size(); ++i) {
        if (shown[i - 1].paintedNs < fromNs) continue;
        const int second = secondOfDay(shown[i].text);
        const int previous = secondOfDay(shown[i - 1].text);
        if (second < 0 || previous < 0) continue;
        result.missedSeconds += static_cast<int>(floorMod(second - previous, 86400)) - 1;

        const std::int64_t wallSecond = shown[i].paintedNs / kNsPerSecond;
        const std::int64_t back = floorMod(wallSecond - second % 60, 60);
        const std::int64_t boundaryNs = (wallSecond - back) * kNsPerSecond;
        result.paintedMs.push_back(static_cast<double>(shown[i].paintedNs - boundaryNs) / 1e6);
        if (shown[i].returnedNs != 0)
            result.returnedMs.push_back(static_cast<double>(shown[i].returnedNs - boundaryNs) /
                                        1e6);
    }
    return result;
}
