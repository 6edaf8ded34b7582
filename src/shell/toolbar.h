#pragma once
// One of the two toolbars of the main window: the large `pnlTB` or the
// small `pnlTB1`. Both hold the same ten buttons and four separators; the
// buttons the program does not offer are built but stay hidden, so the
// enabling rules can treat both toolbars alike.
#include <QString>
#include <array>

class QFrame;
class QToolButton;
class QWidget;

namespace vantrel {

enum class ToolButton { New, Open, Restart, Save, Undo, Redo, AutoPlay, Stat, Rules, Exit };
inline constexpr int ToolButtonCount = 10;

struct Toolbar {
    // Builds the panel and its buttons as children of `parent`.
    Toolbar(QWidget* parent, bool large);

    bool large;
    QFrame* panel;
    std::array<QToolButton*, ToolButtonCount> buttons{};
    std::array<QFrame*, 4> separators{};  // `sep_tb_large_1` … / `sep_tb_small_1` …

    QToolButton* button(ToolButton b) const { return buttons[static_cast<int>(b)]; }

    // Pictures from the picture library ("TB_NEW", or "TB_NEW_LARGE" on the
    // large toolbar); a button without a picture shows its hint as text.
    void loadPictures();
    // The small autoplay button shows its own picture when disabled.
    void setAutoplayEnabled(bool enabled);
    void setFlat(bool flat);
    void showHints(bool show);
    // Heights, separators and the button tops of the button geometry;
    // `buttonTop` is 1 when only the small toolbar shows, else 2.
    void applyGeometry(bool flat, int width, int buttonTop);

    // The hint of a button: "New", "Open", … "Exit".
    static QString hint(ToolButton b);
};

}  // namespace vantrel
