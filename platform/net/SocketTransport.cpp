// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "SocketTransport.h"

#include <QEventLoop>
#include <QNetworkProxyFactory>
#include <QSslSocket>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <string_view>
#include <thread>

#include "ClockPair.h"
#include "DirectConnection.h"
#include "HttpAnswerFraming.h"
#include "TicklotVersion.h"

namespace platform {
namespace {

using clockcheck::ClockReading;
using clockcheck::Exchange;
using clockcheck::Failure;
using clockcheck::StepFreeMicros;
using namespace std::chrono_literals;

// The longest single wait, and so the longest a cancel goes unnoticed.
constexpr auto kSlice = 20ms;
// The last stretch before a send time is spun, since a sleep may wake too late.
constexpr StepFreeMicros kSpinUs = 1'500;
// A head larger than this is no answer a check can use.
constexpr qsizetype kMaxHead = 64 * 1024;
// A body up to this size is read and dropped; a larger one costs the connection instead.
constexpr std::uint64_t kMaxBody = 16u << 20;

std::string_view viewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

bool isHttps(const QUrl& address) {
    return address.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

int defaultPort(const QUrl& address) { return isHttps(address) ? 443 : 80; }

QByteArray requestTailFor(const QUrl& address) {
    QByteArray target = address.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty()) target = "/";
    if (address.hasQuery()) target += '?' + address.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = address.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':')) host = '[' + host + ']';  // an IPv6 address
    const int port = address.port(defaultPort(address));
    if (port != defaultPort(address)) host += ':' + QByteArray::number(port);
    return ' ' + target + " HTTP/1.1\r\nHost: " + host +
           "\r\nUser-Agent: " + ticklot_version::kTitle + '/' + ticklot_version::kVersionText +
           "\r\nAccept: */*\r\nCache-Control: no-cache\r\nConnection: keep-alive\r\n\r\n";
}

// The proxy the system's configuration gives for this address. A socket can pass an HTTP proxy
// (as a CONNECT tunnel) or a SOCKS one; a caching proxy, which only relays whole requests, not.
QNetworkProxy proxyFor(const QUrl& address) {
    for (const QNetworkProxy& proxy :
         QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(address))) {
        if (proxy.type() == QNetworkProxy::NoProxy ||
            proxy.capabilities().testFlag(QNetworkProxy::TunnelingCapability))
            return proxy;
    }
    return QNetworkProxy::NoProxy;
}

// Why a connection failed; through a proxy, whether the proxy or the server is to blame.
Failure failureOf(QAbstractSocket::SocketError error, bool viaProxy) {
    switch (error) {
        case QAbstractSocket::HostNotFoundError:
            return Failure::HostNotFound;
        case QAbstractSocket::ProxyNotFoundError:
        case QAbstractSocket::ProxyConnectionRefusedError:
        case QAbstractSocket::ProxyConnectionTimeoutError:
            return Failure::ProxyUnreachable;
        case QAbstractSocket::ProxyConnectionClosedError:
        case QAbstractSocket::ProxyAuthenticationRequiredError:
        case QAbstractSocket::ProxyProtocolError:
            return Failure::ProxyRefused;
        case QAbstractSocket::SocketTimeoutError:
        case QAbstractSocket::NetworkError:
            return Failure::NoAnswer;
        case QAbstractSocket::SslHandshakeFailedError:
        case QAbstractSocket::SslInternalError:
        case QAbstractSocket::SslInvalidUserDataError:
            return Failure::TlsError;
        case QAbstractSocket::RemoteHostClosedError:
            return Failure::ConnectionLost;
        case QAbstractSocket::SocketAccessError:  // an HTTP proxy's 403 or 405 to CONNECT
            return viaProxy ? Failure::ProxyRefused : Failure::Refused;
        default:
            return Failure::Refused;
    }
}

Failure failureOf(Connecting::Status status) {
    return status == Connecting::Status::Cancelled ? Failure::Cancelled : Failure::NoAnswer;
}

