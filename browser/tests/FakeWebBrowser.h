// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "BrowserPaneView.h"
#include "WebBrowser.h"

namespace browser::testing {

// Records every call made on the browser, in order, and refuses what it is told to refuse.
class FakeWebBrowser : public WebBrowser {
  public:
    Outcome Navigate(const std::string& address) override { return record("Navigate " + address); }
    Outcome GoBack() override { return record("GoBack"); }
    Outcome GoForward() override { return record("GoForward"); }
    Outcome Refresh() override { return record("Refresh"); }
    Outcome Stop() override { return record("Stop"); }
    std::string LocationName() const override {
        ++reads;
        return name;
    }
    std::string LocationURL() const override {
        ++reads;
        return url;
    }
    void onNavigateComplete2(std::function<void()> handler) override {
        navigateComplete2 = std::move(handler);
    }

    std::vector<std::string> calls;
    bool refuseEverything = false;
    std::string name;
    std::string url;
    mutable int reads = 0;
    std::function<void()> navigateComplete2;

  private:
    Outcome record(std::string call) {
        calls.push_back(std::move(call));
        return refuseEverything ? Outcome::Refused : Outcome::Accepted;
    }
};

// Records what the handlers do to the address bar and the status bar, in order.
class FakeBrowserPaneView : public BrowserPaneView {
  public:
    std::string addressText() const override { return address; }
    void setAddressText(const std::string& text) override {
        address = text;
        events.push_back("address=" + text);
    }
    void repaintAddress() override { events.push_back("repaint address"); }
    void setStatusPanelText(int panel, const std::string& text) override {
        events.push_back("panel " + std::to_string(panel) + "=" + text);
    }

    std::string address;
    std::vector<std::string> events;
};

}  // namespace browser::testing
