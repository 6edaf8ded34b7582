#include "shell/sound_output.h"

#include "shell/sound_device_qt.h"

namespace vantrel {

namespace {

class OpenedOnFirstSound : public SoundDevice {
public:
    void play(const std::string& path, SoundPlay how) override {
        // A missing file plays nothing: no reason to open the backend for it.
        if (!device_ && !SoundDeviceQt::soundFile(path)) return;
        if (!device_) device_ = std::make_unique<SoundDeviceQt>();
        device_->play(path, how);
    }
    void stop() override {
        if (device_) device_->stop();
    }

private:
    std::unique_ptr<SoundDeviceQt> device_;
};

}  // namespace

std::unique_ptr<SoundDevice> makeSoundDevice() { return std::make_unique<OpenedOnFirstSound>(); }

}  // namespace vantrel