// The head as an exchange gives it: without the empty line that ends it.
std::string withoutEmptyLine(std::string_view head) {
    head.remove_suffix(1);
    if (head.ends_with('\r')) head.remove_suffix(1);
    return std::string(head);
}

}  // namespace

SocketTransport::SocketTransport(const QUrl& address, const std::atomic<bool>& cancel,
                                 std::chrono::milliseconds waitLimit, QList<QHostAddress> addresses)
    : address_(address),
      cancel_(cancel),
      waitLimit_(waitLimit),
      addresses_(std::move(addresses)),
      requestTail_(requestTailFor(address)) {}

SocketTransport::~SocketTransport() = default;

ClockReading SocketTransport::now() { return readClockPair(); }

StepFreeMicros SocketTransport::deadline(StepFreeMicros from) const {
    return from + std::chrono::microseconds(waitLimit_).count();
}

Exchange SocketTransport::open() { return open(deadline(stepFreeNow())); }

// The host lookup, the connection, a proxy's tunnel and the TLS handshake run on this thread's
// event loop, woken every slice to look at the cancel flag. (A sliced waitForConnected would not
// do: it abandons the connection when a slice ends, and looks the host up without a limit.)
// Through a proxy, the proxy looks the host up; without one, both address families are tried.
// It gives up at `until`, or the wait limit after it starts if that comes first.
Exchange SocketTransport::open(StepFreeMicros until) {
    close();
    const bool https = isHttps(address_);
    if (https && !QSslSocket::supportsSsl())
        return failed(Failure::TlsError, QStringLiteral("TLS is not available on this system."));
    // Made first: it gives a thread that Qt did not start the event dispatcher a socket needs.
    QEventLoop loop;
    QTimer wake;
    wake.start(kSlice);
    const QString host = address_.host(QUrl::FullyEncoded);
    const auto port = static_cast<quint16>(address_.port(defaultPort(address_)));
    until = std::min(until, deadline(stepFreeNow()));
    QStringList certificateErrors;
    QObject scope;  // ends the connections below with this call
    const auto makeSocket = [&]() -> std::unique_ptr<QTcpSocket> {
        if (!https) return std::make_unique<QTcpSocket>();
        auto tls = std::make_unique<QSslSocket>();
        // Certificate errors are never ignored: the handshake then fails.
        QObject::connect(tls.get(), &QSslSocket::sslErrors, &scope,
                         [&](const QList<QSslError>& errors) {
                             for (const QSslError& error : errors)
                                 certificateErrors << error.errorString();
                         });
        return tls;
    };
    // Looked up once: the lookup (PAC, WPAD) has no time limit, so a reopening must not wait on it.
    if (!proxy_) proxy_ = proxyFor(address_);
    const QNetworkProxy proxy = *proxy_;
    const bool viaProxy = proxy.type() != QNetworkProxy::NoProxy;
    if (viaProxy) {
        socket_ = makeSocket();
        socket_->setProxy(proxy);
        if (https)
            static_cast<QSslSocket*>(socket_.get())->connectToHostEncrypted(host, port);
        else
            socket_->connectToHost(host, port);
    } else {
        Connecting connecting = addresses_.isEmpty()
                                    ? lookUpHost(host, until, cancel_)
                                    : Connecting{Connecting::Status::Done, addresses_, {}, {}, {}};
        if (connecting.status == Connecting::Status::Done) {
            connecting = raceConnections(
                raceOrder(connecting.addresses),
                [&](const QHostAddress& to) {
                    std::unique_ptr<QTcpSocket> socket = makeSocket();
                    socket->setProxy(QNetworkProxy::NoProxy);
                    if (https)  // to the address, verifying the certificate for the host's name
                        static_cast<QSslSocket*>(socket.get())
                            ->connectToHostEncrypted(to.toString(), port, host);
                    else
                        socket->connectToHost(to, port);
                    return socket;
                },
                until, cancel_);
        }
        if (connecting.status == Connecting::Status::Failed)
            return failed(failureOf(connecting.error, false), connecting.errorString);
        if (connecting.status != Connecting::Status::Done)
            return failed(failureOf(connecting.status), timeoutDetail("No connection"));
        socket_ = std::move(connecting.socket);
    }

    const auto established = [&] {
        return https ? static_cast<QSslSocket*>(socket_.get())->isEncrypted()
                     : socket_->state() == QAbstractSocket::ConnectedState;
    };
    while (!established() && socket_->state() != QAbstractSocket::UnconnectedState) {
        if (cancel_) return failed(Failure::Cancelled, {});
        if (stepFreeNow() >= until)
            return failed(Failure::NoAnswer, timeoutDetail("No connection"));
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (!established()) {
        const QString detail = certificateErrors.isEmpty()
                                   ? socket_->errorString()
                                   : certificateErrors.join(QLatin1Char(' '));
        return failed(failureOf(socket_->error(), viaProxy), detail);
    }
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return {};
}

QString SocketTransport::timeoutDetail(const char* what) const {
    return QStringLiteral("%1 within %2 ms.").arg(QLatin1String(what)).arg(waitLimit_.count());
}

// Every wait after the send moment (a reopening, the answer's head, the body dropped) ends by
// one deadline: the wait limit after the send moment, or after this call when that is later.
Exchange SocketTransport::exchange(StepFreeMicros sendAt, clockcheck::Method method) {
    const StepFreeMicros until = deadline(std::max(sendAt, stepFreeNow()));
    if (Exchange opened = reopenWhenClosed(until); opened.failure != Failure::None) return opened;
    const bool answersHead = method == clockcheck::Method::Head;
    const QByteArray request = (answersHead ? "HEAD" : "GET") + requestTail_;
    if (!waitUntil(sendAt - kSpinUs, false)) return failed(Failure::Cancelled, {});
    // A server may close an idle connection while the request waits (Apache after 5 s): it is
    // then sent on a new one, late, rather than lost.
    if (Exchange opened = reopenWhenClosed(until); opened.failure != Failure::None) return opened;
    if (!waitUntil(sendAt, true)) return failed(Failure::Cancelled, {});

    Exchange exchange;
    exchange.sent = now();
    socket_->write(request);
    socket_->flush();  // the bytes leave now, not when an event loop gets to them

    QByteArray bytes;
    exchange = readHead(std::move(exchange), bytes, until);
    if (exchange.failure != Failure::None) return exchange;
    dropBody(std::move(bytes), answersHead, exchange.head, until);
    if (cancel_) return failed(Failure::Cancelled, {});
    return exchange;
}

// Reads and drops what the server sent since its last answer, which shows whether it has closed
// the connection meanwhile, and opens a new one if so.
Exchange SocketTransport::reopenWhenClosed(StepFreeMicros until) {
    if (socket_ && socket_->state() == QAbstractSocket::ConnectedState) {
        socket_->waitForReadyRead(0);
        socket_->readAll();
        if (socket_->state() == QAbstractSocket::ConnectedState) return {};
    }
    return open(until);
}

// Sleeps in slices until `moment` on the step-free clock, or spins on it: a sleep can wake a
// fraction of a millisecond late, and every microsecond a request leaves late widens its bounds.
bool SocketTransport::waitUntil(StepFreeMicros moment, bool spin) {
    for (StepFreeMicros left = moment - stepFreeNow(); left > 0; left = moment - stepFreeNow()) {
        if (cancel_) return false;
        if (spin)
            std::this_thread::yield();
        else
            std::this_thread::sleep_for(
                std::min<std::chrono::microseconds>(std::chrono::microseconds(left), kSlice));
    }
    return !cancel_;
}

// waitForReadyRead returns as soon as bytes arrive, so the caller reads the clock at once.
SocketTransport::Wait SocketTransport::waitForBytes(StepFreeMicros deadline) {
    while (socket_->bytesAvailable() == 0) {
        if (cancel_) return Wait::Cancelled;
        if (socket_->state() != QAbstractSocket::ConnectedState) return Wait::Closed;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            std::chrono::microseconds(deadline - stepFreeNow()));
        if (left <= 0ms) return Wait::TimedOut;
        socket_->waitForReadyRead(
            static_cast<int>(std::min<std::chrono::milliseconds>(left, kSlice).count()));
    }
    return Wait::Ready;
}

