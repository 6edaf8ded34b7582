#pragma once
// The program's sound output.
#include <memory>

#include "engine/sounds.h"

namespace vantrel {

std::unique_ptr<SoundDevice> makeSoundDevice();

}  // namespace vantrel
