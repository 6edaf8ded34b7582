#pragma once
// The window shown while the program comes up: the splash picture and
// "Freeware version".
#include <QImage>
#include <QWidget>
#include <future>

class QLabel;

namespace vantrel {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // The picture may still be decoding: it is waited for once the window's
    // parts are made.
    explicit SplashWindow(std::future<QImage> picture, QWidget* parent = nullptr);
    // Shows it centred on the screen and paints it at once.
    void showNow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* imgFreeware_;
    QLabel* lblFreeware_;
    bool painted_ = false;
};

}  // namespace vantrel
