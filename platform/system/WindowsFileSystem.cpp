// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <windows.h>

#include "FileSystem.h"

namespace platform {

bool SystemFileSystem::fileExists(const std::string& path) {
    // A path with a zero byte in it cannot reach the system intact.
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    constexpr DWORD kNotNormal =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (attributes & kNotNormal) == 0;
}

}  // namespace platform
