// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "InMemoryRegistry.h"
#include "SysInfoFakes.h"
#include "SysInfoLauncher.h"

namespace sysinfo {
namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::kHKeyLocalMachine;

constexpr const char* kKey = "SOFTWARE\\Ticklot Test";
constexpr const char* kValue = "Data";

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }
Bytes repeated(std::size_t count, char c) { return Bytes(count, static_cast<std::uint8_t>(c)); }
Bytes withZero(Bytes data) {
    data.push_back(0);
    return data;
}

class GetKeyValueFixture : public ::testing::Test, public testing::FakeSysInfo {
  protected:
    bool read(std::string& keyVal) {
        return launcher.GetKeyValue(kHKeyLocalMachine, kKey, kValue, keyVal);
    }
};

struct ValueRow {
    const char* name;
    std::uint32_t type;
    Bytes data;
    bool result;
    std::string keyVal;  // expected; KeyVal goes in as "prior"
};

void PrintTo(const ValueRow& row, std::ostream* out) { *out << row.name; }

class GetKeyValueRows : public GetKeyValueFixture,
                        public ::testing::WithParamInterface<ValueRow> {};

TEST_P(GetKeyValueRows, ReadsTheValueAsTextAndClosesTheKey) {
    const ValueRow& row = GetParam();
    registry.setValue(kHKeyLocalMachine, kKey, kValue, row.type, row.data);
    std::string keyVal = "prior";
    EXPECT_EQ(read(keyVal), row.result);
    EXPECT_EQ(keyVal, row.keyVal);
    EXPECT_EQ(registry.log(),
              (std::vector<std::string>{"open SOFTWARE\\Ticklot Test options=0 access=0x2003F",
                                        "query Data size=1024", "close"}));
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

const std::string a1022(1022, 'a'), a1023(1023, 'a'), a1024(1024, 'a');

INSTANTIATE_TEST_SUITE_P(
    RegSz, GetKeyValueRows,
    ::testing::Values(
        ValueRow{"Size1Zero", platform::kRegSz, Bytes{0}, true, ""},
        ValueRow{"Size1NoZero", platform::kRegSz, text("A"), true, "A"},
        ValueRow{"Size1023Zero", platform::kRegSz, withZero(repeated(1022, 'a')), true, a1022},
        ValueRow{"Size1023NoZero", platform::kRegSz, repeated(1023, 'a'), true, a1023},
        ValueRow{"Size1024Zero", platform::kRegSz, withZero(repeated(1023, 'a')), true, a1023},
        ValueRow{"Size1024NoZero", platform::kRegSz, repeated(1024, 'a'), true, a1024},
        ValueRow{"Size1025Zero", platform::kRegSz, withZero(repeated(1024, 'a')), false, ""},
        ValueRow{"Size1025NoZero", platform::kRegSz, repeated(1025, 'a'), false, ""},
        // Exactly one terminating zero goes; zeros inside the text stay.
        ValueRow{"TwoZeros", platform::kRegSz, text(std::string("ab\0\0", 4)), true,
                 std::string("ab\0", 3)},
        ValueRow{"InnerZero", platform::kRegSz, text(std::string("a\0b", 3)), true,
                 std::string("a\0b", 3)},
        // Bytes of the ANSI code page pass through unchanged.
        ValueRow{"AnsiBytes", platform::kRegSz, withZero(text("C:\\Caf\xE9\\x.exe")), true,
                 "C:\\Caf\xE9\\x.exe"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    RegDword, GetKeyValueRows,
    ::testing::Values(ValueRow{"FortyTwo", platform::kRegDword, Bytes{42, 0, 0, 0}, true, "42"},
                      ValueRow{"LittleEndian", platform::kRegDword, Bytes{0x78, 0x56, 0x34, 0x12},
                               true, "305419896"},
                      // Bytes below 16 keep their place value.
                      ValueRow{"SmallBytes", platform::kRegDword, Bytes{0x05, 0x01, 0, 0}, true,
                               "261"},
                      ValueRow{"Zero", platform::kRegDword, Bytes{0, 0, 0, 0}, true, "0"},
                      ValueRow{"HighBitUnsigned", platform::kRegDword,
                               Bytes{0xFF, 0xFF, 0xFF, 0xFF}, true, "4294967295"},
                      ValueRow{"TwoBytes", platform::kRegDword, Bytes{0x01, 0x01}, true, "257"},
                      ValueRow{"OneByte", platform::kRegDword, Bytes{7}, true, "7"},
                      ValueRow{"EightBytesFirstFourCount", platform::kRegDword,
                               Bytes{1, 0, 0, 0, 2, 0, 0, 0}, true, "1"},
                      ValueRow{"Size1025", platform::kRegDword, repeated(1025, 1), false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    OtherTypes, GetKeyValueRows,
    ::testing::Values(ValueRow{"ExpandSz", platform::kRegExpandSz,
                               withZero(text("%SystemRoot%\\x.exe")), true, "prior"},
                      ValueRow{"Binary", platform::kRegBinary, Bytes{1, 2, 3}, true, "prior"},
                      ValueRow{"Binary1024", platform::kRegBinary, repeated(1024, 9), true,
                               "prior"},
                      ValueRow{"Binary1025", platform::kRegBinary, repeated(1025, 9), false, ""},
                      ValueRow{"MultiSz", 7, withZero(withZero(text("x"))), true, "prior"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GetKeyValueFixture, SizeZeroRaisesTheErrorAfterClosingTheKey) {
    for (const std::uint32_t type : {platform::kRegSz, platform::kRegDword, platform::kRegBinary}) {
        registry.setValue(kHKeyLocalMachine, kKey, kValue, type, {});
        std::string keyVal = "prior";
        EXPECT_THROW(read(keyVal), KeyValueError) << "type " << type;
        EXPECT_EQ(keyVal, "prior");
        EXPECT_EQ(registry.openKeyCount(), 0u);
    }
}

TEST_F(GetKeyValueFixture, MissingKeyOrValueGivesFalseAndEmptyText) {
    std::string keyVal = "prior";
    EXPECT_FALSE(read(keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(registry.log(),
              std::vector<std::string>{"open SOFTWARE\\Ticklot Test options=0 access=0x2003F"});

    registry.setString(kHKeyLocalMachine, kKey, "Other", "x");
    keyVal = "prior";
    EXPECT_FALSE(read(keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(registry.log().back(), "close");
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

TEST_F(GetKeyValueFixture, LooksOnlyUnderTheGivenRoot) {
    constexpr auto kHKeyCurrentUser = static_cast<std::int32_t>(0x80000001u);
    registry.setString(kHKeyCurrentUser, kKey, kValue, "user");
    std::string keyVal;
    EXPECT_FALSE(read(keyVal));
    EXPECT_TRUE(launcher.GetKeyValue(kHKeyCurrentUser, kKey, kValue, keyVal));
    EXPECT_EQ(keyVal, "user");
    // Windows sign-extends the predefined roots to the pointer width.
    EXPECT_EQ(platform::rootHandle(kHKeyLocalMachine),
              static_cast<platform::KeyHandle>(-2147483646));
}

// A registry that reports success with a length its caller's buffer cannot hold.
class OverreportingRegistry : public platform::InMemoryRegistry {
  public:
    std::int32_t RegQueryValueExA(platform::KeyHandle, const std::string&, std::uint32_t* type,
                                  std::uint8_t*, std::uint32_t* size) override {
        *type = platform::kRegSz;
        *size = 1025;
        return platform::kErrorSuccess;
    }
};

TEST(GetKeyValue, LengthBeyondTheBufferRaisesTheErrorInsteadOfReadingPastIt) {
    OverreportingRegistry registry;
    registry.setString(kHKeyLocalMachine, kKey, kValue, "x");
    testing::FakeFileSystem files;
    testing::RecordingLauncher programs;
    testing::RecordingMessageBoxes messages;
    SysInfoLauncher launcher{registry, files, programs, messages};
    std::string keyVal;
    EXPECT_THROW(launcher.GetKeyValue(kHKeyLocalMachine, kKey, kValue, keyVal), KeyValueError);
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

}  // namespace
}  // namespace sysinfo
