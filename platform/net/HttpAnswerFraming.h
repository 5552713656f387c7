#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// Where an HTTP/1.1 answer ends on a kept-alive connection, so that the next request's answer is
// read from its first byte: the head ends with an empty line, and its fields frame the body.

// The length of the head with its empty line, once `bytes` hold all of it. Lines end with CRLF
// or, as some servers write them, a bare LF.
std::optional<std::size_t> headLength(std::string_view bytes);

// The status code of the head's status line; 0 when it is none.
int statusOf(std::string_view head);

struct BodyFraming {
    enum class Kind { None, Length, Chunked, UntilClose };
    Kind kind = Kind::None;
    std::uint64_t length = 0;  // for Kind::Length
    bool keepAlive = true;     // the server leaves the connection open after the answer
};

// How the body after this head is delimited. An answer to HEAD, an interim (1xx) answer, 204 and
// 304 have none.
BodyFraming bodyFraming(std::string_view head, bool answersHead);

// Steps over the complete chunks of a chunked body at the start of `bytes`.
struct ChunkProgress {
    std::size_t used = 0;   // bytes of complete chunks (and of the trailer once finished)
    bool finished = false;  // the last chunk and the trailer are among them
    bool malformed = false;
};
ChunkProgress skipChunks(std::string_view bytes);

}  // namespace platform
