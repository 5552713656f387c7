#include "TickSource.h"

#include <chrono>

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
}

// The first tick comes as soon as the event loop is free, so the clock shows at once; the
// following ones are phased to the PC clock.
void TickSource::start() { timer_.start(0); }

void TickSource::stop() { timer_.stop(); }

bool TickSource::isActive() const { return timer_.isActive(); }

// The timer counts whole milliseconds, so the delay is rounded up: the tick lands between the
// margin and a millisecond past it. Working in microseconds keeps the sub-millisecond part of
// the clock from adding up to another millisecond of lag.
int TickSource::delayToNextBoundary(qint64 wallClockUs) {
    const qint64 intoPeriod = (((wallClockUs - kMarginUs) % kPeriodUs) + kPeriodUs) % kPeriodUs;
    const qint64 delayUs = kPeriodUs - intoPeriod;
    return static_cast<int>((delayUs + 999) / 1000);
}

void TickSource::aim() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    timer_.start(
        delayToNextBoundary(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

void TickSource::fire() {
    aim();
    emit tick();
}

}  // namespace platform
