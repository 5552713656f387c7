// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "BrowserCommands.h"
#include "FakeWebBrowser.h"

namespace browser {
namespace {

using testing::FakeBrowserPaneView;
using testing::FakeWebBrowser;

constexpr const char* kHome = "Navigate http://www.ebay.com";
constexpr const char* kTime = "Navigate http://cgi.ebay.com/aw-cgi/eBayISAPI.dll?TimeShow";

struct CommandRow {
    const char* handler;
    void (BrowserCommands::*click)();
    const char* call;
};

void PrintTo(const CommandRow& row, std::ostream* out) { *out << row.handler; }

class EachCommand : public ::testing::TestWithParam<CommandRow> {
  protected:
    void SetUp() override { view.address = "typed text"; }

    FakeWebBrowser browser;
    FakeBrowserPaneView view;
    BrowserCommands commands{browser, view};
};

TEST_P(EachCommand, MakesItsOneCallOnTheBrowser) {
    (commands.*GetParam().click)();
    EXPECT_EQ(browser.calls, std::vector<std::string>{GetParam().call});
    EXPECT_TRUE(view.events.empty()) << "commands leave the address bar and status bar alone";
}

TEST_P(EachCommand, EndsQuietlyWhenTheBrowserRefuses) {
    browser.refuseEverything = true;
    (commands.*GetParam().click)();
    (commands.*GetParam().click)();
    EXPECT_EQ(browser.calls, (std::vector<std::string>{GetParam().call, GetParam().call}));
    EXPECT_TRUE(view.events.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, EachCommand,
    ::testing::Values(
        CommandRow{"cmdHome_Click", &BrowserCommands::cmdHome_Click, kHome},
        CommandRow{"cmdBack_Click", &BrowserCommands::cmdBack_Click, "GoBack"},
        CommandRow{"cmdForward_Click", &BrowserCommands::cmdForward_Click, "GoForward"},
        CommandRow{"cmdRefresh_Click", &BrowserCommands::cmdRefresh_Click, "Refresh"},
        CommandRow{"cmdStop_Click", &BrowserCommands::cmdStop_Click, "Stop"},
        CommandRow{"cmdTime_Click", &BrowserCommands::cmdTime_Click, kTime},
        CommandRow{"cmdGo_Click", &BrowserCommands::cmdGo_Click, "Navigate typed text"},
        CommandRow{"mnuHome_Click", &BrowserCommands::mnuHome_Click, kHome},
        CommandRow{"mnuBack_Click", &BrowserCommands::mnuBack_Click, "GoBack"},
        CommandRow{"mnuForward_Click", &BrowserCommands::mnuForward_Click, "GoForward"},
        CommandRow{"mnuRefresh_Click", &BrowserCommands::mnuRefresh_Click, "Refresh"},
        CommandRow{"MnuEbay_Click", &BrowserCommands::MnuEbay_Click, kTime},
        CommandRow{"mnuContents_Click", &BrowserCommands::mnuContents_Click,
                   "Navigate qrc:/help/contents.html"},
        CommandRow{"startUpNavigation", &BrowserCommands::startUpNavigation, kHome}),
    [](const auto& info) { return std::string(info.param.handler); });

class GoButton : public ::testing::TestWithParam<const char*> {};

TEST_P(GoButton, PassesTheAddressBarTextExactlyAsTyped) {
    FakeWebBrowser browser;
    FakeBrowserPaneView view;
    BrowserCommands commands{browser, view};
    view.address = GetParam();
    commands.cmdGo_Click();
    EXPECT_EQ(browser.calls, std::vector<std::string>{std::string("Navigate ") + GetParam()});
    EXPECT_EQ(view.address, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, GoButton,
                         ::testing::Values("", " ", "www.example.com", "  http://a.example/ ",
                                           "not an address", "ebay.com/itm?id=1&x=\xC3\xA4"));

TEST(GoButtonReading, ReadsTheAddressBarAtEachClick) {
    FakeWebBrowser browser;
    FakeBrowserPaneView view;
    BrowserCommands commands{browser, view};
    view.address = "first";
    commands.cmdGo_Click();
    view.address = "second";
    commands.cmdGo_Click();
    EXPECT_EQ(browser.calls, (std::vector<std::string>{"Navigate first", "Navigate second"}));
}

}  // namespace
}  // namespace browser
