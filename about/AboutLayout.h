// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <span>

// The About dialog's controls as designed, in twips from the top-left of its client area.
// frmAbout turns these rows into widgets in one place.
namespace about_layout {

enum class Kind { PictureBox, Label, WrappedLabel, Button };

struct Control {
    const char* name;
    Kind kind;
    int left, top, width, height;
    int tabIndex;         // -1: takes no focus
    const char* caption;  // nullptr: set at load
};

// A horizontal line of the control array Line1.
struct Line {
    int index;
    int x1, x2, y;
    unsigned colour;  // 0x00BBGGRR
    int width;        // pixels
};

std::span<const Control> controls();
std::span<const Line> lines();

inline constexpr int kClientWidth = 5730;
inline constexpr int kClientHeight = 4035;

}  // namespace about_layout
