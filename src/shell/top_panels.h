#pragma once
// The panels of the main window around the table: the two toolbar panels
// (only one shown), the time and score panels at the toolbar's right end,
// the two separator strips under it, the status panel and the pile-size
// panel. Placement only; the commands on the toolbars come from the
// window's command set.
#include <QString>

#include "engine/top_bar.h"
#include "shell/toolbar.h"

class QLabel;
class QToolButton;
class QWidget;
class QFrame;

namespace vantrel {

struct TopPanels {
    // Builds every panel as a child of `table` (the window's table area).
    explicit TopPanels(QWidget* table);

    Toolbar largeBar;
    Toolbar smallBar;
    QFrame* pnlTB;   // large toolbar
    QFrame* pnlTB1;  // small toolbar
    QFrame* pnlTempo;
    QLabel* lblTempo;
    QFrame* pnlScore;
    QLabel* lblScore;
    QFrame* pnlLineaGrigia;
    QFrame* pnlLineaNera;
    QFrame* pnlStatusBar;
    QFrame* pnl_sb_giocatori;
    QFrame* pnl_sb_livello;
    QFrame* pnlPilesSize;

    bool large = false;
    bool flat = true;

    // Button pictures from the picture library, once it is loaded.
    void loadPictures();
    // Toolbar size and button style, then the button geometry.
    void setLarge(bool on);
    void setFlat(bool on);
    void applyButtonGeometry();
    // Hints on all buttons of both toolbars.
    void showHints(bool show);
    // The same button on both toolbars.
    std::array<QToolButton*, 2> both(ToolButton b) const { return {largeBar.button(b), smallBar.button(b)}; }

    QFrame* visibleToolbar() const { return large ? pnlTB : pnlTB1; }
    TopBarMetrics metrics(int windowWidth) const;
    void apply(const TopBarPlacement& placement);
    // Status panel along the bottom of the table area.
    void placeStatusBar(int width, int height);
};

}  // namespace vantrel
