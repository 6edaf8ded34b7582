#include "dialogs/appearance_choices.h"

#include <array>

#include "model/state_record.h"

namespace vantrel::appearance {

const std::vector<TreeNode>& cardBackTree() {
    static const std::vector<TreeNode> tree = {
        {"Animals", 0, {{"Tropical fish", 19, {}}}},
        {"Children", 0, {{"Snowman", 3, {}}}},
        {"Flowers", 0, {{"Roses", 14, {}}}},
        {"Geometric", 0, {{"Plaiting 1", 11, {}}}},
        {"Paintings", 0, {{"Boat", 1, {}}}},
    };
    return tree;
}

const std::vector<TreeNode>& backgroundTree() {
    static const std::vector<TreeNode> tree = {
        {"Colors",
         0,
         {{"Blue", BlueColour, {}},
          {"Green", 32768, {}},
          {"Navy", 8388608, {}},
          {"Olive", 32896, {}},
          {"Teal", 8421376, {}},
          {"White", 16777215, {}}}},
        {"Over 256 colors",
         0,
         {{"Metal", 0, {{"Metal gold", 287, {}}}},
          {"Nature", 0, {{"Meadow", 324, {}}}},
          {"Tissue", 0, {{"Moquette 1", 296, {}}}},
          {"Walls", 0, {{"Brick wall 1", 304, {}}}},
          {"Wood", 0, {{"Parquet", 311, {}}}}}},
        {"Under 256 colors", 0, {{"Geometricals", 0, {{"Moquette", 102, {}}}}}},
    };
    return tree;
}

NodeKind kindOf(int code) {
    if (code > 1000) return NodeKind::Colour;
    if (code >= 2) return NodeKind::Picture;
    return NodeKind::Folder;
}

BackgroundKeys backgroundKeysFor(int code) {
    switch (kindOf(code)) {
        case NodeKind::Colour: return {"0", "N", code};
        case NodeKind::Picture: return {std::to_string(code), "N", 0};
        case NodeKind::Folder: break;
    }
    return {"0", "Y", 0};
}

OpeningBackground openingBackground(const StateRecord& state) {
    if (state.flag(field::Background_def)) return {OpeningSample::Default, BlueColour};
    const long long fixed = state.readInt(field::Background_Fixed_Col, 0);
    if (fixed != 0) return {OpeningSample::FixedColour, static_cast<int>(fixed)};
    const long long bmp = state.readInt(field::Background_bmp, 0);
    if (bmp != 0) return {OpeningSample::Picture, static_cast<int>(bmp)};
    return {OpeningSample::PlainColour, 0};
}

namespace {
constexpr std::array<Field, 9> SavedFields = {
    field::Card_Size,       field::Card,          field::Fade_Background,
    field::Back_Card,       field::Background_bmp, field::Background_Col,
    field::Background_Fixed_Col, field::Background_def, field::Piles_TT,
};
}  // namespace

SavedAppearance::SavedAppearance(const StateRecord& state) {
    for (const Field& f : SavedFields) values_.push_back(state.read(f));
}

void SavedAppearance::restore(StateRecord& state) const {
    for (size_t i = 0; i < SavedFields.size(); ++i) state.write(SavedFields[i], values_[i]);
}

}  // namespace vantrel::appearance
