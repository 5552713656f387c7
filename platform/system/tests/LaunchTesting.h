// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "ProgramLauncher.h"

namespace platform::testing {

// Waits up to ten seconds for a started program to write its marker file, and gives its
// content, or "<no marker>". The programs write the file under another name and rename it, so
// it is never read half-written.
inline std::string waitForMarker(const std::filesystem::path& marker) {
    using namespace std::chrono_literals;
    for (auto waited = 0ms; waited < 10s; waited += 20ms) {
        if (std::filesystem::exists(marker)) {
            std::ifstream in(marker);
            std::stringstream content;
            content << in.rdbuf();
            return content.str();
        }
        std::this_thread::sleep_for(20ms);
    }
    return "<no marker>";
}

// Launches `path` with the normal window style and gives the system error of the failure,
// or 0 when the program started.
inline int launchError(ProgramLauncher& launcher, const std::string& path) {
    try {
        launcher.launch(path, kNormalFocus);
    } catch (const LaunchError& error) {
        return error.systemError();
    }
    return 0;
}

}  // namespace platform::testing
