// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "WebBrowser.h"

class QLabel;
class QWebEngineProfile;
class QWebEngineView;

namespace platform {

// WebBrowser1: the embedded browser, a Qt WebEngine (Chromium) view behind the browser
// interface.
//
// Starting Chromium blocks the user-interface thread for a tenth of a second or more, so it
// starts only on startEngine(), which the window calls once the clock shows. Until then the
// pane is empty, and the last address asked for is kept and loaded as soon as Chromium runs.
//
// Pages are kept in a named profile on disk, so cookies and sign-ins survive a restart. Links
// and scripts that ask for a new window open in this pane. In the window's tab order the pane
// is one stop, where the window puts it: Tab enters the page, moves through the page's links
// and fields, and leaving the page goes on to the controls after (or, backwards, before) the
// pane.
//
// What else pages meet is handled here as a browser's user expects: a page whose renderer
// process died is replaced by a notice until the next load; downloads are saved to the download
// folder with a one-line notice above the page; sign-in requests of a site or proxy ask the
// user in a small dialog; permission requests are denied at once. Certificate errors keep the
// engine's own refusal page.
class WebEngineBrowser : public QWidget, public browser::WebBrowser {
    Q_OBJECT
  public:
    static constexpr const char* kProfileName = "Ticklot";

    explicit WebEngineBrowser(QWidget* parent = nullptr);
    ~WebEngineBrowser() override;

    void startEngine();
    bool isEngineStarted() const { return view_ != nullptr; }
    // The last load ended in an error page (or was stopped): what shows is not the site's page,
    // though the address stays the one asked for.
    bool pageFailed() const { return pageFailed_; }

    browser::Outcome Navigate(const std::string& address) override;
    browser::Outcome GoBack() override;
    browser::Outcome GoForward() override;
    browser::Outcome Refresh() override;
    browser::Outcome Stop() override;
    std::string LocationName() const override;
    std::string LocationURL() const override;
    void onNavigateComplete2(std::function<void()> handler) override;

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectPage();
    void raiseNavigateComplete2();
    void raiseUnlessLoading();
    void showDeadPageNotice(QWebEnginePage::RenderProcessTerminationStatus status);
    void hideDeadPageNotice();
    void showDownloadNotice(const QString& text);

    QUrl pendingUrl_;
    std::function<void()> navigateComplete2_;
    // From loadStarted to loadFinished: the page's own isLoading() turns false earlier on
    // Qt 6.8, while the title of the finishing load is still arriving.
    bool loadRunning_ = false;
    bool pageFailed_ = false;
    QLabel* deadPageNotice_;
    QLabel* downloadNotice_;
    // Declared before the view, so the view and its page go first: a profile must outlive
    // its pages.
    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<QWebEngineView> view_;
};

}  // namespace platform
