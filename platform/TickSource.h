#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

// Fires every 100 ms, just after each tenth of a second of the PC clock. The timer is re-aimed
// at the next boundary on every tick, so ticks never drift against the clock and a new second
// is shown about a millisecond after the clock reaches it.
class TickSource : public QObject {
    Q_OBJECT
  public:
    static constexpr int kPeriodMs = 100;

    explicit TickSource(QObject* parent = nullptr);

    void start();
    void stop();
    bool isActive() const;

    // Whole milliseconds from the given wall-clock time (microseconds since the epoch) to just
    // after the next period boundary: 1 to 100.
    static int delayToNextBoundary(qint64 wallClockUs);

  signals:
    void tick();

  private:
    void aim();
    void fire();

    QTimer timer_;
};

}  // namespace platform
