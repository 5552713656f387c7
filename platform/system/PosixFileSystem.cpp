// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <sys/stat.h>

#include "FileSystem.h"

namespace platform {

bool SystemFileSystem::fileExists(const std::string& path) {
    // A path with a zero byte in it cannot reach the system intact.
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (path.compare(nameStart, 1, ".") == 0) return false;
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace platform
