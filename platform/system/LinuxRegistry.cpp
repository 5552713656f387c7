// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "LinuxRegistry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <optional>

#include "SystemRegistry.h"

namespace platform {
namespace {

constexpr const char* kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kPathValue = "PATH";
constexpr const char* kDefaultSearchPath = "/usr/local/bin:/usr/bin:/bin";

// In order of preference (see LinuxRegistry.h).
constexpr std::array<const char*, 5> kPrograms{"hardinfo2", "hardinfo", "kinfocenter",
                                               "gnome-system-monitor", "mate-system-monitor"};

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> findInSearchPath(const std::string& program,
                                            const std::string& searchPath) {
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string::npos) end = searchPath.size();
        const std::string folder = searchPath.substr(start, end - start);
        if (!folder.empty() && folder.front() == '/') {
            std::string candidate = folder.back() == '/' ? folder : folder + '/';
            candidate += program;
            if (isExecutableFile(candidate)) return candidate;
        }
        start = end + 1;
    }
    return std::nullopt;
}

}  // namespace

LinuxRegistry::LinuxRegistry(std::string searchPath) : searchPath_(std::move(searchPath)) {}

void LinuxRegistry::refresh() {
    for (const char* program : kPrograms) {
        if (const auto path = findInSearchPath(program, searchPath_)) {
            view_.setString(kHKeyLocalMachine, kMsinfoKey, kPathValue, *path);
            return;
        }
    }
    view_.removeValue(kHKeyLocalMachine, kMsinfoKey, kPathValue);
}

std::int32_t LinuxRegistry::RegOpenKeyExA(KeyHandle key, const std::string& subKey,
                                          std::uint32_t options, std::uint32_t access,
                                          KeyHandle* result) {
    refresh();
    return view_.RegOpenKeyExA(key, subKey, options, access, result);
}

std::int32_t LinuxRegistry::RegQueryValueExA(KeyHandle key, const std::string& valueName,
                                             std::uint32_t* type, std::uint8_t* data,
                                             std::uint32_t* size) {
    return view_.RegQueryValueExA(key, valueName, type, data, size);
}

std::int32_t LinuxRegistry::RegCloseKey(KeyHandle key) { return view_.RegCloseKey(key); }

std::unique_ptr<Registry> makeSystemRegistry() {
    const char* searchPath = std::getenv("PATH");
    return std::make_unique<LinuxRegistry>(searchPath ? searchPath : kDefaultSearchPath);
}

}  // namespace platform
