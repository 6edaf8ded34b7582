#include "startup.h"

#include "ciselny.h"
#include "dialogs.h"

namespace iq {

StartedWindows Main(QSize screen, const std::function<void()>& endProgram)
{
    StartedWindows windows;
    windows.ciselny = std::make_unique<Ciselny>();
    Ciselny& test = *windows.ciselny;
    test.endProgram = endProgram;
    const int w = screen.width();
    const int h = screen.height();
    if (w < 800) {
        windows.frmrozliseni.reset(makeFrmrozliseni(nullptr, endProgram));
        windows.frmrozliseni->show();
    } else {
        windows.cerna = std::make_unique<Cerna>(&test);
        windows.cerna->setGeometry(0, 0, w, h);
        windows.cerna->show();
        test.setCover(windows.cerna.get());
        if (w == 800)
            test.move(0, 0);  // the window fills such a screen on its own
        else
            test.move((w - test.width()) / 2, (h - test.height()) / 2);
    }
    test.show();
    if (windows.frmrozliseni) {
        // The error must not hide behind the test window.
        windows.frmrozliseni->raise();
        windows.frmrozliseni->activateWindow();
    } else {
        test.raise();
        test.activateWindow();
    }
    return windows;
}

}  // namespace iq
