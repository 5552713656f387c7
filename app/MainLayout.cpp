// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "MainLayout.h"

#include <array>

namespace main_layout {
namespace {

constexpr auto kNone = nullptr;

// In the order of the window's definition.
constexpr std::array kControls{
    Control{"cmdGo", Kind::PushButton, 14520, 840, 375, 255, 16, Font::Default, Shows::Caption,
            "Go", "Go", kNone, kNone},
    Control{"cmdRefresh", Kind::PictureButton, 4800, 240, 495, 495, 15, Font::Default,
            Shows::Nothing, kNone, "Refresh", ":/icons/refresh.svg", kNone},
    Control{"cmdTime", Kind::PictureButton, 5760, 240, 495, 495, 14, Font::Default, Shows::Nothing,
            kNone, "Go to Ebay time Map", ":/icons/clock.svg", kNone},
    Control{"cmdStop", Kind::PictureButton, 5280, 240, 495, 495, 13, Font::Default, Shows::Nothing,
            kNone, "Stop", ":/icons/stop.svg", kNone},
    Control{"cmdForward", Kind::PictureButton, 4320, 240, 495, 495, 12, Font::Default,
            Shows::Nothing, kNone, "Forward", ":/icons/forward.svg", kNone},
    Control{"cmdBack", Kind::PictureButton, 3840, 240, 495, 495, 11, Font::Default, Shows::Nothing,
            kNone, "Back", ":/icons/back.svg", kNone},
    Control{"cmdHome", Kind::PictureButton, 3240, 240, 615, 495, 10, Font::Default, Shows::Nothing,
            kNone, "Home", ":/icons/home.svg", kNone},
    Control{"txtAddress", Kind::TextBox, 3240, 840, 11175, 285, 9, Font::Default, Shows::Nothing,
            kNone, kNone, kNone, "Address"},
    Control{"WebBrowser1", Kind::WebBrowser, 3240, 1200, 11775, 9495, 8, Font::Default,
            Shows::Nothing, kNone, kNone, kNone, "Web page"},
    Control{"cmdEnd", Kind::PushButton, 360, 4440, 1575, 375, 7, Font::SmallBold, Shows::Caption,
            "St&op Countdown", kNone, kNone, kNone},
    Control{"cmdStart", Kind::PushButton, 360, 3960, 1575, 375, 6, Font::SmallBold, Shows::Caption,
            "S&tart Countdown", kNone, kNone, kNone},
    Control{"txtTimer", Kind::DisplayBox, 360, 3120, 1935, 495, 4, Font::LargeBold,
            Shows::Countdown, kNone, kNone, kNone, "Countdown Timer"},
    Control{"txtauctionend", Kind::TextBox, 360, 2160, 1935, 495, 2, Font::LargeBold,
            Shows::EndTime, kNone, kNone, kNone, "Auction End Time"},
    Control{"txtebaytime", Kind::DisplayBox, 360, 1200, 1935, 495, 0, Font::LargeBold,
            Shows::TimeOfDay, kNone, kNone, kNone, "Current PST Time"},
    Control{"Shape1", Kind::Shape, 2400, 3120, 495, 495, -1, Font::Default, Shows::Nothing, kNone,
            kNone, kNone, "Countdown indicator"},
    Control{"Label3", Kind::Label, 360, 2880, 1815, 255, 5, Font::SmallBold, Shows::Caption,
            "Countdown Timer", kNone, kNone, kNone},
    Control{"Label2", Kind::Label, 360, 1920, 1695, 255, 3, Font::SmallBold, Shows::Caption,
            "Auction End Time", kNone, kNone, kNone},
    Control{"Label1", Kind::Label, 360, 960, 1575, 255, 1, Font::SmallBold, Shows::ClockCaption,
            kClockCaption, kNone, kNone, kNone},
};

}  // namespace

std::span<const Control> controls() { return kControls; }

}  // namespace main_layout
