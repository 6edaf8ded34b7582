#include "shell/sound_output.h"

#include "shell/sound_device_pulse.h"

namespace vantrel {

namespace {

class OpenedOnFirstSound : public SoundDevice {
public:
    void play(const std::string& path, SoundPlay how) override {
        // A missing file plays nothing: no reason to open the backend for it.
        if (!device_ && !SoundDevicePulse::soundFile(path)) return;
        if (!device_) device_ = std::make_unique<SoundDevicePulse>();
        device_->play(path, how);
    }
    void stop() override {
        if (device_) device_->stop();
    }

private:
    std::unique_ptr<SoundDevicePulse> device_;
};

}  // namespace

std::unique_ptr<SoundDevice> makeSoundDevice() { return std::make_unique<OpenedOnFirstSound>(); }

}  // namespace vantrel
