#include "ClockCheckRun.h"

#include <QMetaObject>

#include "OffsetMeasurement.h"
#include "SocketTransport.h"

ClockCheckRun::ClockCheckRun(const QUrl& server, QObject* context, Done done) {
    thread_ = std::thread([this, server, context, done = std::move(done)] {
        clockcheck::CheckOutcome outcome = [&] {
            platform::SocketTransport transport(server, cancelled_);
            return clockcheck::measureOffset(transport);
        }();
        if (cancelled_) return;
        QMetaObject::invokeMethod(
            context, [done, outcome = std::move(outcome)] { done(outcome); },
            Qt::QueuedConnection);
    });
}

ClockCheckRun::~ClockCheckRun() {
    cancelled_ = true;
    thread_.join();
}
