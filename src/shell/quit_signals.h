#pragma once
// SIGTERM and SIGINT (the desktop logging out, Ctrl+C in a terminal) turn
// into a call in the event loop, so the program can close in order and
// keep its settings. A second signal before that ends the program at once.
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace vantrel {

class QuitSignals : public QObject {
public:
    // Installs the handlers; one instance at a time.
    explicit QuitSignals(std::function<void(int signal)> onSignal, QObject* parent = nullptr);
    ~QuitSignals() override;  // the default handlers again

private:
    void readSignal();

    std::function<void(int)> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vantrel
