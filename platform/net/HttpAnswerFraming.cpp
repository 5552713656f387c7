#include "HttpAnswerFraming.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace platform {
namespace {

// A chunk larger than this is taken for a framing error rather than waited for.
constexpr std::uint64_t kMaxChunk = 16u << 20;
// A chunk-size or trailer line longer than this is one too.
constexpr std::size_t kMaxLine = 4096;

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool containsIgnoringCase(std::string_view text, std::string_view word) {
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at)
        if (equalsIgnoringCase(text.substr(at, word.size()), word)) return true;
    return false;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The next line of `bytes` from `from` without its line break, and where the line after it
// starts; none while the line is incomplete.
struct Line {
    std::string_view text;
    std::size_t next = 0;
};
std::optional<Line> lineAt(std::string_view bytes, std::size_t from) {
    const std::size_t end = bytes.find('\n', from);
    if (end == std::string_view::npos) return std::nullopt;
    return Line{trimmed(bytes.substr(from, end - from)), end + 1};
}

}  // namespace

std::optional<std::size_t> headLength(std::string_view bytes) {
    for (std::size_t from = 0;;) {
        const std::optional<Line> line = lineAt(bytes, from);
        if (!line) return std::nullopt;
        if (line->text.empty() && from > 0) return line->next;
        from = line->next;
    }
}

int statusOf(std::string_view head) {
    if (head.substr(0, 5) != "HTTP/") return 0;
    const std::size_t space = head.find(' ');
    if (space == std::string_view::npos) return 0;
    int status = 0;
    const std::string_view code = head.substr(space + 1, 3);
    const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), status);
    return error == std::errc() && end == code.data() + 3 ? status : 0;
}

BodyFraming bodyFraming(std::string_view head, bool answersHead) {
    BodyFraming framing;
    // HTTP/1.0 closes after each answer unless the server says otherwise.
    bool keepAliveSaid = false;
    bool closeSaid = false;
    std::optional<std::string_view> transferEncoding;
    std::optional<std::string_view> contentLength;
    std::optional<Line> line = lineAt(head, 0);
    while (line && (line = lineAt(head, line->next)) && !line->text.empty()) {
        const std::size_t colon = line->text.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string_view name = trimmed(line->text.substr(0, colon));
        const std::string_view value = trimmed(line->text.substr(colon + 1));
        if (equalsIgnoringCase(name, "Connection")) {
            keepAliveSaid = keepAliveSaid || containsIgnoringCase(value, "keep-alive");
            closeSaid = closeSaid || containsIgnoringCase(value, "close");
        } else if (equalsIgnoringCase(name, "Transfer-Encoding")) {
            transferEncoding = value;
        } else if (equalsIgnoringCase(name, "Content-Length")) {
            contentLength = value;
        }
    }
    framing.keepAlive = !closeSaid && (head.substr(0, 8) != "HTTP/1.0" || keepAliveSaid);

    const int status = statusOf(head);
    if (answersHead || (status >= 100 && status < 200) || status == 204 || status == 304)
        return framing;
    if (transferEncoding) {
        // Chunked framing only when it is the last coding applied.
        const std::size_t comma = transferEncoding->rfind(',');
        const std::string_view last =
            trimmed(comma == std::string_view::npos ? *transferEncoding
                                                    : transferEncoding->substr(comma + 1));
        framing.kind = equalsIgnoringCase(last, "chunked") ? BodyFraming::Kind::Chunked
                                                           : BodyFraming::Kind::UntilClose;
    } else if (contentLength) {
        const auto [end, error] = std::from_chars(
            contentLength->data(), contentLength->data() + contentLength->size(), framing.length);
        framing.kind = error == std::errc() && end == contentLength->data() + contentLength->size()
                           ? BodyFraming::Kind::Length
                           : BodyFraming::Kind::UntilClose;
    } else {
        framing.kind = BodyFraming::Kind::UntilClose;
    }
    if (framing.kind == BodyFraming::Kind::UntilClose) framing.keepAlive = false;
    return framing;
}

ChunkProgress skipChunks(std::string_view bytes) {
    ChunkProgress progress;
    for (;;) {
        const std::optional<Line> sizeLine = lineAt(bytes, progress.used);
        if (!sizeLine) {
            progress.malformed = bytes.size() - progress.used > kMaxLine;
            return progress;
        }
        std::uint64_t size = 0;
        const std::string_view text = sizeLine->text;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size, 16);
        if (error != std::errc() || size > kMaxChunk ||
            (end != text.data() + text.size() && *end != ';' && *end != ' ' && *end != '\t')) {
            progress.malformed = true;
            return progress;
        }
        if (size == 0) {
            // The trailer's fields, up to an empty line.
            for (std::size_t from = sizeLine->next;;) {
                const std::optional<Line> trailer = lineAt(bytes, from);
                if (!trailer) {
                    progress.malformed = bytes.size() - from > kMaxLine;
                    return progress;
                }
                from = trailer->next;
                if (trailer->text.empty()) {
                    progress.used = from;
                    progress.finished = true;
                    return progress;
                }
            }
        }
        // The data and the line break after it.
        const std::optional<Line> after = lineAt(bytes, sizeLine->next + size);
        if (!after) return progress;
        if (!after->text.empty()) {
            progress.malformed = true;
            return progress;
        }
        progress.used = after->next;
    }
}

}  // namespace platform
