#pragma once
// The window shown while the program comes up: the splash picture and
// "Freeware version".
#include <QWidget>

class QLabel;

namespace vantrel {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);
    // Shows it centred on the screen and paints it at once.
    void showNow();

private:
    QLabel* imgFreeware_;
    QLabel* lblFreeware_;
};

}  // namespace vantrel
