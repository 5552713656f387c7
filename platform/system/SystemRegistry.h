// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <memory>

#include "Registry.h"

namespace platform {

// The registry of the machine the program runs on: the real one on Windows, the Linux view
// elsewhere.
std::unique_ptr<Registry> makeSystemRegistry();

}  // namespace platform
