// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <memory>

#include "SoundOutput.h"

namespace platform {

// The system's sound output: the sound server's on Linux; elsewhere one that never opens.
std::unique_ptr<SoundOutput> systemSoundOutput();

}  // namespace platform
