#include "ResponseHead.h"

#include <algorithm>
#include <cctype>

namespace clockcheck {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A character of a field name (a token).
bool isNameCharacter(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

// A character of a field value or a reason phrase: anything but the control characters.
bool isTextCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '\t' || (byte >= 0x20 && byte != 0x7f);
}

bool isText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isTextCharacter);
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "HTTP/1.x NNN reason", the reason and the space before it optional.
std::optional<int> statusOf(std::string_view line) {
    if (line.size() < 12 || !line.starts_with("HTTP/1.") || !isDigit(line[7]) || line[8] != ' ' ||
        line[9] < '1' || line[9] > '5' || !isDigit(line[10]) || !isDigit(line[11])) {
        return std::nullopt;
    }
    const std::string_view reason = line.substr(12);
    if (!reason.empty() && (reason[0] != ' ' || !isText(reason))) return std::nullopt;
    return (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
}

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The fields a check reads: `Date`, and `Age`, which tells an answer from a cache.
bool matters(std::string_view name) {
    name = trimmed(name);
    return sameName(name, "Date") || sameName(name, "Age");
}

}  // namespace

std::optional<std::string> ResponseHead::field(std::string_view name) const {
    std::optional<std::string> value;
    for (const auto& [fieldName, fieldValue] : fields) {
        if (!sameName(fieldName, name)) continue;
        // Appended in place, so that many repeated lines take linear time.
        if (value) {
            *value += ", ";
            *value += fieldValue;
        } else {
            value = fieldValue;
        }
    }
    return value;
}

std::optional<ResponseHead> parseResponseHead(std::string_view head) {
    ResponseHead result;
    bool statusRead = false;
    bool previousMatters = false;
    while (!head.empty()) {
        const auto end = head.find('\n');
        std::string_view line = head.substr(0, end);
        head.remove_prefix(end == std::string_view::npos ? head.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);

        if (!statusRead) {
            const auto status = statusOf(line);
            if (!status) return std::nullopt;
            result.status = *status;
            statusRead = true;
            continue;
        }
        if (line.empty()) {
            // The empty line ends the head; nothing may follow it.
            if (!head.empty()) return std::nullopt;
            break;
        }
        if (line.front() == ' ' || line.front() == '\t') {
            // Folded onto the line before (obsolete): a way to hide or stretch a field.
            if (previousMatters) return std::nullopt;
            continue;
        }
        const auto colon = line.find(':');
        const std::string_view name = line.substr(0, colon);
        const std::string_view value =
            colon == std::string_view::npos ? std::string_view() : line.substr(colon + 1);
        previousMatters = matters(name);
        if (colon == std::string_view::npos || name.empty() ||
            !std::all_of(name.begin(), name.end(), isNameCharacter) || !isText(value)) {
            if (previousMatters) return std::nullopt;
            continue;
        }
        result.fields.emplace_back(name, trimmed(value));
    }
    if (!statusRead) return std::nullopt;
    return result;
}

}  // namespace clockcheck
