// How well a clock check finds a server's offset: full checks (the socket transport and the
// measurement) against a loopback server whose clock runs at a known offset, for round trips
// from 0 to 200 ms, split evenly or lopsidedly between the request's way and the answer's; then
// checks at an 80 ms round trip during which the PC's system clock is stepped, with what each
// check said and how long it took.
// Usage: clock_check_bench [runs per row, default 1]
#include <QCoreApplication>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "ClockCheckText.h"
#include "LoopbackDateServer.h"
#include "OffsetMeasurement.h"
#include "SocketTransport.h"
#include "SteppedClock.h"

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
constexpr double kSteppedDurationGoalS = 15;

// Steps of the PC's clock during a check: when (s after it began) and by how much (s).
struct SteppedRow {
    const char* what;
    std::vector<SteppedClock::Step> steps;
};

SteppedClock::Step step(double atS, double byS) {
    return {std::llround(atS * 1e6), std::llround(byS * 1e6)};
}

const SteppedRow kSteppedRows[] = {
    {"none", {}},
    {"slewed +0.8 ms at 3 s", {step(3, 0.0008)}},
    {"-0.3 s at 1.2 s", {step(1.2, -0.3)}},
    {"+0.3 s at 1.2 s", {step(1.2, 0.3)}},
    {"-1 h at 1.2 s", {step(1.2, -3600)}},
    {"+1 h at 0.5 s", {step(0.5, 3600)}},
    {"-0.3 s at 1.2 s, +0.3 s at 4 s", {step(1.2, -0.3), step(4, 0.3)}},
    {"-1 h at 0.5 s, -1 h at 6 s", {step(0.5, -3600), step(6, -3600)}},
};

// Checks with the PC's clock stepped; true when every offset given covers the truth after the
// steps and every check ends within 15 s.
bool runSteppedRows(int runs) {
    constexpr double kOffsetS = 2.37;
    bool allMet = true;
    std::printf("\nPC clock stepped during a check (80 ms round trip, site %+.2f s ahead):\n",
                kOffsetS);
    std::printf("%-32s %6s  %s\n", "steps", "time s", "what the check said");
    for (const SteppedRow& row : kSteppedRows) {
        for (int run = 0; run < runs; ++run) {
            const auto offsetUs = std::llround(kOffsetS * 1e6);
            LoopbackDateServer server({offsetUs, 40'000, 40'000});
            const std::atomic<bool> cancel = false;
            platform::SocketTransport socket(
                QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server.port())), cancel);
            SteppedClock transport(socket, row.steps);
            const auto start = std::chrono::steady_clock::now();
            const clockcheck::CheckOutcome outcome = clockcheck::measureOffset(transport);
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            std::string said;
            bool met = seconds <= kSteppedDurationGoalS;
            if (const auto* result = std::get_if<clockcheck::ClockOffset>(&outcome)) {
                const auto truthUs = offsetUs - transport.steppedBy(result->measuredAt.stepFree);
                const bool covered = std::llabs(result->offset - truthUs) <= result->uncertainty;
                met = met && covered;
                char note[96];
                std::snprintf(note, sizeof note, " (truth %+.3f s, %s, %d answers)", truthUs / 1e6,
                              covered ? "covered" : "NOT COVERED", result->answers);
                said = clockcheck::offsetLine(*result) + note;
            } else {
                said = clockcheck::failureSentence(std::get<clockcheck::CheckFailure>(outcome),
                                                   "127.0.0.1");
            }
            std::printf("%-32s %6.2f  %s\n", row.what, seconds, said.c_str());
            allMet = allMet && met;
        }
    }
    std::printf(
        "every offset given covers the truth after the steps, every check within %.0f s: %s\n",
        kSteppedDurationGoalS, allMet ? "met" : "MISSED");
    return allMet;
}

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
    const bool steppedMet = runSteppedRows(runs);
    return symmetricMet && coveredAll && durationMet && steppedMet ? 0 : 1;
}
