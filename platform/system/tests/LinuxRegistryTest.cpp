// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <array>

#include "LinuxRegistry.h"
#include "TempFolder.h"

namespace platform {
namespace {

constexpr const char* kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

struct Read {
    std::int32_t status = kErrorSuccess;
    std::uint32_t type = 0;
    std::string data;
};

Read readValue(Registry& registry, std::int32_t root, const std::string& keyPath,
               const std::string& valueName) {
    KeyHandle key = 0;
    const std::int32_t opened = registry.RegOpenKeyExA(rootHandle(root), keyPath, 0, 0x2003F, &key);
    Read read;
    read.status = opened;
    if (opened != kErrorSuccess) return read;
    std::array<std::uint8_t, 1024> buffer{};
    std::uint32_t size = buffer.size();
    read.status = registry.RegQueryValueExA(key, valueName, &read.type, buffer.data(), &size);
    read.data.assign(reinterpret_cast<const char*>(buffer.data()), size);
    registry.RegCloseKey(key);
    return read;
}

class LinuxRegistryTest : public ::testing::Test {
  protected:
    std::string tool(const std::string& relativePath) {
        return bin.executable(relativePath, "#!/bin/sh\n");
    }
    Read readPath(LinuxRegistry& registry) {
        return readValue(registry, kHKeyLocalMachine, kMsinfoKey, "PATH");
    }

    testing::TempFolder bin;
};

TEST_F(LinuxRegistryTest, PathNamesTheFirstListedToolFoundInTheSearchPath) {
    tool("a/kinfocenter");
    const std::string hardinfo = tool("b/hardinfo");
    LinuxRegistry registry(bin.path().string() + "/a:" + bin.path().string() + "/b");
    const Read read = readPath(registry);
    EXPECT_EQ(read.status, kErrorSuccess);
    EXPECT_EQ(read.type, kRegSz);
    EXPECT_EQ(read.data, hardinfo + std::string(1, '\0'));
}

TEST_F(LinuxRegistryTest, EarlierFolderWinsForTheSameTool) {
    const std::string first = tool("a/gnome-system-monitor");
    tool("b/gnome-system-monitor");
    LinuxRegistry registry(bin.path().string() + "/a/:" + bin.path().string() + "/b");
    EXPECT_EQ(readPath(registry).data, first + std::string(1, '\0'));
}

TEST_F(LinuxRegistryTest, SkipsFilesThatAreNotProgramsAndRelativeFolders) {
    bin.write("a/hardinfo", "not executable");
    std::filesystem::create_directories(bin.path() / "a" / "kinfocenter");
    const std::string found = tool("b/mate-system-monitor");
    // A relative entry, which names no folder of its own, and an empty one are ignored.
    LinuxRegistry registry("relative/dir::" + bin.path().string() + "/a:" + bin.path().string() +
                           "/b");
    EXPECT_EQ(readPath(registry).data, found + std::string(1, '\0'));
}

TEST_F(LinuxRegistryTest, WithoutAToolTheKeyIsMissingUntilOneIsInstalled) {
    LinuxRegistry registry(bin.path().string());
    EXPECT_EQ(readPath(registry).status, kErrorFileNotFound);
    const std::string installed = tool("kinfocenter");
    EXPECT_EQ(readPath(registry).data, installed + std::string(1, '\0'));
}

TEST_F(LinuxRegistryTest, HasNoOtherKeysOrValues) {
    tool("hardinfo");
    LinuxRegistry registry(bin.path().string());
    EXPECT_EQ(readValue(registry, kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                        "MSINFO")
                  .status,
              kErrorFileNotFound);
    EXPECT_EQ(
        readValue(registry, static_cast<std::int32_t>(0x80000001u), kMsinfoKey, "PATH").status,
        kErrorFileNotFound);
    EXPECT_EQ(readValue(registry, kHKeyLocalMachine, kMsinfoKey, "Other").status,
              kErrorFileNotFound);
}

}  // namespace
}  // namespace platform
