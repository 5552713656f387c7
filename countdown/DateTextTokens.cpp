// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "DateTextTokens.h"

#include <algorithm>

namespace countdown::date_text {
namespace {

bool isAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The last byte of U+2000 to U+200A, U+2028, U+2029 or U+202F, which UTF-8 writes 0xE2 0x80 0x...
bool isSpaceAfterE280(unsigned char last) {
    return (last >= 0x80 && last <= 0x8A) || last == 0xA8 || last == 0xA9 || last == 0xAF;
}

// Length of the space at the start of the text: ASCII white space, a comma, or any other
// Unicode space (no-break, ideographic, the typographic widths, line and paragraph separators),
// which texts copied from web pages or typed with an input method often carry.
std::size_t spaceLength(std::string_view text) {
    const auto byte = [text](std::size_t at) {
        return at < text.size() ? static_cast<unsigned char>(text[at]) : 0;
    };
    const unsigned char c = byte(0);
    if (c == ' ' || c == ',' || (c >= '\t' && c <= '\r')) return 1;
    switch (c) {
        case 0xC2:  // U+0085, U+00A0
            return byte(1) == 0x85 || byte(1) == 0xA0 ? 2 : 0;
        case 0xE1:  // U+1680
            return byte(1) == 0x9A && byte(2) == 0x80 ? 3 : 0;
        case 0xE2:  // U+2000 to U+200A, U+2028, U+2029, U+202F, U+205F
            if (byte(1) == 0x80) return isSpaceAfterE280(byte(2)) ? 3 : 0;
            return byte(1) == 0x81 && byte(2) == 0x9F ? 3 : 0;
        case 0xE3:  // U+3000
            return byte(1) == 0x80 && byte(2) == 0x80 ? 3 : 0;
        default:
            return 0;
    }
}

// Letters of words: ASCII letters and every byte of a multi-byte UTF-8 character.
bool isWordByte(unsigned char c) { return isAsciiLetter(c) || c >= 0x80; }

// The byte as compared without case: ASCII letters and the Latin-1 capitals (U+00C0 to U+00DE
// but U+00D7, which UTF-8 writes as 0xC3 0x80..0x9E) fold to small letters.
unsigned char folded(std::string_view text, std::size_t at) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (at > 0 && static_cast<unsigned char>(text[at - 1]) == 0xC3 && c >= 0x80 && c <= 0x9E &&
        c != 0x97)
        return static_cast<unsigned char>(c + 0x20);
    return c;
}

// Whether the text starts with the name, compared without case, and the name ends a word.
bool startsWithName(std::string_view text, std::string_view name) {
    if (name.empty() || name.size() > text.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (folded(text, i) != folded(name, i)) return false;
    const std::string_view after = text.substr(name.size());
    return after.empty() || !isWordByte(static_cast<unsigned char>(after[0])) ||
           spaceLength(after) > 0;
}

enum class NameKind { None, Month, DayName, Am, Pm, Zone };

struct NameMatch {
    NameKind kind = NameKind::None;
    int value = 0;  // the month, or the zone's offset from UTC in minutes
    std::size_t length = 0;
};

// Keeps the longest name the text starts with, so "June" wins over "Jun".
void consider(NameMatch& best, std::string_view text, std::string_view name, NameKind kind,
              int value = 0) {
    if (name.size() > best.length && startsWithName(text, name)) best = {kind, value, name.size()};
}

void considerSettings(NameMatch& best, std::string_view text, const RegionalSettings& names) {
    for (int i = 0; i < 12; ++i) {
        consider(best, text, names.monthNames[i], NameKind::Month, i + 1);
        consider(best, text, names.abbreviatedMonthNames[i], NameKind::Month, i + 1);
    }
    for (int i = 0; i < 7; ++i) {
        consider(best, text, names.dayNames[i], NameKind::DayName);
        consider(best, text, names.abbreviatedDayNames[i], NameKind::DayName);
    }
    consider(best, text, names.amDesignator, NameKind::Am);
    consider(best, text, names.pmDesignator, NameKind::Pm);
}

// The locale's names, then the English ones, which the auction site shows whatever the locale.
NameMatch matchName(std::string_view text, const RegionalSettings& regional) {
    NameMatch best;
    considerSettings(best, text, regional);
    considerSettings(best, text, usEnglishSettings());
    consider(best, text, "PST", NameKind::Zone, kPstUtcOffsetMinutes);
    consider(best, text, "PDT", NameKind::Zone, kPdtUtcOffsetMinutes);
    return best;
}

// A locale separator usable in tokens: not empty, and not a digit, letter or space.
bool usableSeparator(std::string_view separator) {
    return !separator.empty() && !isDigit(static_cast<unsigned char>(separator[0])) &&
           !isWordByte(static_cast<unsigned char>(separator[0])) && spaceLength(separator) == 0;
}

std::size_t wordLength(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && isWordByte(static_cast<unsigned char>(text[length])) &&
           spaceLength(text.substr(length)) == 0)
        ++length;
    return length;
}

}  // namespace

