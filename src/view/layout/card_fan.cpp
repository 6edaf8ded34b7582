#include "view/layout/card_fan.h"

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

CardPoint cardPoint(const CardFanContext& ctx, PileRef ref, int leftOut, bool include) {
    CardPoint p{ctx.positions.x(ref.group, ref.entry), ctx.positions.y(ref.group, ref.entry)};
    if (ref.group == PileGroup::Stock || !Piles::valid(ref.group, ref.entry)) return p;
    const int mode = ref.group == PileGroup::Tableau      ? ctx.params[param::TableauDisplay]
                     : ref.group == PileGroup::Foundation ? ctx.params[param::FoundationDisplay]
                                                          : ctx.params[param::ReserveDisplay];
    const bool reserve = ref.group == PileGroup::Reserve;
    const bool tableau = ref.group == PileGroup::Tableau;
    const bool fansDown = mode == fan::Down || (reserve && mode == fan::TightDown);
    const bool fansRight = mode == fan::Right || mode == fan::SideBySide || (tableau && mode == fan::TightRight);
    const bool untidy = tableau && mode == fan::Down && ctx.untidy != nullptr;

    const std::string& pile = ctx.piles.pile(ref);
    const int counted = cardCount(pile) - leftOut - (include ? 0 : 1);
    for (int k = 0; k < counted; ++k) {
        const bool faceUp = ctx.cards.faceUp(cardAt(pile, k));
        if (fansDown) {
            if (mode == fan::Down)
                p.y += faceUp ? ctx.steps.downFaceUp : ctx.steps.downFaceDown;
            else
                p.y += ctx.steps.tightDown;
        }
        if (fansRight) {
            if (mode == fan::Right)
                p.x += faceUp ? ctx.steps.sideFaceUp : ctx.steps.sideFaceDown;
            else if (mode == fan::SideBySide)
                p.x += ctx.cardW + ctx.steps.sideGap;
            else
                p.x += ctx.steps.tightSide;
        }
        if (untidy) p.x += jitterOffset(*ctx.untidy, ref.entry, k);
    }
    if (mode == fan::OneStepDown && counted > 0) p.y += ctx.steps.downFaceUp;
    return p;
}

int CardX(const CardFanContext& ctx, PileRef pile, int leftOut, bool include) {
    return cardPoint(ctx, pile, leftOut, include).x;
}

int CardY(const CardFanContext& ctx, PileRef pile, int leftOut, bool include) {
    return cardPoint(ctx, pile, leftOut, include).y;
}

}  // namespace vantrel
