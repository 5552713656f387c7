// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QNetworkProxy>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>

#include "TimedTransport.h"

class QTcpSocket;

namespace platform {

// The timed transport over a socket of Qt Network, to the server of one http or https address.
// Its calls block, so it runs on a thread of its own: that thread opens it, sends through it and
// destroys it (the socket belongs to it), while the GUI thread never waits. Every wait is cut
// into slices of at most 20 ms, so that the cancel flag, set from any thread, ends it at once
// with Failure::Cancelled, and runs on the step-free clock, so that no step of the system clock
// stretches or cuts it. Without a proxy it connects to the host's addresses of both families
// side by side (see DirectConnection.h).
class SocketTransport : public clockcheck::TimedTransport {
  public:
    // `waitLimit` bounds open() and each exchange after its send moment (3 s for users; tests
    // shorten it).
    // `addresses`, when given, stand for the host's as looked up (for tests).
    SocketTransport(const QUrl& address, const std::atomic<bool>& cancel,
                    std::chrono::milliseconds waitLimit = std::chrono::seconds(3),
                    QList<QHostAddress> addresses = {});
    ~SocketTransport() override;

    clockcheck::ClockReading now() override;
    clockcheck::Exchange open() override;
    clockcheck::Exchange exchange(clockcheck::StepFreeMicros sendAt,
                                  clockcheck::Method method) override;

  private:
    enum class Wait { Ready, Cancelled, TimedOut, Closed };

    // The end of a wait that starts `from`, on the step-free clock.
    clockcheck::StepFreeMicros deadline(clockcheck::StepFreeMicros from) const;
    QString timeoutDetail(const char* what) const;
    clockcheck::Exchange open(clockcheck::StepFreeMicros until);
    clockcheck::Exchange reopenWhenClosed(clockcheck::StepFreeMicros until);
    bool waitUntil(clockcheck::StepFreeMicros moment, bool spin);
    Wait waitForBytes(clockcheck::StepFreeMicros deadline);
    clockcheck::Exchange readHead(clockcheck::Exchange exchange, QByteArray& bytes,
                                  clockcheck::StepFreeMicros until);
    void dropBody(QByteArray bytes, bool answersHead, const std::string& head,
                  clockcheck::StepFreeMicros until);
    clockcheck::Exchange failed(clockcheck::Failure failure, const QString& detail);
    void close();

    const QUrl address_;
    const std::atomic<bool>& cancel_;
    const std::chrono::milliseconds waitLimit_;
    const QList<QHostAddress> addresses_;
    const QByteArray requestTail_;        // the request after its method
    std::optional<QNetworkProxy> proxy_;  // the system's, found at the first open()
    std::unique_ptr<QTcpSocket> socket_;
};

}  // namespace platform
