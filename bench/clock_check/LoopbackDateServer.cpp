#include "LoopbackDateServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>

#include "ClockPair.h"
#include "HttpDate.h"

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && a < 0); }

}  // namespace

LoopbackDateServer::LoopbackDateServer(Behaviour behaviour) : behaviour_(behaviour) {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listener_, 8) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { acceptConnections(); });
}

// Shutting the sockets down wakes the threads blocked on them.
LoopbackDateServer::~LoopbackDateServer() {
    stopping_ = true;
    shutdown(listener_, SHUT_RDWR);
    acceptor_.join();
    close(listener_);
    {
        const std::lock_guard lock(mutex_);
        for (const int connection : connections_) shutdown(connection, SHUT_RDWR);
    }
    for (std::thread& server : servers_) server.join();
    for (const int connection : connections_) close(connection);
}

void LoopbackDateServer::acceptConnections() {
    for (;;) {
        const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0 || stopping_) {
            if (connection >= 0) close(connection);
            return;
        }
        const int on = 1;
        setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        const std::lock_guard lock(mutex_);
        connections_.push_back(connection);
        servers_.emplace_back([this, connection] { serve(connection); });
    }
}

void LoopbackDateServer::serve(int connection) {
    std::string received;
    char buffer[4096];
    for (;;) {
        const auto end = received.find("\r\n\r\n");
        if (end == std::string::npos) {
            const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
            if (got <= 0) return;
            received.append(buffer, static_cast<std::size_t>(got));
            continue;
        }
        received.erase(0, end + 4);
        std::this_thread::sleep_for(std::chrono::microseconds(behaviour_.beforeStampUs));
        const std::int64_t serverSecond =
            floorDiv(platform::readClockPair().system + behaviour_.offsetUs, 1'000'000);
        const std::string answer =
            "HTTP/1.1 200 OK\r\nDate: " + clockcheck::formatHttpDate(serverSecond) +
            "\r\nContent-Length: 0\r\n\r\n";
        std::this_thread::sleep_for(std::chrono::microseconds(behaviour_.afterStampUs));
        if (send(connection, answer.data(), answer.size(), MSG_NOSIGNAL) < 0) return;
    }
}
