// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "FakeWebBrowser.h"
#include "NavigationFeedback.h"

namespace browser {
namespace {

using testing::FakeBrowserPaneView;
using testing::FakeWebBrowser;

class NavigationFeedbackTest : public ::testing::Test {
  protected:
    FakeWebBrowser browser;
    FakeBrowserPaneView view;
    NavigationFeedback feedback{browser, view};
};

TEST_F(NavigationFeedbackTest, ShowsAddressThenRepaintsThenShowsTitleInPanelOne) {
    browser.url = "http://www.ebay.com/";
    browser.name = "Electronics, Cars, Fashion";
    feedback.WebBrowser1_NavigateComplete2();
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"address=http://www.ebay.com/", "repaint address",
                                        "panel 1=Electronics, Cars, Fashion"}));
    EXPECT_TRUE(browser.calls.empty()) << "feedback only reads from the browser";
}

TEST_F(NavigationFeedbackTest, ReplacesWhateverTheUserWasTyping) {
    view.address = "half-typed addr";
    browser.url = "http://127.0.0.1:8080/frames";
    feedback.WebBrowser1_NavigateComplete2();
    EXPECT_EQ(view.address, "http://127.0.0.1:8080/frames");
}

TEST_F(NavigationFeedbackTest, ReadsTheBrowserAfreshOnEveryEvent) {
    const struct {
        const char* url;
        const char* name;
    } pages[] = {{"http://a.example/", "A"}, {"http://b.example/#x", "B"}, {"", ""}};
    for (const auto& page : pages) {
        browser.url = page.url;
        browser.name = page.name;
        feedback.WebBrowser1_NavigateComplete2();
        EXPECT_EQ(view.address, page.url);
        EXPECT_EQ(view.events.back(), std::string("panel 1=") + page.name);
    }
    EXPECT_EQ(browser.reads, 6);
}

}  // namespace
}  // namespace browser
