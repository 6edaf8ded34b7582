#include "shell/font_warm_up.h"

#include <dlfcn.h>

#include "shell/helper_priority.h"

namespace vantrel {

// The toolkit's own font library is already loaded with it; looked up by
// name so that a toolkit built without it simply skips the warm-up.
FontWarmUp::FontWarmUp() {
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init) return;
    thread_ = std::jthread([init] {
        RunHelperAtIdlePriority();
        init();
    });
}

}  // namespace vantrel
