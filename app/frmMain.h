// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "BrowserPaneView.h"
#include "Clipboard.h"
#include "CorrectionNote.h"
#include "LocalClock.h"
#include "MainView.h"
#include "RegionalSettings.h"
#include "TickSource.h"
#include "frmClockCheck.h"

class ActiveControl;
class QAction;
class frmAbout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class IndicatorShape;
class OptionsMenu;
class PanelStatusBar;
namespace browser {
class BrowserCommands;
class NavigationFeedback;
}  // namespace browser
namespace platform {
class WebEngineBrowser;
}

// The main window: clock, countdown boxes, browser pane, menus and status bar. Every event is
// routed to one handler named after its control and event.
class frmMain : public QMainWindow, public countdown::MainView, public browser::BrowserPaneView {
    Q_OBJECT
  public:
    explicit frmMain(std::unique_ptr<countdown::LocalClock> clock, QWidget* parent = nullptr);
    frmMain();
    ~frmMain() override;

    // Runs the load handler, shows the window and starts the timer, whose first tick comes
    // only after the load handler has returned. The browser's engine starts after that tick.
    void start();

    void Form_Load();
    void Timer1_Timer();
    void mnuAbout_Click();
    void mnuCheckClock_Click();
    void mnuExit_Click();
    void txtAddress_Select();
    void cmdStart_Click();
    void cmdEnd_Click();
    void mnuBarEdit_Click();
    void mnuEdit_Click(int index);

    std::string text(countdown::TimeBox box) const override;
    void setText(countdown::TimeBox box, const std::string& text) override;
    void repaintNow(countdown::TimeBox box) override;
    void setIndicatorVisible(bool visible) override;
    void setIndicatorColour(countdown::Colour colour) override;
    void focusBox(countdown::TimeBox box) override;
    void showCriticalMessage(const std::string& text, const std::string& title) override;
    void setStatusPanelText(int panel, const std::string& text) override;

    std::string addressText() const override;
    void setAddressText(const std::string& text) override;
    void repaintAddress() override;

  private:
    void createControls();
    void createMenus();
    void connectBrowserPane();
    void correctClock(const std::optional<frmClockCheck::Measurement>& measured);
    void showCorrectionNote();
    QLineEdit* timeBox(countdown::TimeBox box) const;

    std::unique_ptr<countdown::LocalClock> clock_;
    const countdown::RegionalSettings regional_;
    platform::SystemClipboard clipboard_;
    ActiveControl* activeControl_ = nullptr;
    platform::TickSource Timer1;

    QLabel* Label1 = nullptr;
    QLineEdit* txtebaytime = nullptr;
    QLineEdit* txtauctionend = nullptr;
    QLineEdit* txtTimer = nullptr;
    QLineEdit* txtAddress = nullptr;
    // Per time box: its text was set and not yet painted at once.
    std::array<bool, 3> textUnpainted_{};
    IndicatorShape* Shape1 = nullptr;
    PanelStatusBar* StatusBar1 = nullptr;
    platform::WebEngineBrowser* WebBrowser1 = nullptr;
    std::unique_ptr<browser::BrowserCommands> browserCommands_;
    std::unique_ptr<browser::NavigationFeedback> navigationFeedback_;

    QMenu* mnuFile = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuBarEdit = nullptr;
    std::array<QAction*, 3> mnuEdit{};
    QMenu* mnuTools = nullptr;
    QAction* mnuHome = nullptr;
    QAction* mnuBack = nullptr;
    QAction* mnuForward = nullptr;
    QAction* mnuRefresh = nullptr;
    QAction* MnuEbay = nullptr;
    QAction* mnuCheckClock = nullptr;
    OptionsMenu* options_ = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;

    QPointer<frmAbout> about_;             // the open About dialog, if any
    frmClockCheck* clockCheck_ = nullptr;  // made when first asked for, then kept
    // The clock box's note while the clock runs on a measured correction.
    std::optional<clockcheck::CorrectionNote> correctionNote_;
};
