// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "FileSystem.h"
#include "TempFolder.h"

namespace platform {
namespace {

TEST(SystemFileSystem, FindsNormalFilesOnly) {
    testing::TempFolder folder;
    const std::string normal = folder.write("tools/MSINFO32.EXE", "x");
    folder.write("tools/.hidden", "x");
    std::filesystem::create_symlink(normal, folder.path() / "link");
    const std::string base = folder.path().string();

    struct Row {
        std::string path;
        bool found;
    };
    const Row rows[] = {
        {normal, true},
        {base + "/link", true},  // a link to a normal file is that file
        {base + "/tools", false},
        {base + "/tools/.hidden", false},
        {base + "/tools/missing.exe", false},
        {base + "/tools/*", false},  // taken literally, no wildcard
        {base + "/tools/MSINFO32.EX?", false},
        {normal + std::string(1, '\0') + "ignored", false},
        {"", false},
    };
    SystemFileSystem files;
    for (const Row& row : rows) EXPECT_EQ(files.fileExists(row.path), row.found) << row.path;
}

}  // namespace
}  // namespace platform