std::optional<Tokens> tokenize(std::string_view text, const RegionalSettings& regional) {
    Tokens tokens;
    bool dayNameSeen = false;
    auto add = [&tokens](Token token) {
        if (tokens.count == kMaxTokens) return false;
        tokens.items[tokens.count++] = token;
        return true;
    };

    std::size_t at = 0;
    while (at < text.size()) {
        const std::string_view rest = text.substr(at);
        const auto c = static_cast<unsigned char>(rest[0]);
        bool added = true;
        if (const std::size_t space = spaceLength(rest)) {
            at += space;
            continue;
        } else if (isDigit(c)) {
            Token number{TokenKind::Number, 0, 0};
            while (at < text.size() && isDigit(static_cast<unsigned char>(text[at]))) {
                number.value = std::min(number.value * 10 + (text[at] - '0'), kNumberCap);
                ++number.digits;
                ++at;
            }
            added = add(number);
        } else if (usableSeparator(regional.dateSeparator) &&
                   rest.starts_with(regional.dateSeparator)) {
            at += regional.dateSeparator.size();
            added = add({TokenKind::DateSeparator});
        } else if (usableSeparator(regional.timeSeparator) &&
                   rest.starts_with(regional.timeSeparator)) {
            at += regional.timeSeparator.size();
            added = add({TokenKind::TimeSeparator});
        } else if (isWordByte(c)) {
            const NameMatch name = matchName(rest, regional);
            const std::size_t word = wordLength(rest);
            if (name.kind == NameKind::None) {
                // A lone "a" or "p" is short for AM or PM.
                if (word != 1 || (folded(rest, 0) != 'a' && folded(rest, 0) != 'p'))
                    return std::nullopt;
                at += 1;
                added = add({folded(rest, 0) == 'a' ? TokenKind::Am : TokenKind::Pm});
            } else {
                at += name.length;
                switch (name.kind) {
                    case NameKind::Month:
                        added = add({TokenKind::Month, name.value});
                        break;
                    case NameKind::DayName:
                        added = !dayNameSeen;
                        dayNameSeen = true;
                        break;
                    case NameKind::Am:
                        added = add({TokenKind::Am});
                        break;
                    case NameKind::Pm:
                        added = add({TokenKind::Pm});
                        break;
                    case NameKind::Zone:
                        added = add({TokenKind::Zone, name.value});
                        break;
                    case NameKind::None:
                        break;
                }
            }
        } else {
            ++at;
            switch (c) {
                case ':':
                    added = add({TokenKind::TimeSeparator});
                    break;
                case '/':
                case '-':
                    added = add({TokenKind::DateSeparator});
                    break;
                case '.':
                    added = add({TokenKind::DotSeparator});
                    break;
                case '(':
                    added = add({TokenKind::OpenParen});
                    break;
                case ')':
                    added = add({TokenKind::CloseParen});
                    break;
                default:
                    return std::nullopt;
            }
        }
        if (!added) return std::nullopt;
    }
    return tokens;
}

}  // namespace countdown::date_text
