#pragma once

#include <thread>

class QWidget;

namespace vantrel {

// Makes a shown window's picture memory now and has its pages faulted in
// on a second core: the first paint would otherwise fault them in one by
// one on its way to the screen (most of its time). Only page tables are
// touched, never the pixels, so the window may paint meanwhile. Joined
// when destroyed.
class WindowMemoryWarmUp {
public:
    explicit WindowMemoryWarmUp(QWidget& window);
    ~WindowMemoryWarmUp();
    WindowMemoryWarmUp(const WindowMemoryWarmUp&) = delete;
    WindowMemoryWarmUp& operator=(const WindowMemoryWarmUp&) = delete;

private:
    std::thread thread_;
};

}  // namespace vantrel
