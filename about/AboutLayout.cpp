// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "AboutLayout.h"

#include <array>

namespace about_layout {
namespace {

constexpr const char* kDescription =
    "Timing Program for the person that enjoys the manual sniping process on Ebay";
constexpr const char* kDisclaimer =
    "Copyright 2026 Ticklot Developers. Free software under the GNU General Public License, "
    "version 3 or later. It is provided as is, without warranty of any kind: you use it "
    "entirely at your own risk.";

constexpr std::array kControls{
    Control{"cmdOK", Kind::Button, 4245, 2625, 1260, 345, 0, "OK"},
    Control{"picIcon", Kind::PictureBox, 240, 240, 540, 540, 1, nullptr},
    Control{"cmdSysInfo", Kind::Button, 4260, 3075, 1245, 345, 2, "&System Info..."},
    Control{"lblTitle", Kind::Label, 1050, 240, 3885, 480, -1, nullptr},
    Control{"lblVersion", Kind::Label, 1050, 960, 3885, 225, -1, nullptr},
    Control{"lblDescription", Kind::WrappedLabel, 1050, 1440, 3885, 690, -1, kDescription},
    Control{"lblDisclaimer", Kind::WrappedLabel, 255, 2625, 3870, 1185, -1, kDisclaimer},
};

// A grey line with a white one just below it: an etched separator.
constexpr std::array kLines{
    Line{1, 90, 5654, 2445, 0x808080, 1},
    Line{0, 105, 5654, 2460, 0xFFFFFF, 2},
};

}  // namespace

std::span<const Control> controls() { return kControls; }
std::span<const Line> lines() { return kLines; }

}  // namespace about_layout
