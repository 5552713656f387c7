// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QString>
#include <QUrl>

namespace platform {

// Turns what the user typed into an address the browser can load, the way a browser's address
// bar does: "www.example.com" becomes "http://www.example.com". Returns an empty QUrl for text
// that names no loadable address: empty or blank text, text with spaces inside a host name, a
// web address without a host.
QUrl loadableUrlFromUserInput(const QString& text);

}  // namespace platform
