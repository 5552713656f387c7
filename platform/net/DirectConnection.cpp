#include "DirectConnection.h"

#include <QEventLoop>
#include <QHostInfo>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

#include "ClockPair.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

constexpr auto kSlice = 20ms;
// How long an attempt has to itself before the next address is tried beside it (RFC 8305).
constexpr clockcheck::StepFreeMicros kHeadStartUs = 250'000;

// Runs the calling thread's event loop in slices until `done` holds; says why it stopped.
template <typename Done>
Connecting::Status runUntil(const Done& done, clockcheck::StepFreeMicros deadline,
                            const std::atomic<bool>& cancel) {
    QEventLoop loop;
    QTimer wake;
    wake.start(kSlice);
    for (;;) {
        if (done()) return Connecting::Status::Done;
        if (cancel) return Connecting::Status::Cancelled;
        if (stepFreeNow() >= deadline) return Connecting::Status::TimedOut;
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
}

}  // namespace

Connecting lookUpHost(const QString& host, clockcheck::StepFreeMicros deadline,
                      const std::atomic<bool>& cancel) {
    Connecting result;
    std::optional<QHostInfo> info;
    QObject scope;  // drops a late answer once this call has returned
    const int id =
        QHostInfo::lookupHost(host, &scope, [&](const QHostInfo& answer) { info = answer; });
    result.status = runUntil([&] { return info.has_value(); }, deadline, cancel);
    if (result.status != Connecting::Status::Done) {
        QHostInfo::abortHostLookup(id);
        return result;
    }
    if (info->error() != QHostInfo::NoError || info->addresses().isEmpty()) {
        result.status = Connecting::Status::Failed;
        result.error = QAbstractSocket::HostNotFoundError;
        result.errorString = info->errorString();
        return result;
    }
    result.addresses = info->addresses();
    return result;
}

QList<QHostAddress> raceOrder(const QList<QHostAddress>& addresses) {
    QList<QHostAddress> order;
    if (addresses.isEmpty()) return order;
    order << addresses.first();
    for (const QHostAddress& address : addresses) {
        if (address.protocol() != order.first().protocol()) {
            order << address;
            break;
        }
    }
    return order;
}

Connecting raceConnections(const QList<QHostAddress>& addresses, const Dial& dial,
                           clockcheck::StepFreeMicros deadline, const std::atomic<bool>& cancel) {
    struct Attempt {
        std::unique_ptr<QTcpSocket> socket;
        bool failed = false;
    };
    Connecting result;
    if (addresses.isEmpty()) {
        result.error = QAbstractSocket::HostNotFoundError;
        return result;
    }
    std::vector<Attempt> attempts;
    clockcheck::StepFreeMicros nextAt = stepFreeNow();
    const auto settled = [&] {
        for (Attempt& attempt : attempts) {
            attempt.failed = attempt.socket->state() == QAbstractSocket::UnconnectedState;
            if (attempt.socket->state() == QAbstractSocket::ConnectedState) {
                result.socket = std::move(attempt.socket);
                return true;
            }
        }
        const bool lastFailed = !attempts.empty() && attempts.back().failed;
        if (attempts.size() < static_cast<std::size_t>(addresses.size()) &&
            (lastFailed || stepFreeNow() >= nextAt)) {
            attempts.push_back({dial(addresses[static_cast<qsizetype>(attempts.size())])});
            nextAt = stepFreeNow() + kHeadStartUs;
            return false;
        }
        return std::all_of(attempts.begin(), attempts.end(),
                           [](const Attempt& attempt) { return attempt.failed; });
    };
    result.status = runUntil(settled, deadline, cancel);
    if (result.status == Connecting::Status::Done && !result.socket) {
        result.status = Connecting::Status::Failed;
        result.error = attempts.front().socket->error();
        result.errorString = attempts.front().socket->errorString();
    }
    return result;
}

}  // namespace platform
