#include "shell/quit_signals.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vantrel {

namespace {

int wakeUp[2] = {-1, -1};  // [0] written by the handler, [1] read by the event loop
constexpr int Handled[] = {SIGTERM, SIGINT};

void setHandler(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}

// Only async-signal-safe calls here.
void onSignal(int signal) {
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(wakeUp[0], &number, 1);
    setHandler(signal, SIG_DFL);  // a second one is not asked twice
}

}  // namespace

QuitSignals::QuitSignals(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeUp) != 0) return;  // signals keep their default
    ::fcntl(wakeUp[0], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readSignal(); });
    for (int s : Handled) setHandler(s, vantrel::onSignal);
}

QuitSignals::~QuitSignals() {
    for (int s : Handled) setHandler(s, SIG_DFL);
    if (wakeUp[0] >= 0) {
        ::close(wakeUp[0]);
        ::close(wakeUp[1]);
        wakeUp[0] = wakeUp[1] = -1;
    }
}

void QuitSignals::readSignal() {
    unsigned char number = 0;
    if (::read(wakeUp[1], &number, 1) == 1 && onSignal_) onSignal_(number);
}

}  // namespace vantrel
