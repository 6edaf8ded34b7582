#pragma once
// Start-up: the screen check, the black cover and the placing of the test window.

#include "ciselny.h"
#include "dialogs.h"

#include <QSize>
#include <functional>
#include <memory>

namespace iq {

struct StartedWindows {
    std::unique_ptr<Ciselny> ciselny;
    std::unique_ptr<Cerna> cerna;            // only on screens at least 800 pixels wide
    std::unique_ptr<MessageWindow> frmrozliseni;  // only on narrower screens
};

// Shows the windows for a screen of the given size. `endProgram` is what the
// error window's "Ok" and the quit confirmation run.
StartedWindows Main(QSize screen, const std::function<void()>& endProgram);

}  // namespace iq
