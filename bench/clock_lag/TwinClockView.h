// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <array>
#include <string>

#include "MainView.h"

class QLineEdit;

// Lets the tick drive a copy of the clock box: the clock text goes into the box and is
// repainted at once, the other texts are only kept.
class TwinClockView : public countdown::MainView {
  public:
    explicit TwinClockView(QLineEdit* clockBox) : clockBox_(clockBox) {}

    std::string text(countdown::TimeBox box) const override;
    void setText(countdown::TimeBox box, const std::string& text) override;
    void repaintNow(countdown::TimeBox box) override;
    void setIndicatorVisible(bool) override {}
    void setIndicatorColour(countdown::Colour) override {}
    void focusBox(countdown::TimeBox) override {}
    void showCriticalMessage(const std::string&, const std::string&) override {}
    void setStatusPanelText(int, const std::string&) override {}

  private:
    QLineEdit* clockBox_;
    std::array<std::string, 3> texts_;
};
