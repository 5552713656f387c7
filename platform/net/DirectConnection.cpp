// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "DirectConnection.h"

#ifdef _WIN32
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <sys/socket.h>
#endif

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <thread>
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
    // The resolver's answer, written by the lookup's thread before it sets `done`.
    struct Lookup {
        std::atomic<bool> done = false;
        int error = 0;
        QList<QHostAddress> addresses;
    };
    auto lookup = std::make_shared<Lookup>();
    // A thread of its own rather than Qt's lookup pool, which the program's end waits for: a
    // resolver that hangs is left behind with the lookup it shares.
    std::thread([lookup, name = host.toStdString()] {
#ifdef _WIN32
        WSADATA winsock;  // the resolver needs Winsock started on this thread's behalf too
        WSAStartup(MAKEWORD(2, 2), &winsock);
#endif
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        lookup->error = getaddrinfo(name.c_str(), nullptr, &hints, &found);
        for (const addrinfo* entry = lookup->error == 0 ? found : nullptr; entry;
             entry = entry->ai_next)
            lookup->addresses << QHostAddress(entry->ai_addr);
        if (found) freeaddrinfo(found);
#ifdef _WIN32
        WSACleanup();
#endif
        lookup->done = true;
    }).detach();

    Connecting result;
    result.status = runUntil([&] { return lookup->done.load(); }, deadline, cancel);
    if (result.status != Connecting::Status::Done) return result;
    if (lookup->error != 0 || lookup->addresses.isEmpty()) {
        result.status = Connecting::Status::Failed;
        result.error = QAbstractSocket::HostNotFoundError;
        result.errorString = QString::fromLocal8Bit(gai_strerror(lookup->error));
        return result;
    }
    result.addresses = lookup->addresses;
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
