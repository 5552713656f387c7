#include "ClockCheckRun.h"

#include <QMetaObject>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "OffsetMeasurement.h"
#include "SocketTransport.h"

namespace {

// How long closing waits for a cancelled check's thread before abandoning it.
constexpr auto kJoinLimit = std::chrono::milliseconds(200);

clockcheck::CheckOutcome measureOverSocket(const QUrl& server, const std::atomic<bool>& cancel) {
    platform::SocketTransport transport(server, cancel);
    return clockcheck::measureOffset(transport);
}

}  // namespace

// The mutex orders the thread's posting of its outcome against cancelling: once the run has
// set `cancelled` under it, the thread never touches the context again.
struct ClockCheckRun::Shared {
    std::mutex mutex;
    std::condition_variable ended;
    bool finished = false;
    std::atomic<bool> cancelled = false;
};

ClockCheckRun::ClockCheckRun(const QUrl& server, QObject* context, Done done, Measure measure)
    : shared_(std::make_shared<Shared>()) {
    if (!measure) measure = measureOverSocket;
    thread_ = std::thread(
        [shared = shared_, server, context, done = std::move(done), measure = std::move(measure)] {
            clockcheck::CheckOutcome outcome = measure(server, shared->cancelled);
            const std::lock_guard lock(shared->mutex);
            shared->finished = true;
            shared->ended.notify_all();
            if (shared->cancelled) return;
            // The run may be cancelled after this is posted and before it is delivered: the flag is
            // looked at again on the receiving thread, where cancelling happens.
            QMetaObject::invokeMethod(
                context,
                [shared, done, outcome = std::move(outcome)] {
                    if (!shared->cancelled) done(outcome);
                },
                Qt::QueuedConnection);
        });
}

ClockCheckRun::~ClockCheckRun() {
    bool finished = false;
    {
        std::unique_lock lock(shared_->mutex);
        shared_->cancelled = true;
        finished = shared_->ended.wait_for(lock, kJoinLimit, [this] { return shared_->finished; });
    }
    if (finished)
        thread_.join();
    else
        thread_.detach();
}
