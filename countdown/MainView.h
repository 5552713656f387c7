// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <string>

namespace countdown {

// The three time boxes of the main window.
enum class TimeBox { EbayTime, AuctionEnd, Timer };

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;
inline constexpr Colour kGreen = 65280;
inline constexpr Colour kRed = 255;

// What the clock and countdown need of the main window. The texts in the boxes are the values
// the logic works on; the window caches nothing.
class MainView {
  public:
    virtual ~MainView() = default;
    virtual std::string text(TimeBox box) const = 0;
    virtual void setText(TimeBox box, const std::string& text) = 0;
    // Paints the box at once instead of at the next idle repaint.
    virtual void repaintNow(TimeBox box) = 0;
    virtual void setIndicatorVisible(bool visible) = 0;
    virtual void setIndicatorColour(Colour colour) = 0;
    // Moves the keyboard focus into the box.
    virtual void focusBox(TimeBox box) = 0;
    // A modal message with the critical icon and a single OK button; returns once it is closed.
    virtual void showCriticalMessage(const std::string& text, const std::string& title) = 0;
    // Panels count from 1.
    virtual void setStatusPanelText(int panel, const std::string& text) = 0;
};

}  // namespace countdown