// Reads up to the end of the answer's head; the bytes after it are left in `bytes`. Interim
// answers (1xx, such as 103 Early Hints) are skipped: the time received is that of the answer
// the server stamped last.
Exchange SocketTransport::readHead(Exchange exchange, QByteArray& bytes, StepFreeMicros until) {
    for (;;) {
        switch (waitForBytes(until)) {
            case Wait::Cancelled:
                return failed(Failure::Cancelled, {});
            case Wait::TimedOut:
                return failed(Failure::NoAnswer, timeoutDetail("No answer"));
            case Wait::Closed:
                return failed(Failure::ConnectionLost, socket_->errorString());
            case Wait::Ready:
                break;
        }
        const ClockReading readAt = now();
        if (bytes.isEmpty()) exchange.received = readAt;
        bytes += socket_->readAll();
        while (const std::optional<std::size_t> length = headLength(viewOf(bytes))) {
            const std::string_view head = viewOf(bytes).substr(0, *length);
            const int status = statusOf(head);
            if (status < 100 || status >= 200 || status == 101) {
                exchange.head = withoutEmptyLine(head);
                bytes.remove(0, static_cast<qsizetype>(*length));
                return exchange;
            }
            bytes.remove(0, static_cast<qsizetype>(*length));
            exchange.received = readAt;  // no later than the next answer's first bytes
        }
        if (bytes.size() > kMaxHead)
            return failed(Failure::NoAnswer,
                          QStringLiteral("The answer's head exceeds %1 bytes.").arg(kMaxHead));
    }
}

