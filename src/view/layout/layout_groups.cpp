// Stock group, foundations, reserves and second waste, placed around the
// tableau; and the rule that pushes a tableau clear of a reserve row.
#include "view/layout/layout_pass.h"

namespace vantrel::layout_detail {

namespace {
constexpr PileGroup Stock = PileGroup::Stock;
constexpr PileGroup Dest = PileGroup::Foundation;
constexpr PileGroup Appogg = PileGroup::Reserve;
}  // namespace

void LayoutPass::placeStock() {
    if (s_ <= 0) return;
    const int a = in_.stock.code.arrangement;
    switch (a) {
        case 3: case 4: case 5: case 11: case 13: case 16: case 19: case 21: break;
        default: return;
    }
    const int y = rowY(in_.stock.code.row);
    setY(Stock, 0, y);
    setY(Stock, 1, y);
    switch (a) {
        case 4:
            if (in_.hasStockPile && in_.hasWastePile) {
                setX(Stock, 0, fx(0));
                setX(Stock, 1, fx(1));
            } else if (in_.hasWastePile) {
                setX(Stock, 1, fx(0));
            } else if (in_.hasStockPile) {
                setX(Stock, 0, fx(0));
            }
            break;
        case 5:
            setX(Stock, 0, F_);
            for (int i = 1; i < s_; ++i) setXY(Stock, i, sx(i - 1) + F_ + cW_, y);
            break;
        case 3:
            setX(Stock, 0, fx(0) - cW_ - 22);
            if (in_.hasWastePile) setXY(Stock, 1, sx(0), R_[2]);
            break;
        case 11:
            setX(Stock, 1, fx(0) - cW_ - 45);
            setX(Stock, 0, sx(1) - cW_ - 15);
            break;
        case 13: {
            int g = in_.shadow > 1 ? in_.shadow / 2 : in_.shadow;
            if (in_.screenH < 500) g = 0;
            setX(Stock, 0, g + 15);
            if (s_ > 1) setX(Stock, 1, sx(0) + cW_ + 15);
            break;
        }
        case 16: case 19:
            setX(Stock, in_.hasStockPile ? 0 : 1, fx(0) - cW_ - (a == 16 ? 30 : 60));
            break;
        case 21:
            setX(Stock, 1, fx(0) - cW_ - 15);
            setX(Stock, 0, sx(1) - cW_ - 20);
            break;
    }
}

void LayoutPass::placeFoundations() {
    P_ = std::max(K_ / 3, 1);
    // No foundations: nothing to lay out (and no last foundation to anchor on).
    if (d_ <= 0) return;
    const int a = in_.foundations.code.arrangement;
    int y = rowY(in_.foundations.code.row);
    int x[FoundationPiles];
    const auto leftFromLast = [&](int last, int step) {
        x[d_ - 1] = last;
        for (int i = d_ - 2; i >= 0; --i) x[i] = x[i + 1] - step;
    };
    const auto rightFromFirst = [&](int first, int step) {
        x[0] = first;
        for (int i = 1; i < d_; ++i) x[i] = x[i - 1] + step;
    };
    const auto overLastPiles = [&] {
        for (int i = 0; i < d_; ++i) x[i] = fx(n_ - d_ + i);
    };
    switch (a) {
        case 7: overLastPiles(); break;
        case 9: leftFromLast(fx(n_ - 1), P_ + cW_); break;
        case 1:
            P_ = std::max((W_ - d_ * cW_ - 2) / (d_ + 1), 1);
            rightFromFirst(P_, cW_ + P_);
            break;
        case 2:
            P_ = std::max(K_ / 2, 1);
            rightFromFirst((W_ - d_ * cW_ - (d_ - 1) * P_) / 2, cW_ + P_);
            break;
        case 8: leftFromLast(W_ - cW_ - F_ - 5, F_ + cW_); break;
        case 13:
            if (in_.screenH < 500)
                leftFromLast(fx(n_ - 1), cW_ + 1);
            else
                overLastPiles();
            break;
        case 17: {
            const bool small = in_.screenH < 500;
            const int anchor = in_.hasWastePile ? 1 : 0;
            y = sy(anchor);
            rightFromFirst(sx(anchor) + cW_ + (small ? 10 : 20), (small ? 1 : 3) + cW_);
            break;
        }
        default: return;
    }
    for (int i = 0; i < d_; ++i) setXY(Dest, i, x[i], y);
}

void LayoutPass::placeReserves() {
    if (r_ <= 0) return;
    const int y = rowY(in_.reserves.code.row);
    switch (in_.reserves.code.arrangement) {
        case 6:
            setXY(Appogg, 0, fx(0), y);
            for (int i = 1; i < r_; ++i) setXY(Appogg, i, ax(i - 1) + P_ + cW_, y);
            break;
        case 4:
            for (int i = 0; i < r_; ++i) setXY(Appogg, i, fx(i), y);
            break;
        case 5:
            setXY(Appogg, 0, F_, y);
            for (int i = 1; i < r_; ++i) setXY(Appogg, i, ax(i - 1) + F_ + cW_, y);
            break;
        case 7:
            for (int i = 0; i < r_; ++i) setXY(Appogg, i, fx(n_ - r_ + i), y);
            break;
        case 11: setXY(Appogg, 0, sx(1), y); break;
        case 12: setXY(Appogg, 0, fx(0) - cW_ - (n_ < 8 ? 45 : 22), y); break;
        default: break;
    }
}

void LayoutPass::placeSecondWaste() {
    if (in_.secondWaste.count <= 0) return;
    const int d2 = in_.secondWaste.code.row - '0';
    switch (in_.secondWaste.code.arrangement) {
        // Just below row d2 - 1; a row digit of 1 has no row above and is
        // read as row 1 like every other undefined row.
        case 16: setXY(Stock, 2, sx(0), rowY(d2 - 1) + 15 + cH_ + 5); break;
        case 6: setXY(Stock, 2, fx(1), rowY(d2)); break;
        case 7: setXY(Stock, 2, fx(n_ - 1), rowY(d2)); break;
        default: break;
    }
}

namespace {
struct Rect {
    int left, top, right, bottom;
    bool holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The reserve overlaps when a corner lies in the area, or when a side edge
// crosses it at one of the heights sampled every 50 pixels.
bool reaches(const Rect& reserve, const Rect& area) {
    if (area.holds(reserve.left, reserve.top) || area.holds(reserve.right, reserve.top) ||
        area.holds(reserve.left, reserve.bottom) || area.holds(reserve.right, reserve.bottom))
        return true;
    const auto within = [&](int x) { return x >= area.left && x <= area.right; };
    if (!within(reserve.left) && !within(reserve.right)) return false;
    for (int y = reserve.top; y <= reserve.bottom; y += 50)
        if (y >= area.top && y <= area.bottom) return true;
    return false;
}
}  // namespace

int LayoutPass::collisionStart() const {
    const Rect reserve{ax(r_ - 1), ay(r_ - 1), ax(r_ - 1) + cW_, ay(r_ - 1) + cH_};
    for (int j = 0; j < n_; ++j) {
        const Rect widened{fx(j) - 85, fy(j), fx(j) + cW_ + 85, fy(j) + cH_};
        if (reaches(reserve, widened)) {
            const int start = reserve.left + cW_ + 86;
            return start > 0 ? start : F_;
        }
    }
    return 0;
}

}  // namespace vantrel::layout_detail
