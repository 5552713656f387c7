// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QUrl>

// The server a clock check measures against: the scheme, host and port of the page the browser
// shows when that page came over http or https (an http page's host is measured over http, as
// shown), else the auction site's host over https (for the help page, a blank page or a page
// that failed to load, `pageFailed`), so that nobody on the way can change the time it gives.
QUrl clockCheckServer(const QUrl& page, bool pageFailed);
