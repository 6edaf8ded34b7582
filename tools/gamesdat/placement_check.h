#pragma once
// Placement codes a game may use: the layout places nothing for an
// arrangement it does not know, so a pile group in use with such a code
// would never appear on the table (refused). Row digits 0, 7 and 8 name no
// row; the layout puts such a group in row 1 (a warning).
#include <map>
#include <string>
#include <vector>

namespace gamesdat {

struct PlacementProblem {
    int parameter;  // the slot to blame
    std::string message;
    bool refused = true;  // else a warning
};

// `values`: parameter number -> value; missing parameters are 0.
std::vector<PlacementProblem> placementProblems(const std::map<int, int>& values);

}  // namespace gamesdat
