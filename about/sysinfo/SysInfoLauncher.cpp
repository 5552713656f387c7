// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "SysInfoLauncher.h"

#include <algorithm>
#include <array>

namespace sysinfo {
namespace {

constexpr const char* kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kSysInfoValue = "PATH";
constexpr const char* kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kSysInfoLocationValue = "MSINFO";
constexpr const char* kSysInfoProgram = "\\MSINFO32.EXE";

// READ_CONTROL with KEY_QUERY_VALUE, KEY_SET_VALUE, KEY_CREATE_SUB_KEY,
// KEY_ENUMERATE_SUB_KEYS, KEY_NOTIFY and KEY_CREATE_LINK.
constexpr std::uint32_t kKeyAccess = 0x2003F;
constexpr std::uint32_t kValueBufferSize = 1024;

// Closes an opened key on every way out of GetKeyValue, the raised error's included.
class OpenKey {
  public:
    OpenKey(platform::Registry& registry, platform::KeyHandle key)
        : registry_(registry), key_(key) {}
    ~OpenKey() { registry_.RegCloseKey(key_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

  private:
    platform::Registry& registry_;
    platform::KeyHandle key_;
};

// A DWORD is four little-endian bytes; shorter data reads as the smaller number it holds and
// longer data contributes its first four bytes only.
std::uint32_t littleEndianDword(const std::uint8_t* data, std::uint32_t size) {
    std::uint32_t number = 0;
    for (std::uint32_t i = std::min<std::uint32_t>(size, 4); i-- > 0;)
        number = number << 8 | data[i];
    return number;
}

}  // namespace

SysInfoLauncher::SysInfoLauncher(platform::Registry& registry, platform::FileSystem& files,
                                 platform::ProgramLauncher& launcher,
                                 platform::MessageBoxes& messages)
    : registry_(registry), files_(files), launcher_(launcher), messages_(messages) {}

void SysInfoLauncher::StartSysInfo() {
    bool started = false;
    try {
        started = launchFromRegistry();
    } catch (...) {
        // Every failure, whatever raised it, is told the same way below.
    }
    if (!started) messages_.show(kUnavailableMessage, platform::kOkOnly, "");
}

bool SysInfoLauncher::launchFromRegistry() {
    std::string SysInfoPath;
    if (!GetKeyValue(platform::kHKeyLocalMachine, kSysInfoKey, kSysInfoValue, SysInfoPath)) {
        if (!GetKeyValue(platform::kHKeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue,
                         SysInfoPath))
            return false;
        const std::string program = SysInfoPath + kSysInfoProgram;
        if (!files_.fileExists(program)) return false;
        SysInfoPath = program;
    }
    launcher_.launch(SysInfoPath, platform::kNormalFocus);
    return true;
}

bool SysInfoLauncher::GetKeyValue(std::int32_t KeyRoot, const std::string& KeyName,
                                  const std::string& SubKeyRef, std::string& KeyVal) {
    platform::KeyHandle hKey = 0;
    if (registry_.RegOpenKeyExA(platform::rootHandle(KeyRoot), KeyName, 0, kKeyAccess, &hKey) !=
        platform::kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenKey openKey(registry_, hKey);

    std::array<std::uint8_t, kValueBufferSize> buffer{};
    std::uint32_t size = kValueBufferSize;
    std::uint32_t type = 0;
    if (registry_.RegQueryValueExA(hKey, SubKeyRef, &type, buffer.data(), &size) !=
        platform::kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    // There is no last byte to test for the terminating zero.
    if (size == 0 || size > kValueBufferSize)
        throw KeyValueError("registry value \"" + SubKeyRef + "\" read with length " +
                            std::to_string(size));
    const std::uint32_t kept = buffer[size - 1] == 0 ? size - 1 : size;

    switch (type) {
        case platform::kRegSz:
            KeyVal.assign(reinterpret_cast<const char*>(buffer.data()), kept);
            break;
        case platform::kRegDword:
            KeyVal = std::to_string(littleEndianDword(buffer.data(), size));
            break;
        default:
            break;
    }
    return true;
}

}  // namespace sysinfo
