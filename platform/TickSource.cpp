#include "TickSource.h"

#include <QDateTime>

namespace platform {
namespace {

// How far past the boundary to aim: the timer may wake a fraction of a millisecond early,
// and a tick that lands before the boundary would show the old second.
constexpr int kMarginMs = 2;

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

int TickSource::delayToNextBoundary(qint64 wallClockMs) {
    const auto intoPeriod = static_cast<int>(((wallClockMs % kPeriodMs) + kPeriodMs) % kPeriodMs);
    return kPeriodMs - intoPeriod + kMarginMs;
}

void TickSource::aim() { timer_.start(delayToNextBoundary(QDateTime::currentMSecsSinceEpoch())); }

void TickSource::fire() {
    aim();
    emit tick();
}

}  // namespace platform
