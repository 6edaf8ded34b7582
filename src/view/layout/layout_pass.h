#pragma once
// One pass of the layout over all groups. Internal to the layout.
#include <algorithm>
#include <array>

#include "model/pile_positions.h"
#include "view/layout/layout_inputs.h"

namespace vantrel::layout_detail {

inline int clampTo(int v, int lo, int hi) { return std::clamp(v, lo, hi); }

class LayoutPass {
public:
    // `forcedStart` is where an 002 tableau must begin (0: centred).
    LayoutPass(const LayoutInputs& in, PilePositions& pos, int forcedStart);

    // Places every group. Returns the forced tableau start a further pass
    // must use, or 0 when the layout is complete.
    int run(bool mayRepeat);

    int fanRoomV() const { return fanV_; }
    int fanRoomH() const { return fanH_; }

private:
    // Steps in order.
    void computeRows();
    void computeLeftLimit();
    void computeFanRoom();
    bool placeTableau();  // true when the arrangement laid out the whole table
    void placeCross();
    void placeStaircase();
    void placeCentredRow(int a);
    void placeLeftRoomRow(int a);
    void placeFanRows();
    void placeWideRows();
    void placeStock();
    void placeFoundations();
    void placeTableauUnderFoundations();
    void placeReserves();
    void placeSecondWaste();
    int collisionStart() const;
    void fixUps();

    // Piles i >= 1 follow pile 0 in its row, `gap` apart.
    void followRow(int from, int gap);
    // Rows of `per` piles restarting at FX[0]; `rowY(k)` gives the Y of row k.
    template <class RowY>
    void placeInRows(int per, int gap, RowY rowY);

    int rowY(int digit) const;       // R[d]; digits without a row count as 1
    int rowY(char digit) const;
    int blockY(int digit) const;     // Q[d]; the same rule

    int fx(int i) const { return pos_.x(PileGroup::Tableau, i); }
    int fy(int i) const { return pos_.rawY(PileGroup::Tableau, i); }
    int dx(int i) const { return pos_.x(PileGroup::Foundation, i); }
    int dy(int i) const { return pos_.rawY(PileGroup::Foundation, i); }
    int ax(int i) const { return pos_.x(PileGroup::Reserve, i); }
    int ay(int i) const { return pos_.rawY(PileGroup::Reserve, i); }
    int sx(int i) const { return pos_.x(PileGroup::Stock, i); }
    int sy(int i) const { return pos_.rawY(PileGroup::Stock, i); }
    void setX(PileGroup g, int i, int x) { pos_.set(g, i, x, pos_.rawY(g, i)); }
    void setY(PileGroup g, int i, int y) { pos_.set(g, i, pos_.x(g, i), y); }
    void setXY(PileGroup g, int i, int x, int y) { pos_.set(g, i, x, y); }

    bool rowSetHas(char digit) const;

    const LayoutInputs& in_;
    PilePositions& pos_;
    const int forcedStart_;
    const int cW_, cH_;
    const int n_, d_, r_, s_;  // tableau, foundation, reserve, stock counts
    bool small_ = false;
    int W_ = 0, m_ = 10;
    std::array<int, 10> R_{};  // R1..R6, R9 at their digits
    std::array<int, 4> C_{};   // C1..C3
    std::array<int, 5> Q_{};   // Q1..Q4
    int F_ = 0;
    int K_ = 0;
    int P_ = 1;
    std::array<char, 3> rowSet_{};
    int fanV_ = 0, fanH_ = 0;
};

}  // namespace vantrel::layout_detail
