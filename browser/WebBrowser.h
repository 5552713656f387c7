// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <functional>
#include <string>

namespace browser {

// Whether the browser took a call. A refused call changes nothing in the browser.
enum class Outcome { Accepted, Refused };

// The embedded browser WebBrowser1 as the browser pane's handlers use it: navigation to an
// address, its own back/forward history, reload, stop, the current address and title, and a
// notification when a navigation has completed.
class WebBrowser {
  public:
    virtual ~WebBrowser() = default;

    // Returns at once; the page loads afterwards. Refused when the text is no address the
    // browser can load (an empty text among them).
    virtual Outcome Navigate(const std::string& address) = 0;
    // Refused when there is no earlier (later) page in the history.
    virtual Outcome GoBack() = 0;
    virtual Outcome GoForward() = 0;
    // Reloads the current page; refused while there is none.
    virtual Outcome Refresh() = 0;
    // Cancels the pending navigation, if any.
    virtual Outcome Stop() = 0;

    // The title of the page shown, and its full address; both empty before the first page.
    virtual std::string LocationName() const = 0;
    virtual std::string LocationURL() const = 0;

    // The handler runs each time a navigation has completed, whoever started it. It is told
    // nothing: what it needs it reads from the browser.
    virtual void onNavigateComplete2(std::function<void()> handler) = 0;
};

}  // namespace browser
