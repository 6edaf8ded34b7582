#include "engine/sounds.h"

namespace vantrel {

std::string Sounds::soundPath(std::string_view name) const {
    return state_.read(field::Program_Folder) + "SOUNDS\\" + std::string(name);
}

void Sounds::playIfAllowed(std::string_view name, bool eventSwitch, SoundPlay how) {
    if (!eventSwitch || !state_.flag(field::Sounds_Enabled)) return;
    device_.play(soundPath(name), how);
}

void Sounds::PlaySoundAsync(std::string_view name, bool eventSwitch) {
    playIfAllowed(name, eventSwitch, SoundPlay::Async);
}

void Sounds::PlaySoundWait(std::string_view name, bool eventSwitch) {
    playIfAllowed(name, eventSwitch, SoundPlay::Wait);
}

void Sounds::PlaySoundLoop(std::string_view name, bool eventSwitch) {
    playIfAllowed(name, eventSwitch, SoundPlay::Loop);
}

void Sounds::StopSound() {
    if (state_.flag(field::Sounds_Enabled)) device_.stop();
}

void Sounds::play(const SoundEvent& event) { playIfAllowed(event.name, state_.flag(event.sw), event.how); }

}  // namespace vantrel
