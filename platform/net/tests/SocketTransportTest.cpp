// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ClockPair.h"
#include "EventLoopWait.h"
#include "LocalHttpServer.h"
#include "SelfSignedHttpsServer.h"
#include "SocketTransport.h"
#include "TicklotVersion.h"

using clockcheck::Exchange;
using clockcheck::Failure;
using clockcheck::Method;
using clockcheck::PcMicros;
using clockcheck::StepFreeMicros;
using testing_support::waitUntil;

namespace {

const QByteArray kOk = "HTTP/1.1 200 OK\r\nDate: Sun, 06 Nov 1994 08:49:37 GMT\r\n";

// One request, the server's reply to it and the failure expected.
struct Step {
    Method method;
    QByteArray bytes;  // sent at once, `later` 30 ms after, then the close when told
    QByteArray later = {};
    bool close = false;
    Failure failure = Failure::None;
};

// Answers the n-th request it reads, on whichever connection, with the n-th step's reply (no bytes
// and no close is no answer). Like a real server it answers a connection's requests in turn. As a
// proxy it opens every CONNECT tunnel to itself, on connections after the first `lateTunnelMs`
// late. It notes when it read each request.
class ScriptedServer : public QObject {
  public:
    explicit ScriptedServer(QList<Step> script) : script_(std::move(script)) {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++connections;
                auto connection = std::make_shared<Connection>();
                connection->tunnelDelayMs = connections > 1 ? lateTunnelMs : 0;
                connect(socket, &QTcpSocket::readyRead, this,
                        [=, this] { serve(socket, connection); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    quint16 port() const { return server_.serverPort(); }

    int lateTunnelMs = 0;
    int connections = 0;
    QList<QByteArray> requests;
    QList<PcMicros> readAt;

  private:
    struct Connection {
        QByteArray buffer;
        QList<Step> queue;
        bool busy = false;
        int tunnelDelayMs = 0;
    };

    void serve(QTcpSocket* socket, const std::shared_ptr<Connection>& connection) {
        QByteArray& buffer = connection->buffer;
        buffer += socket->readAll();
        for (qsizetype end; (end = buffer.indexOf("\r\n\r\n")) >= 0; buffer.remove(0, end + 4)) {
            if (buffer.startsWith("CONNECT ")) {
                QTimer::singleShot(connection->tunnelDelayMs, socket, [socket] {
                    socket->write("HTTP/1.1 200 Connection established\r\n\r\n");
                });
                continue;
            }
            readAt << platform::readClockPair().system;
            requests << buffer.left(end);
            connection->queue << script_.value(requests.size() - 1);
        }
        answerNext(socket, connection);
    }

    void answerNext(QTcpSocket* socket, const std::shared_ptr<Connection>& connection) {
        if (connection->busy || connection->queue.isEmpty()) return;
        const Step reply = connection->queue.takeFirst();
        connection->busy = true;
        socket->write(reply.bytes);
        QTimer::singleShot(30, socket, [=, this] {
            socket->write(reply.later);
            if (reply.close) socket->disconnectFromHost();
            connection->busy = false;
            answerNext(socket, connection);
        });
    }

    QTcpServer server_;
    const QList<Step> script_;
};

struct Run {
    Exchange opened;
    QList<Exchange> exchanges;
    QList<StepFreeMicros> sendAt;
    QList<StepFreeMicros> endedAt;
};

// Opens a transport on a thread of its own, as the program does, and sends each request
// `sendDelayUs` after the one before came back; `cancelAfterMs` sets the cancel flag meanwhile.
Run measure(const QUrl& address, const QList<Step>& steps, int limitMs,
            PcMicros sendDelayUs = 20'000, int cancelAfterMs = -1,
            const QList<QHostAddress>& addresses = {}) {
    Run run;
    std::atomic<bool> cancel = false;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        platform::SocketTransport transport(address, cancel, std::chrono::milliseconds(limitMs),
                                            addresses);
        run.opened = transport.open();
        for (qsizetype i = 0; i < steps.size() && run.opened.failure == Failure::None; ++i) {
            run.sendAt << transport.now().stepFree + sendDelayUs;
            run.exchanges << transport.exchange(run.sendAt.back(), steps[i].method);
            run.endedAt << transport.now().stepFree;
        }
    }));
    if (cancelAfterMs >= 0) QTimer::singleShot(cancelAfterMs, [&] { cancel = true; });
    worker->start();
    if (!waitUntil([&] { return worker->isFinished(); }, 20'000)) qFatal("the transport hangs");
    return run;
}

// A listener on [::1]:port whose accept queue is full, so that the system drops new connection
// attempts to it without a word, as a broken IPv6 route does.
class SilentIPv6Listener {
  public:
    explicit SilentIPv6Listener(quint16 port) {
        sockaddr_in6 address{};
        address.sin6_family = AF_INET6;
        address.sin6_addr = in6addr_loopback;
        address.sin6_port = htons(port);
        const int on = 1;
        const auto* to = reinterpret_cast<const sockaddr*>(&address);
        sockets_ << socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC, 0);
        listening_ = setsockopt(sockets_[0], IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on) == 0 &&
                     bind(sockets_[0], to, sizeof address) == 0 && listen(sockets_[0], 0) == 0;
        for (int filler = 0; listening_ && filler < 4; ++filler) {
            sockets_ << socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
            connect(sockets_.back(), to, sizeof address);
        }
    }
    ~SilentIPv6Listener() {
        for (const int socket : sockets_) ::close(socket);
    }
    bool listening() const { return listening_; }

  private:
    QList<int> sockets_;
    bool listening_ = false;
};

// The last head among the bytes, without its empty line.
QByteArray lastHead(const QByteArray& bytes) {
    const qsizetype end = bytes.lastIndexOf("\r\n\r\n");
    const qsizetype start = bytes.lastIndexOf("\r\n\r\n", end - 1);
    return bytes.left(end + 2).mid(start < 0 ? 0 : start + 4);
}

}  // namespace

class SocketTransportTest : public QObject {
    Q_OBJECT
  private slots:
    void exchangesWithAScriptedServer() {
        using enum Method;
        using enum Failure;
        struct Row {
            const char* name;
            QList<Step> steps;
            int connections;
            bool viaProxy = false;
            int cancelAfterMs = -1;  // and then a limit of 3 s, not 500 ms
            PcMicros sendDelayUs = 20'000;
        };
        const Row rows[] = {
            {"a HEAD answer has no body whatever its length; an interim answer is skipped",
             {{Head, kOk + "Content-Length: 5\r\n\r\n"},
              {Head, "HTTP/1.1 103 Early\r\n\r\n" + kOk + "\r\n"}},
             1},
            {"GET after a 405: bodies by length and chunked are dropped, the connection kept",
             {{Head, "HTTP/1.1 405 Not Allowed\r\nContent-Length: 0\r\n\r\n"},
              {Get, kOk + "Content-Length: 11\r\n\r\nhello", " world"},
              {Get, kOk + "Transfer-Encoding: chunked\r\n\r\n5;x=1\r\nhel",
               "lo\r\n1\r\n!\r\n0\r\nT: 1\r\n\r\n"},
              {Head, kOk + "\r\n"}},
             1},
            {"a body up to the close, or a close announced: the next request reconnects",
             {{Get, kOk + "\r\nbody", {}, true},
              {Head, kOk + "Connection: close\r\n\r\n", {}, true},
              {Head, kOk + "\r\n"}},
             3},
            {"closed by the server while waiting to send: sent on a new connection",
             {{Head, kOk + "\r\n", {}, true}, {Head, kOk + "\r\n"}},
             2,
             false,
             -1,
             60'000},
            {"no answer in time", {{Head, {}, {}, false, NoAnswer}}, 1},
            {"closed mid-head", {{Head, "HTTP/1.1 200 OK\r\nDa", {}, true, ConnectionLost}}, 1},
            {"a head too long", {{Head, kOk + QByteArray(70'000, 'x'), {}, false, NoAnswer}}, 1},
            {"cancelled waiting for the answer", {{Head, {}, {}, false, Cancelled}}, 1, false, 300},
            {"cancelled waiting to send",
             {{Head, {}, {}, false, Cancelled}},
             1,
             false,
             300,
             60'000'000},
            {"through the system's HTTP proxy", {{Head, kOk + "\r\n"}}, 1, true},
        };
        const QByteArray fields =
            "\r\nUser-Agent: Ticklot/" + QByteArray(ticklot_version::kVersionText) +
            "\r\nAccept: */*\r\nCache-Control: no-cache\r\nConnection: keep-alive";
        for (const Row& row : rows) {
            ScriptedServer server(row.steps);
            const QByteArray port = QByteArray::number(server.port());
            const QByteArray host = row.viaProxy ? "clock.test" : "127.0.0.1:" + port;
            if (row.viaProxy) qputenv("http_proxy", "http://127.0.0.1:" + port);
            const Run run =
                measure(QUrl("http://" + host + "/"), row.steps,
                        row.cancelAfterMs < 0 ? 500 : 3'000, row.sendDelayUs, row.cancelAfterMs);
            qunsetenv("http_proxy");
            QVERIFY2(run.opened.failure == None && run.exchanges.size() == row.steps.size(),
                     row.name);
            for (qsizetype i = 0; i < row.steps.size(); ++i) {
                const Step& step = row.steps[i];
                const Exchange& got = run.exchanges[i];
                QVERIFY2(got.failure == step.failure, (row.name + (": " + got.detail)).c_str());
                if (got.failure != None) continue;
                QCOMPARE(QByteArray::fromStdString(got.head), lastHead(step.bytes));
                QVERIFY2(run.sendAt[i] <= got.sent.stepFree &&
                             got.sent.system <= server.readAt[i] &&
                             server.readAt[i] <= got.received.system,
                         row.name);
                QCOMPARE(server.requests[i], (step.method == Head ? "HEAD" : "GET") +
                                                 (" / HTTP/1.1\r\nHost: " + host + fields));
            }
            QCOMPARE(server.connections, row.connections);
        }
    }

    // Closed by the server while the request waits to be sent, then a new tunnel 2.5 s late and
    // no answer: the reopening and the wait for the answer share the 3 s after the send moment
    // (each with 3 s of its own, the exchange took 5.5 s).
    void endsWithinTheWaitLimitOfItsSendMoment() {
        const QList<Step> steps = {{Method::Head, kOk + "\r\n", {}, true}, {Method::Head, {}}};
        ScriptedServer server(steps);
        server.lateTunnelMs = 2'500;
        qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(server.port()));
        const Run run = measure(QUrl("http://clock.test/"), steps, 3'000, 60'000);
        qunsetenv("http_proxy");
        QCOMPARE(run.exchanges.size(), 2);
        QCOMPARE(run.exchanges[1].failure, Failure::NoAnswer);
        QCOMPARE(server.connections, 2);
        const StepFreeMicros took = run.endedAt[1] - run.sendAt[1];
        QVERIFY2(took < 4'500'000, QByteArray::number(took / 1000) + " ms");
    }

    // The host's addresses of both families, the IPv6 one silent or refusing: IPv4 answers.
    // Without addresses given, "localhost" is looked up (here 127.0.0.1, elsewhere also ::1).
    void connectsOverTheFamilyThatAnswers() {
        const QHostAddress v6 = QHostAddress::LocalHostIPv6, v4 = QHostAddress::LocalHost;
        struct Row {
            QList<QHostAddress> addresses;
            bool silentIPv6;
            Failure failure;
        };
        const Row rows[] = {
            {{v6, v4}, true, Failure::None}, {{v6, v4}, false, Failure::None},
            {{v4, v6}, true, Failure::None}, {{v6}, true, Failure::NoAnswer},
            {{}, true, Failure::None},
        };
        for (const Row& row : rows) {
            ScriptedServer server({{Method::Head, kOk + "\r\n"}});
            std::optional<SilentIPv6Listener> silent;
            if (row.silentIPv6) QVERIFY(silent.emplace(server.port()).listening());
            const QUrl address(QStringLiteral("http://%1:%2/")
                                   .arg(row.addresses.isEmpty() ? "localhost" : "twofold.test")
                                   .arg(server.port()));
            const Run run = measure(address, {{Method::Head, {}}}, 500, 0, -1, row.addresses);
            QCOMPARE(run.opened.failure, row.failure);
            QCOMPARE(server.connections, row.failure == Failure::None ? 1 : 0);
            if (row.failure == Failure::None)
                QCOMPARE(run.exchanges.value(0).failure, Failure::None);
        }
    }

    // A proxy that cannot be reached, or that will not open a tunnel, is named as the one that
    // failed, not the site.
    void tellsTheProxyFromTheSite() {
        QTcpServer denying;
        denying.listen(QHostAddress::LocalHost, 0);
        connect(&denying, &QTcpServer::newConnection, this, [&] {
            QTcpSocket* socket = denying.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                socket->write("HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\n\r\n");
            });
        });
        const QUrl nowhere = testing_support::LocalHttpServer::unreachableUrl();
        const std::pair<QByteArray, Failure> rows[] = {
            {"http://127.0.0.1:" + QByteArray::number(nowhere.port()), Failure::ProxyUnreachable},
            {"http://127.0.0.1:" + QByteArray::number(denying.serverPort()), Failure::ProxyRefused},
        };
        for (const auto& [proxy, failure] : rows) {
            qputenv("http_proxy", proxy);
            const Exchange opened = measure(QUrl("http://clock.test/"), {}, 1'000).opened;
            qunsetenv("http_proxy");
            QCOMPARE(opened.failure, failure);
        }
    }

    void refusesAConnection() {
        QCOMPARE(
            measure(testing_support::LocalHttpServer::unreachableUrl(), {}, 500).opened.failure,
            Failure::Refused);
        testing_support::SelfSignedHttpsServer https;
        QVERIFY(https.listensWithin(10'000));
        const Exchange opened = measure(https.url(), {}, 3'000).opened;
        QCOMPARE(opened.failure, Failure::TlsError);
        QVERIFY2(opened.detail.find("self-signed") != std::string::npos, opened.detail.c_str());
    }
};

QTEST_MAIN(SocketTransportTest)
#include "SocketTransportTest.moc"
