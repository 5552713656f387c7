// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <string>

#include "ClockReading.h"

namespace clockcheck {

enum class Method { Head, Get };

// Why a request got no answer.
enum class Failure {
    None,
    HostNotFound,
    Refused,         // the connection was refused or reset
    NoAnswer,        // nothing within the time allowed
    TlsError,        // the certificate or the handshake failed; never bypassed
    ConnectionLost,  // the server closed the connection before its answer's head was complete
    Cancelled,       // the user closed the window or quit
};

// One request and the head of its answer, timed on the PC's clock.
struct Exchange {
    Failure failure = Failure::None;
    PcMicros sent = 0;      // read just before the request's bytes were written
    PcMicros received = 0;  // read just after the answer's first bytes were read
    std::string head;       // the status line and header fields, up to and without the empty line
    std::string detail;     // the transport's own words on a failure, such as the TLS error
};

// Sends timed requests to one server over one kept-alive connection.
class TimedTransport {
  public:
    virtual ~TimedTransport() = default;

    // The PC's clock now.
    virtual PcMicros now() = 0;

    // Opens the connection (TLS for https, through the system's proxy for that address), so
    // that no timed request waits for a connection. Only failure and detail are filled in.
    virtual Exchange open() = 0;

    // Waits until the PC's clock reads `sendAt` (sends at once when that has passed), sends one
    // request with `Cache-Control: no-cache`, and waits at most 3 s for its answer's head.
    // Reopens the connection before waiting when the server has closed it; reads and drops the
    // body of a GET's answer so that the connection stays usable.
    virtual Exchange exchange(PcMicros sendAt, Method method) = 0;
};

}  // namespace clockcheck
