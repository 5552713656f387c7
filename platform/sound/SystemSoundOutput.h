#pragma once

#include <memory>

#include "SoundOutput.h"

namespace platform {

// The system's sound output: the sound server's on Linux; elsewhere one that never opens.
std::unique_ptr<SoundOutput> systemSoundOutput();

}  // namespace platform
