#pragma once
// Wave files through QSoundEffect. One effect plays at a time: a new sound
// replaces the one playing.
#include <QSoundEffect>
#include <optional>
#include <string>

#include "engine/sounds.h"

namespace vantrel {

class SoundDeviceQt : public SoundDevice {
public:
    // The longest a waited-for sound may hold the program.
    static constexpr int MaxWaitMs = 30000;

    SoundDeviceQt();
    void play(const std::string& path, SoundPlay how) override;
    void stop() override;

    // The file a sound path names: '\' separators and the case of each
    // component as on disk; a name without extension is tried with ".wav".
    // Nothing when neither exists.
    static std::optional<std::string> soundFile(const std::string& path);

private:
    QSoundEffect effect_;
};

}  // namespace vantrel
