// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

class QWebEnginePage;

namespace platform {

// Denies at once, without asking the user, every permission a page of `page` requests: camera,
// microphone, location, notifications, screen capture, mouse lock and the like. A pane for
// bidding needs none of them, and a prompt at the moment of a bid would be in the way.
void denyPermissionRequests(QWebEnginePage* page);

}  // namespace platform
