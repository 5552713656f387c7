// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QDialog>
#include <QPointer>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "ClockOffset.h"

class ClockCheckRun;
class QCheckBox;
class QLabel;
class QPushButton;

// The clock check window: measures how far the site's clock is from the PC's, shows the offset
// with its uncertainty or why there is none, and lets the user run the program's clock on the
// site's time. It measures only when asked: when the command opens it and on "Measure Again".
// Closing it hides it; the main window keeps the one instance.
class frmClockCheck : public QDialog {
    Q_OBJECT
  public:
    // One measured offset, as the window shows it and a correction keeps it.
    struct Measurement {
        clockcheck::ClockOffset offset;  // its measuredAt reads both of the PC's clocks
        QString pacificTime;             // the Pacific clock's text as it came in
        QString correction;              // "Corrected by +2.37 s against <host>"
    };

    struct Hooks {
        std::function<QUrl()> server;          // the server to measure against now
        std::function<QString()> siteTimeNow;  // the Pacific clock's text now
        // The Pacific clock's own offset from UTC now (minutes, east positive).
        std::function<std::int32_t()> clockUtcOffsetMinutes;
        // Called with the measurement to correct the clock by while the box is on, and with
        // nothing when the PC's own clock is to show.
        std::function<void(const std::optional<Measurement>&)> correct;
    };

    explicit frmClockCheck(Hooks hooks, QWidget* parent = nullptr);
    ~frmClockCheck() override;

    // Starts a measurement, unless one is running.
    void measure();

  private:
    void showOutcome(const clockcheck::CheckOutcome& outcome);
    void showOffset(const clockcheck::ClockOffset& offset);
    void showFailure(const clockcheck::CheckFailure& failure);
    void chkCorrect_Toggled(bool on);
    void showKeptCorrection();
    void announceOutcome();
    void fitMinimumSize();

    Hooks hooks_;
    QString host_;
    bool plainHttp_ = false;              // the server measured is asked over plain http
    std::optional<Measurement> result_;   // the offset shown, if any
    std::optional<Measurement> applied_;  // the correction in force, if any
    std::unique_ptr<ClockCheckRun> run_;
    // Where the focus went when "Measure Again" had it and was disabled for the check.
    QPointer<QWidget> focusMovedFromMeasure_;

    QLabel* lblOffset = nullptr;
    QLabel* lblSentence = nullptr;
    QLabel* lblCaveats = nullptr;
    QLabel* lblHourNote = nullptr;
    QLabel* lblHost = nullptr;
    QLabel* lblWhen = nullptr;
    QLabel* lblRoundTrip = nullptr;
    QLabel* lblSystem = nullptr;
    QCheckBox* chkCorrect = nullptr;
    QLabel* lblKept = nullptr;
    QPushButton* cmdMeasure = nullptr;
    QPushButton* cmdClose = nullptr;
};
