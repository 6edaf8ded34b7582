#pragma once
// What the table drawing needs from the main window and the program's
// services: picture files, one preference, the display, sound and waiting.
#include <QImage>
#include <string>
#include <string_view>

#include "model/messages.h"

namespace vantrel {

class DrawingHost : public Messages {
public:
    // `Images\` + name + ".bmp" under the program folder (a name with a
    // folder is used as it is). A missing file is fatal: the host shows its
    // message and ends the program, so a null picture means "draw nothing".
    virtual QImage loadPictureFile(std::string_view name) = 0;
    // A picture of the registered picture library; null when it has none.
    virtual QImage loadResourcePicture(std::string_view name) = 0;
    // The key `Customized_Background` of section `Preference`.
    virtual std::string customizedBackground() = 0;
    // More than 256 colours on the screen.
    virtual bool richColour() const = 0;
    virtual void playSound(std::string_view name) = 0;
    virtual void busyWait(int milliseconds) = 0;
    // The main scroll bar moved (a full redraw sets it to 0).
    virtual void scrollTo(int position) = 0;
};

}  // namespace vantrel
