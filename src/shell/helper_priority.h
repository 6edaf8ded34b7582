#pragma once

namespace vantrel {

// Called first in a start-up helper thread: it then runs only on a core
// that nothing else wants. On two cores the display server and the main
// thread would otherwise wait for it just while the first window is taken
// in; what the helper prepares is merely ready sooner.
void RunHelperAtIdlePriority();

}  // namespace vantrel
