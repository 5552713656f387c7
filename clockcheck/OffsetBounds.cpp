// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "OffsetBounds.h"

#include <algorithm>

namespace clockcheck {

void OffsetBounds::add(std::int64_t dateSecond, PcMicros sent, PcMicros received) {
    constexpr Micros kSecond = 1'000'000;
    const Micros lower = dateSecond * kSecond - received;
    const Micros upper = (dateSecond + 1) * kSecond - sent;
    lower_ = answers_ == 0 ? lower : std::max(lower_, lower);
    upper_ = answers_ == 0 ? upper : std::min(upper_, upper);
    ++answers_;
}

}  // namespace clockcheck
