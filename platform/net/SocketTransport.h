#pragma once

#include <QByteArray>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <memory>

#include "TimedTransport.h"

class QTcpSocket;

namespace platform {

// The timed transport over a socket of Qt Network, to the server of one http or https address.
// Its calls block, so it runs on a thread of its own: that thread opens it, sends through it and
// destroys it (the socket belongs to it), while the GUI thread never waits. Every wait is cut
// into slices of at most 20 ms, so that the cancel flag, set from any thread, ends it at once
// with Failure::Cancelled.
class SocketTransport : public clockcheck::TimedTransport {
  public:
    // `waitLimit` bounds the connection and each answer's head (3 s for users; tests shorten it).
    SocketTransport(const QUrl& address, const std::atomic<bool>& cancel,
                    std::chrono::milliseconds waitLimit = std::chrono::seconds(3));
    ~SocketTransport() override;

    clockcheck::PcMicros now() override;
    clockcheck::Exchange open() override;
    clockcheck::Exchange exchange(clockcheck::PcMicros sendAt, clockcheck::Method method) override;

  private:
    using Deadline = std::chrono::steady_clock::time_point;
    enum class Wait { Ready, Cancelled, TimedOut, Closed };

    clockcheck::Exchange reopenWhenClosed();
    bool waitUntil(clockcheck::PcMicros moment, bool spin);
    Wait waitForBytes(Deadline deadline);
    clockcheck::Exchange readHead(clockcheck::Exchange exchange, QByteArray& bytes);
    void dropBody(QByteArray bytes, bool answersHead, const std::string& head);
    clockcheck::Exchange failed(clockcheck::Failure failure, const QString& detail);
    void close();

    const QUrl address_;
    const std::atomic<bool>& cancel_;
    const std::chrono::milliseconds waitLimit_;
    const QByteArray requestTail_;  // the request after its method
    std::unique_ptr<QTcpSocket> socket_;
};

}  // namespace platform
