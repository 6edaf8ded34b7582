#pragma once

#include <thread>

class QWidget;

namespace vantrel {

// Makes a shown window's picture memory now and has its pages faulted in
// on a second core: the first paint would otherwise fault them in one by
// one on its way to the screen (most of its time). Only page tables are
// touched, never the pixels, so the window may paint meanwhile.
class WindowMemoryWarmUp {
public:
    explicit WindowMemoryWarmUp(QWidget& window);

private:
    std::jthread thread_;  // joined when destroyed
};

}  // namespace vantrel
