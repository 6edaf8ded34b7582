#include "shell/helper_priority.h"

#include <pthread.h>
#include <sched.h>

namespace vantrel {

void RunHelperAtIdlePriority() {
#ifdef SCHED_IDLE
    const sched_param none{};
    // Refused, the helper simply keeps the normal priority.
    (void)pthread_setschedparam(pthread_self(), SCHED_IDLE, &none);
#endif
}

}  // namespace vantrel
