#pragma once

#include <thread>

namespace vantrel {

// Loads the font configuration (every configuration file and font cache
// of the system) on a second core while the display connection is made.
// The load is process-wide and done once: when the toolkit asks for it at
// the first text, it is already there.
class FontWarmUp {
public:
    FontWarmUp();

private:
    std::jthread thread_;  // joined when destroyed
};

}  // namespace vantrel
