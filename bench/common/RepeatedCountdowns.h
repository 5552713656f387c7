// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QCoreApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "MainModule.h"
#include "frmMain.h"

// Runs countdowns in the main window one after another, each ending a set number of seconds
// after it starts (the end time typed as the clock box's "h:mm:ss" plus those seconds), until
// the given number has run (0: without end); then it quits the event loop.
class RepeatedCountdowns {
  public:
    RepeatedCountdowns(frmMain& window, int secondsAhead, int count)
        : window_(window), secondsAhead_(secondsAhead), count_(count) {
        next_.setSingleShot(true);
        QObject::connect(&next_, &QTimer::timeout, [this] { startNext(); });
    }

    // Starts the first after the given delay.
    void begin(int afterMs) { next_.start(afterMs); }
    int started() const { return started_; }

  private:
    void startNext() {
        if (MainModule::RunFlag == 1) return next_.start(200);
        if (count_ > 0 && started_ == count_) return QCoreApplication::quit();
        const QString clock = window_.findChild<QLineEdit*>("txtebaytime")->text();
        // Before the first tick the clock box is empty.
        if (clock.isEmpty()) return next_.start(200);
        ++started_;
        window_.findChild<QLineEdit*>("txtauctionend")->setText(plusSeconds(clock));
        window_.cmdStart_Click();
        next_.start((secondsAhead_ + 1) * 1000);
    }

    QString plusSeconds(const QString& hms) const {
        const QStringList parts = hms.split(u':');
        const int at = parts.value(0).toInt() * 3600 + parts.value(1).toInt() * 60 +
                       parts.value(2).toInt() + secondsAhead_;
        return QStringLiteral("%1:%2:%3")
            .arg(at / 3600 % 24)
            .arg(at / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(at % 60, 2, 10, QLatin1Char('0'));
    }

    frmMain& window_;
    const int secondsAhead_;
    const int count_;
    int started_ = 0;
    QTimer next_;
};
