#pragma once
// What the table drawing asks of the main window: picture files and
// library pictures through the program's file services, the customized
// background preference, message boxes, the display, sound and waiting.
#include <functional>

#include "shell/picture_prefetch.h"
#include "view/drawing_host.h"

namespace vantrel {

class MainWindow;
class Sounds;
class StartGameHost;

class TableHost : public DrawingHost {
public:
    TableHost(MainWindow& window, StartGameHost& waits, std::function<void(int)> scrollTo)
        : w_(window), waits_(waits), scrollTo_(std::move(scrollTo)) {}

    // Sounds play once the window is given them; silent until then.
    void setSounds(Sounds* sounds) { sounds_ = sounds; }
    // Library pictures that a window about to open will ask for.
    PicturePrefetch& prefetch() { return prefetch_; }

    QImage loadPictureFile(std::string_view name) override;
    QImage loadResourcePicture(std::string_view name) override;
    std::string customizedBackground() override;
    bool richColour() const override;
    void playSound(std::string_view name) override;
    void busyWait(int milliseconds) override;
    void scrollTo(int position) override;
    void infoBox(std::string_view text) override;

private:
    MainWindow& w_;
    StartGameHost& waits_;
    std::function<void(int)> scrollTo_;
    Sounds* sounds_ = nullptr;
    PicturePrefetch prefetch_;
};

}  // namespace vantrel
