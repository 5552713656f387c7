// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "MainView.h"

namespace countdown::testing {

// Records what the logic does to the main window, in order.
class FakeMainView : public MainView {
  public:
    std::string text(TimeBox box) const override {
        const auto found = texts.find(box);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(TimeBox box, const std::string& value) override {
        texts[box] = value;
        events.push_back("text " + name(box) + "=" + value);
    }
    void repaintNow(TimeBox box) override { events.push_back("repaint " + name(box)); }
    void setIndicatorVisible(bool visible) override {
        indicatorVisible = visible;
        events.push_back(visible ? "show indicator" : "hide indicator");
    }
    void setIndicatorColour(Colour colour) override {
        indicatorColour = colour;
        events.push_back(colour == kGreen ? "green" : colour == kRed ? "red" : "colour");
    }
    void focusBox(TimeBox box) override {
        focused = box;
        events.push_back("focus " + name(box));
    }
    void showCriticalMessage(const std::string& text, const std::string& title) override {
        messages.push_back(title + ": " + text);
        events.push_back("message");
        // What happens while the modal message is open, before the user closes it.
        if (whileMessageOpen) whileMessageOpen();
    }
    void setStatusPanelText(int panel, const std::string& value) override {
        panels[panel] = value;
        events.push_back("panel " + std::to_string(panel) + "=" + value);
    }

    static std::string name(TimeBox box) {
        switch (box) {
            case TimeBox::EbayTime:
                return "txtebaytime";
            case TimeBox::AuctionEnd:
                return "txtauctionend";
            case TimeBox::Timer:
                return "txtTimer";
        }
        return "?";
    }

    std::map<TimeBox, std::string> texts;
    std::map<int, std::string> panels;
    bool indicatorVisible = true;
    Colour indicatorColour = 0;
    std::optional<TimeBox> focused;
    std::vector<std::string> messages;
    std::function<void()> whileMessageOpen;
    std::vector<std::string> events;
};

}  // namespace countdown::testing
