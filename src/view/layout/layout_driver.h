#pragma once
// What the main window hands the layout: its own size, the bars above the
// table and the screen. The window measures; this decides.
#include "view/layout/layout.h"

namespace vantrel {

struct Game;
class StateRecord;

struct WindowMetrics {
    struct Bar {
        bool visible = false;
        int top = 0;
        int height = 0;
    };
    int windowWidth = 0;
    int scrollBarWidth = 0;  // the main vertical scroll bar
    int winH = 0;            // outer height of the main window
    int clientHeight = 0;
    int screenW = 0;
    int screenH = 0;
    int scrollPosition = 0;
    // Checked in this order; the first visible one ends where the table starts.
    Bar demoPanel, largeToolbar, smallToolbar;
};

// Width less the scroll bar, the window height as reference height, the
// bottom of the client area, the top below the first visible bar (5 when
// none), the shadow depth and card size from the state record.
LayoutArea layoutArea(const StateRecord& state, const WindowMetrics& window);

// Runs the layout for the current game into its pile positions.
LayoutResult LayoutDriver(Game& game, const WindowMetrics& window);

}  // namespace vantrel
