#pragma once
// What the appearance dialog offers and how a choice becomes preference
// values: the trees of card backs and backgrounds, and the background keys
// that a chosen node stands for. Window-free, so the rules are tested alone.
#include <string>
#include <vector>

namespace vantrel {

class StateRecord;

namespace appearance {

// A node of a choice tree. Folders have code 0; a card back has its back
// number; a background above 1000 is a colour (red + 256 * green + 65536 *
// blue), from 2 to 1000 the number of a background picture.
struct TreeNode {
    std::string text;
    int code = 0;
    std::vector<TreeNode> children;
};

const std::vector<TreeNode>& cardBackTree();
const std::vector<TreeNode>& backgroundTree();

inline constexpr int BlueColour = 16711680;  // the node that stands for the default background

enum class NodeKind { Folder, Picture, Colour };
NodeKind kindOf(int code);

// The preference values a selected background node writes; `code` 0 or
// less (a folder, or nothing selected) means the default background.
struct BackgroundKeys {
    std::string bmp;       // Background_bmp
    std::string def;       // Background_Def
    long fixedColour = 0;  // Background_Fixed_Col
};
BackgroundKeys backgroundKeysFor(int code);

// How the dialog shows the stored background when it opens: the node to
// select (0 for none) and what the sample shows.
enum class OpeningSample { Default, FixedColour, Picture, PlainColour };
struct OpeningBackground {
    OpeningSample sample = OpeningSample::Default;
    int node = 0;
};
OpeningBackground openingBackground(const StateRecord& state);

// The appearance fields that Cancel puts back as they were.
class SavedAppearance {
public:
    explicit SavedAppearance(const StateRecord& state);
    void restore(StateRecord& state) const;

private:
    std::vector<std::string> values_;
};

}  // namespace appearance
}  // namespace vantrel
