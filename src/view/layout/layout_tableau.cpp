// Tableau arrangements, including the two that lay out the whole table.
#include "model/card_settings.h"
#include "view/layout/layout_pass.h"

namespace vantrel::layout_detail {

namespace {
constexpr PileGroup Tab = PileGroup::Tableau;
}

void LayoutPass::followRow(int from, int gap) {
    for (int i = from; i < n_; ++i) setXY(Tab, i, fx(i - 1) + cW_ + gap, fy(0));
}

template <class RowY>
void LayoutPass::placeInRows(int per, int gap, RowY rowYOf) {
    int row = 0;
    setY(Tab, 0, rowYOf(0));
    for (int i = 1; i < n_; ++i) {
        int x = fx(i - 1) + cW_ + gap;
        if (i % per == 0) {
            ++row;
            x = fx(0);
        }
        setXY(Tab, i, x, rowYOf(row));
    }
}

bool LayoutPass::placeTableau() {
    const int a = in_.tableau.code.arrangement;
    if (a == 52) {
        placeCross();
        return true;
    }
    if (a == 54) {
        placeStaircase();
        return true;
    }
    // A table without rows has nothing to place here.
    if (n_ == 0) return false;
    switch (a) {
        case 1: case 14: case 15: case 2: case 3: case 11: case 12: case 21:
        case 10: case 13: case 18: case 20:
            setY(Tab, 0, rowY(in_.tableau.code.row));
            break;
        default:
            return false;
    }
    switch (a) {
        case 1: case 14: case 15: placeCentredRow(a); break;
        case 2:
            K_ = W_ < 650 ? 5 : 10;
            setX(Tab, 0, forcedStart_ != 0 ? forcedStart_ : (W_ - n_ * cW_ - (n_ - 1) * K_) / 2);
            followRow(1, K_);
            break;
        case 3: case 11: case 12: case 21: placeLeftRoomRow(a); break;
        case 10: placeFanRows(); break;
        case 13: {
            int g = in_.shadow < 1 ? ShadowDepth : in_.shadow;
            if (in_.screenH < 500) g = -11;
            K_ = 4;  // the gap this row uses; foundations and reserves derive theirs from it
            setX(Tab, 0, 2 * g + 30);
            followRow(1, K_);
            break;
        }
        case 18: placeWideRows(); break;
        case 20: K_ = 10; break;  // placed under the foundations later
    }
    return false;
}

void LayoutPass::placeCentredRow(int a) {
    const int stockA = in_.stock.code.arrangement;
    const int wasteA = in_.secondWaste.code.arrangement;
    K_ = clampTo((W_ - n_ * cW_) / (n_ + 1), 4, 20);
    if (a == 1 && (stockA == 4 || wasteA == 4)) K_ = std::max(K_, 15);
    int x0 = (W_ - (n_ * cW_ + (n_ - 1) * K_)) / 2;
    if (x0 < F_) {
        if (a == 1) {
            x0 = F_;
        } else {
            // Squeeze the gaps to make room; a single pile has none to squeeze.
            if (n_ > 1) {
                K_ -= static_cast<int>(static_cast<double>(F_ - x0) / (n_ - 1) + 0.99);
                K_ = clampTo(K_, 4, 20);
            }
            x0 = in_.screenW < 650 ? F_ - 2 : F_;
        }
    }
    setX(Tab, 0, x0);
    const bool roomForStock = a != 1 && (stockA == 4 || wasteA == 4) && K_ < 15 && in_.stock.count > 0;
    if (!roomForStock) {
        followRow(1, K_);
        return;
    }
    // The piles under the stock keep a wider gap so the stock's edge shows.
    for (int i = 1; i < n_; ++i) {
        const int gap = i < in_.stock.count ? 15 : K_;
        setXY(Tab, i, fx(i - 1) + cW_ + gap, fy(0));
    }
}

void LayoutPass::placeLeftRoomRow(int a) {
    const int g = a == 3 || a == 12 ? 1 : 2;  // card columns kept free on the left
    K_ = (W_ - (g + n_) * cW_ - 2 - 30) / (n_ + 1 + g);
    if (K_ < 4)
        K_ = 4;
    else if (K_ > 20)
        K_ = 15;
    if (a == 21) K_ = 2;
    int x0 = std::max((W_ - 10 - 30 + K_ - ((g + n_) * cW_ + (n_ - 1 + g) * K_)) / 2, F_);
    x0 += (22 + cW_) * g;
    if (a == 11 || a == 12) x0 += 15;
    setX(Tab, 0, x0);
    followRow(1, K_);
}

void LayoutPass::placeFanRows() {
    K_ = 85 * cW_ / 100;
    const int rows = in_.tableauRows;
    // Fewer piles than rows, or no row count at all: one row.
    if (rows <= 1 || n_ / rows < 1) {
        setXY(Tab, 0, 15, C_[1]);
        followRow(1, K_);
        return;
    }
    // With several rows the whole first row, pile 0 included, sits on row 1:
    // the centred block start would run into the second row.
    setX(Tab, 0, 15);
    placeInRows(n_ / rows, K_, [this](int row) { return rowY(row + 1); });
}

void LayoutPass::placeWideRows() {
    const int rows = in_.tableauRows;
    const bool oneRow = rows <= 1 || n_ / rows < 1;
    const int per = oneRow ? n_ : n_ / rows;
    K_ = std::max((W_ - per * cW_ - 2) / (per + 1), 3 * cW_ / 2);
    const int digit = in_.tableau.code.row - '0';
    setXY(Tab, 0, in_.screenH < 500 ? 15 : F_ + 10, blockY(digit));
    if (oneRow)
        followRow(1, K_);
    else
        placeInRows(per, K_, [this, digit](int row) { return blockY(digit + row); });
}

void LayoutPass::placeTableauUnderFoundations() {
    if (n_ == 0) return;
    const int span = n_ * cW_ + (n_ - 1) * K_;
    // Without foundations there is no last one to centre under: centre the
    // row on the table instead.
    const int x0 = d_ > 0 ? dx(0) + (dx(d_ - 1) + cW_ - dx(0) - span) / 2 : (W_ - span) / 2;
    setX(Tab, 0, x0);
    followRow(1, K_);
}

void LayoutPass::placeCross() {
    const int g = small_ ? 25 : 35;
    int x1 = (W_ - 4 * cW_ - 3 * g) / 2 + cW_ + 15;
    if (x1 - cW_ - 3 * g - 25 < 0) x1 = cW_ + 3 * g + 25;
    const int x0 = x1 + cW_ + g;
    const int x3 = x0 + cW_ + g;
    const int y0 = std::max(in_.top + (in_.bottom - in_.top - (3 * cH_ + 3 * g)) / 2, R_[1]);
    const int y1 = y0 + g + cH_;
    const int y4 = y1 + g + cH_;
    setXY(Tab, 0, x0, y0);
    setXY(Tab, 1, x1, y1);
    setXY(Tab, 2, x0, y1);
    setXY(Tab, 3, x3, y1);
    setXY(Tab, 4, x0, y4);
    constexpr int NotShown = -10000;  // piles 6-8 are not part of the cross
    for (int i = 5; i <= 7; ++i) setX(Tab, i, NotShown);
    const int stockX = x1 - cW_ - 3 * g;
    setXY(PileGroup::Stock, 0, stockX, y0);
    setXY(PileGroup::Stock, 1, stockX, y1);
    // Foundations in the corners of the cross, pulled inwards.
    const int fxs[4] = {x1 + 7, x3 - 7, x1 + 7, x3 - 7};
    const int fys[4] = {y0 + 7, y0 + 7, y4 - 7, y4 - 7};
    for (int i = 0; i < 4; ++i) setXY(PileGroup::Foundation, i, fxs[i], fys[i]);
}

void LayoutPass::placeStaircase() {
    constexpr int SideGap = 6;  // between cards laid side by side
    int g = in_.screenH < 500 ? 15 : 40;
    setXY(PileGroup::Stock, 0, g, R_[1]);
    setXY(PileGroup::Stock, 1, g, R_[2] + 10);
    const int stockRight = g + cW_ + 3;
    g = cW_ / 2 + SideGap / 2;
    int x0 = (W_ - cW_) / 2;
    // Move the staircase right until its lowest step clears the stock.
    if (stockRight >= x0 - 5 * g) x0 += 3 * ((stockRight - (x0 - 5 * g)) / 3 + 1);
    for (int k = 0; k <= 6; ++k) setX(Tab, k, x0 - k * g);
    const int x5 = x0 - 5 * g;
    int wasteX = W_ - g - cW_;
    if (wasteX < x5 + 6 * cW_ + 5 * SideGap) wasteX = x5 + 6 * cW_ + 5 * SideGap + 3;
    setXY(PileGroup::Stock, 2, wasteX, R_[1]);
    const int lift = in_.screenH < 500 ? 8 : -4;
    setY(Tab, 0, R_[1]);
    for (int k = 1; k <= 7; ++k) setY(Tab, k, fy(k - 1) + cH_ / 2 - lift);
}

}  // namespace vantrel::layout_detail
