#include "shell/sound_output.h"

namespace vantrel {

namespace {
// Plays nothing: the program stays silent until a sound device is wired in.
class SilentDevice : public SoundDevice {
public:
    void play(const std::string&, SoundPlay) override {}
    void stop() override {}
};
}  // namespace

std::unique_ptr<SoundDevice> makeSoundDevice() { return std::make_unique<SilentDevice>(); }

}  // namespace vantrel
