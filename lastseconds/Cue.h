// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <optional>
#include <string_view>

namespace lastseconds {

// What sounds as a text shows in the countdown box.
enum class Cue { None, Tick, EndTone };

// The countdown box's texts that sound: a tick for "0:00:10" down to "0:00:01", the end tone
// for "Ended".
inline constexpr int kFirstTickSecond = 10;

// The seconds left that an "h:mm:ss" text shows, 0 for "Ended"; nothing for any other text
// ("Stopped", an empty box).
std::optional<int> secondsShown(std::string_view text);

// What sounds as the text that shows this many seconds left appears.
Cue cueFor(int secondsLeft);

}  // namespace lastseconds
