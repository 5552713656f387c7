// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <string>

namespace platform {

// Message-box styles: the buttons plus an optional icon.
inline constexpr int kOkOnly = 0;
inline constexpr int kCritical = 16;

// Modal message boxes.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;

    // Shows `prompt` until the user closes the box. An empty title shows the application's
    // title as the caption.
    virtual void show(const std::string& prompt, int style, const std::string& title) = 0;
};

}  // namespace platform
