// The block of cards that follows the pointer: built from the lifted cards,
// moved by repainting only what it uncovers, with its shadow.
#include <QPainter>
#include <QRegion>
#include <algorithm>

#include "model/card_settings.h"
#include "model/game.h"
#include "view/card_images.h"
#include "view/card_pictures.h"
#include "view/drag_picture.h"
#include "view/pile_drawing.h"
#include "view/table_canvas.h"

namespace vantrel {

namespace {

void blackPixel(QImage& img, int x, int y) {
    if (img.valid(x, y)) reinterpret_cast<QRgb*>(img.scanLine(y))[x] = 0xFF000000;
}

}  // namespace

void DragPicture::buildDragPicture(PileRef ref, int fromIndex) {
    const std::string& pile = game_.piles.pile(ref);
    const int cards = cardCount(pile);
    fromIndex = std::clamp(fromIndex, 0, std::max(0, cards - 1));
    if (cards == 0) {
        buildDragCard(-1);
        return;
    }
    // The block's bounds, from the cards' places in the pile.
    const CardPoint first = piles_.cardPlace(ref, fromIndex);
    QRect bounds(first.x, first.y, images_.width, images_.height);
    for (int k = fromIndex + 1; k < cards; ++k) {
        const CardPoint at = piles_.cardPlace(ref, k);
        bounds |= QRect(at.x, at.y, images_.width, images_.height);
    }
    // Start from the background so the rounded corners show the table.
    QImage& drag = picture_;
    drag = QImage(bounds.size(), TableCanvas::Format);
    drag.fill(Qt::black);
    canvas_.background.paint(drag, QPoint(0, 0), canvas_.onTable(bounds));
    for (int k = fromIndex; k < cards; ++k) {
        const int card = cardAt(pile, k);
        const CardPoint at = piles_.cardPlace(ref, k);
        const QImage* picture = game_.cards.faceUp(card) ? images_.face(card) : &images_.back;
        if (picture == nullptr || picture->isNull()) continue;
        const QImage& src = *picture;
        const QPoint p(at.x - bounds.left(), at.y - bounds.top());
        const CornerPixels c = cornerPixels(QRect(p, src.size()));
        QRgb keep[12];
        for (int i = 0; i < 12; ++i) keep[i] = drag.valid(c.p[i]) ? drag.pixel(c.p[i]) : 0;
        copyRect(drag, p, src, src.rect());
        for (int i = 0; i < 12; ++i)
            if (drag.valid(c.p[i])) drag.setPixel(c.p[i], keep[i]);
    }
    place(QRect());
    shadowShown_ = false;
    card_ = cardAt(pile, fromIndex);
    cards_ = cards - fromIndex;
}

void DragPicture::buildDragCard(int card) {
    const QImage* face = card < 0 ? &images_.back : images_.face(card);
    QImage& drag = picture_;
    drag = QImage(images_.width, images_.height, TableCanvas::Format);
    drag.fill(Qt::black);
    if (face != nullptr && !face->isNull()) copyRect(drag, QPoint(0, 0), *face, face->rect());
    place(QRect());
    shadowShown_ = false;
    card_ = card;
    cards_ = 1;
}

QRect DragPicture::dragShadowArea(const QRect& r) const {
    return QRect(r.left(), r.top(), r.width() + ShadowDepth, r.height() + ShadowDepth);
}

void DragPicture::drawShadowAt(const QRect& r) {
    QImage& w = canvas_.overlay();
    const int right = r.left() + r.width(), bottom = r.top() + r.height();
    if (r.height() > images_.height) {
        // A tall block gets a dithered shadow: cheaper than a picture that
        // long, and it reads as the same shade.
        for (int c = 0; c < 7; ++c)
            for (int y = r.top() + 7 + (c % 2) + (c == 6 ? 2 : 0); y < bottom; y += 2) blackPixel(w, right + c, y);
        for (int row = 0; row < 7; ++row) {
            const int end = right + (row >= 5 ? 4 : 6);
            for (int x = r.left() + 8 + (row % 2) + (row == 6 ? 2 : 0); x < end; x += 2) blackPixel(w, x, bottom + row);
        }
    } else {
        const int depth = ShadowDepth;
        QPainter p(&w);
        p.drawImage(QPoint(right, r.top() + depth - 2), images_.shadowRight);
        p.drawImage(QPoint(r.left() + depth - 1, bottom), images_.shadowBottom);
    }
    blackPixel(w, right - 1, bottom - 2);
    blackPixel(w, right - 2, bottom - 1);
    shadowShown_ = true;
}

bool DragPicture::moveDragPicture(int x, int y, bool drop, bool final) {
    const QRect next(QPoint(x, y), picture_.size());
    const QRect last = rect_;
    if (last.isValid() && last.topLeft() == next.topLeft()) return false;

    QImage& window = canvas_.overlay();
    QRect touched = next;
    if (last.isValid()) {
        const QRect old = shadowShown_ ? dragShadowArea(last) : last;
        for (const QRect& r : QRegion(old).subtracted(QRegion(next)))
            copyRect(window, r.topLeft(), canvas_.table, canvas_.onTable(r));
        touched |= old;
    }
    shadowShown_ = false;
    if (final) {
        // Land with the corners of whatever lies under the picture.
        const CornerPixels c = cornerPixels(QRect(QPoint(0, 0), next.size()));
        for (const QPoint& p : c.p) {
            const QPoint on = canvas_.onTable(QRect(next.topLeft() + p, QSize(1, 1))).topLeft();
            if (canvas_.table.valid(on) && picture_.valid(p)) picture_.setPixel(p, canvas_.table.pixel(on));
        }
    }
    copyRect(window, next.topLeft(), picture_, picture_.rect());
    if (cardShadowDepth(game_.state) > 0) {
        drawShadowAt(next);
        touched |= dragShadowArea(next);
    }
    if (drop) {
        copyRect(canvas_.table, canvas_.onTable(next).topLeft(), picture_, picture_.rect());
        // The window shows the table again there: the landed block without
        // a shadow.
        copyRect(window, touched.topLeft(), canvas_.table, canvas_.onTable(touched));
    }
    place(next);
    canvas_.noteWindow(touched);
    return true;
}

void DragPicture::place(const QRect& rect) {
    rect_ = rect;
    canvas_.keepOverlayForDrag(rect_.isValid());
}

void DragPicture::removeDragShadow() {
    const QRect r = rect_;
    if (!r.isValid() || !shadowShown_) return;
    const QRect right(r.left() + r.width(), r.top(), ShadowDepth, r.height() + ShadowDepth);
    const QRect below(r.left(), r.top() + r.height(), r.width() + ShadowDepth, ShadowDepth);
    for (const QRect& s : {right, below}) {
        copyRect(canvas_.surface(Target::Window), s.topLeft(), canvas_.table, canvas_.onTable(s));
        canvas_.noteWindow(s);
    }
    shadowShown_ = false;
}

}  // namespace vantrel
