// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "NavigationFeedback.h"

namespace browser {

NavigationFeedback::NavigationFeedback(const WebBrowser& browser, BrowserPaneView& view)
    : WebBrowser1(browser), view_(view) {}

void NavigationFeedback::WebBrowser1_NavigateComplete2() {
    view_.setAddressText(WebBrowser1.LocationURL());
    view_.repaintAddress();
    view_.setStatusPanelText(1, WebBrowser1.LocationName());
}

}  // namespace browser
