// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ClockCheckRun.h"

#include <QMetaObject>

#include "OffsetMeasurement.h"
#include "SocketTransport.h"

ClockCheckRun::ClockCheckRun(const QUrl& server, QObject* context, Done done)
    : cancelled_(std::make_shared<std::atomic<bool>>(false)) {
    thread_ = std::thread([cancelled = cancelled_, server, context, done = std::move(done)] {
        clockcheck::CheckOutcome outcome = [&] {
            platform::SocketTransport transport(server, *cancelled);
            return clockcheck::measureOffset(transport);
        }();
        if (*cancelled) return;
        // The run may be cancelled after this is posted and before it is delivered: the flag is
        // looked at again on the receiving thread, where cancelling happens.
        QMetaObject::invokeMethod(
            context,
            [cancelled, done, outcome = std::move(outcome)] {
                if (!*cancelled) done(outcome);
            },
            Qt::QueuedConnection);
    });
}

ClockCheckRun::~ClockCheckRun() {
    *cancelled_ = true;
    thread_.join();
}
