#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace clockcheck {

// The status line and header fields of an HTTP/1.x answer.
struct ResponseHead {
    int status = 0;
    // Each field line's name as sent and its value without the whitespace around it.
    std::vector<std::pair<std::string, std::string>> fields;

    // The value of the field `name` (compared without regard to case): the values of repeated
    // lines joined by ", ", as HTTP combines them; nothing when no line has that name.
    std::optional<std::string> field(std::string_view name) const;
};

// Reads an answer's head: "HTTP/1.x NNN reason", then "name: value" lines, each ending in CRLF
// or a bare LF; the empty line that ends a head may be there or not. Only the status line and
// the fields a check reads (`Date` and `Age`) must be well formed: gives nothing when the status
// line breaks the grammar (a status code outside 100-599, control characters) or a line named
// `Date` or `Age` does (whitespace before its colon, control characters, a line folded onto it:
// obsolete, and a way to hide a field). Any other malformed line is skipped.
std::optional<ResponseHead> parseResponseHead(std::string_view head);

}  // namespace clockcheck