// Reads and drops the body after a head, so that the next answer starts with the next byte read.
// Where that cannot be done (no length given, a framing error, too large, too slow) the
// connection is closed instead, and the next exchange opens a new one before its send time.
void SocketTransport::dropBody(QByteArray bytes, bool answersHead, const std::string& head,
                               StepFreeMicros until) {
    const BodyFraming framing = bodyFraming(head, answersHead);
    bool usable = framing.keepAlive;
    const auto readMore = [&] {
        if (waitForBytes(until) != Wait::Ready) return false;
        bytes += socket_->readAll();
        return true;
    };
    switch (framing.kind) {
        case BodyFraming::Kind::None:
            break;
        case BodyFraming::Kind::Length: {
            std::uint64_t left = framing.length;
            usable = usable && left <= kMaxBody;
            while (usable) {
                const auto dropped = std::min<std::uint64_t>(left, bytes.size());
                bytes.remove(0, static_cast<qsizetype>(dropped));
                left -= dropped;
                if (left == 0) break;
                usable = readMore();
            }
            break;
        }
        case BodyFraming::Kind::Chunked:
            for (;;) {
                const ChunkProgress progress = skipChunks(viewOf(bytes));
                bytes.remove(0, static_cast<qsizetype>(progress.used));
                if (progress.finished) break;
                if (progress.malformed || !readMore()) {
                    usable = false;
                    break;
                }
            }
            break;
        case BodyFraming::Kind::UntilClose:
            usable = false;
            break;
    }
    if (!usable) close();
}

Exchange SocketTransport::failed(Failure failure, const QString& detail) {
    close();
    Exchange exchange;
    exchange.failure = failure;
    exchange.detail = detail.toStdString();
    return exchange;
}

void SocketTransport::close() { socket_.reset(); }

}  // namespace platform
