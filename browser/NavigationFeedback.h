// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include "BrowserPaneView.h"
#include "WebBrowser.h"

namespace browser {

// Shows where the browser now is after every completed navigation, whoever started it: its
// address in the address bar and its page title in status panel 1.
class NavigationFeedback {
  public:
    NavigationFeedback(const WebBrowser& WebBrowser1, BrowserPaneView& view);

    // Reads both values from the browser itself, so they always describe its top-level page.
    void WebBrowser1_NavigateComplete2();

  private:
    const WebBrowser& WebBrowser1;
    BrowserPaneView& view_;
};

}  // namespace browser
