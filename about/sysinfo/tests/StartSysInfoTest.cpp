// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "InMemoryRegistry.h"
#include "SysInfoFakes.h"
#include "SysInfoLauncher.h"

namespace sysinfo {
namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::kHKeyLocalMachine;
using Attempt = testing::RecordingLauncher::Attempt;

constexpr const char* kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kTool =
    "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
constexpr const char* kFolder = "C:\\Tools";
constexpr const char* kFolderTool = "C:\\Tools\\MSINFO32.EXE";

class StartSysInfoFixture : public ::testing::Test, public testing::FakeSysInfo {
  protected:
    bool openedKey(const std::string& key) const {
        return std::ranges::any_of(registry.log(), [&](const std::string& line) {
            return line.starts_with("open " + key + " ");
        });
    }
    std::size_t unavailableMessages() const {
        return std::ranges::count(messages.shown, testing::RecordingMessageBoxes::Shown{
                                                      kUnavailableMessage, platform::kOkOnly, ""});
    }
};

struct Flow {
    const char* name;
    std::function<void(platform::InMemoryRegistry&)> registry;
    std::set<std::string> files;  // also the programs that start
    std::vector<Attempt> attempts;
    std::vector<std::string> existenceTests;
    bool secondKeyRead;
    bool message;
};

void PrintTo(const Flow& row, std::ostream* out) { *out << row.name; }

class StartSysInfoFlows : public StartSysInfoFixture, public ::testing::WithParamInterface<Flow> {};

TEST_P(StartSysInfoFlows, LaunchesTheToolOrShowsTheOneMessage) {
    const Flow& flow = GetParam();
    flow.registry(registry);
    files.files = flow.files;
    programs.installed = flow.files;

    EXPECT_NO_THROW(launcher.StartSysInfo());

    EXPECT_EQ(programs.attempts, flow.attempts);
    EXPECT_EQ(files.asked, flow.existenceTests);
    EXPECT_EQ(openedKey(kLocationKey), flow.secondKeyRead);
    EXPECT_TRUE(openedKey(kMsinfoKey));
    EXPECT_EQ(messages.shown.size(), flow.message ? 1u : 0u);
    EXPECT_EQ(unavailableMessages(), messages.shown.size());
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

void setPath(platform::InMemoryRegistry& r, const std::string& path) {
    r.setString(kHKeyLocalMachine, kMsinfoKey, "PATH", path);
}
void setFolder(platform::InMemoryRegistry& r, const std::string& folder) {
    r.setString(kHKeyLocalMachine, kLocationKey, "MSINFO", folder);
}

INSTANTIATE_TEST_SUITE_P(
    Flows, StartSysInfoFlows,
    ::testing::Values(Flow{"PathLaunchedUnchanged",
                           [](auto& r) { setPath(r, kTool); },
                           {kTool},
                           {{kTool, platform::kNormalFocus}},
                           {},
                           false,
                           false},
                      Flow{"PathNamingMissingFile",
                           [](auto& r) { setPath(r, "C:\\gone.exe"); },
                           {},
                           {{"C:\\gone.exe", platform::kNormalFocus}},
                           {},
                           false,
                           true},
                      // An expanding string is read as nothing: the empty path fails to start.
                      Flow{"PathExpandSz",
                           [](auto& r) {
                               r.setValue(kHKeyLocalMachine, kMsinfoKey, "PATH",
                                          platform::kRegExpandSz, Bytes{'%', 'X', '%', 0});
                           },
                           {kTool},
                           {{"", platform::kNormalFocus}},
                           {},
                           false,
                           true},
                      Flow{"PathSizeZero",
                           [](auto& r) {
                               r.setValue(kHKeyLocalMachine, kMsinfoKey, "PATH", platform::kRegSz,
                                          {});
                               setFolder(r, kFolder);
                           },
                           {kFolderTool},
                           {},
                           {},
                           false,
                           true},
                      Flow{"FolderWithTheTool",
                           [](auto& r) { setFolder(r, kFolder); },
                           {kFolderTool},
                           {{kFolderTool, platform::kNormalFocus}},
                           {kFolderTool},
                           true,
                           false},
                      Flow{"FolderWithoutTheTool",
                           [](auto& r) { setFolder(r, kFolder); },
                           {},
                           {},
                           {kFolderTool},
                           true,
                           true},
                      Flow{"PathValueMissingFallsBackToFolder",
                           [](auto& r) {
                               r.setString(kHKeyLocalMachine, kMsinfoKey, "Other", kTool);
                               setFolder(r, kFolder);
                           },
                           {kFolderTool},
                           {{kFolderTool, platform::kNormalFocus}},
                           {kFolderTool},
                           true,
                           false},
                      Flow{"PathTooLongFallsBackToFolder",
                           [](auto& r) {
                               setPath(r, std::string(1024, 'p'));
                               setFolder(r, kFolder);
                           },
                           {kFolderTool},
                           {{kFolderTool, platform::kNormalFocus}},
                           {kFolderTool},
                           true,
                           false},
                      Flow{"FolderSizeZero",
                           [](auto& r) {
                               r.setValue(kHKeyLocalMachine, kLocationKey, "MSINFO",
                                          platform::kRegSz, {});
                           },
                           {kFolderTool},
                           {},
                           {},
                           true,
                           true},
                      Flow{"NeitherKey", [](auto&) {}, {kTool}, {}, {}, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartSysInfoFixture, RepeatsBothLookupsOnEveryCall) {
    launcher.StartSysInfo();
    EXPECT_EQ(unavailableMessages(), 1u);

    setPath(registry, kTool);
    programs.installed = {kTool};
    launcher.StartSysInfo();
    EXPECT_EQ(programs.attempts, (std::vector<Attempt>{{kTool, platform::kNormalFocus}}));
    EXPECT_EQ(unavailableMessages(), 1u);
}

// A launcher that fails with something other than a launch error.
class ThrowingLauncher : public platform::ProgramLauncher {
  public:
    void launch(const std::string&, int) override { throw std::bad_alloc(); }
};

TEST(StartSysInfo, AnyErrorOnTheWayEndsInTheMessage) {
    platform::InMemoryRegistry registry;
    setPath(registry, kTool);
    testing::FakeFileSystem files;
    ThrowingLauncher programs;
    testing::RecordingMessageBoxes messages;
    SysInfoLauncher launcher{registry, files, programs, messages};
    EXPECT_NO_THROW(launcher.StartSysInfo());
    EXPECT_EQ(messages.shown, (std::vector<testing::RecordingMessageBoxes::Shown>{
                                  {kUnavailableMessage, platform::kOkOnly, ""}}));
}

}  // namespace
}  // namespace sysinfo
