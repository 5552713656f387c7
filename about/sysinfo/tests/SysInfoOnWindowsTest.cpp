// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// StartSysInfo and GetKeyValue over Windows itself: the real registry, file test and program
// launch. The tests write their own registry values and remove them afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include "LaunchTesting.h"
#include "SysInfoFakes.h"
#include "SysInfoLauncher.h"
#include "TempFolder.h"
#include "WindowsRegistry.h"
#include "WindowsTestSupport.h"

namespace sysinfo {
namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::kHKeyLocalMachine;
using platform::testing::ScopedRegistryKey;

constexpr const char* kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kTestKey = "SOFTWARE\\Ticklot Tests\\GetKeyValue";

Bytes bytes(const std::string& text) { return {text.begin(), text.end()}; }
Bytes withZero(const std::string& text) { return bytes(text + '\0'); }

struct SystemSysInfo {
    platform::WindowsRegistry registry;
    platform::SystemFileSystem files;
    platform::SystemLauncher programs;
    testing::RecordingMessageBoxes messages;
    SysInfoLauncher launcher{registry, files, programs, messages};
};

struct KeyValueRow {
    const char* name;
    std::uint32_t type;
    Bytes data;
    bool result;
    std::string keyVal;  // what KeyVal holds afterwards, having held "before"
};

TEST(GetKeyValueOnWindows, ReadsRealRegistryValues) {
    const std::string x1022(1022, 'x');
    const std::string x1023(1023, 'x');
    const std::string x1024(1024, 'x');
    const KeyValueRow rows[] = {
        {"sz with zero", platform::kRegSz, withZero("C:\\Tools\\msinfo32.exe"), true,
         "C:\\Tools\\msinfo32.exe"},
        {"sz without zero", platform::kRegSz, bytes("abc"), true, "abc"},
        {"sz two zeros", platform::kRegSz, bytes(std::string("ab\0\0", 4)), true,
         std::string("ab\0", 3)},
        {"sz 1023", platform::kRegSz, withZero(x1022), true, x1022},
        {"sz 1024", platform::kRegSz, withZero(x1023), true, x1023},
        {"sz 1025", platform::kRegSz, withZero(x1024), false, ""},
        {"sz 1024 without zero", platform::kRegSz, bytes(x1024), true, x1024},
        {"sz 1025 without zero", platform::kRegSz, bytes(x1024 + 'x'), false, ""},
        {"expand sz", platform::kRegExpandSz, withZero("%SystemRoot%\\msinfo32.exe"), true,
         "before"},
        {"dword", platform::kRegDword, {0x78, 0x56, 0x34, 0x12}, true, "305419896"},
        {"dword top bit", platform::kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, true, "4294967295"},
        {"binary", platform::kRegBinary, {1, 2, 3}, true, "before"},
        {"binary 1025", platform::kRegBinary, Bytes(1025, 0xAB), false, ""},
    };
    ScopedRegistryKey key(kTestKey);
    for (const KeyValueRow& row : rows) key.set(row.name, row.type, row.data);

    SystemSysInfo sysInfo;
    for (const KeyValueRow& row : rows) {
        std::string keyVal = "before";
        EXPECT_EQ(sysInfo.launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, row.name, keyVal),
                  row.result)
            << row.name;
        EXPECT_EQ(keyVal, row.keyVal) << row.name;
    }

    std::string keyVal = "before";
    EXPECT_FALSE(sysInfo.launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "missing", keyVal));
    EXPECT_EQ(keyVal, "");
    keyVal = "before";
    EXPECT_FALSE(sysInfo.launcher.GetKeyValue(kHKeyLocalMachine, "SOFTWARE\\Ticklot Tests\\None",
                                              "PATH", keyVal));
    EXPECT_EQ(keyVal, "");
}

TEST(GetKeyValueOnWindows, SizeZeroRaisesTheError) {
    ScopedRegistryKey key(kTestKey);
    key.set("empty sz", platform::kRegSz, {});
    key.set("empty binary", platform::kRegBinary, {});
    SystemSysInfo sysInfo;
    for (const char* name : {"empty sz", "empty binary"}) {
        std::string keyVal;
        EXPECT_THROW(sysInfo.launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, name, keyVal),
                     KeyValueError)
            << name;
    }
}

