// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// A program for the launch tests on Windows: it writes how it was started into
// "<its own path>.started" and ends. The window style is "default" unless the starter set one.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);

    const std::string marker = std::string(path, length) + ".started";
    {
        std::ofstream out(marker + ".tmp");
        out << "window=";
        if (startup.dwFlags & STARTF_USESHOWWINDOW)
            out << startup.wShowWindow;
        else
            out << "default";
        out << "\ncommand=" << GetCommandLineA() << "\n";
    }
    return MoveFileExA((marker + ".tmp").c_str(), marker.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0
                                                                                             : 1;
}
