// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "BrowserCommands.h"

#include "FixedAddresses.h"

namespace browser {

BrowserCommands::BrowserCommands(WebBrowser& browser, const BrowserPaneView& view)
    : WebBrowser1(browser), view_(view) {}

void BrowserCommands::cmdHome_Click() { WebBrowser1.Navigate(kEbayHomePage); }

void BrowserCommands::cmdBack_Click() { WebBrowser1.GoBack(); }

void BrowserCommands::cmdForward_Click() { WebBrowser1.GoForward(); }

void BrowserCommands::cmdRefresh_Click() { WebBrowser1.Refresh(); }

void BrowserCommands::cmdStop_Click() { WebBrowser1.Stop(); }

void BrowserCommands::cmdTime_Click() { WebBrowser1.Navigate(kEbayTimePage); }

void BrowserCommands::cmdGo_Click() { WebBrowser1.Navigate(view_.addressText()); }

void BrowserCommands::mnuHome_Click() { WebBrowser1.Navigate(kEbayHomePage); }

void BrowserCommands::mnuBack_Click() { WebBrowser1.GoBack(); }

void BrowserCommands::mnuForward_Click() { WebBrowser1.GoForward(); }

void BrowserCommands::mnuRefresh_Click() { WebBrowser1.Refresh(); }

void BrowserCommands::MnuEbay_Click() { WebBrowser1.Navigate(kEbayTimePage); }

void BrowserCommands::mnuContents_Click() { WebBrowser1.Navigate(kHelpPage); }

void BrowserCommands::startUpNavigation() { WebBrowser1.Navigate(kEbayHomePage); }

}  // namespace browser
