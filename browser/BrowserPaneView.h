// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <string>

namespace browser {

// What the browser pane's handlers need of the main window: the address bar txtAddress and the
// status bar's panels (numbered from 1).
class BrowserPaneView {
  public:
    virtual ~BrowserPaneView() = default;
    virtual std::string addressText() const = 0;
    virtual void setAddressText(const std::string& text) = 0;
    // Paints the address bar at once instead of at the next idle repaint.
    virtual void repaintAddress() = 0;
    virtual void setStatusPanelText(int panel, const std::string& text) = 0;
};

}  // namespace browser
