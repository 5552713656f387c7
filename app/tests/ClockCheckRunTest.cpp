#include <QElapsedTimer>
#include <QtTest>
#include <condition_variable>
#include <mutex>

#include "ClockCheckRun.h"
#include "EventLoopWait.h"

using clockcheck::CheckFailure;
using clockcheck::CheckOutcome;
using clockcheck::FailureKind;

class ClockCheckRunTest : public QObject {
    Q_OBJECT
  private slots:
    void handsOverTheOutcome() {
        int outcomes = 0;
        ClockCheckRun run(
            QUrl("http://h/"), this, [&](const CheckOutcome&) { ++outcomes; },
            [](const QUrl&, const std::atomic<bool>&) -> CheckOutcome {
                return CheckFailure{FailureKind::NoAnswer, {}};
            });
        QVERIFY(testing_support::waitUntil([&] { return outcomes == 1; }, 5'000));
    }

    // A measurement stuck where cancelling cannot reach (the proxy lookup) holds up neither the
    // run's end nor anything after it, and its late outcome goes nowhere.
    void abandonsAStuckMeasurement() {
        struct Gate {
            std::mutex mutex;
            std::condition_variable opened;
            bool open = false;
        };
        auto gate = std::make_shared<Gate>();
        int outcomes = 0;
        QElapsedTimer ending;
        {
            ClockCheckRun run(
                QUrl("http://h/"), this, [&](const CheckOutcome&) { ++outcomes; },
                [gate](const QUrl&, const std::atomic<bool>&) -> CheckOutcome {
                    std::unique_lock lock(gate->mutex);
                    gate->opened.wait(lock, [&] { return gate->open; });
                    return CheckFailure{FailureKind::NoAnswer, {}};
                });
            ending.start();
        }
        QVERIFY2(ending.elapsed() < 2'000, "the run waited for its stuck thread");
        {
            const std::lock_guard lock(gate->mutex);
            gate->open = true;
        }
        gate->opened.notify_all();
        testing_support::runEventsFor(300);
        QCOMPARE(outcomes, 0);
    }
};

QTEST_MAIN(ClockCheckRunTest)
#include "ClockCheckRunTest.moc"
