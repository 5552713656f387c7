#pragma once

#include <QObject>
#include <QUrl>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "ClockOffset.h"

// One clock check on a thread of its own, so that the clock and the countdown never wait for
// the network. Its outcome is handed to `done` on the thread of `context`. Destroying the run
// cancels it and waits up to 0.2 s for its thread, which ends within one of the transport's
// short waits; a thread still stuck then (in the system's proxy lookup, which cannot be
// cancelled) is abandoned: it shares only reference-counted state with the run, and its late
// outcome is dropped. A cancelled run hands over nothing, even an outcome already on its way.
class ClockCheckRun {
  public:
    using Done = std::function<void(const clockcheck::CheckOutcome&)>;
    // Measures against `server` until done or cancelled; the socket transport by default.
    using Measure = std::function<clockcheck::CheckOutcome(const QUrl& server,
                                                           const std::atomic<bool>& cancel)>;

    ClockCheckRun(const QUrl& server, QObject* context, Done done, Measure measure = {});
    ~ClockCheckRun();

    ClockCheckRun(const ClockCheckRun&) = delete;
    ClockCheckRun& operator=(const ClockCheckRun&) = delete;

  private:
    struct Shared;
    // Shared with the thread and with the outcome it posts, which may outlive the run.
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};
