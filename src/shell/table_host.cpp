#include "shell/table_host.h"

#include "engine/sounds.h"
#include "engine/start_game_host.h"
#include "model/game.h"
#include "shell/core/ini_store.h"
#include "shell/core/preference_keys.h"
#include "shell/file_services.h"
#include "shell/main_window.h"
#include "shell/prompts.h"
#include "shell/resource_library.h"

namespace vantrel {

QImage TableHost::loadPictureFile(std::string_view name) {
    return LoadPictureFile(w_.game().state, name, w_.fatal(), this);
}

QImage TableHost::loadResourcePicture(std::string_view name) {
    QImage prefetched = prefetch_.take(name);
    return prefetched.isNull() ? LoadResourcePicture(name) : prefetched;
}

std::string TableHost::customizedBackground() {
    return w_.prefs().getString(pref::Preference, "Customized_Background", "");
}

bool TableHost::richColour() const { return !w_.lowColourDisplay(); }

void TableHost::playSound(std::string_view name) {
    if (sounds_ != nullptr) sounds_->PlaySoundAsync(name, true);
}

void TableHost::busyWait(int milliseconds) { waits_.busyWait(milliseconds); }

void TableHost::scrollTo(int position) {
    if (scrollTo_) scrollTo_(position);
}

void TableHost::infoBox(std::string_view text) { w_.prompts().info(text); }

}  // namespace vantrel
