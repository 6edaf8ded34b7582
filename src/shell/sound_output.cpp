#include "shell/sound_output.h"

#include "shell/sound_device_qt.h"

namespace vantrel {

std::unique_ptr<SoundDevice> makeSoundDevice() { return std::make_unique<SoundDeviceQt>(); }

}  // namespace vantrel
