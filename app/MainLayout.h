// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <span>

// The main window's controls as designed: kind, twips rectangle, tab index, font and texts.
// frmMain turns these rows into widgets in one place.
namespace main_layout {

enum class Kind { TextBox, DisplayBox, PushButton, PictureButton, Label, Shape, WebBrowser };
enum class Font { Default, SmallBold, LargeBold };
// What a control's size has to hold: its caption, or every text that goes into it. The end-time
// box holds the usual forms of an end time, 24-hour or 12-hour; a longer one shrinks its font
// while the box has no focus. The address bar scrolls instead. The clock's caption also says
// when the clock is corrected, in the same rectangle.
enum class Shows { Nothing, Caption, ClockCaption, TimeOfDay, EndTime, Countdown };

struct Control {
    const char* name;
    Kind kind;
    int left, top, width, height;  // twips, in the client area below the menu bar
    int tabIndex;                  // -1: takes no focus
    Font font;
    Shows shows;
    const char* caption;
    const char* toolTip;
    const char* picture;         // resource path of a picture button's image
    const char* accessibleName;  // for text boxes, the indicator and the browser
};

std::span<const Control> controls();

// The clock's caption, and the caption while the clock runs on a measured correction.
inline constexpr const char* kClockCaption = "Current PST Time";
inline constexpr const char* kCorrectedClockCaption = "Current PST Time, corrected";

inline constexpr int kClientWidth = 15240;
inline constexpr int kClientHeight = 10710;
inline constexpr int kStatusBarHeight = 255;
inline constexpr int kStatusPanel1Width = 8000;
inline constexpr int kStatusPanel2Width = 1440;

}  // namespace main_layout
