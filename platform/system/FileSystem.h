// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <string>

namespace platform {

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Whether `path` names an existing normal file: folders, hidden files and system files
    // are not found. The path is taken literally; wildcard characters match nothing.
    virtual bool fileExists(const std::string& path) = 0;
};

// The file system of the machine the program runs on. On Linux a file is hidden when its
// name starts with a dot.
class SystemFileSystem : public FileSystem {
  public:
    bool fileExists(const std::string& path) override;
};

}  // namespace platform
