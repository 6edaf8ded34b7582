#pragma once
// The program's sound output.
#include <memory>

#include "engine/sounds.h"

namespace vantrel {

// The audio backend starts at the first sound played, not before: opening
// it costs the start-up time and memory, and many players never hear one.
std::unique_ptr<SoundDevice> makeSoundDevice();

}  // namespace vantrel
