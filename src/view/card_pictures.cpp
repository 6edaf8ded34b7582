// Single pictures: background, cards and backs with their rounded corners,
// marks, and the rectangle operations on the two table pictures.
#include <algorithm>

#include "model/game.h"
#include "view/background.h"
#include "view/card_images.h"
#include "view/card_pictures.h"
#include "view/drawing_host.h"
#include "view/mark_choice.h"
#include "view/table_canvas.h"

namespace vantrel {

namespace {

QRgb pixelOr(const QImage& img, QPoint p, QRgb fallback) {
    return img.valid(p) ? reinterpret_cast<const QRgb*>(img.constScanLine(p.y()))[p.x()] : fallback;
}

void setPixel(QImage& img, QPoint p, QRgb c) {
    if (img.valid(p)) reinterpret_cast<QRgb*>(img.scanLine(p.y()))[p.x()] = c | 0xFF000000;
}

}  // namespace

CornerPixels cornerPixels(const QRect& r) {
    const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    return {{{l, t}, {l + 1, t}, {l, t + 1},
             {rt, t}, {rt - 1, t}, {rt, t + 1},
             {l, b}, {l + 1, b}, {l, b - 1},
             {rt, b}, {rt - 1, b}, {rt, b - 1}}};
}

int CardPictures::cardW() const { return images_.width; }
int CardPictures::cardH() const { return images_.height; }

void CardPictures::drawBackground(Target target) {
    canvas_.background = backgroundLook(game_.state, host_, canvas_.scrollBarVisible, canvas_.table.size(),
                                        canvas_.fadeBaseHeight());
    if (target == Target::Table) {
        canvas_.background.paint(canvas_.table, QPoint(0, 0), canvas_.table.rect());
        return;
    }
    // The window shows the table's background from the scroll position.
    canvas_.overlay();
    showCleanBackground(Target::Window);
}

void CardPictures::pasteCard(const QImage& src, int height, int x, int y, bool onStack, Target target) {
    if (src.isNull() || height <= 0) return;
    QImage& dst = canvas_.surface(target);
    const QRect onTarget(x, y + canvas_.dy(target), src.width(), std::min(height, src.height()));
    const QPoint toTable(0, canvas_.scroll - canvas_.dy(target));  // target -> table coordinates
    const CornerPixels c = cornerPixels(onTarget);
    // Top corners keep what the target shows there now.
    QRgb top[6];
    for (int i = 0; i < 6; ++i) top[i] = pixelOr(dst, c.p[i], 0);
    copyRect(dst, onTarget.topLeft(), src, QRect(0, 0, onTarget.width(), onTarget.height()));
    for (int i = 0; i < 6; ++i) setPixel(dst, c.p[i], top[i]);
    for (int i = 6; i < 12; ++i) {
        const bool silver = onStack && i >= 9;
        setPixel(dst, c.p[i], silver ? StackSilver : canvas_.background.pixel(c.p[i] + toTable));
    }
    canvas_.noteBottom(y, onTarget.height());
    if (target == Target::Window) canvas_.noteWindow(onTarget);
}

void CardPictures::drawCard(int card, int x, int y, bool onStack, Target target) {
    const QImage* face = images_.face(card);
    if (face == nullptr || x < UnplacedLimit || y < UnplacedLimit) return;
    pasteCard(*face, cardH(), x, y, onStack, target);
}

void CardPictures::drawBack(int x, int y, int height, bool onStack, Target target) {
    if (x < UnplacedLimit || y < UnplacedLimit) return;
    pasteCard(images_.back, height, x, y, onStack, target);
}

int CardPictures::markFor(int kind, int pileIndex) const {
    MarkFacts facts{game_.params, game_.play.stockPass, game_.piles.stock[StockEntry].empty(),
                    cardCount(game_.piles.stock[WasteEntry])};
    return emptyPileMark(kind, pileIndex, facts);
}

void CardPictures::drawEmptyPileMark(int kind, int x, int y, Target target, int pileIndex) {
    if (x < UnplacedLimit || y < UnplacedLimit) return;
    const QImage* mark = images_.mark(markFor(kind, pileIndex));
    if (mark == nullptr || mark->isNull()) return;
    const QPoint at(x, y + canvas_.dy(target));
    copyRect(canvas_.surface(target), at, *mark, QRect(0, 0, cardW(), cardH()));
    canvas_.noteBottom(y, cardH());
    if (target == Target::Window) canvas_.noteWindow(QRect(at, QSize(cardW(), cardH())));
}

void CardPictures::invertRect(Target target, const QRect& rect) {
    QImage& dst = canvas_.surface(target);
    const QRect r = rect.translated(0, canvas_.dy(target)).intersected(dst.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(dst.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) line[x] ^= 0x00FFFFFF;
    }
    if (target == Target::Window) canvas_.noteWindow(r);
    restoreCorners(rect);
}

void CardPictures::restoreRect(const QRect& rect) {
    canvas_.background.paint(canvas_.surface(Target::Window), rect.topLeft(), canvas_.onTable(rect));
    canvas_.background.paint(canvas_.table, canvas_.onTable(rect).topLeft(), canvas_.onTable(rect));
    canvas_.noteWindow(rect);
}

void CardPictures::restoreCornersOn(Target target, const QRect& rect, bool top, bool bottom) {
    QImage& dst = canvas_.surface(target);
    const CornerPixels c = cornerPixels(rect);
    for (int i = top ? 0 : 6; i < (bottom ? 12 : 6); ++i) {
        const QPoint onTable = c.p[i] + QPoint(0, canvas_.scroll);
        setPixel(dst, c.p[i] + QPoint(0, canvas_.dy(target)), canvas_.background.pixel(onTable));
    }
    if (target == Target::Window) canvas_.noteWindow(rect);
}

void CardPictures::restoreCorners(const QRect& rect) {
    restoreCornersOn(Target::Window, rect);
    restoreCornersOn(Target::Table, rect);
}

void CardPictures::showWindow() {
    if (canvas_.hasOverlay())
        copyRect(canvas_.overlay(), QPoint(0, 0), canvas_.table, QRect(QPoint(0, canvas_.scroll), canvas_.windowSize()));
    canvas_.noteWindow(canvas_.windowRect());
    canvas_.settle();
}

void CardPictures::showCleanBackground(Target target) {
    const QRect screen(QPoint(0, target == Target::Window ? canvas_.scroll : 0), canvas_.windowSize());
    canvas_.background.paint(canvas_.surface(target), QPoint(0, 0), screen);
    if (target == Target::Window) canvas_.noteWindow(canvas_.windowRect());
}

void CardPictures::removePeekCard() {
    if (!canvas_.peekRect) return;
    const QRect r = *canvas_.peekRect;
    copyRect(canvas_.surface(Target::Window), r.topLeft(), canvas_.table, canvas_.onTable(r));
    canvas_.noteWindow(r);
    canvas_.peekRect.reset();
    canvas_.settle();
}

void CardPictures::pauseShown(int milliseconds) {
    canvas_.flush();
    host_.busyWait(milliseconds);
}

}  // namespace vantrel
