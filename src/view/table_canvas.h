#pragma once
// The pictures through which all table painting goes: the table picture
// (background plus every card, in the table's own Y, i.e. window Y plus the
// scroll position), the overlay (the window picture, alive only while
// something is drawn over the table: drag picture, flight, peek, deal), and
// the background without cards (same coordinates), painted on demand. Without an overlay the widget shows the table picture
// from the scroll position, so no second window-sized picture is kept.
#include <QImage>
#include <algorithm>
#include <QRect>
#include <functional>
#include <optional>

#include "view/background_look.h"

namespace vantrel {

enum class Target { Window, Table };

class TableCanvas {
public:
    static constexpr QImage::Format Format = QImage::Format_RGB32;

    QImage table;
    BackgroundLook background;

    // Position of the main vertical scroll bar; the table picture and the
    // background are addressed with it added to window Y.
    int scroll = 0;
    bool scrollBarVisible = false;
    // Largest bottom edge (table Y) of any card or mark drawn since the
    // last full redraw.
    int bottomTracker = 0;

    // A card rectangle shown by the right-button peek, to be taken back.
    std::optional<QRect> peekRect;

    // Told about every window area that changed, so the widget repaints it.
    std::function<void(const QRect&)> windowChanged;
    // Paints a window area on the screen at once: animations block the
    // event loop, so a later repaint would come too late.
    std::function<void(const QRect&)> paintNow;

    // The window takes `window`; the table picture and the background
    // `table`, at least the window's size. A picture whose size is unchanged
    // keeps what it shows; a new one, and the background with a new table
    // picture, are black.
    struct Resized {
        bool window = false;
        bool table = false;
    };
    // `fullHeight` is the height the table picture stands for when it keeps
    // only the window's part of the table (0: its own height).
    Resized resize(QSize window, QSize table, int fullHeight = 0);
    // The height a fade is measured on: the whole table's, even when only the
    // window's part of it is kept, so the fade looks the same either way.
    int fadeBaseHeight() const { return std::max(table.height(), fullHeight_); }
    int fullHeight() const { return fullHeight_; }

    QSize windowSize() const { return windowSize_; }
    QRect windowRect() const { return QRect(QPoint(0, 0), windowSize_); }

    // The window picture, made from the table picture if there is none:
    // for whoever draws over the table.
    QImage& overlay();
    bool hasOverlay() const { return !overlay_.isNull(); }
    // Keeps the overlay while a flight or a deal runs.
    class Hold {
    public:
        explicit Hold(TableCanvas& c) : c_(c) { ++c_.holds_; }
        ~Hold() { --c_.holds_; c_.settle(); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        TableCanvas& c_;
    };
    // Told by the drag picture whether it is shown on the window.
    void keepOverlayForDrag(bool shown) { dragShown_ = shown; }
    // Lets the overlay go once nothing is over the table any more (no drag
    // picture, no peek, no hold); the areas it showed are repainted.
    void settle();
    // What the widget paints from and the Y on it of the window's top.
    const QImage& shownPicture() const { return hasOverlay() ? overlay_ : table; }
    int shownDy() const { return hasOverlay() ? 0 : scroll; }
    // A copy of what the window shows.
    QImage shown() const;

    // Window drawing goes to the overlay; without one it does nothing, as
    // the table picture it is drawn on too is what the window shows.
    QImage& surface(Target t) { return t == Target::Window ? overlay_ : table; }
    // What a window Y becomes on the target.
    int dy(Target t) const { return t == Target::Window ? 0 : scroll; }
    void noteWindow(const QRect& r) {
        if (r.isEmpty()) return;
        unpainted |= r;
        if (hasOverlay()) overlaid_ |= r;
        if (windowChanged) windowChanged(r);
    }
    // Everything changed since the last call reaches the screen now.
    void flush();
    void noteBottom(int windowY, int height);
    // A window rectangle as it lies on the table picture / background.
    QRect onTable(const QRect& windowRect) const { return windowRect.translated(0, scroll); }

private:
    QRect unpainted;  // window area not yet painted by `paintNow`
    QSize windowSize_;
    int fullHeight_ = 0;
    QImage overlay_;
    QRect overlaid_;  // window area drawn while the overlay lived
    int holds_ = 0;
    bool dragShown_ = false;
};

// Plain copy of `from` (in `src`) to `to` in `dst`, clipped to both
// pictures. Both must be 32-bit pictures.
void copyRect(QImage& dst, QPoint to, const QImage& src, QRect from);

}  // namespace vantrel
