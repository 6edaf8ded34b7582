#include "shell/font_warm_up.h"

#include <dlfcn.h>

namespace vantrel {

// The toolkit's own font library is already loaded with it; looked up by
// name so that a toolkit built without it simply skips the warm-up.
FontWarmUp::FontWarmUp() {
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"))) thread_ = std::jthread(init);
}

}  // namespace vantrel
