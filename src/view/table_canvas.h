#pragma once
// The pictures through which all table painting goes: the window image the
// table widget shows, the table picture (background plus every card, in the
// table's own Y, i.e. window Y plus the scroll position), the drag picture,
// and the background without cards (same coordinates), painted on demand.
#include <QImage>
#include <QRect>
#include <functional>
#include <optional>

#include "view/background_look.h"

namespace vantrel {

enum class Target { Window, Table };

class TableCanvas {
public:
    static constexpr QImage::Format Format = QImage::Format_RGB32;

    QImage window;
    QImage table;
    QImage drag;
    BackgroundLook background;

    // Position of the main vertical scroll bar; the table picture and the
    // background are addressed with it added to window Y.
    int scroll = 0;
    bool scrollBarVisible = false;
    // Largest bottom edge (table Y) of any card or mark drawn since the
    // last full redraw.
    int bottomTracker = 0;

    // The drag picture's last place on the window; empty before a drag.
    QRect dragRect;
    bool dragShadowShown = false;
    // The bottom card of the block the drag picture shows and how many
    // cards it holds; 0 once it has landed.
    int dragCard = 0;
    int dragCards = 0;
    // A card rectangle shown by the right-button peek, to be taken back.
    std::optional<QRect> peekRect;

    // Told about every window area that changed, so the widget repaints it.
    std::function<void(const QRect&)> windowChanged;
    // Paints a window area on the screen at once: animations block the
    // event loop, so a later repaint would come too late.
    std::function<void(const QRect&)> paintNow;

    // The window picture takes `window`; the table picture and the
    // background `table`, at least the window's size. A picture whose size
    // is unchanged keeps what it shows; a new one, and the background with
    // a new table picture, are black.
    struct Resized {
        bool window = false;
        bool table = false;
    };
    Resized resize(QSize window, QSize table);

    QImage& surface(Target t) { return t == Target::Window ? window : table; }
    // What a window Y becomes on the target.
    int dy(Target t) const { return t == Target::Window ? 0 : scroll; }
    void noteWindow(const QRect& r) {
        if (r.isEmpty()) return;
        unpainted |= r;
        if (windowChanged) windowChanged(r);
    }
    // Everything changed since the last call reaches the screen now.
    void flush();
    void noteBottom(int windowY, int height);
    // A window rectangle as it lies on the table picture / background.
    QRect onTable(const QRect& windowRect) const { return windowRect.translated(0, scroll); }

private:
    QRect unpainted;  // window area not yet painted by `paintNow`
};

// Plain copy of `from` (in `src`) to `to` in `dst`, clipped to both
// pictures. Both must be 32-bit pictures.
void copyRect(QImage& dst, QPoint to, const QImage& src, QRect from);

}  // namespace vantrel
