// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

// Fires every 100 ms, just after each tenth of a second of the program's clock (the PC's system
// clock, or the corrected clock of ClockCorrection, so that a corrected clock shows its new
// seconds as promptly). The timer is re-aimed at the next boundary on every tick, so ticks never
// drift against the clock. On Linux a kernel timer aimed to the microsecond shows a new second a
// quarter of a millisecond after the clock reaches it; elsewhere Qt's timer, which counts whole
// milliseconds, within 1.25 ms.
class TickSource : public QObject {
    Q_OBJECT
  public:
    static constexpr int kPeriodMs = 100;

    explicit TickSource(QObject* parent = nullptr);
    ~TickSource() override;

    void start();
    void stop();
    bool isActive() const;

    // Whole milliseconds from the given wall-clock time (microseconds since the epoch) to just
    // after the next period boundary: 1 to 100.
    static int delayToNextBoundary(qint64 wallClockUs);
    // The same in microseconds, not rounded: 1 to 100,000.
    static qint64 exactDelayToNextBoundary(qint64 wallClockUs);

  signals:
    void tick();

  private:
    void aim();
    bool aimKernelTimer(qint64 delayUs);
    void fire();

    QTimer timer_;
    int timerFd_ = -1;  // the kernel timer, where there is one
    bool kernelTimerArmed_ = false;
};

}  // namespace platform
