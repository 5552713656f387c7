// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QUrl>

// The server a clock check measures against: the scheme, host and port of the page the browser
// shows when that page came over http or https, else the auction site's home page (for the help
// page, a blank page or one that failed to load).
QUrl clockCheckServer(const QUrl& page);
