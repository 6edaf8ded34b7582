#pragma once
// Wave files through the sound server's simple playback API, opened with
// dlopen at the first sound: the client library and its codecs stay out of
// the program until then, and without it nothing plays. One sound plays at
// a time: a new sound replaces the one playing.
#include <atomic>
#include <optional>
#include <string>
#include <thread>

#include "engine/sounds.h"

namespace vantrel {

// A PCM wave file: its sample layout and samples.
struct Wave {
    int bits = 0;  // 8, 16, 24 or 32
    bool floating = false;
    int channels = 0;
    unsigned rate = 0;
    std::string samples;

    int durationMs() const;
};

// The wave in `file`; nothing when it is not a PCM wave file.
std::optional<Wave> readWave(const std::string& file);

class SoundDevicePulse : public SoundDevice {
public:
    // The longest a waited-for sound may hold the program.
    static constexpr int MaxWaitMs = 30000;

    SoundDevicePulse();
    ~SoundDevicePulse() override;
    SoundDevicePulse(const SoundDevicePulse&) = delete;
    SoundDevicePulse& operator=(const SoundDevicePulse&) = delete;

    void play(const std::string& path, SoundPlay how) override;
    void stop() override;

    // The file a sound path names: '\' separators and the case of each
    // component as on disk; a name without extension is tried with ".wav".
    // Nothing when neither exists.
    static std::optional<std::string> soundFile(const std::string& path);

private:
    std::thread player_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> done_{true};
    std::atomic<bool> noLibrary_{false};  // found missing by the first sound
};

}  // namespace vantrel
