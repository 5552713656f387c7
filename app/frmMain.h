#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "LocalClock.h"
#include "MainView.h"
#include "TickSource.h"

class QAction;
class frmAbout;
class QLineEdit;
class QMenu;
class QPushButton;
class IndicatorShape;
class PanelStatusBar;

// The main window: clock, countdown boxes, browser pane, menus and status bar. Every event is
// routed to one handler named after its control and event.
class frmMain : public QMainWindow, public countdown::MainView {
    Q_OBJECT
  public:
    explicit frmMain(std::unique_ptr<countdown::LocalClock> clock, QWidget* parent = nullptr);
    frmMain();
    ~frmMain() override;

    // Runs the load handler, shows the window and starts the timer, whose first tick comes
    // only after the load handler has returned.
    void start();

    void Form_Load();
    void Timer1_Timer();
    void mnuAbout_Click();
    void mnuExit_Click();

    std::string text(countdown::TimeBox box) const override;
    void setText(countdown::TimeBox box, const std::string& text) override;
    void repaintNow(countdown::TimeBox box) override;
    void setIndicatorVisible(bool visible) override;
    void setStatusPanelText(int panel, const std::string& text) override;

  private:
    void createControls();
    void createMenus();
    QLineEdit* timeBox(countdown::TimeBox box) const;

    std::unique_ptr<countdown::LocalClock> clock_;
    platform::TickSource Timer1;

    QLineEdit* txtebaytime = nullptr;
    QLineEdit* txtauctionend = nullptr;
    QLineEdit* txtTimer = nullptr;
    QLineEdit* txtAddress = nullptr;
    IndicatorShape* Shape1 = nullptr;
    PanelStatusBar* StatusBar1 = nullptr;

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
    QMenu* mnuHelp = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;

    QPointer<frmAbout> about_;  // the open About dialog, if any
};
