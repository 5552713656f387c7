// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The version record of this test executable, which carries the program's resource.
class VersionRecord : public ::testing::Test {
  protected:
    void SetUp() override {
        char path[MAX_PATH];
        ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
        ASSERT_GT(size, 0u) << "no version record";
        data_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, data_.data()));
    }

    template <typename T>
    const T* query(const std::string& block) {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), block.c_str(), &value, &length) || length == 0)
            return nullptr;
        return static_cast<const T*>(value);
    }

    std::vector<char> data_;
};

TEST_F(VersionRecord, NumbersTheFileAndProductOneZeroZeroFive) {
    const auto* fixed = query<VS_FIXEDFILEINFO>("\\");
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(5, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(5, 0));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
}

TEST_F(VersionRecord, IsInUsEnglishWithTheUnicodeCodePage) {
    const auto* translation = query<WORD>("\\VarFileInfo\\Translation");
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation[0], 0x409);
    EXPECT_EQ(translation[1], 1200);
}

struct StringRow {
    const char* name;
    const char* value;
};

TEST_F(VersionRecord, HoldsTheProgramsTexts) {
    const StringRow rows[] = {
        {"FileVersion", "1.00.0005"},
        {"ProductVersion", "1.00.0005"},
        {"ProductName", "Gavelline"},
        {"InternalName", "Quennet"},
        {"OriginalFilename", "Quennet.exe"},
        {"FileDescription",
         "This program allows the user to syncronize to Ebay to enable timely bids."},
    };
    for (const StringRow& row : rows) {
        const auto* text = query<char>(std::string("\\StringFileInfo\\040904B0\\") + row.name);
        ASSERT_NE(text, nullptr) << row.name;
        EXPECT_STREQ(text, row.value) << row.name;
    }
}

TEST(ProgramIcon, IsTheClockInTwoSizes) {
    HRSRC group = FindResourceA(nullptr, "IDI_ICON1", RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* header = static_cast<const WORD*>(LockResource(LoadResource(nullptr, group)));
    ASSERT_NE(header, nullptr);
    // The group header: reserved, type 1 (icon), number of images.
    EXPECT_EQ(header[1], 1);
    EXPECT_EQ(header[2], 2);
}

}  // namespace
