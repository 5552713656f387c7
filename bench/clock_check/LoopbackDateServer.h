// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

// An HTTP server on a free port of 127.0.0.1 whose clock runs at a chosen offset from the PC's.
// It answers every request with 200 and a `Date`, over kept-alive connections, one thread each.
// Its delays stand in for the network: it waits `beforeStampUs` after a request arrives (the
// request's way there), takes its `Date` from its clock, and waits `afterStampUs` more before
// the answer goes out (the answer's way back).
class LoopbackDateServer {
  public:
    struct Behaviour {
        std::int64_t offsetUs = 0;  // server clock - PC clock
        std::int64_t beforeStampUs = 0;
        std::int64_t afterStampUs = 0;
    };

    explicit LoopbackDateServer(Behaviour behaviour);
    ~LoopbackDateServer();
    LoopbackDateServer(const LoopbackDateServer&) = delete;
    LoopbackDateServer& operator=(const LoopbackDateServer&) = delete;

    int port() const { return port_; }

  private:
    void acceptConnections();
    void serve(int connection);

    const Behaviour behaviour_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_ = false;
    std::mutex mutex_;
    std::vector<int> connections_;
    std::vector<std::thread> servers_;
    std::thread acceptor_;
};
