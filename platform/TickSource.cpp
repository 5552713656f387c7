// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "TickSource.h"

#include <QSocketNotifier>
#include <cstdint>

#include "ClockCorrection.h"

#if defined(Q_OS_LINUX)
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

// How far past the boundary to aim. A precise timer never fires before its time, but the
// wall clock may be slewed against the timer's monotonic clock while it runs (at most 50 us in
// 100 ms), and a tick that lands before the boundary would show the old second for 100 ms.
constexpr qint64 kMarginUs = 250;
constexpr qint64 kPeriodUs = TickSource::kPeriodMs * 1000;

}  // namespace

TickSource::TickSource(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickSource::fire);
#if defined(Q_OS_LINUX)
    // Qt's timers and its event loop's waits count whole milliseconds, which puts a tick up to
    // a millisecond past the moment aimed at; a timer file wakes the loop at that moment.
    timerFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timerFd_ < 0) return;
    auto* notifier = new QSocketNotifier(timerFd_, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        if (read(timerFd_, &expirations, sizeof expirations) > 0 && kernelTimerArmed_) fire();
    });
#endif
}

TickSource::~TickSource() {
#if defined(Q_OS_LINUX)
    if (timerFd_ >= 0) close(timerFd_);
#endif
}

// The first tick comes as soon as the event loop is free, so the clock shows at once; the
// following ones are phased to the PC clock.
void TickSource::start() { timer_.start(0); }

void TickSource::stop() {
    timer_.stop();
    aimKernelTimer(0);
}

bool TickSource::isActive() const { return timer_.isActive() || kernelTimerArmed_; }

// The timer counts whole milliseconds, so the delay is rounded up: the tick lands between the
// margin and a millisecond past it. Working in microseconds keeps the sub-millisecond part of
// the clock from adding up to another millisecond of lag.
int TickSource::delayToNextBoundary(qint64 wallClockUs) {
    return static_cast<int>((exactDelayToNextBoundary(wallClockUs) + 999) / 1000);
}

qint64 TickSource::exactDelayToNextBoundary(qint64 wallClockUs) {
    const qint64 intoPeriod = (((wallClockUs - kMarginUs) % kPeriodUs) + kPeriodUs) % kPeriodUs;
    return kPeriodUs - intoPeriod;
}

void TickSource::aim() {
    const qint64 nowUs = correctedClockNow();
    if (!aimKernelTimer(exactDelayToNextBoundary(nowUs))) timer_.start(delayToNextBoundary(nowUs));
}

// Arms the kernel timer to fire once after the delay; a delay of 0 disarms it. False when it is
// not armed, or where there is none.
bool TickSource::aimKernelTimer(qint64 delayUs) {
#if defined(Q_OS_LINUX)
    itimerspec when{};
    when.it_value.tv_sec = static_cast<time_t>(delayUs / 1'000'000);
    when.it_value.tv_nsec = static_cast<long>(delayUs % 1'000'000 * 1000);
    kernelTimerArmed_ =
        timerFd_ >= 0 && timerfd_settime(timerFd_, 0, &when, nullptr) == 0 && delayUs > 0;
#else
    Q_UNUSED(delayUs);
#endif
    return kernelTimerArmed_;
}

void TickSource::fire() {
    kernelTimerArmed_ = false;
    aim();
    emit tick();
}

}  // namespace platform
