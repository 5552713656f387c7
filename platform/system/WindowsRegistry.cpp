// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "WindowsRegistry.h"

#include <windows.h>

#include "SystemRegistry.h"

namespace platform {
namespace {

HKEY toHkey(KeyHandle key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

std::int32_t WindowsRegistry::RegOpenKeyExA(KeyHandle key, const std::string& subKey,
                                            std::uint32_t options, std::uint32_t access,
                                            KeyHandle* result) {
    HKEY opened = nullptr;
    const LONG status = ::RegOpenKeyExA(toHkey(key), subKey.c_str(), options, access, &opened);
    if (status == ERROR_SUCCESS) *result = reinterpret_cast<KeyHandle>(opened);
    return status;
}

std::int32_t WindowsRegistry::RegQueryValueExA(KeyHandle key, const std::string& valueName,
                                               std::uint32_t* type, std::uint8_t* data,
                                               std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD length = *size;
    const LONG status =
        ::RegQueryValueExA(toHkey(key), valueName.c_str(), nullptr, &valueType, data, &length);
    *size = length;
    if (status == ERROR_SUCCESS) *type = valueType;
    return status;
}

std::int32_t WindowsRegistry::RegCloseKey(KeyHandle key) { return ::RegCloseKey(toHkey(key)); }

std::unique_ptr<Registry> makeSystemRegistry() { return std::make_unique<WindowsRegistry>(); }

}  // namespace platform
