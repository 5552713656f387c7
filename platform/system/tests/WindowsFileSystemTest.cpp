// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <windows.h>

#include "FileSystem.h"
#include "TempFolder.h"

namespace platform {
namespace {

// The system-information tool is looked for as a normal file: read-only and archived files
// count, hidden and system files, folders and wildcard patterns do not.
TEST(WindowsFileSystem, FindsNormalFilesOnly) {
    testing::TempFolder folder;
    struct Row {
        std::string name;
        DWORD attributes;
        bool found;
    };
    const Row files[] = {
        {"normal.exe", FILE_ATTRIBUTE_NORMAL, true},
        {"readonly.exe", FILE_ATTRIBUTE_READONLY, true},
        {"archive.exe", FILE_ATTRIBUTE_ARCHIVE, true},
        {"hidden.exe", FILE_ATTRIBUTE_HIDDEN, false},
        {"system.exe", FILE_ATTRIBUTE_SYSTEM, false},
        {"both.exe", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, false},
    };
    for (const Row& row : files) {
        const std::string path = folder.write(row.name, "x");
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), row.attributes)) << row.name;
    }
    const std::string base = folder.path().string();
    SystemFileSystem fileSystem;
    for (const Row& row : files)
        EXPECT_EQ(fileSystem.fileExists(base + "\\" + row.name), row.found) << row.name;

    const Row others[] = {
        {"", 0, false},      {"missing.exe", 0, false}, {"normal.ex?", 0, false},
        {"*.exe", 0, false}, {"NORMAL.EXE", 0, true},   {"normal.exe\\", 0, false},
    };
    for (const Row& row : others)
        EXPECT_EQ(fileSystem.fileExists(base + "\\" + row.name), row.found) << row.name;
    EXPECT_FALSE(fileSystem.fileExists(base)) << "a folder";
    EXPECT_FALSE(fileSystem.fileExists(""));

    for (const Row& row : files)
        SetFileAttributesA((base + "\\" + row.name).c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace platform
