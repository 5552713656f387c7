// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <array>

#include "InMemoryRegistry.h"
#include "WindowsRegistry.h"
#include "WindowsTestSupport.h"

namespace platform {
namespace {

constexpr const char* kTestKey = "SOFTWARE\\Ticklot Tests\\Registry";
constexpr std::uint32_t kAccess = 0x2003F;

struct Read {
    std::int32_t status = -1;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::array<std::uint8_t, 1024> buffer{};
    bool operator==(const Read&) const = default;
};

// One value read the way the System Info launcher reads it: a zero-filled 1024-byte buffer.
Read readValue(Registry& registry, const std::string& keyPath, const std::string& valueName) {
    Read read;
    KeyHandle key = 0;
    read.status = registry.RegOpenKeyExA(rootHandle(kHKeyLocalMachine), keyPath, 0, kAccess, &key);
    if (read.status != kErrorSuccess) return read;
    read.size = read.buffer.size();
    read.status =
        registry.RegQueryValueExA(key, valueName, &read.type, read.buffer.data(), &read.size);
    // What a failed query leaves in the buffer is not defined; the launcher never looks.
    if (read.status != kErrorSuccess) read.buffer.fill(0);
    EXPECT_EQ(registry.RegCloseKey(key), kErrorSuccess);
    return read;
}

std::vector<std::uint8_t> bytes(const std::string& text) { return {text.begin(), text.end()}; }

struct ValueRow {
    const char* name;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
};

// The launcher's unit tests run over the in-memory registry; it has to read exactly like the
// real one, down to the statuses and lengths at the buffer's edge.
TEST(WindowsRegistry, ReadsLikeTheInMemoryRegistryTheLauncherIsTestedWith) {
    const std::string x1023(1023, 'x');
    const std::string x1024(1024, 'x');
    const ValueRow rows[] = {
        {"sz with zero", kRegSz, bytes(std::string("C:\\Tools\\msinfo32.exe", 21) + '\0')},
        {"sz without zero", kRegSz, bytes("abc")},
        {"sz two zeros", kRegSz, bytes(std::string("ab\0\0", 4))},
        {"sz 1023", kRegSz, bytes(x1023.substr(1) + '\0')},
        {"sz 1024", kRegSz, bytes(x1023 + '\0')},
        {"sz 1025", kRegSz, bytes(x1024 + '\0')},
        {"sz 1024 without zero", kRegSz, bytes(x1024)},
        {"sz 1025 without zero", kRegSz, bytes(x1024 + 'x')},
        {"sz empty", kRegSz, {}},
        {"expand", kRegExpandSz, bytes(std::string("%SystemRoot%\\msinfo32.exe") + '\0')},
        {"dword", kRegDword, {0x78, 0x56, 0x34, 0x12}},
        {"dword short", kRegDword, {0x01, 0x02}},
        {"binary", kRegBinary, {1, 2, 3}},
        {"binary 1025", kRegBinary, std::vector<std::uint8_t>(1025, 0xAB)},
    };
    testing::ScopedRegistryKey windowsKey(kTestKey);
    InMemoryRegistry memory;
    for (const ValueRow& row : rows) {
        windowsKey.set(row.name, row.type, row.data);
        memory.setValue(kHKeyLocalMachine, kTestKey, row.name, row.type, row.data);
    }
    WindowsRegistry windows;
    for (const ValueRow& row : rows) {
        const Read real = readValue(windows, kTestKey, row.name);
        const Read modelled = readValue(memory, kTestKey, row.name);
        EXPECT_EQ(real.status, modelled.status) << row.name;
        EXPECT_EQ(real.size, modelled.size) << row.name;
        EXPECT_EQ(real.type, modelled.type) << row.name;
        EXPECT_TRUE(real.buffer == modelled.buffer) << row.name;
    }
    EXPECT_EQ(readValue(windows, kTestKey, "missing").status, kErrorFileNotFound);
    EXPECT_EQ(readValue(windows, "SOFTWARE\\Ticklot Tests\\Missing", "x").status,
              kErrorFileNotFound);
}

bool exists(const std::string& keyPath, const char* valueName = nullptr) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    const bool found = valueName == nullptr || RegQueryValueExA(key, valueName, nullptr, nullptr,
                                                                nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

// The tests' keys leave the registry as they found it: keys they created are deleted, and in a
// key that was there before (as Wine's "Shared Tools\MSInfo" is) only their values go, and a
// value that was there before is never overwritten.
TEST(WindowsRegistry, TestKeysLeaveTheRegistryAsTheyFoundIt) {
    {
        testing::ScopedRegistryKey created(kTestKey);
        created.setString("PATH", "created");
        {
            testing::ScopedRegistryKey existing(kTestKey);
            existing.setString("MSINFO", "added");
            EXPECT_THROW(existing.setString("PATH", "overwritten"), std::logic_error);
        }
        EXPECT_TRUE(exists(kTestKey, "PATH"));
        EXPECT_FALSE(exists(kTestKey, "MSINFO"));
    }
    EXPECT_FALSE(exists("SOFTWARE\\Ticklot Tests"));
    EXPECT_TRUE(exists("SOFTWARE"));
}

}  // namespace
}  // namespace platform
