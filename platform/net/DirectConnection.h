#pragma once

#include <QAbstractSocket>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "ClockReading.h"

class QTcpSocket;

namespace platform {

// A connection straight to a host, with no proxy between, made as browsers make it: the host's
// addresses of both families are tried side by side, so that one family that drops connection
// attempts silently (a broken IPv6 route) costs a quarter of a second, not the check.
// Every wait runs on the calling thread's event loop, woken every 20 ms to look at `cancel`,
// until `deadline` on the step-free clock.

struct Connecting {
    enum class Status { Done, Failed, TimedOut, Cancelled };
    Status status = Status::Failed;
    QList<QHostAddress> addresses;       // the host's addresses (Done)
    std::unique_ptr<QTcpSocket> socket;  // the connected socket (Done)
    QAbstractSocket::SocketError error = QAbstractSocket::UnknownSocketError;  // (Failed)
    QString errorString;                                                       // (Failed)
};

// Looks up the host's addresses without blocking, so that a cancel or the deadline ends the wait.
Connecting lookUpHost(const QString& host, clockcheck::StepFreeMicros deadline,
                      const std::atomic<bool>& cancel);

// The addresses to try, in turn: the first the resolver gave, then the first of the other
// family, if it has any.
QList<QHostAddress> raceOrder(const QList<QHostAddress>& addresses);

// Starts a connection attempt to one address, such as QSslSocket::connectToHostEncrypted with
// the host's name to verify.
using Dial = std::function<std::unique_ptr<QTcpSocket>(const QHostAddress&)>;

// Tries `addresses` in turn: the first at once, each next one as soon as the one before it has
// failed or has not connected within 250 ms, beside it. The first attempt to connect wins and the
// others are abandoned; when every attempt fails, the first one's error is given.
Connecting raceConnections(const QList<QHostAddress>& addresses, const Dial& dial,
                           clockcheck::StepFreeMicros deadline, const std::atomic<bool>& cancel);

}  // namespace platform
