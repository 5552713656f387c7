// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

#include "WebEngineProcess.h"

namespace testing_support {

// Prepares a test process that shows web pages, before its QApplication exists: the browser
// profile goes to a temporary folder instead of the user's, Chromium reaches no host but this
// machine's own (every other request goes to a proxy where nothing listens), and the settings
// WebEngine needs are made as the program makes them.
inline void prepareWebEngineTest() {
    static QTemporaryDir folder;
    qputenv("HOME", QFile::encodeName(folder.path()));  // and the download folder too
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath("data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(folder.filePath("cache")));
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--proxy-server=")) {
        flags += " --disable-gpu --disable-background-networking --proxy-server=127.0.0.1:1";
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    }
    platform::prepareWebEngineProcess();
}

}  // namespace testing_support
