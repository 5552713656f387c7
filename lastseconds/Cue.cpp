// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "Cue.h"

#include <cctype>

namespace lastseconds {
namespace {

constexpr std::string_view kEnded = "Ended";

// A run of digits at `at`, advanced past it; nothing when there is none or it is not `width`
// long (any width when `width` is 0).
std::optional<int> digits(std::string_view text, std::size_t& at, std::size_t width) {
    const std::size_t from = at;
    int value = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && at - from < 6)
        value = value * 10 + (text[at++] - '0');
    if (at == from || (width != 0 && at - from != width)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> secondsShown(std::string_view text) {
    if (text == kEnded) return 0;
    std::size_t at = 0;
    const auto hours = digits(text, at, 0);
    if (!hours || at >= text.size() || text[at++] != ':') return std::nullopt;
    const auto minutes = digits(text, at, 2);
    if (!minutes || at >= text.size() || text[at++] != ':') return std::nullopt;
    const auto seconds = digits(text, at, 2);
    if (!seconds || at != text.size()) return std::nullopt;
    return (*hours * 60 + *minutes) * 60 + *seconds;
}

Cue cueFor(int secondsLeft) {
    if (secondsLeft <= 0) return Cue::EndTone;
    return secondsLeft <= kFirstTickSecond ? Cue::Tick : Cue::None;
}

}  // namespace lastseconds
