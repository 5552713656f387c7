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
    Refused,           // the server refused or reset the connection
    NoAnswer,          // nothing within the time allowed
    ProxyUnreachable,  // the system's proxy could not be found or reached
    ProxyRefused,      // the proxy would not open a way to the server, or broke off
    TlsError,          // the certificate or the handshake failed; never bypassed
    ConnectionLost,    // the server closed the connection before its answer's head was complete
    Cancelled,         // the user closed the window or quit
};

// One request and the head of its answer, timed on both of the PC's clocks.
struct Exchange {
    Failure failure = Failure::None;
    ClockReading sent;      // read just before the request's bytes were written
    ClockReading received;  // read just after the answer's first bytes were read
    std::string head;       // the status line and header fields, up to and without the empty line
    std::string detail;     // the transport's own words on a failure, such as the TLS error
};

// Sends timed requests to one server over one kept-alive connection.
class TimedTransport {
  public:
    virtual ~TimedTransport() = default;

    // The PC's clocks now, read together.
    virtual ClockReading now() = 0;

    // Opens the connection (TLS for https, through the system's proxy for that address), so
    // that no timed request waits for a connection. Only failure and detail are filled in.
    virtual Exchange open() = 0;

    // Waits until the step-free clock reads `sendAt` (sends at once when that has passed), sends
    // one request with `Cache-Control: no-cache`, and reads its answer's head. Reopens the
    // connection when the server has closed it (the request then leaves late rather than not at
    // all); reads and drops the body of a GET's answer so that the connection stays usable.
    // The whole exchange ends within 3 s of its send moment (`sendAt`, or the call when that is
    // later), whatever it waits for after it. Every wait runs on the step-free clock, so a step
    // of the system clock neither hurries nor holds up a request.
    virtual Exchange exchange(StepFreeMicros sendAt, Method method) = 0;
};

}  // namespace clockcheck