// A machine for StartSysInfo: three copies of the launch marker program and the two registry
// keys, written only when a flow asks for them.
struct Machine {
    Machine() {
        using platform::testing::copyLaunchMarker;
        tool = copyLaunchMarker(folder.path() / "Shared Tools" / "sys info.exe");
        toolFolder = (folder.path() / "Location").string();
        folderTool = copyLaunchMarker(folder.path() / "Location" / "MSINFO32.EXE");
        hiddenFolder = (folder.path() / "Hidden").string();
        hiddenTool = copyLaunchMarker(folder.path() / "Hidden" / "MSINFO32.EXE");
        SetFileAttributesA(hiddenTool.c_str(), FILE_ATTRIBUTE_HIDDEN);
        emptyFolder = (folder.path() / "Empty").string();
        std::filesystem::create_directory(emptyFolder);
    }

    ScopedRegistryKey& msinfo() { return msinfoKey ? *msinfoKey : msinfoKey.emplace(kMsinfoKey); }
    ScopedRegistryKey& location() {
        return locationKey ? *locationKey : locationKey.emplace(kLocationKey);
    }

    platform::testing::TempFolder folder;
    std::string tool;
    std::string toolFolder;
    std::string folderTool;
    std::string hiddenFolder;
    std::string hiddenTool;
    std::string emptyFolder;
    std::optional<ScopedRegistryKey> msinfoKey;
    std::optional<ScopedRegistryKey> locationKey;
};

struct Flow {
    const char* name;
    std::function<void(Machine&)> arrange;
    std::function<std::string(const Machine&)> started;  // "" when nothing starts
};

void PrintTo(const Flow& flow, std::ostream* out) { *out << flow.name; }

class StartSysInfoOnWindows : public ::testing::TestWithParam<Flow> {};

TEST_P(StartSysInfoOnWindows, StartsTheToolOrShowsTheOneMessage) {
    Machine machine;
    GetParam().arrange(machine);
    const std::string started = GetParam().started(machine);

    SystemSysInfo sysInfo;
    EXPECT_NO_THROW(sysInfo.launcher.StartSysInfo());

    using Shown = testing::RecordingMessageBoxes::Shown;
    const std::vector<Shown> message{{kUnavailableMessage, platform::kOkOnly, ""}};
    EXPECT_EQ(sysInfo.messages.shown, started.empty() ? message : std::vector<Shown>{});
    if (!started.empty()) {
        EXPECT_EQ(platform::testing::waitForMarker(platform::testing::markerOf(started)),
                  "window=1\ncommand=\"" + started + "\"\n");
    }
    // Anything else that had started would have left its marker by now.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    for (const std::string& program : {machine.tool, machine.folderTool, machine.hiddenTool}) {
        if (program == started) continue;
        EXPECT_FALSE(std::filesystem::exists(platform::testing::markerOf(program))) << program;
    }
}

std::string none(const Machine&) { return ""; }
std::string theTool(const Machine& m) { return m.tool; }
std::string theFolderTool(const Machine& m) { return m.folderTool; }

INSTANTIATE_TEST_SUITE_P(
    Flows, StartSysInfoOnWindows,
    ::testing::Values(
        Flow{"PathNamesAProgram",
             [](Machine& m) {
                 m.msinfo().setString("PATH", m.tool);
                 m.location().setString("MSINFO", m.toolFolder);
             },
             theTool},
        Flow{"PathNamesAMissingFile",
             [](Machine& m) {
                 m.msinfo().setString("PATH", m.toolFolder + "\\missing.exe");
                 m.location().setString("MSINFO", m.toolFolder);
             },
             none},
        Flow{"PathIsAnExpandingString",
             [](Machine& m) {
                 m.msinfo().set("PATH", REG_EXPAND_SZ, withZero(m.tool));
                 m.location().setString("MSINFO", m.toolFolder);
             },
             none},
        Flow{"PathOfSizeZero",
             [](Machine& m) {
                 m.msinfo().set("PATH", REG_SZ, {});
                 m.location().setString("MSINFO", m.toolFolder);
             },
             none},
        Flow{"PathLongerThanTheBufferFallsBackToTheFolder",
             [](Machine& m) {
                 m.msinfo().setString("PATH", std::string(1100, 'x'));
                 m.location().setString("MSINFO", m.toolFolder);
             },
             theFolderTool},
        Flow{"FolderHoldsTheTool",
             [](Machine& m) { m.location().setString("MSINFO", m.toolFolder); }, theFolderTool},
        Flow{"FolderWithoutTheTool",
             [](Machine& m) { m.location().setString("MSINFO", m.emptyFolder); }, none},
        Flow{"FolderWithTheToolHidden",
             [](Machine& m) { m.location().setString("MSINFO", m.hiddenFolder); }, none},
        Flow{"NeitherKey", [](Machine&) {}, none}),
    [](const ::testing::TestParamInfo<Flow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sysinfo
