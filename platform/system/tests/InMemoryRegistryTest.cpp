// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <array>

#include "InMemoryRegistry.h"

namespace platform {
namespace {

class InMemoryRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registry.setValue(kHKeyLocalMachine, "SOFTWARE\\Test", "Six", kRegBinary,
                          {1, 2, 3, 4, 5, 6});
        ASSERT_EQ(registry.RegOpenKeyExA(rootHandle(kHKeyLocalMachine), "software\\TEST", 0,
                                         0x2003F, &key),
                  kErrorSuccess);
    }

    InMemoryRegistry registry;
    KeyHandle key = 0;
};

TEST_F(InMemoryRegistryTest, ReportsTheExactLengthAndTypeAndLeavesTheRestOfTheBuffer) {
    std::array<std::uint8_t, 8> buffer{};
    buffer.fill(0xEE);
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    EXPECT_EQ(registry.RegQueryValueExA(key, "six", &type, buffer.data(), &size), kErrorSuccess);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(type, kRegBinary);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 8>{1, 2, 3, 4, 5, 6, 0xEE, 0xEE}));
}

TEST_F(InMemoryRegistryTest, ValueLongerThanTheBufferGivesMoreDataAndItsLength) {
    std::array<std::uint8_t, 5> buffer{};
    std::uint32_t size = buffer.size();
    std::uint32_t type = 99;
    EXPECT_EQ(registry.RegQueryValueExA(key, "Six", &type, buffer.data(), &size), kErrorMoreData);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(type, 99u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 5>{}));
}

TEST_F(InMemoryRegistryTest, ClosedOrUnknownHandlesAreRefused) {
    std::uint8_t byte = 0;
    std::uint32_t size = 1;
    std::uint32_t type = 0;
    EXPECT_EQ(registry.RegCloseKey(key), kErrorSuccess);
    EXPECT_EQ(registry.RegQueryValueExA(key, "Six", &type, &byte, &size), kErrorInvalidHandle);
    EXPECT_EQ(registry.RegCloseKey(key), kErrorInvalidHandle);
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

TEST_F(InMemoryRegistryTest, RemovingTheLastValueRemovesTheKey) {
    registry.removeValue(kHKeyLocalMachine, "SOFTWARE\\Test", "Six");
    KeyHandle other = 0;
    EXPECT_EQ(
        registry.RegOpenKeyExA(rootHandle(kHKeyLocalMachine), "SOFTWARE\\Test", 0, 0x2003F, &other),
        kErrorFileNotFound);
    std::uint8_t byte = 0;
    std::uint32_t size = 1;
    std::uint32_t type = 0;
    EXPECT_EQ(registry.RegQueryValueExA(key, "Six", &type, &byte, &size), kErrorFileNotFound);
}

}  // namespace
}  // namespace platform
