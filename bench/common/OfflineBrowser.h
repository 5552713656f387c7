// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QtGlobal>

// Keeps a benchmark's browser on this machine when it is run by hand: unless the caller has
// chosen Chromium's flags, every request goes to a proxy where nothing listens.
inline void keepBrowserOnThisMachine() {
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --proxy-server=127.0.0.1:1");
}
