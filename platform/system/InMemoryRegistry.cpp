// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "InMemoryRegistry.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace platform {
namespace {

std::string folded(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    });
    return name;
}

}  // namespace

void InMemoryRegistry::setValue(std::int32_t root, const std::string& keyPath,
                                const std::string& valueName, std::uint32_t type,
                                std::vector<std::uint8_t> data) {
    keys_[{rootHandle(root), folded(keyPath)}][folded(valueName)] = Value{type, std::move(data)};
}

void InMemoryRegistry::setString(std::int32_t root, const std::string& keyPath,
                                 const std::string& valueName, const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    setValue(root, keyPath, valueName, kRegSz, std::move(data));
}

void InMemoryRegistry::removeValue(std::int32_t root, const std::string& keyPath,
                                   const std::string& valueName) {
    const auto key = keys_.find({rootHandle(root), folded(keyPath)});
    if (key == keys_.end()) return;
    key->second.erase(folded(valueName));
    if (key->second.empty()) keys_.erase(key);
}

std::int32_t InMemoryRegistry::RegOpenKeyExA(KeyHandle key, const std::string& subKey,
                                             std::uint32_t options, std::uint32_t access,
                                             KeyHandle* result) {
    std::ostringstream line;
    line << "open " << subKey << " options=" << options << " access=0x" << std::hex
         << std::uppercase << access;
    log_.push_back(line.str());

    const KeyId id{key, folded(subKey)};
    if (!keys_.contains(id)) return kErrorFileNotFound;
    *result = nextHandle_++;
    open_[*result] = id;
    return kErrorSuccess;
}

std::int32_t InMemoryRegistry::RegQueryValueExA(KeyHandle key, const std::string& valueName,
                                                std::uint32_t* type, std::uint8_t* data,
                                                std::uint32_t* size) {
    log_.push_back("query " + valueName + " size=" + std::to_string(*size));
    const auto handle = open_.find(key);
    if (handle == open_.end()) return kErrorInvalidHandle;
    // The key may have lost its last value since it was opened.
    const auto values = keys_.find(handle->second);
    if (values == keys_.end()) return kErrorFileNotFound;
    const auto value = values->second.find(folded(valueName));
    if (value == values->second.end()) return kErrorFileNotFound;

    const std::vector<std::uint8_t>& bytes = value->second.data;
    const bool fits = bytes.size() <= *size;
    *size = static_cast<std::uint32_t>(bytes.size());
    if (!fits) return kErrorMoreData;
    if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
    *type = value->second.type;
    return kErrorSuccess;
}

std::int32_t InMemoryRegistry::RegCloseKey(KeyHandle key) {
    const auto handle = open_.find(key);
    log_.push_back(handle == open_.end() ? "close <invalid>" : "close");
    if (handle == open_.end()) return kErrorInvalidHandle;
    open_.erase(handle);
    return kErrorSuccess;
}

}  // namespace platform
