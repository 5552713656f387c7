// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace testing_support {

// Runs the event loop until `done` holds or the time is up, and says whether it holds. Unlike
// QTest::qWait, which sleeps between rounds of events, it lets Chromium's many small steps on
// this thread run back to back: a page that loads in 20 ms is seen in 20 ms, not seconds.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    if (done()) return true;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start();
    loop.exec();
    return done();
}

// Lets events run for a while, for checks that something does not happen.
inline void runEventsFor(int ms) {
    waitUntil([] { return false; }, ms);
}

}  // namespace testing_support
