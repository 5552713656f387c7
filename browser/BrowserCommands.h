// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include "BrowserPaneView.h"
#include "WebBrowser.h"

namespace browser {

// The toolbar buttons, Go, the Browse menu and Help > Contents. Each handler makes exactly one
// call on the browser and returns at once. A call the browser refuses (Back with no earlier
// page, an address it will not take) is ignored: the command ends quietly.
class BrowserCommands {
  public:
    BrowserCommands(WebBrowser& WebBrowser1, const BrowserPaneView& view);

    void cmdHome_Click();
    void cmdBack_Click();
    void cmdForward_Click();
    void cmdRefresh_Click();
    void cmdStop_Click();
    void cmdTime_Click();
    // Passes the address bar's text exactly as typed: no trimming, no check, no scheme added.
    void cmdGo_Click();

    void mnuHome_Click();
    void mnuBack_Click();
    void mnuForward_Click();
    void mnuRefresh_Click();
    void MnuEbay_Click();
    void mnuContents_Click();

    // The load handler's last step: ask for the eBay home page; nothing waits for it.
    void startUpNavigation();

  private:
    WebBrowser& WebBrowser1;
    const BrowserPaneView& view_;
};

}  // namespace browser
