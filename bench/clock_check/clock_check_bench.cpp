// How well a clock check finds a server's offset: full checks (the socket transport and the
// measurement) against a loopback server whose clock runs at a known offset, for round trips
// from 0 to 200 ms, split evenly or lopsidedly between the request's way and the answer's.
// Usage: clock_check_bench [runs per row, default 1]
#include <QCoreApplication>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <variant>

#include "LoopbackDateServer.h"
#include "OffsetMeasurement.h"
#include "SocketTransport.h"

namespace {

struct Row {
    int beforeMs;  // the request's way, before the server stamps its Date
    int afterMs;   // the answer's way back
    double offsetS;
};

// Offsets with odd fractions, so that no row's answers line up with the PC's seconds.
constexpr Row kRows[] = {
    {0, 0, 2.37},     {5, 5, -1.234},  {40, 40, 0.618},   {100, 100, -3.456}, {9, 1, 1.111},
    {70, 10, -0.275}, {10, 70, 4.321}, {190, 10, 0.0625}, {10, 190, -2.5},
};

// Passes the check's requests on and notes how late each left after the moment asked for.
class SendLateness : public clockcheck::TimedTransport {
  public:
    explicit SendLateness(clockcheck::TimedTransport& transport) : transport_(transport) {}
    clockcheck::ClockReading now() override { return transport_.now(); }
    clockcheck::Exchange open() override { return transport_.open(); }
    clockcheck::Exchange exchange(clockcheck::StepFreeMicros sendAt,
                                  clockcheck::Method method) override {
        const bool ahead = sendAt > transport_.now().stepFree;
        clockcheck::Exchange exchange = transport_.exchange(sendAt, method);
        if (ahead) mostUs = std::max(mostUs, exchange.sent.stepFree - sendAt);
        return exchange;
    }
    clockcheck::StepFreeMicros mostUs = 0;

  private:
    clockcheck::TimedTransport& transport_;
};

constexpr double kSymmetricGoalMs = 20;
constexpr double kDurationGoalS = 10;

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    bool symmetricMet = true;
    bool coveredAll = true;
    bool durationMet = true;
    std::printf("%9s %9s %10s %10s %9s %8s %7s %6s %7s %7s\n", "before ms", "after ms", "true s",
                "measured s", "stated ms", "error ms", "covered", "time s", "answers", "late us");
    for (const Row& row : kRows) {
        for (int run = 0; run < runs; ++run) {
            const auto offsetUs = std::llround(row.offsetS * 1e6);
            LoopbackDateServer server({offsetUs, row.beforeMs * 1000LL, row.afterMs * 1000LL});
            const std::atomic<bool> cancel = false;
            platform::SocketTransport socket(
                QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server.port())), cancel);
            SendLateness transport(socket);
            const auto start = std::chrono::steady_clock::now();
            const clockcheck::CheckOutcome outcome = clockcheck::measureOffset(transport);
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const auto* result = std::get_if<clockcheck::ClockOffset>(&outcome);
            if (!result) {
                std::printf("%9d %9d %10.4f  failed: %s\n", row.beforeMs, row.afterMs, row.offsetS,
                            std::get<clockcheck::CheckFailure>(outcome).detail.c_str());
                coveredAll = false;
                continue;
            }
            const double errorMs = std::abs(result->offset - offsetUs) / 1e3;
            const bool covered = std::abs(result->offset - offsetUs) <= result->uncertainty;
            std::printf("%9d %9d %10.4f %10.4f %9.1f %8.1f %7s %6.2f %7d %7lld\n", row.beforeMs,
                        row.afterMs, row.offsetS, result->offset / 1e6, result->uncertainty / 1e3,
                        errorMs, covered ? "yes" : "NO", seconds, result->answers,
                        static_cast<long long>(transport.mostUs));
            coveredAll = coveredAll && covered;
            if (row.beforeMs == row.afterMs)
                symmetricMet = symmetricMet && errorMs <= kSymmetricGoalMs;
            if (row.beforeMs + row.afterMs == 80)
                durationMet = durationMet && seconds <= kDurationGoalS;
        }
    }
    std::printf("within %.0f ms where the delays are symmetric: %s\n", kSymmetricGoalMs,
                symmetricMet ? "met" : "MISSED");
    std::printf("stated uncertainty covers the true error in every row: %s\n",
                coveredAll ? "met" : "MISSED");
    std::printf("at most %.0f s per check at an 80 ms round trip: %s\n", kDurationGoalS,
                durationMet ? "met" : "MISSED");
    return symmetricMet && coveredAll && durationMet ? 0 : 1;
}
