#pragma once
// Game event sounds: a wave file from the program's "SOUNDS\" folder plays
// only when the master switch `Sounds_Enabled` and the event's own switch
// are both "Y". The platform side sits behind `SoundDevice`.
#include <string>
#include <string_view>

#include "model/state_record.h"

namespace vantrel {

enum class SoundPlay { Async, Wait, Loop };

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // `path` is the program folder + "SOUNDS\" + the sound name, unchanged;
    // a missing file plays nothing and reports nothing.
    virtual void play(const std::string& path, SoundPlay how) = 0;
    virtual void stop() = 0;
};

// One row of the event table: the sound name and the switch that allows it.
struct SoundEvent {
    std::string_view name;
    Field sw;
    SoundPlay how;
};

namespace sound {
inline constexpr SoundEvent NewGame{"New", field::Sounds_NewGame, SoundPlay::Wait};
inline constexpr SoundEvent About{"About.wav", field::Sounds_About, SoundPlay::Async};
inline constexpr SoundEvent GameWon{"Won", field::Sounds_GameWon, SoundPlay::Async};
inline constexpr SoundEvent CardUp{"card_up.wav", field::Sounds_CardUp, SoundPlay::Async};
inline constexpr SoundEvent CardDown{"card_down.wav", field::Sounds_CardDown, SoundPlay::Async};
inline constexpr SoundEvent FaceUp{"Face_up", field::Sounds_FaceUp, SoundPlay::Async};
inline constexpr SoundEvent Foundation{"Foundation.wav", field::Sounds_Foundation, SoundPlay::Async};
inline constexpr SoundEvent Autoplay{"Autoplay.wav", field::Sounds_Autoplay, SoundPlay::Async};
inline constexpr SoundEvent Eddy{"Eddy.wav", field::Sounds_Foundation, SoundPlay::Async};
inline constexpr SoundEvent Tableau{"Tableau", field::Sounds_Tableau, SoundPlay::Async};
inline constexpr SoundEvent Stock{"Stock", field::Sounds_Stock, SoundPlay::Async};
inline constexpr SoundEvent Redeal{"Redeal", field::Sounds_Redeal, SoundPlay::Loop};
inline constexpr SoundEvent Pairing{"Pairing", field::Sounds_Pairing, SoundPlay::Async};
inline constexpr SoundEvent Shuffle{"Shuffle", field::Sounds_Shuffle, SoundPlay::Async};
inline constexpr SoundEvent MonteCarloSlide{"Shuffle", field::Sounds_Tableau, SoundPlay::Async};
inline constexpr SoundEvent DealAnimation{"Shuffle", field::Sounds_Shuffle, SoundPlay::Loop};
// The splash sound's switch lives only in the preference file.
inline constexpr std::string_view SplashName = "Splash";
}  // namespace sound

class Sounds {
public:
    Sounds(const StateRecord& state, SoundDevice& device) : state_(state), device_(device) {}

    void PlaySoundAsync(std::string_view name, bool eventSwitch);
    void PlaySoundWait(std::string_view name, bool eventSwitch);
    void PlaySoundLoop(std::string_view name, bool eventSwitch);
    void StopSound();

    // Plays an event of the table with its own switch from the state record.
    void play(const SoundEvent& event);

    std::string soundPath(std::string_view name) const;

private:
    void playIfAllowed(std::string_view name, bool eventSwitch, SoundPlay how);
    const StateRecord& state_;
    SoundDevice& device_;
};

}  // namespace vantrel
