#pragma once
// The winning animation on the main window: cards of random faces scattered
// or swept in rows over the table. It handles input while it waits, and a
// key or button press anywhere ends it and goes no further.
#include <QObject>
#include <functional>

namespace vantrel {

class MainWindow;
class RandomSource;

// Waits `milliseconds` on the monotonic clock, handling the window's
// events meanwhile; ends early once `going` turns false.
void WaitHandlingInput(int milliseconds, const std::function<bool()>& going = {});

class WinningAnimation : public QObject {
public:
    WinningAnimation(MainWindow& window, RandomSource& random) : w_(window), random_(random) {}

    // Kind 1 (scattered) or 2 (rows), only when `Winning_Animation` is "Y".
    // Returns when the last card is drawn, a key or button was pressed, or
    // the window was asked to close (it then closes); the number of cards
    // drawn.
    int run(int kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& w_;
    RandomSource& random_;
};

}  // namespace vantrel
