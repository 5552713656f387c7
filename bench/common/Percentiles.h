// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// Median, 99th percentile (nearest rank) and maximum of a set of samples.
struct Percentiles {
    double p50 = 0;
    double p99 = 0;
    double max = 0;
};

inline Percentiles percentilesOf(std::vector<double> samples) {
    if (samples.empty()) return {};
    std::sort(samples.begin(), samples.end());
    const auto rank = [&](double fraction) {
        const auto r = static_cast<std::size_t>(std::ceil(fraction * samples.size()));
        return samples[std::max<std::size_t>(r, 1) - 1];
    };
    return {rank(0.50), rank(0.99), samples.back()};
}
