#include "view/layout/layout_pass.h"

namespace vantrel::layout_detail {

namespace {
int countWithin(int count, int capacity) { return clampTo(count, 0, capacity); }
}  // namespace

LayoutPass::LayoutPass(const LayoutInputs& in, PilePositions& pos, int forcedStart)
    : in_(in),
      pos_(pos),
      forcedStart_(forcedStart),
      cW_(in.cardW),
      cH_(in.cardH),
      n_(countWithin(in.tableau.count, TableauPiles)),
      d_(countWithin(in.foundations.count, FoundationPiles)),
      r_(countWithin(in.reserves.count, ReservePiles)),
      s_(countWithin(in.stock.count, StockPiles)) {
    small_ = in.height < 500;
    W_ = in.width - (small_ ? 10 : 0) - 2;
    m_ = small_ ? 5 : 10;
}

int LayoutPass::run(bool mayRepeat) {
    computeRows();
    computeLeftLimit();
    rowSet_ = {in_.stock.count > 0 ? in_.stock.code.row : ' ',
               in_.foundations.count > 0 ? in_.foundations.code.row : ' ',
               in_.reserves.count > 0 ? in_.reserves.code.row : ' '};
    computeFanRoom();
    if (placeTableau()) return 0;
    placeStock();
    placeFoundations();
    if (in_.tableau.code.arrangement == 20) placeTableauUnderFoundations();
    placeReserves();
    placeSecondWaste();
    if (mayRepeat && in_.reserves.code.arrangement == 5 && r_ > 0) {
        if (const int start = collisionStart(); start != 0) return start;
    }
    fixUps();
    return 0;
}

void LayoutPass::computeRows() {
    const int top = in_.top;
    const char stockRow = in_.stock.code.row;
    int& r1 = R_[1];
    int& r2 = R_[2];
    int& r3 = R_[3];
    r1 = top + m_ + (stockRow == '1' ? 15 : 0);
    r2 = r1 + m_ + cH_ + (stockRow == '2' || in_.stock.code.arrangement == 3 ? 15 : 0);
    r3 = r2 + m_ + cH_;
    R_[4] = r3 + m_ + cH_;
    // The bottom row hugs the window when it fills most of the screen.
    R_[5] = in_.winH * 5 > in_.screenH * 4 ? in_.winH - 50 - cH_ : in_.screenH - 30 - cH_;
    R_[6] = r2 + (r3 - r2) / 2;
    R_[9] = 15;
    if (in_.tableau.code.arrangement == 15) {
        r1 = top + 15;
        r2 = r1 + 5 + cH_;
        r3 = r2 + 5 + cH_;
    }
    const int span = in_.bottom - top;
    C_[1] = std::max(top + (span - (3 * cH_ + 20)) / 2, top + 2);
    C_[2] = C_[1] + cH_ + 10;
    C_[3] = C_[2] + cH_ + 10;
    Q_[1] = std::max(top + (span - (4 * cH_ + 30)) / 2, top + 2);
    for (int k = 2; k <= 4; ++k) Q_[k] = Q_[k - 1] + cH_ + 10;
}

void LayoutPass::computeLeftLimit() {
    F_ = W_ < 650 ? 3 : 10;
    if (in_.stock.count > 0) {
        F_ += in_.shadow;
        const int a = in_.stock.code.arrangement;
        if (a == 3 || a == 4 || a == 5 || a == 16 || a == 19 || in_.secondWaste.code.arrangement == 4) F_ += 15;
    }
}

bool LayoutPass::rowSetHas(char digit) const {
    return std::find(rowSet_.begin(), rowSet_.end(), digit) != rowSet_.end();
}

void LayoutPass::computeFanRoom() {
    fanV_ = cH_;
    fanH_ = cW_;
    if (in_.tableauFanMode != 1) return;
    // Down to the next row another group occupies, else the reference height.
    const int row = in_.tableau.code.row - '0';
    if (row < 1 || row > 3) return;
    for (int below = row + 1; below <= 4; ++below) {
        if (rowSetHas(static_cast<char>('0' + below))) {
            fanV_ = R_[below] - R_[row];
            return;
        }
    }
    fanV_ = in_.height - R_[row];
}

// Row digits 0, 7, 8 (and anything that is no digit) have no row of their
// own; they take row 1 so that a careless definition still shows its piles.
int LayoutPass::rowY(int digit) const {
    if ((digit >= 1 && digit <= 6) || digit == 9) return R_[static_cast<size_t>(digit)];
    return R_[1];
}

int LayoutPass::rowY(char digit) const { return rowY(digit - '0'); }

int LayoutPass::blockY(int digit) const { return digit >= 1 && digit <= 4 ? Q_[static_cast<size_t>(digit)] : Q_[1]; }

void LayoutPass::fixUps() {
    constexpr int Unset = -10000;
    if (sy(1) == Unset) setY(PileGroup::Stock, 1, sy(0));
    for (int i = 1; i <= 3; ++i)
        if (dy(i) == Unset) setY(PileGroup::Foundation, i, dy(0));
    for (int i = 1; i <= 6; ++i)
        if (fy(i) == Unset) setY(PileGroup::Tableau, i, fy(0));
}

}  // namespace vantrel::layout_detail
