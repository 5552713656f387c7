// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <windows.h>

#include <vector>

#include "ProgramLauncher.h"

namespace platform {

void SystemLauncher::launch(const std::string& path, int windowStyle) {
    // A path with a zero byte in it would start a different, shorter path.
    if (path.find('\0') != std::string::npos) throw LaunchError(path, ERROR_INVALID_NAME);

    // The program is named on its own, so nothing searches for it or splits its path at
    // spaces; the command line only gives it its own quoted path as argument zero.
    const std::string commandLine = "\"" + path + "\"";
    std::vector<char> mutableCommandLine(commandLine.begin(), commandLine.end());
    mutableCommandLine.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), mutableCommandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
        throw LaunchError(path, static_cast<int>(GetLastError()));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace platform
