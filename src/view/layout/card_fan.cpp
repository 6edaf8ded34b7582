#include "view/layout/card_fan.h"

#include <algorithm>

#include "model/card_table.h"
#include "model/game_params.h"
#include "model/pile_positions.h"
#include "model/state_record.h"
#include "view/layout/layout_inputs.h"
#include "model/param_ids.h"

namespace vantrel {

FanSteps fanSteps(char cardSize, int tableauMode, int reserveMode, const FanSteps& previous) {
    struct BySize {
        int downUp, downDown, sideUp, sideDown, tightSide;
    };
    static constexpr BySize Sizes[] = {{18, 4, 12, 4, 7}, {14, 4, 10, 4, 5}, {3, 3, 3, 3, 3}};
    const BySize& s = Sizes[cardDims(cardSize).sizeIndex];
    FanSteps steps = previous;
    const bool down = tableauMode == fan::Down;
    const bool side = tableauMode == fan::Right || reserveMode == fan::Right;
    steps.downFaceUp = down ? s.downUp : 0;
    steps.downFaceDown = down ? s.downDown : 0;
    steps.sideFaceUp = side ? s.sideUp : 0;
    steps.sideFaceDown = side ? s.sideDown : 0;
    if (tableauMode == fan::TightRight) steps.tightSide = s.tightSide;
    steps.tightDown = 3;
    steps.sideGap = 6;
    return steps;
}

bool untidyPilesOn(const StateRecord& state) { return state.read(field::Piles_TT) != "N"; }

FanWalk::FanWalk(const CardFanContext& ctx, PileRef ref)
    : ctx_(ctx), ref_(ref), p_{ctx.positions.x(ref.group, ref.entry), ctx.positions.y(ref.group, ref.entry)} {
    if (ref.group == PileGroup::Stock || !Piles::valid(ref.group, ref.entry)) return;
    mode_ = ref.group == PileGroup::Tableau      ? ctx.params[param::TableauDisplay]
            : ref.group == PileGroup::Foundation ? ctx.params[param::FoundationDisplay]
                                                 : ctx.params[param::ReserveDisplay];
    const bool reserve = ref.group == PileGroup::Reserve;
    const bool tableau = ref.group == PileGroup::Tableau;
    fansDown_ = mode_ == fan::Down || (reserve && mode_ == fan::TightDown);
    fansRight_ = mode_ == fan::Right || mode_ == fan::SideBySide || (tableau && mode_ == fan::TightRight);
    untidy_ = tableau && mode_ == fan::Down && ctx.untidy != nullptr;
    pile_ = &ctx.piles.pile(ref);
}

CardPoint FanWalk::point() const {
    CardPoint p = p_;
    if (pile_ && mode_ == fan::OneStepDown && k_ > 0) p.y += ctx_.steps.downFaceUp;
    return p;
}

void FanWalk::step() {
    // A squared pile keeps every card at one place: nothing to read.
    if (pile_ && (fansDown_ || fansRight_ || untidy_)) {
        const bool faceUp = ctx_.cards.faceUp(cardAt(*pile_, k_));
        if (fansDown_) {
            if (mode_ == fan::Down)
                p_.y += faceUp ? ctx_.steps.downFaceUp : ctx_.steps.downFaceDown;
            else
                p_.y += ctx_.steps.tightDown;
        }
        if (fansRight_) {
            if (mode_ == fan::Right)
                p_.x += faceUp ? ctx_.steps.sideFaceUp : ctx_.steps.sideFaceDown;
            else if (mode_ == fan::SideBySide)
                p_.x += ctx_.cardW + ctx_.steps.sideGap;
            else
                p_.x += ctx_.steps.tightSide;
        }
        if (untidy_) p_.x += jitterOffset(*ctx_.untidy, ref_.entry, k_);
    }
    ++k_;
}

void FanWalk::stepBy(int n) {
    if (n <= 0) return;
    if (!pile_ || !(fansDown_ || fansRight_ || untidy_)) {
        k_ += n;
        return;
    }
    if (untidy_) {
        for (; n > 0; --n) step();
        return;
    }
    const bool byFace = mode_ == fan::Down || mode_ == fan::Right;
    int up = 0;
    if (byFace) {
        // Past the pile's top there is no card, and no card is face up.
        const int end = std::min(k_ + n, cardCount(*pile_));
        for (int i = k_; i < end; ++i) up += ctx_.cards.faceUp(cardAt(*pile_, i));
    }
    const int down = n - up;
    if (fansDown_)
        p_.y += mode_ == fan::Down ? up * ctx_.steps.downFaceUp + down * ctx_.steps.downFaceDown
                                   : n * ctx_.steps.tightDown;
    else if (mode_ == fan::Right)
        p_.x += up * ctx_.steps.sideFaceUp + down * ctx_.steps.sideFaceDown;
    else
        p_.x += n * (mode_ == fan::SideBySide ? ctx_.cardW + ctx_.steps.sideGap : ctx_.steps.tightSide);
    k_ += n;
}

CardPoint cardPoint(const CardFanContext& ctx, PileRef ref, int leftOut, bool include) {
    FanWalk walk(ctx, ref);
    if (!walk.fans()) return walk.point();
    walk.stepBy(cardCount(ctx.piles.pile(ref)) - leftOut - (include ? 0 : 1));
    return walk.point();
}

int CardX(const CardFanContext& ctx, PileRef pile, int leftOut, bool include) {
    return cardPoint(ctx, pile, leftOut, include).x;
}

int CardY(const CardFanContext& ctx, PileRef pile, int leftOut, bool include) {
    return cardPoint(ctx, pile, leftOut, include).y;
}

}  // namespace vantrel
