#include "shell/window_memory_warm_up.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

#include "shell/helper_priority.h"

namespace vantrel {

WindowMemoryWarmUp::WindowMemoryWarmUp(QWidget& window) {
#ifdef MADV_POPULATE_WRITE
    QBackingStore* store = window.backingStore();
    if (!store) return;
    // The size the first paint asks for: then it keeps this memory.
    store->resize(window.size());
    const auto* picture = dynamic_cast<const QImage*>(store->paintDevice());
    if (!picture || picture->isNull()) return;
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<uintptr_t>(picture->constBits()) & ~(page - 1);
    const auto end = reinterpret_cast<uintptr_t>(picture->constBits()) + static_cast<uintptr_t>(picture->sizeInBytes());
    // A kernel without it refuses; memory unmapped meanwhile is refused too.
    thread_ = std::jthread([start, end] {
        RunHelperAtIdlePriority();
        ::madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
    });
#else
    (void)window;
#endif
}

}  // namespace vantrel
