// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QDialog>
#include <QUrl>
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
    struct Hooks {
        std::function<QUrl()> server;          // the server to measure against now
        std::function<QString()> siteTimeNow;  // the Pacific clock's text now
        // Called with the offset (site - PC, microseconds) and the clock box's note while the
        // clock is to be corrected, and with nothing when the PC's own clock is to show.
        std::function<void(std::optional<clockcheck::Micros>, const QString& note)> correct;
    };

    explicit frmClockCheck(Hooks hooks, QWidget* parent = nullptr);
    ~frmClockCheck() override;

    // Starts a measurement, unless one is running.
    void measure();

  private:
    void showOutcome(const clockcheck::CheckOutcome& outcome);
    void showOffset(const clockcheck::ClockOffset& offset);
    void showFailure(const clockcheck::CheckFailure& failure);
    void chkCorrect_Click();
    void applyCorrection();

    Hooks hooks_;
    QString host_;
    std::optional<clockcheck::ClockOffset> result_;  // the offset shown, if any
    std::unique_ptr<ClockCheckRun> run_;

    QLabel* lblOffset = nullptr;
    QLabel* lblSentence = nullptr;
    QLabel* lblHost = nullptr;
    QLabel* lblWhen = nullptr;
    QLabel* lblRoundTrip = nullptr;
    QLabel* lblSystem = nullptr;
    QCheckBox* chkCorrect = nullptr;
    QPushButton* cmdMeasure = nullptr;
    QPushButton* cmdClose = nullptr;
};
